#include "platform/basic/BasicError.h"
#include "platform/basic/Dates.h"
#include "tests/support/TestSupport.h"

#include <cmath>
#include <functional>
#include <gtest/gtest.h>
#include <ostream>
#include <limits>

using namespace orx::basic;

// Readable failure messages for the wall clock values.
static void PrintTo(const QDateTime& value, std::ostream* os)
{
    *os << value.toString(Qt::ISODate).toStdString();
}

namespace {

QDateTime at(int y, int m, int d, int h = 0, int n = 0, int s = 0, int ms = 0)
{
    return wallClock(QDate(y, m, d), QTime(h, n, s, ms));
}

// The error number a call raises, 0 when it returns.
template <typename F>
int errorOf(F&& call)
{
    try {
        call();
    } catch (const BasicError& e) {
        return e.number();
    }
    return 0;
}

TEST(DateSerial, SerialsMapToWallClockDates)
{
    struct Case {
        double serial;
        QDateTime date;
        bool roundTrips;  // toSerial(date) gives the serial back
    };
    const Case cases[] = {
        {0.0, at(1899, 12, 30), true},
        {2.525, at(1900, 1, 1, 12, 36), true},
        {2.725, at(1900, 1, 1, 17, 24), true},
        {36475.0, at(1999, 11, 11), true},
        {25570.0, at(1970, 1, 2), true},
        {-1.25, at(1899, 12, 29, 6, 0), true},  // the fraction is the time's magnitude
        {-1.0, at(1899, 12, 29), true},
        {-2.75, at(1899, 12, 28, 18, 0), true},
        {-657434.0, at(100, 1, 1), true},
        {2958465.0, at(9999, 12, 31), true},
        {40724.05594907407, at(2011, 6, 30, 1, 20, 34), true},
        // Day 0 shows the same time on either side of zero.
        {-0.25, at(1899, 12, 30, 6, 0), false},
        // A time within half a second of midnight rolls to the next day.
        {1.9999999, at(1900, 1, 1), false},
        {-1.9999999, at(1899, 12, 30), false},
        {2958465.99999, at(9999, 12, 31, 23, 59, 59), false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.serial);
        EXPECT_EQ(fromSerial(c.serial), c.date);
        if (c.roundTrips) {
            EXPECT_NEAR(toSerial(c.date), c.serial, 1e-9);
        }
    }
    EXPECT_EQ(weekday(fromSerial(36475.0)), 5);  // a Thursday
}

TEST(DateSerial, BadArgumentsRaiseTheRuntimeErrors)
{
    struct Case {
        const char* what;
        std::function<void()> call;
        int error;
    };
    const QDateTime y2k = at(2000, 1, 1);
    const Case cases[] = {
        {"NaN serial", [] { fromSerial(std::nan("")); }, err::Overflow},
        {"infinite serial", [] { fromSerial(std::numeric_limits<double>::infinity()); }, err::Overflow},
        {"31 Dec 99", [] { fromSerial(-657435.0); }, err::Overflow},
        {"1 Jan 10000", [] { fromSerial(2958466.0); }, err::Overflow},
        {"rounds into 10000", [] { fromSerial(2958465.999999999); }, err::Overflow},
        {"year 99", [] { toSerial(at(99, 12, 31)); }, err::Overflow},
        {"last second rounds over", [] { toSerial(at(9999, 12, 31, 23, 59, 59, 500)); }, err::Overflow},
        {"invalid date", [] { toSerial(QDateTime()); }, err::TypeMismatch},
        {"year over Integer", [] { dateSerial(32768, 1, 1); }, err::Overflow},
        {"month under Integer", [] { dateSerial(2000, -32769, 1); }, err::Overflow},
        {"year 10000", [] { dateSerial(10000, 1, 1); }, err::InvalidProcedureCall},
        {"carried past 9999", [] { dateSerial(9999, 12, 32); }, err::InvalidProcedureCall},
        {"carried before 100", [] { dateSerial(100, 1, 0); }, err::InvalidProcedureCall},
        {"negative year", [] { dateSerial(-1, 1, 1); }, err::InvalidProcedureCall},
        {"hour over Integer", [] { timeSerial(32768, 0, 0); }, err::Overflow},
        {"second under Integer", [] { timeSerial(0, 0, -32769); }, err::Overflow},
        {"unknown interval", [&] { dateAdd(QStringLiteral("x"), 1, y2k); }, err::InvalidProcedureCall},
        {"empty interval", [&] { dateAdd(QString(), 1, y2k); }, err::InvalidProcedureCall},
        {"padded interval", [&] { dateAdd(QStringLiteral(" d"), 1, y2k); }, err::InvalidProcedureCall},
        {"years before 100", [] { dateAdd(QStringLiteral("yyyy"), -1, at(100, 6, 1)); }, err::InvalidProcedureCall},
        {"month after 9999", [] { dateAdd(QStringLiteral("m"), 1, at(9999, 12, 1)); }, err::InvalidProcedureCall},
        {"day after 9999", [] { dateAdd(QStringLiteral("d"), 1, at(9999, 12, 31)); }, err::InvalidProcedureCall},
        {"second before 100", [] { dateAdd(QStringLiteral("s"), -1, at(100, 1, 1)); }, err::InvalidProcedureCall},
        {"NaN number", [&] { dateAdd(QStringLiteral("d"), std::nan(""), y2k); }, err::InvalidProcedureCall},
        {"huge seconds", [&] { dateAdd(QStringLiteral("s"), 1e15, y2k); }, err::InvalidProcedureCall},
        {"huge years", [&] { dateAdd(QStringLiteral("yyyy"), -1e11, y2k); }, err::InvalidProcedureCall},
        {"add to invalid", [] { dateAdd(QStringLiteral("d"), 1, QDateTime()); }, err::TypeMismatch},
        {"unknown difference", [&] { dateDiff(QStringLiteral("z"), y2k, y2k); }, err::InvalidProcedureCall},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(errorOf(c.call), c.error);
    }
    EXPECT_EQ(errorOf([] { fromSerial(-657434.5); }), 0);
}

TEST(DateSerial, MillisecondsRoundToTheNearestSecond)
{
    EXPECT_DOUBLE_EQ(toSerial(at(2000, 1, 1, 12, 0, 0, 500)), toSerial(at(2000, 1, 1, 12, 0, 1)));
    EXPECT_DOUBLE_EQ(toSerial(at(2000, 1, 1, 12, 0, 0, 499)), toSerial(at(2000, 1, 1, 12, 0, 0)));
    EXPECT_EQ(roundToSecond(at(2000, 12, 31, 23, 59, 59, 700)), at(2001, 1, 1));
    // A date is read on its wall clock, however it is marked.
    EXPECT_DOUBLE_EQ(toSerial(QDateTime(QDate(1999, 11, 11), QTime(0, 0), Qt::LocalTime)), 36475.0);
}

TEST(DateSerial, DateSerialCarriesOutOfRangeParts)
{
    struct Case {
        int y, m, d;
        QDate expected;
    };
    const Case cases[] = {
        {1990 - 10, 8 - 2, 1 - 1, QDate(1980, 5, 31)},
        {2000, 2, 30, QDate(2000, 3, 1)},
        {2000, 13, 1, QDate(2001, 1, 1)},
        {2000, 0, 1, QDate(1999, 12, 1)},
        {2000, 1, 0, QDate(1999, 12, 31)},
        {2000, 1, -365, QDate(1998, 12, 31)},
        {2000, 1, 32767, QDate(2089, 9, 16)},
        {0, 1, 1, QDate(2000, 1, 1)},
        {29, 12, 31, QDate(2029, 12, 31)},
        {30, 1, 1, QDate(1930, 1, 1)},
        {99, 13, 1, QDate(2000, 1, 1)},  // the window first, then the carry
        {100, 1, 1, QDate(100, 1, 1)},
        {9999, 12, 31, QDate(9999, 12, 31)},
        {-5, 12 * 200 + 1, 1, QDate(195, 1, 1)},  // the carry passes through year 0
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(QStringLiteral("%1 %2 %3").arg(c.y).arg(c.m).arg(c.d).toStdString());
        EXPECT_EQ(dateSerial(c.y, c.m, c.d), wallClock(c.expected));
    }
}

TEST(DateSerial, TimeSerialCarriesOnTheWallClock)
{
    struct Case {
        int h, m, s;
        QDateTime expected;
    };
    const Case cases[] = {
        {12 - 6, -15, 0, at(1899, 12, 30, 5, 45)},
        {0, 90, 90, at(1899, 12, 30, 1, 31, 30)},
        {25, 0, 0, at(1899, 12, 31, 1, 0)},
        {-1, 0, 0, at(1899, 12, 29, 23, 0)},
        {0, 0, -1, at(1899, 12, 29, 23, 59, 59)},
        {23, 59, 59, at(1899, 12, 30, 23, 59, 59)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(QStringLiteral("%1 %2 %3").arg(c.h).arg(c.m).arg(c.s).toStdString());
        EXPECT_EQ(timeSerial(c.h, c.m, c.s), c.expected);
    }
    EXPECT_NEAR(toSerial(timeSerial(25, 0, 0)), 1.0 + 1.0 / 24.0, 1e-12);
}

TEST(DateSerial, DateAddStepsAndClampsToMonthEnd)
{
    struct Case {
        const char* interval;
        double number;
        QDateTime start;
        QDateTime expected;
    };
    const Case cases[] = {
        {"m", 1, at(1995, 1, 31), at(1995, 2, 28)},
        {"m", 1, at(1996, 1, 31), at(1996, 2, 29)},
        {"m", -1, at(2020, 3, 31, 8, 30), at(2020, 2, 29, 8, 30)},
        {"m", 13, at(2019, 12, 15), at(2021, 1, 15)},
        {"yyyy", 1, at(2020, 2, 29), at(2021, 2, 28)},
        {"YYYY", -20, at(2020, 6, 1), at(2000, 6, 1)},
        {"q", 1, at(2020, 11, 30), at(2021, 2, 28)},
        {"q", -2, at(2021, 8, 31), at(2021, 2, 28)},
        {"d", 1, at(1999, 12, 31, 23, 0), at(2000, 1, 1, 23, 0)},
        {"w", 1, at(1999, 12, 31), at(2000, 1, 1)},  // w adds days, not weeks
        {"ww", 1, at(1999, 12, 31), at(2000, 1, 7)},
        {"h", -1, at(1899, 12, 30, 0, 30), at(1899, 12, 29, 23, 30)},
        {"n", 90, at(2000, 1, 1, 23, 0), at(2000, 1, 2, 0, 30)},
        {"s", -1, at(2000, 1, 1), at(1999, 12, 31, 23, 59, 59)},
        // Non-integer numbers are rounded half to even.
        {"d", 1.5, at(2000, 1, 1), at(2000, 1, 3)},
        {"d", 2.5, at(2000, 1, 1), at(2000, 1, 3)},
        {"d", -0.5, at(2000, 1, 1), at(2000, 1, 1)},
        {"d", 0.6, at(2000, 1, 1), at(2000, 1, 2)},
        {"m", -1.5, at(2000, 5, 31), at(2000, 3, 31)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(QStringLiteral("%1 %2").arg(QLatin1String(c.interval)).arg(c.number).toStdString());
        EXPECT_EQ(dateAdd(QLatin1String(c.interval), c.number, c.start), c.expected);
    }
}

TEST(DateSerial, DateDiffCountsBoundariesCrossed)
{
    struct Case {
        const char* interval;
        QDateTime from;
        QDateTime to;
        qint64 expected;
    };
    const Case cases[] = {
        {"yyyy", at(1999, 12, 31, 23, 59, 59), at(2000, 1, 1), 1},
        {"yyyy", at(2000, 1, 1), at(2000, 12, 31), 0},
        {"q", at(2000, 3, 31), at(2000, 4, 1), 1},
        {"m", at(2000, 1, 31), at(2000, 2, 1), 1},
        {"m", at(2000, 1, 1), at(2001, 3, 31), 14},
        {"d", at(2000, 1, 1, 23, 59), at(2000, 1, 2, 0, 1), 1},
        {"y", at(2000, 1, 1, 0, 1), at(2000, 1, 1, 23, 59), 0},
        {"h", at(2000, 1, 1, 10, 59, 59), at(2000, 1, 1, 11, 0, 0), 1},
        {"n", at(2000, 1, 1, 10, 0, 59), at(2000, 1, 1, 10, 1, 0), 1},
        {"s", at(1999, 12, 31, 23, 59, 59), at(2000, 1, 1), 1},
        {"h", at(1899, 12, 29, 23, 30), at(1899, 12, 30, 0, 30), 1},
        // ww: Sundays after date1 up to and including date2 (2000-01-01 is a Saturday).
        {"ww", at(2000, 1, 1), at(2000, 1, 2), 1},
        {"ww", at(2000, 1, 2), at(2000, 1, 8), 0},
        {"ww", at(2000, 1, 2), at(2000, 1, 9), 1},
        // w: whole weeks.
        {"w", at(2000, 1, 1), at(2000, 1, 7), 0},
        {"w", at(2000, 1, 1), at(2000, 1, 8), 1},
        // Negative when date1 is later.
        {"yyyy", at(2000, 1, 1), at(1999, 12, 31), -1},
        {"d", at(2000, 3, 1), at(2000, 2, 1), -29},
        {"w", at(2000, 1, 14), at(2000, 1, 1), -1},
        {"ww", at(2000, 1, 9), at(2000, 1, 2), -1},
        {"n", at(2000, 1, 1, 10, 1, 0), at(2000, 1, 1, 10, 0, 59), -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(QStringLiteral("%1 %2 -> %3").arg(QLatin1String(c.interval), c.from.toString(Qt::ISODate),
                                                       c.to.toString(Qt::ISODate)).toStdString());
        EXPECT_EQ(dateDiff(QLatin1String(c.interval), c.from, c.to), c.expected);
    }
}

TEST(DateSerial, CalendarFieldsStartOnSunday)
{
    struct Case {
        QDate date;
        int weekday, dayOfYear, week, quarter;
    };
    const Case cases[] = {
        {QDate(1899, 12, 30), 7, 364, 52, 4},
        {QDate(1999, 11, 11), 5, 315, 46, 4},
        {QDate(2022, 1, 1), 7, 1, 1, 1},   // a Saturday: the 1st week is one day long
        {QDate(2022, 1, 2), 1, 2, 2, 1},
        {QDate(2023, 1, 1), 1, 1, 1, 1},
        {QDate(2023, 1, 7), 7, 7, 1, 1},
        {QDate(2024, 12, 31), 3, 366, 53, 4},
        {QDate(2024, 4, 1), 2, 92, 14, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.date.toString(Qt::ISODate).toStdString());
        const QDateTime v = wallClock(c.date);
        EXPECT_EQ(weekday(v), c.weekday);
        EXPECT_EQ(dayOfYear(v), c.dayOfYear);
        EXPECT_EQ(weekOfYear(v), c.week);
        EXPECT_EQ(quarter(v), c.quarter);
    }
}

}  // namespace
