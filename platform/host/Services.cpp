#include "platform/host/Services.h"

#include <QApplication>
#include <QCursor>
#include <QMessageBox>
#include <QPointer>
#include <QWidget>

namespace orx::host {

namespace {

MessageService*& current()
{
    static MessageService* service = nullptr;
    return service;
}

}  // namespace

int WidgetMessageService::messageBox(const QString& text, int style, const QString& title)
{
    QMessageBox box;
    box.setText(text);
    box.setWindowTitle(title.isEmpty() ? QApplication::applicationName() : title);
    switch (style & 0x70) {
    case mb::Critical: box.setIcon(QMessageBox::Critical); break;
    case mb::Question: box.setIcon(QMessageBox::Question); break;
    case mb::Exclamation: box.setIcon(QMessageBox::Warning); break;
    case mb::Information: box.setIcon(QMessageBox::Information); break;
    default: break;
    }
    struct Choice { QMessageBox::StandardButton button; int answer; };
    QList<Choice> choices;
    switch (style & 7) {
    case mb::OKCancel: choices = {{QMessageBox::Ok, mb::OK}, {QMessageBox::Cancel, mb::Cancel}}; break;
    case mb::AbortRetryIgnore:
        choices = {{QMessageBox::Abort, mb::Abort}, {QMessageBox::Retry, mb::Retry}, {QMessageBox::Ignore, mb::Ignore}};
        break;
    case mb::YesNoCancel:
        choices = {{QMessageBox::Yes, mb::Yes}, {QMessageBox::No, mb::No}, {QMessageBox::Cancel, mb::Cancel}};
        break;
    case mb::YesNo: choices = {{QMessageBox::Yes, mb::Yes}, {QMessageBox::No, mb::No}}; break;
    case mb::RetryCancel: choices = {{QMessageBox::Retry, mb::Retry}, {QMessageBox::Cancel, mb::Cancel}}; break;
    default: choices = {{QMessageBox::Ok, mb::OK}}; break;
    }
    QMessageBox::StandardButtons buttons;
    for (const Choice& c : choices)
        buttons |= c.button;
    box.setStandardButtons(buttons);
    const int defaultIndex = (style & mb::DefaultButton3) ? 2 : ((style & mb::DefaultButton2) ? 1 : 0);
    if (defaultIndex < choices.size())
        box.setDefaultButton(choices[defaultIndex].button);
    if (style & mb::SystemModal)
        box.setWindowFlag(Qt::WindowStaysOnTopHint);
    box.setWindowModality(Qt::ApplicationModal);
    const int pressed = box.exec();
    for (const Choice& c : choices) {
        if (c.button == pressed)
            return c.answer;
    }
    // Closed with the window's close button: the box's cancel answer.
    return (style & 7) == mb::OKOnly ? mb::OK : ((style & 7) == mb::YesNo ? mb::No : mb::Cancel);
}

void WidgetMessageService::beep()
{
    QApplication::beep();
}

MessageService& messages()
{
    static WidgetMessageService fallback;
    return current() ? *current() : fallback;
}

void setMessageService(MessageService* service)
{
    current() = service;
}

int MsgBox(const QString& text, int style, const QString& title)
{
    return messages().messageBox(text, style, title);
}

void Beep()
{
    messages().beep();
}

void yieldToHost()
{
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

bool giveFocus(QWidget* widget)
{
    if (!widget || !widget->isVisible())
        return false;
    QPointer<QWidget> guard(widget);
    yieldToHost();
    // The host may have destroyed or disabled the widget while it yielded.
    if (!guard || !guard->isEnabled())
        return false;
    guard->setFocus(Qt::OtherFocusReason);
    return true;
}

QPoint cursorPosition()
{
    return QCursor::pos();
}

QWidget* widgetAt(const QPoint& screenPoint)
{
    return QApplication::widgetAt(screenPoint);
}

void setTopmost(QWidget* window, bool topmost)
{
    if (!window)
        return;
    const bool visible = window->isVisible();
    window->setWindowFlag(Qt::WindowStaysOnTopHint, topmost);
    if (visible)
        window->show();  // changing window flags hides a window
}

}  // namespace orx::host
