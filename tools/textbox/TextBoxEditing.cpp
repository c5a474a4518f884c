// Displaying and editing: focus, BeginEdit, the keystroke pipeline on the
// edit field, paste, and the mouse on the display label.
#include "tools/textbox/ORXTextBox_p.h"

#include "platform/basic/Strings.h"
#include "platform/basic/Variant.h"
#include "platform/host/Extender.h"
#include "platform/host/Services.h"
#include "platform/host/Twips.h"
#include "tools/common/EventCodes.h"
#include "tools/textbox/KeyFilter.h"
#include "tools/textbox/LibraryState.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QFocusEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTimer>

namespace orx::tools {

using namespace textbox;

namespace {

// The character a key types in the edit field: as for every control, except
// that Escape types nothing here (it raises no KeyPress).
int typedAsciiOf(const QKeyEvent* e)
{
    return e->key() == Qt::Key_Escape ? -1 : keyAsciiOf(e);
}

}  // namespace

bool ORXTextBox::Private::pickOnlyList() const
{
    return comboButtonVisible_ && comboButtonEnabled_ && comboType_ == ORXTX_List_Type;
}

bool ORXTextBox::Private::checkBoxActive() const
{
    return checkBoxVisible_ && checkBoxEnabled_;
}

// ---- Focus and editing -----------------------------------------------------

void ORXTextBox::Private::BeginEdit()
{
    if (runMode() && !blanked_) {
        SF_Caption->hide();
        EF_Text->show();
        phase = Phase::Editing;
        host::giveFocus(EF_Text);
    }
    if (!errorFlag_)
        lastText_ = text_;
    // The user edits with the regional separators.
    if (basic::isStringValue(text_)) {
        const Separators& seps = sharedSeparators();
        QString t = text_.toString();
        if (isDateTemplate(template_))
            t.replace(QLatin1Char('/'), seps.date);
        else if (isTimeTemplate(template_))
            t.replace(QLatin1Char(':'), seps.time);
        text_ = t;
    }
    modified_ = false;
    writeEditField(textValue(), true);
    if (selTextAuto_)
        q->MarkSelected();
    if (blanked_ && checkBoxActive())
        host::giveFocus(CK_Selected);
}

void ORXTextBox::Private::leaveEditing()
{
    phase = Phase::Showing;
    EF_Text->hide();
    SF_Caption->show();
}

void ORXTextBox::EnterFocus()
{
    if (d->inFocusChange_)
        return;
    d->hasFocus_ = true;
    if (!d->pickOnlyList())
        d->BeginEdit();
    if (d->showFocusRect_ && (d->blanked_ || d->checkBoxActive() || d->pickOnlyList()))
        d->SH_Focus->show();
}

void ORXTextBox::ExitFocus()
{
    // A message box of the commit takes the focus for a while; that is not
    // the user leaving the control again.
    if (d->inFocusChange_)
        return;
    d->inFocusChange_ = true;
    d->hasFocus_ = false;
    if (!d->pickOnlyList() && !d->blanked_) {
        d->CommitText();
        d->leaveEditing();
    }
    if (d->showFocusRect_)
        d->SH_Focus->hide();
    d->modified_ = basic::trimSpaces(extender()->dataField()).isEmpty() && !d->sameValue(d->lastText_, d->text_);
    d->inFocusChange_ = false;
}

void ORXTextBox::focusInEvent(QFocusEvent* event)
{
    UserControl::focusInEvent(event);
    // Shift+Tab from the edit field lands on the control itself: pass on.
    if (d->editing() && event->reason() == Qt::BacktabFocusReason)
        focusPreviousChild();
    else if (d->editing() && d->EF_Text->isVisible())
        d->EF_Text->setFocus(event->reason());
}

void ORXTextBox::Private::onEditFieldFocusIn()
{
    if (showFocusRect_ && !blanked_ && !checkBoxActive())
        SH_Focus->show();
    q->MarkSelected();
}

void ORXTextBox::Private::onEditFieldFocusOut()
{
    if (showFocusRect_ && !blanked_ && !checkBoxActive())
        SH_Focus->hide();
}

void ORXTextBox::Private::onEditFieldChanged(const QString& text)
{
    if (!runMode() || SuppressChange)
        return;
    // An empty field does not turn "no value" into an empty text.
    if (!(basic::isNull(text_) && text.isEmpty()))
        text_ = text;
    if (!q->extender()->dataField().isEmpty())
        q->extender()->setDataChanged(true);
    Q_EMIT q->Change();
    const int max = q->MaxLength();
    if (max >= 1 && textValue().size() == max)
        Q_EMIT q->EndOfLine();
}

void ORXTextBox::MarkSelected()
{
    if (basic::isNull(d->text_))
        return;
    d->EF_Text->setSelection(0, int(d->textValue().size()));
}

// ---- Keys ------------------------------------------------------------------

bool ORXTextBox::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == d->EF_Text && !(d->labelPressed_ && event->type() == QEvent::MouseButtonRelease)) {
        switch (event->type()) {
        case QEvent::KeyPress: return d->editFieldKeyPress(static_cast<QKeyEvent*>(event));
        case QEvent::KeyRelease: {
            auto* ke = static_cast<QKeyEvent*>(event);
            int code = keyCodeOf(ke);
            int shift = shiftOf(ke->modifiers());
            Q_EMIT KeyUp(code, shift);
            return false;
        }
        case QEvent::FocusIn: d->onEditFieldFocusIn(); return false;
        case QEvent::FocusOut: d->onEditFieldFocusOut(); return false;
        case QEvent::MouseButtonRelease: {
            auto* me = static_cast<QMouseEvent*>(event);
            // The selection paste of X11 goes through the same rules as typing.
            if (me->button() == Qt::MiddleButton) {
                if (d->allowPaste_ && QApplication::clipboard()->supportsSelection())
                    d->pasteThroughRules(QApplication::clipboard()->text(QClipboard::Selection));
                return true;
            }
            return false;
        }
        case QEvent::MouseButtonPress:
            return static_cast<QMouseEvent*>(event)->button() == Qt::MiddleButton;
        default: return false;
        }
    }
    // The label hides under the pointer when editing begins, so the release
    // of that press arrives wherever the window system sends it.
    if (d->labelPressed_ && event->type() == QEvent::MouseButtonRelease) {
        d->labelPressed_ = false;
        qApp->removeEventFilter(this);
        d->raiseMouse(3, static_cast<QMouseEvent*>(event));
        return watched == d->SF_Caption;
    }
    if (watched == d->LB_Combo || watched == d->LB_Combo->viewport())
        return d->listEvent(event);
    if (watched == d->CK_Selected)
        return d->checkBoxFocusEvent(event);
    if (watched == d->SF_Caption)
        return d->labelMouse(event);
    return UserControl::eventFilter(watched, event);
}

