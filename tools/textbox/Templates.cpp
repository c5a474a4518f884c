#include "tools/textbox/Templates.h"

#include "platform/basic/Clock.h"
#include "platform/basic/Convert.h"
#include "platform/basic/Dates.h"
#include "platform/basic/Numbers.h"
#include "platform/basic/Regional.h"
#include "platform/basic/Strings.h"

#include <cmath>

namespace orx::tools::textbox {

namespace {

QString charAt(const QString& text, qsizetype index, const QString& fallback)
{
    return index < text.size() ? QString(text.at(index)) : fallback;
}

QString two(int n)
{
    return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
}

QString four(int n)
{
    return QStringLiteral("%1").arg(n, 4, 10, QLatin1Char('0'));
}

bool digitsAt(const QString& text, qsizetype from, qsizetype count, int* out)
{
    int n = 0;
    for (qsizetype i = from; i < from + count; ++i) {
        if (i >= text.size() || !text.at(i).isDigit() || text.at(i).unicode() > 127)
            return false;
        n = n * 10 + text.at(i).digitValue();
    }
    *out = n;
    return true;
}

bool slashAt(const QString& text, qsizetype at)
{
    return at < text.size() && text.at(at) == QLatin1Char('/');
}

// Year, month and day of a value in a date template's internal form; a part
// the template does not hold stays 0. False when the text is not in the
// internal form.
bool dateParts(const QString& text, int templ, int* y, int* m, int* d)
{
    *y = *m = *d = 0;
    switch (templ) {
    case tpl::DayMonthYear:
        return text.size() == 10 && slashAt(text, 2) && slashAt(text, 5) && digitsAt(text, 0, 2, d)
            && digitsAt(text, 3, 2, m) && digitsAt(text, 6, 4, y);
    case tpl::MonthDayYear:
        return text.size() == 10 && slashAt(text, 2) && slashAt(text, 5) && digitsAt(text, 0, 2, m)
            && digitsAt(text, 3, 2, d) && digitsAt(text, 6, 4, y);
    case tpl::YearMonthDay:
        return text.size() == 10 && slashAt(text, 4) && slashAt(text, 7) && digitsAt(text, 0, 4, y)
            && digitsAt(text, 5, 2, m) && digitsAt(text, 8, 2, d);
    case tpl::DayMonth:
        return text.size() == 5 && slashAt(text, 2) && digitsAt(text, 0, 2, d) && digitsAt(text, 3, 2, m);
    case tpl::MonthDay:
        return text.size() == 5 && slashAt(text, 2) && digitsAt(text, 0, 2, m) && digitsAt(text, 3, 2, d);
    case tpl::MonthYear:
        return text.size() == 7 && slashAt(text, 2) && digitsAt(text, 0, 2, m) && digitsAt(text, 3, 4, y);
    case tpl::YearMonth:
        return text.size() == 7 && slashAt(text, 4) && digitsAt(text, 0, 4, y) && digitsAt(text, 5, 2, m);
    default:
        return false;
    }
}

// The date a date template's value stands for. Day-month values have no
// year: a leap year stands in, so that 29/02 is shown as well. Month values
// stand for the first of the month.
QDate dateOfValue(const QString& text, int templ)
{
    int y = 0, m = 0, d = 0;
    if (!dateParts(text, templ, &y, &m, &d))
        return {};
    if (templ == tpl::DayMonth || templ == tpl::MonthDay)
        y = 2000;
    if (templ == tpl::MonthYear || templ == tpl::YearMonth)
        d = 1;
    if (y < basic::kMinDateYear || y > basic::kMaxDateYear)
        return {};
    return QDate(y, m, d);
}

std::optional<QTime> timeOfValue(const QString& text)
{
    const QStringList parts = text.split(QLatin1Char(':'));
    if (parts.size() < 2 || parts.size() > 3)
        return std::nullopt;
    int hms[3] = {0, 0, 0};
    for (int i = 0; i < parts.size(); ++i) {
        if (parts[i].isEmpty() || !digitsAt(parts[i], 0, parts[i].size(), &hms[i]))
            return std::nullopt;
    }
    const QTime t(hms[0], hms[1], hms[2]);
    if (!t.isValid())
        return std::nullopt;
    return t;
}

// Numbers formatted with a pattern that ends in a bare decimal point keep
// it; the text box does not show it.
QString dropTrailingDecimal(const QString& shown, int templ, const QString& decimal)
{
    if (decimal.isEmpty() || shown.isEmpty())
        return shown;
    QString out = shown;
    if (templ == tpl::Numeric || templ == tpl::Currency) {
        if (out.endsWith(decimal))
            out.remove(decimal);
    } else if (templ == tpl::Percent) {
        if (out.size() >= 2 && out.mid(out.size() - 1 - decimal.size(), decimal.size()) == decimal)
            out.remove(decimal);
    }
    return out;
}

}  // namespace

Separators Separators::read()
{
    const basic::RegionalSettings& r = basic::regional();
    Separators s;
    // Format(0.1, ".") is the decimal point alone.
    const QString point = basic::formatNumber(0.1, QStringLiteral("."));
    s.decimal = point.size() == 1 ? point : r.decimalSeparator;
    s.thousands = charAt(basic::formatNumber(1000, QStringLiteral("#,###")), 1, r.thousandsSeparator);
    // Serial 36475 is 11 Nov 1999: a two-digit day, so the separator is third.
    s.date = charAt(basic::formatDate(basic::fromSerial(36475), QStringLiteral("Short Date")), 2, r.dateSeparator);
    s.time = charAt(basic::formatDate(basic::fromSerial(0.5), QStringLiteral("Short Time")), 2, r.timeSeparator);
    return s;
}

QString numericCharacterTable(const Separators& seps)
{
    return seps.decimal + QStringLiteral("-.");
}

QString percentCharacterTable(const Separators& seps)
{
    return seps.decimal + QStringLiteral("%-");
}

QString templateLayout(int templ, const Separators& seps)
{
    const QString& D = seps.date;
    const QString& T = seps.time;
    switch (templ) {
    case tpl::Numeric:
    case tpl::Currency: return QStringLiteral("#,##0;-#,##0");
    case tpl::Percent: return QStringLiteral("#,##0.00%;-#,##0.00%");
    case tpl::DayMonthYear: return QStringLiteral("dd") + D + QStringLiteral("mm") + D + QStringLiteral("yyyy");
    case tpl::MonthDayYear: return QStringLiteral("mm") + D + QStringLiteral("dd") + D + QStringLiteral("yyyy");
    case tpl::YearMonthDay: return QStringLiteral("yyyy") + D + QStringLiteral("mm") + D + QStringLiteral("dd");
    case tpl::DayMonth: return QStringLiteral("dd") + D + QStringLiteral("mm");
    case tpl::MonthDay: return QStringLiteral("mm") + D + QStringLiteral("dd");
    case tpl::MonthYear: return QStringLiteral("mm") + D + QStringLiteral("yyyy");
    case tpl::YearMonth: return QStringLiteral("yyyy") + D + QStringLiteral("mm");
    case tpl::HourMinute: return QStringLiteral("hh") + T + QStringLiteral("nn");
    case tpl::HourMinuteSeconds: return QStringLiteral("hh") + T + QStringLiteral("nn") + T + QStringLiteral("ss");
    default: return QString();
    }
}

TemplateDefaults templateDefaults(int templ, const Separators& seps)
{
    TemplateDefaults d;
    d.layout = templateLayout(templ, seps);
    if (templ == tpl::String)
        return d;
    d.characters = kb::Ok_Numeric + kb::Ok_TabChars;
    if (isNumberTemplate(templ)) {
        d.alignment = align::Right;
        d.nullText = QStringLiteral("0");
        d.characterTable = templ == tpl::Percent ? percentCharacterTable(seps) : numericCharacterTable(seps);
        if (templ == tpl::Currency)
            d.fixedEditLength = 15;
        return d;
    }
    d.alignment = align::Center;
    d.characterTable = isTimeTemplate(templ) ? seps.time : seps.date;
    switch (templ) {
    case tpl::DayMonthYear:
    case tpl::MonthDayYear: d.nullText = QStringLiteral("01/01/1900"); break;
    case tpl::YearMonthDay: d.nullText = QStringLiteral("1900/01/01"); break;
    case tpl::DayMonth:
    case tpl::MonthDay: d.nullText = QStringLiteral("01/01"); break;
    case tpl::MonthYear: d.nullText = QStringLiteral("01/1900"); break;
    case tpl::YearMonth: d.nullText = QStringLiteral("1900/01"); break;
    case tpl::HourMinute: d.nullText = QStringLiteral("00:00"); break;
    case tpl::HourMinuteSeconds: d.nullText = QStringLiteral("00:00:00"); break;
    default: break;
    }
    if (templ == tpl::MonthYear || templ == tpl::YearMonth)
        d.spinDateType = 3;
    else if (isDateTemplate(templ))
        d.spinDateType = 1;
    else if (templ == tpl::HourMinute)
        d.spinTimeType = 2;
    else
        d.spinTimeType = 1;
    return d;
}

QString sampleText(int templ, const QDateTime& now)
{
    switch (templ) {
    case tpl::String: return QString();
    case tpl::Numeric:
    case tpl::Currency: return QStringLiteral("12345");
    case tpl::Percent: return QStringLiteral("50%");
    default: return clearValue(templ, now);
    }
}

QString clearValue(int templ, const QDateTime& now)
{
    if (templ == tpl::String)
        return QString();
    if (isNumberTemplate(templ))
        return QStringLiteral("0");
    if (isDateTemplate(templ))
        return internalDate(now.date(), templ);
    return internalTime(now.time(), templ);
}

int maxLengthFromLayout(const QString& layout, int start)
{
    if (layout.isEmpty())
        return start;
    auto counted = [](QString part) { return int(part.remove(QLatin1Char(',')).size()); };
    const qsizetype semi = layout.indexOf(QLatin1Char(';'));
    if (semi < 0)
        return counted(layout);
    return qMax(counted(layout.left(semi)), counted(layout.mid(semi + 1)));
}

QString percentLayout(const QString& pattern)
{
    // Per section, so that a two-section pattern keeps "%" in both.
    QStringList sections = basic::trimSpaces(pattern).split(QLatin1Char(';'));
    for (QString& s : sections) {
        s.remove(QLatin1Char('%'));
        if (!s.isEmpty() || sections.size() == 1)
            s += QLatin1Char('%');
    }
    return sections.join(QLatin1Char(';'));
}

std::optional<double> percentNumber(const QString& text)
{
    QString t = basic::trimSpaces(text);
    t.remove(QLatin1Char('%'));
    return basic::parseNumber(t);
}

QString displayText(int templ, const QString& text, const QString& layout, const Separators& seps)
{
    QString shown;
    if (templ == tpl::Numeric || templ == tpl::Currency) {
        std::optional<double> n = basic::parseNumber(text);
        QString x = text;
        if (templ == tpl::Currency && !n) {
            n = 0.0;
            x = QStringLiteral("0");
        }
        if (layout.isEmpty())
            shown = x;
        else
            shown = n ? basic::formatNumber(*n, layout) : basic::format(QVariant(x), layout);
    } else if (templ == tpl::Percent) {
        const std::optional<double> n = percentNumber(text);
        shown = layout.isEmpty() || !n ? text : basic::formatNumber(*n / 100.0, layout);
    } else if (isDateTemplate(templ)) {
        const QDate date = dateOfValue(text, templ);
        shown = layout.isEmpty() || !date.isValid() ? text : basic::formatDate(basic::wallClock(date), layout);
    } else if (isTimeTemplate(templ)) {
        const std::optional<QTime> time = timeOfValue(text);
        shown = layout.isEmpty() || !time ? text : basic::formatDate(basic::wallClock(basic::serialEpoch(), *time), layout);
    } else {
        shown = layout.isEmpty() ? text : basic::format(QVariant(text), layout);
    }
    return dropTrailingDecimal(shown, templ, seps.decimal);
}

bool hasRawConversion(int templ)
{
    return isFullDateTemplate(templ) || templ == tpl::MonthYear || templ == tpl::YearMonth || isTimeTemplate(templ);
}

QVariant rawTextOf(int templ, const QString& value, const QString& characterTable)
{
    if (value.isEmpty() || characterTable.isEmpty())
        return value;
    switch (templ) {
    case tpl::Numeric:
    case tpl::Currency: return value;
    case tpl::Percent: return boundTextOf(templ, value);
    case tpl::DayMonthYear:
    case tpl::MonthDayYear:
    case tpl::YearMonthDay:
    case tpl::MonthYear:
    case tpl::YearMonth: {
        const QDate date = dateOfValue(value, templ);
        if (!date.isValid())
            return value;
        return int(dayNumber(date));
    }
    case tpl::HourMinute:
    case tpl::HourMinuteSeconds: {
        const std::optional<QTime> time = timeOfValue(value);
        if (!time)
            return value;
        return time->hour() * 3600 + time->minute() * 60 + time->second();
    }
    default: {
        QString raw = value;
        raw.remove(characterTable.at(0));
        return raw;
    }
    }
}

std::optional<QString> textFromRaw(int templ, double raw)
{
    if (!hasRawConversion(templ) || !std::isfinite(raw))
        return std::nullopt;
    if (isTimeTemplate(templ)) {
        const qint64 r = qint64(raw);
        const qint64 h = r / 3600;
        const qint64 m = (r - h * 3600) / 60;
        const qint64 s = r - h * 3600 - m * 60;
        QString t = two(int(h)) + QLatin1Char(':') + two(int(m));
        if (templ == tpl::HourMinuteSeconds)
            t += QLatin1Char(':') + two(int(s));
        return t;
    }
    const QDate date = dateOfDayNumber(qint64(raw));
    if (!date.isValid() || date.year() < basic::kMinDateYear || date.year() > basic::kMaxDateYear)
        return std::nullopt;
    return internalDate(date, templ);
}

QString boundTextOf(int templ, const QString& value)
{
    if (templ != tpl::Percent || value.isEmpty())
        return value;
    const std::optional<double> n = percentNumber(value);
    return n ? basic::numberToString(*n / 100.0) : value;
}

qint64 dayNumber(const QDate& date)
{
    return QDate(100, 1, 1).daysTo(date);
}

QDate dateOfDayNumber(qint64 days)
{
    return QDate(100, 1, 1).addDays(days);
}

QDate dateInOrder(const QString& text, int order)
{
    return isFullDateTemplate(order) ? dateOfValue(text, order) : QDate();
}

QString internalDate(const QDate& date, int templ)
{
    const QString s = QStringLiteral("/");
    const QString dd = two(date.day()), mm = two(date.month()), yyyy = four(date.year());
    switch (templ) {
    case tpl::DayMonthYear: return dd + s + mm + s + yyyy;
    case tpl::MonthDayYear: return mm + s + dd + s + yyyy;
    case tpl::YearMonthDay: return yyyy + s + mm + s + dd;
    case tpl::DayMonth: return dd + s + mm;
    case tpl::MonthDay: return mm + s + dd;
    case tpl::MonthYear: return mm + s + yyyy;
    case tpl::YearMonth: return yyyy + s + mm;
    default: return QString();
    }
}

QString internalTime(const QTime& time, int templ)
{
    QString t = two(time.hour()) + QLatin1Char(':') + two(time.minute());
    if (templ == tpl::HourMinuteSeconds)
        t += QLatin1Char(':') + two(time.second());
    return t;
}

}  // namespace orx::tools::textbox
