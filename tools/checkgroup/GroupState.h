#pragma once

// The state the check box group and the option button group hold alike.
// GroupControl owns it; each control's private class holds only its own.
#include "tools/checkgroup/GroupItems.h"
#include "tools/common/Frames.h"

#include <QString>

#include <optional>

namespace orx::tools::groups {

// What tells the two groups apart where their code is shared.
struct GroupKind {
    const char* presetFile;  // ORX_ChkBox, ORX_OptBtn
    const char* countKey;    // NumChecks, NumOptions
    const char* heightKey;   // CheckBoxesHeight, OptionButtonsHeight
    bool widenOnEqual;       // the minimum-cell rule (LayoutInput)
};

struct GroupState {
    explicit GroupState(const GroupKind& k)
        : kind(k)
    {
    }

    const GroupKind& kind;

    // The item widgets: a box or option and its caption label each.
    std::optional<GroupItems> items;

    // The properties' state both groups share; every default comes from the
    // control's property table.
    BorderProperties border_{};
    int captionPosition_{};
    QString captions_{};
    QString dataIndex_{}, dataName_{};
    float designHeight_{}, designWidth_{};
    bool hasFocus_{};
    float horizSpacing_{}, vertSpacing_{};
    bool locked_{};
    int lockSize_{};
    int numColsGrid_{};
    int orientation_{};
    QString tagMore_{};
    bool unique_{};

    BorderPainter painter;  // the painting flag
    bool resizing = false;  // a resize notice of our own making is ignored
};

}  // namespace orx::tools::groups
