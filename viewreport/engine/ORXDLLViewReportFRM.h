#pragma once

#include "reportrt/Viewer.h"
#include "viewreport/engine/ViewReportExport.h"

#include <QPointer>
#include <QPushButton>
#include <QWidget>

// The preview window of ORXDLLViewReport.Show: a viewer above a strip with
// print, printer set-up and close buttons. Every Show with the viewer bit
// makes a new one; several may be open at once. The window deletes itself
// once closed.
namespace orx::viewreport {

class ORX_VIEWREPORT_EXPORT ORXDLLViewReportFRM : public QWidget {
    Q_OBJECT

public:
    explicit ORXDLLViewReportFRM(QWidget* parent = nullptr);
    ~ORXDLLViewReportFRM() override;

    // The load sequence: shows the window, yields once, keeps it above other
    // windows when the request waits for it, runs the report into the viewer,
    // zooms to the page width, and hides and shows the viewer. An error of the
    // run reaches the caller; the window stays open with what was done.
    void Load();

    QWidget* CNT_Tasti() const { return buttonStrip_; }
    QPushButton* PB_Report() const { return report_; }
    QPushButton* PB_Setup() const { return setup_; }
    QPushButton* PB_Fine() const { return exit_; }
    QWidget* CNT_Report() const { return container_; }
    reportrt::Viewer* CRV_Preview() const { return viewer_; }

    // Closed by the user or by PB_Fine (it is deleted soon after).
    bool isUnloaded() const { return unloaded_; }

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void Form_Resize();
    void PB_Report_Click();
    void PB_Setup_Click();
    // The buttons run in the event loop, where an error cannot propagate: it
    // is shown in a message box.
    void reportError(const std::exception& error);

    QWidget* buttonStrip_ = nullptr;
    QPushButton* report_ = nullptr;
    QPushButton* setup_ = nullptr;
    QPushButton* exit_ = nullptr;
    QWidget* container_ = nullptr;
    reportrt::Viewer* viewer_ = nullptr;
    bool loading_ = false;
    bool unloaded_ = false;
};

// Puts a window in the topmost z-order band, or takes it out, keeping its
// position and size.
ORX_VIEWREPORT_EXPORT void SetTopMost(QWidget* window, bool on);

}  // namespace orx::viewreport
