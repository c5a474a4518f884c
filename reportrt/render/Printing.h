#pragma once

#include "reportrt/ReportRTExport.h"

#include "reportrt/layout/PageModel.h"

#include <QString>

class QPrinter;

// Printing the pages of the page model through Qt Print Support.
namespace orx::reportrt::render {

// Prints every page on `printer` at the model's paper size and orientation,
// the paper's corner at the sheet's corner, `copies` times (collated). The
// printer's output (a system printer or a PDF file) is the caller's choice.
// Returns false, with the reason logged, when the printer cannot start.
ORX_REPORTRT_EXPORT bool printPages(const layout::PageModel& model, QPrinter& printer, int copies = 1, const QString& title = {});

// The printer's page layout for the report's paper: size, orientation, no margins.
ORX_REPORTRT_EXPORT void setPrinterPaper(QPrinter& printer, const layout::PageModel& model);

}  // namespace orx::reportrt::render
