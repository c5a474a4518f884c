// What PainterSurface puts on the pixels: end points, box corners, styles,
// fills, circles, text placement, system colours and the XOR focus
// rectangle.
#include "platform/draw/PainterSurface.h"
#include "tests/support/TestSupport.h"

#include <QElapsedTimer>
#include <QImage>
#include <QPdfWriter>
#include <functional>
#include <gtest/gtest.h>
#include <numbers>
#include <set>

using namespace orx::draw;
using orx::host::OleColor;
using orx::host::TwipRect;
namespace syscolor = orx::host::syscolor;

namespace {

using Pixels = std::set<std::pair<int, int>>;

constexpr OleColor Red{0x0000FF};
constexpr OleColor Green{0x00FF00};
const QColor Paper(250, 250, 250);

QImage canvas(int w = 24, int h = 16, QImage::Format format = QImage::Format_RGB32)
{
    QImage image(w, h, format);
    image.fill(Paper);
    return image;
}

Pixels changed(const QImage& image, const QColor& background = Paper)
{
    Pixels out;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixelColor(x, y) != background)
                out.insert({x, y});
        }
    }
    return out;
}

Pixels run(int x0, int y0, int x1, int y1)  // inclusive, one row or column or diagonal
{
    Pixels out;
    const int n = std::max(std::abs(x1 - x0), std::abs(y1 - y0));
    for (int i = 0; i <= n; ++i)
        out.insert({x0 + (n ? (x1 - x0) * i / n : 0), y0 + (n ? (y1 - y0) * i / n : 0)});
    return out;
}

Pixels join(std::initializer_list<Pixels> parts)
{
    Pixels out;
    for (const Pixels& p : parts)
        out.insert(p.begin(), p.end());
    return out;
}

QRect bounds(const Pixels& pixels)
{
    QRect r;
    for (const auto& [x, y] : pixels)
        r |= QRect(x, y, 1, 1);
    return r;
}

}  // namespace

TEST(PainterSurfacePixels, LinesAndBoxesCoverTheExpectedPixels)
{
    struct Case {
        const char* name;
        std::function<void(Surface&)> draw;
        Pixels expected;
    };
    const Case cases[] = {
        {"horizontal: end point excluded", [](Surface& s) { s.Line(0, 0, 75, 0, Red); }, run(0, 0, 4, 0)},
        {"right to left: the start is painted", [](Surface& s) { s.Line(75, 30, 15, 30, Red); }, run(5, 2, 2, 2)},
        {"vertical upwards", [](Surface& s) { s.Line(30, 150, 30, 60, Red); }, run(2, 10, 2, 5)},
        {"diagonal", [](Surface& s) { s.Line(0, 0, 60, 60, Red); }, run(0, 0, 3, 3)},
        {"zero length paints nothing", [](Surface& s) { s.Line(45, 45, 45, 45, Red); }, {}},
        {"rounding to the nearest pixel", [](Surface& s) { s.Line(8, 22, 52, 22, Red); }, run(1, 1, 2, 1)},
        {"a path shares its corners once",
         [](Surface& s) {
             s.Line(0, 0, 0, 45, Red);
             s.LineTo(45, 45, Red);
             s.LineTo(45, 0, Red);
             s.LineTo(0, 0, Red);
         },
         join({run(0, 0, 0, 3), run(0, 3, 3, 3), run(3, 0, 3, 3), run(0, 0, 3, 0)})},
        {"dotted: three on, three off",
         [](Surface& s) {
             s.setDrawStyle(drawstyle::Dot);
             s.Line(0, 15, 240, 15, Red);
         },
         join({run(0, 1, 2, 1), run(6, 1, 8, 1), run(12, 1, 14, 1)})},
        {"transparent pen draws nothing",
         [](Surface& s) {
             s.setDrawStyle(drawstyle::Transparent);
             s.Line(0, 15, 240, 15, Red);
         },
         {}},
        {"wide pen: centred on the line, both ends covered",
         [](Surface& s) {
             s.setDrawWidth(3);
             s.Line(75, 75, 150, 75, Red);
         },
         join({run(4, 4, 11, 4), run(4, 5, 11, 5), run(4, 6, 11, 6)})},
        {"wide box outline: centred on the edges",
         [](Surface& s) {
             s.setDrawWidth(3);
             s.Rectangle(75, 75, 150, 150, Red);
         },
         join({run(4, 4, 11, 4), run(4, 5, 11, 5), run(4, 6, 11, 6), run(4, 9, 11, 9), run(4, 10, 11, 10),
               run(4, 11, 11, 11), run(4, 7, 6, 7), run(4, 8, 6, 8), run(9, 7, 11, 7), run(9, 8, 11, 8)})},
        {"box outline covers both corners, in either order",
         [](Surface& s) { s.Rectangle(90, 60, 15, 15, Red); },
         join({run(1, 1, 6, 1), run(1, 4, 6, 4), run(1, 1, 1, 4), run(6, 1, 6, 4)})},
        {"filled box covers both corners", [](Surface& s) { s.FillRectangle(15, 15, 45, 30, Red); },
         join({run(1, 1, 3, 1), run(1, 2, 3, 2)})},
        {"one-pixel box is a point", [](Surface& s) { s.Rectangle(30, 30, 30, 30, Red); }, run(2, 2, 2, 2)},
    };
    for (const Case& c : cases) {
        QImage image = canvas();
        {
            PainterSurface surface(&image);
            c.draw(surface);
        }
        const Pixels got = changed(image);
        EXPECT_EQ(got, c.expected) << c.name;
        for (const auto& [x, y] : got)
            EXPECT_EQ(image.pixelColor(x, y), QColor(Qt::red)) << c.name << " at " << x << "," << y;
    }
}

