// What the button draws: recorded call by call for each look and state, and
// checked as pixels on the surface it paints.
#include "tests/tools/button/ButtonTestSupport.h"

#include "platform/testing/RecordingSurface.h"

#include <QAccessible>

namespace orx::test {
namespace {

using draw::Op;

class ButtonPaint : public ButtonFixture {
protected:
    // The caption's DrawText calls recorded while `act` runs.
    QList<draw::DrawCall> recorded(CB* b, const std::function<void()>& act)
    {
        draw::RecordingSurface rec;
        b->recordDrawing(&rec);
        act();
        b->recordDrawing(nullptr);
        return rec.calls;
    }
    static QList<draw::DrawCall> of(const QList<draw::DrawCall>& calls, Op op)
    {
        QList<draw::DrawCall> out;
        for (const draw::DrawCall& c : calls) {
            if (c.op == op)
                out << c;
        }
        return out;
    }
    // Colours as 8-bit RGB, as the surface holds them.
    static QRgb pixel(CB* b, int x, int y) { return b->surfaceImage().pixel(x, y); }
    static QRgb system(std::uint32_t c) { return host::resolveColor(host::OleColor{c}).rgb(); }
};

TEST_F(ButtonPaint, PressingShiftsCaptionAndPicture15)
{
    CB* b = button();
    QImage image(16, 16, QImage::Format_ARGB32);
    image.fill(Qt::red);
    b->setPicture(image);
    const QRect cap = b->captionRectUp();
    const QPoint pic = b->picturePositionUp();

    const QList<draw::DrawCall> pressed = recorded(b, [&] { press(b, inWindow(b)); });
    const QList<draw::DrawCall> texts = of(pressed, Op::DrawText);
    ASSERT_EQ(texts.size(), 1);
    EXPECT_DOUBLE_EQ(texts[0].rect.left, cap.left() + 15);
    EXPECT_DOUBLE_EQ(texts[0].rect.top, cap.top() + 15);
    EXPECT_EQ(texts[0].text, QStringLiteral("Command1"));
    EXPECT_EQ(texts[0].flags, 17);
    EXPECT_EQ(host::twipGeometry(b->IMG_Button()).left, pic.x() + 15);
    EXPECT_EQ(host::twipGeometry(b->IMG_Button()).top, pic.y() + 15);
    // The erase pass of the normal state draws nothing on a 3D button; the
    // pressed face follows: fill, eight lines.
    EXPECT_EQ(of(pressed, Op::FillRectangle).size(), 1);
    EXPECT_EQ(of(pressed, Op::Line).size(), 8);

    const QList<draw::DrawCall> released = recorded(b, [&] { release(b, inWindow(b)); });
    const QList<draw::DrawCall> back = of(released, Op::DrawText);
    ASSERT_EQ(back.size(), 1);
    EXPECT_DOUBLE_EQ(back[0].rect.left, cap.left());
    EXPECT_DOUBLE_EQ(back[0].rect.top, cap.top());
    EXPECT_EQ(host::twipGeometry(b->IMG_Button()).left, pic.x());
    // The pressed face is erased (its eight lines in BackColor), then the
    // raised face drawn (six).
    const QList<draw::DrawCall> lines = of(released, Op::Line);
    ASSERT_EQ(lines.size(), 14);
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(lines[i].color, b->BackColor()) << i;
}

TEST_F(ButtonPaint, RestingPointerCostsNothing)
{
    CB* b = button();
    b->setAppearance(CB::ORXCM_Flat);
    focus(elsewhere());
    moveTo(b, inWindow(b));
    hoverWait();
    ASSERT_EQ(b->visualState(), 2);
    const QList<draw::DrawCall> calls = recorded(b, [&] { hoverWait(); });
    EXPECT_TRUE(calls.isEmpty());
}

TEST_F(ButtonPaint, DefaultButtonFaceAndFocusRectangleStopShort)
{
    CB* b = button();
    b->setDefault(true);
    settle();
    const QList<draw::DrawCall> calls = recorded(b, [&] { focus(b); b->setBackColor(b->BackColor()); });
    const QList<draw::DrawCall> lines = of(calls, Op::Line);
    ASSERT_GE(lines.size(), 6);
    // The raised face's outer right line stands at R - 15 = 1500 - 30 - 15.
    EXPECT_DOUBLE_EQ(lines[2].x1, 1455);
    EXPECT_DOUBLE_EQ(lines[2].y2, 420);
    const QList<draw::DrawCall> focusRects = of(calls, Op::FocusRect);
    ASSERT_FALSE(focusRects.isEmpty());
    // Pixels 2..95 by 2..25 (exclusive): 75 twips short of 1500 x 450.
    const host::TwipRect r = focusRects.last().rect;
    EXPECT_DOUBLE_EQ(r.left, 30);
    EXPECT_DOUBLE_EQ(r.top, 30);
    EXPECT_DOUBLE_EQ(r.left + r.width, 1425);
    EXPECT_DOUBLE_EQ(r.top + r.height, 375);
}

TEST_F(ButtonPaint, FocusRectangleInvertedOnceAndRemovedOnLeaving)
{
    CB* b = button();
    focus(elsewhere());
    const QImage before = b->surfaceImage();
    focus(b);
    EXPECT_NE(b->surfaceImage(), before);
    focus(elsewhere());
    EXPECT_EQ(b->surfaceImage(), before) << "inverting twice restores the surface exactly";
    b->setShowFocusRect(false);
    const QList<draw::DrawCall> calls = recorded(b, [&] { focus(b); });
    EXPECT_TRUE(of(calls, Op::FocusRect).isEmpty());
}

TEST_F(ButtonPaint, RoundedButtonHasNoFocusRectangle)
{
    CB* b = button();
    b->setShape(CB::ORXCM_Rounded);
    const QList<draw::DrawCall> calls = recorded(b, [&] { focus(b); b->setBorderStyle(CB::ORXCM_No_Border); });
    EXPECT_FALSE(of(calls, Op::Circle).isEmpty());
    EXPECT_TRUE(of(calls, Op::FocusRect).isEmpty());
}

TEST_F(ButtonPaint, WrappedCaptionIsTwoLinesHighAndCentred)
{
    CB* b = button(QStringLiteral("Command1"), {120, 120, 1500, 900});
    b->setCaptions(QStringLiteral("Save all the changes"));
    draw::RecordingSurface measure(1500, 900);
    measure.setFont(b->Font());
    const double line = measure.TextHeight(QStringLiteral("X"));
    const QRect cap = b->captionRectUp();
    EXPECT_NEAR(cap.height(), 2 * line, 1);
    EXPECT_NEAR(cap.top(), 450 - cap.height() / 2.0 - 1, 1);
    EXPECT_EQ(cap.width(), 1492);
}

TEST_F(ButtonPaint, DisabledCaptionIsGreyWhileForeColorStays)
{
    CB* b = button();
    b->setForeColor(host::OleColor{0x000000FF});
    const QList<draw::DrawCall> calls = recorded(b, [&] { b->setEnabledState(false); });
    const QList<draw::DrawCall> texts = of(calls, Op::DrawText);
    ASSERT_FALSE(texts.isEmpty());
    EXPECT_EQ(texts.last().color, host::OleColor{host::syscolor::GrayText});
    EXPECT_EQ(b->ForeColor(), host::OleColor{0x000000FF});
}

TEST_F(ButtonPaint, HotSpotShowsTheContainersColour)
{
    form().setAmbientBackColor(host::OleColor{0x00336699});
    CB* b = button();
    const QList<draw::DrawCall> calls = recorded(b, [&] { b->setAppearance(CB::ORXCM_HotSpot); });
    // Dropping the captions and pictures repaints the old look first; the
    // hot spot then only clears the surface to what lies beneath.
    ASSERT_FALSE(calls.isEmpty());
    EXPECT_EQ(calls.last().op, Op::Cls);
    EXPECT_EQ(calls.last().color, host::OleColor{0x00336699});
    EXPECT_EQ(pixel(b, 5, 5), host::resolveColor(host::OleColor{0x00336699}).rgb());
}

TEST_F(ButtonPaint, PixelsOfEachLook)
{
    form().setAmbientBackColor(host::OleColor{0x00336699});
    CB* b = button();
    b->setBackColor(host::OleColor{0x00C0C0C0});
    const QRgb face = qRgb(0xC0, 0xC0, 0xC0);
    // 3D at rest: the highlight on the left edge, the dark shadow at the bottom.
    EXPECT_EQ(pixel(b, 0, 10), system(host::syscolor::ButtonHighlight));
    EXPECT_EQ(pixel(b, 10, 29), system(host::syscolor::DarkShadow3D));
    EXPECT_EQ(pixel(b, 10, 28), system(host::syscolor::ButtonShadow));
    press(b, inWindow(b));
    EXPECT_EQ(pixel(b, 0, 10), system(host::syscolor::DarkShadow3D));
    EXPECT_EQ(pixel(b, 1, 10), system(host::syscolor::ButtonShadow));
    release(b, inWindow(b));
    // A flat button without the focus shows no frame.
    focus(elsewhere());
    b->setAppearance(CB::ORXCM_Flat);
    EXPECT_EQ(pixel(b, 0, 10), face);
    EXPECT_EQ(pixel(b, 10, 29), face);
    // A latched 3D switch shows latched at rest: dark shadow top and left.
    b->setAppearance(CB::ORXCM_Switch_3D);
    b->setValue(true);
    moveTo(b, inWindow(b) + QPoint(0, 300));
    focus(elsewhere());
    EXPECT_EQ(pixel(b, 0, 10), system(host::syscolor::DarkShadow3D));
    // Rounded: the corners show the form's colour.
    b->setShape(CB::ORXCM_Rounded);
    EXPECT_EQ(pixel(b, 0, 0), host::resolveColor(host::OleColor{0x00336699}).rgb());
    EXPECT_EQ(pixel(b, 50, 5), face);
    // Grabbed as the user sees it, the caption is drawn on the face.
    const QImage shown = b->grab().toImage();
    int textPixels = 0;
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 20; x < 80; ++x)
            textPixels += qGray(shown.pixel(x, y)) < 0x60 ? 1 : 0;
    EXPECT_GT(textPixels, 10);
}

TEST_F(ButtonPaint, RoundedFaceLeavesNoSquareFrameBehind)
{
    // The form and the button share the button-face colour: the surface is
    // still cleared when the shape changes, so the corners lose the square
    // face's lines.
    CB* b = button();
    ASSERT_EQ(pixel(b, 0, 10), system(host::syscolor::ButtonHighlight));
    b->setShape(CB::ORXCM_Rounded);
    EXPECT_EQ(pixel(b, 0, 10), system(host::syscolor::ButtonFace));
    EXPECT_EQ(pixel(b, 99, 1), system(host::syscolor::ButtonFace));
}

TEST_F(ButtonPaint, LooksWithoutAFrameHaveABorderWhileDesigning)
{
    setUserMode(false);
    CB* b = button();
    struct Case {
        int appearance;
        bool border;
    } cases[] = {{CB::ORXCM_Flat, true}, {CB::ORXCM_3D, false}, {CB::ORXCM_Switch_Flat, true},
                 {CB::ORXCM_Switch_3D, false}, {CB::ORXCM_HotSpot, true}};
    for (const Case& c : cases) {
        b->setAppearance(CB::ORXCM_Appearance_Constants(c.appearance));
        EXPECT_EQ(b->surfaceBorder(), c.border) << c.appearance;
    }
    // The border is the control's outline on the grabbed picture.
    const QImage shown = b->grab().toImage();
    EXPECT_EQ(shown.pixel(0, 5), qRgb(0, 0, 0));
    EXPECT_EQ(shown.pixel(shown.width() - 1, 5), qRgb(0, 0, 0));
    // Run on the same form, the hot spot shows no border.
    setUserMode(true);
    EXPECT_FALSE(b->surfaceBorder());
    setUserMode(false);
    EXPECT_TRUE(b->surfaceBorder());
}

TEST_F(ButtonPaint, AccessibleAsAPushButtonNamedByItsCaption)
{
    CB* b = button();
    b->setCaptions(QStringLiteral("&Save"));
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(b);
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->role(), QAccessible::Button);
    EXPECT_EQ(a->text(QAccessible::Name), QStringLiteral("Save"));
    EXPECT_FALSE(a->state().checkable);
    ASSERT_NE(a->actionInterface(), nullptr);
    EXPECT_EQ(a->actionInterface()->keyBindingsForAction(QAccessibleActionInterface::pressAction()),
              QStringList{"Alt+S"});
    log.clear();
    a->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(log, QStringList{"Click"});

    b->setAppearance(CB::ORXCM_Switch_Flat);
    EXPECT_TRUE(a->state().checkable);
    EXPECT_FALSE(a->state().checked);
    a->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_TRUE(b->Value());
    EXPECT_TRUE(a->state().checked);
    EXPECT_TRUE(a->state().pressed);
}

}  // namespace
}  // namespace orx::test
