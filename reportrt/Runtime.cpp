#include "reportrt/Runtime.h"

#include "reportrt/run/OurRuntime.h"

#include <atomic>

namespace orx::reportrt {

namespace {

// With no runtime installed, ours stands behind the boundary.
run::OurRuntime& ours()
{
    static run::OurRuntime r;
    return r;
}

std::atomic<Runtime*> installed{nullptr};
std::atomic<std::uint64_t> generation{1};

}  // namespace

Runtime& runtime()
{
    Runtime* r = installed.load();
    return r ? *r : ours();
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
