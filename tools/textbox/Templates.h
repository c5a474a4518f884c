#pragma once

#include "tools/common/ToolsExport.h"

#include <QDateTime>
#include <QString>
#include <QVariant>
#include <optional>

// The text box's templates: what each holds, in which internal form, how it
// is shown and how it converts to its raw and bound forms. Plain functions,
// so the rules can be checked without a widget; the control wires them in
// TextBoxDisplay.cpp.
namespace orx::tools::textbox {

// Template numbers (ORXTX_Template_Constants).
namespace tpl {
inline constexpr int String = 0;
inline constexpr int Numeric = 1;
inline constexpr int Currency = 2;
inline constexpr int Percent = 3;
inline constexpr int DayMonthYear = 4;
inline constexpr int MonthDayYear = 5;
inline constexpr int YearMonthDay = 6;
inline constexpr int DayMonth = 7;
inline constexpr int MonthDay = 8;
inline constexpr int MonthYear = 9;
inline constexpr int YearMonth = 10;
inline constexpr int HourMinute = 11;
inline constexpr int HourMinuteSeconds = 12;
}  // namespace tpl

constexpr bool isValidTemplate(int t) { return t >= tpl::String && t <= tpl::HourMinuteSeconds; }
constexpr bool isNumberTemplate(int t) { return t >= tpl::Numeric && t <= tpl::Percent; }
constexpr bool isDateTemplate(int t) { return t >= tpl::DayMonthYear && t <= tpl::YearMonth; }
constexpr bool isFullDateTemplate(int t) { return t >= tpl::DayMonthYear && t <= tpl::YearMonthDay; }
constexpr bool isTimeTemplate(int t) { return t == tpl::HourMinute || t == tpl::HourMinuteSeconds; }

// Keystroke flags (ORXTX_KeysB_Constants).
namespace kb {
inline constexpr int Ok_All = 1;
inline constexpr int Ok_Alpha = 2;
inline constexpr int Ok_Space = 4;
inline constexpr int Ok_Numeric = 8;
inline constexpr int Ok_TabChars = 16;
inline constexpr int Set_Ucase = 32;
inline constexpr int Set_Lcase = 64;
inline constexpr int Set_UFirst = 128;
inline constexpr int No_TabChars = 256;
}  // namespace kb

// Label alignment (ORXTX_TextAlign_Constants).
namespace align {
inline constexpr int Left = 0;
inline constexpr int Right = 1;
inline constexpr int Center = 2;
}  // namespace align

// The regional separators every text box works with. They are found the way
// a user sees them: by formatting known values (0.1, 1000, a date with a
// two-digit day, noon) under the regional settings in force.
struct ORX_TOOLS_EXPORT Separators {
    QString decimal = QStringLiteral(".");
    QString thousands = QStringLiteral(",");
    QString date = QStringLiteral("/");
    QString time = QStringLiteral(":");

    static Separators read();
    bool operator==(const Separators&) const = default;
};

// What a template sets when it is applied.
struct ORX_TOOLS_EXPORT TemplateDefaults {
    QString layout;
    std::optional<int> fixedEditLength;  // Currency: 15; others follow the layout
    int characters = 1;
    QString characterTable;
    int alignment = align::Left;
    int spinDateType = 0;  // 0: the template leaves it alone
    int spinTimeType = 0;
    QString nullText;
};

ORX_TOOLS_EXPORT TemplateDefaults templateDefaults(int templ, const Separators& seps);

// The Layout a template sets (and that RebuildLayouts rebuilds for dates and times).
ORX_TOOLS_EXPORT QString templateLayout(int templ, const Separators& seps);
// The standard character table of Numeric and Currency: decimal, "-", ".".
ORX_TOOLS_EXPORT QString numericCharacterTable(const Separators& seps);
ORX_TOOLS_EXPORT QString percentCharacterTable(const Separators& seps);

// The value a template starts with (String takes the control's name, so it
// is not here) and the value Clear() assigns.
ORX_TOOLS_EXPORT QString sampleText(int templ, const QDateTime& now);
ORX_TOOLS_EXPORT QString clearValue(int templ, const QDateTime& now);

// The edit length a layout allows: the longer of its two sections, each
// counted without ","; `start` when the layout is empty.
ORX_TOOLS_EXPORT int maxLengthFromLayout(const QString& layout, int start);

// A Percent layout: trimmed, and in each section every "%" removed and one
// appended at the end.
ORX_TOOLS_EXPORT QString percentLayout(const QString& pattern);

// The percentage a Percent text stands for ("12,5%" -> 12.5), read with the
// regional settings; nullopt when it is not a number.
ORX_TOOLS_EXPORT std::optional<double> percentNumber(const QString& text);

// The text shown for a value: the value rewritten for formatting, formatted
// with `layout`, and the trailing separators cleaned up. `text` is the
// value in the template's internal form (not null).
ORX_TOOLS_EXPORT QString displayText(int templ, const QString& text, const QString& layout, const Separators& seps);

// RawText from a value V and a character table C.
ORX_TOOLS_EXPORT QVariant rawTextOf(int templ, const QString& value, const QString& characterTable);
// The value in the template's internal form for a raw value, for the
// templates that have one (dates and times); nullopt otherwise.
ORX_TOOLS_EXPORT std::optional<QString> textFromRaw(int templ, double raw);
ORX_TOOLS_EXPORT bool hasRawConversion(int templ);

// BoundText from a value: the value itself, or for Percent the fraction it
// stands for ("50%" -> "0,5" under Italian settings).
ORX_TOOLS_EXPORT QString boundTextOf(int templ, const QString& value);

// Day number from 1 January 100.
ORX_TOOLS_EXPORT qint64 dayNumber(const QDate& date);
ORX_TOOLS_EXPORT QDate dateOfDayNumber(qint64 days);

// A date of a full-date template read from its fixed positions (order 4, 5
// or 6); an invalid QDate when the text is not such a date.
ORX_TOOLS_EXPORT QDate dateInOrder(const QString& text, int order);
// The date written in the internal form of a date template.
ORX_TOOLS_EXPORT QString internalDate(const QDate& date, int templ);
// hh:nn or hh:nn:ss.
ORX_TOOLS_EXPORT QString internalTime(const QTime& time, int templ);

}  // namespace orx::tools::textbox
