#pragma once

#include "reportrt/ReportRuntime.h"
#include "viewreport/engine/ViewReportExport.h"

#include <cstdint>
#include <memory>

// The report library's run state: one set per thread, shared by every
// request, preview window and viewer control on that thread. The last run
// wins: it replaces CurrentRequest and CurrentReport, and a preview window
// still open prints the newest report.
namespace orx::viewreport {

class ORXDLLViewReport;

class ORX_VIEWREPORT_EXPORT RunState {
public:
    // This thread's run state.
    static RunState& current();

    // The runtime's application object: created on first run and kept, and
    // created again when another runtime has been installed since.
    reportrt::Application& application();
    // The copy of the request being run (created on first use).
    ORXDLLViewReport& currentRequest();

    // The report opened by the last run (none before the first).
    reportrt::ReportRef CurrentReport;
    // The sub-report being prepared; empty between sub-reports.
    reportrt::ReportRef CurrentSubReport;
    // The SelectionFormula of the request being run (the copy in
    // CurrentRequest does not carry it); applied where the report takes one.
    QString CurrentSelectionFormula;

    bool hasApplication() const { return application_ != nullptr; }

    // Drops everything (the next run starts afresh).
    void reset();

    ~RunState();

private:
    RunState();

    std::shared_ptr<reportrt::Application> application_;
    std::uint64_t generation_ = 0;
    std::unique_ptr<ORXDLLViewReport> request_;
};

}  // namespace orx::viewreport