TEST(PainterSurfacePixels, BoxFillFollowsFillStyleAndFillColor)
{
    struct Case {
        int fillStyle;
        int filledInside;  // of the 4 x 2 inner pixels
    };
    const Case cases[] = {{fillstyle::Transparent, 0}, {fillstyle::Solid, 8}};
    for (const Case& c : cases) {
        QImage image = canvas();
        {
            PainterSurface surface(&image);
            surface.setFillStyle(c.fillStyle);
            surface.setFillColor(Green);
            surface.Rectangle(15, 15, 90, 60, Red);
        }
        int inside = 0;
        for (int y = 2; y <= 3; ++y) {
            for (int x = 2; x <= 5; ++x)
                inside += image.pixelColor(x, y) == QColor(Qt::green);
        }
        EXPECT_EQ(inside, c.filledInside) << "FillStyle " << c.fillStyle;
        EXPECT_EQ(image.pixelColor(1, 1), QColor(Qt::red)) << "outline over the fill";
        EXPECT_EQ(image.pixelColor(6, 4), QColor(Qt::red)) << "outline over the fill";
        EXPECT_EQ(image.pixelColor(7, 5), Paper);
    }
}

TEST(PainterSurfacePixels, SystemColoursResolveThroughTheSurfacePalette)
{
    QPalette palette;
    palette.setColor(QPalette::Active, QPalette::Mid, QColor(10, 20, 30));
    palette.setColor(QPalette::Active, QPalette::Light, QColor(40, 50, 60));
    palette.setColor(QPalette::Active, QPalette::Button, QColor(70, 80, 90));
    palette.setColor(QPalette::Active, QPalette::ButtonText, QColor(1, 2, 3));

    QImage image = canvas();
    PainterSurface surface(&image, palette);
    surface.Cls();
    EXPECT_EQ(image.pixelColor(23, 15), QColor(70, 80, 90)) << "Cls clears to BackColor, button face";
    surface.Line(0, 0, 150, 0, OleColor{syscolor::ButtonShadow});
    surface.Line(0, 15, 150, 15, OleColor{syscolor::ButtonHighlight});
    surface.Line(0, 30, 150, 30);
    EXPECT_EQ(image.pixelColor(3, 0), QColor(10, 20, 30));
    EXPECT_EQ(image.pixelColor(3, 1), QColor(40, 50, 60));
    EXPECT_EQ(image.pixelColor(3, 2), QColor(1, 2, 3)) << "ForeColor defaults to button text";
    surface.Cls(Red);
    EXPECT_EQ(changed(image, QColor(Qt::red)), Pixels{});
}

