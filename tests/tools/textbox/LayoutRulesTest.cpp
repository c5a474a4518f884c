// The layout, frame and caption rules of the text box, without widgets.
#include "tools/common/Frames.h"
#include "tools/textbox/LayoutRules.h"

#include <gtest/gtest.h>

using namespace orx;
using namespace orx::tools::textbox;
using draw::Op;
namespace fc = orx::tools::framecolor;

namespace orx::host {
inline void PrintTo(const TwipRect& r, std::ostream* os)
{
    *os << '(' << r.left << ',' << r.top << ',' << r.width << ',' << r.height << ')';
}
}  // namespace orx::host

TEST(LayoutRules, SizeFollowsLockSizeAtRunTimeAndTheMinimum)
{
    struct Case {
        double w, h;
        bool run;
        int lock;
        double designW, designH;
        double wantW, wantH;
    } cases[] = {
        {60, 60, false, 0, 0, 0, 120, 120},       // a tiny design size grows
        {90, 91, true, 0, 0, 0, 120, 91},         // 90 is still too small, 91 is not
        {3000, 500, true, 1, 2400, 375, 3000, 375},
        {3000, 500, true, 2, 2400, 375, 2400, 500},
        {3000, 500, true, 3, 2400, 375, 2400, 375},
        {3000, 500, false, 3, 2400, 375, 3000, 500},  // design time never locks
        {3000, 500, true, 3, 0, 0, 120, 120},         // a lock to no design size still keeps the minimum
    };
    for (const Case& c : cases) {
        LayoutInput in;
        in.width = c.w, in.height = c.h, in.runMode = c.run, in.lockSize = c.lock;
        in.designWidth = c.designW, in.designHeight = c.designH;
        double w = 0, h = 0;
        applySizeRules(in, w, h);
        EXPECT_EQ(w, c.wantW) << c.w << "x" << c.h << " lock " << c.lock;
        EXPECT_EQ(h, c.wantH) << c.w << "x" << c.h << " lock " << c.lock;
    }
}

TEST(LayoutRules, WidgetsTakeTheirPlaces)
{
    // W 3000, H 375, spin/button 255, check box 225.
    struct Case {
        const char* name;
        double cap;
        bool spin, combo, check, currency;
        host::TwipRect edit;
    } cases[] = {
        {"plain, caption 600", 600, false, false, false, false, {645, 45, 2310, 300}},
        {"plain, no caption", 0, false, false, false, false, {45, 45, 2910, 300}},
        {"spin", 0, true, false, false, false, {45, 45, 2670, 300}},
        {"combo", 300, false, true, false, false, {345, 45, 2370, 300}},
        {"spin wins over combo", 0, true, true, false, false, {45, 45, 2670, 300}},
        {"check box", 0, false, false, true, false, {270, 45, 2700, 300}},
        {"check box and spin, caption 600", 600, true, false, true, false, {870, 45, 1845, 300}},
        {"currency buttons", 0, false, false, false, true, {300, 45, 2385, 300}},
        // The field starts 15 after the left button; its right edge keeps
        // 30 from the right button whatever the caption.
        {"currency buttons, caption 600", 600, false, false, false, true, {900, 45, 1785, 300}},
    };
    for (const Case& c : cases) {
        LayoutInput in;
        in.width = 3000, in.height = 375, in.capWidth = c.cap;
        in.spinButtons = c.spin, in.comboButtonVisible = c.combo, in.checkBoxVisible = c.check;
        in.handleCurrencyChanges = c.currency;
        const LayoutResult r = layoutWidgets(in);
        EXPECT_EQ(r.edit, c.edit) << c.name;
        EXPECT_EQ(r.label, c.edit) << c.name;
        EXPECT_EQ(r.focus, (host::TwipRect{c.cap, 0, 3000 - c.cap, 375})) << c.name;
        EXPECT_EQ(r.spin.has_value(), c.spin) << c.name;
        if (c.spin) {
            EXPECT_EQ(*r.spin, (host::TwipRect{2715, 30, 255, 330})) << c.name;
        }
        EXPECT_EQ(r.rightButton.has_value(), c.combo || c.currency) << c.name;
        if (c.combo || c.currency) {
            EXPECT_EQ(*r.rightButton, (host::TwipRect{2715, 30, 255, 330})) << c.name;
        }
        EXPECT_EQ(r.leftButton.has_value(), c.currency) << c.name;
        if (c.currency) {
            EXPECT_EQ(*r.leftButton, (host::TwipRect{c.cap + 30, 30, 255, 330})) << c.name;
            EXPECT_LE(r.edit.left + r.edit.width, r.rightButton->left) << c.name;
        }
        if (c.check) {
            EXPECT_EQ(*r.checkBox, (host::TwipRect{c.cap + 45, 45, 225, 300})) << c.name;
        }
        EXPECT_FALSE(r.designWidth.has_value()) << c.name;
    }
}

