#include "platform/basic/Dates.h"

#include "platform/basic/Clock.h"
#include "platform/basic/Regional.h"

#include <QList>
#include <array>
#include <cstring>

namespace orx::basic {

namespace {

// The text is read in two steps: a lexer splits it into numbers, words and
// separators, then the pieces are grouped into date elements (numbers and a
// month name) and at most one time group (h:m[:s], or an hour with AM/PM).

enum class Kind { Number, Word, DateSep, TimeSep, Period, Comma, Space };

struct Lexeme {
    Kind kind;
    int value = 0;
    QString text;
};

constexpr std::array<const char*, 12> kEnglishMonths = {
    "january", "february", "march", "april", "may", "june",
    "july", "august", "september", "october", "november", "december"};

QChar separatorChar(const QString& separator)
{
    for (QChar c : separator) {
        if (!c.isSpace())
            return c;
    }
    return {};
}

bool isAsciiDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

std::optional<QList<Lexeme>> lex(const QString& text)
{
    const RegionalSettings& r = regional();
    const QChar dateSep = separatorChar(r.dateSeparator);
    const QChar timeSep = separatorChar(r.timeSeparator);
    QList<Lexeme> out;
    qsizetype i = 0;
    while (i < text.size()) {
        const QChar c = text.at(i);
        if (c.isSpace()) {
            if (out.isEmpty() || out.last().kind != Kind::Space)
                out.append({Kind::Space});
            ++i;
            continue;
        }
        if (isAsciiDigit(c)) {
            qsizetype j = i;
            int value = 0;
            while (j < text.size() && isAsciiDigit(text.at(j))) {
                if (j - i >= 9)
                    return std::nullopt;  // no date field is that long
                value = value * 10 + (text.at(j).unicode() - '0');
                ++j;
            }
            out.append({Kind::Number, value});
            i = j;
            continue;
        }
        if (c.isLetter()) {
            qsizetype j = i;
            while (j < text.size() && text.at(j).isLetter())
                ++j;
            out.append({Kind::Word, 0, text.mid(i, j - i)});
            i = j;
            continue;
        }
        Kind kind;
        if (c == dateSep)
            kind = Kind::DateSep;  // first: the regional date separator may be a period
        else if (c == QLatin1Char('.'))
            kind = Kind::Period;
        else if (c == QLatin1Char(':') || c == timeSep)
            kind = Kind::TimeSep;
        else if (c == QLatin1Char('/') || c == QLatin1Char('-'))
            kind = Kind::DateSep;
        else if (c == QLatin1Char(','))
            kind = Kind::Comma;
        else
            return std::nullopt;
        out.append({kind});
        ++i;
    }
    return out;
}

bool sameWord(const QString& word, const QString& name)
{
    QString n = name;
    while (n.endsWith(QLatin1Char('.')))
        n.chop(1);
    return !n.isEmpty() && word.compare(n, Qt::CaseInsensitive) == 0;
}

// 1-12 for a regional or English month name or abbreviation, else 0.
int monthOfWord(const QString& word)
{
    const RegionalSettings& r = regional();
    for (int m = 1; m <= 12; ++m) {
        const QString english = QLatin1String(kEnglishMonths[m - 1]);
        if (sameWord(word, english) || sameWord(word, english.left(3)))
            return m;
        if (r.monthNames.size() >= 12 && sameWord(word, r.monthNames.at(m - 1)))
            return m;
        if (r.shortMonthNames.size() >= 12 && sameWord(word, r.shortMonthNames.at(m - 1)))
            return m;
    }
    return 0;
}

enum class Meridiem { None, Am, Pm };

Meridiem meridiemOfWord(const QString& word)
{
    const RegionalSettings& r = regional();
    if (sameWord(word, QStringLiteral("am")) || sameWord(word, QStringLiteral("a")) || sameWord(word, r.amDesignator))
        return Meridiem::Am;
    if (sameWord(word, QStringLiteral("pm")) || sameWord(word, QStringLiteral("p")) || sameWord(word, r.pmDesignator))
        return Meridiem::Pm;
    return Meridiem::None;
}

struct TimeGroup {
    QList<int> parts;
    bool periodsOnly = true;
    Meridiem meridiem = Meridiem::None;
};

struct Element {
    enum class Type { Number, Month, Time } type;
    int value = 0;  // the number, or the month 1-12
    TimeGroup time;
};

// What separates two elements.
struct Gap {
    bool space = false;
    int dateSeps = 0;
    int commas = 0;
    int periods = 0;
    int timeSeps = 0;

