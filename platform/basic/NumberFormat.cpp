#include "platform/basic/Numbers.h"

#include "platform/basic/BasicError.h"
#include "platform/basic/Regional.h"

#include <QHash>
#include <QList>
#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>

namespace orx::basic {

// ---- DecimalDigits ---------------------------------------------------------

DecimalDigits DecimalDigits::fromDouble(double value, int significant)
{
    if (!std::isfinite(value))
        raiseError(err::Overflow);
    significant = std::clamp(significant, 1, 17);
    // to_chars rounds the exact binary value correctly and, unlike printf or
    // strtod, ignores the C locale that QCoreApplication installs.
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value),
                                      std::chars_format::scientific, significant - 1);
    const std::string text(buffer, result.ptr);
    const auto e = text.find('e');
    DecimalDigits d;
    d.negative = std::signbit(value);
    for (std::size_t i = 0; i < e; ++i) {
        if (text[i] != '.')
            d.digits += text[i];
    }
    d.exponent = std::atoi(text.c_str() + e + 1) + 1;
    d.normalize();
    return d;
}

DecimalDigits DecimalDigits::fromUnsigned(std::uint64_t magnitude, bool negative)
{
    DecimalDigits d;
    d.digits = std::to_string(magnitude);
    d.exponent = static_cast<int>(d.digits.size());
    d.negative = negative;
    d.normalize();
    return d;
}

void DecimalDigits::normalize()
{
    const auto first = digits.find_first_not_of('0');
    if (first == std::string::npos) {
        digits.clear();
        exponent = 0;
        negative = false;
        return;
    }
    digits.erase(0, first);
    exponent -= static_cast<int>(first);
    digits.erase(digits.find_last_not_of('0') + 1);
}

void DecimalDigits::shift(int power)
{
    if (!isZero())
        exponent += power;
}

void DecimalDigits::roundTo(int decimals, Rounding mode)
{
    if (isZero())
        return;
    const long long kept = static_cast<long long>(exponent) + decimals;
    if (kept >= static_cast<long long>(digits.size()))
        return;
    if (kept < 0) {
        // Below half a unit of the last kept place: the value is at most 0.0...d.
        digits.clear();
        normalize();
        return;
    }
    const auto cut = static_cast<std::size_t>(kept);
    const char next = digits[cut];
    bool up = next >= '5';
    if (mode == Rounding::HalfEven && next == '5' && cut + 1 == digits.size()) {
        // An exact half (the digits carry no trailing zeros): go to the even neighbour.
        const char previous = cut > 0 ? digits[cut - 1] : '0';
        up = (previous - '0') % 2 == 1;
    }
    digits.resize(cut);
    if (up) {
        std::size_t i = digits.size();
        while (i > 0 && digits[i - 1] == '9') {
            digits[i - 1] = '0';
            --i;
        }
        if (i == 0) {
            digits.insert(digits.begin(), '1');
            ++exponent;
        } else {
            ++digits[i - 1];
        }
    }
    normalize();
}

std::optional<double> DecimalDigits::toDouble() const
{
    if (isZero())
        return 0.0;
    if (exponent > 400)
        return std::nullopt;
    if (exponent < -400)
        return 0.0;
    const std::string text = digits + 'e' + std::to_string(exponent - static_cast<int>(digits.size()));
    double value = 0.0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        if (exponent > 0)
            return std::nullopt;
        value = 0.0;
    }
    return negative ? -value : value;
}

std::string DecimalDigits::integerDigits() const
{
    if (exponent <= 0)
        return {};
    const auto whole = static_cast<std::size_t>(exponent);
    if (whole <= digits.size())
        return digits.substr(0, whole);
    return digits + std::string(whole - digits.size(), '0');
}

std::string DecimalDigits::fractionDigits(int count) const
{
    std::string out;
    out.reserve(static_cast<std::size_t>(std::max(count, 0)));
    for (int i = 0; i < count; ++i) {
        const long long index = static_cast<long long>(exponent) + i;
        out += index >= 0 && index < static_cast<long long>(digits.size())
            ? digits[static_cast<std::size_t>(index)]
            : '0';
    }
    return out;
}

