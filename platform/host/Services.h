#pragma once

#include "platform/host/HostExport.h"

#include <QPoint>
#include <QString>
#include <QStringList>

class QWidget;

// The services a control asks of its host besides its site: message boxes,
// the beep, yielding to pending events, the focus rule, the cursor and the
// window under it, topmost windows. The message box and the beep go through
// a replaceable implementation so that tests answer them.
namespace orx::host {

// Message box styles and answers, as the classic constants.
namespace mb {
inline constexpr int OKOnly = 0, OKCancel = 1, AbortRetryIgnore = 2, YesNoCancel = 3, YesNo = 4, RetryCancel = 5;
inline constexpr int Critical = 16, Question = 32, Exclamation = 48, Information = 64;
inline constexpr int DefaultButton2 = 256, DefaultButton3 = 512;
inline constexpr int ApplicationModal = 0, SystemModal = 4096;
inline constexpr int OK = 1, Cancel = 2, Abort = 3, Retry = 4, Ignore = 5, Yes = 6, No = 7;
}  // namespace mb

class ORX_HOST_EXPORT MessageService {
public:
    virtual ~MessageService() = default;
    // Shows a modal message box; returns the button pressed (mb::OK ...).
    virtual int messageBox(const QString& text, int style, const QString& title) = 0;
    virtual void beep() = 0;
};

// Message boxes with QMessageBox, the beep with QApplication::beep.
class ORX_HOST_EXPORT WidgetMessageService : public MessageService {
public:
    int messageBox(const QString& text, int style, const QString& title) override;
    void beep() override;
};

// The service in force (a WidgetMessageService unless replaced).
ORX_HOST_EXPORT MessageService& messages();
// Replaces the service; null restores the default. The caller keeps ownership.
ORX_HOST_EXPORT void setMessageService(MessageService* service);

// MsgBox and Beep through the service in force.
ORX_HOST_EXPORT int MsgBox(const QString& text, int style = mb::OKOnly, const QString& title = QString());
ORX_HOST_EXPORT void Beep();

// Lets the host process pending events (DoEvents).
ORX_HOST_EXPORT void yieldToHost();

// The focus rule: a widget that is not visible is left alone; otherwise
// pending events are processed first, then a widget that is not enabled is
// left alone, else it takes the focus. Failures are ignored. Returns whether
// the focus was asked for.
ORX_HOST_EXPORT bool giveFocus(QWidget* widget);

// Cursor position in screen pixels, and the top-level-or-child widget under a
// screen point (null when none of ours).
ORX_HOST_EXPORT QPoint cursorPosition();
ORX_HOST_EXPORT QWidget* widgetAt(const QPoint& screenPoint);

// Keeps a top-level window above the others, or releases it.
ORX_HOST_EXPORT void setTopmost(QWidget* window, bool topmost);

}  // namespace orx::host
