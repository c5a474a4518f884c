// The endless spinner and the numeric step, without widgets.
#include "tools/textbox/SpinRules.h"

#include "platform/basic/Regional.h"

#include <gtest/gtest.h>

using namespace orx::tools::textbox;

TEST(SpinRules, DirectionFromTheTagAndTheEnds)
{
    struct Case {
        int value, tag;
        bool up;
        int recentre;
    } cases[] = {
        {14999, 15000, true, -1},  // the up arrow lowers the value
        {15001, 15000, false, -1},
        {14000, 14001, true, -1},
        {0, 1, true, kSpinCentre},       // the top end is one more step up
        {30000, 29999, false, kSpinCentre},  // the bottom end one more step down
    };
    for (const Case& c : cases) {
        const SpinMove m = spinMove(c.value, c.tag, kSpinMinimum, kSpinMaximum);
        EXPECT_EQ(m.up, c.up) << c.value;
        EXPECT_EQ(m.recentre, c.recentre) << c.value;
    }
}

TEST(SpinRules, NumericStepWithinTheLimits)
{
    struct Case {
        bool italian;
        QString text;
        double step;
        bool up;
        QString min, max, sep;
        std::optional<double> result;
    } cases[] = {
        {true, "5", 2.5, true, "", "", ",", 7.5},
        {true, "5", 2.5, true, "", "7", ",", std::nullopt},
        {true, "5", 2.5, true, "", "7,5", ",", 7.5},  // a regional maximum is read whole
        {true, "5", 2.5, false, "3", "", ",", std::nullopt},
        {true, "5", 2, false, "3", "", ",", 3},
        {true, "50%", 1, true, "", "", ",", 51},
        {true, "-1.234,5", 1, true, "", "", ",", -1233.5},  // thousands separators are dropped
        {true, "", 1, false, "", "", ",", -1},
        {false, "abc", 1, true, "", "", ".", 1},
        {false, "1,234.5", 1, true, "", "1235", ".", std::nullopt},
        {false, "1.5", 0.5, true, "", "", ".", 2},
    };
    for (const Case& c : cases) {
        orx::basic::ScopedRegional regional(c.italian ? orx::basic::RegionalSettings::italian()
                                                      : orx::basic::RegionalSettings::unitedStates());
        EXPECT_EQ(spinNumber(c.text, c.step, c.up, c.min, c.max, c.sep), c.result)
            << c.text.toStdString() << (c.up ? " up" : " down");
    }
}
