#pragma once

#include "reportrt/Runtime.h"
#include "reportrt/recording/RecordingLog.h"
#include "reportrt/recording/RecordingViewer.h"
#include "reportrt/recording/ReportScript.h"

#include <QList>
#include <QMap>
#include <QPointer>
#include <memory>

// A report runtime that records: reports are scripted by the test (see
// ReportScript), every call the engine makes on them and on the viewers is
// logged in order in one RecordingLog, and errors are raised where the test
// asks (a report file that fails to open, a failure at a given call).
namespace orx::reportrt::recording {

// Error numbers the recording runtime raises on its own.
namespace rterr {
inline constexpr int SubscriptOutOfRange = 9;
inline constexpr int NoSuchSubreport = 20500;
inline constexpr int NoReportSource = 20501;
}  // namespace rterr

class RecordingRuntime : public Runtime {
public:
    RecordingRuntime();

    QString name() const override { return QStringLiteral("Recording report runtime"); }
    std::shared_ptr<Application> createApplication() override;
    Viewer* createViewer(QWidget* parent) override;

    RecordingLog& log() { return *log_; }
    const std::shared_ptr<RecordingLog>& sharedLog() const { return log_; }

    // The report opened for a file whose name (without folders) equals
    // `fileName`; any other file opens `defaultReport`.
    void addReport(const QString& fileName, ReportScript script);
    void setDefaultReport(ReportScript script) { default_ = std::move(script); }
    // Opening the file named `fileName` raises this error.
    void failToOpen(const QString& fileName, int number, const QString& description);

    // IsBusy answers true this many times after each ViewReport, on every
    // viewer created from now on.
    void setBusyPolls(int polls) { busyPolls_ = polls; }

    // Main reports are logged as "Report" (the default), or with their file
    // name, "Report[Sales.RPT]", to tell the reports of several runs apart.
    void setLabelReportsByFile(bool on) { labelByFile_ = on; }

    int applicationsCreated() const { return applications_; }
    // Viewers created so far (null once destroyed), in order; named Viewer1, Viewer2, ...
    QList<RecordingViewer*> viewers() const;
    RecordingViewer* lastViewer() const;

    // Used by the application object.
    ReportRef open(const QString& filePath);

private:
    struct OpenFailure {
        int number = 0;
        QString description;
    };

    std::shared_ptr<RecordingLog> log_;
    QMap<QString, ReportScript> reports_;
    QMap<QString, OpenFailure> openFailures_;
    ReportScript default_;
    int busyPolls_ = 0;
    bool labelByFile_ = false;
    int applications_ = 0;
    int viewerCount_ = 0;
    QList<QPointer<RecordingViewer>> viewers_;
};

// The report made from a script (also used directly by runtime tests).
ReportRef makeRecordedReport(std::shared_ptr<RecordingLog> log, const ReportScript& script, const QString& label,
                             const QString& filePath);
// The page count of a recorded report, or 0 for another runtime's report.
int recordedPageCount(const ReportRef& report);
// The file a recorded report was opened from ("" for another runtime's report).
QString recordedFilePath(const ReportRef& report);

}  // namespace orx::reportrt::recording
