#pragma once

#include "reportrt/ReportRTExport.h"

#include "reportrt/Runtime.h"

// Our report runtime: report files of docs/report-format.md, data through
// Qt SQL or item models, formulas, groups and pages. It is the runtime in
// use unless a program or a test installs another.
namespace orx::reportrt::run {

class ORX_REPORTRT_EXPORT OurRuntime : public Runtime {
public:
    QString name() const override { return QStringLiteral("ORX report runtime"); }
    std::shared_ptr<Application> createApplication() override;
    Viewer* createViewer(QWidget* parent) override;
};

}  // namespace orx::reportrt::run
