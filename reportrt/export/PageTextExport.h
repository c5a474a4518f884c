#pragma once

#include "reportrt/ReportRTExport.h"

#include "reportrt/layout/PageModel.h"

#include <QByteArray>
#include <QString>

// Exports that show the pages as they are laid out, from the page model.
namespace orx::reportrt::exporting {

// The pages as plain UTF-8 text: each row of texts on a page becomes a line,
// each text starting at the column its position gives (one column per 120
// twips, a twelfth of an inch), always at least one space after the text
// before it; a right-aligned text ends at its right edge. Pages after the
// first begin with a form feed.
ORX_REPORTRT_EXPORT QByteArray pagesText(const layout::PageModel& model);

// The pages as one HTML 4.01 document: each page a block of the paper's size,
// each text, line, box and picture positioned within it with CSS in points.
ORX_REPORTRT_EXPORT QByteArray pagesHtml40(const layout::PageModel& model, const QString& title = {});

}  // namespace orx::reportrt::exporting
