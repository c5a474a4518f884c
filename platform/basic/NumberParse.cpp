#include "platform/basic/Numbers.h"

#include "platform/basic/BasicError.h"
#include "platform/basic/Regional.h"

#include <QStringView>
#include <cfloat>
#include <cmath>
#include <limits>

namespace orx::basic {

namespace {

bool isAsciiDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

int radixDigit(QChar c, int base)
{
    const char16_t u = c.unicode();
    int v = -1;
    if (u >= '0' && u <= '9')
        v = u - '0';
    else if (u >= 'a' && u <= 'f')
        v = u - 'a' + 10;
    else if (u >= 'A' && u <= 'F')
        v = u - 'A' + 10;
    return v >= 0 && v < base ? v : -1;
}

// "&H" or "&O" at `i`: the base, or 0.
int radixPrefix(QStringView text, qsizetype i)
{
    if (i + 1 >= text.size() || text.at(i) != QLatin1Char('&'))
        return 0;
    const QChar p = text.at(i + 1).toUpper();
    return p == QLatin1Char('H') ? 16 : p == QLatin1Char('O') ? 8 : 0;
}

// Reads hexadecimal or octal digits from `i` the way the runtime reads its
// own literals: a value that fits 16 bits is an Integer and one that fits 32
// bits a Long, both two's complement (&HFFFF = -1, &HFFFFFFFF = -1); a wider
// value is taken as it stands. Nullopt when there are no digits or the value
// is beyond the Double range.
std::optional<DecimalDigits> readRadix(QStringView text, qsizetype& i, int base)
{
    std::uint64_t small = 0;
    double wide = 0;
    bool isWide = false;
    int count = 0;
    for (int v; i < text.size() && (v = radixDigit(text.at(i), base)) >= 0; ++i, ++count) {
        if (!isWide && small <= (std::numeric_limits<std::uint64_t>::max() - static_cast<unsigned>(v)) / static_cast<unsigned>(base)) {
            small = small * static_cast<unsigned>(base) + static_cast<unsigned>(v);
        } else {
            if (!isWide)
                wide = static_cast<double>(small);
            isWide = true;
            wide = wide * base + v;
        }
    }
    if (count == 0)
        return std::nullopt;
    if (isWide) {
        if (!std::isfinite(wide))
            return std::nullopt;
        return DecimalDigits::fromDouble(wide, 17);
    }
    std::int64_t value = static_cast<std::int64_t>(small);
    if (small <= 0xFFFFu)
        value = static_cast<std::int16_t>(static_cast<std::uint16_t>(small));
    else if (small <= 0xFFFFFFFFu)
        value = static_cast<std::int32_t>(static_cast<std::uint32_t>(small));
    else
        return DecimalDigits::fromUnsigned(small);
    return DecimalDigits::fromUnsigned(value < 0 ? 0 - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value),
                                       value < 0);
}

// Decimal digits, an optional decimal separator and fraction, and an
// optional exponent, starting at `i`. `grouping` is skipped anywhere after
// the first integer digit, without checking its position.
std::optional<DecimalDigits> readDecimal(QStringView text, qsizetype& i, QStringView point, QStringView grouping)
{
    auto startsAt = [&](QStringView s) { return !s.isEmpty() && text.mid(i).startsWith(s); };
    DecimalDigits d;
    long long whole = 0;
    bool any = false;
    while (i < text.size()) {
        if (isAsciiDigit(text.at(i))) {
            d.digits += static_cast<char>(text.at(i).unicode());
            ++whole;
            any = true;
            ++i;
        } else if (any && startsAt(grouping) && grouping != point) {
            i += grouping.size();
        } else {
            break;
        }
    }
    if (startsAt(point)) {
        i += point.size();
        while (i < text.size() && isAsciiDigit(text.at(i))) {
            d.digits += static_cast<char>(text.at(i).unicode());
            any = true;
            ++i;
        }
    }
    if (!any)
        return std::nullopt;
    long long power = 0;
    if (i < text.size() && (text.at(i) == QLatin1Char('e') || text.at(i) == QLatin1Char('E'))) {
        qsizetype j = i + 1;
        bool minus = false;
        if (j < text.size() && (text.at(j) == QLatin1Char('+') || text.at(j) == QLatin1Char('-')))
            minus = text.at(j++) == QLatin1Char('-');
        if (j < text.size() && isAsciiDigit(text.at(j))) {
            for (; j < text.size() && isAsciiDigit(text.at(j)); ++j)
                power = std::min(power * 10 + (text.at(j).unicode() - '0'), 100000000LL);
            if (minus)
                power = -power;
            i = j;
        }
    }
    d.exponent = static_cast<int>(std::clamp(whole + power, -1000000000LL, 1000000000LL));
    d.normalize();
    return d;
}

// Half to even on the binary value, as the integer conversions round; exact
// for every double since x - floor(x) is representable.
double evenRound(double x)
{
    const double floor = std::floor(x);
    const double diff = x - floor;
    if (diff > 0.5)
        return floor + 1;
    if (diff < 0.5)
        return floor;
    return std::fmod(floor, 2.0) == 0 ? floor : floor + 1;
}

double checkedIntegral(double value, double lowest, double highest)
{
    const double r = evenRound(value);
    if (!(r >= lowest && r <= highest))
        raiseError(err::Overflow);
    return r == 0 ? 0.0 : r;
}

}  // namespace

