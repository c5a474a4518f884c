#pragma once

#include "platform/draw/Surface.h"
#include "platform/host/OleColor.h"
#include "tools/common/ToolsExport.h"

#include <QObject>
#include <QStringList>
#include <cstdint>
#include <functional>

// The frames of the check box group, the option button group and the text
// box: the Appearance / BorderStyle / BorderEffect enumerations, the rules
// that tie the three properties together, and the lines of every frame.
namespace orx::tools {

// Each control declares its own copy of the three enumerations under its
// prefix; the values are the same in all three. They are Qt-registered
// namespaced enums so a control can use them directly as Q_PROPERTY types
// (e.g. orx::tools::ORXCK::ORXCK_Appearance_Constants) and a call by name
// sees the member names; being unscoped, they convert to the 32-bit
// integers the controls store.
namespace ORXCK {
Q_NAMESPACE_EXPORT(ORX_TOOLS_EXPORT)
enum ORXCK_Appearance_Constants { ORXCK_Flat = 0, ORXCK_3D = 1 };
Q_ENUM_NS(ORXCK_Appearance_Constants)
enum ORXCK_BorderStyle_Constants { ORXCK_No_Border = 0, ORXCK_Fixed_Single = 1 };
Q_ENUM_NS(ORXCK_BorderStyle_Constants)
enum ORXCK_BorderEffect_Constants {
    ORXCK_No_Effect = 0,
    ORXCK_Pop_Frame = 1,
    ORXCK_Drop_Frame = 2,
    ORXCK_Groove_Frame = 3,
    ORXCK_Fillet_Frame = 4
};
Q_ENUM_NS(ORXCK_BorderEffect_Constants)
}  // namespace ORXCK

namespace ORXOB {
Q_NAMESPACE_EXPORT(ORX_TOOLS_EXPORT)
enum ORXOB_Appearance_Constants { ORXOB_Flat = 0, ORXOB_3D = 1 };
Q_ENUM_NS(ORXOB_Appearance_Constants)
enum ORXOB_BorderStyle_Constants { ORXOB_No_Border = 0, ORXOB_Fixed_Single = 1 };
Q_ENUM_NS(ORXOB_BorderStyle_Constants)
enum ORXOB_BorderEffect_Constants {
    ORXOB_No_Effect = 0,
    ORXOB_Pop_Frame = 1,
    ORXOB_Drop_Frame = 2,
    ORXOB_Groove_Frame = 3,
    ORXOB_Fillet_Frame = 4
};
Q_ENUM_NS(ORXOB_BorderEffect_Constants)
}  // namespace ORXOB

namespace ORXTX {
Q_NAMESPACE_EXPORT(ORX_TOOLS_EXPORT)
enum ORXTX_Appearance_Constants { ORXTX_Flat = 0, ORXTX_3D = 1 };
Q_ENUM_NS(ORXTX_Appearance_Constants)
enum ORXTX_BorderStyle_Constants { ORXTX_No_Border = 0, ORXTX_Fixed_Single = 1 };
Q_ENUM_NS(ORXTX_BorderStyle_Constants)
enum ORXTX_BorderEffect_Constants {
    ORXTX_No_Effect = 0,
    ORXTX_Pop_Frame = 1,
    ORXTX_Drop_Frame = 2,
    ORXTX_Groove_Frame = 3,
    ORXTX_Fillet_Frame = 4
};
Q_ENUM_NS(ORXTX_BorderEffect_Constants)
}  // namespace ORXTX

// The values shared by the three copies, for code that serves all three.
namespace border {
inline constexpr std::int32_t Flat = 0;
inline constexpr std::int32_t ThreeD = 1;
inline constexpr std::int32_t NoBorder = 0;
inline constexpr std::int32_t FixedSingle = 1;
inline constexpr std::int32_t NoEffect = 0;
inline constexpr std::int32_t PopFrame = 1;
inline constexpr std::int32_t DropFrame = 2;
inline constexpr std::int32_t GrooveFrame = 3;
inline constexpr std::int32_t FilletFrame = 4;
}  // namespace border

// The frame colours: OLE system colours, so the frame follows the user's
// colour scheme.
namespace framecolor {
inline constexpr host::OleColor Shadow{host::syscolor::ButtonShadow};
inline constexpr host::OleColor Highlight{host::syscolor::ButtonHighlight};
inline constexpr host::OleColor DarkShadow{host::syscolor::DarkShadow3D};
inline constexpr host::OleColor Light{host::syscolor::Light3D};
inline constexpr host::OleColor Black{0x00000000};
}  // namespace framecolor

// One line of a frame, in twips on the control surface.
struct ORX_TOOLS_EXPORT FrameLine {
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    host::OleColor color;
    bool operator==(const FrameLine&) const = default;
};

// Whether `effect` is one of the four drawn effects (1..4).
constexpr bool isFrameEffect(std::int32_t effect) { return effect >= border::PopFrame && effect <= border::FilletFrame; }

// Line `index` (0..7, in drawing order) of a drawn effect on a surface of
// `width` by `height` twips. The offsets are literal twips (15, 30, 45),
// not scaled by the screen's twips per pixel.
ORX_TOOLS_EXPORT FrameLine frameLine(std::int32_t effect, int index, double width, double height);

// Draws the eight lines of an effect; any other value draws nothing. The
// surface's width and height are read anew for every line.
template <draw::LineSurface S>
void drawFrameEffect(S& surface, std::int32_t effect)
{
    if (!isFrameEffect(effect))
        return;
    for (int i = 0; i < 8; ++i) {
        const FrameLine line = frameLine(effect, i, surface.Width(), surface.Height());
        surface.Line(line.x1, line.y1, line.x2, line.y2, line.color);
    }
}

// The four stand-alone routines the property pages use for their previews;
// they draw exactly the lines the group controls draw.
template <draw::LineSurface S>
void DrawPopFrame(S& surface)
{
    drawFrameEffect(surface, border::PopFrame);
}
template <draw::LineSurface S>
void DrawDropFrame(S& surface)
{
    drawFrameEffect(surface, border::DropFrame);
}
template <draw::LineSurface S>
void DrawGrooveFrame(S& surface)
{
    drawFrameEffect(surface, border::GrooveFrame);
}
template <draw::LineSurface S>
void DrawFilletFrame(S& surface)
{
    drawFrameEffect(surface, border::FilletFrame);
}

// The preview picture `index` of an appearance page (PIC_Border): pictures
// 1 to 4 show their effect in the picture's own size; any other index is
// left blank.
template <draw::LineSurface S>
void paintBorderPreview(S& picture, int index)
{
    switch (index) {
    case 1: DrawPopFrame(picture); break;
    case 2: DrawDropFrame(picture); break;
    case 3: DrawGrooveFrame(picture); break;
    case 4: DrawFilletFrame(picture); break;
    default: break;
    }
}

// What setting one of the three properties did: the properties whose
// change is to be notified, in order (empty when the call was ignored), and
// whether the control is to be refreshed.
struct ORX_TOOLS_EXPORT BorderChange {
    QStringList notify;
    bool refresh = false;
    bool operator==(const BorderChange&) const = default;
};

// Appearance, BorderStyle and BorderEffect of one control, with the rules
// that tie them together when one of them is set. A 3D control always shows
// one of the four effects and a flat control never shows one; No_Effect is
// reached only by making the control flat.
class ORX_TOOLS_EXPORT BorderProperties {
public:
    constexpr BorderProperties() = default;
    constexpr BorderProperties(std::int32_t appearance, std::int32_t borderStyle, std::int32_t borderEffect)
        : appearance_(appearance), borderStyle_(borderStyle), borderEffect_(borderEffect)
    {
    }
    // A new check box or option button group: 3D, no border, Groove.
    static constexpr BorderProperties groupDefaults() { return {border::ThreeD, border::NoBorder, border::GrooveFrame}; }
    // A new text box: 3D, no border, Drop.
    static constexpr BorderProperties textBoxDefaults() { return {border::ThreeD, border::NoBorder, border::DropFrame}; }