// ---- CStr and Str ----------------------------------------------------------

namespace {

// The runtime's general number text: plain between 1E-4 and the number of
// significant digits shown, exponent form with at least two exponent digits
// outside it.
QString generalText(const DecimalDigits& d, int significant, const QString& decimalSeparator,
                    bool leadingZero = true)
{
    if (d.isZero())
        return QStringLiteral("0");
    QString out = d.negative ? QStringLiteral("-") : QString();
    const int scientific = d.exponent - 1;
    const auto digits = QString::fromStdString(d.digits);
    if (scientific >= significant || scientific < -4) {
        out += digits.at(0);
        if (digits.size() > 1)
            out += decimalSeparator + digits.mid(1);
        out += scientific < 0 ? QStringLiteral("E-") : QStringLiteral("E+");
        out += QString::number(std::abs(scientific)).rightJustified(2, QLatin1Char('0'));
        return out;
    }
    const std::string whole = d.integerDigits();
    if (!whole.empty())
        out += QString::fromStdString(whole);
    else if (leadingZero)
        out += QLatin1Char('0');
    const int fraction = static_cast<int>(d.digits.size()) - d.exponent;
    if (fraction > 0)
        out += decimalSeparator + QString::fromStdString(d.fractionDigits(fraction));
    return out;
}

}  // namespace

QString numberToString(double value)
{
    return generalText(DecimalDigits::fromDouble(value, 15), 15, regional().decimalSeparator);
}

QString singleToString(float value)
{
    return generalText(DecimalDigits::fromDouble(value, 7), 7, regional().decimalSeparator);
}

QString strText(double value)
{
    const DecimalDigits d = DecimalDigits::fromDouble(value, 15);
    // Str, unlike CStr, writes no zero before the point: " .24", "-.5".
    const QString text = generalText(d, 15, QStringLiteral("."), false);
    return d.negative ? text : QLatin1Char(' ') + text;
}

QString booleanToString(bool value)
{
    return value ? QStringLiteral("True") : QStringLiteral("False");
}

// ---- Format patterns -------------------------------------------------------

namespace {

enum class Kind { Zero, Hash, Point, Comma, Percent, Exponent, Literal };
enum class Region { Integer, Fraction, Exponent };
enum class CommaRole { Group, Scale, Literal, Ignored };

struct Token {
    Kind kind = Kind::Literal;
    QString text;            // literal text, or "E"/"e" for an exponent
    bool signAlways = false;  // exponent written "E+"
    CommaRole comma = CommaRole::Ignored;
};

bool isDigit(const Token& t)
{
    return t.kind == Kind::Zero || t.kind == Kind::Hash;
}

// One section of a pattern, split into tokens and measured.
struct Section {
    QList<Token> tokens;
    qsizetype point = -1;     // index of the decimal point token
    qsizetype exponent = -1;  // index of the exponent token
    int placeholders[3] = {0, 0, 0};
    int highestZero[3] = {-1, -1, -1};  // integer/exponent: from the right; fraction: from the left
    bool grouping = false;
    int scaling = 0;
    int percents = 0;

    bool isEmpty() const { return tokens.isEmpty(); }
    Region regionOf(qsizetype index) const
    {
        if (exponent >= 0 && index > exponent)
            return Region::Exponent;
        if (point >= 0 && index > point)
            return Region::Fraction;
        return Region::Integer;
    }
};

QList<QString> splitSections(const QString& pattern)
{
    QList<QString> sections{QString()};
    bool quoted = false;
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        const QChar c = pattern.at(i);
        if (!quoted && c == QLatin1Char('\\') && i + 1 < pattern.size()) {
            sections.last() += c;
            sections.last() += pattern.at(++i);
            continue;
        }
        if (c == QLatin1Char('"'))
            quoted = !quoted;
        if (!quoted && c == QLatin1Char(';')) {
            if (sections.size() == 4)
                break;  // a fifth section has no meaning
            sections.append(QString());
            continue;
        }
        sections.last() += c;
    }
    return sections;
}

