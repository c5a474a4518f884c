// Prints the type libraries of both component libraries as JSON, read from
// the classes as built (their meta-objects and dispatch tables).
#include "platform/com/Dispatch.h"
#include "tools/common/Components.h"
#include "viewreport/engine/Components.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QList<const orx::com::TypeLibrary*> libraries = {&orx::tools::ToolsTypeLibrary(),
                                                           &orx::viewreport::ViewReportTypeLibrary()};
    const QByteArray json = orx::com::typeLibrariesJson(libraries).toJson(QJsonDocument::Indented);
    std::fwrite(json.constData(), 1, size_t(json.size()), stdout);
    return 0;
}