TEST(LayoutRules, OpenListKeepsHeightsAndDesignTimeRecordsTheSize)
{
    LayoutInput in;
    in.width = 2000, in.height = 1500, in.spinButtons = true, in.listShowing = true;
    LayoutResult r = layoutWidgets(in);
    EXPECT_EQ(r.edit.height, -1);
    EXPECT_EQ(r.spin->height, -1);
    EXPECT_EQ(r.focus.height, 1500);

    in.listShowing = false;
    in.runMode = false;
    r = layoutWidgets(in);
    EXPECT_EQ(r.edit.height, 1425);
    EXPECT_EQ(r.designWidth, 2000);
    EXPECT_EQ(r.designHeight, 1500);
}

TEST(LayoutRules, CapWidthMustStayBelowTheWidth)
{
    struct Case {
        double cap, width;
        bool accepted;
    } cases[] = {{0, 2400, true}, {2399, 2400, true}, {2400, 2400, false}, {5000, 2400, false}};
    for (const Case& c : cases)
        EXPECT_EQ(acceptsCapWidth(c.cap, c.width), c.accepted) << c.cap;
}

TEST(LayoutRules, FrameLinesForEveryAppearance)
{
    // C 600, W 3000, H 375; edit back colour 0x123456.
    const host::OleColor back{0x123456};
    const host::OleColor black{0};
    auto L = [](double x1, double y1, double x2, double y2, host::OleColor col) {
        return FrameOp{Op::Line, x1, y1, x2, y2, col};
    };
    const QList<FrameOp> closing = {L(630, 30, 630, 345, back), L(630, 30, 2970, 30, back),
                                    L(2955, 30, 2955, 345, back)};
    struct Case {
        const char* name;
        int appearance, style, effect;
        QList<FrameOp> lines;
    } cases[] = {
        {"drop", 1, 0, 2,
         {L(600, 0, 600, 360, fc::Shadow), L(2985, 0, 600, 0, fc::Shadow), L(600, 360, 2985, 360, fc::Highlight),
          L(2985, 0, 2985, 375, fc::Highlight), L(2970, 15, 615, 15, fc::DarkShadow),
          L(615, 15, 615, 345, fc::DarkShadow), L(615, 345, 2985, 345, fc::Light), L(2970, 15, 2970, 345, fc::Light)}},
        {"pop", 1, 0, 1,
         {L(615, 15, 615, 345, fc::Light), L(2970, 15, 615, 15, fc::Light), L(600, 0, 600, 360, fc::Highlight),
          L(2985, 0, 600, 0, fc::Highlight), L(615, 345, 2970, 345, fc::Shadow), L(2970, 15, 2970, 360, fc::Shadow),
          L(600, 360, 2985, 360, fc::DarkShadow), L(2985, 0, 2985, 375, fc::DarkShadow)}},
        {"groove", 1, 0, 3,
         {FrameOp{Op::Rectangle, 600, 0, 2970, 345, fc::Shadow}, L(2985, 0, 2985, 360, fc::Highlight),
          L(600, 360, 3000, 360, fc::Highlight), L(615, 15, 615, 345, fc::Highlight),
          L(615, 15, 2970, 15, fc::Highlight)}},
        {"fillet", 1, 0, 4,
         {FrameOp{Op::Rectangle, 600, 0, 2970, 345, fc::Highlight}, L(2985, 0, 2985, 360, fc::Shadow),
          L(600, 360, 3000, 360, fc::Shadow), L(615, 15, 615, 345, fc::Shadow), L(615, 15, 2970, 15, fc::Shadow)}},
        {"3D without effect", 1, 0, 0, {}},
        {"flat, single", 0, 1, 0,
         {L(600, 0, 600, 360, black), FrameOp{Op::LineTo, 600, 360, 2985, 360, black},
          FrameOp{Op::LineTo, 2985, 360, 2985, 0, black}, FrameOp{Op::LineTo, 2985, 0, 600, 0, black}}},
        {"flat, no border", 0, 0, 0,
         {L(600, 0, 600, 360, back), FrameOp{Op::LineTo, 600, 360, 2985, 360, back},
          FrameOp{Op::LineTo, 2985, 360, 2985, 0, back}, FrameOp{Op::LineTo, 2985, 0, 600, 0, back}}},
    };
    for (Case& c : cases) {
        if (c.appearance == 1)
            c.lines += closing;
        EXPECT_EQ(inputAreaFrame(c.appearance, c.style, c.effect, 600, 3000, 375, back), c.lines) << c.name;
    }
}

TEST(LayoutRules, CaptionStartsAtItsAlignment)
{
    // C 1200, text 500 x 200, surface 600 high.
    struct Case {
        int align;
        double x, y;
    } cases[] = {{0, 30, 0},     {1, 670, 0},     {2, 350, 0},     {3, 30, 200},   {4, 670, 200},
                 {5, 350, 200},  {6, 30, 385},    {7, 670, 385},   {8, 350, 385}};
    for (const Case& c : cases)
        EXPECT_EQ(captionOrigin(c.align, 1200, 500, 200, 600), QPointF(c.x, c.y)) << c.align;
}

TEST(LayoutRules, CaptionIsPrintedOnlyWithTextAndRoom)
{
    struct Case {
        QString caption;
        double cap;
        bool printed;
    } cases[] = {{"Name", 600, true}, {"   ", 600, false}, {"", 600, false}, {"Name", 0, false}};
    for (const Case& c : cases)
        EXPECT_EQ(captionPrinted(c.caption, c.cap), c.printed) << c.caption.toStdString() << " " << c.cap;
}
