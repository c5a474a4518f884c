#pragma once

#include "platform/com/Component.h"
#include "platform/com/Server.h"
#include "viewreport/engine/ViewReportExport.h"

namespace orx::viewreport {

// The report library's type library ORXOCX_ViewReport: the request class,
// the viewer control and the ten request classes, with their fixed
// identifiers. A class whose implementation is built adds its meta-object,
// factory and dispatch identifiers in Components.cpp.
ORX_VIEWREPORT_EXPORT const com::TypeLibrary& ViewReportTypeLibrary();
ORX_VIEWREPORT_EXPORT com::Server& ViewReportServer();

}  // namespace orx::viewreport
