// The faces line by line and arc by arc on the recording surface, and which
// face each look erases and draws for each visual state.
#include "tools/button/ButtonFaces.h"

#include "platform/testing/RecordingSurface.h"

#include <gtest/gtest.h>

#include <numbers>

using namespace orx;
using namespace orx::tools::button;
using draw::Op;

namespace {

constexpr std::uint32_t Hi = host::syscolor::ButtonHighlight;
constexpr std::uint32_t Sh = host::syscolor::ButtonShadow;
constexpr std::uint32_t Dk = host::syscolor::DarkShadow3D;
constexpr std::uint32_t Back = 0x00C0C0C0;

struct L {
    double x1, y1, x2, y2;
    std::uint32_t colour;
};

void expectLines(const QList<draw::DrawCall>& calls, const std::vector<L>& lines, const char* name)
{
    ASSERT_EQ(calls.size(), qsizetype(lines.size())) << name;
    for (size_t i = 0; i < lines.size(); ++i) {
        const draw::DrawCall& c = calls[qsizetype(i)];
        EXPECT_EQ(c.op, Op::Line) << name << " line " << i;
        EXPECT_EQ(QLineF(c.x1, c.y1, c.x2, c.y2), QLineF(lines[i].x1, lines[i].y1, lines[i].x2, lines[i].y2))
            << name << " line " << i;
        EXPECT_EQ(c.color.value, lines[i].colour) << name << " line " << i;
    }
}

FaceFrame frame(double w, double h, bool isDefault = false, int borderStyle = 0)
{
    return {w, h, isDefault, host::OleColor{Back}, borderStyle};
}

}  // namespace

TEST(SquareFaces, LinesOfEachFace)
{
    // W 1200, H 450: R 1200, B 450.
    struct Case {
        const char* name;
        Face face;
        bool isDefault;
        std::vector<L> lines;
    } cases[] = {
        {"raised",
         Face::Raised,
         false,
         {{0, 0, 0, 435, Hi},
          {0, 435, 1185, 435, Dk},
          {1185, 0, 1185, 450, Dk},
          {1170, 0, 0, 0, Hi},
          {15, 420, 1170, 420, Sh},
          {1170, 15, 1170, 435, Sh}}},
        {"pressed",
         Face::Pressed,
         false,
         {{0, 0, 0, 450, Dk},
          {0, 435, 1200, 435, Dk},
          {1185, 0, 1185, 450, Dk},
          {0, 0, 1200, 0, Dk},
          {15, 15, 15, 435, Sh},
          {15, 420, 1185, 420, Sh},
          {1170, 15, 1170, 420, Sh},
          {15, 15, 1170, 15, Sh}}},
        {"latched",
         Face::Latched,
         false,
         {{0, 0, 0, 435, Dk}, {0, 435, 1185, 435, Hi}, {1185, 0, 1185, 450, Hi}, {1170, 0, 0, 0, Dk}, {15, 15, 1170, 15, Sh}}},
        // On the default button the face ends 30 twips short.
        {"raised default",
         Face::Raised,
         true,
         {{0, 0, 0, 405, Hi},
          {0, 405, 1155, 405, Dk},
          {1155, 0, 1155, 420, Dk},
          {1140, 0, 0, 0, Hi},
          {15, 390, 1140, 390, Sh},
          {1140, 15, 1140, 405, Sh}}},
    };
    for (const Case& c : cases) {
        draw::RecordingSurface rec(1200, 450);
        drawSquareFace(rec, c.face, frame(1200, 450, c.isDefault));
        ASSERT_FALSE(rec.calls.isEmpty());
        const draw::DrawCall fill = rec.calls.first();
        EXPECT_EQ(fill.op, Op::FillRectangle) << c.name;
        EXPECT_EQ(QRectF(QPointF(fill.x1, fill.y1), QPointF(fill.x2, fill.y2)), QRectF(0, 0, 1200, 450)) << c.name;
        EXPECT_EQ(fill.color.value, Back) << c.name;
        expectLines(rec.callsOf(Op::Line), c.lines, c.name);

        // Erasing draws the same lines again in BackColor, and nothing else.
        draw::RecordingSurface erase(1200, 450);
        eraseSquareFace(erase, c.face, frame(1200, 450, c.isDefault));
        std::vector<L> inBack = c.lines;
        for (L& l : inBack)
            l.colour = Back;
        EXPECT_EQ(erase.calls.size(), qsizetype(inBack.size())) << c.name;
        expectLines(erase.callsOf(Op::Line), inBack, c.name);
    }
}

