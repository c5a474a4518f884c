// The drop-down list: opening it under the control, the modal wait, picking
// with the pointer or the keys, closing; the list-type key steps.
#include "tools/textbox/ORXTextBox_p.h"

#include "platform/basic/Variant.h"
#include "platform/host/Extender.h"
#include "platform/host/Services.h"
#include "platform/host/Twips.h"
#include "tools/currency/ORXList.h"
#include "tools/textbox/LibraryState.h"

#include <QEventLoop>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QTimer>

namespace orx::tools {

using namespace textbox;

bool ORXTextBox::listShowing() const
{
    return d->LB_Combo->isVisibleTo(this);
}

void ORXTextBox::FillComboList()
{
    DropDownState& st = dropDownState();
    st.ListFilling = true;
    d->LB_Combo->clear();
    ORXList* list = comboList();
    const QString wanted = textOf(st.ListChoice);
    int match = -1;
    for (int i = 1; i <= list->ListCount(); ++i) {
        const QString item = textOf(list->List(i));
        d->LB_Combo->addItem(item);
        if (!basic::isNull(st.ListChoice) && item == wanted)
            match = i - 1;
    }
    if (d->LB_Combo->count() > 0)
        d->LB_Combo->setCurrentRow(match >= 0 ? match : 0);
    st.ListFilling = false;
    st.ListChoice = basic::nullVariant();
}

void ORXTextBox::OpenList()
{
    DropDownState& st = dropDownState();
    if (listShowing())
        return;
    if (d->comboType_ != ORXTX_List_Type)
        host::giveFocus(d->EF_Text);
    if (!d->handleCurrencyChanges_ && !d->comboButtonVisible_)
        return;
    QPointer<ORXTextBox> self(this);
    if (d->comboButtonVisible_) {
        Q_EMIT ComboButtonClick();
        if (!self || ComboCount() == 0)
            return;
    }
    st.SavedHeight = extender()->height();
    if (d->comboButtonVisible_) {
        st.ListChoice = d->text_;
        FillComboList();
    } else {
        FillCurrencyList();
    }

    // The list hangs below the control's area, which grows to hold it.
    const int rowPixels = d->LB_Combo->count() > 0 ? d->LB_Combo->sizeHintForRow(0) : d->LB_Combo->fontMetrics().height();
    const double row = host::twipsFromPixelsY(rowPixels);
    const double rows = d->comboRows_ <= 0 ? 5.0 : double(d->comboRows_) + 1.0;
    host::setTwipGeometry(d->LB_Combo, {0, st.SavedHeight, extender()->width(), rows * row});
    d->LB_Combo->show();
    d->LB_Combo->raise();
    raise();
    extender()->setHeight(st.SavedHeight + rows * row);
    d->LB_Combo->setFocus(Qt::PopupFocusReason);

    // The modal wait: the host's events go on while the list is open; the
    // list's own handlers end it.
    QEventLoop wait;
    st.ListOpen = true;
    st.Owner = this;
    st.Wait = &wait;
    while (self && st.ListOpen && st.Owner == this)
        wait.exec();
    if (!self)
        return;
    // Another text box opened its list meanwhile: this one was closed by
    // losing the focus, and the pick, if any, is that one's.
    if (st.Owner != this)
        return;
    st.Wait = nullptr;

    const QVariant choice = st.ListChoice;
    if (!basic::isNull(choice)) {
        if (d->comboButtonVisible_) {
            setText(choice);
            ORXList* list = comboList();
            Q_EMIT ComboSelected(choice, list->ListKey(list->ListIndex()), list->ListIndex());
        } else if (d->handleCurrencyChanges_) {
            ApplyCurrencyChoice(choice);
        }
    }
    if (!self)
        return;
    const bool listHadFocus = d->LB_Combo->hasFocus();
    extender()->setHeight(st.SavedHeight);
    if (listHadFocus) {
        if (d->comboType_ == ORXTX_List_Type || !d->EF_Text->isVisible())
            setFocus(Qt::OtherFocusReason);
        else
            d->EF_Text->setFocus(Qt::OtherFocusReason);
    }
    d->LB_Combo->hide();
    st.Owner = nullptr;
    if (d->comboType_ != ORXTX_List_Type)
        MarkSelected();
}

void ORXTextBox::closeList(bool restoreHeight)
{
    DropDownState& st = dropDownState();
    st.ListOpen = false;
    if (restoreHeight) {
        extender()->setHeight(st.SavedHeight);
        d->LB_Combo->hide();
    }
    if (st.Wait)
        st.Wait->quit();
}

void ORXTextBox::pickListRow()
{
    const int row = d->LB_Combo->currentRow();
    if (row < 0)
        return;
    DropDownState& st = dropDownState();
    // Item positions belong to the item list; a currency pick is its name.
    if (d->comboButtonVisible_)
        comboList()->setListIndex(row + 1);
    st.ListChoice = d->LB_Combo->item(row)->text();
    closeList(false);
}

bool ORXTextBox::listEvent(QEvent* event)
{
    DropDownState& st = dropDownState();
    const bool open = st.ListOpen && st.Owner == this;
    switch (event->type()) {
    case QEvent::MouseMove: {
        if (!open || d->LB_Combo->count() == 0)
            return false;
        const int y = static_cast<QMouseEvent*>(event)->position().toPoint().y();
        const int rowPixels = qMax(1, d->LB_Combo->sizeHintForRow(0));
        const int top = d->LB_Combo->indexAt(QPoint(0, 0)).row();
        const int row = y / rowPixels + qMax(0, top);
        if (row >= 0 && row < d->LB_Combo->count())
            d->LB_Combo->setCurrentRow(row);
        return true;
    }
    case QEvent::MouseButtonPress: {
        if (!open)
            return false;
        const QPoint at = static_cast<QMouseEvent*>(event)->position().toPoint();
        if (QListWidgetItem* item = d->LB_Combo->itemAt(at)) {
            d->LB_Combo->setCurrentItem(item);
            pickListRow();
        }
        return true;
    }
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick: return open;
    case QEvent::KeyPress: {
        if (!open)
            return false;
        const int k = static_cast<QKeyEvent*>(event)->key();
        if (k == Qt::Key_Return || k == Qt::Key_Enter) {
            pickListRow();
            return true;
        }
        if (k == Qt::Key_Escape) {
            closeList(false);
            return true;
        }
        return false;
    }
    case QEvent::FocusOut:
        if (open) {
            closeList(true);
            st.ClosedByFocus = this;
            QTimer::singleShot(0, this, [] { dropDownState().ClosedByFocus = nullptr; });
        }
        return false;
    default: return false;
    }
}

void ORXTextBox::listTypeStep(bool next)
{
    ORXList* list = comboList();
    int at = list->ListIndex();
    if (next && at < list->ListCount())
        ++at;
    else if (!next && at > 1)
        --at;
    list->setListIndex(at);
    setText(list->List(at));
}

}  // namespace orx::tools
