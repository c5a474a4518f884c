#pragma once

#include "platform/basic/PlatformExport.h"

#include <QLocale>
#include <QString>
#include <QStringList>

namespace orx::basic {

enum class DateOrder { MonthDayYear, DayMonthYear, YearMonthDay };

// The user's regional settings as the classic runtime sees them. All
// conversions in orx::basic read the current set; it is shared by the whole
// process and starts from the process locale (LC_ALL, LC_NUMERIC, LANG...).
struct ORX_PLATFORM_EXPORT RegionalSettings {
    QString decimalSeparator = QStringLiteral(".");
    QString thousandsSeparator = QStringLiteral(",");
    QString dateSeparator = QStringLiteral("/");
    QString timeSeparator = QStringLiteral(":");
    DateOrder dateOrder = DateOrder::MonthDayYear;
    // Pictures in the system's NLS syntax (MM month, mm minutes, tt AM/PM).
    QString shortDatePattern = QStringLiteral("M/d/yyyy");
    QString longDatePattern = QStringLiteral("dddd, MMMM d, yyyy");
    QString longTimePattern = QStringLiteral("h:mm:ss tt");
    QString amDesignator = QStringLiteral("AM");
    QString pmDesignator = QStringLiteral("PM");
    QString currencySymbol = QStringLiteral("$");
    int currencyDigits = 2;
    // Names used by the date tokens (mmm, mmmm, ddd, dddd); January first, Sunday first.
    QStringList monthNames;
    QStringList shortMonthNames;
    QStringList dayNames;
    QStringList shortDayNames;

    // The settings of a locale. Two-digit years in the locale's short date
    // are widened to four, as the desktop's regional settings show them.
    static RegionalSettings fromLocale(const QLocale& locale);
    // The process locale; the "C" (POSIX) locale gives the United States set.
    static RegionalSettings system();
    // Fixed sets used by tests and examples: English (United States) and
    // Italian (Italy) as their desktop regional settings stand.
    static RegionalSettings unitedStates();
    static RegionalSettings italian();

    // Day, month and year pattern for the short date, e.g. "dd/mm/yyyy" in
    // the runtime's own Format syntax.
    QString shortDateFormatPattern() const;
};

// The settings in force for the process.
ORX_PLATFORM_EXPORT const RegionalSettings& regional();
// Replaces the settings for the process.
ORX_PLATFORM_EXPORT void setRegional(const RegionalSettings& settings);

// Replaces the settings for the lifetime of the object (tests, tools).
class ORX_PLATFORM_EXPORT ScopedRegional {
public:
    explicit ScopedRegional(const RegionalSettings& settings);
    ~ScopedRegional();
    ScopedRegional(const ScopedRegional&) = delete;
    ScopedRegional& operator=(const ScopedRegional&) = delete;

private:
    RegionalSettings saved_;
};

}  // namespace orx::basic
