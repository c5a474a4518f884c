#include "platform/basic/Dates.h"

#include "platform/basic/BasicError.h"
#include "platform/basic/Clock.h"

#include <algorithm>
#include <cmath>

namespace orx::basic {

namespace {

constexpr qint64 kSecondsPerDay = 86400;

// Serials of 1 Jan 100 and of the day after 31 Dec 9999.
constexpr double kFirstSerialDay = -657434.0;
constexpr double kEndSerialDay = 2958466.0;

qint64 floorDiv(qint64 a, qint64 b)
{
    const qint64 q = a / b;
    return (a % b != 0 && ((a < 0) != (b < 0))) ? q - 1 : q;
}

qint64 floorMod(qint64 a, qint64 b)
{
    return a - floorDiv(a, b) * b;
}

// Proleptic Gregorian day count (days since 1 Jan 1970) over astronomical
// years. DateSerial's carry may pass through years QDate cannot hold (year 0)
// before the result is checked against the range, so the carry is done here.
qint64 daysFromCivil(qint64 y, int m, int d)
{
    y -= m <= 2 ? 1 : 0;
    const qint64 era = floorDiv(y, 400);
    const qint64 yoe = y - era * 400;
    const qint64 doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const qint64 doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

struct Civil {
    qint64 year;
    int month;
    int day;
};

Civil civilFromDays(qint64 z)
{
    z += 719468;
    const qint64 era = floorDiv(z, 146097);
    const qint64 doe = z - era * 146097;
    const qint64 yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const qint64 doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const qint64 mp = (5 * doy + 2) / 153;
    const int d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    const int m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    return {yoe + era * 400 + (m <= 2 ? 1 : 0), m, d};
}

// The runtime's Integer arguments: a value that does not fit is an overflow
// of the argument conversion, before the function runs.
void requireInteger(int value)
{
    if (value < -32768 || value > 32767)
        raiseError(err::Overflow);
}

QDateTime requireDate(const QDateTime& value)
{
    if (!value.isValid())
        raiseError(err::TypeMismatch);
    return roundToSecond(value);
}

enum class Interval { Year, Quarter, Month, DayOfYear, Day, Weekday, Week, Hour, Minute, Second };

Interval intervalOf(const QString& text)
{
    const QString t = text.toLower();
    if (t == QLatin1String("yyyy"))
        return Interval::Year;
    if (t == QLatin1String("q"))
        return Interval::Quarter;
    if (t == QLatin1String("m"))
        return Interval::Month;
    if (t == QLatin1String("y"))
        return Interval::DayOfYear;
    if (t == QLatin1String("d"))
        return Interval::Day;
    if (t == QLatin1String("w"))
        return Interval::Weekday;
    if (t == QLatin1String("ww"))
        return Interval::Week;
    if (t == QLatin1String("h"))
        return Interval::Hour;
    if (t == QLatin1String("n"))
        return Interval::Minute;
    if (t == QLatin1String("s"))
        return Interval::Second;
    raiseError(err::InvalidProcedureCall);
}

double roundHalfEven(double x)
{
    const double r = std::round(x);
    if (std::fabs(x - std::trunc(x)) == 0.5)
        return 2.0 * std::round(x / 2.0);
    return r;
}

// The month count keeps the day, clamped to the new month's length.
QDateTime addMonthsClamped(const QDateTime& start, qint64 months)
{
    const QDate d = start.date();
    const qint64 total = qint64(d.year()) * 12 + (d.month() - 1) + months;
    const qint64 year = floorDiv(total, 12);
    if (year < kMinDateYear || year > kMaxDateYear)
        raiseError(err::InvalidProcedureCall);
    const int month = static_cast<int>(floorMod(total, 12)) + 1;
    const int day = std::min(d.day(), QDate(static_cast<int>(year), month, 1).daysInMonth());
    return wallClock(QDate(static_cast<int>(year), month, day), start.time());
}

QDateTime addSecondsChecked(const QDateTime& start, qint64 seconds)
{
    // Far beyond the whole range: refuse before the arithmetic can overflow.
    constexpr qint64 kSpan = qint64(kEndSerialDay - kFirstSerialDay + 2) * kSecondsPerDay;
    if (seconds > kSpan || seconds < -kSpan)
        raiseError(err::InvalidProcedureCall);
    const QDateTime result = start.addSecs(seconds);
    if (!isInDateRange(result.date()))
        raiseError(err::InvalidProcedureCall);
    return result;
}

// Seconds on a linear scale (Julian day based) for boundary counting.
qint64 linearSeconds(const QDateTime& v)
{
    return v.date().toJulianDay() * kSecondsPerDay + v.time().msecsSinceStartOfDay() / 1000;
}

// Week index that changes on every Sunday (Julian day 6 is a Sunday).
qint64 sundayWeekIndex(const QDate& d)
{
    return floorDiv(d.toJulianDay() + 1, 7);
}

}  // namespace

QDate serialEpoch()
{
    return QDate(1899, 12, 30);
}

bool isInDateRange(const QDate& date)
{
    return date.isValid() && date.year() >= kMinDateYear && date.year() <= kMaxDateYear;
}

QDateTime roundToSecond(const QDateTime& value)
{
    if (!value.isValid())
        return value;
    const QTime t = value.time();
    const QDateTime whole = wallClock(value.date(), QTime(t.hour(), t.minute(), t.second()));
    return t.msec() >= 500 ? whole.addSecs(1) : whole;
}

int expandTwoDigitYear(int year)
{
    if (year >= 0 && year <= 29)
        return year + 2000;
    if (year >= 30 && year <= 99)
        return year + 1900;
    return year;
}

double toSerial(const QDateTime& value)
{
    const QDateTime v = requireDate(value);
    if (!isInDateRange(v.date()))
        raiseError(err::Overflow);
    const qint64 days = serialEpoch().daysTo(v.date());
    const double fraction = double(v.time().msecsSinceStartOfDay() / 1000) / double(kSecondsPerDay);
    return days >= 0 ? double(days) + fraction : double(days) - fraction;
}

QDateTime fromSerial(double serial)
{
    if (!std::isfinite(serial) || serial <= kFirstSerialDay - 1.0 || serial >= kEndSerialDay)
        raiseError(err::Overflow);
    double whole = 0.0;
    const double fraction = std::modf(serial, &whole);
    // The time is the magnitude of the fraction on either side of the epoch.
    qint64 seconds = std::llround(std::fabs(fraction) * double(kSecondsPerDay));
    QDate date = serialEpoch().addDays(static_cast<qint64>(whole));
    if (seconds >= kSecondsPerDay) {
        seconds -= kSecondsPerDay;
        date = date.addDays(1);
    }
    if (!isInDateRange(date))
        raiseError(err::Overflow);
    return wallClock(date, QTime(0, 0).addSecs(static_cast<int>(seconds)));
}

QDateTime dateSerial(int year, int month, int day)
{
    requireInteger(year);
    requireInteger(month);
    requireInteger(day);
    const qint64 y = expandTwoDigitYear(year);
    const qint64 carriedYear = y + floorDiv(month - 1, 12);
    const int carriedMonth = static_cast<int>(floorMod(month - 1, 12)) + 1;
    const Civil c = civilFromDays(daysFromCivil(carriedYear, carriedMonth, 1) + (day - 1));
    if (c.year < kMinDateYear || c.year > kMaxDateYear)
        raiseError(err::InvalidProcedureCall);
    return wallClock(QDate(static_cast<int>(c.year), c.month, c.day));
}

QDateTime timeSerial(int hour, int minute, int second)
{
    requireInteger(hour);
    requireInteger(minute);
    requireInteger(second);
    const qint64 total = qint64(hour) * 3600 + qint64(minute) * 60 + second;
    const qint64 days = floorDiv(total, kSecondsPerDay);
    const int seconds = static_cast<int>(total - days * kSecondsPerDay);
    return wallClock(serialEpoch().addDays(days), QTime(0, 0).addSecs(seconds));
}

QDateTime dateAdd(const QString& interval, double number, const QDateTime& date)
{
    const Interval unit = intervalOf(interval);
    const QDateTime start = requireDate(date);
    if (!std::isfinite(number))
        raiseError(err::InvalidProcedureCall);
    const double rounded = roundHalfEven(number);
    // No step this large lands inside the range; refusing here keeps the
    // integer arithmetic below from overflowing.
    if (std::fabs(rounded) > 1e12)
        raiseError(err::InvalidProcedureCall);
    const auto n = static_cast<qint64>(rounded);
    switch (unit) {
    case Interval::Year:
        return addMonthsClamped(start, n * 12);
    case Interval::Quarter:
        return addMonthsClamped(start, n * 3);
    case Interval::Month:
        return addMonthsClamped(start, n);
    case Interval::DayOfYear:
    case Interval::Day:
    case Interval::Weekday:
        return addSecondsChecked(start, n * kSecondsPerDay);
    case Interval::Week:
        return addSecondsChecked(start, n * 7 * kSecondsPerDay);
    case Interval::Hour:
        return addSecondsChecked(start, n * 3600);
    case Interval::Minute:
        return addSecondsChecked(start, n * 60);
    case Interval::Second:
        return addSecondsChecked(start, n);
    }
    raiseError(err::InvalidProcedureCall);
}

qint64 dateDiff(const QString& interval, const QDateTime& date1, const QDateTime& date2)
{
    const Interval unit = intervalOf(interval);
    const QDateTime a = requireDate(date1);
    const QDateTime b = requireDate(date2);
    const QDate da = a.date();
    const QDate db = b.date();
    switch (unit) {
    case Interval::Year:
        return db.year() - da.year();
    case Interval::Quarter:
        return (qint64(db.year()) * 4 + (db.month() - 1) / 3) - (qint64(da.year()) * 4 + (da.month() - 1) / 3);
    case Interval::Month:
        return (qint64(db.year()) * 12 + db.month()) - (qint64(da.year()) * 12 + da.month());
    case Interval::DayOfYear:
    case Interval::Day:
        return da.daysTo(db);
    case Interval::Weekday:
        return da.daysTo(db) / 7;  // whole weeks, truncated toward zero either way
    case Interval::Week:
        return sundayWeekIndex(db) - sundayWeekIndex(da);
    case Interval::Hour:
        return floorDiv(linearSeconds(b), 3600) - floorDiv(linearSeconds(a), 3600);
    case Interval::Minute:
        return floorDiv(linearSeconds(b), 60) - floorDiv(linearSeconds(a), 60);
    case Interval::Second:
        return linearSeconds(b) - linearSeconds(a);
    }
    raiseError(err::InvalidProcedureCall);
}

int weekday(const QDateTime& value)
{
    return requireDate(value).date().dayOfWeek() % 7 + 1;
}

int dayOfYear(const QDateTime& value)
{
    return requireDate(value).date().dayOfYear();
}

int weekOfYear(const QDateTime& value)
{
    const QDate d = requireDate(value).date();
    const int firstWeekday = QDate(d.year(), 1, 1).dayOfWeek() % 7;  // Sunday = 0
    return (d.dayOfYear() - 1 + firstWeekday) / 7 + 1;
}

int quarter(const QDateTime& value)
{
    return (requireDate(value).date().month() - 1) / 3 + 1;
}

}  // namespace orx::basic
