#include "reportrt/run/BackgroundLayout.h"

#include "reportrt/ErrorNumbers.h"
#include "reportrt/RuntimeError.h"
#include "reportrt/data/Connections.h"
#include "reportrt/run/ReportRun.h"
#include "reportrt/run/RuntimeObjects.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

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
// under the lock; the owner takes what is there.
struct BackgroundLayout::Shared {
    std::atomic<bool> stop{false};
    std::mutex lock;
    std::condition_variable arrived;
    std::vector<layout::Page> pages;       // finished, not handed over yet
    std::vector<layout::TextStyle> styles;  // the styles the pages use, as far as the run has gone
    bool stylesChanged = false;
    bool posted = false;  // a hand-over is waiting in the owner's event loop
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
    // Wakes the owner's event loop once per batch of pages: whatever has
    // arrived by the time it runs is taken in one go.
    const auto post = [this, &sh] {
        if (!sh.posted) {
            sh.posted = true;
            QMetaObject::invokeMethod(this, [this] { drain(); }, Qt::QueuedConnection);
        }
        sh.arrived.notify_all();
    };

    class HandOver : public layout::PageSink {
    public:
        HandOver(Shared& sh, const ReportRun& run, std::function<void()> post)
            : sh_(sh), run_(run), post_(std::move(post))
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
            post_();
        }
        void finished(int) override {}

    private:
        Shared& sh_;
        const ReportRun& run_;
        std::function<void()> post_;
    };

    sh.worker = std::thread([&sh, state, post] {
        int total = 0;
        std::exception_ptr error;
        std::vector<layout::TextStyle> styles;
        try {
            data::Connections connections;
            StopObserver observer(sh.stop);
            ReportRun run(*state, connections, &observer);
            HandOver sink(sh, run, post);
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
        post();
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
