#include "reportrt/layout/PageModel.h"

namespace orx::reportrt::layout {

int PageModel::styleIndex(const TextStyle& style)
{
    for (std::size_t i = 0; i < styles_.size(); ++i) {
        if (styles_[i] == style)
            return static_cast<int>(i);
    }
    styles_.push_back(style);
    return static_cast<int>(styles_.size()) - 1;
}

void PageModel::setTotalPages(int total)
{
    for (std::size_t p = 0; p < pages_.size(); ++p)
        fillTotalPages(pages_[p], static_cast<int>(p) + 1, QString::number(total));
}

void PageModel::fillTotalPages(Page& page, int number, const QString& total)
{
    bool isNumber = false;
    const int count = total.toInt(&isNumber);
    for (auto& i : page.items) {
        if (i.special == definition::SpecialField::TotalPageCount) {
            i.text = total;
            i.value = isNumber ? formula::Value::ofNumber(count) : formula::Value::null();
        } else if (i.special == definition::SpecialField::PageNofM) {
            i.text = QStringLiteral("Page %1 of %2").arg(number).arg(total);
            i.value = formula::Value::ofString(i.text);
        }
    }
}

std::vector<const PageItem*> PageModel::texts() const
{
    std::vector<const PageItem*> out;
    for (const auto& p : pages_) {
        for (const auto& i : p.items) {
            if (i.kind == PageItem::Kind::Text)
                out.push_back(&i);
        }
    }
    return out;
}

void setPaper(PageModel& model, const definition::PageSetup& setup)
{
    model.setup = setup;
    model.paperSize = paperSizeTwips(setup.paperSize, setup.orientation);
}

QSize paperSizeTwips(int paperSize, int orientation)
{
    QSize s;
    switch (paperSize) {
    case 1: s = {12240, 15840}; break;   // Letter
    case 5: s = {12240, 20160}; break;   // Legal
    case 8: s = {16838, 23811}; break;   // A3
    case 11: s = {8391, 11906}; break;   // A5
    case 9:
    default: s = {11906, 16838}; break;  // A4
    }
    return orientation == 2 ? s.transposed() : s;
}

}  // namespace orx::reportrt::layout
