#pragma once

// The option button group's private side: its own state. Only the option
// button group's own files include it.
#include "tools/optiongroup/ORXOptionButton.h"

#include "tools/checkgroup/GroupState.h"

namespace orx::tools {

// The items are OB_Option(i) and SF_Caption(i); each label's Tag holds its
// option's list value. What both groups share is GroupControl's
// (GroupState).
class ORXOptionButton::Private {
public:
    // The option group's own state; every default comes from the property
    // table.
    int listIndex_{};
    QString listValues_{};
    int numOptions_{};
    QString value_{};  // the last text set or taken from a selected option
};

}  // namespace orx::tools
