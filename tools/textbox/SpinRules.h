#pragma once

#include "tools/common/ToolsExport.h"

#include <QString>
#include <optional>

// The spin bar as an endless spinner, and the numeric step, as plain rules.
namespace orx::tools::textbox {

// The bar rests at the centre; its tag holds the value before the last
// change. Reaching either end puts the bar back in the centre with a tag
// that makes the end count as one more step in the same direction.
inline constexpr int kSpinCentre = 15000;
inline constexpr int kSpinMinimum = 0;
inline constexpr int kSpinMaximum = 30000;

struct ORX_TOOLS_EXPORT SpinMove {
    bool up = false;
    int recentre = -1;  // the bar goes back to this value first (-1: stays)
    int tag = 0;        // the tag the direction is judged from
};

// What a change of the bar to `value` means, given the tag and the range. The
// bar grows downwards: a larger value is a step down.
ORX_TOOLS_EXPORT SpinMove spinMove(int value, int tag, int minimum, int maximum);

// The numeric step of Numeric, Currency and Percent: the value's digits,
// decimal separator and "-" read as a number ("0" when nothing remains),
// plus or minus the step. Nothing when the result would pass a non-empty
// limit (limits read as the range check reads them, with the regional
// decimal separator).
ORX_TOOLS_EXPORT std::optional<double> spinNumber(const QString& text, double step, bool up, const QString& minValue,
                                                  const QString& maxValue, const QString& decimalSeparator);

}  // namespace orx::tools::textbox
