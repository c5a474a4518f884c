#pragma once

#include <QRect>

class QWidget;

// Controls compute in twips (1/1440 inch). The host's twips per pixel come
// from the screen: 15 at 96 dots per inch.
namespace orx::host {

double twipsPerPixelX();
double twipsPerPixelY();

int pixelsFromTwipsX(double twips);
int pixelsFromTwipsY(double twips);
double twipsFromPixelsX(int pixels);
double twipsFromPixelsY(int pixels);

// A twip rectangle (left, top, width, height in twips, as singles).
struct TwipRect {
    double left = 0, top = 0, width = 0, height = 0;
    bool operator==(const TwipRect&) const = default;
};

QRect toPixels(const TwipRect& r);
TwipRect toTwips(const QRect& pixels);

// Places a constituent widget by its twip rectangle. The widget keeps that
// rectangle, and `twipGeometry` reads it back as given, so a control never
// sees its own numbers drift through pixel rounding; a widget moved by other
// means reports its pixel geometry converted to twips.
void setTwipGeometry(QWidget* widget, const TwipRect& r);
TwipRect twipGeometry(const QWidget* widget);

}  // namespace orx::host