QList<Token> tokenize(const QString& text)
{
    const RegionalSettings& rs = regional();
    QList<Token> tokens;
    auto literal = [&tokens](const QString& s) {
        Token t;
        t.text = s;
        tokens.append(t);
    };
    auto mark = [&tokens](Kind kind) {
        Token t;
        t.kind = kind;
        tokens.append(t);
    };
    bool seenPoint = false;
    bool seenExponent = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        switch (c.unicode()) {
        case '\\':
            if (i + 1 < text.size())
                literal(QString(text.at(++i)));
            break;
        case '"': {
            const qsizetype end = text.indexOf(QLatin1Char('"'), i + 1);
            const qsizetype stop = end < 0 ? text.size() : end;
            literal(text.mid(i + 1, stop - i - 1));
            i = stop;
            break;
        }
        case '0': mark(Kind::Zero); break;
        case '#': mark(Kind::Hash); break;
        case ',': mark(Kind::Comma); break;
        case '%': mark(Kind::Percent); break;
        case '/': literal(rs.dateSeparator); break;
        case ':': literal(rs.timeSeparator); break;
        case '.':
            if (seenPoint || seenExponent) {
                literal(QString(c));
            } else {
                seenPoint = true;
                mark(Kind::Point);
            }
            break;
        case 'E':
        case 'e':
            if (!seenExponent && i + 1 < text.size()
                && (text.at(i + 1) == QLatin1Char('+') || text.at(i + 1) == QLatin1Char('-'))) {
                seenExponent = true;
                Token t;
                t.kind = Kind::Exponent;
                t.text = QString(c);
                t.signAlways = text.at(++i) == QLatin1Char('+');
                tokens.append(t);
            } else {
                literal(QString(c));
            }
            break;
        default: literal(QString(c)); break;
        }
    }
    return tokens;
}

Section analyse(const QString& text)
{
    Section s;
    s.tokens = tokenize(text);
    for (qsizetype i = 0; i < s.tokens.size(); ++i) {
        const Kind k = s.tokens.at(i).kind;
        if (k == Kind::Point)
            s.point = i;
        else if (k == Kind::Exponent)
            s.exponent = i;
        else if (k == Kind::Percent)
            ++s.percents;
    }
    for (qsizetype i = 0; i < s.tokens.size(); ++i) {
        const Token& t = s.tokens.at(i);
        if (isDigit(t))
            ++s.placeholders[static_cast<int>(s.regionOf(i))];
    }
    int seen[3] = {0, 0, 0};
    for (qsizetype i = 0; i < s.tokens.size(); ++i) {
        Token& t = s.tokens[i];
        const int r = static_cast<int>(s.regionOf(i));
        if (isDigit(t)) {
            const int fromLeft = seen[r]++;
            const int position = r == static_cast<int>(Region::Fraction) ? fromLeft : s.placeholders[r] - 1 - fromLeft;
            if (t.kind == Kind::Zero)
                s.highestZero[r] = std::max(s.highestZero[r], position);
        } else if (t.kind == Kind::Comma && r == static_cast<int>(Region::Integer)) {
            // Between digit placeholders a comma groups; after the last one it
            // scales by a thousand; before the first it is plain text.
            if (seen[r] == 0) {
                t.comma = CommaRole::Literal;
            } else if (seen[r] < s.placeholders[r]) {
                t.comma = CommaRole::Group;
                s.grouping = true;
            } else {
                t.comma = CommaRole::Scale;
                ++s.scaling;
            }
        }
    }
    return s;
}

// Writes the digit of one integer-like placeholder, `position` places from
// the right. The leftmost placeholder also takes the digits the pattern has
// no room for.
void emitIntegerPlaceholder(QString& out, const std::string& digits, int position, int placeholders,
                            int highestZero, const QString& separator)
{
    const int count = static_cast<int>(digits.size());
    auto put = [&](char digit, int fromRight) {
        out += QLatin1Char(digit);
        if (!separator.isEmpty() && fromRight > 0 && fromRight % 3 == 0)
            out += separator;
    };
    if (position == placeholders - 1) {
        for (int i = 0; i < count - placeholders; ++i)
            put(digits[static_cast<std::size_t>(i)], count - 1 - i);
    }
    if (position < count)
        put(digits[static_cast<std::size_t>(count - 1 - position)], position);
    else if (position <= highestZero)
        put('0', position);
}

