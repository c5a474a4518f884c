#pragma once

#include "tools/common/ToolsExport.h"

// The classic event arguments of the group controls' key and mouse events:
// virtual-key codes, the shift state, the typed character and the mouse
// buttons, from Qt's events.
#include "platform/host/Twips.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <Qt>

namespace orx::tools::groups {

ORX_TOOLS_EXPORT int keyCodeOf(const QKeyEvent* event);
// Shift 1, Ctrl 2, Alt 4.
ORX_TOOLS_EXPORT int shiftOf(Qt::KeyboardModifiers modifiers);
// The character code a key types (13 for Enter); -1 when it types nothing.
ORX_TOOLS_EXPORT int keyAsciiOf(const QKeyEvent* event);
// Left 1, right 2, middle 4.
ORX_TOOLS_EXPORT int mouseButtonsOf(Qt::MouseButtons buttons);

// The events of a box's key press, raised on the group control: KeyDown,
// then KeyEnterPressed for carriage return or KeyPress for a typed
// character. Returns true when a KeyPress handler took the character
// (set KeyAscii to 0), so the box never sees it.
template <class Control>
bool raiseKeyPress(Control* control, const QKeyEvent* event)
{
    int code = keyCodeOf(event);
    int shift = shiftOf(event->modifiers());
    Q_EMIT control->KeyDown(code, shift);
    int ascii = keyAsciiOf(event);
    if (ascii == 13) {
        Q_EMIT control->KeyEnterPressed();
        return false;
    }
    if (ascii < 0)
        return false;
    Q_EMIT control->KeyPress(ascii);
    return ascii == 0;
}

template <class Control>
void raiseKeyUp(Control* control, const QKeyEvent* event)
{
    int code = keyCodeOf(event);
    int shift = shiftOf(event->modifiers());
    Q_EMIT control->KeyUp(code, shift);
}

// MouseDown, MouseMove or MouseUp of a box or label, with the buttons, the
// shift state and the position in twips on that widget.
template <class Control>
void raiseMouse(Control* control, void (Control::*signal)(int&, int&, float&, float&), const QMouseEvent* event)
{
    const bool move = event->type() == QEvent::MouseMove;
    int button = mouseButtonsOf(move ? event->buttons() : Qt::MouseButtons(event->button()));
    int shift = shiftOf(event->modifiers());
    float x = float(host::twipsFromPixelsX(int(event->position().x())));
    float y = float(host::twipsFromPixelsY(int(event->position().y())));
    Q_EMIT(control->*signal)(button, shift, x, y);
}

}  // namespace orx::tools::groups
