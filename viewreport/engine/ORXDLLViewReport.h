#pragma once

#include "viewreport/engine/RequestCollections.h"
#include "viewreport/engine/RequestItems.h"
#include "viewreport/engine/ViewReportExport.h"

#include <QObject>
#include <QPointer>
#include <QString>

// A report request: which report file, how its tables find their data,
// formulas, parameters, sort and group fields, sub-report data, print and
// export options, and what to do with the result (Mode). Show runs it.
namespace orx::viewreport {

class ORX_VIEWREPORT_EXPORT ORXDLLViewReport : public QObject {
    Q_OBJECT
    Q_PROPERTY(orx::viewreport::ORXRPTExportOptions* ExportOptions READ ExportOptions)
    Q_PROPERTY(orx::viewreport::ORXRPTFormulas* Formulas READ Formulas)
    Q_PROPERTY(QString LocationDB READ LocationDB WRITE setLocationDB)
    Q_PROPERTY(int Mode READ Mode WRITE setMode)
    Q_PROPERTY(orx::viewreport::ORXRPTOrderByFields* OrderByFields READ OrderByFields)
    Q_PROPERTY(orx::viewreport::ORXRPTParameters* Parameters READ Parameters)
    Q_PROPERTY(QString PassWordDB READ PassWordDB WRITE setPassWordDB)
    Q_PROPERTY(orx::viewreport::ORXRPTPrintOptions* PrintOptions READ PrintOptions)
    Q_PROPERTY(QObject* Recordset READ Recordset WRITE setRecordset)
    Q_PROPERTY(QString ReportName READ ReportName WRITE setReportName)
    Q_PROPERTY(bool ReportWithData READ ReportWithData WRITE setReportWithData)
    Q_PROPERTY(QString SelectionFormula READ SelectionFormula WRITE setSelectionFormula)
    Q_PROPERTY(orx::viewreport::ORXRPTSubReports* SubReports READ SubReports)
    Q_PROPERTY(bool WaitUnload READ WaitUnload WRITE setWaitUnload)

public:
    // A new request is cleared.
    explicit ORXDLLViewReport(QObject* parent = nullptr);
    ~ORXDLLViewReport() override;

    // The six owned objects are created on first read.
    ORXRPTExportOptions* ExportOptions();
    ORXRPTFormulas* Formulas();
    ORXRPTOrderByFields* OrderByFields();
    ORXRPTParameters* Parameters();
    ORXRPTPrintOptions* PrintOptions();
    ORXRPTSubReports* SubReports();

    QString LocationDB() const { return locationDB_; }
    void setLocationDB(const QString& location) { locationDB_ = location; }
    // ORXVR_Mode_Constants bits: 1 viewer, 2 printer, 4 export.
    int Mode() const { return mode_; }
    void setMode(int mode) { mode_ = mode; }
    QString PassWordDB() const { return passWordDB_; }
    // Stored without leading and trailing blanks.
    void setPassWordDB(const QString& password);
    // The caller's recordset, held by reference (none once destroyed).
    QObject* Recordset() const { return recordset_.data(); }
    void setRecordset(QObject* recordset) { recordset_ = recordset; }
    QString ReportName() const { return reportName_; }
    // Stored without a final ".RPT" (StripReportExtension).
    void setReportName(const QString& name);
    // Library-internal: a name as another request already stores it. The
    // extension rule is not applied twice, or "Q1.RPT.RPT" would be checked
    // as Q1.RPT.RPT and run as Q1.RPT.
    void copyReportName(const QString& storedName) { reportName_ = storedName; }
    bool ReportWithData() const { return reportWithData_; }
    void setReportWithData(bool on) { reportWithData_ = on; }
    // Stored, returned and cleared; a run does not apply it.
    QString SelectionFormula() const { return selectionFormula_; }
    void setSelectionFormula(const QString& formula) { selectionFormula_ = formula; }
    bool WaitUnload() const { return waitUnload_; }
    void setWaitUnload(bool on) { waitUnload_ = on; }

    // Back to the values of a new request, in the order of its members.
    Q_INVOKABLE void Clear();
    // Runs the request: checks the report file, copies the request into the
    // run state, then previews (Mode bit 1, in a new preview window), prints
    // and exports as the bits say. With WaitUnload and the viewer bit, returns
    // only when every preview window is closed.
    Q_INVOKABLE void Show();

    // Library-internal: replace the owned objects by given ones. An object
    // without a parent is adopted; the one replaced is deleted (later) when
    // this request owned it.
    void replaceExportOptions(ORXRPTExportOptions* object);
    void replaceFormulas(ORXRPTFormulas* object);
    void replaceOrderByFields(ORXRPTOrderByFields* object);
    void replaceParameters(ORXRPTParameters* object);
    void replacePrintOptions(ORXRPTPrintOptions* object);
    void replaceSubReports(ORXRPTSubReports* object);

private:
    template <class T>
    T* owned(QPointer<T>& slot);
    template <class T>
    void replace(QPointer<T>& slot, T* object);

    QPointer<ORXRPTExportOptions> exportOptions_;
    QPointer<ORXRPTFormulas> formulas_;
    QString locationDB_;
    int mode_ = 1;
    QPointer<ORXRPTOrderByFields> orderByFields_;
    QPointer<ORXRPTParameters> parameters_;
    QString passWordDB_;
    QPointer<ORXRPTPrintOptions> printOptions_;
    QPointer<QObject> recordset_;
    QString reportName_;
    bool reportWithData_ = false;
    QString selectionFormula_;
    QPointer<ORXRPTSubReports> subReports_;
    bool waitUnload_ = false;
};

}  // namespace orx::viewreport
