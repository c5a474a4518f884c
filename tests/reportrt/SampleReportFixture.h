#pragma once

// Fixtures of the sample reports: the Orders report opened by our runtime,
// and runs through the engine with a fresh run state.
#include "reportrt/Runtime.h"
#include "reportrt/run/RuntimeObjects.h"
#include "tests/reportrt/OurRuntimeFixture.h"
#include "viewreport/engine/RunState.h"

#include <gtest/gtest.h>

#include <memory>

class EngineRuns : public orx::test::OurRuntimeFixture {
protected:
    // The pages of the report the last run on this thread ran.
    static std::shared_ptr<const orx::reportrt::layout::PageModel> pagesOfTheRun()
    {
        auto* report = dynamic_cast<orx::reportrt::run::RtReport*>(orx::viewreport::RunState::current().CurrentReport.get());
        if (!report) {
            ADD_FAILURE() << "the run did not use our runtime";
            return std::make_shared<orx::reportrt::layout::PageModel>();
        }
        return report->pages();
    }
};

class SampleReport : public EngineRuns {
protected:
    void SetUp() override
    {
        EngineRuns::SetUp();
        report = orx::reportrt::run::RtReport::open(QStringLiteral(ORX_SAMPLE_REPORTS "/Orders.RPT"));
    }
    std::shared_ptr<orx::reportrt::run::RtReport> report;
};
