#pragma once

// A surface that draws nothing and measures text with the font's metrics on
// the screen at the host's twips per pixel: for laying out a caption before
// anything is painted.
#include "platform/draw/Surface.h"
#include "platform/host/Twips.h"

namespace orx::draw {

class MeasuringSurface : public Surface {
public:
    explicit MeasuringSurface(double width = 0, double height = 0) { setSize(width, height); }

    void replay(const DrawCall&) override {}
    TextMeasure measureFor(const host::StdFont& font) const override
    {
        return TextMeasure(font.toQFont(), nullptr, host::twipsPerPixelX(), host::twipsPerPixelY());
    }
};

}  // namespace orx::draw
