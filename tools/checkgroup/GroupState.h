#pragma once

// What the check box group and the option button group hold alike, and the
// steps they take alike: their captions, the resize with LockSize and the
// design size, and the paint notice. Each control's private class derives
// from GroupState and passes its own item count, focus index and layout.
#include "tools/checkgroup/GroupItems.h"
#include "tools/common/Frames.h"
#include "tools/common/ToolsExport.h"

#include <QString>

#include <functional>
#include <optional>

namespace orx::host {
class UserControl;
}
namespace orx::draw {
class Surface;
}

namespace orx::tools::groups {

struct GroupState {
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

// The captions joined with "|" as the items hold them.
ORX_TOOLS_EXPORT void rebuildCaptions(GroupState& g);

// Captions split over `count` items (a missing one is the control's name, a
// dash and its number), then joined again as the items hold them.
ORX_TOOLS_EXPORT void applyCaptions(const host::UserControl& control, GroupState& g, int count);

// One item's caption; refused (false) for an index outside the items or a
// caption holding "|", which would split it in two at the next load.
ORX_TOOLS_EXPORT bool setItemCaption(GroupState& g, int index, const QString& caption);

// The resize notice: at run time LockSize restores the recorded design size;
// the items are laid out and captioned; at design time the size is recorded.
ORX_TOOLS_EXPORT void resizeGroup(host::UserControl& control, GroupState& g, bool runMode,
                                  const std::function<void()>& layOut, const std::function<void()>& caption);

// The paint notice: the frame, and the focus of `focusIndex` when the
// control is a tab stop. A failing draw is logged; the container never sees
// it.
ORX_TOOLS_EXPORT void paintGroup(const host::UserControl& control, GroupState& g, draw::Surface& surface,
                                 int focusIndex, const char* className);

}  // namespace orx::tools::groups
