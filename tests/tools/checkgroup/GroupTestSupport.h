#pragma once

#include "platform/basic/BasicError.h"
#include "platform/testing/RecordingSurface.h"
#include "platform/host/Extender.h"
#include "platform/host/PropertyBag.h"
#include "tests/support/HostFixture.h"
#include "tests/support/TestSupport.h"

#include <QFile>
#include <functional>
#include <optional>

namespace orx::test {

// Hosted group controls whose library folder (the preset files) is a fresh
// folder of each test.
class GroupFixture : public HostFixture {
protected:
    void SetUp() override
    {
        savedAppPath_ = qgetenv("ORX_APP_PATH");
        folder_ = freshFolder(QStringLiteral("groups-app"));
        qputenv("ORX_APP_PATH", folder_.toLocal8Bit());
        HostFixture::SetUp();
    }
    void TearDown() override
    {
        HostFixture::TearDown();
        qputenv("ORX_APP_PATH", savedAppPath_);
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

    // The control saved to a bag and loaded into a new one on the form.
    template <class Control>
    Control* reload(Control* c, const QString& name)
    {
        host::PropertyBag bag;
        c->WriteProperties(bag);
        auto* copy = new Control();
        form().placeControl(copy, QStringLiteral("ORX_Test.Group"), name,
                            host::TwipRect{c->extender()->left(), c->extender()->top(), c->extender()->width(),
                                           c->extender()->height()});
        copy->ReadProperties(bag);
        settle();
        return copy;
    }

    // The last message box: text, style, title.
    QStringList lastMessage()
    {
        if (messages().messages.isEmpty())
            return {};
        const auto& m = messages().messages.back();
        return {m.text, QString::number(m.style), m.title};
    }

private:
    QByteArray savedAppPath_;
    QString folder_;
};

}  // namespace orx::test
