#include "tools/common/EventCodes.h"

#include <QKeyEvent>

namespace orx::tools {

int keyCodeOf(const QKeyEvent* e)
{
    const int k = e->key();
    if ((k >= Qt::Key_A && k <= Qt::Key_Z) || (k >= Qt::Key_0 && k <= Qt::Key_9))
        return k;
    if (k >= Qt::Key_F1 && k <= Qt::Key_F24)
        return 112 + (k - Qt::Key_F1);
    switch (k) {
    case Qt::Key_Backspace: return 8;
    case Qt::Key_Tab:
    case Qt::Key_Backtab: return 9;
    case Qt::Key_Return:
    case Qt::Key_Enter: return 13;
    case Qt::Key_Shift: return 16;
    case Qt::Key_Control: return 17;
    case Qt::Key_Alt: return 18;
    case Qt::Key_Escape: return 27;
    case Qt::Key_Space: return 32;
    case Qt::Key_PageUp: return 33;
    case Qt::Key_PageDown: return 34;
    case Qt::Key_End: return 35;
    case Qt::Key_Home: return 36;
    case Qt::Key_Left: return 37;
    case Qt::Key_Up: return 38;
    case Qt::Key_Right: return 39;
    case Qt::Key_Down: return 40;
    case Qt::Key_Insert: return 45;
    case Qt::Key_Delete: return 46;
    case Qt::Key_Comma: return 188;
    case Qt::Key_Minus: return 189;
    case Qt::Key_Period: return 190;
    default: return k < 128 ? k : 0;
    }
}

int shiftOf(Qt::KeyboardModifiers m)
{
    return ((m & Qt::ShiftModifier) ? 1 : 0) | ((m & Qt::ControlModifier) ? 2 : 0) | ((m & Qt::AltModifier) ? 4 : 0);
}

int keyAsciiOf(const QKeyEvent* e)
{
    const Qt::KeyboardModifiers m = e->modifiers();
    const int k = e->key();
    if (k == Qt::Key_Tab || k == Qt::Key_Backtab || (m & Qt::AltModifier))
        return -1;
    if (k == Qt::Key_Return || k == Qt::Key_Enter)
        return 13;
    if (k == Qt::Key_Backspace)
        return 8;
    if (k == Qt::Key_Escape)
        return 27;
    if ((m & Qt::ControlModifier) && k >= Qt::Key_A && k <= Qt::Key_Z)
        return k - Qt::Key_A + 1;
    const QString t = e->text();
    if (t.isEmpty() || t.at(0).unicode() < 32 || t.at(0).unicode() == 127)
        return -1;
    return t.at(0).unicode();
}

int mouseButtonsOf(Qt::MouseButtons b)
{
    return ((b & Qt::LeftButton) ? 1 : 0) | ((b & Qt::RightButton) ? 2 : 0) | ((b & Qt::MiddleButton) ? 4 : 0);
}

}  // namespace orx::tools
