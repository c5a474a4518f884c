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

void ORXTextBox::Private::FillComboList()
{
    DropDownState& st = dropDownState();
    st.ListFilling = true;
    LB_Combo->clear();
    ORXList* list = comboList();
    const QString wanted = textOf(st.ListChoice);
    int match = -1;
    for (int i = 1; i <= list->ListCount(); ++i) {
        const QString item = textOf(list->List(i));
        LB_Combo->addItem(item);
        if (!basic::isNull(st.ListChoice) && item == wanted)
            match = i - 1;
    }
    if (LB_Combo->count() > 0)
        LB_Combo->setCurrentRow(match >= 0 ? match : 0);
    st.ListFilling = false;
    st.ListChoice = basic::nullVariant();
}

void ORXTextBox::Private::OpenList()
{
    DropDownState& st = dropDownState();
    if (q->listShowing())
        return;
    if (comboType_ != ORXTX_List_Type)
        host::giveFocus(EF_Text);
    if (!handleCurrencyChanges_ && !comboButtonVisible_)
        return;
    QPointer<ORXTextBox> self(q);
    if (comboButtonVisible_) {
        Q_EMIT q->ComboButtonClick();
        if (!self || q->ComboCount() == 0)
            return;
    }
    st.SavedHeight = q->extender()->height();
    if (comboButtonVisible_) {
        st.ListChoice = text_;
        FillComboList();
    } else {
        FillCurrencyList();
    }

    // The list hangs below the control's area, which grows to hold it.
    const int rowPixels = LB_Combo->count() > 0 ? LB_Combo->sizeHintForRow(0) : LB_Combo->fontMetrics().height();
    const double row = host::twipsFromPixelsY(rowPixels);
    const double rows = comboRows_ <= 0 ? 5.0 : double(comboRows_) + 1.0;
    host::setTwipGeometry(LB_Combo, {0, st.SavedHeight, q->extender()->width(), rows * row});
    LB_Combo->show();
    LB_Combo->raise();
    q->raise();
    q->extender()->setHeight(st.SavedHeight + rows * row);
    LB_Combo->setFocus(Qt::PopupFocusReason);

    // The modal wait: the host's events go on while the list is open; the
    // list's own handlers end it.
    QEventLoop wait;
    st.ListOpen = true;
    st.Owner = q;
    st.Wait = &wait;
    while (self && st.ListOpen && st.Owner == q)
        wait.exec();
    if (!self)
        return;
    // Another text box opened its list meanwhile: this one was closed by
    // losing the focus, and the pick, if any, is that one's.
    if (st.Owner != q)
        return;
    st.Wait = nullptr;

    const QVariant choice = st.ListChoice;
    if (!basic::isNull(choice)) {
        if (comboButtonVisible_) {
            q->setText(choice);
            ORXList* list = comboList();
            Q_EMIT q->ComboSelected(choice, list->ListKey(list->ListIndex()), list->ListIndex());
        } else if (handleCurrencyChanges_) {
            ApplyCurrencyChoice(choice);
        }
    }
    if (!self)
        return;
    const bool listHadFocus = LB_Combo->hasFocus();
    q->extender()->setHeight(st.SavedHeight);
    if (listHadFocus) {
        if (comboType_ == ORXTX_List_Type || !EF_Text->isVisible())
            q->setFocus(Qt::OtherFocusReason);
        else
            EF_Text->setFocus(Qt::OtherFocusReason);
    }
    LB_Combo->hide();
    st.Owner = nullptr;
    if (comboType_ != ORXTX_List_Type)
        q->MarkSelected();
}

void ORXTextBox::Private::closeList(bool restoreHeight)
{
    DropDownState& st = dropDownState();
    st.ListOpen = false;
    if (restoreHeight) {
        q->extender()->setHeight(st.SavedHeight);
        LB_Combo->hide();
    }
    if (st.Wait)
        st.Wait->quit();
}

void ORXTextBox::Private::pickListRow()
{
    const int row = LB_Combo->currentRow();
    if (row < 0)
        return;
    DropDownState& st = dropDownState();
    // Item positions belong to the item list; a currency pick is its name.
    if (comboButtonVisible_)
        comboList()->setListIndex(row + 1);
    st.ListChoice = LB_Combo->item(row)->text();
    closeList(false);
}

bool ORXTextBox::Private::listEvent(QEvent* event)
{
    DropDownState& st = dropDownState();
    const bool open = st.ListOpen && st.Owner == q;
    switch (event->type()) {
    case QEvent::MouseMove: {
        if (!open || LB_Combo->count() == 0)
            return false;
        const int y = static_cast<QMouseEvent*>(event)->position().toPoint().y();
        const int rowPixels = qMax(1, LB_Combo->sizeHintForRow(0));
        const int top = LB_Combo->indexAt(QPoint(0, 0)).row();
        const int row = y / rowPixels + qMax(0, top);
        if (row >= 0 && row < LB_Combo->count())
            LB_Combo->setCurrentRow(row);
        return true;
    }
    case QEvent::MouseButtonPress: {
        if (!open)
            return false;
        const QPoint at = static_cast<QMouseEvent*>(event)->position().toPoint();
        if (QListWidgetItem* item = LB_Combo->itemAt(at)) {
            LB_Combo->setCurrentItem(item);
            pickListRow();
        }
        return true;
    }
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick: return open;
    case QEvent::ShortcutOverride: {
        // The open list takes its own keys before the form's shortcuts, so
        // that Enter picks and Escape closes instead of pressing the form's
        // default or cancel button.
        const int k = static_cast<QKeyEvent*>(event)->key();
        if (open && (k == Qt::Key_Return || k == Qt::Key_Enter || k == Qt::Key_Escape)) {
            event->accept();
            return true;
        }
        return false;
    }
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
            st.ClosedByFocus = q;
            QTimer::singleShot(0, q, [] { dropDownState().ClosedByFocus = nullptr; });
        }
        return false;
    default: return false;
    }
}

void ORXTextBox::Private::listTypeStep(bool next)
{
    ORXList* list = comboList();
    int at = list->ListIndex();
    if (next && at < list->ListCount())
        ++at;
    else if (!next && at > 1)
        --at;
    list->setListIndex(at);
    q->setText(list->List(at));
}

}  // namespace orx::tools
