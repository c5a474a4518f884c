#include "tools/button/ButtonFaces.h"

#include <algorithm>
#include <numbers>

namespace orx::tools::button {

namespace {

using host::OleColor;
constexpr OleColor kHighlight{host::syscolor::ButtonHighlight};
constexpr OleColor kShadow{host::syscolor::ButtonShadow};
constexpr OleColor kDarkShadow{host::syscolor::DarkShadow3D};

struct FaceLine {
    double x1, y1, x2, y2;
    OleColor color;
};

// The lines of a square face, in drawing order.
QList<FaceLine> squareLines(Face face, const FaceFrame& f)
{
    const double l = 0, t = 0;
    const double r = f.width - (f.isDefault ? 30 : 0);
    const double b = f.height - (f.isDefault ? 30 : 0);
    switch (face) {
    case Face::Raised:
        return {{l, t, l, b - 15, kHighlight},          {l, b - 15, r - 15, b - 15, kDarkShadow},
                {r - 15, t, r - 15, b, kDarkShadow},    {r - 30, t, l, t, kHighlight},
                {l + 15, b - 30, r - 30, b - 30, kShadow}, {r - 30, t + 15, r - 30, b - 15, kShadow}};
    case Face::Pressed:
        return {{l, t, l, b, kDarkShadow},
                {l, b - 15, r, b - 15, kDarkShadow},
                {r - 15, t, r - 15, b, kDarkShadow},
                {l, t, r, t, kDarkShadow},
                {l + 15, t + 15, l + 15, b - 15, kShadow},
                {l + 15, b - 30, r - 15, b - 30, kShadow},
                {r - 30, t + 15, r - 30, b - 30, kShadow},
                {l + 15, t + 15, r - 30, t + 15, kShadow}};
    case Face::Latched:
        return {{l, t, l, b - 15, kDarkShadow},      {l, b - 15, r - 15, b - 15, kHighlight},
                {r - 15, t, r - 15, b, kHighlight},  {r - 30, t, l, t, kDarkShadow},
                {l + 15, t + 15, r - 30, t + 15, kShadow}};
    }
    return {};
}

void drawLines(draw::Surface& surface, const QList<FaceLine>& lines, std::optional<OleColor> all)
{
    for (const FaceLine& line : lines)
        surface.Line(line.x1, line.y1, line.x2, line.y2, all.value_or(line.color));
}

struct Ellipse {
    double cx = 0, cy = 0, radius = 0, aspect = 1;
};

// The ellipse of a rounded face; absent when the button has no area (the
// aspect H/W would divide by zero or be zero).
std::optional<Ellipse> ellipseOf(const FaceFrame& f)
{
    if (f.width <= 0 || f.height <= 0)
        return std::nullopt;
    return Ellipse{f.width / 2, f.height / 2, roundedRadius(f), f.height / f.width};
}

void circle(draw::Surface& surface, const Ellipse& e, double radius, OleColor color, std::optional<double> from = {},
            std::optional<double> to = {})
{
    if (radius <= 0)
        return;
    surface.Circle(e.cx, e.cy, radius, color, from, to, e.aspect);
}

// The two rings: the lit arc from the upper right round to the lower left,
// the shaded arcs on the other side; a pressed face swaps them.
void drawRings(draw::Surface& surface, const Ellipse& e, Face face, std::optional<OleColor> all)
{
    constexpr double pi = std::numbers::pi;
    const OleColor lit = all.value_or(face == Face::Raised ? kHighlight : kShadow);
    const OleColor shade = all.value_or(face == Face::Raised ? kShadow : kHighlight);
    for (int k = 0; k < 2; ++k) {
        const double r = e.radius - 15.0 * (k + 1);
        const double t = 0.1 * k;
        circle(surface, e, r, shade, 0.0, (0.25 - t) * pi);
        circle(surface, e, r, lit, (0.25 + t) * pi, (1.25 - t) * pi);
        circle(surface, e, r, shade, (1.25 + t) * pi, 2 * pi);
    }
}

}  // namespace

void drawSquareFace(draw::Surface& surface, Face face, const FaceFrame& frame, bool inBackColor)
{
    surface.FillRectangle(0, 0, frame.width, frame.height, frame.backColor);
    drawLines(surface, squareLines(face, frame), inBackColor ? std::optional(frame.backColor) : std::nullopt);
}

void eraseSquareFace(draw::Surface& surface, Face face, const FaceFrame& frame)
{
    drawLines(surface, squareLines(face, frame), frame.backColor);
}

double roundedRadius(const FaceFrame& frame)
{
    return std::max(frame.width, frame.height) / 2 - (frame.isDefault ? 4 : 2);
}

void drawRoundedFace(draw::Surface& surface, Face face, const FaceFrame& frame, bool inBackColor)
{
    const std::optional<Ellipse> e = ellipseOf(frame);
    if (!e)
        return;
    const int fillStyle = surface.FillStyle();
    const OleColor fillColor = surface.FillColor();
    surface.setFillStyle(draw::fillstyle::Solid);
    surface.setFillColor(frame.backColor);
    circle(surface, *e, e->radius, kDarkShadow);
    surface.setFillStyle(fillStyle);
    surface.setFillColor(fillColor);

    drawRings(surface, *e, face, inBackColor ? std::optional(frame.backColor) : std::nullopt);
    if (frame.borderStyle == 0)
        circle(surface, *e, e->radius, frame.backColor);
    if (frame.isDefault) {
        circle(surface, *e, e->radius, kDarkShadow);
        circle(surface, *e, e->radius + 15, kDarkShadow);
    }
}

void eraseRoundedFace(draw::Surface& surface, Face face, const FaceFrame& frame)
{
    if (const std::optional<Ellipse> e = ellipseOf(frame))
        drawRings(surface, *e, face, frame.backColor);
}

LookPaint lookPaint(int appearance, bool value, bool hasFocus, int lastState, int state)
{
    LookPaint p;
    auto face = [](Face f, bool inBack = false) { return FaceStep{true, f, inBack}; };
    const bool plain = appearance == 0 || appearance == 1;
    const bool sw = appearance == 3 || appearance == 4;

    if (plain) {
        if (lastState == 1 || lastState == 2)
            p.erase = face(Face::Pressed);
        switch (state) {
        case 1: p.draw = face(Face::Pressed); break;
        case 2:
        case 3: p.draw = face(Face::Raised); break;
        case 4: p.draw = face(Face::Raised, appearance == 0 && !hasFocus); break;
        default: break;
        }
    } else if (sw) {
        if (lastState == 1)
            p.erase = face(value ? Face::Raised : Face::Latched);
        switch (state) {
        case 1:
        case 2: p.draw = face(value ? Face::Latched : Face::Raised); break;
        case 4:
            // A latched switch shows latched at rest in both looks; an
            // unlatched flat switch shows no frame.
            p.draw = value ? face(Face::Latched) : face(Face::Raised, appearance == 3);
            break;
        default: break;
        }
    }
    return p;
}

}  // namespace orx::tools::button
