#pragma once

#include "platform/com/Component.h"
#include "platform/com/Server.h"

namespace orx::tools {

// The control library's type library ORX_Tools_OCXs: its classes with their
// fixed identifiers. A class whose implementation is built registers its
// meta-object, factory and dispatch identifiers here.
const com::TypeLibrary& ToolsTypeLibrary();
com::Server& ToolsServer();

}  // namespace orx::tools
