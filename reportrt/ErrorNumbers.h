#pragma once

#include <QString>

// The error numbers our report runtime raises, and the source it names.
// Descriptions always say which file, table, formula or parameter is at
// fault; they never include a password.
namespace orx::reportrt::rterr {

inline constexpr int BadIndex = 9;
inline constexpr int ReportFileUnreadable = 20510;  // the file cannot be read
inline constexpr int ReportFileMalformed = 20511;   // line, column and what was expected
inline constexpr int ReportFileUnwritable = 20512;
inline constexpr int FormulaInvalid = 20515;        // a formula does not compile
inline constexpr int FormulaFailed = 20516;         // a formula fails on a record (division by zero...)
inline constexpr int DataUnavailable = 20520;       // the location cannot be opened
inline constexpr int TableMissing = 20521;
inline constexpr int ColumnMissing = 20522;
inline constexpr int DataReadFailed = 20523;
inline constexpr int ParameterInvalid = 20525;
inline constexpr int NoSuchSubreport = 20526;
inline constexpr int NotAvailable = 20530;          // a facility this runtime does not offer yet
inline constexpr int Cancelled = 20531;
inline constexpr int PrinterUnavailable = 20532;  // no printer at all, none of the name given, or it fails

inline QString source()
{
    return QStringLiteral("ORX Report Runtime");
}

}  // namespace orx::reportrt::rterr