    std::int32_t Appearance() const { return appearance_; }
    std::int32_t BorderStyle() const { return borderStyle_; }
    std::int32_t BorderEffect() const { return borderEffect_; }

    BorderChange setAppearance(std::int32_t value);
    BorderChange setBorderEffect(std::int32_t value);
    BorderChange setBorderStyle(std::int32_t value);

    // Stores values as read from a property bag or a settings file, without
    // the coupling rules.
    void restore(std::int32_t appearance, std::int32_t borderStyle, std::int32_t borderEffect);

    bool operator==(const BorderProperties&) const = default;

private:
    std::int32_t appearance_ = border::ThreeD;
    std::int32_t borderStyle_ = border::NoBorder;
    std::int32_t borderEffect_ = border::GrooveFrame;
};

// The frame painter of a group control: PaintBorder with the control's
// painting flag. The control calls PaintBorder from its paint handler; its
// focus-rectangle routines set and clear the same flag (setPainting) while
// they draw, so a paint request that arrives meanwhile draws nothing.
class ORX_TOOLS_EXPORT BorderPainter {
public:
    bool painting() const { return painting_; }
    void setPainting(bool on) { painting_ = on; }

    // Draws the frame of `properties` on the surface (3D: the effect's
    // lines; flat with Fixed_Single: a black outline; flat without border:
    // the same outline in `flatColor`, item 0's BackColor, which paints over
    // an earlier black one), then calls `redrawFocus` to redraw the focus
    // rectangle of the focused or selected item. Returns false when it was
    // already painting and so drew nothing.
    bool PaintBorder(draw::Surface& surface, const BorderProperties& properties, host::OleColor flatColor,
                     const std::function<void()>& redrawFocus);

private:
    bool painting_ = false;
};

// The flat outline as one connected path: (0, 0) to (0, H-15), then on to
// (W-15, H-15), (W-15, 0) and back to (0, 0).
ORX_TOOLS_EXPORT void drawFlatOutline(draw::Surface& surface, host::OleColor color);

}  // namespace orx::tools
