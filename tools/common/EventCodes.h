#pragma once

// The classic codes the controls' key and mouse events carry, from Qt's
// events: virtual-key codes, the shift mask, the typed character and the
// mouse-button mask. One set for every control of the library.
#include "tools/common/ToolsExport.h"

#include <Qt>

class QKeyEvent;

namespace orx::tools {

// The virtual-key code: letters and digits by their capital ASCII code,
// Backspace 8, Tab 9, Enter 13, Escape 27, Space 32, arrows 37 to 40,
// Insert 45, Delete 46, F1 112..., comma 188, minus 189, period 190; 0 for a
// key without one.
ORX_TOOLS_EXPORT int keyCodeOf(const QKeyEvent* event);
// Shift 1, Ctrl 2, Alt 4.
ORX_TOOLS_EXPORT int shiftOf(Qt::KeyboardModifiers modifiers);
// The character a key types, as the classic key-press event sees it: Enter
// 13, Backspace 8, Escape 27, Ctrl with a letter its control code; -1 for a
// key that types nothing (Tab, Alt combinations, arrows).
ORX_TOOLS_EXPORT int keyAsciiOf(const QKeyEvent* event);
// Left 1, right 2, middle 4.
ORX_TOOLS_EXPORT int mouseButtonsOf(Qt::MouseButtons buttons);

}  // namespace orx::tools
