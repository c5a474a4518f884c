#pragma once

#include "platform/basic/Currency.h"
#include "platform/basic/PlatformExport.h"

#include <QDateTime>
#include <QString>
#include <QVariant>
#include <cstdint>

// Conversions of variants, as the classic runtime applies them to a value of
// any type (CStr, CDbl, CInt, CLng, CSng, CCur, CDate, CBool, IsNumeric,
// IsDate, Format). The typed rules live in Numbers.h and Dates.h; this is
// where a variant's type chooses among them.
//
// Common rules: Empty converts to 0, "" or the date of serial 0; Null raises
// "Invalid use of Null" (94) except where noted; a string that is not of the
// target type raises "Type mismatch" (13); a value outside the target range
// raises "Overflow" (6).
namespace orx::basic {

ORX_PLATFORM_EXPORT QString cstr(const QVariant& value);  // booleans "True"/"False", dates General Date
ORX_PLATFORM_EXPORT double cdbl(const QVariant& value);   // dates as their serial, booleans -1/0
ORX_PLATFORM_EXPORT std::int16_t cint(const QVariant& value);
ORX_PLATFORM_EXPORT std::int32_t clng(const QVariant& value);
ORX_PLATFORM_EXPORT float csng(const QVariant& value);
ORX_PLATFORM_EXPORT Currency ccur(const QVariant& value);
ORX_PLATFORM_EXPORT QDateTime cdate(const QVariant& value);  // numbers as serials; strings by the date rules, else as numbers
ORX_PLATFORM_EXPORT bool cbool(const QVariant& value);       // "True"/"False" in any case or a number; 0 is false

ORX_PLATFORM_EXPORT bool isNumeric(const QVariant& value);  // Empty true, Null and dates false
ORX_PLATFORM_EXPORT bool isDate(const QVariant& value);     // date values, and strings that read as dates

// Format(value, pattern). Null gives the pattern's fourth section or "";
// Empty gives "" with no pattern and is 0 otherwise; a numeric string is read
// with the regional settings; a number meets a date pattern as a serial, and
// a date a number pattern as its serial; other strings take the text
// placeholders @ & < > !.
ORX_PLATFORM_EXPORT QString format(const QVariant& value, const QString& pattern = QString());

// Format of a text with the text placeholders: @ a character or a space,
// & a character or nothing, < lower case, > upper case, ! fill from the left.
ORX_PLATFORM_EXPORT QString formatText(const QString& text, const QString& pattern);

}  // namespace orx::basic
