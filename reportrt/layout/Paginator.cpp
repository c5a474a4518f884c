#include "reportrt/layout/Paginator.h"

#include <algorithm>

namespace orx::reportrt::layout {

namespace {

// Cuts `item` (a box, a line, a picture) at `cut` (band coordinates): it keeps
// the part above, the part below is returned, placed at the top of the rest.
PageItem splitAt(PageItem& item, int cut)
{
    PageItem below = item;
    const int above = cut - item.rect.top();
    if (item.kind == PageItem::Kind::Picture) {
        const int full = item.pictureHeight > 0 ? item.pictureHeight : item.rect.height();
        item.pictureHeight = full;
        below.pictureHeight = full;
        below.pictureTop = item.pictureTop + above;
    }
    below.rect = QRect(item.rect.left(), 0, item.rect.width(), item.rect.height() - above);
    item.rect.setHeight(above);
    return below;
}

}  // namespace

Paginator::Paginator(const definition::PageSetup& setup, PageSink& sink, Hooks hooks, int footerHeight)
    : setup_(setup), paper_(paperSizeTwips(setup.paperSize, setup.orientation)), sink_(sink), hooks_(std::move(hooks)),
      footerHeight_(footerHeight)
{
}

int Paginator::bodyHeight() const
{
    return paper_.height() - setup_.marginTop - setup_.marginBottom - footerHeight_;
}

void Paginator::add(Band band)
{
    if (keepDepth_ > 0) {
        kept_.push_back(std::move(band));
        return;
    }
    place(std::move(band));
}

void Paginator::beginKeep()
{
    ++keepDepth_;
}

void Paginator::endKeep()
{
    if (keepDepth_ == 0 || --keepDepth_ > 0)
        return;
    std::vector<Band> bands = std::move(kept_);
    kept_.clear();
    int total = 0;
    for (const auto& b : bands)
        total += b.height;
    const int limit = setup_.marginTop + bodyHeight();
    if (open_ && hasContent_ && y_ + total > limit) {
        // Would the group fit on a page of its own, under a header like this page's?
        if (total <= bodyHeight() - headerHeight_)
            breakPending_ = true;
    }
    for (auto& b : bands)
        place(std::move(b));
}

void Paginator::startPage()
{
    ++page_;
    open_ = true;
    hasContent_ = false;
    current_.items.clear();  // keeps the room reserved when the last page closed
    y_ = setup_.marginTop;
    if (hooks_.header) {
        for (auto& b : hooks_.header(page_)) {
            put(b, y_);
            y_ += b.height;
        }
    }
    headerHeight_ = y_ - setup_.marginTop;
}

void Paginator::closePage()
{
    if (!open_)
        return;
    if (hooks_.footer) {
        int y = paper_.height() - setup_.marginBottom - footerHeight_;
        for (auto& b : hooks_.footer(page_)) {
            put(b, y);
            y += b.height;
        }
    }
    open_ = false;
    ++done_;
    const std::size_t items = current_.items.size();
    sink_.page(std::move(current_));
    current_ = Page{};
    current_.items.reserve(items);  // the next page most likely holds as many
}

void Paginator::put(Band& band, int top)
{
    for (PageItem& item : band.items) {
        item.rect.translate(setup_.marginLeft, top);
        if (item.special == definition::SpecialField::PageNumber) {
            item.text = QString::number(page_);
            item.value = formula::Value::ofNumber(page_);
        }
        current_.items.push_back(std::move(item));
    }
}

void Paginator::place(Band band)
{
    if (open_ && (breakPending_ || (band.newPageBefore && hasContent_)))
        closePage();
    breakPending_ = false;
    if (!open_)
        startPage();
    const int limit = setup_.marginTop + bodyHeight();
    while (y_ + band.height > limit) {
        // Kept together unless taller than the room under a page header like this page's.
        const bool mustSplit = !band.keepTogether || band.height > bodyHeight() - headerHeight_;
        if (!mustSplit && hasContent_) {
            closePage();
            startPage();
            if (y_ + band.height <= limit)
                break;
            continue;  // taller than the page under its header: split it
        }
        if (!mustSplit)
            break;  // alone on a page and fits the body: placed as is
        if (limit - y_ < 300) {
            if (!hasContent_)
                break;  // the header leaves no room: nothing better can be done
            closePage();  // too little room left to be worth splitting into
            startPage();
            continue;
        }
        // Split above the first item that would cross the foot of the page;
        // what is below moves on. An item taller than the page is cut there:
        // boxes, lines and pictures go on at the top of the next page.
        int cut = limit - y_;
        for (const auto& i : band.items) {
            if (i.rect.top() < cut && i.rect.bottom() >= cut && i.rect.height() < bodyHeight() - headerHeight_)
                cut = std::min(cut, i.rect.top());
        }
        if (cut <= 0) {
            if (hasContent_) {
                closePage();
                startPage();
                continue;
            }
            cut = limit - y_;
        }
        Band rest = band;
        rest.items.clear();
        band.items.erase(std::remove_if(band.items.begin(), band.items.end(),
                                        [&](PageItem& i) {
                                            if (i.rect.top() < cut) {
                                                if (i.rect.bottom() >= cut && i.kind != PageItem::Kind::Text)
                                                    rest.items.push_back(splitAt(i, cut));
                                                return false;
                                            }
                                            i.rect.translate(0, -cut);
                                            rest.items.push_back(i);
                                            return true;
                                        }),
                         band.items.end());
        rest.height = band.height - cut;
        put(band, y_);
        band.items.clear();
        hasContent_ = true;
        y_ = limit;
        closePage();
        startPage();
        band = std::move(rest);
    }
    const int height = band.height;
    const bool breakAfter = band.newPageAfter;
    put(band, y_);
    y_ += height;
    hasContent_ = true;
    if (breakAfter)
        breakPending_ = true;
}

void Paginator::finish()
{
    if (keepDepth_ > 0) {
        keepDepth_ = 1;
        endKeep();
    }
    if (!open_ && done_ == 0)
        startPage();
    closePage();
    sink_.finished(done_);
}

}  // namespace orx::reportrt::layout
