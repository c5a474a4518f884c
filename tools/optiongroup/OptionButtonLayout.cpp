// Where the items go (LayoutItems), their captions, the design size and
// LockSize on every resize, and the paint notice.
#include "tools/optiongroup/ORXOptionButton_p.h"

#include "platform/basic/Logging.h"
#include "platform/basic/Strings.h"
#include "platform/draw/PainterSurface.h"
#include "platform/host/Extender.h"
#include "tools/checkgroup/GroupRules.h"

#include <QLabel>
#include <QRadioButton>
#include <exception>

namespace orx::tools {

void ORXOptionButton::LayoutItems()
{
    groups::LayoutInput in;
    in.width = extender()->width();
    in.height = extender()->height();
    in.orientation = d->orientation_;
    in.captionPosition = d->captionPosition_;
    in.horizSpacing = d->horizSpacing_;
    in.vertSpacing = d->vertSpacing_;
    in.count = d->numOptions_;
    in.columns = d->numColsGrid_;
    in.boxHeight = d->items->itemHeight();
    in.widenOnEqual = false;
    d->items->setCount(d->numOptions_);
    d->items->place(in);
    // The selected option is selected again (after a load, the first time).
    if (QRadioButton* option = optionButton(d->listIndex_))
        option->setChecked(true);
    update();
}

void ORXOptionButton::setCaptions(const QString& text)
{
    d->captions_ = basic::trimSpaces(text);
    ApplyCaptions();
    PropertyChanged(QStringLiteral("Captions"));
}

void ORXOptionButton::ApplyCaptions()
{
    groups::applyCaptions(*this, *d, d->numOptions_);
    LayoutItems();
}

void ORXOptionButton::RebuildCaptions()
{
    groups::rebuildCaptions(*d);
}

void ORXOptionButton::OptionCaption(int Index, const QString& Value)
{
    if (groups::setItemCaption(*d, Index, Value))
        LayoutItems();
}

void ORXOptionButton::Resize()
{
    groups::resizeGroup(*this, *d, runMode(), [this] { LayoutItems(); }, [this] { ApplyCaptions(); });
}

void ORXOptionButton::paintEvent(QPaintEvent*)
{
    draw::PainterSurface surface(this);
    PaintControl(surface);
}

void ORXOptionButton::PaintControl(draw::Surface& surface)
{
    groups::paintGroup(*this, *d, surface, d->listIndex_, "ORXOptionButton");
}

}  // namespace orx::tools
