// The paint notice: the frame around the input area, then the caption.
#include "tools/textbox/ORXTextBox_p.h"

#include "platform/basic/Logging.h"
#include "platform/draw/PainterSurface.h"
#include "platform/host/Extender.h"
#include "tools/textbox/LayoutRules.h"

#include <exception>

namespace orx::tools {

using namespace textbox;

void ORXTextBox::paintEvent(QPaintEvent* event)
{
    Q_UNUSED(event);
    draw::PainterSurface surface(this);
    PaintControl(surface);
}

void ORXTextBox::PaintControl(draw::Surface& surface)
{
    // A failing draw leaves the rest of the picture out; the container never
    // sees the error.
    try {
        const double w = extender()->width();
        const double h = extender()->height();
        surface.setSize(w, h);
        const QList<FrameOp> frame = inputAreaFrame(d->border_.Appearance(), d->border_.BorderStyle(), d->border_.BorderEffect(),
                                                    d->capWidth_, w, h, d->backColor_);
        for (const FrameOp& op : frame) {
            switch (op.op) {
            case draw::Op::LineTo: surface.LineTo(op.x2, op.y2, op.color); break;
            case draw::Op::Rectangle: surface.Rectangle(op.x1, op.y1, op.x2, op.y2, op.color); break;
            default: surface.Line(op.x1, op.y1, op.x2, op.y2, op.color); break;
            }
        }
        if (!captionPrinted(d->caption_, d->capWidth_))
            return;
        surface.setFont(d->font_);
        surface.setForeColor(d->foreColor_);
        const QPointF at = captionOrigin(d->capAlignment_, d->capWidth_, surface.TextWidth(d->caption_),
                                         surface.TextHeight(d->caption_), surface.ScaleHeight());
        surface.setCurrentX(at.x());
        surface.setCurrentY(at.y());
        surface.Print(d->caption_);
    } catch (const std::exception& e) {
        qCWarning(orx::lcTextBox) << "ORXTextBox: the frame or caption could not be drawn:" << e.what();
    }
}

}  // namespace orx::tools
