#include "reportrt/export/CsvExport.h"

#include "reportrt/export/ExportFile.h"
#include "reportrt/ErrorNumbers.h"
#include "reportrt/RuntimeError.h"

namespace orx::reportrt::exporting {

namespace {

QByteArray csvLine(const QStringList& cells)
{
    QByteArray line;
    for (int i = 0; i < cells.size(); ++i) {
        if (i > 0)
            line += ',';
        const QString& c = cells[i];
        bool quote = false;
        for (const QChar ch : c) {
            const char16_t u = ch.unicode();
            if (u == ',' || u == '"' || u == '\n' || u == '\r') {
                quote = true;
                break;
            }
        }
        if (quote) {
            line += '"' + QString(c).replace(QLatin1Char('"'), QStringLiteral("\"\"")).toUtf8() + '"';
        } else {
            line += c.toUtf8();
        }
    }
    line += "\r\n";
    return line;
}

QStringList texts(const DetailTable::Row& row, int columns)
{
    QStringList cells;
    for (const auto& c : row.cells)
        cells << c.text;
    while (cells.size() < columns)
        cells << QString();
    return cells;
}

}  // namespace

void CsvWriter::row(Row&& row)
{
    body_ += csvLine(texts(row, 0));
}

QByteArray CsvWriter::result() const
{
    QByteArray out = csvLine(headers()) + body_;
    if (const Row* open = openRecord())
        out += csvLine(texts(*open, columnCount()));
    return out;
}

QByteArray detailsCsv(const layout::PageModel& model)
{
    CsvWriter w;
    for (const auto& p : model.pages())
        w.addPage(p);
    w.finish();
    return w.result();
}

void writeCsvFile(const QByteArray& csv, const QString& path)
{
    writeExportFile(csv, path, QStringLiteral("CSV"));
}

void writeCsvFile(const layout::PageModel& model, const QString& path)
{
    writeCsvFile(detailsCsv(model), path);
}

}  // namespace orx::reportrt::exporting
