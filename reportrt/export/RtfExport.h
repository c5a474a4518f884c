#pragma once

#include "reportrt/ReportRTExport.h"

#include "reportrt/layout/PageModel.h"

#include <QByteArray>
#include <QString>

// The pages as a rich-text document that word processors open: the report's
// paper and margins, a font table and a colour table from the text styles,
// one paragraph per row of texts on a page (each text at a tab stop where the
// page places it, right-aligned texts at a right tab), and a page break
// between pages. Characters outside ASCII are written as \uN?.
namespace orx::reportrt::exporting {

ORX_REPORTRT_EXPORT QByteArray pagesRtf(const layout::PageModel& model, const QString& title = {});

}  // namespace orx::reportrt::exporting
