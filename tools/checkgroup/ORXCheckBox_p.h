#pragma once

// The check box group's private side: its items and its state. Only the
// check box group's own files include it.
#include "tools/checkgroup/ORXCheckBox.h"

#include "tools/checkgroup/GroupItems.h"
#include "tools/common/Frames.h"

#include <QImage>
#include <optional>

namespace orx::tools {

class ORXCheckBox::Private {
public:
    // CK_Check(i) and SF_Caption(i).
    std::optional<groups::GroupItems> items;

    // The properties' state; every default comes from the property table.
    BorderProperties border_{};
    int captionPosition_{};
    QString captions_{};
    QString dataIndex_{}, dataName_{};
    float designHeight_{}, designWidth_{};
    bool hasFocus_{};
    float horizSpacing_{}, vertSpacing_{};
    QString listValue_{};
    bool locked_{};
    int lockSize_{};
    int numChecks_{};
    int numColsGrid_{};
    std::int32_t numericValue_{};
    int orientation_{};
    QString tagMore_{};
    bool unique_{};
    bool value_{};

    // Internal state.
    bool clickHandling = false;  // item clicks count as the user's
    int focusIndex = 0;          // the item that last received the focus
    BorderPainter painter;       // the painting flag
    bool resizing = false;
};

}  // namespace orx::tools
