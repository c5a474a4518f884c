// The paint notice recorded: the frame's exact lines, then the caption.
#include "tests/tools/textbox/TextBoxTestSupport.h"

#include "platform/testing/RecordingSurface.h"
#include "platform/host/Extender.h"

using namespace orx;
using draw::Op;
using orx::test::TextBoxFixture;

class TextBoxPaint : public TextBoxFixture {};

TEST_F(TextBoxPaint, FrameFollowsTheBorderTriple)
{
    struct Case {
        const char* name;
        int appearance, style, effect;
        int lines, lineTos, boxes;
        draw::DrawCall first;  // op, x1, y1, x2, y2 and colour of the first call
    } cases[] = {
        {"drop", 1, 0, 2, 11, 0, 0, {Op::Line, 600, 0, 600, 360, host::OleColor{host::syscolor::ButtonShadow}}},
        {"pop", 1, 0, 1, 11, 0, 0, {Op::Line, 615, 15, 615, 345, host::OleColor{host::syscolor::Light3D}}},
        {"groove", 1, 0, 3, 7, 0, 1, {Op::Rectangle, 600, 0, 2970, 345, host::OleColor{host::syscolor::ButtonShadow}}},
        {"flat single", 0, 1, 0, 1, 3, 0, {Op::Line, 600, 0, 600, 360, host::OleColor{0}}},
        {"flat", 0, 0, 0, 1, 3, 0, {Op::Line, 600, 0, 600, 360, host::OleColor{host::syscolor::WindowBackground}}},
    };
    TB* tb = box();
    tb->extender()->setWidth(3000);
    tb->setCapWidth(600);
    for (const Case& c : cases) {
        tb->setAppearance(orx::tools::ORXTX::ORXTX_Appearance_Constants(c.appearance));
        tb->setBorderStyle(orx::tools::ORXTX::ORXTX_BorderStyle_Constants(c.style));
        if (c.effect)
            tb->setBorderEffect(orx::tools::ORXTX::ORXTX_BorderEffect_Constants(c.effect));
        draw::RecordingSurface rec;
        tb->PaintControl(rec);
        ASSERT_FALSE(rec.calls.isEmpty()) << c.name;
        const draw::DrawCall& f = rec.calls.first();
        EXPECT_EQ(f.op, c.first.op) << c.name;
        EXPECT_EQ(QRectF(QPointF(f.x1, f.y1), QPointF(f.x2, f.y2)),
                  QRectF(QPointF(c.first.x1, c.first.y1), QPointF(c.first.x2, c.first.y2)))
            << c.name;
        EXPECT_EQ(f.color, c.first.color) << c.name;
        EXPECT_EQ(rec.callsOf(Op::Line).size(), c.lines) << c.name;
        EXPECT_EQ(rec.callsOf(Op::LineTo).size(), c.lineTos) << c.name;
        EXPECT_EQ(rec.callsOf(Op::Rectangle).size(), c.boxes) << c.name;
        EXPECT_TRUE(rec.callsOf(Op::Text).isEmpty()) << c.name << ": no caption";
        if (c.appearance == 1) {
            // The three closing lines in the field's colour come last.
            const draw::DrawCall& last = rec.calls.last();
            EXPECT_EQ(QRectF(QPointF(last.x1, last.y1), QPointF(last.x2, last.y2)),
                      QRectF(QPointF(2955, 30), QPointF(2955, 345)))
                << c.name;
            EXPECT_EQ(last.color, tb->BackColor()) << c.name;
        }
    }
}

TEST_F(TextBoxPaint, CaptionAtEachAlignmentAfterTheFrame)
{
    TB* tb = box();
    tb->extender()->move(120, 120, 3000, 600);
    tb->setCapWidth(1200);
    tb->setCaption(QStringLiteral("Amount"));
    draw::RecordingSurface measure(3000, 600);
    measure.setFont(tb->Font());
    const double tw = measure.TextWidth(QStringLiteral("Amount"));
    const double th = measure.TextHeight(QStringLiteral("Amount"));
    const double left = 30, right = 1200 - tw - 30, centre = (1200 - tw) / 2;
    const double top = 0, middle = (600 - th) / 2, bottom = 600 - th - 15;
    const double xs[] = {left, right, centre, left, right, centre, left, right, centre};
    const double ys[] = {top, top, top, middle, middle, middle, bottom, bottom, bottom};
    for (int align = 0; align < 9; ++align) {
        tb->setCapAlignment(TB::ORXTX_CaptAlign_Constants(align));
        draw::RecordingSurface rec;
        tb->PaintControl(rec);
        const QList<draw::DrawCall> texts = rec.callsOf(Op::Text);
        ASSERT_EQ(texts.size(), 1) << align;
        EXPECT_EQ(texts[0].text, QStringLiteral("Amount"));
        EXPECT_DOUBLE_EQ(texts[0].x1, xs[align]) << align;
        EXPECT_DOUBLE_EQ(texts[0].y1, ys[align]) << align;
        EXPECT_EQ(texts[0].color, tb->ForeColor()) << align;
        EXPECT_EQ(rec.calls.last().op, Op::Text) << "the caption comes after the frame";
    }
}

TEST_F(TextBoxPaint, CaptionLeftOutWhenBlankOrWithoutRoom)
{
    struct Case {
        QString caption;
        float cap;
        int texts;
    } cases[] = {{"Name", 600, 1}, {"   ", 600, 0}, {"Name", 0, 0}, {"", 600, 0}};
    TB* tb = box();
    tb->extender()->setWidth(3000);
    for (const Case& c : cases) {
        tb->setCapWidth(c.cap);
        tb->setCaption(c.caption);
        draw::RecordingSurface rec;
        tb->PaintControl(rec);
        EXPECT_EQ(rec.callsOf(Op::Text).size(), c.texts) << c.caption.toStdString() << " " << c.cap;
        EXPECT_EQ(rec.calls.first().x1, c.cap) << "the frame starts after the caption area";
    }
}
