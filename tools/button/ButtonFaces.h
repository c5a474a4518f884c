#pragma once

#include "tools/common/ToolsExport.h"

// The button's faces: the frame lines of the square faces, the ellipse and
// rings of the rounded ones, drawn on any drawing surface. Plain rules; the
// control adds the picture and the caption.
#include "platform/draw/Surface.h"
#include "platform/host/OleColor.h"

namespace orx::tools::button {

enum class Face { Raised, Pressed, Latched };

// What a face is drawn with. W and H are the button's size; on the host's
// default button the square face ends 30 twips short and the ellipse is 2
// twips smaller, leaving room for the default border.
struct ORX_TOOLS_EXPORT FaceFrame {
    double width = 0, height = 0;
    bool isDefault = false;
    host::OleColor backColor{host::syscolor::ButtonFace};
    int borderStyle = 0;  // rounded faces only: 0 hides the outline
};

// Square faces. `drawSquareFace` fills the surface with BackColor and draws
// the face's lines; with `inBackColor` every line is drawn in BackColor
// instead (the flat look that shows no frame). `eraseSquareFace` draws the
// face's lines again in BackColor and nothing else.
ORX_TOOLS_EXPORT void drawSquareFace(draw::Surface& surface, Face face, const FaceFrame& frame, bool inBackColor = false);
ORX_TOOLS_EXPORT void eraseSquareFace(draw::Surface& surface, Face face, const FaceFrame& frame);

// Rounded faces: the ellipse that fills the button, with its two rings.
// Nothing is drawn for a size of 0 or less, nor any ellipse or ring whose
// radius would be 0 or less.
ORX_TOOLS_EXPORT void drawRoundedFace(draw::Surface& surface, Face face, const FaceFrame& frame, bool inBackColor = false);
ORX_TOOLS_EXPORT void eraseRoundedFace(draw::Surface& surface, Face face, const FaceFrame& frame);

// The radius of the rounded face along the button's larger dimension.
ORX_TOOLS_EXPORT double roundedRadius(const FaceFrame& frame);

// What a paint does for a look, a latched Value and the visual states
// (1 pressed, 2 lit, 3 pressed with the pointer outside, 4 normal).
struct ORX_TOOLS_EXPORT FaceStep {
    bool present = false;
    Face face = Face::Raised;
    // For the drawn face: its frame is drawn in BackColor (the flat normal look).
    bool inBackColor = false;
};
struct ORX_TOOLS_EXPORT LookPaint {
    FaceStep erase;  // the face of the last painted state, erased
    FaceStep draw;   // the face of the current state
};
ORX_TOOLS_EXPORT LookPaint lookPaint(int appearance, bool value, bool hasFocus, int lastState, int state);

}  // namespace orx::tools::button
