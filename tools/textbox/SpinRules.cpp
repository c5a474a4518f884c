#include "tools/textbox/SpinRules.h"

#include "tools/textbox/InputRules.h"

namespace orx::tools::textbox {

SpinMove spinMove(int value, int tag, int minimum, int maximum)
{
    SpinMove m;
    m.tag = tag;
    if (value == minimum) {
        m.tag = kSpinCentre + 1000;
        m.recentre = kSpinCentre;
        value = kSpinCentre;
    } else if (value == maximum) {
        m.tag = kSpinCentre - 1000;
        m.recentre = kSpinCentre;
        value = kSpinCentre;
    }
    m.up = !(m.tag < value);
    return m;
}

std::optional<double> spinNumber(const QString& text, double step, bool up, const QString& minValue,
                                 const QString& maxValue, const QString& decimalSeparator)
{
    QString kept;
    for (QChar c : text) {
        if (c.isDigit() || c == QLatin1Char('-') || QString(c) == decimalSeparator)
            kept += c;
    }
    if (kept.isEmpty())
        kept = QStringLiteral("0");
    const double base = leadingNumber(kept, decimalSeparator);
    if (up) {
        const double n = base + step;
        if (!maxValue.isEmpty() && n > leadingNumber(maxValue, decimalSeparator))
            return std::nullopt;
        return n;
    }
    const double n = base - step;
    if (!minValue.isEmpty() && n < leadingNumber(minValue, decimalSeparator))
        return std::nullopt;
    return n;
}

}  // namespace orx::tools::textbox
