#include "reportrt/export/Exporters.h"

#include "platform/basic/BasicError.h"
#include "reportrt/ErrorNumbers.h"
#include "reportrt/RuntimeError.h"
#include "reportrt/export/CsvExport.h"
#include "reportrt/export/ExportFile.h"
#include "reportrt/export/PageTextExport.h"
#include "reportrt/export/PdfExport.h"
#include "reportrt/export/RtfExport.h"
#include "reportrt/export/SpreadsheetExport.h"
#include "reportrt/export/WordExport.h"

#include <array>

namespace orx::reportrt::exporting {

namespace {

struct FormatInfo {
    int number;
    const char* name;
    const char* suffix;
    bool written;
};

constexpr std::array kFormats{
    FormatInfo{format::OwnFormat, "report with saved data", "rpt", true},
    FormatInfo{format::RichText, "rich text", "rtf", true},
    FormatInfo{format::Csv, "comma-separated values", "csv", true},
    FormatInfo{format::Text, "text", "txt", true},
    FormatInfo{format::Word, "Word document", "docx", true},
    FormatInfo{format::Excel50, "Excel workbook", "xlsx", true},
    FormatInfo{format::Html32, "HTML 3.2", "htm", true},
    FormatInfo{format::Excel70, "Excel workbook", "xlsx", true},
    FormatInfo{format::Excel80, "Excel workbook", "xlsx", true},
    FormatInfo{format::Pdf, "PDF", "pdf", true},
    FormatInfo{format::Html40, "HTML 4.0", "htm", true},
};

const FormatInfo* find(int number)
{
    for (const auto& f : kFormats)
        if (f.number == number)
            return &f;
    return nullptr;
}

}  // namespace

std::vector<int> exportFormats()
{
    std::vector<int> numbers;
    for (const auto& f : kFormats)
        numbers.push_back(f.number);
    return numbers;
}

bool isExportFormat(int number) { return find(number) != nullptr; }
bool canExport(int number)
{
    const auto* f = find(number);
    return f && f->written;
}
QString formatName(int number)
{
    const auto* f = find(number);
    return f ? QString::fromLatin1(f->name) : QStringLiteral("format %1").arg(number);
}
QString formatSuffix(int number)
{
    const auto* f = find(number);
    return f ? QString::fromLatin1(f->suffix) : QString();
}

void requireExportFormat(int number)
{
    const auto* f = find(number);
    if (!f)
        raiseRuntimeError(basic::err::InvalidProcedureCall, rterr::source(),
                          QStringLiteral("Export: %1 is not an export format number").arg(number));
    if (!f->written)
        raiseRuntimeError(rterr::NotAvailable, rterr::source(),
                          QStringLiteral("Export to %1 (format %2) is not available in this version of the report runtime")
                              .arg(formatName(number))
                              .arg(number));
}

void exportPages(int number, const layout::PageModel& model, const QString& path, const QString& title)
{
    requireExportFormat(number);
    switch (number) {
    case format::Csv: writeCsvFile(model, path); return;
    case format::Text: writeExportFile(pagesText(model), path, formatName(number)); return;
    case format::Html40: writeExportFile(pagesHtml40(model, title), path, formatName(number)); return;
    case format::Pdf: writePdfFile(model, path, title); return;
    case format::RichText: writeExportFile(pagesRtf(model, title), path, formatName(number)); return;
    case format::Html32: writeExportFile(pagesHtml32(model, title), path, formatName(number)); return;
    case format::Word: writeExportFile(pagesDocx(model, title), path, formatName(number)); return;
    case format::Excel50:
    case format::Excel70:
    case format::Excel80: writeExportFile(pagesXlsx(model, title), path, formatName(number)); return;
    default: break;
    }
    if (number == format::OwnFormat)
        raiseRuntimeError(rterr::NotAvailable, rterr::source(),
                          QStringLiteral("Export to %1 (format %2) needs the report and its records, not its pages: "
                                         "export it through the report")
                              .arg(formatName(number))
                              .arg(number));
    // A format marked written above without a case here is a fault of this file.
    raiseRuntimeError(rterr::NotAvailable, rterr::source(),
                      QStringLiteral("Export to %1 (format %2) has no exporter").arg(formatName(number)).arg(number));
}

}  // namespace orx::reportrt::exporting
