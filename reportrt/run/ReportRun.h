#pragma once

#include "reportrt/ReportRTExport.h"

#include "reportrt/data/Connections.h"
#include "reportrt/layout/Paginator.h"
#include "reportrt/run/CompiledReport.h"

#include <map>
#include <memory>

// The run of a report: records read, selected and sorted, groups broken and
// summarised, and each printing of a section made a band for the pages.
namespace orx::reportrt::run {

// Told how a long run goes; may stop it.
class ORX_REPORTRT_EXPORT RunObserver {
public:
    virtual ~RunObserver() = default;
    virtual void progress(qint64 records) { Q_UNUSED(records); }
    virtual bool cancelled() { return false; }
};

// The text styles of a run, shared by a report and its sub-reports.
class ORX_REPORTRT_EXPORT StyleTable {
public:
    int index(const layout::TextStyle& style);
    const std::vector<layout::TextStyle>& styles() const { return styles_; }

private:
    std::vector<layout::TextStyle> styles_;
};

class BandOut;
class RecordEnv;

class ORX_REPORTRT_EXPORT ReportRun {
public:
    ReportRun(ReportState& state, data::Connections& connections, RunObserver* observer = nullptr,
              StyleTable* styles = nullptr);
    ~ReportRun();

    // Lays the report out into `model`.
    void layout(layout::PageModel& model);
    // Lays the report out into pages handed to `sink` as they are done;
    // formulas that show the page count get it from a first, counting pass
    // (made also when `countFirst`, for a sink that needs the count on every
    // page: see totalPages()). Returns the pages made.
    int layoutPages(layout::PageSink& sink, bool countFirst = false);
    // The page count of the pass under way: known when a counting pass came first, else 0.
    int totalPages() const { return totalPages_; }
    // Whether a page shows the page count (filled in when the last page is done).
    bool showsTotalPageCount() const;
    // Lays the report out into pages handed to `sink` as they are done (the
    // page count is filled in only by a PageModel). Returns the pages made.
    int layout(layout::PageSink& sink, int totalPages = 0);

    CompiledReport& compiled() { return *compiled_; }
    const StyleTable& styles() const { return *styles_; }
    qint64 recordsReported() const { return recordsReported_; }

private:
    friend class Produce;
    // An embedded sub-report's bands for the records whose fields equal the values.
    void embeddedBands(BandOut& out, const std::vector<std::pair<int, Value>>& filters, int page);
    void produce(BandOut& out, const std::vector<std::pair<int, Value>>& filters);
    void computeAhead(const std::vector<std::pair<int, Value>>& filters);
    void sectionBands(BandOut& out, RecordEnv& env, definition::SectionKind kind, int group);
    layout::Band makeBand(CompiledSection& section, RecordEnv& env);
    void subreportBands(BandOut& out, RecordEnv& env, const CompiledObject& object);
    ReportRun& subreportRun(const QString& name);

    ReportState& state_;
    data::Connections& connections_;
    RunObserver* observer_;
    std::unique_ptr<StyleTable> ownStyles_;
    StyleTable* styles_;
    std::unique_ptr<CompiledReport> compiled_;
    std::map<QString, std::unique_ptr<ReportRun>> subruns_;
    std::map<const definition::ObjectDef*, std::vector<std::pair<std::unique_ptr<Formula>, int>>> links_;
    // Summaries known ahead: per slot, the value of each group instance in order.
    std::vector<std::vector<Value>> ahead_;
    bool aheadReady_ = false;
    int totalPages_ = 0;
    qint64 recordsReported_ = 0;
    QString printDate_;
};

}  // namespace orx::reportrt::run
