#pragma once

#include "platform/host/Services.h"

#include <QList>
#include <QString>
#include <functional>

namespace orx::host {

// Records every message box and beep; answers message boxes from a queue of
// prepared answers, else with the first button of the style.
class RecordingMessageService : public MessageService {
public:
    struct Message {
        QString text;
        int style = 0;
        QString title;
    };

    int messageBox(const QString& text, int style, const QString& title) override;
    void beep() override;

    void answerNext(int button) { answers_.append(button); }
    // Called for each message box before it answers (tests may inspect state).
    std::function<void(const Message&)> onMessage;

    QList<Message> messages;
    int beeps = 0;

    void clear()
    {
        messages.clear();
        beeps = 0;
        answers_.clear();
    }

private:
    QList<int> answers_;
};

}  // namespace orx::host
