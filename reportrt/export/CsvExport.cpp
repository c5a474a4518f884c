#include "reportrt/export/CsvExport.h"

#include "reportrt/export/ExportFile.h"
#include "reportrt/ErrorNumbers.h"
#include "reportrt/RuntimeError.h"

namespace orx::reportrt::exporting {

namespace {

// Appends the cells as one line; plain ASCII cells (most) are copied as they are.
void appendCsvLine(QByteArray& out, const QStringList& cells)
{
    for (int i = 0; i < cells.size(); ++i) {
        if (i > 0)
            out += ',';
        const QString& c = cells[i];
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
    out += "\r\n";
}

QByteArray csvLine(const QStringList& cells)
{
    QByteArray line;
    appendCsvLine(line, cells);
    return line;
}


}  // namespace

void CsvWriter::addPage(const layout::Page& page)
{
    for (const auto& i : page.items) {
        if (i.kind != layout::PageItem::Kind::Text || i.section != definition::SectionKind::Details || i.fromSubreport
            || i.record <= 0 || i.source.isEmpty())
            continue;
        if (i.record != currentRecord_) {
            endRow();
            currentRecord_ = i.record;
        }
        const QString& key = i.name.isEmpty() ? i.source : i.name;
        // Items mostly come in column order: the column after the last one is tried first.
        int c = nextColumn_ < columns_.size() && columns_[nextColumn_] == key ? nextColumn_ : columnIndex_.value(key, -1);
        if (c < 0) {
            // Columns met later (a field printed only on some records) go where their position puts them.
            int at = 0;
            while (at < columnX_.size() && columnX_[at] <= i.rect.left())
                ++at;
            if (rows_ > 0)
                at = static_cast<int>(columns_.size());  // rows already written keep their columns
            columns_.insert(at, key);
            columnX_.insert(at, i.rect.left());
            columnIndex_.clear();
            for (int k = 0; k < columns_.size(); ++k)
                columnIndex_.insert(columns_[k], k);
            current_.insert(at < current_.size() ? at : current_.size(), QString());
            c = at;
        }
        while (current_.size() < columns_.size())
            current_.append(QString());
        // The further lines of a wrapped text join it again where it was wrapped.
        current_[c] = i.continued ? current_[c] + QLatin1Char(' ') + i.text : i.text;
        nextColumn_ = c + 1;
    }
}

void CsvWriter::endRow()
{
    if (currentRecord_ < 0)
        return;
    while (current_.size() < columns_.size())
        current_.append(QString());
    appendCsvLine(body_, current_);
    ++rows_;
    for (QString& cell : current_)  // kept for the next row, emptied
        cell = QString();
    currentRecord_ = -1;
    nextColumn_ = 0;
}

QByteArray CsvWriter::result() const
{
    CsvWriter copy = *this;
    copy.endRow();
    QStringList header;
    for (const QString& c : copy.columns_) {
        QString h = c;
        if (h.startsWith(QLatin1Char('{')) && h.endsWith(QLatin1Char('}')))
            h = h.mid(1, h.size() - 2).section(QLatin1Char('.'), -1).remove(QLatin1Char('@')).remove(QLatin1Char('?'));
        header << h;
    }
    return csvLine(header) + copy.body_;
}

QByteArray detailsCsv(const layout::PageModel& model)
{
    CsvWriter w;
    for (const auto& p : model.pages())
        w.addPage(p);
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
