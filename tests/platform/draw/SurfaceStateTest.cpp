// The surface's calls as recorded: coordinates, colours, pen and fill state,
// the current position and the validation of state and arguments.
#include "platform/basic/BasicError.h"
#include "platform/draw/PainterSurface.h"
#include "platform/testing/RecordingSurface.h"

#include <QImage>
#include <functional>
#include <gtest/gtest.h>
#include <numbers>

using namespace orx::draw;
using orx::host::OleColor;
using orx::host::TwipRect;
namespace syscolor = orx::host::syscolor;

namespace {
constexpr OleColor Red{0x0000FF};
constexpr OleColor Blue{0xFF0000};
}  // namespace

TEST(SurfaceRecording, EachCallRecordsItsGeometryColourAndState)
{
    struct Case {
        const char* name;
        std::function<void(Surface&)> draw;
        DrawCall expected;
    };
    const auto call = [](Op op, double x1, double y1, double x2, double y2, OleColor color) {
        DrawCall c;
        c.op = op;
        c.x1 = x1;
        c.y1 = y1;
        c.x2 = x2;
        c.y2 = y2;
        c.color = color;
        return c;
    };
    DrawCall wideDotted = call(Op::Line, 10, 20, 30, 40, OleColor{syscolor::ButtonText});
    wideDotted.drawWidth = 2;
    wideDotted.drawStyle = drawstyle::Dot;
    DrawCall filledBox = call(Op::Rectangle, 90, 60, 15, 30, Blue);
    filledBox.fillStyle = fillstyle::Solid;
    filledBox.fillColor = Red;
    DrawCall arc = call(Op::Circle, 500, 400, 0, 0, Red);
    arc.radius = 200;
    arc.aspect = 0.5;
    arc.startAngle = -0.25 * std::numbers::pi;
    arc.endAngle = std::numbers::pi;
    DrawCall clear = call(Op::Cls, 0, 0, 0, 0, OleColor{syscolor::ButtonFace});
    DrawCall focus = call(Op::FocusRect, 0, 0, 0, 0, OleColor{syscolor::ButtonText});
    focus.rect = TwipRect{30, 45, 150, 75};
    DrawCall text = call(Op::DrawText, 0, 0, 0, 0, Blue);
    text.rect = TwipRect{15, 15, 900, 300};
    text.text = QStringLiteral("A caption");
    text.flags = dt::WordBreak | dt::Center;

    const Case cases[] = {
        {"line in an explicit colour", [](Surface& s) { s.Line(0, 0, 0, 585, Red); },
         call(Op::Line, 0, 0, 0, 585, Red)},
        {"line without colour takes ForeColor",
         [](Surface& s) {
             s.setForeColor(Blue);
             s.Line(15, 30, 45, 60);
         },
         call(Op::Line, 15, 30, 45, 60, Blue)},
        {"LineTo starts at the current position",
         [](Surface& s) {
             s.setCurrentX(120);
             s.setCurrentY(75);
             s.LineTo(300, 75, Red);
         },
         call(Op::LineTo, 120, 75, 300, 75, Red)},
        {"pen width and style travel with the call",
         [](Surface& s) {
             s.setDrawWidth(2);
             s.setDrawStyle(drawstyle::Dot);
             s.Line(10, 20, 30, 40);
         },
         wideDotted},
        {"box keeps its corners as given and the fill state",
         [](Surface& s) {
             s.setFillStyle(fillstyle::Solid);
             s.setFillColor(Red);
             s.Rectangle(90, 60, 15, 30, Blue);
         },
         filledBox},
        {"circle keeps signed angles and aspect",
         [](Surface& s) { s.Circle(500, 400, 200, Red, -0.25 * std::numbers::pi, std::numbers::pi, 0.5); }, arc},
        {"Cls without colour takes BackColor", [](Surface& s) { s.Cls(); }, clear},
        {"focus rectangle from screen pixels", [](Surface& s) { s.DrawFocusRectPixels(2, 3, 12, 8); }, focus},
        {"text in a rectangle",
         [](Surface& s) {
             s.setForeColor(Blue);
             s.DrawText(TwipRect{15, 15, 900, 300}, QStringLiteral("A caption"), dt::WordBreak | dt::Center);
         },
         text},
    };
    ASSERT_EQ(orx::host::twipsPerPixelX(), 15.0) << "the offscreen screen runs at 96 dpi";
    for (const Case& c : cases) {
        RecordingSurface surface(1500, 600);
        c.draw(surface);
        ASSERT_EQ(surface.calls.size(), 1) << c.name;
        DrawCall expected = c.expected;
        expected.font = surface.Font();
        EXPECT_EQ(surface.calls.front(), expected) << c.name << "\n got: " << surface.calls.front();
    }
}

