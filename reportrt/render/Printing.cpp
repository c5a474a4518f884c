#include "reportrt/render/Printing.h"

#include "platform/basic/Logging.h"
#include "reportrt/render/PagePainter.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>

namespace orx::reportrt::render {

void setPrinterPaper(QPrinter& printer, const layout::PageModel& model)
{
    const QSize paper = model.paperSize.isEmpty() ? layout::paperSizeTwips(1, 1) : model.paperSize;
    const bool landscape = paper.width() > paper.height();
    // The page size is given upright and the orientation turns it, so a
    // printer that knows the paper by name finds it.
    const QSizeF upright(std::min(paper.width(), paper.height()) / 20.0, std::max(paper.width(), paper.height()) / 20.0);
    const QPageLayout layout(QPageSize(upright, QPageSize::Point, QString(), QPageSize::FuzzyMatch),
                             landscape ? QPageLayout::Landscape : QPageLayout::Portrait, QMarginsF(0, 0, 0, 0), QPageLayout::Point);
    printer.setFullPage(true);
    if (!printer.setPageLayout(layout))
        qCWarning(lcReport) << "The printer" << printer.printerName() << "does not take the report's paper; it prints on its own";
}

bool printPages(const layout::PageModel& model, QPrinter& printer, int copies, const QString& title)
{
    setPrinterPaper(printer, model);
    printer.setDocName(title);
    // A printer that makes copies itself gets one pass; otherwise the pages are sent again per copy.
    printer.setCopyCount(std::max(1, copies));
    const int passes = printer.supportsMultipleCopies() ? 1 : std::max(1, copies);
    QPainter painter;
    if (!painter.begin(&printer)) {
        qCWarning(lcReport) << "The printer" << printer.printerName() << printer.outputFileName() << "cannot start printing";
        return false;
    }
    // Twips to the printer's dots; the painted page starts at the paper's corner (full page).
    const double scale = printer.resolution() / 1440.0;
    bool first = true;
    for (int pass = 0; pass < passes; ++pass) {
        for (int i = 0; i < model.pageCount(); ++i) {
            if (!first && !printer.newPage()) {
                qCWarning(lcReport) << "The printer" << printer.printerName() << "stopped at page" << i + 1;
                painter.end();
                return false;
            }
            first = false;
            painter.save();
            painter.scale(scale, scale);
            paintPage(painter, model, i);
            painter.restore();
        }
    }
    return painter.end();
}

}  // namespace orx::reportrt::render
