#include "platform/basic/Regional.h"
#include "tools/pages/PageRules.h"

#include <gtest/gtest.h>

namespace orx::test {
namespace {

using namespace tools::pages;

TEST(PageRules, EveryLineBreakIsOneSeparator)
{
    struct Case {
        const char* text;
        const char* list;
    };
    const Case cases[] = {
        {"A\nB\nC", "A|B|C"},       {"A\rB\rC", "A|B|C"}, {"A\r\nB\r\nC", "A|B|C"},
        {"A\r\n\r\nB", "A||B"},     {"A\n\rB", "A||B"},   {"A\r\nB\nC\rD", "A|B|C|D"},
        {"", ""},                   {"A", "A"},           {"A\n", "A|"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(linesToList(QString::fromLatin1(c.text)), QString::fromLatin1(c.list)) << c.text;
    EXPECT_EQ(listToLines(QStringLiteral("A|B||C")), QStringLiteral("A\nB\n\nC"));
    EXPECT_EQ(linesToList(listToLines(QStringLiteral("x|y|z"))), QStringLiteral("x|y|z"));
}

TEST(PageRules, NumbersFillAndReadWithOneSeparator)
{
    struct Case {
        basic::RegionalSettings regional;
        QVariant value;
        const char* shown;
        double read;
    };
    const Case cases[] = {
        {basic::RegionalSettings::italian(), QVariant(37.5f), "37,5", 37.5},
        {basic::RegionalSettings::italian(), QVariant(0.1f), "0,1", 0.1},
        {basic::RegionalSettings::italian(), QVariant(-12), "-12", -12},
        {basic::RegionalSettings::unitedStates(), QVariant(37.5f), "37.5", 37.5},
        {basic::RegionalSettings::unitedStates(), QVariant(1234.25), "1234.25", 1234.25},
    };
    for (const Case& c : cases) {
        basic::ScopedRegional regional(c.regional);
        EXPECT_EQ(numberText(c.value), QLatin1String(c.shown));
        EXPECT_DOUBLE_EQ(numberOfText(numberText(c.value)), c.read) << c.shown;
    }
    basic::ScopedRegional italian(basic::RegionalSettings::italian());
    EXPECT_DOUBLE_EQ(numberOfText(QStringLiteral("12abc")), 12);
    EXPECT_DOUBLE_EQ(numberOfText(QStringLiteral("abc")), 0);
    EXPECT_DOUBLE_EQ(numberOfText(QString()), 0);
    EXPECT_DOUBLE_EQ(numberOfText(QStringLiteral("2,5 cm")), 2.5);
}

TEST(PageRules, CharacterBoxesFollowTheirRules)
{
    // Boxes in page order: All, Alpha, Spaces, Numeric, Table, Exclude, Upper, Lower, Capitalize.
    struct Case {
        int before;  // the Characters value before the click
        int clicked;
        int after;   // the value the boxes stand for afterwards (before the empty rule)
    };
    const Case cases[] = {
        {2 + 8, AllowAll, 1},                  // All clears the allow boxes
        {1 + 256, AllowAlpha, 2},              // Alpha clears All and Exclude
        {1, AllowSpaces, 2 + 4},               // Spaces needs Alpha, clears All
        {8, AllowTable, 8 + 16},               // Numeric already there: no Alpha added
        {2 + 8 + 4 + 16, ExcludeTable, 1 + 256},
        {8, UpperCase, 8 + 2 + 32},            // a case box needs Alpha when All is off
        {1 + 64, UpperCase, 1 + 32},           // Upper clears Lower
        {2 + 32 + 64, Capitalize, 2 + 128},
        {8 + 16, Capitalize, 8 + 16 + 128},    // Numeric suffices: All not added
        {16, Capitalize, 1 + 16 + 128},        // nothing allowed yet: All
        {2 + 16 + 32, AllowAlpha, 0},          // unchecking Alpha without Numeric drops the case and table boxes
        {2 + 8 + 16 + 32, AllowAlpha, 8 + 16},
        {8 + 16, AllowNumeric, 0},
        {2 + 8 + 16, AllowNumeric, 2 + 16},
    };
    for (const Case& c : cases) {
        CharacterBoxes boxes = characterBoxes(c.before);
        boxes[c.clicked] = !boxes[c.clicked];
        applyCharacterRule(boxes, c.clicked);
        int sum = 0;
        for (int i = 0; i < kCharacterBoxes; ++i)
            sum += boxes[i] ? kCharacterFlags[i] : 0;
        EXPECT_EQ(sum, c.after) << "before " << c.before << " clicked " << c.clicked;
    }
    CharacterBoxes none{};
    EXPECT_EQ(charactersOf(none), 1);
    EXPECT_TRUE(none[AllowAll]);
}

TEST(PageRules, TemplateChoices)
{
    const int alignments[] = {0, 1, 1, 1, 2, 2, 2, 2, 2, 2, 2, 2, 2};
    const bool layouts[] = {true, true, false, true, false, false, false, false, false, true, true, false, false};
    for (int t = 0; t < 13; ++t) {
        EXPECT_EQ(alignmentForTemplate(t), alignments[t]) << t;
        EXPECT_EQ(layoutEditable(t), layouts[t]) << t;
    }
}

}  // namespace
}  // namespace orx::test
