#include "tools/button/ButtonLayout.h"

#include "platform/draw/Surface.h"

#include <algorithm>
#include <cmath>

namespace orx::tools::button {

namespace {

// Positions are kept as 16-bit integers, rounded half to even as the
// classic conversion does.
int whole(double twips)
{
    return int(std::nearbyint(twips));
}

}  // namespace

SizeResult applySizeRules(const SizeInput& in)
{
    SizeResult r{in.width, in.height, false};
    if (in.runMode) {
        if ((in.lockSize == 1 || in.lockSize == 3) && in.designHeight > 0)
            r.height = in.designHeight;
        if ((in.lockSize == 2 || in.lockSize == 3) && in.designWidth > 0)
            r.width = in.designWidth;
    }
    if (r.width < 2 * in.horizSpacing - 15) {
        r.width = 2 * in.horizSpacing;
        r.corrected = true;
    }
    if (r.height < 2 * in.vertSpacing - 15) {
        r.height = 2 * in.vertSpacing;
        r.corrected = true;
    }
    return r;
}

Placement placeCaptionAndPicture(const PlacementInput& in, const std::function<double(double, double)>& measure)
{
    const double w = in.width, ht = in.height, h = in.horizSpacing, v = in.vertSpacing;
    const double pw = in.pictureWidth, ph = in.pictureHeight;
    double capX = 0, capY = 0, capW = 0, capH = 0, picX = 0, picY = 0;
    auto fit = [&](double width, double height) {
        capW = std::max(0.0, width);
        capH = std::max(0.0, height);
        const double measured = measure(capW, capH);
        if (measured < capH)
            capH = measured;
    };

    if (in.captionShown && !in.pictureShown) {
        fit(w - 2 * h, ht - 2 * v);
        capX = (w - capW) / 2;
        capY = ht / 2 - capH / 2 - 1;
    } else if (in.captionShown) {
        switch (in.picturePosition) {
        case 2:  // picture at the bottom
            fit(w - 2 * h, ht - ph - 3 * v);
            capX = (w - capW) / 2;
            capY = v + (ht - 2 * v - ph - capH) / 2;
            picX = (w - pw) / 2;
            picY = ht - v - ph;
            break;
        case 1:  // picture on the right
            fit(w - pw - 3 * h, ht - 2 * v);
            capX = h;
            capY = (ht - capH) / 2;
            picX = w - h - pw;
            picY = (ht - ph) / 2;
            break;
        case 3:  // picture on the left
            fit(w - pw - 3 * h, ht - 2 * v);
            capX = w - h - capW;
            capY = (ht - capH) / 2;
            picX = h;
            picY = (ht - ph) / 2;
            break;
        default:  // picture on top
            fit(w - 2 * h, ht - ph - 3 * v);
            capX = (w - capW) / 2;
            capY = 2 * v + ph + (ht - 3 * v - ph - capH) / 2;
            picX = (w - pw) / 2;
            picY = v;
            break;
        }
    } else if (in.pictureShown) {
        picX = (w - pw) / 2;
        picY = (ht - ph) / 2;
    }
    return {whole(capX), whole(capY), whole(capW), whole(capH), whole(picX), whole(picY)};
}

int captionFormat(int capAlignment)
{
    switch (capAlignment) {
    case 0: return draw::dt::WordBreak;
    case 1: return draw::dt::WordBreak | draw::dt::Right;
    default: return draw::dt::WordBreak | draw::dt::Center;
    }
}

QRect focusRectPixels(double width, double height, bool isDefault, double twipsPerPixelX, double twipsPerPixelY)
{
    const double inset = isDefault ? 75 : 45;
    const int left = int(30 / twipsPerPixelX);
    const int top = int(30 / twipsPerPixelY);
    const int right = int((width - inset) / twipsPerPixelX);
    const int bottom = int((height - inset) / twipsPerPixelY);
    return QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
}

}  // namespace orx::tools::button
