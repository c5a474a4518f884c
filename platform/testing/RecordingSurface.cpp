#include "platform/testing/RecordingSurface.h"

namespace orx::draw {

RecordingSurface::RecordingSurface(double width, double height, const QPalette& palette) : Surface(palette)
{
    setSize(width, height);
}

QList<DrawCall> RecordingSurface::callsOf(Op op) const
{
    QList<DrawCall> out;
    for (const DrawCall& c : calls) {
        if (c.op == op)
            out.append(c);
    }
    return out;
}

void RecordingSurface::replay(const DrawCall& call)
{
    calls.append(call);
    if (target_)
        target_->replay(call);
}

TextMeasure RecordingSurface::measureFor(const host::StdFont& font) const
{
    if (target_)
        return target_->measureFor(font);
    return TextMeasure(font.toQFont(), nullptr, host::twipsPerPixelX(), host::twipsPerPixelY());
}

}  // namespace orx::draw
