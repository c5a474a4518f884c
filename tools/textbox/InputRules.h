#pragma once

#include "tools/common/ToolsExport.h"
#include "tools/textbox/Templates.h"

#include <QString>
#include <QTime>
#include <optional>

// What happens to a typed value when it is committed: the expansion of
// short dates and times, the validity of a value for its template, the
// limits and the range check. Plain functions; the control's commit
// (TextBoxCommit.cpp) adds the messages, events and undo around them.
namespace orx::tools::textbox {

// The century of a two-digit year: "20" for 00-29, "19" for 30-99.
ORX_TOOLS_EXPORT QString centuryOf(int twoDigitYear);

// Full dates (order 4, 5 or 6): the regional separator becomes "/", six or
// eight digits become a date, a two-digit year is widened.
ORX_TOOLS_EXPORT QString expandDate(const QString& value, int order, const QString& dateSeparator);
// Month-Year and Year-Month: four or six digits, a two-digit year widened.
ORX_TOOLS_EXPORT QString expandMonthYear(const QString& value, int templ, const QString& dateSeparator);
// Hour-Minute and Hour-Minute-Seconds: four or six digits; four digits for
// Hour-Minute-Seconds take the seconds of `now`.
ORX_TOOLS_EXPORT QString expandTime(const QString& value, int templ, const QString& timeSeparator, const QTime& now);
// Day-Month and Month-Day: four digits become dd/mm (mm/dd).
ORX_TOOLS_EXPORT QString expandDayMonth(const QString& value, const QString& dateSeparator);
// A Day-Month or Month-Day value after expansion, in its internal form, or
// nullopt when it is not a day of `year`.
ORX_TOOLS_EXPORT std::optional<QString> validDayMonth(const QString& expanded, int templ, int year);

// Ten characters with "/" at the separator positions, digits elsewhere, and
// a real date in that order (4 day-month-year, 5 month-day-year, 6
// year-month-day).
ORX_TOOLS_EXPORT bool isValidDate(const QString& text, int order);

// IsValidValue: whether a normalised value is valid for the template, and
// the value as it is then kept (Percent keeps the number it read).
struct ORX_TOOLS_EXPORT Validity {
    bool valid = false;
    QString value;
};
ORX_TOOLS_EXPORT Validity isValidValue(int templ, const QString& value, bool allowNothing);

// A valid value written the way the template stores it: Percent as the
// number followed by "%", times as two-digit hh:nn(:ss). Others unchanged.
ORX_TOOLS_EXPORT QString storedForm(int templ, const QString& validValue);

// MinValue / MaxValue: the limit as stored (times in their internal form),
// or "" when it is not usable for the template.
ORX_TOOLS_EXPORT QString usableLimit(int templ, const QString& limit, int year);

// The number at the start of a text: the whole text when it is a regional
// number, else sign, digits and the regional decimal separator up to the
// first other character (0 when there is none).
ORX_TOOLS_EXPORT double leadingNumber(const QString& text, const QString& decimalSeparator);

// yyyymmdd of a value in a date template's internal form; a missing year is
// `year`, a missing day 01. A text that is not in the internal form is
// returned as it is.
ORX_TOOLS_EXPORT QString sortKey(int templ, const QString& value, int year);

// CheckRange: whether a value lies below a non-empty minimum or above a
// non-empty maximum. An empty value is "nothing" and is never out of range.
ORX_TOOLS_EXPORT bool isOutOfRange(int templ, const QString& value, const QString& minValue, const QString& maxValue,
                                   int year, const QString& decimalSeparator);

}  // namespace orx::tools::textbox
