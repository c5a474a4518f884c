#include "platform/basic/Convert.h"

#include "platform/basic/BasicError.h"
#include "platform/basic/Clock.h"
#include "platform/basic/Dates.h"
#include "platform/basic/Numbers.h"
#include "platform/basic/Variant.h"

#include <cmath>
#include <limits>

namespace orx::basic {

namespace {

[[noreturn]] void typeMismatch(const char* function)
{
    raiseError(err::TypeMismatch, QString::fromLatin1(function));
}

void refuseNull(const QVariant& value, const char* function)
{
    if (isNull(value) || isMissing(value))
        raiseError(isNull(value) ? err::InvalidUseOfNull : err::TypeMismatch, QString::fromLatin1(function));
}

QDateTime dateOf(const QVariant& value)
{
    switch (value.typeId()) {
    case QMetaType::QDate:
        return wallClock(value.toDate());
    case QMetaType::QTime:
        return fromSerial(0).addMSecs(value.toTime().msecsSinceStartOfDay());
    default: {
        const QDateTime dt = value.toDateTime();
        return wallClock(dt.date(), dt.time());
    }
    }
}

// The number a non-string, non-null value stands for.
double numberOf(const QVariant& value)
{
    if (isEmpty(value))
        return 0.0;
    if (isBoolValue(value))
        return value.toBool() ? -1.0 : 0.0;
    if (isDateValue(value))
        return toSerial(dateOf(value));
    if (value.metaType() == QMetaType::fromType<Currency>())
        return value.value<Currency>().toDouble();
    if (isNumberValue(value))
        return value.toDouble();
    typeMismatch("CDbl");
}

}  // namespace

QString cstr(const QVariant& value)
{
    refuseNull(value, "CStr");
    if (isEmpty(value))
        return QString();
    if (isStringValue(value))
        return value.toString();
    if (isBoolValue(value))
        return value.toBool() ? QStringLiteral("True") : QStringLiteral("False");
    if (isDateValue(value))
        return formatDate(dateOf(value), QString());
    if (value.metaType() == QMetaType::fromType<Currency>())
        return value.value<Currency>().toString();
    if (value.typeId() == QMetaType::Float)
        return singleToString(value.toFloat());
    if (isNumberValue(value))
        return numberToString(value.toDouble());
    if (value.canConvert<QString>())
        return value.toString();
    typeMismatch("CStr");
}

double cdbl(const QVariant& value)
{
    refuseNull(value, "CDbl");
    if (isStringValue(value)) {
        if (const std::optional<double> n = parseNumber(value.toString()))
            return *n;
        typeMismatch("CDbl");
    }
    return numberOf(value);
}

std::int16_t cint(const QVariant& value)
{
    return cint(cdbl(value));
}

std::int32_t clng(const QVariant& value)
{
    return clng(cdbl(value));
}

float csng(const QVariant& value)
{
    return csng(cdbl(value));
}

Currency ccur(const QVariant& value)
{
    refuseNull(value, "CCur");
    if (value.metaType() == QMetaType::fromType<Currency>())
        return value.value<Currency>();
    if (isStringValue(value)) {
        if (const std::optional<Currency> c = parseCurrency(value.toString()))
            return *c;
        typeMismatch("CCur");
    }
    return Currency::fromDouble(numberOf(value));
}

QDateTime cdate(const QVariant& value)
{
    refuseNull(value, "CDate");
    if (isDateValue(value))
        return dateOf(value);
    if (isStringValue(value)) {
        const QString text = value.toString();
        if (const std::optional<QDateTime> d = parseDate(text))
            return *d;
        if (const std::optional<double> n = parseNumber(text))
            return fromSerial(*n);
        typeMismatch("CDate");
    }
    return fromSerial(numberOf(value));
}

bool cbool(const QVariant& value)
{
    refuseNull(value, "CBool");
    if (isBoolValue(value))
        return value.toBool();
    if (isStringValue(value)) {
        const QString text = value.toString().trimmed();
        if (text.compare(QStringLiteral("True"), Qt::CaseInsensitive) == 0)
            return true;
        if (text.compare(QStringLiteral("False"), Qt::CaseInsensitive) == 0)
            return false;
        if (const std::optional<double> n = parseNumber(text))
            return *n != 0.0;
        typeMismatch("CBool");
    }
    return numberOf(value) != 0.0;
}

bool isNumeric(const QVariant& value)
{
    if (isEmpty(value))
        return true;
    if (isNull(value) || isMissing(value) || isDateValue(value))
        return false;
    if (isStringValue(value))
        return isNumericText(value.toString());
    return isBoolValue(value) || isNumberValue(value);
}

bool isDate(const QVariant& value)
{
    if (isDateValue(value))
        return true;
    if (isStringValue(value))
        return isDateText(value.toString());
    return false;
}

QString formatText(const QString& text, const QString& pattern)
{
    bool lower = false, upper = false, fromLeft = false;
    QString shape;  // the pattern without its case and direction flags
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        const QChar c = pattern.at(i);
        if (c == QLatin1Char('<'))
            lower = true, upper = false;
        else if (c == QLatin1Char('>'))
            upper = true, lower = false;
        else if (c == QLatin1Char('!'))
            fromLeft = true;
        else if (c == QLatin1Char('\\') && i + 1 < pattern.size())
            shape += QChar(0xE000), shape += pattern.at(++i);  // escaped literal marker
        else
            shape += c;
    }
    QString source = lower ? text.toLower() : (upper ? text.toUpper() : text);

