#pragma once

#include "reportrt/ReportRTExport.h"

#include "reportrt/layout/PageModel.h"

#include <QHash>
#include <QStringList>
#include <vector>

// The detail records of a laid-out report as a table, for the exports that
// give data rather than pages (CSV, the spreadsheet): one row per record with
// the detail fields as displayed, columns in the order of the fields across
// the details section. Sub-report lines are left out. Pages are added one at
// a time and each row is handed on when it ends, so a long report is never
// held whole; with group rows on, each printing of a group header or footer
// is handed on too, in its place between the records.
namespace orx::reportrt::exporting {

class ORX_REPORTRT_EXPORT DetailTable {
public:
    struct Cell {
        QString text;          // as displayed
        formula::Value value;  // the value shown (null for plain text)
        int left = 0;          // twips from the paper's left edge
    };
    struct Row {
        enum class Kind { Record, GroupHeader, GroupFooter };
        Kind kind = Kind::Record;
        int group = 0;  // group rows: the group, 1 the outermost
        // Record rows: one cell per column known when the row ended (columns
        // found later come after them). Group rows: the texts, left to right.
        std::vector<Cell> cells;
    };

    explicit DetailTable(bool groupRows = false)
        : groupRows_(groupRows)
    {
    }
    virtual ~DetailTable() = default;
    DetailTable(const DetailTable&) = delete;
    DetailTable& operator=(const DetailTable&) = delete;

    // Adds the detail (and group) texts of one page.
    void addPage(const layout::Page& page);
    // Hands on the row still open; call once after the last page.
    void finish();

    // Column names for a header line: the field's name without braces and table.
    QStringList headers() const;
    int columnCount() const { return static_cast<int>(columns_.size()); }
    // The column a text beginning at `left` twips falls in (the rightmost
    // column starting at or before it; the first when none does).
    int columnAt(int left) const;
    // The record row still open (empty when none), padded to every column.
    const Row* openRecord() const { return currentRecord_ >= 0 ? &current_ : nullptr; }
    qint64 records() const { return records_ + (currentRecord_ >= 0 ? 1 : 0); }

protected:
    virtual void row(Row&& row) = 0;

private:
    void endRow();
    void addDetail(const layout::PageItem& item);

    bool groupRows_;
    QStringList columns_;  // sources (or names) in order
    QHash<QString, int> columnIndex_;
    QList<int> columnX_;
    Row current_;
    qint64 currentRecord_ = -1;
    int nextColumn_ = 0;  // the column the next detail text most likely fills
    // The group row being gathered: its section, group and record (0 while
    // only plain texts have come; -1 when there is none).
    definition::SectionKind groupSection_ = definition::SectionKind::Details;
    int groupNumber_ = 0;
    qint64 groupRecord_ = -1;
    qint64 records_ = 0;
};

// A detail table that keeps every row, group rows among them.
class ORX_REPORTRT_EXPORT DetailRows : public DetailTable {
public:
    DetailRows()
        : DetailTable(true)
    {
    }
    std::vector<Row> rows;

protected:
    void row(Row&& r) override { rows.push_back(std::move(r)); }
};

}  // namespace orx::reportrt::exporting