TEST(SurfaceRecording, CurrentPositionFollowsTheClassicRules)
{
    struct Case {
        const char* name;
        std::function<void(Surface&)> draw;
        double x, y;
    };
    const Case cases[] = {
        {"line ends at its end point", [](Surface& s) { s.Line(10, 20, 300, 400); }, 300, 400},
        {"a path continues", [](Surface& s) {
             s.Line(0, 0, 0, 585);
             s.LineTo(1485, 585);
             s.LineTo(1485, 0);
         }, 1485, 0},
        {"box ends at its second corner", [](Surface& s) { s.Rectangle(100, 200, 50, 60); }, 50, 60},
        {"filled box too", [](Surface& s) { s.FillRectangle(5, 6, 70, 80); }, 70, 80},
        {"circle leaves the centre", [](Surface& s) { s.Circle(700, 350, 100); }, 700, 350},
        {"Cls returns home", [](Surface& s) {
             s.Line(10, 20, 300, 400);
             s.Cls();
         }, 0, 0},
        {"TextOut leaves the position alone", [](Surface& s) {
             s.Line(0, 0, 33, 44);
             s.TextOut(500, 500, QStringLiteral("x"));
         }, 33, 44},
        {"DrawText leaves it alone", [](Surface& s) {
             s.Line(0, 0, 33, 44);
             s.DrawText(TwipRect{0, 0, 500, 500}, QStringLiteral("x"), 0);
         }, 33, 44},
    };
    for (const Case& c : cases) {
        RecordingSurface surface(1500, 600);
        c.draw(surface);
        EXPECT_DOUBLE_EQ(surface.CurrentX(), c.x) << c.name;
        EXPECT_DOUBLE_EQ(surface.CurrentY(), c.y) << c.name;
    }
}

TEST(SurfaceRecording, InvalidStateAndArgumentsRaiseAndChangeNothing)
{
    namespace err = orx::basic::err;
    struct Case {
        const char* name;
        std::function<void(Surface&)> act;
        int error;
    };
    const double tooFar = 2 * std::numbers::pi + 0.01;
    const Case cases[] = {
        {"DrawWidth 0", [](Surface& s) { s.setDrawWidth(0); }, err::InvalidPropertyValue},
        {"DrawStyle 7", [](Surface& s) { s.setDrawStyle(7); }, err::InvalidPropertyValue},
        {"DrawStyle -1", [](Surface& s) { s.setDrawStyle(-1); }, err::InvalidPropertyValue},
        {"FillStyle 8", [](Surface& s) { s.setFillStyle(8); }, err::InvalidPropertyValue},
        {"start angle beyond 2 pi", [=](Surface& s) { s.Circle(0, 0, 10, {}, tooFar); }, err::InvalidProcedureCall},
        {"end angle below -2 pi", [=](Surface& s) { s.Circle(0, 0, 10, {}, 0.0, -tooFar); }, err::InvalidProcedureCall},
        {"negative radius", [](Surface& s) { s.Circle(0, 0, -1); }, err::InvalidProcedureCall},
        {"aspect 0", [](Surface& s) { s.Circle(0, 0, 10, {}, {}, {}, 0.0); }, err::InvalidProcedureCall},
        {"not-a-number coordinate", [](Surface& s) { s.Line(0, std::nan(""), 10, 10); }, err::Overflow},
        {"infinite rectangle", [](Surface& s) {
             s.DrawFocusRect(TwipRect{0, 0, std::numeric_limits<double>::infinity(), 10});
         }, err::Overflow},
    };
    for (const Case& c : cases) {
        RecordingSurface surface(1500, 600);
        surface.setCurrentX(7);
        try {
            c.act(surface);
            ADD_FAILURE() << c.name << ": no error";
        } catch (const orx::basic::BasicError& e) {
            EXPECT_EQ(e.number(), c.error) << c.name;
        }
        EXPECT_TRUE(surface.calls.isEmpty()) << c.name;
        EXPECT_EQ(surface.DrawWidth(), 1) << c.name;
        EXPECT_EQ(surface.DrawStyle(), drawstyle::Solid) << c.name;
        EXPECT_EQ(surface.FillStyle(), fillstyle::Transparent) << c.name;
        EXPECT_EQ(surface.CurrentX(), 7) << c.name;
    }
    // The full range itself is accepted.
    RecordingSurface surface(100, 100);
    surface.Circle(0, 0, 10, {}, -2 * std::numbers::pi, 2 * std::numbers::pi);
    EXPECT_EQ(surface.calls.size(), 1);
}

