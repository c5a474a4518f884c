#include "platform/basic/Regional.h"

#include <QRegularExpression>
#include <optional>

namespace orx::basic {

namespace {

void fillNames(RegionalSettings& s, const QLocale& locale)
{
    s.monthNames.clear();
    s.shortMonthNames.clear();
    s.dayNames.clear();
    s.shortDayNames.clear();
    for (int m = 1; m <= 12; ++m) {
        s.monthNames << locale.standaloneMonthName(m, QLocale::LongFormat);
        s.shortMonthNames << locale.standaloneMonthName(m, QLocale::ShortFormat);
    }
    // Qt numbers weekdays Monday = 1 ... Sunday = 7; the runtime starts on Sunday.
    for (int i = 0; i < 7; ++i) {
        const int qtDay = i == 0 ? 7 : i;
        s.dayNames << locale.standaloneDayName(qtDay, QLocale::LongFormat);
        s.shortDayNames << locale.standaloneDayName(qtDay, QLocale::ShortFormat);
    }
}

QString widenYear(QString pattern)
{
    static const QRegularExpression shortYear(QStringLiteral("(?<!y)yy(?!y)"));
    pattern.replace(shortYear, QStringLiteral("yyyy"));
    return pattern;
}

// The first character of a date picture that is neither a field letter nor a quote.
QString separatorOf(const QString& picture, const QString& fallback)
{
    for (QChar c : picture) {
        if (!c.isLetter() && c != QLatin1Char('\''))
            return QString(c);
    }
    return fallback;
}

DateOrder orderOf(const QString& picture)
{
    const qsizetype d = picture.indexOf(QLatin1Char('d'));
    const qsizetype m = picture.indexOf(QLatin1Char('M'));
    const qsizetype y = picture.indexOf(QLatin1Char('y'));
    if (y >= 0 && (d < 0 || y < d) && (m < 0 || y < m))
        return DateOrder::YearMonthDay;
    if (d >= 0 && m >= 0 && d < m)
        return DateOrder::DayMonthYear;
    return DateOrder::MonthDayYear;
}

int currencyDigitsOf(const QLocale& locale)
{
    const QString text = locale.toCurrencyString(1.0);
    const qsizetype dot = text.lastIndexOf(locale.decimalPoint());
    if (dot < 0)
        return 0;
    int digits = 0;
    for (qsizetype i = dot + 1; i < text.size() && text.at(i).isDigit(); ++i)
        ++digits;
    return digits;
}

RegionalSettings& current()
{
    static RegionalSettings settings = RegionalSettings::system();
    return settings;
}

}  // namespace

RegionalSettings RegionalSettings::fromLocale(const QLocale& locale)
{
    RegionalSettings s;
    s.decimalSeparator = locale.decimalPoint();
    s.thousandsSeparator = locale.groupSeparator();
    s.shortDatePattern = widenYear(locale.dateFormat(QLocale::ShortFormat));
    s.longDatePattern = locale.dateFormat(QLocale::LongFormat);
    s.longTimePattern = locale.timeFormat(QLocale::LongFormat);
    // Qt's long time carries the zone name ("t"); the desktop's does not,
    // and Qt writes AM/PM as "AP" where the desktop writes "tt".
    s.longTimePattern.remove(QRegularExpression(QStringLiteral("\\s*\\bt+\\b")));
    s.longTimePattern.replace(QRegularExpression(QStringLiteral("\\b[aA][pP]\\b")), QStringLiteral("tt"));
    s.dateSeparator = separatorOf(s.shortDatePattern, QStringLiteral("/"));
    s.timeSeparator = separatorOf(locale.timeFormat(QLocale::ShortFormat).remove(QRegularExpression(QStringLiteral("[^Hhms:.]"))), QStringLiteral(":"));
    s.dateOrder = orderOf(s.shortDatePattern);
    s.amDesignator = locale.amText();
    s.pmDesignator = locale.pmText();
    s.currencySymbol = locale.currencySymbol(QLocale::CurrencySymbol);
    s.currencyDigits = currencyDigitsOf(locale);
    fillNames(s, locale);
    return s;
}

RegionalSettings RegionalSettings::system()
{
    // The POSIX "C" locale has no desktop regional settings of its own (its
    // short date is "d MMM yyyy"); a desktop's default, English (United
    // States), stands in for it.
    const QLocale locale = QLocale::system();
    if (locale.language() == QLocale::C)
        return unitedStates();
    return fromLocale(locale);
}

RegionalSettings RegionalSettings::unitedStates()
{
    RegionalSettings s;
    fillNames(s, QLocale(QLocale::English, QLocale::UnitedStates));
    return s;  // the member defaults are the United States settings
}

RegionalSettings RegionalSettings::italian()
{
    RegionalSettings s;
    s.decimalSeparator = QStringLiteral(",");
    s.thousandsSeparator = QStringLiteral(".");
    s.dateSeparator = QStringLiteral("/");
    s.timeSeparator = QStringLiteral(":");
    s.dateOrder = DateOrder::DayMonthYear;
    s.shortDatePattern = QStringLiteral("dd/MM/yyyy");
    s.longDatePattern = QStringLiteral("dddd d MMMM yyyy");
    s.longTimePattern = QStringLiteral("HH:mm:ss");
    s.amDesignator = QString();
    s.pmDesignator = QString();
    s.currencySymbol = QStringLiteral("\u20AC");
    s.currencyDigits = 2;
    fillNames(s, QLocale(QLocale::Italian, QLocale::Italy));
    return s;
}

QString RegionalSettings::shortDateFormatPattern() const
{
    QString out;
    for (QChar c : shortDatePattern) {
        if (c == QLatin1Char('M'))
            out += QLatin1Char('m');
        else if (c == QLatin1Char('d') || c == QLatin1Char('y'))
            out += c;
        else if (!c.isLetter() && c != QLatin1Char('\''))
            out += QLatin1Char('/');
    }
    return out;
}

const RegionalSettings& regional()
{
    return current();
}

void setRegional(const RegionalSettings& settings)
{
    current() = settings;
}

ScopedRegional::ScopedRegional(const RegionalSettings& settings)
    : saved_(regional())
{
    setRegional(settings);
}

ScopedRegional::~ScopedRegional()
{
    setRegional(saved_);
}

}  // namespace orx::basic
