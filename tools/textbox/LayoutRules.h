#pragma once

#include "platform/draw/Surface.h"
#include "platform/host/OleColor.h"
#include "platform/host/Twips.h"
#include "tools/common/ToolsExport.h"

#include <QList>
#include <QPointF>
#include <QString>
#include <optional>

// Where the text box's widgets go, the lines of the frame around its input
// area and the caption's starting point: plain rules in twips, so the
// control only reads its state, asks here and moves or draws.
//
// The offsets 15, 30, 45, 75, 90, 105 and 120 are literal twips, not scaled
// by the screen's twips per pixel: the control looks the same in twips on
// every screen, like the frames of the group controls.
namespace orx::tools::textbox {

// The widths the side widgets keep whatever the control's size.
inline constexpr double kSpinWidth = 255;
inline constexpr double kSideButtonWidth = 255;
inline constexpr double kCheckBoxWidth = 225;

// What the layout reads. W and H are the control's size as its container
// reports it.
struct ORX_TOOLS_EXPORT LayoutInput {
    double width = 0, height = 0;
    double capWidth = 0;
    bool runMode = true;
    int lockSize = 0;
    double designWidth = 0, designHeight = 0;
    bool spinButtons = false;
    bool comboButtonVisible = false;
    bool checkBoxVisible = false;
    bool handleCurrencyChanges = false;
    // While the drop-down list hangs below the control the control is taller
    // than its input area; the widgets keep their heights then.
    bool listShowing = false;
    double spinWidth = kSpinWidth;
    double buttonWidth = kSideButtonWidth;
    double checkWidth = kCheckBoxWidth;
};

// The size the control takes after LockSize and the minimum, then each
// widget's rectangle. A widget the layout does not move is left out; a height
// of -1 means "keep the widget's own height" (the list is showing).
struct ORX_TOOLS_EXPORT LayoutResult {
    double width = 0, height = 0;
    std::optional<host::TwipRect> spin, rightButton, leftButton, checkBox;
    host::TwipRect edit, label, focus;
    std::optional<double> designWidth, designHeight;  // set at design time
};

// The control's size after the LockSize rule (run time only) and the
// minimum: a side of 90 twips or less becomes 120.
ORX_TOOLS_EXPORT void applySizeRules(const LayoutInput& in, double& width, double& height);

// The whole layout for a control already sized by applySizeRules.
ORX_TOOLS_EXPORT LayoutResult layoutWidgets(const LayoutInput& in);

// CapWidth accepts only a width below the control's.
constexpr bool acceptsCapWidth(double capWidth, double controlWidth) { return capWidth < controlWidth; }

// One drawing operation of the frame: a line, a connected segment from the
// end of the previous one (LineTo), or a box outline (Rectangle).
struct ORX_TOOLS_EXPORT FrameOp {
    draw::Op op = draw::Op::Line;
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    host::OleColor color;
    bool operator==(const FrameOp&) const = default;
};

// The frame around the input area, from x = C to x = W, in drawing order: a
// 3D frame's lines with the three closing lines in the edit field's back
// colour, or a flat outline (black with a single border, else in the edit
// field's back colour so that an earlier black one disappears).
ORX_TOOLS_EXPORT QList<FrameOp> inputAreaFrame(int appearance, int borderStyle, int borderEffect, double capWidth,
                                               double width, double height, host::OleColor editBackColor);

// Whether the caption is printed: a caption of spaces, or no room for it.
ORX_TOOLS_EXPORT bool captionPrinted(const QString& caption, double capWidth);

// Where the caption starts for one of the nine alignments; textWidth and
// textHeight are the printed size, surfaceHeight the surface's inner height.
ORX_TOOLS_EXPORT QPointF captionOrigin(int capAlignment, double capWidth, double textWidth, double textHeight,
                                       double surfaceHeight);

}  // namespace orx::tools::textbox
