#pragma once

// The option button group's private side: its options and its state. Only
// the option button group's own files include it.
#include "tools/optiongroup/ORXOptionButton.h"

#include "tools/checkgroup/GroupItems.h"
#include "tools/common/Frames.h"

#include <optional>

namespace orx::tools {

class ORXOptionButton::Private {
public:
    // OB_Option(i) and SF_Caption(i); each label's Tag holds its option's
    // list value.
    std::optional<groups::GroupItems> items;

    // The properties' state; every default comes from the property table.
    BorderProperties border_{};
    int captionPosition_{};
    QString captions_{};
    QString dataIndex_{}, dataName_{};
    float designHeight_{}, designWidth_{};
    bool hasFocus_{};
    float horizSpacing_{}, vertSpacing_{};
    int listIndex_{};
    QString listValues_{};
    bool locked_{};
    int lockSize_{};
    int numColsGrid_{};
    int numOptions_{};
    int orientation_{};
    QString tagMore_{};
    bool unique_{};
    QString value_{};  // the last text set or taken from a selected option

    // Internal state.
    BorderPainter painter;  // the painting flag, also set while the bag is read
    bool resizing = false;
};

}  // namespace orx::tools