bool ORXTextBox::Private::keyDownSteps(QKeyEvent* e)
{
    const Qt::KeyboardModifiers m = e->modifiers();
    const bool ctrl = m & Qt::ControlModifier;
    const bool alt = m & Qt::AltModifier;
    const bool shift = m & Qt::ShiftModifier;
    const int k = e->key();
    if (ctrl && !alt && (k == Qt::Key_Down || k == Qt::Key_Up) && pickOnlyList()) {
        listTypeStep(k == Qt::Key_Up);
        return true;
    }
    if (k == Qt::Key_Insert && shift && !ctrl && !allowPaste_) {
        if (errorBeep_)
            host::Beep();
        return true;
    }
    if (k == Qt::Key_Space && ctrl && !blanked_ && checkBoxActive()) {
        q->setBlanked(true);
        return true;
    }
    // The key has done its work: the host does not see it as a KeyDown.
    if (k == Qt::Key_Down && ctrl && handleCurrencyChanges_) {
        showCurrentCurrency();
        return true;
    }
    // The spin bar grows downwards: a larger value is a step down.
    if (k == Qt::Key_Down && ctrl && !handleCurrencyChanges_ && spinButtons_) {
        VS_Spin->setValue(VS_Spin->value() + 1);
        return true;
    }
    if (k == Qt::Key_Up && ctrl && spinButtons_) {
        VS_Spin->setValue(VS_Spin->value() - 1);
        return true;
    }
    if (k == Qt::Key_Down && alt && !ctrl && (handleCurrencyChanges_ || (comboButtonVisible_ && comboButtonEnabled_))) {
        OpenList();
        return true;
    }
    int code = keyCodeOf(e);
    int shiftState = shiftOf(m);
    Q_EMIT q->KeyDown(code, shiftState);
    return code == 0;
}

