// Layout and drawing: where the caption and picture go, the paint request
// with its erase and draw passes, the picture for the state, the focus
// rectangle and the default-button border.
#include "tools/button/ORXCommandButton_p.h"

#include "platform/draw/PainterSurface.h"
#include "platform/draw/MeasuringSurface.h"
#include "platform/testing/RecordingSurface.h"  // recordDrawing: the test's recorder, by pointer only
#include "platform/host/Extender.h"
#include "platform/host/Twips.h"
#include "tools/button/LookStates.h"

#include <QLabel>
#include <QPainter>

namespace orx::tools {

using namespace button;

namespace {

// Clears a flag when the scope ends, however it ends.
struct Guard {
    explicit Guard(bool& f)
        : flag(f)
    {
        flag = true;
    }
    ~Guard() { flag = false; }
    Guard(const Guard&) = delete;
    Guard& operator=(const Guard&) = delete;
    bool& flag;
};

}  // namespace

void ORXCommandButton::Private::ensureCanvas()
{
    const QSize size = q->size();
    if (canvas_.size() == size && !canvas_.isNull())
        return;
    if (size.isEmpty()) {
        canvas_ = QImage();
        return;
    }
    canvas_ = QImage(size, QImage::Format_ARGB32_Premultiplied);
    canvas_.fill(host::resolveColor(surfaceBackColor_));
    focusRectShown_ = false;
}

FaceFrame ORXCommandButton::Private::faceFrame() const
{
    return {q->extender()->width(), q->extender()->height(), isDefault_, backColor_, borderStyle_};
}

template <class F>
void ORXCommandButton::Private::withSurface(F&& paint)
{
    ensureCanvas();
    if (canvas_.isNull() && !recorder_)
        return;
    const double w = q->extender()->width();
    const double h = q->extender()->height();
    std::optional<draw::PainterSurface> onCanvas;
    if (!canvas_.isNull()) {
        onCanvas.emplace(&canvas_);
        onCanvas->setSize(w, h);
    }
    draw::Surface* surface = onCanvas ? static_cast<draw::Surface*>(&*onCanvas) : recorder_;
    if (recorder_) {
        recorder_->setSize(w, h);
        recorder_->forwardTo(onCanvas ? &*onCanvas : nullptr);
        surface = recorder_;
    }
    surface->setFont(font_);
    // A disabled caption is drawn in the grey text colour; ForeColor keeps
    // the program's colour.
    surface->setForeColor(enabled_ ? foreColor_ : host::OleColor{host::syscolor::GrayText});
    surface->setBackColor(surfaceBackColor_);
    paint(*surface);
    if (recorder_)
        recorder_->forwardTo(nullptr);
    q->update();
}

// ---- Layout -------------------------------------------------------------------

void ORXCommandButton::Private::layOut()
{
    if (busy_)
        return;
    bool again = false;
    {
        Guard guard(busy_);
        host::Extender* ext = q->extender();
        const double w = ext->width();
        const double h = ext->height();
        SizeInput in{w, h, horizSpacing_, double(vertSpacing_), runMode(), lockSize_, designWidth_, designHeight_};
        if (in.runMode && sizeCorrectionPending_) {
            // The size the minimum gave stands for the design size from now on.
            designWidth_ = float(w);
            designHeight_ = float(h);
            sizeCorrectionPending_ = false;
            in.lockSize = ORXCM_No_Locked;
        }
        const SizeResult size = applySizeRules(in);
        if (size.corrected)
            sizeCorrectionPending_ = true;
        if (size.width != w || size.height != h) {
            ext->setWidth(size.width);
            ext->setHeight(size.height);
            // The resize this causes is not laid out from inside: once more
            // below, at the new size.
            again = true;
        } else {
            if (!in.runMode) {
                // LockSize restores what the form's designer left.
                designWidth_ = float(w);
                designHeight_ = float(h);
            }
            if (appearance_ == ORXCM_HotSpot) {
                host::setTwipGeometry(IMG_Button, {0, 0, q->scaleWidth(), q->scaleHeight()});
            } else {
                const host::TwipRect pic = host::twipGeometry(IMG_Button);
                PlacementInput p;
                p.width = w;
                p.height = h;
                p.horizSpacing = horizSpacing_;
                p.vertSpacing = vertSpacing_;
                p.captionShown = capIndex_ > 0;
                p.pictureShown = !shownPicture_.isNull() && !IMG_Button->isHidden();
                p.pictureWidth = pic.width;
                p.pictureHeight = pic.height;
                p.picturePosition = picturePosition_;
                draw::MeasuringSurface measure(w, h);
                measure.setFont(font_);
                const int flags = captionFormat(capAlignment_) | draw::dt::CalcRect;
                up_ = placeCaptionAndPicture(p, [&](double capW, double capH) {
                    return measure.DrawText({0, 0, capW, capH}, currentCaption_, flags);
                });
                host::setTwipGeometry(IMG_Button, {double(up_.picX), double(up_.picY), pic.width, pic.height});
            }
        }
    }
    if (again) {
        ensureCanvas();
        layOut();
        return;
    }
    paintRequest(true);
}

// ---- The paint request --------------------------------------------------------------

void ORXCommandButton::Private::paintRequest(bool forced)
{
    if (painting_)
        return;
    if (!forced && visualState_ == lastPainted_)
        return;
    Guard guard(painting_);
    const bool designing = !runMode();
    if (designing)
        lastPainted_ = visualState_;

    withSurface([&](draw::Surface& surface) {
        if (appearance_ == ORXCM_HotSpot) {
            paintHotSpot(surface);
            return;
        }
        applyDefaultBorder();
        const LookPaint look = lookPaint(appearance_, value_, hasFocus_, lastPainted_, visualState_);
        if (!designing && look.erase.present)
            eraseFace(surface, look.erase.face);
        if (look.draw.present)
            drawFace(surface, look.draw.face, look.draw.inBackColor);
        showPictureForState();
        // A forced paint shows the current state too: were it not
        // remembered, a later change back to the state last painted
        // unforced would find nothing to do and leave the forced face up.
        lastPainted_ = visualState_;
        syncFocusRect(surface);
    });
}

void ORXCommandButton::Private::drawFace(draw::Surface& surface, Face face, bool inBackColor)
{
    const FaceFrame frame = faceFrame();
    if (shape_ == ORXCM_Rounded)
        drawRoundedFace(surface, face, frame, inBackColor);
    else
        drawSquareFace(surface, face, frame, inBackColor);
    // The face covers what was drawn before, the focus rectangle too.
    focusRectShown_ = false;
    const Placement at = face == Face::Raised ? up_ : up_.down();
    const host::TwipRect pic = host::twipGeometry(IMG_Button);
    host::setTwipGeometry(IMG_Button, {double(at.picX), double(at.picY), pic.width, pic.height});
    drawCaption(surface, at);
}

void ORXCommandButton::Private::eraseFace(draw::Surface& surface, Face face)
{
    if (shape_ == ORXCM_Rounded)
        eraseRoundedFace(surface, face, faceFrame());
    else
        eraseSquareFace(surface, face, faceFrame());
}

void ORXCommandButton::Private::drawCaption(draw::Surface& surface, const Placement& at)
{
    if (currentCaption_.isEmpty())
        return;
    surface.DrawText({double(at.capX), double(at.capY), double(at.capW), double(at.capH)}, currentCaption_,
                     captionFormat(capAlignment_));
}

void ORXCommandButton::Private::paintHotSpot(draw::Surface& surface)
{
    // The hot spot shows what lies beneath it: the part of the container's
    // picture under the button, or the container's colour.
    QObject* container = q->extender()->container();
    const QImage picture = container ? container->property("Picture").value<QImage>() : QImage();
    if (picture.isNull() || canvas_.isNull()) {
        surface.Cls(containerBackColor());
        return;
    }
    QPainter painter(&canvas_);
    const QRect source(host::pixelsFromTwipsX(q->extender()->left()), host::pixelsFromTwipsY(q->extender()->top()),
                       canvas_.width(), canvas_.height());
    painter.drawImage(QPoint(0, 0), picture, source);
}

// ---- The picture for the state ---------------------------------------------------------

void ORXCommandButton::Private::showPictureForState()
{
    QImage chosen;
    if (!enabled_) {
        chosen = disabledPicture_;
    } else {
        switch (visualState_) {
        case 1: chosen = downPicture_.isNull() ? picture_ : downPicture_; break;
        case 2:
        case 3: chosen = !upPicture_.isNull() && appearance_ != ORXCM_3D ? upPicture_ : picture_; break;
        default: chosen = picture_; break;
        }
    }
    // Without a picture for the state the element keeps what it shows.
    if (!chosen.isNull())
        showPicture(chosen);
}

void ORXCommandButton::Private::showPicture(const QImage& picture)
{
    if (picture.isNull())
        return;
    IMG_Button->raise();
    if (!shownPicture_.isNull() && shownPicture_.cacheKey() == picture.cacheKey() && !IMG_Button->isHidden())
        return;
    shownPicture_ = picture;
    IMG_Button->setPixmap(QPixmap::fromImage(picture));
    const host::TwipRect at = host::twipGeometry(IMG_Button);
    host::setTwipGeometry(IMG_Button, {at.left, at.top, host::twipsFromPixelsX(picture.width()),
                                       host::twipsFromPixelsY(picture.height())});
    IMG_Button->show();
}

// ---- The focus rectangle and the default border -------------------------------------------

void ORXCommandButton::Private::syncFocusRect(draw::Surface& surface)
{
    // The dotted rectangle is inverted on the surface: drawn once it shows,
    // drawn again it is gone. It is drawn only when it is wanted and not
    // there, or removed when it is there and no longer wanted.
    const bool wanted = runMode() && hasFocus_ && showFocusRect_ && shape_ == ORXCM_Square &&
                        appearance_ != ORXCM_HotSpot;
    if (wanted == focusRectShown_)
        return;
    const QRect r = focusRectPixels(q->extender()->width(), q->extender()->height(), isDefault_,
                                    host::twipsPerPixelX(), host::twipsPerPixelY());
    surface.DrawFocusRectPixels(r.left(), r.top(), r.right() + 1, r.bottom() + 1);
    focusRectShown_ = wanted;
}

void ORXCommandButton::Private::syncFocusRect()
{
    if (painting_)
        return;
    Guard guard(painting_);
    withSurface([&](draw::Surface& surface) { syncFocusRect(surface); });
}

void ORXCommandButton::Private::applyDefaultBorder()
{
    // A rounded default button draws its border with its face (two more
    // ellipses); a square one has the surface's single line.
    const bool wasBusy = busy_;
    busy_ = true;
    if (isDefault_ && shape_ == ORXCM_Square)
        setSurfaceBorder(true);
    else if (!isDefault_ && shape_ == ORXCM_Square && appearance_ == ORXCM_3D)
        setSurfaceBorder(false);
    busy_ = wasBusy;
}

void ORXCommandButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (!d->canvas_.isNull())
        painter.drawImage(QPoint(0, 0), d->canvas_);
    if (d->surfaceBorder_) {
        draw::PainterSurface surface(&painter);
        surface.setSize(extender()->width(), extender()->height());
        surface.Rectangle(0, 0, extender()->width() - host::twipsPerPixelX(),
                          extender()->height() - host::twipsPerPixelY(), host::OleColor{0});
    }
}

}  // namespace orx::tools
