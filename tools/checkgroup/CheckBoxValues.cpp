// The group values (ListValue, NumericValue, Value) kept in step with the
// items, the item click handling, the focus, and the key and mouse events.
#include "tools/checkgroup/ORXCheckBox_p.h"

#include "platform/host/Extender.h"
#include "platform/host/Services.h"
#include "platform/host/Twips.h"
#include "tools/checkgroup/GroupInput.h"
#include "tools/checkgroup/GroupRules.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>

namespace orx::tools {

// ---- Item states and the values they give ------------------------------------

QList<bool> ORXCheckBox::states() const
{
    QList<bool> s;
    for (int i = 0; i < group_->items->count(); ++i)
        s << checkBox(i)->isChecked();
    return s;
}

// Sets the boxes; each change reports a click, which the click-handling flag
// decides about.
void ORXCheckBox::setStates(const QList<bool>& s)
{
    for (int i = 0; i < group_->items->count() && i < s.size(); ++i)
        checkBox(i)->setChecked(s[i]);
}

void ORXCheckBox::ComputeListValue()
{
    d->listValue_ = groups::listValueOf(states());
}

void ORXCheckBox::ComputeNumericValue()
{
    d->numericValue_ = groups::numericValueOf(states());
}

void ORXCheckBox::ComputeValue()
{
    d->value_ = group_->items->count() == 1 && checkBox(0)->isChecked();
}

void ORXCheckBox::ApplyListValue()
{
    setStates(groups::statesFromListValue(d->listValue_, group_->items->count()));
}

void ORXCheckBox::ApplyNumericValue()
{
    setStates(groups::statesFromNumericValue(d->numericValue_, group_->items->count()));
}

void ORXCheckBox::ApplyValue()
{
    if (group_->items->count() == 1)
        checkBox(0)->setChecked(d->value_);
}

void ORXCheckBox::UpdateListValueChar(int index)
{
    // A stored ListValue shorter than the items (a new control whose count
    // came from its presets) has no character to update: it is recomputed.
    if (d->listValue_.size() < group_->items->count() || index >= d->listValue_.size()) {
        ComputeListValue();
        return;
    }
    d->listValue_[index] = checkBox(index)->isChecked() ? QLatin1Char('1') : QLatin1Char('0');
}

// ---- Setting the values through the interface ----------------------------------

void ORXCheckBox::setListValue(const QString& value)
{
    if (value.size() != group_->items->count())
        return;
    d->clickHandling = false;
    d->listValue_ = value;
    ApplyListValue();
    ComputeNumericValue();
    ComputeValue();
    d->clickHandling = true;
    PropertyChanged(QStringLiteral("ListValue"));
    Q_EMIT Change();
}

void ORXCheckBox::setNumericValue(int value)
{
    if (!groups::numericValueFits(value, group_->items->count()))
        return;
    // A bound value is asked about first: on a refusal the items keep what
    // the container has.
    if (!CanPropertyChange(QStringLiteral("NumericValue")))
        return;
    d->clickHandling = false;
    d->numericValue_ = value;
    ApplyNumericValue();
    ComputeValue();
    ComputeListValue();
    d->clickHandling = true;
    PropertyChanged(QStringLiteral("NumericValue"));
    Q_EMIT Change();
}

void ORXCheckBox::setValue(bool on)
{
    if (group_->items->count() >= 2)
        return;
    if (!CanPropertyChange(QStringLiteral("Value")))
        return;
    d->clickHandling = false;
    d->value_ = on;
    ApplyValue();
    ComputeNumericValue();
    ComputeListValue();
    d->clickHandling = true;
    PropertyChanged(QStringLiteral("Value"));
    int index = 0;
    bool value = d->value_;
    Q_EMIT Click(index, value);
}

void ORXCheckBox::Clear()
{
    setListValue(QString(group_->items->count(), QLatin1Char('0')));
}

// ---- Clicks -------------------------------------------------------------------

void ORXCheckBox::itemClicked(int index)
{
    if (!d->clickHandling || !group_->items->contains(index))
        return;
    QCheckBox* box = checkBox(index);
    host::giveFocus(box);
    if (!group_->items->contains(index))
        return;  // the host removed the item while it yielded
    boxFocusIn(index);
    UpdateListValueChar(index);
    ComputeNumericValue();
    ComputeValue();
    if (!extender()->dataField().isEmpty())
        extender()->setDataChanged(true);
    int i = index;
    bool value = box->isChecked();
    Q_EMIT Click(i, value);
}

void ORXCheckBox::ToggleItem(int index)
{
    if (!CheckEnabled(index))
        return;
    QCheckBox* box = checkBox(index);
    box->setChecked(!box->isChecked());
    if (group_->items->contains(index))
        host::giveFocus(checkBox(index));
}

// ---- Focus ------------------------------------------------------------------

void ORXCheckBox::ExitFocus()
{
    group_->hasFocus_ = false;
    ComputeListValue();
    update();
}

void ORXCheckBox::boxFocusIn(int index)
{
    d->focusIndex = index;
    DrawFocus(index);
    int i = index;
    Q_EMIT CheckGotFocus(i);
}

void ORXCheckBox::boxFocusOut(int index)
{
    EraseFocus(index);
    int i = index;
    Q_EMIT CheckLostFocus(i);
}

// ---- Keys and mouse of the boxes and labels ------------------------------------

bool ORXCheckBox::eventFilter(QObject* watched, QEvent* event)
{
    const int index = group_->items->indexOf(watched);
    if (index < 0)
        return UserControl::eventFilter(watched, event);
    const bool isBox = watched == checkBox(index);
    switch (event->type()) {
    case QEvent::FocusIn:
        if (isBox)
            boxFocusIn(index);
        break;
    case QEvent::FocusOut:
        if (isBox)
            boxFocusOut(index);
        break;
    case QEvent::MouseButtonPress:
        groups::raiseMouse(this, &ORXCheckBox::MouseDown, static_cast<QMouseEvent*>(event));
        if (!isBox) {
            ToggleItem(index);
            return true;
        }
        break;
    case QEvent::MouseButtonDblClick:
        if (!isBox) {
            if (CheckEnabled(index))
                ToggleItem(index);
            return true;
        }
        break;
    case QEvent::MouseMove: groups::raiseMouse(this, &ORXCheckBox::MouseMove, static_cast<QMouseEvent*>(event)); break;
    case QEvent::MouseButtonRelease: groups::raiseMouse(this, &ORXCheckBox::MouseUp, static_cast<QMouseEvent*>(event)); break;
    case QEvent::KeyPress:
        if (isBox && groups::raiseKeyPress(this, static_cast<QKeyEvent*>(event)))
            return true;
        break;
    case QEvent::KeyRelease:
        if (isBox)
            groups::raiseKeyUp(this, static_cast<QKeyEvent*>(event));
        break;
    default: break;
    }
    return UserControl::eventFilter(watched, event);
}

}  // namespace orx::tools
