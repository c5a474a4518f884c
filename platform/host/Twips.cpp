#include "platform/host/Twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <QVariant>
#include <QWidget>
#include <cmath>

namespace orx::host {

namespace {

constexpr const char* TwipProperty = "_orx_twips";
constexpr const char* PixelProperty = "_orx_twips_pixels";

double dotsPerInch(bool horizontal)
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    const double dpi = screen ? (horizontal ? screen->logicalDotsPerInchX() : screen->logicalDotsPerInchY()) : 96.0;
    return dpi > 0 ? dpi : 96.0;
}

}  // namespace

double twipsPerPixelX() { return 1440.0 / dotsPerInch(true); }
double twipsPerPixelY() { return 1440.0 / dotsPerInch(false); }

int pixelsFromTwipsX(double twips) { return int(std::lround(twips / twipsPerPixelX())); }
int pixelsFromTwipsY(double twips) { return int(std::lround(twips / twipsPerPixelY())); }
double twipsFromPixelsX(int pixels) { return pixels * twipsPerPixelX(); }
double twipsFromPixelsY(int pixels) { return pixels * twipsPerPixelY(); }

QRect toPixels(const TwipRect& r)
{
    return QRect(pixelsFromTwipsX(r.left), pixelsFromTwipsY(r.top), pixelsFromTwipsX(r.width),
                 pixelsFromTwipsY(r.height));
}

TwipRect toTwips(const QRect& p)
{
    return TwipRect{twipsFromPixelsX(p.x()), twipsFromPixelsY(p.y()), twipsFromPixelsX(p.width()),
                    twipsFromPixelsY(p.height())};
}

void setTwipGeometry(QWidget* widget, const TwipRect& r)
{
    const QRect pixels = toPixels(r);
    widget->setGeometry(pixels);
    widget->setProperty(TwipProperty, QVariant::fromValue(QRectF(r.left, r.top, r.width, r.height)));
    widget->setProperty(PixelProperty, widget->geometry());
}

TwipRect twipGeometry(const QWidget* widget)
{
    const QVariant stored = widget->property(TwipProperty);
    if (stored.isValid() && widget->property(PixelProperty).toRect() == widget->geometry()) {
        const QRectF r = stored.toRectF();
        return TwipRect{r.x(), r.y(), r.width(), r.height()};
    }
    return toTwips(widget->geometry());
}

}  // namespace orx::host
