#pragma once

#include "reportrt/ReportRTExport.h"

#include "reportrt/layout/PageModel.h"

#include <QImage>
#include <QRectF>

class QPainter;

// Draws the pages of the page model. One painter serves every output: the
// viewer, images, PDF files and printers. Drawing is in twips; the caller's
// painter maps twips to its device (see twipsTransform), so a 10-point text
// is 200 twips high on every device. Texts are drawn as text (a PDF keeps
// them selectable and searchable), never as pictures of text.
namespace orx::reportrt::render {

// The font of a text style, sized in twips for a painter that draws in twips.
ORX_REPORTRT_EXPORT QFont styleFont(const layout::TextStyle& style);

// Draws page `index` (0-based) of the model in twips onto the painter's
// current coordinates: the paper's top-left corner at (0, 0). The paper is
// not filled; the caller paints it (white on screen, nothing on paper).
ORX_REPORTRT_EXPORT void paintPage(QPainter& painter, const layout::PageModel& model, int index);

// Draws one page with the text styles it refers to, as above.
ORX_REPORTRT_EXPORT void paintPage(QPainter& painter, const layout::Page& page, const std::vector<layout::TextStyle>& styles);

// Draws page `index` scaled into `target` (device coordinates of the
// painter), filling the paper white first.
ORX_REPORTRT_EXPORT void paintPageInto(QPainter& painter, const layout::PageModel& model, int index, const QRectF& target);

// A picture of one page at `dpi` dots per inch, for snapshots and tests.
ORX_REPORTRT_EXPORT QImage pageImage(const layout::PageModel& model, int index, double dpi = 96.0);

}  // namespace orx::reportrt::render
