#pragma once

#include "reportrt/ReportRTExport.h"

#include "reportrt/layout/PageModel.h"

#include <QPainter>
#include <QString>

class QPrinter;

// Printing the pages of the page model through Qt Print Support.
namespace orx::reportrt::render {

// Prints every page on `printer` at the model's paper size and orientation,
// the paper's corner at the sheet's corner, `copies` times (collated). The
// printer's output (a system printer or a PDF file) is the caller's choice.
// Returns false, with the reason logged, when the printer cannot start.
ORX_REPORTRT_EXPORT bool printPages(const layout::PageModel& model, QPrinter& printer, int copies = 1, const QString& title = {});

// The printer's page layout for the report's paper: size, orientation, no
// margins, and the paper source (tray) of the page set-up.
ORX_REPORTRT_EXPORT void setPrinterPaper(QPrinter& printer, const layout::PageModel& model);

// The page set-up's paper source numbers (1 upper or only tray, 2 lower,
// 3 middle, 4 manual, 5 envelope, 6 envelope manual, 7 automatic, 8 tractor,
// 9 small format, 10 large format, 11 large capacity, 14 cassette, 15 form
// source) given to the printer and read back from it. A number the printer
// has no source for leaves the printer's choice.
ORX_REPORTRT_EXPORT void setPrinterPaperSource(QPrinter& printer, int paperSource);
ORX_REPORTRT_EXPORT int printerPaperSource(const QPrinter& printer);

// Prints pages one at a time as they come, so a report can print while it is
// laid out holding one page at a time. The printer's paper is set first.
class ORX_REPORTRT_EXPORT PageStreamPrinter {
public:
    // Starts the printout; started() is false (the reason logged) when the printer cannot start.
    PageStreamPrinter(QPrinter& printer, const QString& title);
    bool started() const { return started_; }
    // Prints one more page with the text styles it refers to; false when the printer stopped.
    bool print(const layout::Page& page, const std::vector<layout::TextStyle>& styles);
    // Ends the printout; false when it failed.
    bool finish();

private:
    QPrinter& printer_;
    QPainter painter_;
    bool started_ = false, first_ = true;
    int printed_ = 0;
};

}  // namespace orx::reportrt::render
