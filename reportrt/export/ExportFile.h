#pragma once

#include "reportrt/ReportRTExport.h"

#include <QByteArray>
#include <QString>

namespace orx::reportrt::exporting {

// Writes an export's bytes to `path` atomically: a failure leaves no
// half-written file and an old file unchanged. Raises the runtime's error
// naming the file, the format and the reason when it cannot.
ORX_REPORTRT_EXPORT void writeExportFile(const QByteArray& bytes, const QString& path, const QString& format);

}  // namespace orx::reportrt::exporting
