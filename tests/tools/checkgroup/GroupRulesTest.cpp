// The group rules without widgets: cell widths and item places in the three
// orientations and the grid, "|" lists, the check box values and the focus
// rectangle.
#include "tools/checkgroup/GroupRules.h"

#include <gtest/gtest.h>

namespace orx::tools::groups {
namespace {

LayoutInput input(int orientation, double width, int count, int columns = 1, bool widenOnEqual = true)
{
    LayoutInput in;
    in.width = width;
    in.height = 600;
    in.orientation = orientation;
    in.count = count;
    in.columns = columns;
    in.widenOnEqual = widenOnEqual;
    return in;
}

TEST(GroupCellWidth, FollowsTheOrientationAndTheMinimumCell)
{
    struct Case {
        const char* what;
        LayoutInput in;
        std::int32_t w;
    };
    const Case cases[] = {
        {"vertical W - 2 HS", input(Vertical, 2000, 3), 1880},
        {"horizontal W / N - HS", input(Horizontal, 4000, 4), 940},
        {"grid W / C - HS", input(Grid, 3000, 7, 3), 940},
        {"halves round to even (1000.5 -> 1000)", input(Horizontal, 2121, 2), 1000},
        {"halves round to even (1001.5 -> 1002)", input(Horizontal, 2123, 2), 1002},
        {"a cell narrower than the box widens", input(Vertical, 300, 1), 330},
        {"equality widens the check box group's cell", input(Vertical, 435, 1), 330},
        {"equality keeps the option group's cell", input(Vertical, 435, 1, 1, false), 315},
        {"unknown orientation starts from 0", input(7, 2000, 1), 330},
        {"a grid of no columns lays out as one", input(Grid, 2000, 2, 0), 1940},
        // Wider than the 16-bit range: the same arithmetic, no wrap-around.
        {"a group 40,000 twips wide", input(Vertical, 40000, 1), 39880},
        {"a horizontal group 70,000 twips wide", input(Horizontal, 70000, 2), 34940},
    };
    for (const Case& c : cases)
        EXPECT_EQ(cellWidth(c.in), c.w) << c.what;
}

TEST(GroupLayout, PlacesBoxesAndLabelsByOrientationAndCaptionPosition)
{
    // Vertical, W 2000, boxes 255 x 195, caption right.
    const QList<ItemPlace> v = layoutItems(input(Vertical, 2000, 3));
    ASSERT_EQ(v.size(), 3);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(*v[i].boxLeft, 60);
        EXPECT_EQ(*v[i].labelLeft, 375);
        EXPECT_EQ(*v[i].top, 255.0 * i + 60);
        EXPECT_EQ(v[i].captionWidth, 1565);
    }
    // Horizontal, 4 items in 4000: box 2 at 2060, every top at H/2 - 97.5.
    const QList<ItemPlace> h = layoutItems(input(Horizontal, 4000, 4));
    EXPECT_EQ(*h[2].boxLeft, 2060);
    EXPECT_EQ(*h[2].labelLeft, 2000 + 255 + 120);
    for (const ItemPlace& p : h)
        EXPECT_EQ(*p.top, 300 - 97.5);
    // Caption left: the label at the cell's left, the box after the caption width.
    LayoutInput left = input(Vertical, 2000, 1);
    left.captionPosition = CaptionLeft;
    const ItemPlace l = layoutItems(left).front();
    EXPECT_EQ(*l.labelLeft, 60);
    EXPECT_EQ(*l.boxLeft, 1565 + 120);
    // Any other caption position leaves the left edges alone; an unknown
    // orientation places nothing.
    left.captionPosition = 0;
    EXPECT_FALSE(layoutItems(left).front().boxLeft.has_value());
    EXPECT_FALSE(layoutItems(input(5, 2000, 1)).front().top.has_value());
}

TEST(GroupLayout, GridFillsRowsOfColumns)
{
    const QList<ItemPlace> g = layoutItems(input(Grid, 3000, 7, 3));
    const double w = 940, hs = 60;
    const struct {
        int item, column, row;
    } expected[] = {{0, 0, 0}, {1, 1, 0}, {2, 2, 0}, {3, 0, 1}, {4, 1, 1}, {5, 2, 1}, {6, 0, 2}};
    for (const auto& e : expected) {
        EXPECT_EQ(*g[e.item].boxLeft, (w + hs) * e.column + hs) << e.item;
        EXPECT_EQ(*g[e.item].top, 255.0 * e.row + 60) << e.item;
    }
}

TEST(GroupPieces, FitsAListToTheCount)
{
    auto name = [](int k) { return QStringLiteral("G1-") + QString::number(k); };
    auto index = [](int k) { return QString::number(k); };
    struct Case {
        QString text;
        int count;
        std::function<QString(int)> filler;
        QStringList pieces;
    };
    const Case cases[] = {
        {"A", 3, name, {"A", "G1-1", "G1-2"}},
        {"", 2, name, {"G1-0", "G1-1"}},
        {"A||C", 3, name, {"A", "", "C"}},
        {"A|B|C|D|E", 2, name, {"A", "B"}},
        {"", 3, index, {"0", "1", "2"}},
        {"A|B", 3, index, {"A", "B", "2"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(fitPieces(c.text, c.count, c.filler), c.pieces) << c.text.toStdString();
    EXPECT_TRUE(splitsList(QStringLiteral("x|y")));
    EXPECT_FALSE(splitsList(QStringLiteral("x y")));
}

TEST(GroupValues, ListAndNumericValuesMirrorTheStates)
{
    const QList<bool> s{false, true, false};
    EXPECT_EQ(listValueOf(s), QStringLiteral("010"));
    EXPECT_EQ(numericValueOf(s), 2);
    EXPECT_EQ(statesFromListValue(QStringLiteral("1x1"), 3), (QList<bool>{true, false, true}));
    EXPECT_EQ(statesFromListValue(QStringLiteral("1"), 3), (QList<bool>{true, false, false}));
    EXPECT_EQ(statesFromNumericValue(5, 3), (QList<bool>{true, false, true}));
    EXPECT_TRUE(numericValueFits(7, 3));
    EXPECT_FALSE(numericValueFits(8, 3));
    EXPECT_TRUE(numericValueFits(-1, 3));
}

TEST(GroupFocus, RectangleSurroundsTheCaption)
{
    EXPECT_EQ(focusOutline(375, 60, 600, 195), (FocusBox{345, 45, 1020, 270}));
    // (375 - 30) / 15 = 23; (60 - 15) / 15 = 3; (600 + 75) / 15 + 23 = 68; (195 + 30) / 15 + 3 = 18.
    EXPECT_EQ(focusPixels(375, 60, 600, 195, 15, 15), (PixelBox{23, 3, 68, 18}));
    // Halves to even: 22.5 -> 22.
    EXPECT_EQ(focusPixels(367.5, 15, 0, 0, 15, 15).left, 22);
}

TEST(GroupDataNames, SplitTheDataSourceName)
{
    EXPECT_EQ(dataNamesOf(QStringLiteral("Orders(12)")), (DataNames{"Orders", "12"}));
    EXPECT_EQ(dataNamesOf(QStringLiteral("Orders")), (DataNames{"Orders", ""}));
}

TEST(GroupLockedSize, RestoresOnlyRecordedSides)
{
    struct Case {
        int lockSize;
        double width, height;
        LockedSize restored;
    };
    const Case cases[] = {
        {0, 2000, 900, {}},
        {1, 2000, 900, {std::nullopt, 900}},
        {2, 2000, 900, {2000, std::nullopt}},
        {3, 2000, 900, {2000, 900}},
        {3, 0, 900, {std::nullopt, 900}},  // never recorded: not 0
        {3, 0, 0, {}},
        {4, 2000, 900, {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(lockedSize(c.lockSize, c.width, c.height), c.restored) << c.lockSize << " " << c.width;
}

}  // namespace
}  // namespace orx::tools::groups
