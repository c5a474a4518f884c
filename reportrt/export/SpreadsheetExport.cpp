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

// A cell holds at most 32767 characters.
constexpr qsizetype kCellText = 32767;

// Group rows are bold. A date in a group row is written as shown: the group's
// condition prints it as a month, a quarter, a week..., while its value is
// only the first record's date.
lxw_error writeCell(lxw_worksheet* sheet, lxw_row_t r, lxw_col_t c, const DetailTable::Cell& cell, bool group, Formats& f)
{
    const bool bold = group;
    const auto& v = cell.value;
    const Type type = group && (v.type == Type::Date || v.type == Type::DateTime) ? Type::String : v.type;
    switch (type) {
    case Type::Number: return worksheet_write_number(sheet, r, c, v.number, f.plain(bold));
    case Type::Currency: return worksheet_write_number(sheet, r, c, v.number, f.currency(bold));
    case Type::Boolean: return worksheet_write_boolean(sheet, r, c, v.number != 0, f.plain(bold));
    // Date serials count days from 30 Dec 1899, as the workbook's do.
    case Type::Date: return worksheet_write_number(sheet, r, c, v.number, f.date(bold));
    case Type::DateTime: return worksheet_write_number(sheet, r, c, v.number, f.dateTime(bold));
    case Type::String:
    case Type::Null: break;
    }
    if (cell.text.isEmpty())
        return LXW_NO_ERROR;
    return worksheet_write_string(sheet, r, c, cell.text.left(kCellText).toUtf8().constData(), f.plain(bold));
}

}  // namespace

QByteArray pagesXlsx(const layout::PageModel& model, const QString& title, int sheetRows)
{
    sheetRows = std::clamp(sheetRows, 2, kWorksheetRows);
    DetailRows table;
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
    Formats formats(book);
    auto check = [&](lxw_error e) {
        if (e != LXW_NO_ERROR) {
            workbook_close(book);
            fail(QString::fromUtf8(lxw_strerror(e)));
        }
    };

    // The rows go on on further sheets, each with the header row.
    const QStringList headers = table.headers();
    const QString name = QString::fromUtf8(sheetName(title));
    std::vector<lxw_worksheet*> sheets;
    auto newSheet = [&] {
        const int n = static_cast<int>(sheets.size()) + 1;
        const QString suffix = n > 1 ? QStringLiteral(" (%1)").arg(n) : QString();
        lxw_worksheet* sheet = workbook_add_worksheet(book, (name.left(LXW_SHEETNAME_MAX - suffix.size()) + suffix).toUtf8().constData());
        if (!sheet)
            check(LXW_ERROR_MEMORY_MALLOC_FAILED);
        for (qsizetype c = 0; c < headers.size(); ++c)
            check(worksheet_write_string(sheet, 0, static_cast<lxw_col_t>(c), headers[c].toUtf8().constData(), formats.plain(true)));
        worksheet_freeze_panes(sheet, 1, 0);
        sheets.push_back(sheet);
        return sheet;
    };
    lxw_worksheet* sheet = newSheet();
    std::vector<qsizetype> widths(static_cast<std::size_t>(std::max<qsizetype>(headers.size(), 1)), 8);
    for (qsizetype c = 0; c < headers.size(); ++c)
        widths[static_cast<std::size_t>(c)] = std::max(widths[static_cast<std::size_t>(c)], headers[c].size());

    int deepest = 0;
    for (const auto& r : table.rows)
        deepest = std::max(deepest, r.group);
    lxw_row_t at = 1;
    for (const auto& r : table.rows) {
        if (at == static_cast<lxw_row_t>(sheetRows)) {
            sheet = newSheet();
            at = 1;
        }
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
        check(worksheet_set_row_opt(sheet, at, LXW_DEF_ROW_HEIGHT, group ? formats.plain(true) : nullptr, &outline));
        for (std::size_t c = 0; c < cells.size(); ++c) {
            check(writeCell(sheet, at, static_cast<lxw_col_t>(c), cells[c], group, formats));
            if (c < widths.size())
                widths[c] = std::max(widths[c], std::min<qsizetype>(cells[c].text.size(), 60));
        }
        ++at;
    }
    for (lxw_worksheet* s : sheets) {
        for (std::size_t c = 0; c < widths.size(); ++c)
            worksheet_set_column(s, static_cast<lxw_col_t>(c), static_cast<lxw_col_t>(c), static_cast<double>(widths[c]) + 2, nullptr);
    }

    const lxw_error error = workbook_close(book);
    if (error != LXW_NO_ERROR)
        fail(QString::fromUtf8(lxw_strerror(error)));
    QFile file(QFile::decodeName(path));
    if (!file.open(QIODevice::ReadOnly))
        fail(file.errorString());
    return file.readAll();
}

}  // namespace orx::reportrt::exporting
