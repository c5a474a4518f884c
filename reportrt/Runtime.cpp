#include "reportrt/Runtime.h"

#include "platform/basic/BasicError.h"
#include "reportrt/recording/RecordingViewer.h"

#include <atomic>

namespace orx::reportrt {

namespace {

// What stands behind the boundary while no runtime is installed: the
// application cannot be created (so a run fails with a clear error), and a
// viewer is a plain widget that shows no report, so that a preview window
// or a viewer control can still be built, laid out and designed.
class UnavailableRuntime : public Runtime {
public:
    QString name() const override { return QStringLiteral("No report runtime"); }
    std::shared_ptr<Application> createApplication() override
    {
        basic::raiseError(basic::err::CannotCreateObject, QStringLiteral("ORXOCXViewReport"),
                          QStringLiteral("ActiveX component can't create object: no report runtime is installed"));
    }
    Viewer* createViewer(QWidget* parent) override
    {
        return new recording::RecordingViewer(std::make_shared<recording::RecordingLog>(), QStringLiteral("Viewer"), parent);
    }
};

UnavailableRuntime& unavailable()
{
    static UnavailableRuntime r;
    return r;
}

std::atomic<Runtime*> installed{nullptr};
std::atomic<std::uint64_t> generation{1};

}  // namespace

Runtime& runtime()
{
    Runtime* r = installed.load();
    return r ? *r : unavailable();
}

void setRuntime(Runtime* runtime)
{
    installed.store(runtime);
    ++generation;
}

std::uint64_t runtimeGeneration()
{
    return generation.load();
}

ScopedRuntime::ScopedRuntime(Runtime& runtime)
    : previous_(installed.load())
{
    setRuntime(&runtime);
}

ScopedRuntime::~ScopedRuntime()
{
    setRuntime(previous_);
}

}  // namespace orx::reportrt
