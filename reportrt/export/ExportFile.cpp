#include "reportrt/export/ExportFile.h"

#include "platform/profile/AtomicFile.h"
#include "reportrt/ErrorNumbers.h"
#include "reportrt/RuntimeError.h"

namespace orx::reportrt::exporting {

void writeExportFile(const QByteArray& bytes, const QString& path, const QString& format)
{
    QString error;
    if (!profile::replaceFileAtomically(path, bytes, &error))
        raiseRuntimeError(rterr::ReportFileUnwritable, rterr::source(),
                          QStringLiteral("Cannot write the %1 export %2: %3").arg(format, path, error));
}

}  // namespace orx::reportrt::exporting
