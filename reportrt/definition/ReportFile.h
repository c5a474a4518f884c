#pragma once

#include "reportrt/ReportRTExport.h"

#include "reportrt/definition/ReportDefinition.h"

#include <QByteArray>
#include <QString>

// The .RPT file: an XML document, described in docs/report-format.md. Reading
// is strict: an element, attribute or value the format does not have raises
// error ReportFileMalformed naming the file, line and column and what was
// expected there, so that a mistyped name is never silently ignored. Writing
// gives the canonical form (fixed order, two-space indentation, attributes
// at their default left out); a canonical file read and written again is
// byte for byte the same.
namespace orx::reportrt::definition {

// Reads a report file; `displayName` names it in errors (the path by default).
ORX_REPORTRT_EXPORT ReportDefinition readReportFile(const QString& path);
ORX_REPORTRT_EXPORT ReportDefinition parseReport(const QByteArray& xml, const QString& displayName);

ORX_REPORTRT_EXPORT QByteArray writeReport(const ReportDefinition& report);
// Writes atomically: the old file stays whole if writing fails.
ORX_REPORTRT_EXPORT void saveReportFile(const ReportDefinition& report, const QString& path);

}  // namespace orx::reportrt::definition
