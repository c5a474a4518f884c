#include "reportrt/export/SpreadsheetExport.h"

#include "reportrt/ErrorNumbers.h"
#include "reportrt/RuntimeError.h"
#include "reportrt/export/DetailTable.h"

#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <xlsxwriter.h>

namespace orx::reportrt::exporting {

namespace {

using formula::Type;
using Row = DetailTable::Row;

class KeptRows : public DetailTable {
public:
    KeptRows()
        : DetailTable(true)
    {
    }
    std::vector<Row> rows;

protected:
    void row(Row&& r) override { rows.push_back(std::move(r)); }
};

[[noreturn]] void fail(const QString& why)
{
    raiseRuntimeError(rterr::ReportFileUnwritable, rterr::source(), QStringLiteral("Cannot make the Excel workbook: %1").arg(why));
}

// A worksheet name Excel takes: at most 31 characters, none of []:*?/\.
QByteArray sheetName(const QString& title)
{
    QString name = title.trimmed();
    for (const QChar bad : {u'[', u']', u':', u'*', u'?', u'/', u'\\'})
        name.replace(bad, QLatin1Char('_'));
    name = name.left(31);
    return (name.isEmpty() ? QStringLiteral("Report") : name).toUtf8();
}

// The formats of a workbook: plain or bold, by kind of value.
class Formats {
public:
    explicit Formats(lxw_workbook* book)
    {
        const char* patterns[] = {nullptr, "#,##0.00", "yyyy-mm-dd", "yyyy-mm-dd hh:mm:ss"};
        for (int bold = 0; bold < 2; ++bold) {
            for (int k = 0; k < 4; ++k) {
                lxw_format* f = workbook_add_format(book);
                if (bold)
                    format_set_bold(f);
                if (patterns[k])
                    format_set_num_format(f, patterns[k]);
                formats_[bold][k] = f;
            }
        }
    }
    lxw_format* plain(bool bold) { return formats_[bold][0]; }
    lxw_format* currency(bool bold) { return formats_[bold][1]; }
    lxw_format* date(bool bold) { return formats_[bold][2]; }
    lxw_format* dateTime(bool bold) { return formats_[bold][3]; }

private:
    lxw_format* formats_[2][4] = {};
};

void writeCell(lxw_worksheet* sheet, lxw_row_t r, lxw_col_t c, const DetailTable::Cell& cell, bool bold, Formats& f)
{
    const auto& v = cell.value;
    switch (v.type) {
    case Type::Number: worksheet_write_number(sheet, r, c, v.number, f.plain(bold)); return;
    case Type::Currency: worksheet_write_number(sheet, r, c, v.number, f.currency(bold)); return;
    case Type::Boolean: worksheet_write_boolean(sheet, r, c, v.number != 0, f.plain(bold)); return;
    // Date serials count days from 30 Dec 1899, as the workbook's do.
    case Type::Date: worksheet_write_number(sheet, r, c, v.number, f.date(bold)); return;
    case Type::DateTime: worksheet_write_number(sheet, r, c, v.number, f.dateTime(bold)); return;
    case Type::String:
    case Type::Null: break;
    }
    if (!cell.text.isEmpty())
        worksheet_write_string(sheet, r, c, cell.text.toUtf8().constData(), f.plain(bold));
}

}  // namespace

QByteArray pagesXlsx(const layout::PageModel& model, const QString& title)
{
    KeptRows table;
    for (const auto& p : model.pages())
        table.addPage(p);
    table.finish();

    QTemporaryDir dir;
    if (!dir.isValid())
        fail(QStringLiteral("no temporary folder: %1").arg(dir.errorString()));
    const QByteArray path = QFile::encodeName(dir.filePath(QStringLiteral("book.xlsx")));
    QByteArray tmp = QFile::encodeName(dir.path());
    lxw_workbook_options options{};
    options.tmpdir = tmp.data();
    lxw_workbook* book = workbook_new_opt(path.constData(), &options);
    if (!book)
        fail(QStringLiteral("the workbook cannot be created"));
    lxw_worksheet* sheet = workbook_add_worksheet(book, sheetName(title).constData());
    Formats formats(book);

    const QStringList headers = table.headers();
    std::vector<qsizetype> widths(static_cast<std::size_t>(std::max<qsizetype>(headers.size(), 1)), 8);
    for (qsizetype c = 0; c < headers.size(); ++c) {
        worksheet_write_string(sheet, 0, static_cast<lxw_col_t>(c), headers[c].toUtf8().constData(), formats.plain(true));
        widths[static_cast<std::size_t>(c)] = std::max(widths[static_cast<std::size_t>(c)], headers[c].size());
    }
    worksheet_freeze_panes(sheet, 1, 0);

    int deepest = 0;
    for (const auto& r : table.rows)
        deepest = std::max(deepest, r.group);
    lxw_row_t at = 1;
    for (const auto& r : table.rows) {
        const bool group = r.kind != Row::Kind::Record;
        std::vector<DetailTable::Cell> cells;
        if (group) {
            // Each text under the column it stands above; texts of one column joined as text.
            cells.resize(static_cast<std::size_t>(std::max(table.columnCount(), 1)));
            for (const auto& c : r.cells) {
                auto& into = cells[static_cast<std::size_t>(table.columnAt(c.left))];
                if (into.text.isEmpty())
                    into = c;
                else
                    into = {into.text + QLatin1Char(' ') + c.text, formula::Value::null(), into.left};
            }
        } else {
            cells = r.cells;
        }
        lxw_row_col_options outline{};
        outline.level = static_cast<uint8_t>(std::min(7, group ? r.group - 1 : deepest));
        worksheet_set_row_opt(sheet, at, LXW_DEF_ROW_HEIGHT, group ? formats.plain(true) : nullptr, &outline);
        for (std::size_t c = 0; c < cells.size(); ++c) {
            writeCell(sheet, at, static_cast<lxw_col_t>(c), cells[c], group, formats);
            if (c < widths.size())
                widths[c] = std::max(widths[c], std::min<qsizetype>(cells[c].text.size(), 60));
        }
        ++at;
    }
    for (std::size_t c = 0; c < widths.size(); ++c)
        worksheet_set_column(sheet, static_cast<lxw_col_t>(c), static_cast<lxw_col_t>(c), static_cast<double>(widths[c]) + 2, nullptr);

    const lxw_error error = workbook_close(book);
    if (error != LXW_NO_ERROR)
        fail(QString::fromUtf8(lxw_strerror(error)));
    QFile file(QFile::decodeName(path));
    if (!file.open(QIODevice::ReadOnly))
        fail(file.errorString());
    return file.readAll();
}

}  // namespace orx::reportrt::exporting
