#include "reportrt/export/CsvExport.h"

#include "reportrt/export/ExportFile.h"
#include "reportrt/ErrorNumbers.h"
#include "reportrt/RuntimeError.h"

namespace orx::reportrt::exporting {

namespace {

// Appends one cell, quoted when it must be; plain ASCII cells (most) are
// copied as they are.
void appendCell(QByteArray& out, const QString& c)
{
    bool quote = false;
    bool ascii = true;
    for (const QChar ch : c) {
        const char16_t u = ch.unicode();
        if (u == ',' || u == '"' || u == '\n' || u == '\r') {
            quote = true;
            break;
        }
        ascii = ascii && u < 0x80;
    }
    if (quote) {
        out += '"' + QString(c).replace(QLatin1Char('"'), QStringLiteral("\"\"")).toUtf8() + '"';
    } else if (ascii) {
        const qsizetype at = out.size();
        out.resize(at + c.size());
        char* to = out.data() + at;
        for (const QChar ch : c)
            *to++ = static_cast<char>(ch.unicode());
    } else {
        out += c.toUtf8();
    }
}

// Appends the row's cells as one line, padded with empty cells to `columns`.
void appendLine(QByteArray& out, const DetailTable::Row& row, qsizetype columns = 0)
{
    qsizetype n = 0;
    for (const auto& c : row.cells) {
        if (n++ > 0)
            out += ',';
        appendCell(out, c.text);
    }
    for (; n < columns; ++n)
        out += ',';
    out += "\r\n";
}

QByteArray headerLine(const QStringList& names)
{
    QByteArray line;
    for (qsizetype i = 0; i < names.size(); ++i) {
        if (i > 0)
            line += ',';
        appendCell(line, names[i]);
    }
    line += "\r\n";
    return line;
}

}  // namespace

void CsvWriter::row(Row&& row)
{
    appendLine(body_, row);
}

QByteArray CsvWriter::result() const
{
    QByteArray out = headerLine(headers()) + body_;
    if (const Row* open = openRecord())
        appendLine(out, *open, columnCount());
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