// A control that is not editing (a pick-only list, a blanked box) holds the
// focus itself: its keys take the same key-down steps.
void ORXTextBox::keyPressEvent(QKeyEvent* event)
{
    // A key the edit field passed on has already taken the steps.
    if (!d->EF_Text->hasFocus() && d->keyDownSteps(event))
        return;
    UserControl::keyPressEvent(event);
}

bool ORXTextBox::Private::editFieldKeyPress(QKeyEvent* e)
{
    if (keyDownSteps(e))
        return true;
    if (e->key() == Qt::Key_Insert && e->modifiers() == Qt::ShiftModifier) {
        pasteThroughRules(QApplication::clipboard()->text());
        return true;
    }
    int ascii = typedAsciiOf(e);
    if (ascii < 0)
        return false;
    const int typed = ascii;
    ascii = templateKey(template_, ascii, sharedSeparators());
    if (blanked_)
        return true;
    if (ascii == key::CarriageReturn) {
        Q_EMIT q->KeyEnterPressed();
        return false;
    }
    const FilterResult filtered = filterKey(ascii, characters_, characterTable_);
    if (filtered.rejected && errorBeep_)
        host::Beep();
    ascii = filtered.keyAscii;
    Q_EMIT q->KeyPress(ascii);
    if (ascii == 0)
        return true;
    if (ascii == 22) {  // Ctrl+V, let through by the flags
        pasteThroughRules(QApplication::clipboard()->text());
        return true;
    }
    if (ascii >= 32 && roomToType() <= 0)
        return true;  // the field is full
    if (ascii == typed)
        return false;  // the field takes the key as it is
    if (ascii < 32 || EF_Text->isReadOnly())
        return true;
    EF_Text->insert(QString(QChar(char16_t(ascii))));
    return true;
}

bool ORXTextBox::Private::pasteThroughRules(const QString& text)
{
    if (blanked_ || EF_Text->isReadOnly() || text.isEmpty())
        return false;
    const Separators& seps = sharedSeparators();
    QString accepted;
    accepted.reserve(text.size());
    for (QChar c : text) {
        const FilterResult r = filterKey(templateKey(template_, c.unicode(), seps), characters_, characterTable_);
        // One refused character refuses the whole paste.
        if (r.rejected || r.keyAscii == 0) {
            if (errorBeep_)
                host::Beep();
            return false;
        }
        accepted += QChar(char16_t(r.keyAscii));
    }
    // As much as the limit leaves room for.
    accepted.truncate(qMax(0, roomToType()));
    if (accepted.isEmpty())
        return false;
    EF_Text->insert(accepted);
    return true;
}

// ---- The display label's mouse -----------------------------------------------

void ORXTextBox::Private::raiseMouse(int which, QMouseEvent* e)
{
    int button = which == 2 ? mouseButtonsOf(e->buttons()) : mouseButtonsOf(e->button());
    int shift = shiftOf(e->modifiers());
    const QPoint at = q->mapFromGlobal(e->globalPosition().toPoint());
    float x = float(host::twipsFromPixelsX(at.x()));
    float y = float(host::twipsFromPixelsY(at.y()));
    if (which == 1)
        Q_EMIT q->MouseDown(button, shift, x, y);
    else if (which == 2)
        Q_EMIT q->MouseMove(button, shift, x, y);
    else
        Q_EMIT q->MouseUp(button, shift, x, y);
}

