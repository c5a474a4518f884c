#include "tests/support/HostFixture.h"

#include <QApplication>

namespace orx::test {

const QDateTime& HostFixture::fixedNow()
{
    static const QDateTime now = basic::wallClock(QDate(2010, 6, 15), QTime(10, 30, 0));
    return now;
}

void HostFixture::SetUp()
{
    regional_.emplace(basic::RegionalSettings::italian());
    clock_.emplace(fixedNow());
    host::setMessageService(&messages_);
    form_ = std::make_unique<host::Form>();
    form_->resize(640, 480);
    form_->setUserMode(true);
    form_->show();
    QApplication::setActiveWindow(form_.get());
    settle();
}

void HostFixture::TearDown()
{
    form_.reset();
    host::setMessageService(nullptr);
    clock_.reset();
    regional_.reset();
}

void HostFixture::useRegional(const basic::RegionalSettings& settings)
{
    regional_.reset();
    regional_.emplace(settings);
}

void HostFixture::settle()
{
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
}

void HostFixture::focus(QWidget* widget)
{
    QApplication::setActiveWindow(widget->window());
    widget->setFocus(Qt::OtherFocusReason);
    settle();
}

void HostFixture::type(QWidget* widget, const QString& text)
{
    QTest::keyClicks(widget, text);
    settle();
}

void HostFixture::key(QWidget* widget, Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    QTest::keyClick(widget, key, modifiers);
    settle();
}

// Mouse input goes to the top-level window at the widget's position, so the
// window system's hit test decides who receives it, as for a real click.
void HostFixture::click(QWidget* widget, QPoint at, Qt::MouseButton button, Qt::KeyboardModifiers modifiers)
{
    const QPoint local = at.isNull() ? widget->rect().center() : at;
    QWidget* top = widget->window();
    QTest::mouseClick(top->windowHandle(), button, modifiers, widget->mapTo(top, local));
    settle();
}

void HostFixture::doubleClick(QWidget* widget, QPoint at)
{
    const QPoint local = at.isNull() ? widget->rect().center() : at;
    QWidget* top = widget->window();
    QTest::mouseDClick(top->windowHandle(), Qt::LeftButton, Qt::NoModifier, widget->mapTo(top, local));
    settle();
}

}  // namespace orx::test
