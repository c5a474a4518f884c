// The selection (ListIndex and Value), the list values, the option click
// handling, the focus, and the key and mouse events.
#include "tools/optiongroup/ORXOptionButton_p.h"

#include "platform/basic/Strings.h"
#include "platform/host/Extender.h"
#include "platform/host/Services.h"
#include "platform/host/Twips.h"
#include "tools/checkgroup/GroupInput.h"
#include "tools/checkgroup/GroupRules.h"

#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QRadioButton>

namespace orx::tools {

// ---- List values ----------------------------------------------------------------

void ORXOptionButton::setListValues(const QString& values)
{
    d->listValues_ = basic::trimSpaces(values);
    ApplyListValues();
    PropertyChanged(QStringLiteral("ListValues"));
}

// Missing list values default to the option's index.
void ORXOptionButton::ApplyListValues()
{
    const QStringList pieces =
        groups::fitPieces(d->listValues_, d->numOptions_, [](int k) { return QString::number(k); });
    for (int i = 0; i < group_->items->count() && i < pieces.size(); ++i)
        group_->items->setTag(i, pieces[i]);
    RebuildListValues();
}

void ORXOptionButton::RebuildListValues()
{
    QStringList tags;
    for (int i = 0; i < group_->items->count(); ++i)
        tags << group_->items->tag(i);
    d->listValues_ = tags.join(QLatin1Char('|'));
}

void ORXOptionButton::OptionListValue(int Index, const QString& Value)
{
    // A "|" would split the list value in two at the next load and shift
    // every later option's value: a bound Value would map to the wrong one.
    if (!group_->items->contains(Index) || groups::splitsList(Value))
        return;
    group_->items->setTag(Index, Value);
    if (Index == d->listIndex_)
        setValue(Value);
    RebuildListValues();
}

// ---- Selection ---------------------------------------------------------------------

void ORXOptionButton::setListIndex(int index)
{
    if (!group_->items->contains(index))
        return;
    d->listIndex_ = index;
    optionButton(index)->setChecked(true);
    PropertyChanged(QStringLiteral("ListIndex"));
}

void ORXOptionButton::setValue(const QString& value)
{
    const QString text = basic::trimSpaces(value);
    int found = -1;
    for (int i = 0; i < group_->items->count() && found < 0; ++i) {
        if (group_->items->tag(i) == text)
            found = i;
    }
    if (found < 0) {
        // Kept, but reading Value still gives the selected option's.
        d->value_ = text;
        return;
    }
    // A bound value is asked about first: on a refusal the selection stays.
    if (!CanPropertyChange(QStringLiteral("Value")))
        return;
    d->value_ = text;
    setListIndex(found);
    PropertyChanged(QStringLiteral("Value"));
}

void ORXOptionButton::setNumOptions(int count)
{
    if (count < 2)
        return;
    if (count <= d->listIndex_)
        setListIndex(0);
    d->numOptions_ = count;
    LayoutItems();
    ApplyCaptions();
    ApplyListValues();
    PropertyChanged(QStringLiteral("NumOptions"));
}

// The host reports a click whenever an option becomes selected, by the
// user or by the control.
void ORXOptionButton::optionClicked(int index)
{
    d->listIndex_ = index;
    d->value_ = group_->items->tag(index);
    if (!extender()->dataField().isEmpty())
        extender()->setDataChanged(true);
    Q_EMIT Click();
}

// A caption click: the option is selected explicitly (giving it the focus
// selects only one that is not selected yet, and the program may have moved
// ListIndex meanwhile), then it takes the focus, then Click is raised.
void ORXOptionButton::SelectOption(int index)
{
    QRadioButton* option = optionButton(index);
    if (!option || !option->isEnabledTo(this))
        return;
    option->setChecked(true);
    if (group_->items->contains(index))
        host::giveFocus(optionButton(index));
    Q_EMIT Click();
}

// Only the selected option is a tab stop, so the tab key enters the group
// at its selection and the arrow keys move between the options.
void ORXOptionButton::updateTabPolicy()
{
    const bool tab = extender()->tabStop();
    for (int i = 0; i < group_->items->count(); ++i) {
        QRadioButton* option = optionButton(i);
        option->setFocusPolicy(tab && option->isChecked() ? Qt::StrongFocus : Qt::ClickFocus);
    }
}

void ORXOptionButton::tabStopChanged(bool)
{
    updateTabPolicy();
}

// ---- Focus ------------------------------------------------------------------

void ORXOptionButton::ExitFocus()
{
    group_->hasFocus_ = false;
    update();
}

void ORXOptionButton::optionFocusIn(int index)
{
    // An option that receives the focus becomes selected.
    QRadioButton* option = optionButton(index);
    if (!option->isChecked() && option->isEnabledTo(this))
        option->setChecked(true);
    DrawFocus(index);
    int i = index;
    Q_EMIT OptionGotFocus(i);
}

void ORXOptionButton::optionFocusOut(int index)
{
    EraseFocus(index);
    int i = index;
    Q_EMIT OptionLostFocus(i);
}

// ---- Keys and mouse of the options and labels -------------------------------------

bool ORXOptionButton::eventFilter(QObject* watched, QEvent* event)
{
    const int index = group_->items->indexOf(watched);
    if (index < 0)
        return UserControl::eventFilter(watched, event);
    const bool isOption = watched == optionButton(index);
    switch (event->type()) {
    case QEvent::FocusIn:
        if (isOption)
            optionFocusIn(index);
        break;
    case QEvent::FocusOut:
        if (isOption)
            optionFocusOut(index);
        break;
    case QEvent::MouseButtonPress:
        groups::raiseMouse(this, &ORXOptionButton::MouseDown, static_cast<QMouseEvent*>(event));
        if (!isOption) {
            SelectOption(index);
            return true;
        }
        break;
    case QEvent::MouseButtonDblClick:
        if (!isOption) {
            if (OptionEnabled(index)) {
                SelectOption(index);
                Q_EMIT DblClick();
            }
            return true;
        }
        Q_EMIT DblClick();
        break;
    case QEvent::MouseMove: groups::raiseMouse(this, &ORXOptionButton::MouseMove, static_cast<QMouseEvent*>(event)); break;
    case QEvent::MouseButtonRelease: groups::raiseMouse(this, &ORXOptionButton::MouseUp, static_cast<QMouseEvent*>(event)); break;
    case QEvent::KeyPress:
        if (isOption && groups::raiseKeyPress(this, static_cast<QKeyEvent*>(event)))
            return true;
        break;
    case QEvent::KeyRelease:
        if (isOption)
            groups::raiseKeyUp(this, static_cast<QKeyEvent*>(event));
        break;
    default: break;
    }
    return UserControl::eventFilter(watched, event);
}

}  // namespace orx::tools
