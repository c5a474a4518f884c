#include "reportrt/export/Exporters.h"

#include "platform/basic/BasicError.h"
#include "reportrt/ErrorNumbers.h"
#include "reportrt/RuntimeError.h"
#include "reportrt/export/CsvExport.h"
#include "reportrt/export/ExportFile.h"
#include "reportrt/export/PageTextExport.h"
#include "reportrt/export/PdfExport.h"

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
    FormatInfo{format::OwnFormat, "report with saved data", "rpt", false},
    FormatInfo{format::RichText, "rich text", "rtf", false},
    FormatInfo{format::Csv, "comma-separated values", "csv", true},
    FormatInfo{format::Text, "text", "txt", true},
    FormatInfo{format::Word, "Word document", "docx", false},
    FormatInfo{format::Excel50, "Excel workbook", "xlsx", false},
    FormatInfo{format::Html32, "HTML 3.2", "htm", false},
    FormatInfo{format::Excel70, "Excel workbook", "xlsx", false},
    FormatInfo{format::Excel80, "Excel workbook", "xlsx", false},
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
    default: break;
    }
    // A format marked written above without a case here is a fault of this file.
    raiseRuntimeError(rterr::NotAvailable, rterr::source(),
                      QStringLiteral("Export to %1 (format %2) has no exporter").arg(formatName(number)).arg(number));
}

}  // namespace orx::reportrt::exporting
