#pragma once

// The check box group's private side: its own state. Only the check box
// group's own files include it.
#include "tools/checkgroup/ORXCheckBox.h"

#include "tools/checkgroup/GroupState.h"

#include <cstdint>

namespace orx::tools {

// The items are CK_Check(i) and SF_Caption(i); what both groups share is
// GroupControl's (GroupState).
class ORXCheckBox::Private {
public:
    // The check box group's own state; every default comes from the property
    // table.
    QString listValue_{};
    int numChecks_{};
    std::int32_t numericValue_{};
    bool value_{};

    // Internal state.
    bool clickHandling = false;  // item clicks count as the user's
    int focusIndex = 0;          // the item that last received the focus
};

}  // namespace orx::tools