TEST(PainterSurfacePixels, CirclesHonourAspectAnglesAndFill)
{
    // Radius 150 twips = 10 pixels, centred at (20, 20) pixels.
    struct Case {
        const char* name;
        double aspect;
        std::optional<double> start, end;
        bool fill;
        QRect expectedBounds;  // of every changed pixel, +-1 allowed
    };
    const double pi = std::numbers::pi;
    const Case cases[] = {
        {"circle", 1.0, {}, {}, true, QRect(QPoint(10, 10), QPoint(30, 30))},
        {"aspect below 1: the radius is horizontal", 0.5, {}, {}, true, QRect(QPoint(10, 15), QPoint(30, 25))},
        {"aspect above 1: the radius is vertical", 2.0, {}, {}, true, QRect(QPoint(15, 10), QPoint(25, 30))},
        {"quarter arc: upper right only", 1.0, 0.0, pi / 2, false, QRect(QPoint(20, 10), QPoint(30, 20))},
        {"arc through 0 when start > end", 1.0, 1.5 * pi, 0.5 * pi, false, QRect(QPoint(20, 10), QPoint(30, 30))},
        {"pie: both radii, filled", 1.0, -pi, -1.5 * pi, true, QRect(QPoint(10, 20), QPoint(20, 30))},
    };
    for (const Case& c : cases) {
        QImage image = canvas(41, 41);
        {
            PainterSurface surface(&image);
            surface.setFillStyle(fillstyle::Solid);
            surface.setFillColor(Green);
            surface.Circle(300, 300, 150, Red, c.start, c.end, c.aspect);
        }
        const QRect got = bounds(changed(image));
        EXPECT_NEAR(got.left(), c.expectedBounds.left(), 1) << c.name;
        EXPECT_NEAR(got.right(), c.expectedBounds.right(), 1) << c.name;
        EXPECT_NEAR(got.top(), c.expectedBounds.top(), 1) << c.name;
        EXPECT_NEAR(got.bottom(), c.expectedBounds.bottom(), 1) << c.name;
        const QPoint inside = c.start ? QPoint(16, 24) : QPoint(20, 20);
        EXPECT_EQ(image.pixelColor(inside) == QColor(Qt::green), c.fill) << c.name;
    }

    // A negative start alone adds one radius: the horizontal one at angle 0.
    QImage image = canvas(41, 41);
    {
        PainterSurface surface(&image);
        surface.Circle(300, 300, 150, Red, -2 * pi, 0.5 * pi);
    }
    for (int x = 21; x < 29; ++x)
        EXPECT_EQ(image.pixelColor(x, 20), QColor(Qt::red)) << x;
    EXPECT_EQ(image.pixelColor(20, 14), Paper) << "no vertical radius";
}

TEST(PainterSurfacePixels, TextLandsWhereItIsMeasured)
{
    QImage image = canvas(200, 60);
    PainterSurface surface(&image);
    surface.setForeColor(OleColor{0});
    const QString text = QStringLiteral("Wage");
    surface.setCurrentX(150);
    surface.setCurrentY(225);
    surface.Print(text);
    const QRect ink = bounds(changed(image));
    ASSERT_FALSE(ink.isEmpty());
    const QRect box(10, 15, int(surface.TextWidth(text) / 15), int(surface.TextHeight(text) / 15));
    EXPECT_TRUE(box.contains(ink)) << "ink " << ink.x() << "," << ink.y() << " " << ink.width() << "x" << ink.height();
    EXPECT_LE(ink.left(), 11) << "starts at CurrentX";
    EXPECT_LE(ink.top(), 18) << "the top of the text at CurrentY";

    // Measuring draws nothing; the alignment bits move the ink.
    struct Case {
        int flags;
        bool inkLeftHalf, inkRightHalf;
    };
    const Case cases[] = {
        {dt::CalcRect | dt::WordBreak, false, false},
        {dt::Left, true, false},
        {dt::Right, false, true},
        {dt::Center, true, true},
    };
    for (const Case& c : cases) {
        QImage page = canvas(200, 60);
        PainterSurface s(&page);
        s.setForeColor(OleColor{0});
        s.DrawText(TwipRect{0, 0, 3000, 600}, QStringLiteral("ab"), c.flags);
        const Pixels ink2 = changed(page);
        const bool left = std::any_of(ink2.begin(), ink2.end(), [](auto p) { return p.first < 95; });
        const bool right = std::any_of(ink2.begin(), ink2.end(), [](auto p) { return p.first > 105; });
        EXPECT_EQ(left, c.inkLeftHalf) << "flags " << c.flags;
        EXPECT_EQ(right, c.inkRightHalf) << "flags " << c.flags;
    }
}

