#include "apps/demo/FramesDemo.h"

#include "platform/draw/PainterSurface.h"
#include "platform/host/Form.h"
#include "platform/host/Twips.h"
#include "tools/common/Frames.h"

#include <QLabel>
#include <QPainter>

using namespace orx;

namespace {

// A preview box: paints one border look on its own surface, as the controls
// and the property pages do.
class BorderPreview : public QWidget {
public:
    BorderPreview(const tools::BorderProperties& look, QWidget* parent)
        : QWidget(parent)
        , look_(look)
    {
        setAutoFillBackground(true);
        QPalette p = palette();
        p.setColor(QPalette::Window, host::resolveColor(host::OleColor{host::syscolor::ButtonFace}));
        setPalette(p);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        draw::PainterSurface surface(&painter);
        surface.setSize(host::twipsFromPixelsX(width()), host::twipsFromPixelsY(height()));
        painter_.PaintBorder(surface, look_, host::OleColor{host::syscolor::ButtonFace}, [] {});
    }

private:
    tools::BorderProperties look_;
    tools::BorderPainter painter_;
};

}  // namespace

std::unique_ptr<QWidget> makeFramesForm()
{
    auto form = std::make_unique<host::Form>();
    form->setWindowTitle(QStringLiteral("ORX frames"));
    form->setUserMode(true);
    struct Look {
        const char* caption;
        tools::BorderProperties properties;
    };
    using namespace tools::border;
    const Look looks[] = {
        {"Pop_Frame", {ThreeD, NoBorder, PopFrame}},
        {"Drop_Frame", {ThreeD, NoBorder, DropFrame}},
        {"Groove_Frame", {ThreeD, NoBorder, GrooveFrame}},
        {"Fillet_Frame", {ThreeD, NoBorder, FilletFrame}},
        {"Flat, Fixed_Single", {Flat, FixedSingle, NoEffect}},
        {"Flat, No_Border", {Flat, NoBorder, NoEffect}},
    };
    constexpr double boxWidth = 2100, boxHeight = 900, gap = 300, labelHeight = 300;
    int i = 0;
    for (const Look& look : looks) {
        const double left = gap + (i % 3) * (boxWidth + gap);
        const double top = gap + (i / 3) * (boxHeight + labelHeight + gap);
        auto* box = new BorderPreview(look.properties, form.get());
        host::setTwipGeometry(box, {left, top, boxWidth, boxHeight});
        auto* label = new QLabel(QString::fromLatin1(look.caption), form.get());
        host::setTwipGeometry(label, {left, top + boxHeight + 45, boxWidth, labelHeight});
        ++i;
    }
    form->resize(host::pixelsFromTwipsX(gap + 3 * (boxWidth + gap)),
                 host::pixelsFromTwipsY(gap + 2 * (boxHeight + labelHeight + gap)));
    return form;
}
