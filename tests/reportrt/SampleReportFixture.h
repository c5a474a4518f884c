#pragma once

// A fixture holding the Orders sample report, opened by our runtime.
#include "reportrt/Runtime.h"
#include "reportrt/run/RuntimeObjects.h"
#include "tests/support/HostFixture.h"

#include <memory>

class SampleReport : public orx::test::HostFixture {
protected:
    void SetUp() override
    {
        HostFixture::SetUp();
        useRegional(orx::basic::RegionalSettings::unitedStates());
        orx::reportrt::setRuntime(nullptr);
        report = orx::reportrt::run::RtReport::open(QStringLiteral(ORX_SAMPLE_REPORTS "/Orders.RPT"));
    }
    std::shared_ptr<orx::reportrt::run::RtReport> report;
};
