#include "tools/common/Frames.h"

#include <array>

namespace orx::tools {

namespace {

using namespace framecolor;

// Colours of the eight lines, per effect (Pop, Drop, Groove, Fillet): the
// outer ring first (left, bottom, right, top), then the inner ring.
constexpr std::array<std::array<host::OleColor, 8>, 4> FrameColors{{
    {Light, DarkShadow, DarkShadow, Light, Highlight, Shadow, Shadow, Highlight},    // raised
    {Shadow, Highlight, Highlight, Shadow, DarkShadow, Light, Light, DarkShadow},    // sunken
    {Shadow, Highlight, Highlight, Shadow, Highlight, Shadow, Shadow, Highlight},    // engraved
    {Highlight, Shadow, Shadow, Highlight, Shadow, Highlight, Highlight, Shadow},    // embossed
}};

const QString AppearanceName = QStringLiteral("Appearance");
const QString BorderStyleName = QStringLiteral("BorderStyle");
const QString BorderEffectName = QStringLiteral("BorderEffect");

}  // namespace

FrameLine frameLine(std::int32_t effect, int index, double w, double h)
{
    if (!isFrameEffect(effect) || index < 0 || index > 7)
        return {};
    // The top lines of Groove and Fillet start one pixel further left.
    const double topShift = (effect == border::GrooveFrame || effect == border::FilletFrame) ? 15 : 0;
    const host::OleColor color = FrameColors[std::size_t(effect - 1)][std::size_t(index)];
    switch (index) {
    case 0: return {0, 0, 0, h - 15, color};
    case 1: return {0, h - 15, w - 15, h - 15, color};
    case 2: return {w - 15, h - 15, w - 15, 0, color};
    case 3: return {w - 15 - topShift, 0, 0, 0, color};
    case 4: return {15, 15, 15, h - 30, color};
    case 5: return {15, h - 30, w - 30, h - 30, color};
    case 6: return {w - 30, h - 30, w - 30, 15, color};
    default: return {w - 30 - topShift, 15, 15, 15, color};
    }
}

BorderChange BorderProperties::setAppearance(std::int32_t value)
{
    BorderChange change;
    appearance_ = value;
    if (value != border::ThreeD) {
        borderEffect_ = border::NoEffect;
        change.notify << BorderEffectName;
    } else {
        borderStyle_ = border::NoBorder;
        change.notify << BorderStyleName;
        if (borderEffect_ == border::NoEffect) {
            borderEffect_ = border::DropFrame;
            change.notify << BorderEffectName;
        }
    }
    change.notify << AppearanceName;
    change.refresh = true;
    return change;
}

BorderChange BorderProperties::setBorderEffect(std::int32_t value)
{
    if (value == border::NoEffect)
        return {};
    borderEffect_ = appearance_ == border::ThreeD ? value : border::NoEffect;
    return {{BorderEffectName}, true};
}

BorderChange BorderProperties::setBorderStyle(std::int32_t value)
{
    if (appearance_ == border::ThreeD)
        return {};
    borderStyle_ = value;
    return {{BorderStyleName}, true};
}

void BorderProperties::restore(std::int32_t appearance, std::int32_t borderStyle, std::int32_t borderEffect)
{
    appearance_ = appearance;
    borderStyle_ = borderStyle;
    borderEffect_ = borderEffect;
}

void drawFlatOutline(draw::Surface& surface, host::OleColor color)
{
    surface.Line(0, 0, 0, surface.Height() - 15, color);
    surface.LineTo(surface.Width() - 15, surface.Height() - 15, color);
    surface.LineTo(surface.Width() - 15, 0, color);
    surface.LineTo(0, 0, color);
}

bool BorderPainter::PaintBorder(draw::Surface& surface, const BorderProperties& properties,
                                host::OleColor flatColor, const std::function<void()>& redrawFocus)
{
    if (painting_)
        return false;
    painting_ = true;
    // Cleared however the drawing ends: a flag left set by an error would
    // stop every later paint of the control.
    struct Clear {
        bool& flag;
        ~Clear() { flag = false; }
    } clear{painting_};
    if (properties.Appearance() == border::ThreeD)
        drawFrameEffect(surface, properties.BorderEffect());
    else if (properties.BorderStyle() == border::FixedSingle)
        drawFlatOutline(surface, framecolor::Black);
    else if (properties.Appearance() == border::Flat)
        drawFlatOutline(surface, flatColor);
    if (redrawFocus)
        redrawFocus();
    return true;
}

}  // namespace orx::tools
