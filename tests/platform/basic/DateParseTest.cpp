#include "platform/basic/Dates.h"
#include "tests/platform/basic/RegionalProfiles.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>
#include <ostream>

using namespace orx::basic;
using orx::test::Profile;
using orx::test::settingsOf;

// Readable failure messages for the wall clock values.
static void PrintTo(const QDateTime& value, std::ostream* os)
{
    *os << value.toString(Qt::ISODate).toStdString();
}

namespace {

QDateTime at(int y, int m, int d, int h = 0, int n = 0, int s = 0)
{
    return wallClock(QDate(y, m, d), QTime(h, n, s));
}

QDateTime timeOnly(int h, int n, int s = 0)
{
    return at(1899, 12, 30, h, n, s);
}

// Texts without a year take it from the clock.
const QDateTime kNow = at(2024, 6, 15, 10, 0);

struct ParseCase {
    Profile profile;
    const char* text;
    QDateTime expected;
};

void runCases(std::initializer_list<ParseCase> cases)
{
    ScopedClock clock(kNow);
    for (const ParseCase& c : cases) {
        SCOPED_TRACE(QStringLiteral("%1 \"%2\"").arg(int(c.profile)).arg(QString::fromUtf8(c.text)).toStdString());
        ScopedRegional regional(settingsOf(c.profile));
        const auto parsed = parseDate(QString::fromUtf8(c.text));
        ASSERT_TRUE(parsed.has_value());
        EXPECT_EQ(*parsed, c.expected);
        EXPECT_TRUE(isDateText(QString::fromUtf8(c.text)));
    }
}

// Serial numbers measured from the system's own conversion, US order.
TEST(DateParse, MeasuredSerials)
{
    runCases({
        {Profile::US, "1 2 3", fromSerial(37623.0)},
        {Profile::US, "14 2 3", fromSerial(41673.0)},
        {Profile::US, "2 14 3", fromSerial(37666.0)},
        {Profile::US, "2 3 14", fromSerial(41673.0)},
        {Profile::US, "32 2 3", fromSerial(11722.0)},
        {Profile::US, "1 2 29", fromSerial(47120.0)},
        {Profile::US, "1 2 30", fromSerial(10960.0)},
        {Profile::US, "1 2 31", fromSerial(11325.0)},
        {Profile::US, "30 2", fromSerial(10990.0)},
        {Profile::US, "2 30", fromSerial(10990.0)},
        {Profile::US, "Jan 35", fromSerial(12785.0)},
        {Profile::US, "35-Jan", fromSerial(12785.0)},
        {Profile::US, "2 January, 1970", fromSerial(25570.0)},
        {Profile::US, "2 Jan 1970", fromSerial(25570.0)},
        {Profile::US, "2-Jan-1970", fromSerial(25570.0)},
        {Profile::US, "1 2 1970", fromSerial(25570.0)},
        {Profile::US, "1/2/1970", fromSerial(25570.0)},
        {Profile::US, "13-1-1970", fromSerial(25581.0)},
        {Profile::US, "1970-1-13", fromSerial(25581.0)},
        {Profile::US, "6/30/2011 01:20:34", fromSerial(40724.05594907407)},
        {Profile::US, "6/30/2011 01:20:34 AM", fromSerial(40724.05594907407)},
        {Profile::US, "6/30/2011 01:20:34 PM", fromSerial(40724.55594907407)},
        {Profile::US, "6/30/2011\u30001:20:34", fromSerial(40724.05594907407)},
        {Profile::US, "2013-05-14 02:04:12", fromSerial(41408.08625000001)},
        {Profile::US, "1.2 3 4 5", fromSerial(38415.04305555556)},
        {Profile::US, "1 2 3 4.5", fromSerial(37623.17013888889)},
        {Profile::US, "1.2.3 4 5 6", fromSerial(38812.04309027778)},
        {Profile::US, "1 2 3 4.5.6", fromSerial(37623.17020833334)},
        {Profile::US, "1 am", fromSerial(0.04166666666666666)},
        {Profile::US, "0.1", fromSerial(0.0006944444444444445)},
        {Profile::US, "0.40", fromSerial(0.02777777777777778)},
        {Profile::US, "2.5", fromSerial(0.08680555555555555)},
        {Profile::US, "3:5", fromSerial(0.1284722222222222)},
        {Profile::US, "00:00 AM", fromSerial(0.0)},
        {Profile::US, "00:00 a", fromSerial(0.0)},
        {Profile::US, "12:59 AM", fromSerial(0.04097222222222222)},
        {Profile::US, "00:00 pm", fromSerial(0.5)},
        {Profile::US, "12:59 p", fromSerial(0.5409722222222222)},
        {Profile::US, "13:00 AM", fromSerial(0.5416666666666666)},
        {Profile::US, "13:00 PM", fromSerial(0.5416666666666666)},
        {Profile::US, "0.1.0", fromSerial(0.0006944444444444445)},
        {Profile::US, "1.5.2", fromSerial(0.04516203703703704)},
    });
}

TEST(DateParse, CurrentYearAndOtherForms)
{
    runCases({
        {Profile::US, "1 2", at(2024, 1, 2)},
        {Profile::US, "2 1", at(2024, 2, 1)},
        {Profile::US, "14 1", at(2024, 1, 14)},
        {Profile::US, "1 14", at(2024, 1, 14)},
        {Profile::US, "Jan 2", at(2024, 1, 2)},
        {Profile::US, "2 jan", at(2024, 1, 2)},
        {Profile::US, "Feb 29", at(2024, 2, 29)},
        {Profile::US, "3 am 1 2", at(2024, 1, 2, 3, 0)},
        {Profile::US, "1 2 3 am", at(2024, 1, 2, 3, 0)},
        {Profile::US, "1.2 3 4", at(2024, 3, 4, 1, 2)},
        {Profile::US, "3 4 1.2", at(2024, 3, 4, 1, 2)},
        {Profile::US, "1.2.3 4 5", at(2024, 4, 5, 1, 2, 3)},
        {Profile::US, "January 2, 1970", at(1970, 1, 2)},
        {Profile::US, "1970 January 2", at(1970, 1, 2)},
        {Profile::US, "Jan. 2 1970", at(1970, 1, 2)},
        {Profile::US, "12/31/99", at(1999, 12, 31)},
        {Profile::US, "1/1/00", at(2000, 1, 1)},
        {Profile::US, "  1/2/1970  ", at(1970, 1, 2)},
        {Profile::US, "12:30", timeOnly(12, 30)},
        {Profile::US, "9PM", timeOnly(21, 0)},
        {Profile::US, "10:00 1/2/1970", at(1970, 1, 2, 10, 0)},
        {Profile::US, "04.28.14", timeOnly(4, 28, 14)},
        // Three period-joined numbers that cannot be a time are a date.
        {Profile::US, "02.01.1970", at(1970, 2, 1)},
        {Profile::IT, "1/2/1970", at(1970, 2, 1)},
        {Profile::IT, "13-1-1970", at(1970, 1, 13)},
        {Profile::IT, "02/13/1970", at(1970, 2, 13)},
        {Profile::IT, "31/12/2020", at(2020, 12, 31)},
        {Profile::IT, "31/12/20", at(2020, 12, 31)},
        {Profile::IT, "31/12/30", at(1930, 12, 31)},
        {Profile::IT, "31/02/20", at(1931, 2, 20)},  // day-month fails, year-month-day fits
        {Profile::IT, "1 2 3", at(2003, 2, 1)},
        {Profile::IT, "1 2", at(2024, 2, 1)},
        {Profile::IT, "2 1", at(2024, 1, 2)},
        {Profile::IT, "2 gen 1970", at(1970, 1, 2)},
        {Profile::IT, "2 gennaio 1970", at(1970, 1, 2)},
        {Profile::IT, "2 GEN. 1970", at(1970, 1, 2)},
        {Profile::IT, "2 January 1970", at(1970, 1, 2)},
        {Profile::IT, "mar 5", at(2024, 3, 5)},
        {Profile::IT, "1970-1-13", at(1970, 1, 13)},
        {Profile::IT, "13.01.1970", at(1970, 1, 13)},
        {Profile::IT, "02.01.1970 00:00:00", at(1970, 1, 2)},
        {Profile::IT, "2.5", timeOnly(2, 5)},
        {Profile::IT, "31/12/2020 23:59:59", at(2020, 12, 31, 23, 59, 59)},
        {Profile::ItalianDotTime, "12.30", timeOnly(12, 30)},
        {Profile::ItalianDotTime, "00.00.00", timeOnly(0, 0)},
        {Profile::ItalianDotTime, "12.30.15", timeOnly(12, 30, 15)},
        {Profile::ItalianDotTime, "13.01.1970", at(1970, 1, 13)},
        {Profile::ItalianDotTime, "31/12/2020 12.30", at(2020, 12, 31, 12, 30)},
        {Profile::German, "02.01.1970", fromSerial(25570.0)},
        {Profile::German, "02.13.1970", fromSerial(25612.0)},
        {Profile::German, "02-13-1970", fromSerial(25612.0)},
        {Profile::German, "2020-01-11", fromSerial(43841.0)},
        {Profile::German, "2173-10-14", fromSerial(100000.0)},
        {Profile::German, "02.01.1970 00:00:00", fromSerial(25570.0)},
    });
}

TEST(DateParse, RejectsTextsThatAreNotDates)
{
    const char* const texts[] = {
        "", "   ", "True", "False", "Hello", "0.", ".0", "-1.1", "1.1-", "1;2;3", "1*2*3", "1@2@3", "1#2#3",
        "(1:2)", "<1:2>", "1|2|3", "0", "1", "0.0", "0.00", "0.60", "24.00", "0:60", "24:00", "12:",
        "1 2 am", "1 am 2", "1.5 2", "1 5.2", "2 32 3", "1 2 am 3", "1 2.3 4", "1.2.3 4", "1 2.3.4",
        "1.2 3.4", "1.2.3.4", "1 2 3 4", "1 am 2 3.4", "1.2 3 am 4", "1.2.3.4.5", "1 2 3 4 5",
        "1 2 am 3 4.5.6", "32 49", "0 49", "31/02/2020", "2/30/2020 10:00", "2013-05-14 02:04:12.017000000",
        "Thursday, November 11, 1999", "giovedì 11 novembre 1999", "Jan", "Jan Feb 2", "1,2,3", "1//2/3",
        "1/2/10000", "1/2/1970 PM", "1/2/1970-10:00", "123456789012", "1/2/1970 25:00", "2.5.2020.1",
    };
    ScopedClock clock(kNow);
    for (Profile profile : {Profile::US, Profile::IT}) {
        ScopedRegional regional(settingsOf(profile));
        for (const char* text : texts) {
            SCOPED_TRACE(QStringLiteral("%1 \"%2\"").arg(int(profile)).arg(QString::fromUtf8(text)).toStdString());
            EXPECT_FALSE(parseDate(QString::fromUtf8(text)).has_value());
            EXPECT_FALSE(isDateText(QString::fromUtf8(text)));
        }
    }
}

// What Format shows, CDate reads back: the text box commits what it displays.
TEST(DateParse, ReadsBackWhatFormatShows)
{
    const double serials[] = {36475.7, 36475.0, 0.5, 2.525, -1.25, 47120.99999, 2958465.0, -657434.0};
    const char* const patterns[] = {"General Date", "Short Date", "Medium Date", "Long Time", "dd/mm/yyyy hh:nn:ss"};
    ScopedClock clock(kNow);
    for (Profile profile : {Profile::US, Profile::IT, Profile::ItalianDotTime, Profile::German}) {
        ScopedRegional regional(settingsOf(profile));
        for (double serial : serials) {
            for (const char* pattern : patterns) {
                const QDateTime value = fromSerial(serial);
                const QString text = formatDate(value, QLatin1String(pattern));
                SCOPED_TRACE(QStringLiteral("%1 %2 %3 \"%4\"").arg(int(profile)).arg(serial).arg(QLatin1String(pattern), text)
                                 .toStdString());
                // A time-only pattern loses the date and a date-only one the time.
                QDateTime expected = value;
                const QString lower = QString::fromLatin1(pattern).toLower();
                if (lower.endsWith(QLatin1String("time")))
                    expected = wallClock(serialEpoch(), value.time());
                else if (lower.endsWith(QLatin1String("date")) && lower != QLatin1String("general date"))
                    expected = wallClock(value.date());
                if (lower == QLatin1String("medium date") && (value.date().year() < 1930 || value.date().year() > 2029))
                    continue;  // a two-digit year names a single century
                if (lower == QLatin1String("dd/mm/yyyy hh:nn:ss") && profile != Profile::IT && profile != Profile::German)
                    continue;  // day first only reads back in day-first settings
                EXPECT_EQ(parseDate(text), std::optional<QDateTime>(expected));
            }
        }
    }
}

}  // namespace
