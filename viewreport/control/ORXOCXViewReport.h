#pragma once

#include "platform/host/UserControl.h"
#include "reportrt/Viewer.h"
#include "viewreport/engine/ORXDLLViewReport.h"
#include "viewreport/engine/ViewReportExport.h"

#include <QPointer>

namespace orx::draw {
class Surface;
}

// The report viewer control: a report shown inside the host's form. It
// carries a request like ORXDLLViewReport's, runs it with the engine on its
// embedded viewer CRV_Preview, lets the host page, print and refresh, and
// turns clicks on report fields into DBFieldSelected and RowSelected.
namespace orx::viewreport {

class ORX_VIEWREPORT_EXPORT ORXOCXViewReport : public host::UserControl {
    Q_OBJECT
    Q_PROPERTY(bool BorderFrameDrop READ BorderFrameDrop WRITE setBorderFrameDrop)
    Q_PROPERTY(bool BorderViewerPop READ BorderViewerPop WRITE setBorderViewerPop)
    Q_PROPERTY(bool DisplayToolBar READ DisplayToolBar WRITE setDisplayToolBar)
    Q_PROPERTY(orx::viewreport::ORXRPTExportOptions* ExportOptions READ ExportOptions)
    Q_PROPERTY(orx::viewreport::ORXRPTFormulas* Formulas READ Formulas)
    Q_PROPERTY(QString KeyFormulaPrefix READ KeyFormulaPrefix WRITE setKeyFormulaPrefix)
    Q_PROPERTY(QString LocationDB READ LocationDB WRITE setLocationDB DESIGNABLE false)
    Q_PROPERTY(int Mode READ Mode WRITE setMode)
    Q_PROPERTY(orx::viewreport::ORXRPTOrderByFields* OrderByFields READ OrderByFields DESIGNABLE false)
    Q_PROPERTY(orx::viewreport::ORXRPTParameters* Parameters READ Parameters DESIGNABLE false)
    Q_PROPERTY(QString PassWordDB READ PassWordDB WRITE setPassWordDB)
    Q_PROPERTY(orx::viewreport::ORXRPTPrintOptions* PrintOptions READ PrintOptions)
    Q_PROPERTY(QObject* Recordset READ Recordset WRITE setRecordset)
    Q_PROPERTY(QString ReportName READ ReportName WRITE setReportName DESIGNABLE false)
    Q_PROPERTY(bool ReportWithData READ ReportWithData WRITE setReportWithData)
    Q_PROPERTY(QString SelectionFormula READ SelectionFormula WRITE setSelectionFormula DESIGNABLE false)
    Q_PROPERTY(orx::viewreport::ORXRPTSubReports* SubReports READ SubReports)
    Q_PROPERTY(int ZoomLevel READ ZoomLevel WRITE setZoomLevel)
    Q_PROPERTY(int TotalPage READ TotalPage)

public:
    explicit ORXOCXViewReport(QWidget* parent = nullptr);
    ~ORXOCXViewReport() override;

    // The border of the control itself: true for a fixed single border.
    bool BorderFrameDrop() const { return borderStyle_ == 1; }
    void setBorderFrameDrop(bool on);
    // The viewer's own border and toolbar (its dispatch identifiers 341, 252
    // and 342).
    bool BorderViewerPop() const;
    void setBorderViewerPop(bool on);
    bool DisplayToolBar() const;
    void setDisplayToolBar(bool on);
    QString KeyFormulaPrefix() const { return keyFormulaPrefix_; }
    void setKeyFormulaPrefix(const QString& prefix) { keyFormulaPrefix_ = prefix; }
    // ORXVR_ZoomLevel_Constants, held in 16 bits (other numbers raise the
    // overflow error); applied at the next Show or resize.
    int ZoomLevel() const { return zoomLevel_; }
    void setZoomLevel(int level);
    // The viewer's page count.
    int TotalPage() const;

