#include "tools/button/LookStates.h"

namespace orx::tools::button {

PressAction pressAction(int appearance)
{
    switch (appearance) {
    case 2: return PressAction::Click;
    case 3:
    case 4: return PressAction::Toggle;
    default: return PressAction::Press;
    }
}

bool moveStartsTimer(int appearance, bool value, int buttons)
{
    if (appearance == 1)
        return buttons != 0;
    if (appearance == 0 || (appearance == 3 && !value))
        return buttons == 0;
    return false;
}

HoverStep hoverStep(int appearance, bool value, bool pointerOverButton, int buttons)
{
    if (appearance == 3 && value)
        return {true, 0};
    if (pointerOverButton)
        return {false, buttons != 0 ? 1 : 2};
    if (buttons == 0)
        return {true, 4};
    return {false, 3};
}

bool focusChangesState(int appearance)
{
    return appearance == 0 || appearance == 3;
}

}  // namespace orx::tools::button