bool ORXTextBox::Private::labelMouse(QEvent* event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        raiseMouse(1, static_cast<QMouseEvent*>(event));
        if (pickOnlyList()) {
            DropDownState& st = dropDownState();
            if (st.ListOpen && st.Owner == q)
                closeList(true);
            else if (st.ClosedByFocus == q)
                st.ClosedByFocus = nullptr;  // this press closed the list already
            else if (q->ComboCount() > 0)
                // Opened once the press is over, so the list's wait does not
                // run inside the press and the release reaches the label.
                QTimer::singleShot(0, q, [this] { OpenList(); });
            return true;
        }
        labelPressed_ = true;
        qApp->installEventFilter(q);
        BeginEdit();
        Q_EMIT q->Click();
        return true;
    }
    case QEvent::MouseMove:
        raiseMouse(2, static_cast<QMouseEvent*>(event));
        if (pickOnlyList())
            SF_Caption->setCursor(Qt::ArrowCursor);
        else if (mousePointer_ == 0)
            SF_Caption->setCursor(Qt::IBeamCursor);
        return false;
    case QEvent::MouseButtonRelease:
        raiseMouse(3, static_cast<QMouseEvent*>(event));
        return true;
    case QEvent::MouseButtonDblClick:
        // A quick second press on a pick-only list's label still closes
        // (or opens) its list.
        if (pickOnlyList()) {
            const DropDownState& st = dropDownState();
            if (st.ListOpen && st.Owner == q)
                closeList(true);
        }
        Q_EMIT q->DblClick();
        return true;
    default: return false;
    }
}

// ---- Properties of the edit field --------------------------------------------

void ORXTextBox::setCharacters(int value)
{
    if (!d->passwordChar_.isEmpty())
        return;
    const CharactersChange change = charactersChange(d->template_, value, d->characterTable_, sharedSeparators());
    if (!change.accepted)
        return;
    d->characterTable_ = change.table;
    d->characters_ = value;
    PropertyChanged(QStringLiteral("Characters"));
}

void ORXTextBox::setCharacterTable(const QString& value)
{
    if (!acceptsCharacterTable(d->template_, value, sharedSeparators()))
        return;
    d->characterTable_ = value;
    PropertyChanged(QStringLiteral("CharacterTable"));
}

int ORXTextBox::MaxLength() const
{
    return d->maxLength_;
}

void ORXTextBox::setMaxLength(int length)
{
    int n = 0;
    if (d->template_ == tpl::String || d->template_ == tpl::Numeric || d->template_ == tpl::Percent)
        n = maxLengthFromLayout(d->layout_, length);
    else if (d->template_ == tpl::Currency)
        n = 15;
    else
        return;
    d->applyMaxLength(n);
    PropertyChanged(QStringLiteral("MaxLength"));
}

void ORXTextBox::setPasswordChar(const QString& text)
{
    d->passwordChar_ = basic::trimSpaces(text).left(1);
    d->EF_Text->setEchoMode(d->passwordChar_.isEmpty() ? QLineEdit::Normal : QLineEdit::Password);
    if (d->passwordChar_.isEmpty()) {
        d->allowPaste_ = true;
    } else {
        d->allowPaste_ = false;
        d->template_ = tpl::String;
        d->ApplyTemplate(true);
        d->characters_ = kb::Ok_Alpha + kb::Ok_Numeric + kb::Set_Ucase;
    }
    d->RefreshDisplay();
    d->EF_Text->update();
    PropertyChanged(QStringLiteral("PasswordChar"));
}

int ORXTextBox::SelStart() const
{
    return d->EF_Text->hasSelectedText() ? d->EF_Text->selectionStart() : d->EF_Text->cursorPosition();
}

void ORXTextBox::setSelStart(int start)
{
    d->EF_Text->setCursorPosition(start);
    PropertyChanged(QStringLiteral("SelStart"));
}

int ORXTextBox::SelLength() const
{
    return int(d->EF_Text->selectedText().size());
}

void ORXTextBox::setSelLength(int length)
{
    d->EF_Text->setSelection(SelStart(), length);
    PropertyChanged(QStringLiteral("SelLength"));
}

QString ORXTextBox::SelText() const
{
    return d->EF_Text->selectedText();
}

void ORXTextBox::setSelText(const QString& text)
{
    d->EF_Text->insert(text);
    PropertyChanged(QStringLiteral("SelText"));
}

}  // namespace orx::tools
