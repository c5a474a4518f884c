#pragma once

#include "reportrt/ReportRTExport.h"

#include "reportrt/RecordSelection.h"
#include "reportrt/ReportRuntime.h"
#include "reportrt/SavedDataChoice.h"
#include "reportrt/layout/PageModel.h"
#include "reportrt/run/ReportState.h"

#include <map>
#include <memory>
#include <vector>

class QPrinter;
class QPrinterInfo;

// Our runtime's objects behind the boundary of ReportRuntime.h: a thin skin
// over a ReportState. What a program writes (locations, data sources, sort
// fields, group settings, parameter values, formula texts) changes the state
// and takes effect on the next run; pages() runs the report once and keeps
// the pages until the next change.
namespace orx::reportrt::run {

class RunObserver;
class RtReport;

class ORX_REPORTRT_EXPORT RtReport : public Report,
                                     public RecordSelection,
                                     public SavedDataChoice,
                                     public std::enable_shared_from_this<RtReport> {
public:
    RtReport(std::shared_ptr<ReportState> state, std::weak_ptr<RtReport> parent);
    ~RtReport() override;

    // Opens a report file; raises the file's error (not found, malformed).
    static std::shared_ptr<RtReport> open(const QString& path);

    ReportState& state() { return *state_; }
    // Something the next run depends on changed.
    void changed();
    // The laid-out report (run now when it has changed since the last run).
    std::shared_ptr<const layout::PageModel> pages(RunObserver* observer = nullptr);
    // The pages of the last run when nothing has changed since; null otherwise.
    std::shared_ptr<const layout::PageModel> laidOut() const { return pages_; }
    // Counts the changes: a layout made elsewhere (in the background) is
    // kept with adoptPages only when nothing changed since it started.
    quint64 generation() const { return generation_; }
    void adoptPages(std::shared_ptr<const layout::PageModel> model, quint64 generation);

    reportrt::Database& Database() override;
    reportrt::Sections& Sections() override;
    reportrt::Areas& Areas() override;
    FormulaFieldDefinitions& FormulaFields() override;
    ParameterFieldDefinitions& ParameterFields() override;
    SortFields& RecordSortFields() override;
    reportrt::ExportOptions& ExportOptions() override;
    std::shared_ptr<Report> OpenSubreport(const QString& name) override;
    void setEnableParameterPrompting(bool on) override { parameterPrompting_ = on; }
    void setMorePrintEngineErrorMessages(bool on) override { moreErrors_ = on; }
    void setDiscardSavedData(bool on) override { discardSavedData_ = on; }
    QString DriverName() override { return driver_; }
    QString PortName() override { return port_; }
    std::int16_t PaperOrientation() override;
    void setPaperOrientation(std::int16_t value) override;
    std::int16_t PaperSize() override;
    void setPaperSize(std::int16_t value) override;
    std::int16_t PaperSource() override;
    void setPaperSource(std::int16_t value) override;
    void SelectPrinter(const QString& driverName, const QString& printerName, const QString& portName) override;
    void PrintOut(std::optional<bool> promptUser, std::optional<std::int16_t> numberOfCopies) override;
    void PrinterSetup(qintptr windowHandle) override;
    void Export(std::optional<bool> promptUser) override;
    // Exports after the export dialog whatever the export options hold: a
    // disk file, starting from their format when this runtime writes it
    // (else PDF) and their file name.
    void exportAsked();

    void setRecordSelectionFormula(const QString& text) override;
    void setReadSavedData(bool on) override;
    bool hasSavedData() const override;

    bool enableParameterPrompting() const { return parameterPrompting_; }
    bool morePrintEngineErrorMessages() const { return moreErrors_; }
    bool discardSavedData() const { return discardSavedData_; }
    QString printerName() const { return printer_; }
    // Prints on the printer given (a system printer or a PDF file), after the
    // print dialog when `prompt`; false when the dialog is cancelled.
    bool printOn(QPrinter& printer, bool prompt, int copies);
    // The page set-up dialog on the printer given (PrinterSetup uses the
    // chosen one): accepted, the report takes its paper; false when cancelled.
    bool setUpPageOn(QPrinter& printer);
    // Takes the page set-up (orientation, paper size, paper source) from the printer's.
    void applyPrinterPaper(const QPrinter& printer);

    struct Parts;

private:
    // The selected printer, else the system's default; raises when there is none.
    QPrinterInfo chosenPrinter() const;

    std::shared_ptr<ReportState> state_;
    std::weak_ptr<RtReport> parent_;  // a sub-report may outlive its report
    std::unique_ptr<Parts> parts_;
    std::map<QString, std::shared_ptr<RtReport>> subreports_;
    std::shared_ptr<const layout::PageModel> pages_;
    quint64 generation_ = 0;
    bool parameterPrompting_ = true, moreErrors_ = false, discardSavedData_ = false;
    QString driver_, printer_, port_;
};

class ORX_REPORTRT_EXPORT RtApplication : public Application {
public:
    ReportRef OpenReport(const QString& filePath, std::int16_t openMethod) override;
};

}  // namespace orx::reportrt::run
