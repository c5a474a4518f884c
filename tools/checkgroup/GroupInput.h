#pragma once

#include "tools/common/ToolsExport.h"

// The classic event arguments of the group controls' key and mouse events:
// virtual-key codes, the shift state, the typed character and the mouse
// buttons, from Qt's events.
#include "platform/host/Twips.h"
#include "tools/common/EventCodes.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <Qt>

namespace orx::tools::groups {

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
