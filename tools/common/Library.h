#pragma once

#include "platform/app/Application.h"
#include "tools/common/ToolsExport.h"

namespace orx::tools {

// The control library's application object (App): product name
// ORX_Tools_OCXs, the folder of its preset and currency files, its version.
ORX_TOOLS_EXPORT const app::Application& App();

}  // namespace orx::tools
