#include "platform/basic/Dates.h"

#include "platform/basic/BasicError.h"
#include "platform/basic/Regional.h"

#include <algorithm>
#include <array>
#include <utility>

namespace orx::basic {

namespace {

// Used when the regional settings carry no names (a bare RegionalSettings).
constexpr std::array<const char*, 12> kEnglishMonths = {
    "January", "February", "March", "April", "May", "June",
    "July", "August", "September", "October", "November", "December"};
constexpr std::array<const char*, 7> kEnglishDays = {
    "Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};

QString monthName(int month, bool abbreviated)
{
    const RegionalSettings& r = regional();
    const QStringList& names = abbreviated ? r.shortMonthNames : r.monthNames;
    if (names.size() >= 12)
        return names.at(month - 1);
    const QString english = QLatin1String(kEnglishMonths[month - 1]);
    return abbreviated ? english.left(3) : english;
}

// weekdayNumber: Sunday = 1.
QString dayName(int weekdayNumber, bool abbreviated)
{
    const RegionalSettings& r = regional();
    const QStringList& names = abbreviated ? r.shortDayNames : r.dayNames;
    if (names.size() >= 7)
        return names.at(weekdayNumber - 1);
    const QString english = QLatin1String(kEnglishDays[weekdayNumber - 1]);
    return abbreviated ? english.left(3) : english;
}

QString twoDigits(int value)
{
    return QString::number(value).rightJustified(2, QLatin1Char('0'));
}

int twelveHour(int hour)
{
    const int h = hour % 12;
    return h == 0 ? 12 : h;
}

int weekdayOf(const QDate& d)
{
    return d.dayOfWeek() % 7 + 1;
}

bool hasDesignators()
{
    return !regional().amDesignator.isEmpty() && !regional().pmDesignator.isEmpty();
}

qsizetype runOf(const QString& s, qsizetype i, QChar c, Qt::CaseSensitivity cs)
{
    const QChar wanted = cs == Qt::CaseInsensitive ? c.toLower() : c;
    qsizetype k = 0;
    while (i + k < s.size() && (cs == Qt::CaseInsensitive ? s.at(i + k).toLower() : s.at(i + k)) == wanted)
        ++k;
    return k;
}

// Date and time pictures in the system's NLS syntax: case-sensitive letters
// (M month, m minutes, H 24-hour, h 12-hour, tt AM/PM), 'quoted' literals.
QString formatPicture(const QDateTime& v, const QString& picture)
{
    const QDate d = v.date();
    const QTime t = v.time();
    const RegionalSettings& r = regional();
    const QString& designator = t.hour() < 12 ? r.amDesignator : r.pmDesignator;
    QString out;
    qsizetype i = 0;
    while (i < picture.size()) {
        const QChar c = picture.at(i);
        if (c == QLatin1Char('\'')) {
            ++i;
            while (i < picture.size()) {
                if (picture.at(i) == QLatin1Char('\'')) {
                    if (i + 1 < picture.size() && picture.at(i + 1) == QLatin1Char('\'')) {
                        out += QLatin1Char('\'');
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                out += picture.at(i++);
            }
            continue;
        }
        const qsizetype n = runOf(picture, i, c, Qt::CaseSensitive);
        switch (c.unicode()) {
        case 'd':
            out += n == 1 ? QString::number(d.day())
                 : n == 2 ? twoDigits(d.day())
                          : dayName(weekdayOf(d), n == 3);
            break;
        case 'M':
            out += n == 1 ? QString::number(d.month())
                 : n == 2 ? twoDigits(d.month())
                          : monthName(d.month(), n == 3);
            break;
        case 'y':
            out += n == 1 ? QString::number(d.year() % 100)
                 : n == 2 ? twoDigits(d.year() % 100)
                          : QString::number(d.year());
            break;
        case 'g':
            break;  // era: the Gregorian calendar shows none
        case 'h':
            out += n == 1 ? QString::number(twelveHour(t.hour())) : twoDigits(twelveHour(t.hour()));
            break;
        case 'H':
            out += n == 1 ? QString::number(t.hour()) : twoDigits(t.hour());
            break;
        case 'm':
            out += n == 1 ? QString::number(t.minute()) : twoDigits(t.minute());
            break;
        case 's':
            out += n == 1 ? QString::number(t.second()) : twoDigits(t.second());
            break;
        case 't':
            out += n == 1 ? designator.left(1) : designator;
            break;
        default:
            out += QString(n, c);
            break;
        }
        i += n;
    }
    return out;
}

QString shortDate(const QDateTime& v)
{
    return formatPicture(v, regional().shortDatePattern);
}

QString longDate(const QDateTime& v)
{
    return formatPicture(v, regional().longDatePattern);
}

QString longTime(const QDateTime& v)
{
    return formatPicture(v, regional().longTimePattern);
}

// Date only without a time part, time only without a date part (day 0).
QString generalDate(const QDateTime& v)
{
    const bool hasDate = v.date() != serialEpoch();
    const bool hasTime = v.time() != QTime(0, 0);
    if (!hasDate)
        return longTime(v);
    if (!hasTime)
        return shortDate(v);
    return shortDate(v) + QLatin1Char(' ') + longTime(v);
}

bool matchesAt(const QString& s, qsizetype i, QLatin1String word)
{
    return QStringView(s).mid(i).startsWith(word, Qt::CaseInsensitive);
}

enum class AmPmKind { None, Full, Letter, System };

struct AmPmToken {
    AmPmKind kind = AmPmKind::None;
    qsizetype length = 0;
};

AmPmToken amPmAt(const QString& p, qsizetype i)
{
    if (matchesAt(p, i, QLatin1String("am/pm")))
        return {AmPmKind::Full, 5};
    if (matchesAt(p, i, QLatin1String("ampm")))
        return {AmPmKind::System, 4};
    if (matchesAt(p, i, QLatin1String("a/p")))
        return {AmPmKind::Letter, 3};
    return {};
}

// Length of the literal starting at i ("quoted" text or a backslash escape), or 0.
qsizetype literalAt(const QString& p, qsizetype i)
{
    if (p.at(i) == QLatin1Char('\\'))
        return std::min<qsizetype>(2, p.size() - i);
    if (p.at(i) == QLatin1Char('"')) {
        const qsizetype end = p.indexOf(QLatin1Char('"'), i + 1);
        return end < 0 ? p.size() - i : end - i + 1;
    }
    return 0;
}

// A system AM/PM with no designators to show would leave a 12-hour clock
// that cannot tell morning from evening, so it does not switch the clock.
bool switchesToTwelveHours(AmPmKind kind)
{
    return kind == AmPmKind::Full || kind == AmPmKind::Letter || (kind == AmPmKind::System && hasDesignators());
}

bool usesTwelveHourClock(const QString& p)
{
    for (qsizetype i = 0; i < p.size();) {
        if (const qsizetype lit = literalAt(p, i)) {
            i += lit;
            continue;
        }
        const AmPmToken token = amPmAt(p, i);
        if (token.kind != AmPmKind::None) {
            if (switchesToTwelveHours(token.kind))
                return true;
            i += token.length;
            continue;
        }
        ++i;
    }
    return false;
}

QString formatPattern(const QDateTime& v, const QString& p)
{
    const RegionalSettings& r = regional();
    const QDate d = v.date();
    const QTime t = v.time();
    const bool twelve = usesTwelveHourClock(p);
    const bool morning = t.hour() < 12;
    QString out;
    // m and mm right after an hour token (literals between do not count)
    // are minutes; any other date or time token breaks the link.
    bool afterHour = false;
    qsizetype i = 0;
    while (i < p.size()) {
        const QChar c = p.at(i);
        if (c == QLatin1Char('\\')) {
            if (i + 1 < p.size())
                out += p.at(i + 1);
            i += 2;
            continue;
        }
        if (c == QLatin1Char('"')) {
            const qsizetype length = literalAt(p, i);
            out += p.mid(i + 1, length - 1).remove(QLatin1Char('"'));
            i += length;
            continue;
        }
        if (c == QLatin1Char(':')) {
            out += r.timeSeparator;
            ++i;
            continue;
        }
        if (c == QLatin1Char('/')) {
            out += r.dateSeparator;
            ++i;
            continue;
        }
        const AmPmToken ampm = amPmAt(p, i);
        if (ampm.kind != AmPmKind::None) {
            const bool upper = c.isUpper();
            if (ampm.kind == AmPmKind::Full) {
                const QString text = morning ? QStringLiteral("AM") : QStringLiteral("PM");
                out += upper ? text : text.toLower();
            } else if (ampm.kind == AmPmKind::Letter) {
                const QChar letter = morning ? QLatin1Char('A') : QLatin1Char('P');
                out += upper ? letter : letter.toLower();
            } else if (switchesToTwelveHours(ampm.kind)) {
                out += morning ? r.amDesignator : r.pmDesignator;
            }
            i += ampm.length;
            afterHour = false;
            continue;
        }
        const QChar lc = c.toLower();
        const qsizetype n = runOf(p, i, lc, Qt::CaseInsensitive);
        qsizetype used = 1;
        bool isToken = true;
        bool isHour = false;
        switch (lc.unicode()) {
        case 'c':
            out += generalDate(v);
            break;
        case 'd':
            used = std::min<qsizetype>(n, 6);
            if (used == 1)
                out += QString::number(d.day());
            else if (used == 2)
                out += twoDigits(d.day());
            else if (used <= 4)
                out += dayName(weekdayOf(d), used == 3);
            else
                out += used == 5 ? shortDate(v) : longDate(v);
            break;
        case 'w':
            used = std::min<qsizetype>(n, 2);
            out += QString::number(used == 1 ? weekdayOf(d) : weekOfYear(v));
            break;
        case 'm':
            used = std::min<qsizetype>(n, 4);
            if (used <= 2 && afterHour)
                out += used == 1 ? QString::number(t.minute()) : twoDigits(t.minute());
            else if (used <= 2)
                out += used == 1 ? QString::number(d.month()) : twoDigits(d.month());
            else
                out += monthName(d.month(), used == 3);
            break;
        case 'n':
            used = std::min<qsizetype>(n, 2);
            out += used == 1 ? QString::number(t.minute()) : twoDigits(t.minute());
            break;
        case 'q':
            out += QString::number((d.month() - 1) / 3 + 1);
            break;
        case 'y':
            used = n >= 4 ? 4 : n >= 2 ? 2 : 1;
            if (used == 1)
                out += QString::number(d.dayOfYear());
            else if (used == 2)
                out += twoDigits(d.year() % 100);
            else
                out += QString::number(d.year());
            break;
        case 'h': {
            used = std::min<qsizetype>(n, 2);
            const int hour = twelve ? twelveHour(t.hour()) : t.hour();
            out += used == 1 ? QString::number(hour) : twoDigits(hour);
            isHour = true;
            break;
        }
        case 's':
            used = std::min<qsizetype>(n, 2);
            out += used == 1 ? QString::number(t.second()) : twoDigits(t.second());
            break;
        case 't':
            if (n >= 5) {
                used = 5;
                out += longTime(v);
            } else {
                used = n;
                out += p.mid(i, n);
                isToken = false;
            }
            break;
        default:
            out += c;
            isToken = false;
            break;
        }
        if (isToken)
            afterHour = isHour;
        i += used;
    }
    return out;
}

enum class NamedFormat { None, GeneralDate, LongDate, MediumDate, ShortDate, LongTime, MediumTime, ShortTime };

NamedFormat namedFormat(const QString& lowerName)
{
    static const std::array<std::pair<QLatin1String, NamedFormat>, 7> names = {{
        {QLatin1String("general date"), NamedFormat::GeneralDate},
        {QLatin1String("long date"), NamedFormat::LongDate},
        {QLatin1String("medium date"), NamedFormat::MediumDate},
        {QLatin1String("short date"), NamedFormat::ShortDate},
        {QLatin1String("long time"), NamedFormat::LongTime},
        {QLatin1String("medium time"), NamedFormat::MediumTime},
        {QLatin1String("short time"), NamedFormat::ShortTime},
    }};
    for (const auto& [name, format] : names) {
        if (lowerName == name)
            return format;
    }
    return NamedFormat::None;
}

QString formatNamed(const QDateTime& v, NamedFormat format)
{
    switch (format) {
    case NamedFormat::GeneralDate:
        return generalDate(v);
    case NamedFormat::LongDate:
        return longDate(v);
    case NamedFormat::MediumDate:
        return formatPattern(v, QStringLiteral("dd-mmm-yy"));
    case NamedFormat::ShortDate:
        return shortDate(v);
    case NamedFormat::LongTime:
        return longTime(v);
    case NamedFormat::MediumTime:
        return formatPattern(v, hasDesignators() ? QStringLiteral("hh:nn AMPM") : QStringLiteral("hh:nn"));
    case NamedFormat::ShortTime:
        return formatPattern(v, QStringLiteral("hh:nn"));  // 24-hour whatever the locale
    case NamedFormat::None:
        break;
    }
    return formatPattern(v, QString());
}

bool isNamedNumberFormat(const QString& lowerName)
{
    static const std::array<QLatin1String, 9> names = {
        QLatin1String("general number"), QLatin1String("currency"), QLatin1String("fixed"),
        QLatin1String("standard"), QLatin1String("percent"), QLatin1String("scientific"),
        QLatin1String("yes/no"), QLatin1String("true/false"), QLatin1String("on/off")};
    for (const QLatin1String& name : names) {
        if (lowerName == name)
            return true;
    }
    return false;
}

}  // namespace

QString formatDate(const QDateTime& value, const QString& pattern)
{
    if (!value.isValid())
        raiseError(err::TypeMismatch);
    const QDateTime v = roundToSecond(value);
    if (pattern.isEmpty())
        return generalDate(v);
    const NamedFormat named = namedFormat(pattern.toLower());
    return named != NamedFormat::None ? formatNamed(v, named) : formatPattern(v, pattern);
}

bool isDatePattern(const QString& pattern)
{
    const QString lower = pattern.toLower();
    if (namedFormat(lower) != NamedFormat::None)
        return true;
    if (isNamedNumberFormat(lower))
        return false;
    for (qsizetype i = 0; i < lower.size();) {
        if (const qsizetype lit = literalAt(lower, i)) {
            i += lit;
            continue;
        }
        if (amPmAt(lower, i).kind != AmPmKind::None)
            return true;
        const QChar c = lower.at(i);
        if (QStringView(u"dwmnqyhsc").contains(c))
            return true;
        if (c == QLatin1Char('t') && runOf(lower, i, c, Qt::CaseSensitive) >= 5)
            return true;
        ++i;
    }
    return false;
}

}  // namespace orx::basic
