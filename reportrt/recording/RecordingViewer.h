#pragma once

#include "reportrt/ReportRuntime.h"
#include "reportrt/Viewer.h"
#include "reportrt/recording/RecordingLog.h"

#include <QList>
#include <QPair>
#include <functional>
#include <memory>
#include <optional>

// The viewer of the recording runtime: a real widget that keeps the state the
// library sets through the viewer's dispatch identifiers, logs every call,
// paints that state as plain text, and reports scripted clicks.
namespace orx::reportrt::recording {

// A click a test prepares: the kind of object hit and its fields (name, value).
struct ClickScript {
    int kind = 0;
    QList<QPair<QString, QVariant>> fields;
};

class RecordingViewer : public Viewer {
    Q_OBJECT

public:
    RecordingViewer(std::shared_ptr<RecordingLog> log, QString label, QWidget* parent = nullptr);

    QVariant getProperty(int dispid) override;
    void putProperty(int dispid, const QVariant& value) override;
    QVariant call(int dispid, const QVariantList& args = {}) override;

    const QString& label() const { return label_; }

    // How many IsBusy reads after each ViewReport answer true.
    void setBusyPolls(int polls) { busyPolls_ = polls; }

    // The next mouse press on the viewer reports this click.
    void setNextClick(const ClickScript& click) { nextClick_ = click; }
    // Reports a click at (x, y) now; returns what the handlers left in the
    // use-default flag.
    bool simulateClick(int x, int y, const ClickScript& click);
    std::optional<bool> lastUseDefault() const { return lastUseDefault_; }

    // State, as set through the dispatch identifiers.
    ReportRef reportSource() const { return report_; }
    bool viewed() const { return viewed_; }
    bool toolbarShown() const { return toolbar_; }
    bool toolbarEnabled() const { return toolbarEnabled_; }
    bool borderShown() const { return border_; }
    int zoomLevel() const { return zoom_; }
    int currentPage() const { return page_; }
    int pageCount() const;
    // The text the viewer paints.
    QString stateText() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    QString name(int dispid) const;

    std::shared_ptr<RecordingLog> log_;
    QString label_;
    ReportRef report_;
    bool viewed_ = false;
    bool toolbar_ = true;
    bool toolbarEnabled_ = true;
    bool border_ = true;
    int zoom_ = 100;
    int page_ = 0;
    int busyPolls_ = 0;
    int busyLeft_ = 0;
    std::optional<ClickScript> nextClick_;
    std::optional<bool> lastUseDefault_;
};

}  // namespace orx::reportrt::recording
