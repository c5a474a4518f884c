#pragma once

#include "platform/host/HostExport.h"

#include <QRect>

class QWidget;

// Controls compute in twips (1/1440 inch). The host's twips per pixel come
// from the screen: 15 at 96 dots per inch.
namespace orx::host {

ORX_HOST_EXPORT double twipsPerPixelX();
ORX_HOST_EXPORT double twipsPerPixelY();

ORX_HOST_EXPORT int pixelsFromTwipsX(double twips);
ORX_HOST_EXPORT int pixelsFromTwipsY(double twips);
ORX_HOST_EXPORT double twipsFromPixelsX(int pixels);
ORX_HOST_EXPORT double twipsFromPixelsY(int pixels);

// A twip rectangle (left, top, width, height in twips, as singles).
struct ORX_HOST_EXPORT TwipRect {
    double left = 0, top = 0, width = 0, height = 0;
    bool operator==(const TwipRect&) const = default;
};

ORX_HOST_EXPORT QRect toPixels(const TwipRect& r);
ORX_HOST_EXPORT TwipRect toTwips(const QRect& pixels);

// Places a constituent widget by its twip rectangle. The widget keeps that
// rectangle, and `twipGeometry` reads it back as given, so a control never
// sees its own numbers drift through pixel rounding; a widget moved by other
// means reports its pixel geometry converted to twips.
ORX_HOST_EXPORT void setTwipGeometry(QWidget* widget, const TwipRect& r);
ORX_HOST_EXPORT TwipRect twipGeometry(const QWidget* widget);

}  // namespace orx::host
