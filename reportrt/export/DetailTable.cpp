#include "reportrt/export/DetailTable.h"

#include <algorithm>

namespace orx::reportrt::exporting {

using definition::SectionKind;
using layout::PageItem;

namespace {

QString columnKey(const PageItem& i)
{
    return i.name.isEmpty() ? i.source : i.name;
}

bool isGroupSection(SectionKind k)
{
    return k == SectionKind::GroupHeader || k == SectionKind::GroupFooter;
}

}  // namespace

void DetailTable::addPage(const layout::Page& page)
{
    for (const auto& i : page.items) {
        if (i.kind != PageItem::Kind::Text || i.fromSubreport)
            continue;
        if (i.section == SectionKind::Details) {
            if (i.record > 0 && !i.source.isEmpty())
                addDetail(i);
            continue;
        }
        if (!groupRows_ || !isGroupSection(i.section) || i.text.isEmpty())
            continue;
        // One printing of a group section: its items follow one another with
        // the same section and group, and the fields among them show one record
        // (plain texts show none).
        const bool sameRecord = i.record == 0 || groupRecord_ <= 0 || i.record == groupRecord_;
        if (groupRecord_ < 0 || currentRecord_ >= 0 || groupSection_ != i.section || groupNumber_ != i.group || !sameRecord) {
            endRow();
            current_.kind = i.section == SectionKind::GroupHeader ? Row::Kind::GroupHeader : Row::Kind::GroupFooter;
            current_.group = i.group;
            groupSection_ = i.section;
            groupNumber_ = i.group;
            groupRecord_ = 0;
        }
        if (groupRecord_ == 0)
            groupRecord_ = i.record;
        current_.cells.push_back({i.text, i.value, i.rect.left()});
    }
}

void DetailTable::addDetail(const PageItem& i)
{
    if (i.record != currentRecord_) {
        endRow();
        currentRecord_ = i.record;
        current_.kind = Row::Kind::Record;
    }
    const QString key = columnKey(i);
    // Items mostly come in column order: the column after the last one is tried first.
    int c = nextColumn_ < columns_.size() && columns_[nextColumn_] == key ? nextColumn_ : columnIndex_.value(key, -1);
    if (c < 0) {
        // Columns met later (a field printed only on some records) go where their position puts them.
        int at = 0;
        while (at < columnX_.size() && columnX_[at] <= i.rect.left())
            ++at;
        if (records_ > 0)
            at = static_cast<int>(columns_.size());  // rows already handed on keep their columns
        columns_.insert(at, key);
        columnX_.insert(at, i.rect.left());
        columnIndex_.clear();
        for (int k = 0; k < columns_.size(); ++k)
            columnIndex_.insert(columns_[k], k);
        const auto pos = std::min<std::size_t>(static_cast<std::size_t>(at), current_.cells.size());
        current_.cells.insert(current_.cells.begin() + static_cast<std::ptrdiff_t>(pos), Cell{});
        c = at;
    }
    while (current_.cells.size() < static_cast<std::size_t>(columns_.size()))
        current_.cells.push_back(Cell{});
    Cell& cell = current_.cells[static_cast<std::size_t>(c)];
    if (i.continued) {
        // The further lines of a wrapped text join it again where it was wrapped.
        cell.text += QLatin1Char(' ') + i.text;
    } else {
        cell = {i.text, i.value, i.rect.left()};
    }
    nextColumn_ = c + 1;
}

void DetailTable::endRow()
{
    if (currentRecord_ >= 0) {
        while (current_.cells.size() < static_cast<std::size_t>(columns_.size()))
            current_.cells.push_back(Cell{});
        ++records_;
    } else if (groupRecord_ < 0) {
        return;
    } else {
        std::stable_sort(current_.cells.begin(), current_.cells.end(), [](const Cell& a, const Cell& b) { return a.left < b.left; });
    }
    Row done = std::move(current_);
    current_ = Row{};
    currentRecord_ = -1;
    nextColumn_ = 0;
    groupRecord_ = -1;
    row(std::move(done));
}

void DetailTable::finish()
{
    endRow();
}

QStringList DetailTable::headers() const
{
    QStringList header;
    for (const QString& c : columns_) {
        QString h = c;
        if (h.startsWith(QLatin1Char('{')) && h.endsWith(QLatin1Char('}')))
            h = h.mid(1, h.size() - 2).section(QLatin1Char('.'), -1).remove(QLatin1Char('@')).remove(QLatin1Char('?'));
        header << h;
    }
    return header;
}

int DetailTable::columnAt(int left) const
{
    int best = -1;
    for (int c = 0; c < columnX_.size(); ++c) {
        if (columnX_[c] <= left && (best < 0 || columnX_[c] >= columnX_[best]))
            best = c;
    }
    return std::max(best, 0);
}

}  // namespace orx::reportrt::exporting