TEST(RoundedFaces, EllipseRingsAndOutline)
{
    constexpr double pi = std::numbers::pi;
    draw::RecordingSurface rec(1200, 600);
    drawRoundedFace(rec, Face::Raised, frame(1200, 600));
    const QList<draw::DrawCall> circles = rec.callsOf(Op::Circle);
    ASSERT_EQ(circles.size(), 8);  // filled ellipse, 2 x 3 arcs, hidden outline
    for (const draw::DrawCall& c : circles) {
        EXPECT_DOUBLE_EQ(c.x1, 600);
        EXPECT_DOUBLE_EQ(c.y1, 300);
        EXPECT_DOUBLE_EQ(c.aspect, 0.5);
    }
    // The filled ellipse: radius 598, dark-shadow outline, solid BackColor fill.
    EXPECT_DOUBLE_EQ(circles[0].radius, 598);
    EXPECT_EQ(circles[0].color.value, Dk);
    EXPECT_EQ(circles[0].fillStyle, draw::fillstyle::Solid);
    EXPECT_EQ(circles[0].fillColor.value, Back);
    EXPECT_FALSE(circles[0].startAngle.has_value());
    // The rings: radius 583 then 568; the second narrows each arc by 0.1 pi.
    struct Arc {
        double radius, from, to;
        std::uint32_t colour;
    } arcs[] = {
        {583, 0, 0.25 * pi, Sh},           {583, 0.25 * pi, 1.25 * pi, Hi}, {583, 1.25 * pi, 2 * pi, Sh},
        {568, 0, 0.15 * pi, Sh},           {568, 0.35 * pi, 1.15 * pi, Hi}, {568, 1.35 * pi, 2 * pi, Sh},
    };
    for (int i = 0; i < 6; ++i) {
        const draw::DrawCall& c = circles[i + 1];
        EXPECT_DOUBLE_EQ(c.radius, arcs[i].radius) << i;
        EXPECT_NEAR(c.startAngle.value_or(-1), arcs[i].from, 1e-12) << i;
        EXPECT_NEAR(c.endAngle.value_or(-1), arcs[i].to, 1e-12) << i;
        EXPECT_EQ(c.color.value, arcs[i].colour) << i;
        EXPECT_EQ(c.fillStyle, draw::fillstyle::Transparent) << i << ": the fill is off again";
    }
    // BorderStyle 0 hides the outline in BackColor.
    EXPECT_DOUBLE_EQ(circles[7].radius, 598);
    EXPECT_EQ(circles[7].color.value, Back);
    EXPECT_EQ(rec.FillStyle(), draw::fillstyle::Transparent);
}

TEST(RoundedFaces, PressedSwapsLightAndShadeAndDefaultAddsTwoEllipses)
{
    draw::RecordingSurface rec(600, 1200);
    drawRoundedFace(rec, Face::Pressed, frame(600, 1200, true, 1));
    const QList<draw::DrawCall> circles = rec.callsOf(Op::Circle);
    // Filled, 6 arcs, no hidden outline (BorderStyle 1), two default ellipses.
    ASSERT_EQ(circles.size(), 9);
    EXPECT_DOUBLE_EQ(circles[0].radius, 596);  // half the height less 4 on the default button
    EXPECT_DOUBLE_EQ(circles[0].aspect, 2.0);
    EXPECT_EQ(circles[1].color.value, Hi);
    EXPECT_EQ(circles[2].color.value, Sh);
    EXPECT_EQ(circles[3].color.value, Hi);
    EXPECT_DOUBLE_EQ(circles[7].radius, 596);
    EXPECT_DOUBLE_EQ(circles[8].radius, 611);
    EXPECT_EQ(circles[7].color.value, Dk);
    EXPECT_EQ(circles[8].color.value, Dk);
}

TEST(RoundedFaces, EraseDrawsTheRingsInBackColor)
{
    draw::RecordingSurface rec(1200, 600);
    eraseRoundedFace(rec, Face::Latched, frame(1200, 600));
    const QList<draw::DrawCall> circles = rec.callsOf(Op::Circle);
    ASSERT_EQ(circles.size(), 6);
    for (const draw::DrawCall& c : circles)
        EXPECT_EQ(c.color.value, Back);
    EXPECT_EQ(rec.calls.size(), 6);
}

