#pragma once

#include "platform/draw/Surface.h"

#include <QList>

namespace orx::draw {

// A surface that records every call, in order, with its coordinates in
// twips, the OLE colour as given and the pen, fill and font state, so tests
// can check exactly what a control drew. The size is set by the test.
// Text is measured with the font's metrics on the screen at the host's
// twips per pixel, or, while forwarding, as the target measures it so that
// a layout matches what the target draws.
class RecordingSurface : public Surface {
public:
    explicit RecordingSurface(double width = 0, double height = 0,
                              const QPalette& palette = QGuiApplication::palette());

    // Every call also goes to `target` (nullptr stops forwarding). The
    // target must outlive the forwarding.
    void forwardTo(Surface* target) { target_ = target; }
    Surface* target() const { return target_; }

    QList<DrawCall> calls;

    // The recorded calls of one kind, in order.
    QList<DrawCall> callsOf(Op op) const;
    void clear() { calls.clear(); }

    void replay(const DrawCall& call) override;
    TextMeasure measureFor(const host::StdFont& font) const override;

private:
    Surface* target_ = nullptr;
};

}  // namespace orx::draw
