#pragma once

#include "platform/com/Component.h"
#include "platform/com/Server.h"
#include "tools/common/ToolsExport.h"

namespace orx::tools {

// The control library's type library ORX_Tools_OCXs: its classes with their
// fixed identifiers. A class whose implementation is built registers its
// meta-object, factory and dispatch identifiers here.
ORX_TOOLS_EXPORT const com::TypeLibrary& ToolsTypeLibrary();
ORX_TOOLS_EXPORT com::Server& ToolsServer();

}  // namespace orx::tools