TEST(SurfaceRecording, PrintPlacesEachLineAndMovesThePosition)
{
    RecordingSurface probe(1500, 600);
    const double lh = probe.TextHeight(QStringLiteral("X"));
    ASSERT_GT(lh, 0);
    ASSERT_EQ(std::fmod(lh, 15.0), 0.0) << "heights are whole pixels";

    struct Case {
        const char* name;
        QString text;
        bool stay;
        QList<QPair<double, double>> textAt;  // where each printed line starts
        QString lastLine;                       // for the position after a stay
        double yAfterLines;                     // line count down from the start
    };
    const Case cases[] = {
        {"one line", QStringLiteral("Total"), false, {{300, 90}}, {}, 1},
        {"one line, stay", QStringLiteral("Total"), true, {{300, 90}}, QStringLiteral("Total"), 0},
        {"two lines: the second at the left edge", QStringLiteral("ab\ncd"), false, {{300, 90}, {0, 90 + lh}}, {}, 2},
        {"CR LF is one break", QStringLiteral("ab\r\ncd"), true, {{300, 90}, {0, 90 + lh}}, QStringLiteral("cd"), 1},
        {"empty lines draw nothing but count", QStringLiteral("\n\nz"), false, {{0, 90 + 2 * lh}}, {}, 3},
        {"empty text is a blank line", QString(), false, {}, {}, 1},
    };
    for (const Case& c : cases) {
        RecordingSurface surface(1500, 600);
        surface.setCurrentX(300);
        surface.setCurrentY(90);
        surface.Print(c.text, c.stay);
        ASSERT_EQ(surface.calls.size(), c.textAt.size()) << c.name;
        for (qsizetype i = 0; i < c.textAt.size(); ++i) {
            EXPECT_EQ(surface.calls[i].op, Op::Text) << c.name;
            EXPECT_DOUBLE_EQ(surface.calls[i].x1, c.textAt[i].first) << c.name << " line " << i;
            EXPECT_DOUBLE_EQ(surface.calls[i].y1, c.textAt[i].second) << c.name << " line " << i;
        }
        if (c.stay) {
            const double lineStart = c.yAfterLines == 0 ? 300 : 0;
            EXPECT_DOUBLE_EQ(surface.CurrentX(), lineStart + surface.TextWidth(c.lastLine)) << c.name;
            EXPECT_DOUBLE_EQ(surface.CurrentY(), 90 + c.yAfterLines * lh) << c.name;
        } else {
            EXPECT_DOUBLE_EQ(surface.CurrentX(), 0) << c.name;
            EXPECT_DOUBLE_EQ(surface.CurrentY(), 90 + c.yAfterLines * lh) << c.name;
        }
    }
}

TEST(SurfaceRecording, TextMeasuresAreConsistent)
{
    RecordingSurface surface(3000, 3000);
    const QString word = QStringLiteral("Amount");
    const double lh = surface.TextHeight(word);
    EXPECT_DOUBLE_EQ(surface.TextHeight(word + QStringLiteral("\n") + word + QStringLiteral("\nx")), 3 * lh);
    EXPECT_DOUBLE_EQ(surface.TextWidth(QStringLiteral("ab\n") + word), surface.TextWidth(word));
    EXPECT_GT(surface.TextWidth(word + word), surface.TextWidth(word));

    orx::host::StdFont big = surface.Font();
    big.size = 24;
    const double smallWidth = surface.TextWidth(word);
    surface.setFont(big);
    EXPECT_GT(surface.TextHeight(word), 2 * lh);
    EXPECT_GT(surface.TextWidth(word), 2 * smallWidth);
}

