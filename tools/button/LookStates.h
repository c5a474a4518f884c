#pragma once

#include "tools/common/ToolsExport.h"

// How each look answers the pointer and the space bar: which visual state
// follows (1 pressed, 2 lit, 3 pressed with the pointer outside, 4 normal)
// and when the hover timer runs. Plain rules; the control raises the events.
namespace orx::tools::button {

enum class PressAction {
    Click,   // the hot spot: Click at once
    Press,   // flat and 3D: the pressed look, Click on release
    Toggle,  // the switches: Value flips, then Click
};
ORX_TOOLS_EXPORT PressAction pressAction(int appearance);

// Whether a mouse move with `buttons` held starts the hover timer (when it
// is not running yet).
ORX_TOOLS_EXPORT bool moveStartsTimer(int appearance, bool value, int buttons);

// One tick of the hover timer outside the hot-spot look.
struct ORX_TOOLS_EXPORT HoverStep {
    bool stopTimer = false;
    int state = 0;  // 0: the visual state stays and nothing is painted
};
ORX_TOOLS_EXPORT HoverStep hoverStep(int appearance, bool value, bool pointerOverButton, int buttons);

// The visual state after a focus change of the flat looks (Appearance 0 and
// 3); the other looks keep theirs and only toggle the focus rectangle.
ORX_TOOLS_EXPORT bool focusChangesState(int appearance);

}  // namespace orx::tools::button
