#pragma once

#include "reportrt/ReportRTExport.h"

#include "reportrt/layout/PageModel.h"

#include <QByteArray>
#include <QString>

// The pages as a Word document (.docx): a minimal package ([Content_Types].xml,
// _rels/.rels, word/document.xml, word/styles.xml) with the report's paper
// and margins, one paragraph per row of texts on a page (each text at a tab
// stop where the page places it, in its font, size and colour), and a page
// break between pages.
namespace orx::reportrt::exporting {

ORX_REPORTRT_EXPORT QByteArray pagesDocx(const layout::PageModel& model, const QString& title = {});

}  // namespace orx::reportrt::exporting
