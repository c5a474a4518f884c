#pragma once

#include "platform/basic/BasicError.h"
#include "platform/profile/UserSettings.h"
#include "tests/support/TestSupport.h"
#include "tests/tools/textbox/TextBoxTestSupport.h"

#include <QFile>
#include <QListWidget>
#include <QPointer>
#include <QTimer>
#include <functional>
#include <optional>

namespace orx::test {

// Text boxes whose library folder (presets, default catalogue) is a fresh
// folder of each test, with the per-user "Currency" settings removed after.
class CurrencyBoxFixture : public TextBoxFixture {
protected:
    void SetUp() override
    {
        savedAppPath_ = qgetenv("ORX_APP_PATH");
        folder_ = freshFolder(QStringLiteral("textbox-app"));
        qputenv("ORX_APP_PATH", folder_.toLocal8Bit());
        forgetUserSettings();
        TextBoxFixture::SetUp();
    }
    void TearDown() override
    {
        TextBoxFixture::TearDown();
        forgetUserSettings();
        qputenv("ORX_APP_PATH", savedAppPath_);
    }

    static void forgetUserSettings()
    {
        try {
            profile::deleteSetting(QStringLiteral("ORX_Tools_OCXs"), QStringLiteral("Currency"));
        } catch (const basic::BasicError&) {
        }
    }
    static void userSetting(const char* key, const QString& value)
    {
        profile::saveSetting(QStringLiteral("ORX_Tools_OCXs"), QStringLiteral("Currency"), QLatin1String(key), value);
    }

    QString file(const char* name) const { return folder_ + QLatin1Char('/') + QLatin1String(name); }
    void writeFile(const char* name, const QByteArray& bytes) const
    {
        QFile f(file(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(bytes);
    }
    QByteArray readFile(const char* name) const
    {
        QFile f(file(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    static std::optional<basic::BasicError> errorOf(const std::function<void()>& action)
    {
        try {
            action();
        } catch (const basic::BasicError& e) {
            return e;
        }
        return std::nullopt;
    }

    // Runs `whileOpen` inside the wait of tb's list once `open` has opened
    // it; a list that stays open is closed so that a failing test ends.
    void withOpenList(TB* tb, const std::function<void()>& open, const std::function<void()>& whileOpen)
    {
        bool ran = false;
        int tries = 0;
        std::function<void()> poll = [&] {
            if (tb->listShowing()) {
                ran = true;
                whileOpen();
            } else if (++tries < 500) {
                QTimer::singleShot(0, poll);
            }
        };
        QPointer<TB> guard(tb);
        QTimer::singleShot(3000, [guard] {
            if (guard && guard->listShowing())
                QTest::keyClick(guard->comboListBox(), Qt::Key_Escape);
        });
        QTimer::singleShot(0, poll);
        open();
        settle();
        EXPECT_TRUE(ran);
    }

    QString folder_;
    QByteArray savedAppPath_;
};

}  // namespace orx::test
