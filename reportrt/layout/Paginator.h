#pragma once

#include "reportrt/ReportRTExport.h"

#include "reportrt/layout/PageModel.h"

#include <functional>
#include <vector>

// Bands into pages. A band is one printing of a section: its items placed
// relative to its top-left corner (x from the left margin). Bands flow down
// the page between the page header and the page footer; a band that does
// not fit starts a new page, or is split there when it may be split. Bands
// between beginKeep and endKeep (a group kept together) move to a new page
// together when they fit on one page but not on the rest of this one.
namespace orx::reportrt::layout {

struct ORX_REPORTRT_EXPORT Band {
    definition::SectionKind kind = definition::SectionKind::Details;
    int height = 0;
    bool keepTogether = true;
    bool newPageBefore = false;
    bool newPageAfter = false;
    std::vector<PageItem> items;
};

// Where finished pages go: a PageModel, or a consumer that streams them.
class ORX_REPORTRT_EXPORT PageSink {
public:
    virtual ~PageSink() = default;
    virtual void page(Page&& page) = 0;
    virtual void finished(int pageCount) = 0;
};

class ORX_REPORTRT_EXPORT ModelSink : public PageSink {
public:
    explicit ModelSink(PageModel& model)
        : model_(model)
    {
    }
    void page(Page&& page) override { model_.addPage(std::move(page)); }
    void finished(int pageCount) override { model_.setTotalPages(pageCount); }

private:
    PageModel& model_;
};

class ORX_REPORTRT_EXPORT Paginator {
public:
    struct Hooks {
        // The bands at the top of a page (page header, repeated group headers) and at its foot.
        std::function<std::vector<Band>(int page)> header;
        std::function<std::vector<Band>(int page)> footer;
    };

    // `footerHeight` is kept free at the foot of every page for the footer.
    Paginator(const definition::PageSetup& setup, PageSink& sink, Hooks hooks, int footerHeight);

    void add(Band band);
    void beginKeep();
    void endKeep();
    // Closes the last page (a report with no band still has one page).
    void finish();

    int currentPage() const { return page_ < 1 ? 1 : page_; }
    int pagesDone() const { return done_; }

private:
    void place(Band band);
    void startPage();
    void closePage();
    void put(Band& band, int top);  // moves the band's items onto the page
    int bodyHeight() const;

    definition::PageSetup setup_;
    QSize paper_;
    PageSink& sink_;
    Hooks hooks_;
    int footerHeight_;
    int page_ = 0;
    int done_ = 0;
    bool open_ = false;
    bool breakPending_ = false;
    bool hasContent_ = false;  // a band other than headers is on the page
    int y_ = 0;
    int headerHeight_ = 0;  // of the bands at the top of this page
    Page current_;
    int keepDepth_ = 0;
    std::vector<Band> kept_;
};

}  // namespace orx::reportrt::layout