    bool empty() const { return !space && dateSeps == 0 && commas == 0 && periods == 0 && timeSeps == 0; }
};

bool gapAllowed(const Element* before, const Element* after, const Gap& gap)
{
    if (!before || !after)
        return gap.empty();
    if (gap.timeSeps > 0 || gap.periods > 0 || gap.dateSeps + gap.commas > 1)
        return false;
    if (before->type == Element::Type::Time || after->type == Element::Type::Time)
        return gap.space && gap.dateSeps == 0 && gap.commas == 0;
    if (gap.empty())
        return before->type == Element::Type::Month || after->type == Element::Type::Month;
    return true;
}

std::optional<QTime> timeOf(const TimeGroup& g)
{
    if (g.parts.isEmpty() || g.parts.size() > 3)
        return std::nullopt;  // fractional seconds are not read
    int hour = g.parts.at(0);
    const int minute = g.parts.size() > 1 ? g.parts.at(1) : 0;
    const int second = g.parts.size() > 2 ? g.parts.at(2) : 0;
    if (hour > 23 || minute > 59 || second > 59)
        return std::nullopt;
    // AM/PM only applies to a 12-hour reading; 13:00 AM stays 13:00.
    if (hour <= 12) {
        if (g.meridiem == Meridiem::Pm && hour < 12)
            hour += 12;
        else if (g.meridiem == Meridiem::Am && hour == 12)
            hour = 0;
    }
    return QTime(hour, minute, second);
}

struct Parsed {
    QList<Element> elements;
    bool hasComma = false;
};

std::optional<Parsed> group(const QList<Lexeme>& lexemes)
{
    Parsed parsed;
    QList<Element>& elements = parsed.elements;
    Gap gap;
    auto add = [&](const Element& e) {
        if (!gapAllowed(elements.isEmpty() ? nullptr : &elements.last(), &e, gap))
            return false;
        parsed.hasComma = parsed.hasComma || gap.commas > 0;
        elements.append(e);
        gap = Gap();
        return true;
    };
    auto meridiemAt = [&](qsizetype k, qsizetype& next) {
        if (k < lexemes.size() && lexemes.at(k).kind == Kind::Space)
            ++k;
        if (k < lexemes.size() && lexemes.at(k).kind == Kind::Word) {
            const Meridiem m = meridiemOfWord(lexemes.at(k).text);
            if (m != Meridiem::None) {
                next = k + 1;
                return m;
            }
        }
        return Meridiem::None;
    };

    qsizetype i = 0;
    while (i < lexemes.size()) {
        const Lexeme& lx = lexemes.at(i);
        switch (lx.kind) {
        case Kind::Space:
            gap.space = true;
            ++i;
            continue;
        case Kind::DateSep:
            ++gap.dateSeps;
            ++i;
            continue;
        case Kind::Comma:
            ++gap.commas;
            ++i;
            continue;
        case Kind::TimeSep:
            ++gap.timeSeps;
            ++i;
            continue;
        case Kind::Period:
            // An abbreviation's own period ("Jan.") is not a separator.
            if (!(gap.empty() && !elements.isEmpty() && elements.last().type == Element::Type::Month))
                ++gap.periods;
            ++i;
            continue;
        case Kind::Word: {
            const int month = monthOfWord(lx.text);
            if (month == 0 || !add({Element::Type::Month, month, {}}))
                return std::nullopt;
            ++i;
            continue;
        }
        case Kind::Number:
            break;
        }

        TimeGroup time;
        time.parts.append(lx.value);
        qsizetype j = i + 1;
        while (j + 1 < lexemes.size() && (lexemes.at(j).kind == Kind::TimeSep || lexemes.at(j).kind == Kind::Period)
               && lexemes.at(j + 1).kind == Kind::Number) {
            time.periodsOnly = time.periodsOnly && lexemes.at(j).kind == Kind::Period;
            time.parts.append(lexemes.at(j + 1).value);
            j += 2;
        }
        qsizetype afterMeridiem = j;
        time.meridiem = meridiemAt(j, afterMeridiem);
        if (time.parts.size() == 1 && time.meridiem == Meridiem::None) {
            if (!add({Element::Type::Number, lx.value, {}}))
                return std::nullopt;
            i = j;
            continue;
        }
        // Three numbers joined by periods that cannot be a time are a date
        // written with periods (13.01.1970).
        if (time.periodsOnly && time.parts.size() == 3 && time.meridiem == Meridiem::None && !timeOf(time)) {
            for (int k = 0; k < 3; ++k) {
                if (k > 0)
                    gap.dateSeps = 1;
                if (!add({Element::Type::Number, time.parts.at(k), {}}))
                    return std::nullopt;
            }
            i = j;
            continue;
        }
        if (!add({Element::Type::Time, 0, time}))
            return std::nullopt;
        i = afterMeridiem;
    }
    if (!gapAllowed(elements.isEmpty() ? nullptr : &elements.last(), nullptr, gap))
        return std::nullopt;
    return parsed;
}

std::optional<QDate> makeDate(int year, int month, int day)
{
    const int y = expandTwoDigitYear(year);
    if (y < kMinDateYear || y > kMaxDateYear || month < 1 || month > 12 || day < 1)
        return std::nullopt;
    if (day > QDate(y, month, 1).daysInMonth())
        return std::nullopt;
    return QDate(y, month, day);
}

// Day, month and year fields in the given order ("mdy") from three numbers.
std::optional<QDate> dateInOrder(const QList<int>& n, const char* order)
{
    int day = 0;
    int month = 0;
    int year = 0;
    for (int k = 0; k < 3; ++k) {
        switch (order[k]) {
        case 'd':
            day = n.at(k);
            break;
        case 'm':
            month = n.at(k);
            break;
        default:
            year = n.at(k);
            break;
        }
    }
    return makeDate(year, month, day);
}

std::optional<QDate> dateOfThree(const QList<int>& n)
{
    const char* regionalOrder = "mdy";
    switch (regional().dateOrder) {
    case DateOrder::DayMonthYear:
        regionalOrder = "dmy";
        break;
    case DateOrder::YearMonthDay:
        regionalOrder = "ymd";
        break;
    case DateOrder::MonthDayYear:
        break;
    }
    // The regional order first; when it is impossible, the other orders.
    if (auto d = dateInOrder(n, regionalOrder))
        return d;
    for (const char* order : {"mdy", "ymd", "dmy"}) {
        if (std::strcmp(order, regionalOrder) != 0) {
            if (auto d = dateInOrder(n, order))
                return d;
        }
    }
    return std::nullopt;
}

// Two numbers: month and day of the current year, either way round, else
// month and year (day 1).
std::optional<QDate> dateOfTwo(int a, int b)
{
    const int year = Clock::today().year();
    const bool monthFirst = regional().dateOrder != DateOrder::DayMonthYear;
    if (auto d = monthFirst ? makeDate(year, a, b) : makeDate(year, b, a))
        return d;
    if (auto d = monthFirst ? makeDate(year, b, a) : makeDate(year, a, b))
        return d;
    if (a >= 1 && a <= 12)
        return makeDate(b, a, 1);
    if (b >= 1 && b <= 12)
        return makeDate(a, b, 1);
    return std::nullopt;
}

// A month name with one number (the day of the current year, else the year)
// or two (day and year in the regional order, else the other way round).
std::optional<QDate> dateWithMonth(int month, const QList<int>& n)
{
    if (n.size() == 1) {
        if (auto d = makeDate(Clock::today().year(), month, n.at(0)))
            return d;
        return makeDate(n.at(0), month, 1);
    }
    if (n.size() != 2)
        return std::nullopt;
    const bool yearFirst = regional().dateOrder == DateOrder::YearMonthDay;
    if (auto d = yearFirst ? makeDate(n.at(0), month, n.at(1)) : makeDate(n.at(1), month, n.at(0)))
        return d;
    return yearFirst ? makeDate(n.at(1), month, n.at(0)) : makeDate(n.at(0), month, n.at(1));
}

}  // namespace

std::optional<QDateTime> parseDate(const QString& text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return std::nullopt;
    const auto lexemes = lex(trimmed);
    if (!lexemes)
        return std::nullopt;
    const auto parsed = group(*lexemes);
    if (!parsed)
        return std::nullopt;

    const QList<Element>& elements = parsed->elements;
    const TimeGroup* time = nullptr;
    QList<int> numbers;
    int month = 0;
    for (qsizetype k = 0; k < elements.size(); ++k) {
        const Element& e = elements.at(k);
        switch (e.type) {
        case Element::Type::Time:
            // One time, before or after the whole date.
            if (time || (k != 0 && k != elements.size() - 1))
                return std::nullopt;
            time = &e.time;
            break;
        case Element::Type::Month:
            if (month != 0)
                return std::nullopt;
            month = e.value;
            break;
        case Element::Type::Number:
            numbers.append(e.value);
            break;
        }
    }
    if (parsed->hasComma && month == 0)
        return std::nullopt;

    QTime clock(0, 0);
    if (time) {
        const auto t = timeOf(*time);
        if (!t)
            return std::nullopt;
        clock = *t;
    }

    std::optional<QDate> date;
    if (month != 0)
        date = dateWithMonth(month, numbers);
    else if (numbers.size() == 3)
        date = dateOfThree(numbers);
    else if (numbers.size() == 2)
        date = dateOfTwo(numbers.at(0), numbers.at(1));
    else if (numbers.isEmpty() && time) {
        // A decimal number is not a time: "0.0" and "0.00" are refused,
        // while "0.1" reads as 00:01. Where the period is the regional time
        // separator, "00.00.00" is how midnight is shown and reads back.
        const bool periodIsTimeSeparator = separatorChar(regional().timeSeparator) == QLatin1Char('.');
        if (time->periodsOnly && !periodIsTimeSeparator && time->meridiem == Meridiem::None && clock == QTime(0, 0))
            return std::nullopt;
        date = serialEpoch();
    }
    if (!date)
        return std::nullopt;
    return wallClock(*date, clock);
}

bool isDateText(const QString& text)
{
    return parseDate(text).has_value();
}

}  // namespace orx::basic
