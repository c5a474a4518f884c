#include "platform/basic/Currency.h"

#include "platform/basic/BasicError.h"
#include "platform/basic/Numbers.h"
#include "platform/basic/Regional.h"

#include <limits>

namespace orx::basic {

namespace {

// Products of two amounts need 128 bits before they are scaled back.
__extension__ typedef __int128 Wide;

constexpr Wide kLowest = std::numeric_limits<std::int64_t>::min();
constexpr Wide kHighest = std::numeric_limits<std::int64_t>::max();

Currency checked(Wide raw)
{
    if (raw < kLowest || raw > kHighest)
        raiseError(err::Overflow);
    return Currency::fromRaw(static_cast<std::int64_t>(raw));
}

Wide magnitude(Wide v)
{
    return v < 0 ? -v : v;
}

// n / d rounded to the nearest integer, halves to the even neighbour.
Wide divideHalfEven(Wide n, Wide d)
{
    Wide q = n / d;
    const Wide twice = 2 * magnitude(n % d);
    const Wide divisor = magnitude(d);
    if (twice > divisor || (twice == divisor && q % 2 != 0))
        q += (n < 0) != (d < 0) ? -1 : 1;
    return q;
}

// An exact decimal as ten-thousandths, or nullopt beyond the range.
std::optional<std::int64_t> rawFromDecimal(DecimalDigits d)
{
    d.roundTo(4, DecimalDigits::Rounding::HalfEven);
    if (d.isZero())
        return 0;
    d.shift(4);
    if (d.exponent > 19)
        return std::nullopt;
    Wide raw = 0;
    for (char c : d.integerDigits())
        raw = raw * 10 + (c - '0');
    if (d.negative)
        raw = -raw;
    if (raw < kLowest || raw > kHighest)
        return std::nullopt;
    return static_cast<std::int64_t>(raw);
}

}  // namespace

Currency Currency::fromDouble(double value)
{
    const auto raw = rawFromDecimal(DecimalDigits::fromDouble(value, 15));
    if (!raw)
        raiseError(err::Overflow);
    return fromRaw(*raw);
}

Currency Currency::fromInt(std::int64_t units)
{
    return checked(static_cast<Wide>(units) * Scale);
}

double Currency::toDouble() const
{
    // Below 2^53 both operands are exact and the division rounds once.
    constexpr std::int64_t exact = std::int64_t(1) << 53;
    if (raw_ >= -exact && raw_ <= exact)
        return static_cast<double>(raw_) / Scale;
    const auto magnitudeRaw = raw_ < 0 ? 0 - static_cast<std::uint64_t>(raw_) : static_cast<std::uint64_t>(raw_);
    DecimalDigits d = DecimalDigits::fromUnsigned(magnitudeRaw, raw_ < 0);
    d.shift(-4);
    return d.toDouble().value_or(0.0);
}

QString Currency::toString() const
{
    const auto magnitudeRaw = raw_ < 0 ? 0 - static_cast<std::uint64_t>(raw_) : static_cast<std::uint64_t>(raw_);
    QString text = raw_ < 0 ? QStringLiteral("-") : QString();
    text += QString::number(magnitudeRaw / Scale);
    const auto fraction = magnitudeRaw % Scale;
    if (fraction != 0) {
        QString digits = QString::number(fraction).rightJustified(4, QLatin1Char('0'));
        while (digits.endsWith(QLatin1Char('0')))
            digits.chop(1);
        text += regional().decimalSeparator + digits;
    }
    return text;
}

Currency Currency::operator-() const
{
    return checked(-static_cast<Wide>(raw_));
}

Currency Currency::operator+(Currency other) const
{
    return checked(static_cast<Wide>(raw_) + other.raw_);
}

Currency Currency::operator-(Currency other) const
{
    return checked(static_cast<Wide>(raw_) - other.raw_);
}

Currency Currency::operator*(Currency other) const
{
    return checked(divideHalfEven(static_cast<Wide>(raw_) * other.raw_, Scale));
}

Currency Currency::operator/(Currency other) const
{
    if (other.raw_ == 0)
        raiseError(err::DivisionByZero);
    return checked(divideHalfEven(static_cast<Wide>(raw_) * Scale, other.raw_));
}

std::optional<Currency> parseCurrency(const QString& text)
{
    const auto number = scanNumber(text);
    if (!number)
        return std::nullopt;
    const auto raw = rawFromDecimal(*number);
    if (!raw)
        return std::nullopt;
    return Currency::fromRaw(*raw);
}

Currency ccur(const QString& text)
{
    const auto number = scanNumber(text);
    if (!number)
        raiseError(err::TypeMismatch);
    const auto raw = rawFromDecimal(*number);
    if (!raw)
        raiseError(err::Overflow);
    return Currency::fromRaw(*raw);
}

}  // namespace orx::basic
