#pragma once

#include "reportrt/ReportRuntime.h"
#include "reportrt/Viewer.h"
#include "viewreport/engine/ViewReportExport.h"

#include <QString>

// The report engine: from a request to a prepared report of the runtime, then
// shown, printed and exported as the request's Mode says. It works on the
// thread's run state (RunState), never on the caller's request.
namespace orx::viewreport {

class ORXDLLViewReport;

// The name of every preview window.
inline constexpr const char* PreviewFormName = "ORXDLLViewReportFRM";

// ORXDLLViewReport.Show.
ORX_VIEWREPORT_EXPORT void ShowRequest(ORXDLLViewReport& request);

// The report file of a request's ReportName: the name followed by ".RPT" when
// that file exists, else the name followed by the same extension in another
// case (".rpt", ".Rpt", ...; the first in binary order), else "". The name is
// a path, relative to the current folder when not absolute, taken literally:
// wildcard characters match only themselves.
ORX_VIEWREPORT_EXPORT QString ResolveReportFile(const QString& reportName);

// Passes when the report file exists; otherwise raises the object error
// base + 1, source the library's product name, description
// "Invalid Report Name:" CR name.
ORX_VIEWREPORT_EXPORT void CheckReportFile(const QString& reportName);

// Clears the target, then copies the request into it through the target's
// property rules (SelectionFormula is not copied).
ORX_VIEWREPORT_EXPORT void CopyRequest(ORXDLLViewReport& source, ORXDLLViewReport& target);

// Runs CurrentRequest: opens the report, prepares tables and sub-reports,
// groups, sort fields, parameters and formulas, then shows it in `viewer`
// (when given), prints and exports as the bits say. Errors of the runtime end
// the run and pass unchanged.
ORX_VIEWREPORT_EXPORT void RunReport(reportrt::Viewer* viewer);

// The first field of the report's tables whose name equals `name`
// upper-cased, or null.
ORX_VIEWREPORT_EXPORT reportrt::FieldDefinition* FindDatabaseField(reportrt::Report& report, const QString& name);

// The data key of a sub-report: the text of its "ORXSubReportName" formula,
// cleaned and without double quotes; "" when it has none.
ORX_VIEWREPORT_EXPORT QString SubReportKey(reportrt::Report& subreport);

// Yields to events for as long as a loaded top-level window of the host has
// this name (compared exactly).
ORX_VIEWREPORT_EXPORT void WaitFormUnload(const QString& formName);
ORX_VIEWREPORT_EXPORT bool isFormLoaded(const QString& formName);
// Tells waiting callers that a form was unloaded (marks `form` as unloaded
// when given).
ORX_VIEWREPORT_EXPORT void notifyFormUnloaded(QWidget* form);

// The 16-bit positions of a runtime collection: its count, or the overflow
// error when the count does not fit 16 bits.
ORX_VIEWREPORT_EXPORT std::int16_t positions(int count);

}  // namespace orx::viewreport
