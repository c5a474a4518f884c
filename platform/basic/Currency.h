#pragma once

#include "platform/basic/PlatformExport.h"

#include <QMetaType>
#include <QString>
#include <compare>
#include <cstdint>
#include <optional>

namespace orx::basic {

// The fixed-point currency type: a signed 64-bit count of ten-thousandths
// (range -922,337,203,685,477.5808 to 922,337,203,685,477.5807). Conversions
// from floating point round to four decimals with halves to even, on the
// decimal value (15 significant digits), never on the binary one.
// Arithmetic that leaves the range raises the overflow error (6).
class ORX_PLATFORM_EXPORT Currency {
public:
    static constexpr std::int64_t Scale = 10000;

    constexpr Currency() = default;
    static constexpr Currency fromRaw(std::int64_t tenThousandths)
    {
        Currency c;
        c.raw_ = tenThousandths;
        return c;
    }
    // Raises overflow (6) outside the range.
    static Currency fromDouble(double value);
    static Currency fromInt(std::int64_t units);

    constexpr std::int64_t raw() const { return raw_; }
    double toDouble() const;

    // The CStr text: regional decimal separator, no grouping, no trailing zeros.
    QString toString() const;

    Currency operator-() const;
    Currency operator+(Currency other) const;
    Currency operator-(Currency other) const;
    Currency operator*(Currency other) const;
    // Division by zero raises error 11.
    Currency operator/(Currency other) const;

    constexpr auto operator<=>(const Currency&) const = default;

private:
    std::int64_t raw_ = 0;
};

// CCur of a string: the regional numeric grammar read as an exact decimal,
// rounded to four decimals with halves to even. Nullopt when the text is not
// a number or is beyond the Currency range.
ORX_PLATFORM_EXPORT std::optional<Currency> parseCurrency(const QString& text);
// The same, raising type mismatch (13) for text that is not a number and
// overflow (6) for a number beyond the range.
ORX_PLATFORM_EXPORT Currency ccur(const QString& text);

}  // namespace orx::basic

Q_DECLARE_METATYPE(orx::basic::Currency)
