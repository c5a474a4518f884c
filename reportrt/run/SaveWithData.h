#pragma once

#include "reportrt/ReportRTExport.h"

#include "reportrt/run/ReportState.h"

#include <QString>

namespace orx::reportrt::run {

// Our own export format: the report file as the report stands (with the
// program's changes to it), with the records of its tables, and of each
// sub-report's, saved inside (docs/report-format.md). Table locations that
// the program set are written into the file (without passwords); relative
// SQLite files and pictures are made relative to the new file's folder.
// Written atomically; raises the read's or the write's error.
ORX_REPORTRT_EXPORT void saveReportWithData(ReportState& state, const QString& path);

}  // namespace orx::reportrt::run
