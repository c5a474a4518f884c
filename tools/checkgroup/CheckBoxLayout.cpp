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
    groups::applyCaptions(*this, *d, d->numChecks_);
    LayoutItems();
}

void ORXCheckBox::RebuildCaptions()
{
    groups::rebuildCaptions(*d);
}

void ORXCheckBox::CheckCaption(int Index, const QString& Value)
{
    if (groups::setItemCaption(*d, Index, Value))
        LayoutItems();
}

void ORXCheckBox::Resize()
{
    groups::resizeGroup(*this, *d, runMode(), [this] { LayoutItems(); }, [this] { ApplyCaptions(); });
}

void ORXCheckBox::paintEvent(QPaintEvent*)
{
    draw::PainterSurface surface(this);
    PaintControl(surface);
}

void ORXCheckBox::PaintControl(draw::Surface& surface)
{
    groups::paintGroup(*this, *d, surface, d->focusIndex, "ORXCheckBox");
}

}  // namespace orx::tools
