// The layout on a hosted control: widget geometry in twips, LockSize, the
// minimum size and the design size.
#include "tests/tools/textbox/TextBoxTestSupport.h"

#include "platform/basic/BasicError.h"
#include "platform/host/Extender.h"
#include "platform/host/Twips.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>

using namespace orx;
using orx::test::TextBoxFixture;

namespace orx::host {
inline void PrintTo(const TwipRect& r, std::ostream* os)
{
    *os << '(' << r.left << ',' << r.top << ',' << r.width << ',' << r.height << ')';
}
}  // namespace orx::host

class TextBoxLayout : public TextBoxFixture {};

TEST_F(TextBoxLayout, WidgetsArePlacedInTwips)
{
    struct Case {
        const char* name;
        int templ;
        float cap;
        bool spin, combo, check;
        host::TwipRect edit;
        host::TwipRect side;  // spin bar or drop-down button, when shown
    } cases[] = {
        {"caption only", TB::ORXTX_String, 600, false, false, false, {645, 45, 2310, 300}, {}},
        {"spin", TB::ORXTX_Numeric, 0, true, false, false, {45, 45, 2670, 300}, {2715, 30, 255, 330}},
        {"drop-down, caption", TB::ORXTX_String, 300, false, true, false, {345, 45, 2370, 300}, {2715, 30, 255, 330}},
        {"check box and spin", TB::ORXTX_Numeric, 600, true, false, true, {870, 45, 1845, 300}, {2715, 30, 255, 330}},
    };
    int n = 0;
    for (const Case& c : cases) {
        TB* tb = box(c.templ, QStringLiteral("Box%1").arg(++n));
        tb->extender()->setWidth(3000);
        tb->setCapWidth(c.cap);
        tb->setSpinButtons(c.spin);
        tb->setComboButtonVisible(c.combo);
        tb->setCheckBoxVisible(c.check);
        settle();
        EXPECT_EQ(host::twipGeometry(tb->editField()), c.edit) << c.name;
        EXPECT_EQ(host::twipGeometry(tb->displayLabel()), c.edit) << c.name;
        EXPECT_EQ(host::twipGeometry(tb->focusFrame()),
                  (host::TwipRect{c.cap, 0, 3000 - c.cap, 375}))
            << c.name;
        if (c.spin) {
            EXPECT_EQ(host::twipGeometry(tb->spinBar()), c.side) << c.name;
            EXPECT_TRUE(tb->spinBar()->isVisible()) << c.name;
        }
        if (c.combo) {
            EXPECT_EQ(host::twipGeometry(tb->dropDownButton()), c.side) << c.name;
            EXPECT_FALSE(tb->dropDownButton()->icon().isNull()) << c.name;
        }
        if (c.check) {
            EXPECT_EQ(host::twipGeometry(tb->checkBox()), (host::TwipRect{c.cap + 45, 45, 225, 300})) << c.name;
        }
    }
}

TEST_F(TextBoxLayout, CapWidthAtOrBeyondTheWidthIsIgnored)
{
    TB* tb = box();
    tb->extender()->setWidth(3000);
    struct Case {
        float set, want;
    } cases[] = {{600, 600}, {3000, 600}, {4500, 600}, {2999, 2999}, {0, 0}};
    for (const Case& c : cases) {
        tb->setCapWidth(c.set);
        EXPECT_EQ(tb->CapWidth(), c.want) << c.set;
    }
}

TEST_F(TextBoxLayout, DesignSizeMinimumAndLockSize)
{
    setUserMode(false);
    TB* tb = box();
    // At design time the design size follows the resizes, after the minimum.
    tb->extender()->move(120, 120, 60, 60);
    settle();
    EXPECT_EQ(tb->extender()->width(), 120);
    EXPECT_EQ(tb->extender()->height(), 120);
    tb->extender()->move(120, 120, 2000, 400);
    settle();
    EXPECT_EQ(tb->DesignWidth(), 2000);
    EXPECT_EQ(tb->DesignHeight(), 400);

    setUserMode(true);
    struct Case {
        int lock;
        double w, h, wantW, wantH;
    } cases[] = {
        {TB::ORXTX_No_Locked, 3000, 500, 3000, 500},
        {TB::ORXTX_Height_Locked, 3100, 600, 3100, 400},
        {TB::ORXTX_Width_Locked, 3200, 700, 2000, 700},
        {TB::ORXTX_Both_Locked, 3300, 800, 2000, 400},
    };
    for (const Case& c : cases) {
        tb->setLockSize(TB::ORXTX_LockSize_Constants(c.lock));
        tb->extender()->move(120, 120, c.w, c.h);
        settle();
        EXPECT_EQ(tb->extender()->width(), c.wantW) << c.lock;
        EXPECT_EQ(tb->extender()->height(), c.wantH) << c.lock;
        EXPECT_EQ(tb->DesignWidth(), 2000) << "run time leaves the design size alone";
    }

    // ResetDesignSize brings an unlocked control back to it.
    tb->setLockSize(TB::ORXTX_No_Locked);
    tb->extender()->move(120, 120, 3333, 777);
    tb->ResetDesignSize();
    EXPECT_EQ(tb->extender()->width(), 2000);
    EXPECT_EQ(tb->extender()->height(), 400);

    for (int which = 0; which < 2; ++which) {
        try {
            which == 0 ? tb->setDesignHeight(100) : tb->setDesignWidth(100);
            ADD_FAILURE() << which << " set at run time";
        } catch (const basic::BasicError& e) {
            EXPECT_EQ(e.number(), 393) << which;
        }
    }
    EXPECT_EQ(tb->DesignHeight(), 400);
}
