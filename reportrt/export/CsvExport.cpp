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

QString columnKey(const layout::PageItem& i)
{
    return i.name.isEmpty() ? i.source : i.name;
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
        const QString key = columnKey(i);
        int c = columnIndex_.value(key, -1);
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
    }
}

void CsvWriter::endRow()
{
    if (currentRecord_ < 0)
        return;
    while (current_.size() < columns_.size())
        current_.append(QString());
    body_ += csvLine(current_);
    ++rows_;
    current_.clear();
    currentRecord_ = -1;
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
