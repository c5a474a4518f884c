#include "tools/textbox/InputRules.h"

#include "platform/basic/Dates.h"
#include "platform/basic/Numbers.h"
#include "platform/basic/Strings.h"

namespace orx::tools::textbox {

namespace {

bool allDigits(const QString& text)
{
    for (QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    }
    return !text.isEmpty();
}

QString normalisedSeparators(const QString& value, const QString& separator, QChar internal)
{
    QString v = basic::trimSpaces(value);
    if (!separator.isEmpty())
        v.replace(separator, QString(internal));
    return v;
}

QString widened(const QString& yy)
{
    return centuryOf(yy.toInt()) + yy;
}

// The time a time template's value or limit stands for, when it is a time
// value (a date part other than day 0 does not make a time).
std::optional<QTime> timeValue(const QString& text)
{
    const std::optional<QDateTime> dt = basic::parseDate(text);
    if (!dt)
        return std::nullopt;
    return dt->time();
}

int compareNumbers(double a, double b)
{
    return a < b ? -1 : (a > b ? 1 : 0);
}

}  // namespace

QString centuryOf(int twoDigitYear)
{
    return twoDigitYear <= 29 ? QStringLiteral("20") : QStringLiteral("19");
}

QString expandDate(const QString& value, int order, const QString& dateSeparator)
{
    QString v = normalisedSeparators(value, dateSeparator, QLatin1Char('/'));
    if (allDigits(v) && (v.size() == 6 || v.size() == 8)) {
        if (order == tpl::YearMonthDay) {
            v = v.size() == 6 ? widened(v.left(2)) + QLatin1Char('/') + v.mid(2, 2) + QLatin1Char('/') + v.mid(4, 2)
                              : v.left(4) + QLatin1Char('/') + v.mid(4, 2) + QLatin1Char('/') + v.mid(6, 2);
        } else {
            v = v.left(2) + QLatin1Char('/') + v.mid(2, 2) + QLatin1Char('/')
                + (v.size() == 6 ? widened(v.mid(4, 2)) : v.mid(4, 4));
        }
    }
    // Only a value shaped dd/mm/yy (or yy/mm/dd) has a two-digit year to widen.
    if (v.count(QLatin1Char('/')) == 2 && v.size() == 8 && v.at(2) == QLatin1Char('/') && v.at(5) == QLatin1Char('/')) {
        if (order == tpl::YearMonthDay) {
            const QString yy = v.left(2);
            if (allDigits(yy))
                v = widened(yy) + v.mid(2);
        } else {
            const QString yy = v.right(2);
            if (allDigits(yy))
                v = v.left(6) + widened(yy);
        }
    }
    return v;
}

QString expandMonthYear(const QString& value, int templ, const QString& dateSeparator)
{
    QString v = normalisedSeparators(value, dateSeparator, QLatin1Char('/'));
    const bool yearFirst = templ == tpl::YearMonth;
    if (allDigits(v) && (v.size() == 4 || v.size() == 6)) {
        if (yearFirst)
            v = v.size() == 4 ? widened(v.left(2)) + QLatin1Char('/') + v.mid(2, 2)
                              : v.left(4) + QLatin1Char('/') + v.mid(4, 2);
        else
            v = v.left(2) + QLatin1Char('/') + (v.size() == 4 ? widened(v.mid(2, 2)) : v.mid(2, 4));
    }
    if (v.count(QLatin1Char('/')) == 1 && v.size() == 5) {
        const QString yy = yearFirst ? v.left(2) : v.right(2);
        if (allDigits(yy))
            v = yearFirst ? widened(yy) + v.mid(2) : v.left(3) + widened(yy);
    }
    return v;
}

QString expandTime(const QString& value, int templ, const QString& timeSeparator, const QTime& now)
{
    QString v = normalisedSeparators(value, timeSeparator, QLatin1Char(':'));
    if (allDigits(v) && (v.size() == 4 || v.size() == 6)) {
        const QString hhmm = v.left(2) + QLatin1Char(':') + v.mid(2, 2);
        if (templ == tpl::HourMinute)
            v = hhmm;
        else if (v.size() == 6)
            v = hhmm + QLatin1Char(':') + v.mid(4, 2);
        else
            v = hhmm + QLatin1Char(':') + QStringLiteral("%1").arg(now.second(), 2, 10, QLatin1Char('0'));
    }
    return v;
}

QString expandDayMonth(const QString& value, const QString& dateSeparator)
{
    QString v = normalisedSeparators(value, dateSeparator, QLatin1Char('/'));
    if (allDigits(v) && v.size() == 4)
        v = v.left(2) + QLatin1Char('/') + v.mid(2, 2);
    return v;
}

std::optional<QString> validDayMonth(const QString& expanded, int templ, int year)
{
    const int order = templ == tpl::MonthDay ? tpl::MonthDayYear : tpl::DayMonthYear;
    const QString full = expanded + QLatin1Char('/') + QStringLiteral("%1").arg(year, 4, 10, QLatin1Char('0'));
    if (!isValidDate(full, order))
        return std::nullopt;
    // Written back from its own positions: reading it through the regional
    // date order would swap day and month wherever that order differs.
    return internalDate(dateInOrder(full, order), templ);
}

bool isValidDate(const QString& text, int order)
{
    if (text.size() != 10)
        return false;
    return dateInOrder(text, order).isValid();
}

Validity isValidValue(int templ, const QString& value, bool allowNothing)
{
    if (value.isEmpty())
        return {allowNothing, templ == tpl::Percent && allowNothing ? QStringLiteral("0") : value};
    switch (templ) {
    case tpl::Numeric:
    case tpl::Currency: return {basic::isNumericText(value), value};
    case tpl::Percent: {
        const std::optional<double> n = basic::parseNumber(value);
        return n ? Validity{true, basic::numberToString(*n)} : Validity{false, value};
    }
    case tpl::DayMonthYear:
    case tpl::MonthDayYear:
    case tpl::YearMonthDay: return {isValidDate(value, templ), value};
    case tpl::MonthYear: return {isValidDate(QStringLiteral("01/") + value, tpl::DayMonthYear), value};
    case tpl::YearMonth: return {isValidDate(value + QStringLiteral("/01"), tpl::YearMonthDay), value};
    case tpl::HourMinute:
    case tpl::HourMinuteSeconds: return {basic::isDateText(value), value};
    default: return {true, value};
    }
}

QString storedForm(int templ, const QString& validValue)
{
    if (templ == tpl::Percent) {
        const std::optional<double> n = basic::parseNumber(validValue);
        return (n ? basic::numberToString(*n) : validValue) + QLatin1Char('%');
    }
    if (isTimeTemplate(templ) && !validValue.isEmpty()) {
        // Two-digit parts, so that text comparison with a limit is by time.
        if (const std::optional<QTime> t = timeValue(validValue))
            return internalTime(*t, templ);
    }
    return validValue;
}

QString usableLimit(int templ, const QString& limit, int year)
{
    const QString y = QStringLiteral("%1").arg(year, 4, 10, QLatin1Char('0'));
    bool ok = true;
    switch (templ) {
    case tpl::Numeric:
    case tpl::Currency:
    case tpl::Percent: ok = basic::isNumericText(limit); break;
    case tpl::DayMonthYear:
    case tpl::MonthDayYear:
    case tpl::YearMonthDay: ok = isValidDate(limit, templ); break;
    case tpl::DayMonth: ok = isValidDate(limit + QLatin1Char('/') + y, tpl::DayMonthYear); break;
    case tpl::MonthDay: ok = isValidDate(limit + QLatin1Char('/') + y, tpl::MonthDayYear); break;
    case tpl::MonthYear: ok = isValidDate(QStringLiteral("01/") + limit, tpl::DayMonthYear); break;
    case tpl::YearMonth: ok = isValidDate(limit + QStringLiteral("/01"), tpl::YearMonthDay); break;
    case tpl::HourMinute:
    case tpl::HourMinuteSeconds: {
        const std::optional<QDateTime> dt = basic::parseDate(limit);
        ok = dt && dt->date() == basic::serialEpoch();
        if (ok)
            return internalTime(dt->time(), templ);
        break;
    }
    default: break;
    }
    return ok ? limit : QString();
}

double leadingNumber(const QString& text, const QString& decimalSeparator)
{
    if (const std::optional<double> whole = basic::parseNumber(text))
        return *whole;
    const QString t = basic::trimSpaces(text);
    qsizetype i = 0;
    QString digits;
    if (i < t.size() && (t.at(i) == QLatin1Char('-') || t.at(i) == QLatin1Char('+')))
        digits += t.at(i++);
    while (i < t.size() && t.at(i).isDigit() && t.at(i).unicode() < 128)
        digits += t.at(i++);
    if (!decimalSeparator.isEmpty() && t.mid(i, decimalSeparator.size()) == decimalSeparator) {
        i += decimalSeparator.size();
        digits += QLatin1Char('.');
        while (i < t.size() && t.at(i).isDigit() && t.at(i).unicode() < 128)
            digits += t.at(i++);
    }
    bool ok = false;
    const double n = digits.toDouble(&ok);
    return ok ? n : 0.0;
}

QString sortKey(int templ, const QString& value, int year)
{
    QDate date;
    if (isFullDateTemplate(templ)) {
        date = dateInOrder(value, templ);
    } else if (templ == tpl::DayMonth || templ == tpl::MonthDay) {
        // The current year, on a leap year's calendar so 29/02 has a key.
        const QString probe = value + QStringLiteral("/2000");
        const QDate d = dateInOrder(probe, templ == tpl::MonthDay ? tpl::MonthDayYear : tpl::DayMonthYear);
        if (d.isValid())
            return QStringLiteral("%1%2%3").arg(year, 4, 10, QLatin1Char('0')).arg(d.month(), 2, 10, QLatin1Char('0')).arg(d.day(), 2, 10, QLatin1Char('0'));
    } else if (templ == tpl::MonthYear) {
        date = dateInOrder(QStringLiteral("01/") + value, tpl::DayMonthYear);
    } else if (templ == tpl::YearMonth) {
        date = dateInOrder(value + QStringLiteral("/01"), tpl::YearMonthDay);
    }
    if (!date.isValid())
        return value;
    return date.toString(QStringLiteral("yyyyMMdd"));
}

bool isOutOfRange(int templ, const QString& value, const QString& minValue, const QString& maxValue, int year,
                  const QString& decimalSeparator)
{
    if (value.isEmpty())
        return false;
    auto compare = [&](const QString& limit) {
        if (isNumberTemplate(templ)) {
            const double v = templ == tpl::Percent ? percentNumber(value).value_or(leadingNumber(value, decimalSeparator))
                                                   : leadingNumber(value, decimalSeparator);
            return compareNumbers(v, leadingNumber(limit, decimalSeparator));
        }
        if (isDateTemplate(templ))
            return basic::compareBinary(sortKey(templ, value, year), sortKey(templ, limit, year));
        if (isTimeTemplate(templ))
            return basic::compareBinary(storedForm(templ, value), limit);
        return basic::compareBinary(value, limit);
    };
    if (!minValue.isEmpty() && compare(minValue) < 0)
        return true;
    if (!maxValue.isEmpty() && compare(maxValue) > 0)
        return true;
    return false;
}

}  // namespace orx::tools::textbox
