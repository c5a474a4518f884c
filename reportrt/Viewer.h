#pragma once

#include "reportrt/ReportRTExport.h"

#include <QVariant>
#include <QWidget>

// The report viewer: a widget that shows a prepared report. The engine, the
// preview window and the viewer control reach it late bound, by dispatch
// identifier, and hear about clicks on the report through `Clicked`.
namespace orx::reportrt {

// The viewer members the library uses, by dispatch identifier.
namespace viewerid {
inline constexpr int ReportSource = 250;    // property: the report to show (a ReportRef)
inline constexpr int DisplayToolbar = 252;  // property: the toolbar is shown
inline constexpr int ViewReport = 265;      // method: show ReportSource
inline constexpr int DisplayBorder = 341;   // property: the viewer's border is shown
inline constexpr int EnableToolbar = 342;   // property: the toolbar's buttons work
inline constexpr int Refresh = 353;         // method: read the data again
inline constexpr int ShowFirstPage = 355;   // method
inline constexpr int ShowLastPage = 358;    // method
inline constexpr int Zoom = 360;            // method: one 16-bit zoom level
inline constexpr int PageCount = 361;       // property (read-only): pages of the report shown
inline constexpr int IsBusy = 363;          // property (read-only): still loading
}  // namespace viewerid

// What a click hit: one of the fields under the pointer.
class ORX_REPORTRT_EXPORT ViewerField {
public:
    virtual ~ViewerField() = default;
    virtual QString Name() = 0;
    virtual QVariant Value() = 0;
};

class ORX_REPORTRT_EXPORT ViewerFieldList {
public:
    virtual ~ViewerFieldList() = default;
    virtual int Count() = 0;
    // 1-based; raises the viewer's error outside 1..Count.
    virtual ViewerField& Item(int position) = 0;
};

// The event information of a click: the kind of the object clicked and the
// fields it shows.
class ORX_REPORTRT_EXPORT ViewerEventInfo {
public:
    virtual ~ViewerEventInfo() = default;
    virtual int ObjectKind() = 0;
    virtual ViewerFieldList& Fields() = 0;
};

class ORX_REPORTRT_EXPORT Viewer : public QWidget {
    Q_OBJECT

public:
    explicit Viewer(QWidget* parent = nullptr);

    // Late binding by dispatch identifier. An identifier the viewer does not
    // have raises error 438.
    virtual QVariant getProperty(int dispid) = 0;
    virtual void putProperty(int dispid, const QVariant& value) = 0;
    virtual QVariant call(int dispid, const QVariantList& args = {}) = 0;

    // Stops loading the report shown (the window showing it is going away):
    // IsBusy reads false from then on. Not a member of the viewer's dispatch
    // interface; a viewer that loads before ViewReport returns has nothing to stop.
    virtual void cancelLoading() {}

    // Typed shorthands over the identifiers above.
    bool isBusy() { return getProperty(viewerid::IsBusy).toBool(); }
    void zoom(std::int16_t level) { call(viewerid::Zoom, {QVariant::fromValue(level)}); }

Q_SIGNALS:
    // A click on the report at (x, y) in the viewer's pixels. A handler sets
    // `useDefault` to false when it has handled the click itself; connect
    // directly.
    void Clicked(int x, int y, orx::reportrt::ViewerEventInfo* info, bool& useDefault);
};

}  // namespace orx::reportrt