TEST(SurfaceRecording, DrawTextMeasuresWrappedLinesWithoutDrawing)
{
    RecordingSurface surface(6000, 3000);
    const double lh = surface.TextHeight(QStringLiteral("X"));
    const QString caption = QStringLiteral("Quarterly sales report totals");
    const double wide = surface.TextWidth(caption) + 150;
    const QStringList words = caption.split(QLatin1Char(' '));
    double oneWord = 0;
    for (const QString& w : words)
        oneWord = std::max(oneWord, surface.TextWidth(w) + 15);
    for (qsizetype i = 1; i < words.size(); ++i)
        ASSERT_GT(surface.TextWidth(words[i - 1] + QLatin1Char(' ') + words[i]), oneWord);

    struct Case {
        const char* name;
        double width;
        QString text;
        int flags;
        double lines;
    };
    const Case cases[] = {
        {"fits on one line", wide, caption, dt::WordBreak | dt::CalcRect, 1},
        {"one word a line", oneWord, caption, dt::WordBreak | dt::CalcRect, 4},
        {"no word break keeps one line", oneWord, caption, dt::CalcRect, 1},
        {"single line ignores breaks", wide, QStringLiteral("a\nb"), dt::SingleLine | dt::CalcRect, 1},
        {"line breaks count without word break", wide, QStringLiteral("a\nb\nc"), dt::CalcRect, 3},
        {"empty text", wide, QString(), dt::WordBreak | dt::CalcRect, 0},
    };
    for (const Case& c : cases) {
        surface.clear();
        TwipRect used;
        const double height = surface.DrawText(TwipRect{150, 90, c.width, 600}, c.text, c.flags, &used);
        EXPECT_DOUBLE_EQ(height, c.lines * lh) << c.name;
        EXPECT_DOUBLE_EQ(used.height, height) << c.name;
        EXPECT_DOUBLE_EQ(used.left, 150) << c.name;
        EXPECT_DOUBLE_EQ(used.top, 90) << c.name;
        if (c.flags & dt::WordBreak) {
            EXPECT_LE(used.width, c.width) << c.name;
        }
        ASSERT_EQ(surface.calls.size(), 1) << c.name;
        EXPECT_EQ(surface.calls.front().flags, c.flags) << c.name;
    }

    // The access-key marker is not measured unless told to keep it.
    const double plain = surface.DrawText(TwipRect{0, 0, 6000, 600}, QStringLiteral("Save"), dt::CalcRect);
    TwipRect withPrefix, withoutPrefix;
    surface.DrawText(TwipRect{0, 0, 6000, 600}, QStringLiteral("&Save"), dt::CalcRect, &withPrefix);
    surface.DrawText(TwipRect{0, 0, 6000, 600}, QStringLiteral("&Save"), dt::CalcRect | dt::NoPrefix, &withoutPrefix);
    EXPECT_DOUBLE_EQ(withPrefix.height, plain);
    EXPECT_DOUBLE_EQ(withPrefix.width, surface.TextWidth(QStringLiteral("Save")));
    EXPECT_GT(withoutPrefix.width, withPrefix.width);
}

TEST(SurfaceRecording, ForwardingDrawsOnTheTargetAndMeasuresLikeIt)
{
    QImage image(40, 20, QImage::Format_RGB32);
    image.fill(Qt::white);
    image.setDotsPerMeterX(7559);  // 192 dpi: twice the screen's resolution
    image.setDotsPerMeterY(7559);
    PainterSurface painter(&image);
    ASSERT_DOUBLE_EQ(painter.twipsPerPixelX(), 7.5);

    RecordingSurface recorder(300, 150);
    recorder.forwardTo(&painter);
    recorder.Line(0, 75, 150, 75, Red);
    recorder.FillRectangle(150, 0, 225, 15, Blue);
    ASSERT_EQ(recorder.calls.size(), 2);
    EXPECT_EQ(image.pixelColor(0, 10), QColor(Qt::red));
    EXPECT_EQ(image.pixelColor(19, 10), QColor(Qt::red));
    EXPECT_EQ(image.pixelColor(20, 10), QColor(Qt::white)) << "end point excluded";
    EXPECT_EQ(image.pixelColor(30, 2), QColor(Qt::blue));

    // Measured as drawn: whole pixels of the target, half as many twips each.
    const double forwarded = recorder.TextHeight(QStringLiteral("X"));
    recorder.forwardTo(nullptr);
    const double own = recorder.TextHeight(QStringLiteral("X"));
    EXPECT_EQ(std::fmod(forwarded, 7.5), 0.0);
    EXPECT_NEAR(forwarded, own, 7.5);
}
