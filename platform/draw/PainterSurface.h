#pragma once

#include "platform/draw/Surface.h"
#include "platform/host/HostExport.h"

#include <memory>

class QPainter;
class QPaintDevice;

namespace orx::draw {

// A surface that paints with QPainter on a paint device: a widget in its
// paint event, a QImage, a QPixmap, a printer.
//
// Twips become device pixels at the device's own resolution (1440 / dots
// per inch), so a twip is a twip on paper and on a high-resolution image, and
// text is measured at the resolution it is drawn at. Widgets, and any device
// at the screen's resolution, use the host's twips per pixel exactly, so that
// pixel rectangles the controls compute from the screen's twips per pixel
// land where they expect.
//
// Pixel rules: coordinates round to the nearest device pixel. A one-pixel
// line paints every pixel from its start up to, not including, its end
// point; a wider line is drawn with round ends and covers both. Box outlines
// and filled boxes cover both corners.
class ORX_HOST_EXPORT PainterSurface : public Surface {
public:
    // Paints on the device for the lifetime of the surface.
    explicit PainterSurface(QPaintDevice* device, const QPalette& palette = QGuiApplication::palette());
    // Paints with a painter that is already active (in a paint event). Each
    // call leaves the painter's own state as it found it.
    explicit PainterSurface(QPainter* painter, const QPalette& palette = QGuiApplication::palette());
    ~PainterSurface() override;

    QPainter* painter() const { return painter_; }
    double twipsPerPixelX() const { return tx_; }
    double twipsPerPixelY() const { return ty_; }

    void replay(const DrawCall& call) override;
    TextMeasure measureFor(const host::StdFont& font) const override;

    // The device pixel of a twip coordinate.
    int pixelX(double twips) const;
    int pixelY(double twips) const;

private:
    void init();
    void drawLine(const DrawCall& c);
    void drawBox(const DrawCall& c);
    void fillBox(const DrawCall& c);
    void drawCircle(const DrawCall& c);
    void drawTextAt(const DrawCall& c);
    void drawTextIn(const DrawCall& c);
    void drawFocusRect(const DrawCall& c);
    void clear(const DrawCall& c);

    std::unique_ptr<QPainter> own_;
    QPainter* painter_ = nullptr;
    QPaintDevice* device_ = nullptr;
    double tx_ = 15, ty_ = 15;
};

}  // namespace orx::draw
