// The button driven with real input: mouse clicks and drags, the hover
// timer, the space bar, Enter and Escape, access keys and the focus.
#include "tests/tools/button/ButtonTestSupport.h"

#include <QApplication>
#include <QKeyEvent>

namespace orx::test {
namespace {

class ButtonInput : public ButtonFixture {};

TEST_F(ButtonInput, ClickOrderPerLook)
{
    struct Case {
        const char* name;
        int appearance;
        QStringList events;
    } cases[] = {
        {"3D", CB::ORXCM_3D, {"MouseDown 1", "Click", "MouseUp 1"}},
        {"flat", CB::ORXCM_Flat, {"MouseDown 1", "Click", "MouseUp 1"}},
        // A switch clicks as it is pressed.
        {"switch", CB::ORXCM_Switch_3D, {"Click", "MouseDown 1", "MouseUp 1"}},
        {"flat switch", CB::ORXCM_Switch_Flat, {"Click", "MouseDown 1", "MouseUp 1"}},
        {"hot spot", CB::ORXCM_HotSpot, {"Click", "MouseDown 1", "MouseUp 1"}},
    };
    int row = 0;
    for (const Case& c : cases) {
        CB* b = button(QStringLiteral("B%1").arg(row), {120, 120 + 600.0 * row, 1500, 450});
        ++row;
        b->setAppearance(CB::ORXCM_Appearance_Constants(c.appearance));
        log.clear();
        click(b);
        EXPECT_EQ(log, c.events) << c.name;
    }
}

TEST_F(ButtonInput, ReleasedOutsideRaisesNoClick)
{
    CB* b = button();
    press(b, inWindow(b));
    EXPECT_EQ(b->visualState(), 1);
    release(b, inWindow(b) + QPoint(0, 200));
    EXPECT_EQ(log, (QStringList{"MouseDown 1", "MouseUp 1"}));
    EXPECT_EQ(b->visualState(), 4);
}

TEST_F(ButtonInput, EachClickFlipsASwitch)
{
    CB* b = button();
    b->setAppearance(CB::ORXCM_Switch_3D);
    bool values[3];
    for (bool& v : values) {
        click(b);
        v = b->Value();
    }
    EXPECT_TRUE(values[0]);
    EXPECT_FALSE(values[1]);
    EXPECT_TRUE(values[2]);
}

TEST_F(ButtonInput, FlatButtonLightsWhileThePointerIsOver)
{
    CB* b = button();
    b->setAppearance(CB::ORXCM_Flat);
    focus(elsewhere());
    moveTo(b, inWindow(b));
    EXPECT_TRUE(b->TM_Mouse()->isActive());
    hoverWait();
    EXPECT_EQ(b->visualState(), 2);
    EXPECT_EQ(b->lastPaintedState(), 2);
    moveTo(b, inWindow(b) + QPoint(0, 200));
    hoverWait();
    EXPECT_EQ(b->visualState(), 4);
    EXPECT_FALSE(b->TM_Mouse()->isActive()) << "the timer stops once the pointer has left";
}

TEST_F(ButtonInput, AfterAClickTheRestingPointerLightsNotPresses)
{
    // MouseUp carries the released button; the timer is told what is still
    // held (nothing), or it would show the pressed look under a resting pointer.
    CB* b = button();
    b->setAppearance(CB::ORXCM_Flat);
    moveTo(b, inWindow(b));
    press(b, inWindow(b));
    release(b, inWindow(b));
    EXPECT_EQ(log, (QStringList{"MouseDown 1", "Click", "MouseUp 1"}));
    hoverWait();
    EXPECT_EQ(b->visualState(), 2);
}

TEST_F(ButtonInput, DraggedOutsideShowsTheOutsideLookAndBack)
{
    CB* b = button();
    moveTo(b, inWindow(b));
    press(b, inWindow(b));
    EXPECT_EQ(b->visualState(), 1);
    // Moving with the button held starts the timer on a 3D button.
    moveTo(b, inWindow(b) + QPoint(2, 0));
    QTest::mouseMove(b->window()->windowHandle(), inWindow(b) + QPoint(3, 0));
    EXPECT_TRUE(b->TM_Mouse()->isActive());
    QCursor::setPos(b->window()->mapToGlobal(inWindow(b) + QPoint(0, 200)));
    hoverWait();
    EXPECT_EQ(b->visualState(), 3);
    QCursor::setPos(b->window()->mapToGlobal(inWindow(b)));
    hoverWait();
    EXPECT_EQ(b->visualState(), 1);
    release(b, inWindow(b));
    EXPECT_EQ(b->visualState(), 2);
    EXPECT_EQ(log.count(QStringLiteral("Click")), 1);
}

TEST_F(ButtonInput, HeldSpaceBarPressesOnceAndClicksOnRelease)
{
    CB* b = button();
    focus(b);
    log.clear();
    QKeyEvent first(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
    QApplication::sendEvent(b, &first);
    EXPECT_EQ(b->visualState(), 1);
    for (int i = 0; i < 2; ++i) {
        QKeyEvent up(QEvent::KeyRelease, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "), true);
        QApplication::sendEvent(b, &up);
        QKeyEvent down(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "), true);
        QApplication::sendEvent(b, &down);
    }
    EXPECT_EQ(b->visualState(), 1);
    QKeyEvent last(QEvent::KeyRelease, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
    QApplication::sendEvent(b, &last);
    EXPECT_EQ(log, (QStringList{"KeyDown 32 0", "KeyPress 32", "KeyDown 32 0", "KeyPress 32", "KeyDown 32 0",
                                "KeyPress 32", "KeyUp 32 0", "Click"}));
    EXPECT_EQ(b->visualState(), 2);
}

TEST_F(ButtonInput, SpaceOnASwitchTogglesAndClicksAtOnce)
{
    CB* b = button();
    b->setAppearance(CB::ORXCM_Switch_Flat);
    focus(b);
    log.clear();
    key(b, Qt::Key_Space);
    EXPECT_TRUE(b->Value());
    EXPECT_EQ(log, (QStringList{"Click", "KeyDown 32 0", "KeyPress 32", "KeyUp 32 0"}));
}

TEST_F(ButtonInput, EnterOnAButtonThatIsNotTheDefault)
{
    CB* b = button();
    focus(b);
    log.clear();
    key(b, Qt::Key_Return);
    EXPECT_EQ(log, QStringList{"KeyEnterPressed"});
}

TEST_F(ButtonInput, EnterAnywhereClicksTheDefaultButton)
{
    CB* ok = button(QStringLiteral("OK"));
    CB* other = button(QStringLiteral("Other"), {120, 720, 1500, 450});
    ok->setDefault(true);
    settle();
    EXPECT_TRUE(ok->Default());
    EXPECT_FALSE(other->Default());
    focus(elsewhere());
    log.clear();
    key(elsewhere(), Qt::Key_Return);
    EXPECT_EQ(log, (QStringList{"KeyDown 32 0", "KeyUp 32 0", "Click"}));
    // Handed to another button, the default moves with it.
    other->setDefault(true);
    settle();
    EXPECT_FALSE(ok->Default());
    log.clear();
    key(elsewhere(), Qt::Key_Enter);
    EXPECT_EQ(log, (QStringList{"KeyDown 32 0", "KeyUp 32 0", "Click"}));
}

TEST_F(ButtonInput, EscapeClicksTheCancelButtonOnly)
{
    CB* cancel = button(QStringLiteral("Cancel"));
    focus(elsewhere());
    key(elsewhere(), Qt::Key_Escape);
    EXPECT_TRUE(log.isEmpty());
    cancel->setCancel(true);
    settle();
    key(elsewhere(), Qt::Key_Escape);
    EXPECT_EQ(log, (QStringList{"KeyDown 32 0", "KeyUp 32 0", "Click"}));
}

TEST_F(ButtonInput, AccessKeyClicksOnRelease)
{
    CB* b = button();
    b->setCaptions(QStringLiteral("&Save"));
    EXPECT_EQ(b->accessKeys(), QStringLiteral("S"));
    focus(b);
    log.clear();
    QTest::keyRelease(b, Qt::Key_S, Qt::AltModifier);
    // The Alt key's own release follows.
    EXPECT_EQ(log, (QStringList{"Click", "KeyUp 83 4", "KeyUp 18 0"}));
    EXPECT_EQ(b->visualState(), 2);
    log.clear();
    QTest::keyRelease(b, Qt::Key_T, Qt::AltModifier);
    EXPECT_EQ(log, (QStringList{"KeyUp 84 4", "KeyUp 18 0"}));
}

TEST_F(ButtonInput, AccessKeyFromElsewhereOnTheForm)
{
    CB* b = button();
    b->setCaptions(QStringLiteral("&Print"));
    focus(elsewhere());
    log.clear();
    QTest::keyClick(elsewhere(), Qt::Key_P, Qt::AltModifier);
    settle();
    EXPECT_TRUE(b->hasFocus()) << "Alt+P brings the focus to the button";
    QTest::keyRelease(b, Qt::Key_P, Qt::AltModifier);
    EXPECT_TRUE(log.contains(QStringLiteral("Click")));
}

TEST_F(ButtonInput, AmpersandLastGivesNoAccessKey)
{
    CB* b = button();
    b->setCaptions(QStringLiteral("Save&"));
    EXPECT_TRUE(b->accessKeys().isEmpty());
    EXPECT_EQ(b->currentCaption(), QStringLiteral("Save&"));
}

TEST_F(ButtonInput, FocusLightsAFlatButtonAndLeavingErasesIt)
{
    CB* b = button();
    b->setAppearance(CB::ORXCM_Flat);
    focus(b);
    EXPECT_TRUE(b->HasFocus());
    EXPECT_EQ(b->visualState(), 2);
    focus(elsewhere());
    EXPECT_FALSE(b->HasFocus());
    EXPECT_EQ(b->visualState(), 4);
}

TEST_F(ButtonInput, HandlerThatDestroysTheButtonEndsTheClick)
{
    CB* b = button();
    QObject::connect(b, &CB::Click, b, [b] { delete b; });
    focus(b);
    key(b, Qt::Key_Space);
    EXPECT_TRUE(form().controls().isEmpty() || !form().controls().contains(b));
}

}  // namespace
}  // namespace orx::test
