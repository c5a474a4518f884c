#include "reportrt/run/BackgroundLayout.h"

#include "reportrt/ErrorNumbers.h"
#include "reportrt/RuntimeError.h"
#include "reportrt/data/Connections.h"
#include "reportrt/run/ReportRun.h"
#include "reportrt/run/RuntimeObjects.h"

#include <QSocketNotifier>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <sys/eventfd.h>
#include <thread>
#include <unistd.h>

namespace orx::reportrt::run {

namespace {

// What a page count shows while the last page is not done yet.
const QString& unknownTotal()
{
    static const QString mark = QStringLiteral("...");
    return mark;
}

}  // namespace

// Between the worker and the layout's own thread. The worker only appends
// under the lock; the owner takes what is there. The worker wakes the owner's
// event loop through an event counter the owner watches, so it never calls
// into Qt's event delivery: Qt's own locks are not ours to reason about.
struct BackgroundLayout::Shared {
    Shared()
        : wake(::eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC))
    {
        if (wake < 0)
            raiseRuntimeError(basic::err::OutOfMemory, rterr::source(),
                              QStringLiteral("Cannot start the report's layout: %1").arg(qt_error_string(errno)));
    }
    ~Shared() { ::close(wake); }
    Shared(const Shared&) = delete;
    Shared& operator=(const Shared&) = delete;

    // Tells the owner that something is waiting (called with the lock held).
    void wakeOwner()
    {
        if (!posted) {
            posted = true;
            const quint64 one = 1;
            // Only a counter at its maximum refuses; it is read back to zero on every wake.
            [[maybe_unused]] const ssize_t written = ::write(wake, &one, sizeof one);
        }
        arrived.notify_all();
    }
    // Empties the counter once the owner has woken.
    void clear()
    {
        quint64 count = 0;
        [[maybe_unused]] const ssize_t read = ::read(wake, &count, sizeof count);
    }

    int wake;
    std::atomic<bool> stop{false};
    std::mutex lock;
    std::condition_variable arrived;
    std::vector<layout::Page> pages;       // finished, not handed over yet
    std::vector<layout::TextStyle> styles;  // the styles the pages use, as far as the run has gone
    bool stylesChanged = false;
    bool posted = false;  // the owner has been woken and has not taken the pages yet
    bool ended = false;
    int total = 0;
    std::exception_ptr error;
    std::thread worker;
};

namespace {

class StopObserver : public RunObserver {
public:
    explicit StopObserver(const std::atomic<bool>& stop)
        : stop_(stop)
    {
    }
    bool cancelled() override { return stop_.load(); }

private:
    const std::atomic<bool>& stop_;
};

}  // namespace

bool BackgroundLayout::canRunInBackground(RtReport& report)
{
    return !report.state().readsItemModels();
}

BackgroundLayout::BackgroundLayout(const std::shared_ptr<RtReport>& report, QObject* parent)
    : QObject(parent), shared_(std::make_shared<Shared>()), model_(std::make_shared<layout::PageModel>()), report_(report),
      generation_(report->generation())
{
    auto state = report->state().copy();
    layout::setPaper(*model_, state->def->page);
    Shared& sh = *shared_;
    // The owner is woken once per batch of pages: whatever has arrived by the
    // time its event loop gets there is taken in one go.
    auto* notifier = new QSocketNotifier(sh.wake, QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, [this] {
        shared_->clear();
        drain();
    });

    class HandOver : public layout::PageSink {
    public:
        HandOver(Shared& sh, const ReportRun& run)
            : sh_(sh), run_(run)
        {
        }
        void page(layout::Page&& page) override
        {
            if (sh_.stop.load())
                raiseRuntimeError(rterr::Cancelled, rterr::source(), QStringLiteral("The run was stopped"));
            const std::lock_guard guard(sh_.lock);
            sh_.pages.push_back(std::move(page));
            if (run_.styles().styles().size() != sh_.styles.size()) {
                sh_.styles = run_.styles().styles();
                sh_.stylesChanged = true;
            }
            sh_.wakeOwner();
        }
        void finished(int) override {}

    private:
        Shared& sh_;
        const ReportRun& run_;
    };

    sh.worker = std::thread([&sh, state] {
        int total = 0;
        std::exception_ptr error;
        std::vector<layout::TextStyle> styles;
        try {
            data::Connections connections;
            StopObserver observer(sh.stop);
            ReportRun run(*state, connections, &observer);
            HandOver sink(sh, run);
            total = run.layoutPages(sink);
            styles = run.styles().styles();
        } catch (...) {
            error = std::current_exception();
        }
        const std::lock_guard guard(sh.lock);
        sh.ended = true;
        sh.total = total;
        sh.error = error;
        if (!error) {
            sh.styles = std::move(styles);
            sh.stylesChanged = true;
        }
        sh.wakeOwner();
    });
}

BackgroundLayout::~BackgroundLayout()
{
    stop();
}

void BackgroundLayout::stop()
{
    shared_->stop = true;
    if (shared_->worker.joinable())
        shared_->worker.join();
    if (!done_) {
        done_ = true;
        stopped_ = true;
    }
}

bool BackgroundLayout::takePages(int ms)
{
    if (done_)
        return false;
    {
        std::unique_lock guard(shared_->lock);
        if (ms > 0 && shared_->pages.empty() && !shared_->ended)
            shared_->arrived.wait_for(guard, std::chrono::milliseconds(ms));
    }
    const int before = model_->pageCount();
    drain();
    return done_ || model_->pageCount() != before;
}

void BackgroundLayout::drain()
{
    if (done_)
        return;
    std::vector<layout::Page> pages;
    bool ended = false;
    int total = 0;
    std::exception_ptr error;
    {
        const std::lock_guard guard(shared_->lock);
        shared_->posted = false;
        pages.swap(shared_->pages);
        if (shared_->stylesChanged) {
            model_->setStyles(shared_->styles);
            shared_->stylesChanged = false;
        }
        ended = shared_->ended;
        total = shared_->total;
        error = shared_->error;
    }
    for (auto& page : pages) {
        // Until the last page is done, a page count shows that it is not known yet.
        layout::PageModel::fillTotalPages(page, model_->pageCount() + 1, unknownTotal());
        model_->addPage(std::move(page));
    }
    if (ended) {
        shared_->worker.join();
        done_ = true;
        error_ = error;
        if (!error) {
            model_->setTotalPages(total);
            if (auto report = report_.lock())
                report->adoptPages(model_, generation_);
        }
    }
    if (!pages.empty() || ended)
        Q_EMIT pagesAdded(model_->pageCount());
    if (ended)
        Q_EMIT done();
}

}  // namespace orx::reportrt::run
