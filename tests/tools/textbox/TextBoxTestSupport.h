#pragma once

#include "tests/support/HostFixture.h"
#include "tools/textbox/ORXTextBox.h"

#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QStringList>
#include <QTimer>

#include <functional>
#include <memory>
#include <ostream>

// Readable values in failure messages.
QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& s, std::ostream* os)
{
    *os << '"' << s.toStdString() << '"';
}
inline void PrintTo(const QVariant& v, std::ostream* os)
{
    *os << v.typeName() << '(' << v.toString().toStdString() << ')';
}
QT_END_NAMESPACE

namespace orx::test {

// A form with text boxes and a plain line edit to move the focus to, and a
// log of every event a text box raises, with its arguments.
class TextBoxFixture : public HostFixture {
protected:
    using TB = tools::ORXTextBox;

    void SetUp() override
    {
        HostFixture::SetUp();
        elsewhere_ = new QLineEdit(&form());
        elsewhere_->setGeometry(400, 400, 100, 24);
        elsewhere_->show();
    }

    TB* box(int templ = TB::ORXTX_String, const QString& name = QStringLiteral("Text1"))
    {
        TB* tb = place<TB>(name, host::TwipRect{120, 120 + 450.0 * form().controls().size(), 2400, 375});
        if (templ != TB::ORXTX_String)
            tb->setTemplate(TB::ORXTX_Template_Constants(templ));
        record(tb);
        return tb;
    }

    // Types into the box as a user does: focus, keys, then the focus leaves.
    void enter(TB* tb, const QString& keys)
    {
        focus(tb);
        tb->editField()->selectAll();
        if (keys.isEmpty())
            key(tb->editField(), Qt::Key_Backspace);
        type(tb->editField(), keys);
        leave();
    }
    void leave() { focus(elsewhere_); }

    void record(TB* tb)
    {
        using T = tools::ORXTextBox;
        QObject::connect(tb, &T::Change, [this] { log << "Change"; });
        QObject::connect(tb, &T::Click, [this] { log << "Click"; });
        QObject::connect(tb, &T::DblClick, [this] { log << "DblClick"; });
        QObject::connect(tb, &T::EndOfLine, [this] { log << "EndOfLine"; });
        QObject::connect(tb, &T::KeyEnterPressed, [this] { log << "KeyEnterPressed"; });
        QObject::connect(tb, &T::CheckBoxClick, [this](bool v) { log << QStringLiteral("CheckBoxClick(%1)").arg(v); });
        QObject::connect(tb, &T::KeyDown, [this](int& k, int& s) { log << QStringLiteral("KeyDown(%1,%2)").arg(k).arg(s); });
        QObject::connect(tb, &T::KeyUp, [this](int& k, int& s) { log << QStringLiteral("KeyUp(%1,%2)").arg(k).arg(s); });
        QObject::connect(tb, &T::KeyPress, [this](int& a) { log << QStringLiteral("KeyPress(%1)").arg(a); });
        QObject::connect(tb, &T::MouseDown, [this](int& b, int&, float&, float&) { log << QStringLiteral("MouseDown(%1)").arg(b); });
        QObject::connect(tb, &T::MouseUp, [this](int& b, int&, float&, float&) { log << QStringLiteral("MouseUp(%1)").arg(b); });
        QObject::connect(tb, &T::Invalid, [this](QVariant& t, const QVariant& last) {
            log << QStringLiteral("Invalid(%1,%2)").arg(t.toString(), last.toString());
        });
        QObject::connect(tb, &T::OutOfRange, [this](QVariant& t, const QVariant& last, const QString& mn, const QString& mx) {
            log << QStringLiteral("OutOfRange(%1,%2,%3,%4)").arg(t.toString(), last.toString(), mn, mx);
        });
    }

    // Polls, from the event loop, until tb's list hangs open, then acts.
    // Each pending poll holds its own copy, and polling stops for good once
    // the opening input has been handled, so nothing runs after the test.
    struct Poll {
        std::shared_ptr<bool> stop, ran;
        std::shared_ptr<int> tries;
        QPointer<TB> tb;
        std::function<void()> act;
        void operator()() const
        {
            if (*stop || !tb)
                return;
            if (tb->listShowing()) {
                *ran = true;
                act();
            } else if (++*tries < 500) {
                QTimer::singleShot(0, *this);
            }
        }
    };

    // Runs `whileOpen` inside the wait of tb's list once `open` has opened it
    // (the input that opens it may still be queued when `open` starts).
    bool withOpenList(TB* tb, const std::function<void()>& open, const std::function<void()>& whileOpen,
                      bool mustOpen = true)
    {
        Poll poll{std::make_shared<bool>(false), std::make_shared<bool>(false), std::make_shared<int>(0), tb,
                  whileOpen};
        QTimer::singleShot(0, poll);
        open();
        settle();
        *poll.stop = true;
        if (mustOpen) {
            EXPECT_TRUE(*poll.ran);
        }
        return *poll.ran;
    }

    // Only the named events, in order.
    QStringList events(const QStringList& names) const
    {
        QStringList out;
        for (const QString& e : log) {
            for (const QString& n : names) {
                if (e == n || e.startsWith(n + QLatin1Char('(')))
                    out << e;
            }
        }
        return out;
    }

    QStringList log;
    QLineEdit* elsewhere_ = nullptr;
};

}  // namespace orx::test
