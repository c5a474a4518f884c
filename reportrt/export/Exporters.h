#pragma once

#include "reportrt/ReportRTExport.h"

#include "reportrt/layout/PageModel.h"

#include <QString>
#include <vector>

// One exporter per export format number, all from the page model.
namespace orx::reportrt::exporting {

namespace format {
inline constexpr int OwnFormat = 1;
inline constexpr int RichText = 4;
inline constexpr int Csv = 5;
inline constexpr int Text = 8;
inline constexpr int Word = 14;
inline constexpr int Excel50 = 21;
inline constexpr int Html32 = 24;
inline constexpr int Excel70 = 27;
inline constexpr int Excel80 = 29;
inline constexpr int Pdf = 31;
inline constexpr int Html40 = 32;
}  // namespace format

// Whether the number names an export format at all, and whether this
// runtime writes it.
ORX_REPORTRT_EXPORT bool isExportFormat(int format);
ORX_REPORTRT_EXPORT bool canExport(int format);
// Every export format number, in the order of the table of formats.
ORX_REPORTRT_EXPORT std::vector<int> exportFormats();
// A name for messages and a usual file suffix (without the dot).
ORX_REPORTRT_EXPORT QString formatName(int format);
ORX_REPORTRT_EXPORT QString formatSuffix(int format);

// Raises the clear error of exportPages when the format is unknown or not
// written yet, before any work is done.
ORX_REPORTRT_EXPORT void requireExportFormat(int format);

// Writes the model in `format` to `path` atomically. An unknown format
// number, or a format this runtime does not write yet, raises a clear error
// and leaves any old file as it was.
ORX_REPORTRT_EXPORT void exportPages(int format, const layout::PageModel& model, const QString& path, const QString& title = {});

}  // namespace orx::reportrt::exporting