QString renderSection(const Section& s, double magnitude, bool autoMinus)
{
    const RegionalSettings& rs = regional();
    const int intCount = s.placeholders[static_cast<int>(Region::Integer)];
    const int fracCount = s.placeholders[static_cast<int>(Region::Fraction)];
    const int expCount = s.placeholders[static_cast<int>(Region::Exponent)];

    DecimalDigits mantissa = DecimalDigits::fromDouble(std::fabs(magnitude), 15);
    mantissa.shift(2 * s.percents - 3 * s.scaling);
    int exponent = 0;
    if (s.exponent >= 0 && !mantissa.isZero()) {
        // Show as many integer digits as the pattern has placeholders for.
        exponent = mantissa.exponent - intCount;
        mantissa.shift(-exponent);
        mantissa.roundTo(fracCount, DecimalDigits::Rounding::HalfAwayFromZero);
        if (mantissa.exponent > intCount) {
            ++exponent;
            mantissa.shift(-1);
        }
    } else {
        mantissa.roundTo(fracCount, DecimalDigits::Rounding::HalfAwayFromZero);
    }

    const std::string whole = mantissa.integerDigits();
    const std::string fraction = mantissa.fractionDigits(fracCount);
    const std::string exponentDigits = std::to_string(std::abs(exponent));
    const auto nonZero = fraction.find_last_not_of('0');
    const int lastNonZero = nonZero == std::string::npos ? -1 : static_cast<int>(nonZero);
    const int fractionShown = std::max(lastNonZero, s.highestZero[static_cast<int>(Region::Fraction)]);
    const QString groupSeparator = s.grouping ? rs.thousandsSeparator : QString();

    QString out;
    out.reserve(s.tokens.size() + 24);
    if (autoMinus && !mantissa.isZero())
        out += QLatin1Char('-');
    int seen[3] = {0, 0, 0};
    for (qsizetype i = 0; i < s.tokens.size(); ++i) {
        const Token& t = s.tokens.at(i);
        const Region region = s.regionOf(i);
        switch (t.kind) {
        case Kind::Zero:
        case Kind::Hash: {
            const int fromLeft = seen[static_cast<int>(region)]++;
            if (region == Region::Integer) {
                emitIntegerPlaceholder(out, whole, intCount - 1 - fromLeft, intCount,
                                       s.highestZero[static_cast<int>(region)], groupSeparator);
            } else if (region == Region::Exponent) {
                emitIntegerPlaceholder(out, exponentDigits, expCount - 1 - fromLeft, expCount,
                                       s.highestZero[static_cast<int>(region)], QString());
            } else if (fromLeft <= fractionShown) {
                out += QLatin1Char(fraction[static_cast<std::size_t>(fromLeft)]);
            }
            break;
        }
        case Kind::Point:
            if (intCount == 0)
                out += QString::fromStdString(whole);
            out += rs.decimalSeparator;
            break;
        case Kind::Comma:
            if (t.comma == CommaRole::Literal)
                out += QLatin1Char(',');
            break;
        case Kind::Percent: out += QLatin1Char('%'); break;
        case Kind::Exponent:
            out += t.text;
            if (exponent < 0)
                out += QLatin1Char('-');
            else if (t.signAlways)
                out += QLatin1Char('+');
            if (expCount == 0)
                out += QString::fromStdString(exponentDigits);
            break;
        case Kind::Literal: out += t.text; break;
        }
    }
    return out;
}

QString escaped(const QString& text)
{
    QString out;
    for (QChar c : text) {
        out += QLatin1Char('\\');
        out += c;
    }
    return out;
}

// The desktop's currency picture. The regional settings carry no symbol
// position, so it follows the convention that goes with the decimal
// separator: "$1,234.50" where the point is decimal, "1.234,50 €" where the
// comma is.
QString currencyPattern()
{
    const RegionalSettings& rs = regional();
    QString number = QStringLiteral("#,##0");
    if (rs.currencyDigits > 0)
        number += QLatin1Char('.') + QString(rs.currencyDigits, QLatin1Char('0'));
    if (rs.decimalSeparator == QLatin1String(","))
        return number + QLatin1Char(' ') + escaped(rs.currencySymbol);
    return escaped(rs.currencySymbol) + number;
}

