#pragma once

#include "reportrt/ReportRTExport.h"

#include "reportrt/layout/PageModel.h"

#include <QObject>
#include <exception>
#include <memory>

// A report laid out on a worker thread while the program goes on. The worker
// runs on a copy of the report's state (its own connections, its own copy of
// the definitions), so nothing it reads is shared with the program's thread.
// Finished pages are handed over through the event loop and appended to
// model() on the thread that made the layout; that thread alone ever touches
// the model. Destroying the layout stops the worker and waits for it.
namespace orx::reportrt::run {

class RtReport;

class ORX_REPORTRT_EXPORT BackgroundLayout : public QObject {
    Q_OBJECT

public:
    // Whether `report` can be laid out off this thread: not when one of its
    // tables reads an item model, which only this thread may read.
    static bool canRunInBackground(RtReport& report);

    // Starts laying `report` out as it is now.
    explicit BackgroundLayout(const std::shared_ptr<RtReport>& report, QObject* parent = nullptr);
    ~BackgroundLayout() override;

    // The pages handed over so far; complete once finished() is true.
    std::shared_ptr<layout::PageModel> model() const { return model_; }
    // True until the last page is in the model, the run failed or it was stopped.
    bool busy() const { return !done_; }
    bool finished() const { return done_ && !error_ && !stopped_; }
    bool stopped() const { return stopped_; }
    // The error that ended the run, if one did (rethrow it to raise it as it was).
    std::exception_ptr error() const { return error_; }

    // Stops the worker (waits for it); pages already handed over stay.
    void stop();
    // Takes in the pages the worker has finished, at once instead of when the
    // event loop gets to them; when none is waiting, waits up to `ms`
    // milliseconds for the worker's next page. Returns whether pages came in
    // or the run ended.
    bool takePages(int ms = 0);

Q_SIGNALS:
    // Pages were appended to the model (count: the pages there are now).
    void pagesAdded(int count);
    // The run ended: every page is in (its page count filled in), or it failed.
    void done();

private:
    struct Shared;
    void drain();

    std::shared_ptr<Shared> shared_;
    std::shared_ptr<layout::PageModel> model_;
    std::weak_ptr<RtReport> report_;
    quint64 generation_ = 0;
    bool done_ = false, stopped_ = false;
    std::exception_ptr error_;
};

}  // namespace orx::reportrt::run
