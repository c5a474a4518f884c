#include "platform/testing/RecordingMessageService.h"

namespace orx::host {

namespace {

int firstButtonOf(int style)
{
    switch (style & 7) {
    case mb::OKCancel: return mb::OK;
    case mb::AbortRetryIgnore: return mb::Abort;
    case mb::YesNoCancel:
    case mb::YesNo: return mb::Yes;
    case mb::RetryCancel: return mb::Retry;
    default: return mb::OK;
    }
}

}  // namespace

int RecordingMessageService::messageBox(const QString& text, int style, const QString& title)
{
    const Message m{text, style, title};
    messages.append(m);
    if (onMessage)
        onMessage(m);
    return answers_.isEmpty() ? firstButtonOf(style) : answers_.takeFirst();
}

void RecordingMessageService::beep()
{
    ++beeps;
}

}  // namespace orx::host
