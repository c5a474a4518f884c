#include "reportrt/render/Printing.h"

#include "platform/basic/Logging.h"
#include "reportrt/render/PagePainter.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>

namespace orx::reportrt::render {

namespace {

// Paper source numbers of the page set-up and Qt's sources.
struct Tray {
    int number;
    QPrinter::PaperSource source;
};
constexpr Tray kTrays[] = {{1, QPrinter::OnlyOne},        {2, QPrinter::Lower},         {3, QPrinter::Middle},
                           {4, QPrinter::Manual},         {5, QPrinter::Envelope},      {6, QPrinter::EnvelopeManual},
                           {7, QPrinter::Auto},           {8, QPrinter::Tractor},       {9, QPrinter::SmallFormat},
                           {10, QPrinter::LargeFormat},   {11, QPrinter::LargeCapacity}, {14, QPrinter::Cassette},
                           {15, QPrinter::FormSource}};

}  // namespace

void setPrinterPaperSource(QPrinter& printer, int paperSource)
{
    for (const auto& t : kTrays) {
        if (t.number == paperSource) {
            printer.setPaperSource(t.source);
            return;
        }
    }
}

int printerPaperSource(const QPrinter& printer)
{
    const QPrinter::PaperSource source = printer.paperSource();
    for (const auto& t : kTrays) {
        if (t.source == source)
            return t.number;
    }
    return 7;  // automatic
}

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
    setPrinterPaperSource(printer, model.setup.paperSource);
}

PageStreamPrinter::PageStreamPrinter(QPrinter& printer, const QString& title)
    : printer_(printer)
{
    printer.setDocName(title);
    started_ = painter_.begin(&printer);
    if (!started_)
        qCWarning(lcReport) << "The printer" << printer.printerName() << printer.outputFileName() << "cannot start printing";
}

bool PageStreamPrinter::print(const layout::Page& page, const std::vector<layout::TextStyle>& styles)
{
    if (!started_)
        return false;
    if (!first_ && !printer_.newPage()) {
        qCWarning(lcReport) << "The printer" << printer_.printerName() << "stopped at page" << printed_ + 1;
        painter_.end();
        started_ = false;
        return false;
    }
    first_ = false;
    // Twips to the printer's dots; the painted page starts at the paper's corner (full page).
    const double scale = printer_.resolution() / 1440.0;
    painter_.save();
    painter_.scale(scale, scale);
    paintPage(painter_, page, styles);
    painter_.restore();
    ++printed_;
    return true;
}

bool PageStreamPrinter::finish()
{
    if (!started_)
        return false;
    started_ = false;
    return painter_.end();
}

bool printPages(const layout::PageModel& model, QPrinter& printer, int copies, const QString& title)
{
    setPrinterPaper(printer, model);
    // A printer that makes copies itself gets one pass; otherwise the pages are sent again per copy.
    printer.setCopyCount(std::max(1, copies));
    const int passes = printer.supportsMultipleCopies() ? 1 : std::max(1, copies);
    PageStreamPrinter out(printer, title);
    if (!out.started())
        return false;
    for (int pass = 0; pass < passes; ++pass) {
        for (int i = 0; i < model.pageCount(); ++i) {
            if (!out.print(model.page(i), model.styles()))
                return false;
        }
    }
    return out.finish();
}

}  // namespace orx::reportrt::render
