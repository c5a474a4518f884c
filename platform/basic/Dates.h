#pragma once

#include "platform/basic/PlatformExport.h"

#include <QDate>
#include <QDateTime>
#include <QString>
#include <optional>

// The classic date conversions: date serials, DateSerial and TimeSerial,
// DateAdd and DateDiff, Format of a date, and CDate/IsDate of a string, all
// under the current orx::basic::regional() settings.
//
// Dates are zone-free wall clock values: QDateTime marked Qt::UTC (see
// Variant.h and wallClock() in Clock.h). A value marked otherwise is read
// through its date() and time() and is never converted between zones. Dates
// carry whole seconds: wherever a date is read, milliseconds are rounded to
// the nearest second (500 ms and up round up), as the runtime shows them.
// An invalid QDateTime is not a date and raises Type mismatch (13).
namespace orx::basic {

inline constexpr int kMinDateYear = 100;
inline constexpr int kMaxDateYear = 9999;

// Day 0 of the serial count: 30 Dec 1899.
ORX_PLATFORM_EXPORT QDate serialEpoch();

// True for a date within the runtime's range (years 100 to 9999).
ORX_PLATFORM_EXPORT bool isInDateRange(const QDate& date);

// The value with its milliseconds rounded to the nearest whole second.
ORX_PLATFORM_EXPORT QDateTime roundToSecond(const QDateTime& value);

// The two-digit year window: 0-29 -> 2000-2029, 30-99 -> 1930-1999; other
// years are returned unchanged.
ORX_PLATFORM_EXPORT int expandTwoDigitYear(int year);

// Serial number of a date: days since 30 Dec 1899 plus the time as a
// fraction of a day. Before the epoch the fraction is the magnitude of the
// time: 29 Dec 1899 06:00 is -1.25. Dates outside years 100-9999 raise
// Overflow (6).
ORX_PLATFORM_EXPORT double toSerial(const QDateTime& value);
// The date of a serial number, rounded to the whole second. Non-finite
// serials and serials outside years 100-9999 raise Overflow (6).
ORX_PLATFORM_EXPORT QDateTime fromSerial(double serial);

// DateSerial: months and days out of their range carry into the year and
// month (DateSerial(1980, 6, 0) is 31 May 1980); years 0-99 follow the
// two-digit window. An argument outside -32768..32767 raises Overflow (6);
// a result outside years 100-9999 raises Invalid procedure call (5).
ORX_PLATFORM_EXPORT QDateTime dateSerial(int year, int month, int day);
// TimeSerial: hours, minutes and seconds carry into each other and into the
// day, counted from 30 Dec 1899 00:00 on the wall clock (TimeSerial(25, 0, 0)
// is 31 Dec 1899 01:00, TimeSerial(-1, 0, 0) is 29 Dec 1899 23:00). An
// argument outside -32768..32767 raises Overflow (6).
ORX_PLATFORM_EXPORT QDateTime timeSerial(int hour, int minute, int second);

// DateAdd for the intervals yyyy q m y d w ww h n s (case-insensitive; y, d
// and w add days, ww adds weeks). Month, quarter and year steps keep the day
// but clamp it to the end of the resulting month. A non-integer number is
// rounded half to even. An unknown interval, a non-finite number or a result
// outside years 100-9999 raises Invalid procedure call (5).
ORX_PLATFORM_EXPORT QDateTime dateAdd(const QString& interval, double number, const QDateTime& date);

// DateDiff: the number of interval boundaries crossed going from date1 to
// date2, negative when date1 is later. y and d count calendar days (times
// ignored), w whole weeks, ww Sundays after date1 up to and including date2.
// An unknown interval raises Invalid procedure call (5).
ORX_PLATFORM_EXPORT qint64 dateDiff(const QString& interval, const QDateTime& date1, const QDateTime& date2);

// Weekday with Sunday = 1 ... Saturday = 7.
ORX_PLATFORM_EXPORT int weekday(const QDateTime& value);
// Day of the year, 1 Jan = 1.
ORX_PLATFORM_EXPORT int dayOfYear(const QDateTime& value);
// Week of the year: the week holding 1 Jan is week 1, weeks start on Sunday.
ORX_PLATFORM_EXPORT int weekOfYear(const QDateTime& value);
// Quarter of the year, 1-4.
ORX_PLATFORM_EXPORT int quarter(const QDateTime& value);

// Format of a date. The pattern is either a named format, matched without
// regard to case ("General Date", "Long Date", "Medium Date", "Short Date",
// "Long Time", "Medium Time", "Short Time"), or a pattern of date tokens;
// an empty pattern is General Date. System formats come from the regional
// short date, long date and long time pictures.
ORX_PLATFORM_EXPORT QString formatDate(const QDateTime& value, const QString& pattern = QString());

// True when a value formatted with this pattern is formatted as a date: the
// pattern is a named date format or holds a date or time token outside its
// literal text.
ORX_PLATFORM_EXPORT bool isDatePattern(const QString& pattern);

// CDate/DateValue of a string under the regional settings; nullopt when the
// text is not a date.
ORX_PLATFORM_EXPORT std::optional<QDateTime> parseDate(const QString& text);
// IsDate of a string.
ORX_PLATFORM_EXPORT bool isDateText(const QString& text);

}  // namespace orx::basic
