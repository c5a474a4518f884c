#pragma once

#include "tests/support/HostFixture.h"
#include "platform/host/Extender.h"
#include "tools/button/ORXCommandButton.h"

#include <QCursor>
#include <QLabel>
#include <QLineEdit>
#include <QStringList>
#include <QTimer>

#include <ostream>

QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& s, std::ostream* os)
{
    *os << '"' << s.toStdString() << '"';
}
QT_END_NAMESPACE

namespace orx::test {

// A form in run mode with command buttons, a line edit to move the focus
// to, and a log of every event a button raises.
class ButtonFixture : public HostFixture {
protected:
    using CB = tools::ORXCommandButton;

    void SetUp() override
    {
        HostFixture::SetUp();
        elsewhere_ = new QLineEdit(&form());
        elsewhere_->setGeometry(400, 300, 100, 24);
        elsewhere_->show();
    }

    CB* button(const QString& name = QStringLiteral("Command1"), const host::TwipRect& rect = {120, 120, 1500, 450})
    {
        CB* b = place<CB>(name, rect);
        record(b);
        return b;
    }

    void record(CB* b)
    {
        QObject::connect(b, &CB::Click, b, [this] { log << QStringLiteral("Click"); });
        QObject::connect(b, &CB::MouseDown, b, [this](int& button, int&, float&, float&) {
            log << QStringLiteral("MouseDown %1").arg(button);
        });
        QObject::connect(b, &CB::MouseUp, b, [this](int& button, int&, float&, float&) {
            log << QStringLiteral("MouseUp %1").arg(button);
        });
        QObject::connect(b, &CB::KeyDown, b, [this](int& code, int& shift) {
            log << QStringLiteral("KeyDown %1 %2").arg(code).arg(shift);
        });
        QObject::connect(b, &CB::KeyUp, b, [this](int& code, int& shift) {
            log << QStringLiteral("KeyUp %1 %2").arg(code).arg(shift);
        });
        QObject::connect(b, &CB::KeyPress, b, [this](int& ascii) { log << QStringLiteral("KeyPress %1").arg(ascii); });
        QObject::connect(b, &CB::KeyEnterPressed, b, [this] { log << QStringLiteral("KeyEnterPressed"); });
        QObject::connect(b, &CB::ScrollCaptions, b, [this] { log << QStringLiteral("ScrollCaptions"); });
    }

    // The window-relative pixel position of a point of a widget.
    static QPoint inWindow(QWidget* w, QPoint at = QPoint())
    {
        return w->mapTo(w->window(), at.isNull() ? w->rect().center() : at);
    }

    static void press(QWidget* w, QPoint windowPos, Qt::MouseButton b = Qt::LeftButton)
    {
        QTest::mousePress(w->window()->windowHandle(), b, Qt::NoModifier, windowPos);
        settle();
    }
    static void release(QWidget* w, QPoint windowPos, Qt::MouseButton b = Qt::LeftButton)
    {
        QTest::mouseRelease(w->window()->windowHandle(), b, Qt::NoModifier, windowPos);
        settle();
    }
    // Moves the pointer: the window gets the move, and the cursor is where
    // the hover timer looks for it.
    static void moveTo(QWidget* w, QPoint windowPos)
    {
        QCursor::setPos(w->window()->mapToGlobal(windowPos));
        QTest::mouseMove(w->window()->windowHandle(), windowPos);
        settle();
    }
    // Lets the hover timer tick.
    static void hoverWait() { QTest::qWait(250); }

    QWidget* elsewhere() const { return elsewhere_; }

    QStringList log;

private:
    QLineEdit* elsewhere_ = nullptr;
};

}  // namespace orx::test
