#pragma once

#include "reportrt/ReportRTExport.h"

#include "reportrt/ReportRuntime.h"
#include "reportrt/Viewer.h"

#include <QString>
#include <cstdint>
#include <memory>

// The report runtime in use: a process-wide, replaceable factory of the
// runtime's application object and of viewers. With none installed, our own
// runtime (run/OurRuntime.h) opens, runs and shows reports; tests install the
// recording runtime for a scope.
namespace orx::reportrt {

class ORX_REPORTRT_EXPORT Runtime {
public:
    virtual ~Runtime() = default;
    virtual QString name() const = 0;
    // A new application object of the runtime (the engine keeps one per thread).
    virtual std::shared_ptr<Application> createApplication() = 0;
    // A new viewer widget, a child of `parent`.
    virtual Viewer* createViewer(QWidget* parent) = 0;
};

ORX_REPORTRT_EXPORT Runtime& runtime();
// Installs a runtime; the caller keeps ownership and must uninstall it (null
// restores the default) before destroying it.
ORX_REPORTRT_EXPORT void setRuntime(Runtime* runtime);
// Changes whenever another runtime is installed, so that holders of objects
// made by the previous runtime know to drop them.
ORX_REPORTRT_EXPORT std::uint64_t runtimeGeneration();

// Installs a runtime for a scope.
class ORX_REPORTRT_EXPORT ScopedRuntime {
public:
    explicit ScopedRuntime(Runtime& runtime);
    ~ScopedRuntime();
    ScopedRuntime(const ScopedRuntime&) = delete;
    ScopedRuntime& operator=(const ScopedRuntime&) = delete;

private:
    Runtime* previous_;
};

}  // namespace orx::reportrt
