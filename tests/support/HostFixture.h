#pragma once

#include "platform/basic/Clock.h"
#include "platform/basic/Regional.h"
#include "platform/host/Form.h"
#include "platform/testing/RecordingMessageService.h"
#include "platform/host/UserControl.h"

#include <QTest>
#include <gtest/gtest.h>
#include <memory>
#include <optional>

namespace orx::test {

// A form host for control tests: a shown form in run mode (or design mode),
// Italian regional settings, the clock fixed at 15 June 2010 10:30:00, and a
// message-box recorder in place of real message boxes. Input goes through
// QTest so that the real event paths run.
class HostFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    host::Form& form() { return *form_; }
    host::RecordingMessageService& messages() { return messages_; }

    void useRegional(const basic::RegionalSettings& settings);
    void setUserMode(bool runMode) { form_->setUserMode(runMode); }

    // Places a new control the test created, with a name and twip rectangle.
    template <class Control>
    Control* place(const QString& name = QStringLiteral("Control1"),
                   const host::TwipRect& rect = host::TwipRect{120, 120, 2400, 375})
    {
        auto* c = new Control();
        form_->placeControl(c, QStringLiteral("ORX_Test.") + QString::fromLatin1(Control::staticMetaObject.className()),
                            name, rect);
        settle();
        return c;
    }

    // Lets the form process what is pending (paint, layout, posted events).
    static void settle();

    // Input, through the real event paths (the mouse through the window's hit test).
    void focus(QWidget* widget);
    static void type(QWidget* widget, const QString& text);
    static void key(QWidget* widget, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    static void click(QWidget* widget, QPoint at = QPoint(), Qt::MouseButton button = Qt::LeftButton,
                      Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    static void doubleClick(QWidget* widget, QPoint at = QPoint());

    static const QDateTime& fixedNow();

private:
    std::unique_ptr<host::Form> form_;
    host::RecordingMessageService messages_;
    std::optional<basic::ScopedRegional> regional_;
    std::optional<basic::ScopedClock> clock_;
};

}  // namespace orx::test
