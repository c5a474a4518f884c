#pragma once

#include "tools/common/ToolsExport.h"

#include <QIcon>

namespace orx::tools::textbox {

// The pictures of the side buttons, drawn here so no resource file is
// needed: 501 the currency-information button, 502 the currency-list button,
// 503 the item-list button. Any other number gives a null icon.
ORX_TOOLS_EXPORT QIcon sideButtonIcon(int resource);

}  // namespace orx::tools::textbox
