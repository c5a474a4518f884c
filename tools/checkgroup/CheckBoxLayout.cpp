// Where the items go (LayoutItems), their captions, the design size and
// LockSize on every resize, and the paint notice.
#include "tools/checkgroup/ORXCheckBox_p.h"

#include "platform/basic/Logging.h"
#include "platform/basic/Strings.h"
#include "platform/draw/PainterSurface.h"
#include "platform/host/Extender.h"
#include "tools/checkgroup/GroupRules.h"

#include <QLabel>
#include <exception>

namespace orx::tools {

void ORXCheckBox::LayoutItems()
{
    groups::LayoutInput in;
    in.width = extender()->width();
    in.height = extender()->height();
    in.orientation = d->orientation_;
    in.captionPosition = d->captionPosition_;
    in.horizSpacing = d->horizSpacing_;
    in.vertSpacing = d->vertSpacing_;
    in.count = d->numChecks_;
    in.columns = d->numColsGrid_;
    in.boxHeight = d->items->itemHeight();
    in.widenOnEqual = true;
    setItemCount(d->numChecks_);
    d->items->place(in);
    update();
}

void ORXCheckBox::setItemCount(int count)
{
    d->items->setCount(count);
    // The focus index never names a removed item.
    if (d->focusIndex >= d->items->count())
        d->focusIndex = d->items->count() - 1;
}

void ORXCheckBox::setCaptions(const QString& text)
{
    d->captions_ = basic::trimSpaces(text);
    ApplyCaptions();
    PropertyChanged(QStringLiteral("Captions"));
}

void ORXCheckBox::ApplyCaptions()
{
    const QString name = extender()->name();
    const QStringList pieces = groups::fitPieces(d->captions_, d->numChecks_, [&name](int k) {
        return name + QLatin1Char('-') + QString::number(k);
    });
    for (int i = 0; i < d->items->count() && i < pieces.size(); ++i)
        d->items->setCaption(i, pieces[i]);
    RebuildCaptions();
    LayoutItems();
}

void ORXCheckBox::RebuildCaptions()
{
    d->captions_ = d->items->captions().join(QLatin1Char('|'));
}

void ORXCheckBox::CheckCaption(int Index, const QString& Value)
{
    // A "|" would split the caption in two at the next load and lose the last one.
    if (!d->items->contains(Index) || groups::splitsList(Value))
        return;
    d->items->setCaption(Index, Value);
    RebuildCaptions();
    LayoutItems();
}

void ORXCheckBox::Resize()
{
    // Setting the size from here raises another resize notice.
    if (d->resizing)
        return;
    d->resizing = true;
    if (runMode()) {
        const groups::LockedSize size = groups::lockedSize(d->lockSize_, d->designWidth_, d->designHeight_);
        if (size.width)
            extender()->setWidth(*size.width);
        if (size.height)
            extender()->setHeight(*size.height);
    }
    LayoutItems();
    ApplyCaptions();
    if (!runMode()) {
        d->designHeight_ = float(extender()->height());
        d->designWidth_ = float(extender()->width());
    }
    d->resizing = false;
}

void ORXCheckBox::paintEvent(QPaintEvent*)
{
    draw::PainterSurface surface(this);
    PaintControl(surface);
}

void ORXCheckBox::PaintControl(draw::Surface& surface)
{
    // A failing draw leaves the rest of the picture out; the container never
    // sees the error.
    try {
        surface.setSize(extender()->width(), extender()->height());
        d->painter.PaintBorder(surface, d->border_, d->items->backColor(), [&] {
            if (extender()->tabStop())
                d->items->drawFocus(surface, d->focusIndex, d->items->backColor(), d->hasFocus_);
        });
    } catch (const std::exception& e) {
        qCWarning(orx::lcTools) << "ORXCheckBox: the frame could not be drawn:" << e.what();
    }
}

}  // namespace orx::tools
