#pragma once

// The classic event arguments of the group controls' key and mouse events:
// virtual-key codes, the shift state, the typed character and the mouse
// buttons, from Qt's events.
class QKeyEvent;
#include <Qt>

namespace orx::tools::groups {

int keyCodeOf(const QKeyEvent* event);
// Shift 1, Ctrl 2, Alt 4.
int shiftOf(Qt::KeyboardModifiers modifiers);
// The character code a key types (13 for Enter); -1 when it types nothing.
int keyAsciiOf(const QKeyEvent* event);
// Left 1, right 2, middle 4.
int mouseButtonsOf(Qt::MouseButtons buttons);

}  // namespace orx::tools::groups
