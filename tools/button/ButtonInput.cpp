// Input: the mouse and the hover timer, the space bar and the access key,
// Enter and Escape of the form's default and cancel buttons, and the focus.
#include "tools/button/ORXCommandButton_p.h"

#include "platform/host/Extender.h"
#include "platform/host/Services.h"
#include "platform/host/Twips.h"
#include "tools/common/EventCodes.h"
#include "tools/button/LookStates.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>
#include <QShortcut>
#include <QTimer>

namespace orx::tools {

using namespace button;

// ---- The form's keys -----------------------------------------------------------

void ORXCommandButton::Private::setUpKeys()
{
    // Enter and Escape reach the default and the cancel button wherever the
    // focus is on the form; Alt with the access key brings the focus here,
    // and its release clicks (keyReleaseEvent).
    auto formKey = [this](QKeySequence keys) {
        auto* shortcut = new QShortcut(keys, q);
        shortcut->setContext(Qt::WindowShortcut);
        shortcut->setAutoRepeat(false);
        shortcut->setEnabled(false);
        return shortcut;
    };
    enterKey_ = formKey(QKeySequence(Qt::Key_Return));
    keypadEnterKey_ = formKey(QKeySequence(Qt::Key_Enter));
    escapeKey_ = formKey(QKeySequence(Qt::Key_Escape));
    accessKey_ = formKey(QKeySequence());
    QObject::connect(enterKey_, &QShortcut::activated, q, [this] { accessKeyPress(13); });
    QObject::connect(keypadEnterKey_, &QShortcut::activated, q, [this] { accessKeyPress(13); });
    QObject::connect(escapeKey_, &QShortcut::activated, q, [this] { accessKeyPress(27); });
    QObject::connect(accessKey_, &QShortcut::activated, q, [this] { host::giveFocus(q); });
}

void ORXCommandButton::Private::updateKeys()
{
    if (!enterKey_)
        return;
    const bool run = runMode();
    const bool isDefault = run && q->extender()->isDefault();
    enterKey_->setEnabled(isDefault);
    keypadEnterKey_->setEnabled(isDefault);
    escapeKey_->setEnabled(run && q->extender()->isCancel());
    const QChar key = accessKeys_.isEmpty() ? QChar() : accessKeys_.at(0);
    accessKey_->setKey(key.isNull() ? QKeySequence() : QKeySequence(QKeyCombination(Qt::AltModifier, Qt::Key(key.unicode()))));
    accessKey_->setEnabled(run && !key.isNull());
}

void ORXCommandButton::Private::accessKeyPress(int character)
{
    if (!q->isEnabled())
        return;
    if (character == 13) {
        if (isDefault_) {
            spaceKeyDown(0);
            spaceKeyUp(0);
        } else {
            Q_EMIT q->KeyEnterPressed();
        }
    } else if (character == 27 && q->extender()->isCancel()) {
        spaceKeyDown(0);
        spaceKeyUp(0);
    }
}

// ---- Visual state ----------------------------------------------------------------

void ORXCommandButton::Private::setVisualState(int state)
{
    visualState_ = state;
    paintRequest(false);
    if (QAccessible::isActive()) {
        QAccessible::State changed;
        changed.pressed = true;
        QAccessibleStateChangeEvent event(q, changed);
        QAccessible::updateAccessibility(&event);
    }
}

// ---- Keys -----------------------------------------------------------------------

void ORXCommandButton::Private::spaceKeyDown(int shift)
{
    const QPointer<ORXCommandButton> alive(q);
    if (!spaceDown_) {
        spaceDown_ = true;
        switch (pressAction(appearance_)) {
        case PressAction::Click: Q_EMIT q->Click(); break;
        case PressAction::Press: setVisualState(1); break;
        case PressAction::Toggle:
            q->setValue(!value_);
            Q_EMIT q->Click();
            break;
        }
        if (!alive)
            return;
    }
    int code = 32;
    Q_EMIT q->KeyDown(code, shift);
}

void ORXCommandButton::Private::spaceKeyUp(int shift)
{
    const QPointer<ORXCommandButton> alive(q);
    int code = 32;
    if (appearance_ == ORXCM_Flat || appearance_ == ORXCM_3D) {
        setVisualState(2);
        spaceDown_ = false;
        Q_EMIT q->KeyUp(code, shift);
        if (alive)
            Q_EMIT q->Click();
    } else {
        spaceDown_ = false;
        Q_EMIT q->KeyUp(code, shift);
    }
}

void ORXCommandButton::keyPressEvent(QKeyEvent* event)
{
    const int code = keyCodeOf(event);
    int shift = shiftOf(event->modifiers());
    // Enter and Escape are the form's: the default and cancel buttons'
    // notice (here for the button that has the focus).
    if (code == 13 || code == 27) {
        d->accessKeyPress(code);
        return;
    }
    const QPointer<ORXCommandButton> alive(this);
    if (code == 32) {
        d->spaceKeyDown(shift);
    } else {
        int keyCode = code;
        Q_EMIT KeyDown(keyCode, shift);
    }
    int ascii = keyAsciiOf(event);
    if (alive && ascii >= 0)
        Q_EMIT KeyPress(ascii);
}

void ORXCommandButton::keyReleaseEvent(QKeyEvent* event)
{
    // A held key repeats its presses; only the last release counts.
    if (event->isAutoRepeat())
        return;
    int code = keyCodeOf(event);
    int shift = shiftOf(event->modifiers());
    // Enter and Escape went to the form's notice as they were pressed.
    if (code == 13 || code == 27)
        return;
    if (code == 32) {
        d->spaceKeyUp(shift);
        return;
    }
    const QPointer<ORXCommandButton> alive(this);
    if ((shift & 4) && code > 0 && !d->accessKeys_.isEmpty() && d->accessKeys_.contains(QChar(code).toUpper())) {
        if (d->appearance_ == ORXCM_3D)
            d->setVisualState(2);
        Q_EMIT Click();
    }
    if (alive)
        Q_EMIT KeyUp(code, shift);
}

// ---- Mouse -----------------------------------------------------------------------

void ORXCommandButton::Private::raiseMouse(int which, QMouseEvent* event)
{
    int buttons = which == 2 ? mouseButtonsOf(event->buttons()) : mouseButtonsOf(event->button());
    int shift = shiftOf(event->modifiers());
    // The container's scale is twips.
    float x = float(host::twipsFromPixelsX(qRound(event->position().x())));
    float y = float(host::twipsFromPixelsY(qRound(event->position().y())));
    if (which == 1)
        Q_EMIT q->MouseDown(buttons, shift, x, y);
    else if (which == 2)
        Q_EMIT q->MouseMove(buttons, shift, x, y);
    else
        Q_EMIT q->MouseUp(buttons, shift, x, y);
}

bool ORXCommandButton::Private::pointerOverButton(const QPoint& globalPos) const
{
    QWidget* under = host::widgetAt(globalPos);
    const_cast<Private*>(this)->lastWindow_ = under;
    return under == q;
}

void ORXCommandButton::mousePressEvent(QMouseEvent* event)
{
    const QPointer<ORXCommandButton> alive(this);
    d->lastButtons_ = mouseButtonsOf(event->buttons());
    switch (pressAction(d->appearance_)) {
    case PressAction::Click: Q_EMIT Click(); break;
    case PressAction::Press: d->setVisualState(1); break;
    case PressAction::Toggle:
        setValue(!d->value_);
        Q_EMIT Click();
        break;
    }
    if (alive)
        d->raiseMouse(1, event);
}

void ORXCommandButton::mouseMoveEvent(QMouseEvent* event)
{
    d->lastButtons_ = mouseButtonsOf(event->buttons());
    if (moveStartsTimer(d->appearance_, d->value_, d->lastButtons_) && !d->TM_Mouse->isActive())
        d->TM_Mouse->start();
    d->raiseMouse(2, event);
}

void ORXCommandButton::mouseReleaseEvent(QMouseEvent* event)
{
    const QPointer<ORXCommandButton> alive(this);
    // The buttons still held: a release of the only one held leaves none,
    // so the hover timer sees the pointer resting, not pressing.
    d->lastButtons_ = mouseButtonsOf(event->buttons());
    if (d->appearance_ == ORXCM_Flat || d->appearance_ == ORXCM_3D) {
        if (d->pointerOverButton(event->globalPosition().toPoint())) {
            d->setVisualState(2);
            Q_EMIT Click();
        } else {
            d->setVisualState(4);
        }
    }
    if (alive)
        d->raiseMouse(3, event);
}

// ---- The hover timer ----------------------------------------------------------

void ORXCommandButton::Private::onHoverTick()
{
    if (appearance_ == ORXCM_HotSpot) {
        if (runMode()) {
            TM_Mouse->stop();
            return;
        }
        // While designing, the hot spot follows what lies beneath it.
        const double left = q->extender()->left();
        const double top = q->extender()->top();
        if (left != rememberedLeft_ || top != rememberedTop_) {
            rememberedLeft_ = left;
            rememberedTop_ = top;
            redraw();
        }
        return;
    }
    const HoverStep step = hoverStep(appearance_, value_, pointerOverButton(host::cursorPosition()), lastButtons_);
    if (step.stopTimer)
        TM_Mouse->stop();
    if (step.state != 0)
        setVisualState(step.state);
}

// ---- Focus -----------------------------------------------------------------------

void ORXCommandButton::EnterFocus()
{
    d->hasFocus_ = true;
    if (focusChangesState(d->appearance_))
        d->setVisualState(2);
    else
        d->syncFocusRect();
}

void ORXCommandButton::ExitFocus()
{
    d->hasFocus_ = false;
    if (focusChangesState(d->appearance_))
        d->setVisualState(4);
    else
        d->syncFocusRect();
}

void ORXCommandButton::Private::clickFromAssistant()
{
    if (!q->isEnabled())
        return;
    switch (pressAction(appearance_)) {
    case PressAction::Click: Q_EMIT q->Click(); break;
    case PressAction::Press: {
        const QPointer<ORXCommandButton> alive(q);
        setVisualState(2);
        if (alive)
            Q_EMIT q->Click();
        break;
    }
    case PressAction::Toggle:
        q->setValue(!value_);
        Q_EMIT q->Click();
        break;
    }
}

}  // namespace orx::tools