    // The request's members (the request is created on first use).
    ORXRPTExportOptions* ExportOptions() { return request()->ExportOptions(); }
    ORXRPTFormulas* Formulas() { return request()->Formulas(); }
    ORXRPTOrderByFields* OrderByFields() { return request()->OrderByFields(); }
    ORXRPTParameters* Parameters() { return request()->Parameters(); }
    ORXRPTPrintOptions* PrintOptions() { return request()->PrintOptions(); }
    ORXRPTSubReports* SubReports() { return request()->SubReports(); }
    QString LocationDB() { return request()->LocationDB(); }
    void setLocationDB(const QString& location) { request()->setLocationDB(location); }
    int Mode() { return request()->Mode(); }
    // The viewer bit is always set (ModeWithViewer).
    void setMode(int mode);
    QString PassWordDB() { return request()->PassWordDB(); }
    void setPassWordDB(const QString& password) { request()->setPassWordDB(password); }
    QObject* Recordset() { return request()->Recordset(); }
    void setRecordset(QObject* recordset) { request()->setRecordset(recordset); }
    QString ReportName() { return request()->ReportName(); }
    void setReportName(const QString& name) { request()->setReportName(name); }
    bool ReportWithData() { return request()->ReportWithData(); }
    void setReportWithData(bool on) { request()->setReportWithData(on); }
    QString SelectionFormula() { return request()->SelectionFormula(); }
    void setSelectionFormula(const QString& formula) { request()->setSelectionFormula(formula); }

    // The request's Clear; the viewer is hidden.
    Q_INVOKABLE void Clear();
    // PrintOut and PrinterSetup on the engine's CurrentReport, and Requery
    // (the viewer's refresh), only while the viewer is shown.
    Q_INVOKABLE void PrintOut();
    Q_INVOKABLE void PrinterSetup();
    Q_INVOKABLE void Requery();
    // Runs the request into the viewer with the engine: checks the
    // report file, copies the request into the run state, shows the viewer,
    // runs the report, applies ZoomLevel.
    Q_INVOKABLE void Show();
    Q_INVOKABLE void LastPage();
    Q_INVOKABLE void FirstPage();

    // Library-internal: replace the request's owned objects.
    void replaceExportOptions(ORXRPTExportOptions* object) { request()->replaceExportOptions(object); }
    void replaceFormulas(ORXRPTFormulas* object) { request()->replaceFormulas(object); }
    void replaceOrderByFields(ORXRPTOrderByFields* object) { request()->replaceOrderByFields(object); }
    void replaceParameters(ORXRPTParameters* object) { request()->replaceParameters(object); }
    void replacePrintOptions(ORXRPTPrintOptions* object) { request()->replacePrintOptions(object); }
    void replaceSubReports(ORXRPTSubReports* object) { request()->replaceSubReports(object); }

    reportrt::Viewer* CRV_Preview() const { return viewer_; }
    ORXDLLViewReport* request();

    // Lifecycle.
    void InitProperties() override;
    void ReadProperties(host::PropertyBag& bag) override;
    void WriteProperties(host::PropertyBag& bag) override;
    void AmbientChanged(const QString& name) override;
    void Resize() override;

    // The design-time picture: the control's name at (150, 150), and with no
    // border of its own an outline just inside its edges. Nothing at run time.
    void Paint(draw::Surface& surface);
    // The inner size in twips (within the border).
    double innerWidth() const;
    double innerHeight() const;

Q_SIGNALS:
    void DBFieldSelected(const QString& sFieldName, const QVariant& vValue);
    void RowSelected(const QString& sKeyFieldName, const QVariant& vKeyValue);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void CRV_Preview_Clicked(int x, int y, reportrt::ViewerEventInfo* info, bool& useDefault);
    int borderPixels() const { return borderStyle_ == 1 ? 1 : 0; }
    // Errors in the event loop (resize, clicks) cannot reach a caller: shown
    // in a message box.
    void reportError(const std::exception& error);

    QPointer<ORXDLLViewReport> request_;
    reportrt::Viewer* viewer_ = nullptr;
    QString keyFormulaPrefix_;
    int zoomLevel_ = 1;
    int borderStyle_ = 1;
};

}  // namespace orx::viewreport
