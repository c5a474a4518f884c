#include "viewreport/engine/RunState.h"

#include "reportrt/Runtime.h"
#include "viewreport/engine/ORXDLLViewReport.h"

namespace orx::viewreport {

RunState::RunState() = default;
RunState::~RunState() = default;

RunState& RunState::current()
{
    thread_local RunState state;
    return state;
}

reportrt::Application& RunState::application()
{
    const std::uint64_t generation = reportrt::runtimeGeneration();
    if (!application_ || generation_ != generation) {
        application_.reset();
        application_ = reportrt::runtime().createApplication();
        generation_ = generation;
    }
    return *application_;
}

ORXDLLViewReport& RunState::currentRequest()
{
    if (!request_)
        request_ = std::make_unique<ORXDLLViewReport>();
    return *request_;
}

void RunState::reset()
{
    CurrentSubReport.reset();
    CurrentReport.reset();
    CurrentSelectionFormula.clear();
    application_.reset();
    generation_ = 0;
    request_.reset();
}

}  // namespace orx::viewreport
