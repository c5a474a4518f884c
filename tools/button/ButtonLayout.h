#pragma once

#include "tools/common/ToolsExport.h"

// Where the button's caption and picture go, how its size is held, and where
// its focus rectangle lies. Plain rules in twips, no widgets.
#include <QRect>

#include <functional>

namespace orx::tools::button {

// The size rules of a layout, before anything is placed.
struct ORX_TOOLS_EXPORT SizeInput {
    double width = 0, height = 0;
    double horizSpacing = 4, vertSpacing = 4;
    bool runMode = true;
    int lockSize = 0;  // ORXCM_LockSize_Constants
    double designWidth = 0, designHeight = 0;
};

struct ORX_TOOLS_EXPORT SizeResult {
    double width = 0, height = 0;
    // The minimum size corrected the size: the layout ends and runs again
    // at the new size.
    bool corrected = false;
};

// LockSize at run time, then the minimum size. A design size of 0 has not
// been recorded and is left alone.
ORX_TOOLS_EXPORT SizeResult applySizeRules(const SizeInput& in);

struct ORX_TOOLS_EXPORT PlacementInput {
    double width = 0, height = 0;
    double horizSpacing = 4, vertSpacing = 4;
    bool captionShown = false;  // CapIndex above 0
    bool pictureShown = false;  // the picture element shows a picture
    double pictureWidth = 0, pictureHeight = 0;
    int picturePosition = 0;  // ORXCM_PicturePosition_Constants
};

// The up positions, rounded to whole twips; the pressed and latched faces
// use them shifted 15 twips right and down.
struct ORX_TOOLS_EXPORT Placement {
    int capX = 0, capY = 0, capW = 0, capH = 0;
    int picX = 0, picY = 0;

    Placement down() const { return {capX + 15, capY + 15, capW, capH, picX + 15, picY + 15}; }
    bool operator==(const Placement&) const = default;
};

// `measure(capW, capH)` answers the wrapped height of the caption laid out in
// a rectangle of that size.
ORX_TOOLS_EXPORT Placement placeCaptionAndPicture(const PlacementInput& in, const std::function<double(double, double)>& measure);

// The DrawText format bits of a CapAlignment: word break plus the alignment.
ORX_TOOLS_EXPORT int captionFormat(int capAlignment);

// The focus rectangle in pixels (left, top inclusive; right, bottom
// exclusive), inside the face and clear of the default button's border.
ORX_TOOLS_EXPORT QRect focusRectPixels(double width, double height, bool isDefault, double twipsPerPixelX, double twipsPerPixelY);

}  // namespace orx::tools::button