    qsizetype placeholders = 0;
    for (qsizetype i = 0; i < shape.size(); ++i) {
        if (shape.at(i) == QChar(0xE000))
            ++i;
        else if (shape.at(i) == QLatin1Char('@') || shape.at(i) == QLatin1Char('&'))
            ++placeholders;
    }
    if (placeholders == 0) {
        QString literal;
        for (qsizetype i = 0; i < shape.size(); ++i) {
            if (shape.at(i) != QChar(0xE000) && shape.at(i) != QLatin1Char('"'))
                literal += shape.at(i);
        }
        return literal.isEmpty() ? source : source + literal;
    }

    // Placeholders take characters from the right unless "!" says from the
    // left; characters beyond the placeholders stay with the first (or last) one.
    QString out;
    qsizetype extra = std::max<qsizetype>(0, source.size() - placeholders);
    qsizetype next = 0;  // next source character when filling left to right
    const qsizetype missing = std::max<qsizetype>(0, placeholders - source.size());
    qsizetype seen = 0;
    bool quoted = false;
    for (qsizetype i = 0; i < shape.size(); ++i) {
        const QChar c = shape.at(i);
        if (c == QChar(0xE000)) {
            out += shape.at(++i);
            continue;
        }
        if (c == QLatin1Char('"')) {
            quoted = !quoted;
            continue;
        }
        if (quoted || (c != QLatin1Char('@') && c != QLatin1Char('&'))) {
            out += c;
            continue;
        }
        const bool blank = fromLeft ? (seen >= placeholders - missing) : (seen < missing);
        ++seen;
        if (blank) {
            if (c == QLatin1Char('@'))
                out += QLatin1Char(' ');
            continue;
        }
        if (!fromLeft && extra > 0) {
            out += source.mid(next, extra + 1);
            next += extra + 1;
            extra = 0;
        } else {
            out += source.at(next++);
        }
    }
    if (fromLeft && next < source.size())
        out += source.mid(next);
    return out;
}

QString format(const QVariant& value, const QString& pattern)
{
    if (isNull(value)) {
        return formatNullWithPattern(pattern);
    }
    if (isEmpty(value) && pattern.isEmpty())
        return QString();
    if (isStringValue(value)) {
        const QString text = value.toString();
        if (const std::optional<double> n = parseNumber(text))
            return format(QVariant(*n), pattern);
        if (pattern.isEmpty())
            return text;
        if (isDatePattern(pattern)) {
            if (const std::optional<QDateTime> d = parseDate(text))
                return formatDate(*d, pattern);
        }
        return formatText(text, pattern);
    }
    if (isBoolValue(value) && pattern.isEmpty())
        return cstr(value);
    if (isDateValue(value)) {
        if (pattern.isEmpty() || isDatePattern(pattern))
            return formatDate(dateOf(value), pattern);
        return formatNumber(toSerial(dateOf(value)), pattern);
    }
    const double number = numberOf(value);
    if (pattern.isEmpty())
        return cstr(value);
    if (isDatePattern(pattern))
        return formatDate(fromSerial(number), pattern);
    return formatNumber(number, pattern);
}

}  // namespace orx::basic
