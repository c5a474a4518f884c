#pragma once

#include "reportrt/ReportRTExport.h"

#include "reportrt/layout/PageModel.h"

#include <QByteArray>
#include <QString>

// The pages as a PDF document: one PDF page per report page at the paper
// size of the report, texts as real text.
namespace orx::reportrt::exporting {

ORX_REPORTRT_EXPORT QByteArray pagesPdf(const layout::PageModel& model, const QString& title = {});
// Writes atomically; raises an error naming the file when it cannot.
ORX_REPORTRT_EXPORT void writePdfFile(const layout::PageModel& model, const QString& path, const QString& title = {});

}  // namespace orx::reportrt::exporting
