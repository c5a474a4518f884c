#pragma once

#include "platform/com/Component.h"
#include "platform/com/Server.h"

namespace orx::viewreport {

// The report library's type library ORXOCX_ViewReport: the request class,
// the viewer control and the ten request classes, with their fixed
// identifiers. A class whose implementation is built adds its meta-object,
// factory and dispatch identifiers in Components.cpp.
const com::TypeLibrary& ViewReportTypeLibrary();
com::Server& ViewReportServer();

}  // namespace orx::viewreport
