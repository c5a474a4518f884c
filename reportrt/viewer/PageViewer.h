#pragma once

#include "reportrt/ReportRTExport.h"

#include "reportrt/Viewer.h"
#include "reportrt/ReportRuntime.h"
#include "reportrt/layout/PageModel.h"

#include <memory>

// The viewer of our runtime: shows the pages of a report run by this
// runtime, one page at a time, scaled to the zoom level; a click on a text
// tells the host which field it shows and its value. Searching, the toolbar
// and printing from the viewer come with the renderer.
namespace orx::reportrt::viewer {

class ORX_REPORTRT_EXPORT PageViewer : public Viewer {
    Q_OBJECT

public:
    explicit PageViewer(QWidget* parent = nullptr);
    ~PageViewer() override;

    QVariant getProperty(int dispid) override;
    void putProperty(int dispid, const QVariant& value) override;
    QVariant call(int dispid, const QVariantList& args = {}) override;

    int currentPage() const { return page_; }
    std::shared_ptr<const layout::PageModel> pages() const { return pages_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    double scale() const;  // pixels per twip
    void load();

    ReportRef report_;
    std::shared_ptr<const layout::PageModel> pages_;
    int page_ = 0;
    int zoom_ = 1;
    bool toolbar_ = true, border_ = true, toolbarEnabled_ = true;
};

}  // namespace orx::reportrt::viewer
