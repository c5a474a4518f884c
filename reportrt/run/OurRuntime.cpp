#include "reportrt/run/OurRuntime.h"

#include "reportrt/run/RuntimeObjects.h"
#include "reportrt/viewer/PageViewer.h"

namespace orx::reportrt::run {

std::shared_ptr<Application> OurRuntime::createApplication()
{
    return std::make_shared<RtApplication>();
}

Viewer* OurRuntime::createViewer(QWidget* parent)
{
    return new viewer::PageViewer(parent);
}

}  // namespace orx::reportrt::run
