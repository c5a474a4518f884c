#pragma once

#include "reportrt/ReportRTExport.h"

#include "reportrt/layout/PageModel.h"

#include <QByteArray>
#include <QString>
#include <vector>

// Exports that show the pages as they are laid out, from the page model.
namespace orx::reportrt::exporting {

// The pages as plain UTF-8 text: each row of texts on a page becomes a line,
// each text starting at the column its position gives (one column per 120
// twips, a twelfth of an inch), always at least one space after the text
// before it; a right-aligned text ends at its right edge. Pages after the
// first begin with a form feed.
// The texts of a page in rows, top to bottom, each row left to right: texts
// whose tops lie within half the height of the row's first text share it.
ORX_REPORTRT_EXPORT std::vector<std::vector<const layout::PageItem*>> textRows(const layout::Page& page);

// A row of texts for a word processor: each text with its style and the tab
// stop it stands at, in twips from the left margin: its left edge, or its
// right edge or centre for right-aligned and centred texts. A text whose stop
// would not lie right of the stop before it has none (stop -1) and follows
// the text before it after a space.
struct ORX_REPORTRT_EXPORT TabbedText {
    const layout::PageItem* item = nullptr;
    layout::TextStyle style;
    int stop = -1;
};
ORX_REPORTRT_EXPORT std::vector<TabbedText> tabbedRow(const std::vector<const layout::PageItem*>& row,
                                                      const layout::PageModel& model);

ORX_REPORTRT_EXPORT QByteArray pagesText(const layout::PageModel& model);

// The pages as one HTML 4.01 document: each page a block of the paper's size,
// each text, line, box and picture positioned within it with CSS in points.
ORX_REPORTRT_EXPORT QByteArray pagesHtml40(const layout::PageModel& model, const QString& title = {});

// The pages as one HTML 3.2 document, without style sheets: each page a
// table whose columns begin where texts begin, one table row per row of
// texts, fonts and colours as <font>, <b>, <i> and <u>; a rule between pages.
ORX_REPORTRT_EXPORT QByteArray pagesHtml32(const layout::PageModel& model, const QString& title = {});

}  // namespace orx::reportrt::exporting