TEST(PainterSurfacePixels, FocusRectangleInvertsADottedOutlineAndUndoesItself)
{
    struct Case {
        const char* name;
        QImage::Format format;
        TwipRect rect;
        QRect ring;  // pixels: left, top, right, bottom inclusive
    };
    const Case cases[] = {
        {"plain", QImage::Format_RGB32, TwipRect{30, 45, 300, 150}, QRect(QPoint(2, 3), QPoint(21, 12))},
        {"with alpha", QImage::Format_ARGB32_Premultiplied, TwipRect{0, 0, 360, 240}, QRect(QPoint(0, 0), QPoint(23, 15))},
        {"one pixel high", QImage::Format_RGB32, TwipRect{15, 15, 150, 15}, QRect(QPoint(1, 1), QPoint(10, 1))},
        {"one pixel wide", QImage::Format_RGB32, TwipRect{15, 15, 15, 150}, QRect(QPoint(1, 1), QPoint(1, 10))},
        {"partly off the image", QImage::Format_RGB32, TwipRect{-60, -60, 300, 300}, QRect(QPoint(-4, -4), QPoint(15, 15))},
        {"empty", QImage::Format_RGB32, TwipRect{60, 60, 0, 90}, QRect()},
    };
    for (const Case& c : cases) {
        // A background with structure, so a wrong restore cannot hide.
        QImage image(24, 16, c.format);
        for (int y = 0; y < 16; ++y) {
            for (int x = 0; x < 24; ++x)
                image.setPixelColor(x, y, QColor(x * 10, y * 15, (x * y) % 256));
        }
        const QImage before = image.copy();
        {
            PainterSurface surface(&image);
            surface.DrawFocusRect(c.rect);
        }
        Pixels expected;
        if (c.ring.isValid()) {
            for (int y = c.ring.top(); y <= c.ring.bottom(); ++y) {
                for (int x = c.ring.left(); x <= c.ring.right(); ++x) {
                    const bool edge = x == c.ring.left() || x == c.ring.right() || y == c.ring.top() || y == c.ring.bottom();
                    if (edge && (x + y) % 2 == 0 && QRect(0, 0, 24, 16).contains(x, y))
                        expected.insert({x, y});
                }
            }
        }
        Pixels got;
        for (int y = 0; y < 16; ++y) {
            for (int x = 0; x < 24; ++x) {
                const QRgb was = before.pixel(x, y), now = image.pixel(x, y);
                if (was != now) {
                    got.insert({x, y});
                    EXPECT_EQ(now & 0xFFFFFF, ~was & 0xFFFFFF) << c.name << " inverted at " << x << "," << y;
                    EXPECT_EQ(qAlpha(now), 255) << c.name;
                }
            }
        }
        EXPECT_EQ(got, expected) << c.name;
        {
            PainterSurface surface(&image);
            surface.DrawFocusRect(c.rect);
        }
        EXPECT_EQ(image, before) << c.name << ": drawing twice restores every pixel";
    }

    // The pixel form is the same rectangle.
    QImage a = canvas(), b = canvas();
    PainterSurface(&a).DrawFocusRect(TwipRect{30, 45, 300, 150});
    PainterSurface(&b).DrawFocusRectPixels(2, 3, 22, 13);
    EXPECT_EQ(a, b);
}

TEST(PainterSurfaceUnits, TwipsFollowTheDevice)
{
    struct Case {
        const char* name;
        int dotsPerMeter;
        double twipsPerPixel;
    };
    const Case cases[] = {
        {"screen resolution", 3780, 15.0},
        {"192 dpi", 7559, 7.5},
        {"600 dpi", 23622, 2.4},
    };
    for (const Case& c : cases) {
        QImage image = canvas(100, 50);
        image.setDotsPerMeterX(c.dotsPerMeter);
        image.setDotsPerMeterY(c.dotsPerMeter);
        PainterSurface surface(&image);
        EXPECT_DOUBLE_EQ(surface.twipsPerPixelX(), c.twipsPerPixel) << c.name;
        EXPECT_DOUBLE_EQ(surface.Width(), 100 * c.twipsPerPixel) << c.name;
        EXPECT_DOUBLE_EQ(surface.Height(), 50 * c.twipsPerPixel) << c.name;
        // One inch of line is one inch of pixels.
        surface.Line(0, 0, 1440, 0, Red);
        const QRect ink = bounds(changed(image));
        EXPECT_EQ(ink.width(), std::min(100, qRound(1440 / c.twipsPerPixel))) << c.name;
    }

    const QString pdf = orx::test::freshFolder(QStringLiteral("draw")) + QStringLiteral("/page.pdf");
    QPdfWriter writer(pdf);
    writer.setResolution(300);
    PainterSurface paper(&writer);
    EXPECT_DOUBLE_EQ(paper.twipsPerPixelX(), 4.8);
    EXPECT_NEAR(paper.Width() / 1440.0, writer.width() / 300.0, 1e-9) << "page width in inches";
}

TEST(PainterSurfaceUnits, HugeCoordinatesStayCheap)
{
    QImage image = canvas();
    QElapsedTimer timer;
    timer.start();
    {
        PainterSurface surface(&image);
        surface.Line(0, 0, 1e12, 1e12, Red);
        surface.Rectangle(-1e12, 90, 1e12, 1e12, Red);
        surface.DrawFocusRect(TwipRect{-1e12, -1e12, 2e12, 2e12});
    }
    EXPECT_LT(timer.elapsed(), 2000);
    EXPECT_EQ(image.pixelColor(5, 5), QColor(Qt::red)) << "the diagonal still crosses the image";
    EXPECT_EQ(image.pixelColor(20, 6), QColor(Qt::red)) << "the box's top edge";
}
