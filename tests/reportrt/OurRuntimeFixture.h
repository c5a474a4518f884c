#pragma once

// A form host with our own report runtime in use, United States regional
// settings and a fresh run state, for tests that run reports through the engine.
#include "platform/basic/Regional.h"
#include "reportrt/Runtime.h"
#include "tests/support/HostFixture.h"
#include "viewreport/engine/RunState.h"

namespace orx::test {

class OurRuntimeFixture : public HostFixture {
protected:
    void SetUp() override
    {
        HostFixture::SetUp();
        useRegional(basic::RegionalSettings::unitedStates());
        reportrt::setRuntime(nullptr);
        viewreport::RunState::current().reset();
    }
    void TearDown() override
    {
        viewreport::RunState::current().reset();
        HostFixture::TearDown();
    }
};

}  // namespace orx::test