TEST(RoundedFaces, NoAreaOrTinyRadiusDrawsNothingInvalid)
{
    // Width 0 made the aspect divide by zero; under about 34 twips the rings
    // got negative radii. Such ellipses are skipped; nothing raises.
    struct Case {
        double w, h;
        int circles;
    } cases[] = {
        {0, 300, 0}, {300, 0, 0}, {0, 0, 0}, {-15, 300, 0},
        {4, 4, 0},     // radius 0: nothing
        {20, 20, 2},   // radius 8: the ellipse and its hidden outline, no ring
        {40, 40, 5},   // radius 18: the first ring (3) only
        {64, 64, 5},   // radius 30: the second ring has radius 0, skipped
        {66, 66, 8},   // radius 31: both rings
    };
    for (const Case& c : cases) {
        draw::RecordingSurface rec(std::max(0.0, c.w), std::max(0.0, c.h));
        EXPECT_NO_THROW(drawRoundedFace(rec, Face::Raised, frame(c.w, c.h))) << c.w << "x" << c.h;
        EXPECT_EQ(rec.callsOf(Op::Circle).size(), c.circles) << c.w << "x" << c.h;
        for (const draw::DrawCall& call : rec.callsOf(Op::Circle)) {
            EXPECT_GT(call.radius, 0) << c.w << "x" << c.h;
            EXPECT_GT(call.aspect, 0) << c.w << "x" << c.h;
        }
        EXPECT_NO_THROW(eraseRoundedFace(rec, Face::Raised, frame(c.w, c.h)));
    }
}

TEST(LookPaint, EraseAndDrawPerStateAndLook)
{
    struct Case {
        const char* name;
        int appearance;
        bool value, focus;
        int last, state;
        bool erase;
        Face eraseFace;
        bool draw;
        Face drawFace;
        bool inBack;
    } cases[] = {
        {"3D pressed", 1, false, false, 4, 1, false, Face::Raised, true, Face::Pressed, false},
        {"3D released to lit", 1, false, false, 1, 2, true, Face::Pressed, true, Face::Raised, false},
        {"3D lit to normal", 1, false, false, 2, 4, true, Face::Pressed, true, Face::Raised, false},
        {"3D pressed outside", 1, false, false, 1, 3, true, Face::Pressed, true, Face::Raised, false},
        {"flat lit", 0, false, false, 4, 2, false, Face::Raised, true, Face::Raised, false},
        {"flat normal, focused", 0, false, true, 2, 4, true, Face::Pressed, true, Face::Raised, false},
        {"flat normal", 0, false, false, 2, 4, true, Face::Pressed, true, Face::Raised, true},
        {"switch latched", 4, true, false, 4, 1, false, Face::Raised, true, Face::Latched, false},
        {"switch released", 4, false, false, 1, 1, true, Face::Latched, true, Face::Raised, false},
        {"switch latched, lit", 3, true, false, 1, 2, true, Face::Raised, true, Face::Latched, false},
        // A latched switch shows latched at rest, in both looks.
        {"3D switch latched at rest", 4, true, false, 2, 4, false, Face::Raised, true, Face::Latched, false},
        {"flat switch latched at rest", 3, true, false, 2, 4, false, Face::Raised, true, Face::Latched, false},
        {"3D switch at rest", 4, false, false, 2, 4, false, Face::Raised, true, Face::Raised, false},
        {"flat switch at rest", 3, false, false, 2, 4, false, Face::Raised, true, Face::Raised, true},
        {"switch pressed outside", 3, false, false, 2, 3, false, Face::Raised, false, Face::Raised, false},
        {"hot spot", 2, false, false, 1, 1, false, Face::Raised, false, Face::Raised, false},
    };
    for (const Case& c : cases) {
        const LookPaint p = lookPaint(c.appearance, c.value, c.focus, c.last, c.state);
        EXPECT_EQ(p.erase.present, c.erase) << c.name;
        if (c.erase) {
            EXPECT_EQ(p.erase.face, c.eraseFace) << c.name;
        }
        EXPECT_EQ(p.draw.present, c.draw) << c.name;
        if (c.draw) {
            EXPECT_EQ(p.draw.face, c.drawFace) << c.name;
            EXPECT_EQ(p.draw.inBackColor, c.inBack) << c.name;
        }
    }
}
