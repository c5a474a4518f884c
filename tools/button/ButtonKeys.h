#pragma once

// The classic codes the button's events carry: virtual-key codes, the shift
// mask, the typed character and the mouse-button mask.
#include <Qt>

class QKeyEvent;

namespace orx::tools::button {

int keyCodeOf(const QKeyEvent* event);     // 32 space, 13 Enter, 65 "A" ...; 0 for a key without one
int shiftOf(Qt::KeyboardModifiers modifiers);  // Shift 1, Ctrl 2, Alt 4
int keyAsciiOf(const QKeyEvent* event);    // the character typed, -1 for none
int mouseButtonsOf(Qt::MouseButtons buttons);  // left 1, right 2, middle 4

}  // namespace orx::tools::button
