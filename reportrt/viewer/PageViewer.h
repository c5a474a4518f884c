#pragma once

#include "reportrt/ReportRTExport.h"

#include "reportrt/Viewer.h"
#include "reportrt/ReportRuntime.h"
#include "reportrt/layout/PageModel.h"

#include <exception>
#include <memory>

class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QSpinBox;
class QToolBar;

namespace orx::reportrt::run {
class BackgroundLayout;
class RtReport;
}  // namespace orx::reportrt::run

// The viewer of our runtime: shows the pages of a report run by this
// runtime one page at a time, painted by the page painter and scaled to the
// zoom level, under a toolbar (first, previous, next, last page, go to page,
// zoom, text search, print, export, refresh). PgUp/PgDn and Home/End page,
// the wheel scrolls the page (and turns it at either end), Ctrl+wheel zooms,
// Ctrl+F goes to the search box, F3 and Shift+F3 find again, Ctrl+P prints.
// A click on a text tells the host which field it shows, its value and the
// fields of the record and groups it came from.
//
// ViewReport and Refresh return at once: the report is laid out on a worker
// thread (run::BackgroundLayout) and pages show as they arrive; IsBusy reads
// true until the last one is in. A report that reads an item model is laid
// out before ViewReport returns, since only this thread may read the model.
namespace orx::reportrt::viewer {

class ORX_REPORTRT_EXPORT PageViewer : public Viewer {
    Q_OBJECT

public:
    explicit PageViewer(QWidget* parent = nullptr);
    ~PageViewer() override;

    QVariant getProperty(int dispid) override;
    void putProperty(int dispid, const QVariant& value) override;
    QVariant call(int dispid, const QVariantList& args = {}) override;
    // Stops the layout under way; the pages laid out so far stay shown.
    void cancelLoading() override;

    int currentPage() const { return page_; }
    std::shared_ptr<const layout::PageModel> pages() const { return pages_; }
    // Shows page `index` (0-based, clamped to the pages there are).
    void showPage(int index);
    // The zoom level: 1 fit width, 2 fit page, otherwise a percentage.
    int zoomLevel() const { return zoom_; }
    // The viewer's pixel where a point of the current page (in twips) shows.
    QPoint viewerPoint(const QPointF& twips) const;
    QToolBar* toolBar() const { return bar_; }
    // True while the report is still being laid out.
    bool layingOut() const;

    // Prints the report after the print dialog (the toolbar's print button,
    // Ctrl+P): on the report's printer, else the system's default printer,
    // else into a PDF file (printFileName(), which the dialog may change).
    void printReport();
    // Exports the report after the export dialog, which offers every format
    // this runtime writes (the toolbar's export button).
    void exportReport();
    QString printFileName() const { return printFile_; }
    void setPrintFileName(const QString& path) { printFile_ = path; }

    // Finds the next (or previous) text containing `text`, ignoring case,
    // from the match shown (or the page shown), wrapping at either end; shows
    // its page with the text highlighted. False when no text has it.
    bool find(const QString& text, bool forward = true);
    // The highlighted match: its page and rectangle in twips; page -1 none.
    int matchPage() const { return matchPage_; }
    QRect matchRect() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    double scale() const;  // pixels per twip
    QRect pageArea() const;
    QPointF pageOrigin() const;
    void setZoom(int level);
    void scrollBy(int pixels);
    void load();
    void updateBar();
    void pagesArrived(int count);
    void layoutDone();
    run::RtReport* ourReport(bool raise);
    // Runs a toolbar command; its error is logged (nobody is there to catch it).
    template <class F>
    void guarded(const char* what, F&& f);

    ReportRef report_;
    std::shared_ptr<const layout::PageModel> pages_;
    int page_ = 0;
    int zoom_ = 1;
    int scrollY_ = 0;  // pixels of the page scrolled out above the view
    bool toolbar_ = true, border_ = true, toolbarEnabled_ = true;

    QToolBar* bar_ = nullptr;
    QAction *first_ = nullptr, *previous_ = nullptr, *next_ = nullptr, *last_ = nullptr, *refresh_ = nullptr;
    QAction *print_ = nullptr, *export_ = nullptr;
    QSpinBox* goTo_ = nullptr;
    QLabel* of_ = nullptr;
    QComboBox* zoomBox_ = nullptr;
    QLineEdit* search_ = nullptr;

    int matchPage_ = -1;   // the highlighted text: its page
    int matchItem_ = -1;   // and its index among the page's items

    QString printFile_;
    QString failure_;              // why the last layout failed, shown in place of the page
    std::exception_ptr pendingError_;  // raised once by the next IsBusy read
    std::unique_ptr<run::BackgroundLayout> layout_;  // the layout under way (or done) for pages_
};

}  // namespace orx::reportrt::viewer