std::optional<DecimalDigits> scanNumber(const QString& source)
{
    const RegionalSettings& rs = regional();
    const QStringView text(source);
    const QStringView currency(rs.currencySymbol);
    qsizetype i = 0;
    QChar sign;
    bool open = false;
    bool closed = false;
    bool haveCurrency = false;
    auto startsAt = [&](QStringView s) { return !s.isEmpty() && text.mid(i).startsWith(s); };
    auto isSign = [&] { return i < text.size() && (text.at(i) == QLatin1Char('+') || text.at(i) == QLatin1Char('-')); };

    // Blanks, one sign or one opening parenthesis (never both) and the
    // currency symbol, in any order.
    for (;;) {
        if (i < text.size() && text.at(i).isSpace()) {
            ++i;
        } else if (isSign() && sign.isNull() && !open) {
            sign = text.at(i++);
        } else if (i < text.size() && text.at(i) == QLatin1Char('(') && !open && sign.isNull()) {
            open = true;
            ++i;
        } else if (!haveCurrency && startsAt(currency)) {
            haveCurrency = true;
            i += currency.size();
        } else {
            break;
        }
    }

    std::optional<DecimalDigits> number;
    if (const int base = radixPrefix(text, i)) {
        i += 2;
        number = readRadix(text, i, base);
    } else {
        number = readDecimal(text, i, QStringView(rs.decimalSeparator), QStringView(rs.thousandsSeparator));
    }
    if (!number)
        return std::nullopt;

    for (;;) {
        if (i < text.size() && text.at(i).isSpace()) {
            ++i;
        } else if (isSign() && sign.isNull() && !open) {
            sign = text.at(i++);
        } else if (i < text.size() && text.at(i) == QLatin1Char(')') && open && !closed) {
            closed = true;
            ++i;
        } else if (!haveCurrency && startsAt(currency)) {
            haveCurrency = true;
            i += currency.size();
        } else {
            break;
        }
    }
    if (i != text.size() || open != closed)
        return std::nullopt;
    if (sign == QLatin1Char('-') || open)
        number->negative = !number->negative;
    number->normalize();
    return number;
}

std::optional<double> parseNumber(const QString& text)
{
    const auto number = scanNumber(text);
    if (!number)
        return std::nullopt;
    return number->toDouble();
}

bool isNumericText(const QString& text)
{
    return parseNumber(text).has_value();
}

double cdbl(const QString& text)
{
    const auto number = scanNumber(text);
    if (!number)
        raiseError(err::TypeMismatch);
    const auto value = number->toDouble();
    if (!value)
        raiseError(err::Overflow);
    return *value;
}

double val(const QString& text)
{
    QString compact;
    compact.reserve(text.size());
    for (QChar c : text) {
        if (c != QLatin1Char(' ') && c != QLatin1Char('\t') && c != QLatin1Char('\n'))
            compact += c;
    }
    const QStringView view(compact);
    qsizetype i = 0;
    std::optional<DecimalDigits> number;
    if (const int base = radixPrefix(view, i)) {
        i += 2;
        if (i < view.size() && radixDigit(view.at(i), base) >= 0) {
            number = readRadix(view, i, base);
            if (!number)
                raiseError(err::Overflow);
        }
    } else {
        bool minus = false;
        if (i < view.size() && (view.at(i) == QLatin1Char('+') || view.at(i) == QLatin1Char('-')))
            minus = view.at(i++) == QLatin1Char('-');
        number = readDecimal(view, i, u".", QStringView());
        if (number && minus) {
            number->negative = true;
            number->normalize();
        }
    }
    if (!number)
        return 0.0;
    const auto value = number->toDouble();
    if (!value)
        raiseError(err::Overflow);
    return *value;
}

std::optional<bool> parseBoolean(const QString& text)
{
    const QString word = text.trimmed();
    if (word.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0)
        return true;
    if (word.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0)
        return false;
    // A number is True when it is not zero, however large.
    if (const auto number = scanNumber(text))
        return !number->isZero();
    return std::nullopt;
}

bool cbool(const QString& text)
{
    const auto value = parseBoolean(text);
    if (!value)
        raiseError(err::TypeMismatch);
    return *value;
}

double roundHalfEven(double value, int decimals)
{
    if (decimals < 0)
        raiseError(err::InvalidProcedureCall);
    if (!std::isfinite(value))
        return value;
    // A whole number has nothing to round; going through 15 digits would
    // only lose its low digits (and push the largest Doubles out of range).
    if (std::trunc(value) == value)
        return value == 0 ? 0.0 : value;
    DecimalDigits d = DecimalDigits::fromDouble(value, 15);
    d.roundTo(decimals, DecimalDigits::Rounding::HalfEven);
    return d.toDouble().value_or(value);
}

std::int16_t cint(double value)
{
    return static_cast<std::int16_t>(checkedIntegral(value, -32768.0, 32767.0));
}

std::int32_t clng(double value)
{
    return static_cast<std::int32_t>(checkedIntegral(value, -2147483648.0, 2147483647.0));
}

std::uint8_t cbyte(double value)
{
    return static_cast<std::uint8_t>(checkedIntegral(value, 0.0, 255.0));
}

float csng(double value)
{
    if (!std::isfinite(value) || std::fabs(value) > static_cast<double>(FLT_MAX))
        raiseError(err::Overflow);
    return static_cast<float>(value);
}

double intPart(double value)
{
    const double r = std::floor(value);
    return r == 0 ? 0.0 : r;
}

double fixPart(double value)
{
    const double r = std::trunc(value);
    return r == 0 ? 0.0 : r;
}

}  // namespace orx::basic