std::optional<QString> namedFormat(double value, const QString& name)
{
    const QString key = name.toLower();
    if (key == QLatin1String("general number"))
        return numberToString(value);
    if (key == QLatin1String("currency"))
        return formatNumber(value, currencyPattern());
    if (key == QLatin1String("fixed"))
        return formatNumber(value, QStringLiteral("0.00"));
    if (key == QLatin1String("standard"))
        return formatNumber(value, QStringLiteral("#,##0.00"));
    if (key == QLatin1String("percent"))
        return formatNumber(value, QStringLiteral("0.00%"));
    if (key == QLatin1String("scientific"))
        return formatNumber(value, QStringLiteral("0.00E+00"));
    if (key == QLatin1String("yes/no"))
        return value != 0 ? QStringLiteral("Yes") : QStringLiteral("No");
    if (key == QLatin1String("true/false"))
        return value != 0 ? QStringLiteral("True") : QStringLiteral("False");
    if (key == QLatin1String("on/off"))
        return value != 0 ? QStringLiteral("On") : QStringLiteral("Off");
    return std::nullopt;
}

}  // namespace

namespace {

// A pattern as analysed: whether it names a format, and its sections for
// positive, negative and zero values (an absent or empty one is left
// empty). The analysis reads the date and time separators, so they are kept
// with it and a change of either analyses the pattern again.
struct PatternPlan {
    QString dateSeparator;
    QString timeSeparator;
    bool named = false;
    Section sections[3];
    bool written[3] = {false, false, false};  // the section's text is not empty
};

// Kept per thread: the same few patterns are formatted over and over (a
// control's Layout, a report field's format). Emptied when it grows past a
// few hundred patterns.
const PatternPlan& plannedPattern(const QString& pattern)
{
    thread_local QHash<QString, PatternPlan> cache;
    const RegionalSettings& rs = regional();
    if (const auto it = cache.constFind(pattern);
        it != cache.constEnd() && it->dateSeparator == rs.dateSeparator && it->timeSeparator == rs.timeSeparator)
        return *it;
    PatternPlan plan;
    plan.dateSeparator = rs.dateSeparator;
    plan.timeSeparator = rs.timeSeparator;
    plan.named = namedFormat(0.0, pattern).has_value();
    if (!plan.named) {
        const QList<QString> texts = splitSections(pattern);
        for (qsizetype i = 0; i < 3 && i < texts.size(); ++i) {
            plan.sections[i] = analyse(texts.at(i));
            plan.written[i] = !texts.at(i).isEmpty();
        }
    }
    // The named formats above format through this cache too: the entry is
    // made only once they are done.
    if (cache.size() >= 256)
        cache.clear();
    return *cache.insert(pattern, std::move(plan));
}

}  // namespace

QString formatNumber(double value, const QString& pattern)
{
    if (!std::isfinite(value))
        raiseError(err::Overflow);
    if (pattern.isEmpty())
        return numberToString(value);
    const PatternPlan& plan = plannedPattern(pattern);
    if (plan.named)
        return *namedFormat(value, pattern);

    // A value picks its section by sign; an absent or empty section falls
    // back to the first, and then a negative value gets its minus sign back.
    const Section* section = &plan.sections[0];
    bool autoMinus = value < 0;
    if (value < 0 && plan.written[1]) {
        section = &plan.sections[1];
        autoMinus = false;
    } else if (value == 0 && plan.written[2]) {
        section = &plan.sections[2];
    }
    if (section->isEmpty())
        return numberToString(value);
    return renderSection(*section, value, autoMinus);
}

QString formatNullWithPattern(const QString& pattern)
{
    const QList<QString> texts = splitSections(pattern);
    if (texts.size() < 4)
        return {};
    QString out;
    for (const Token& t : tokenize(texts.at(3))) {
        if (t.kind == Kind::Literal)
            out += t.text;
    }
    return out;
}

}  // namespace orx::basic
