#include "tools/checkgroup/GroupState.h"

#include "platform/basic/Logging.h"
#include "platform/draw/Surface.h"
#include "platform/host/Extender.h"
#include "platform/host/UserControl.h"
#include "tools/checkgroup/GroupRules.h"

#include <QStringList>
#include <exception>

namespace orx::tools::groups {

void rebuildCaptions(GroupState& g)
{
    g.captions_ = g.items->captions().join(QLatin1Char('|'));
}

void applyCaptions(const host::UserControl& control, GroupState& g, int count)
{
    const QString name = control.extender()->name();
    const QStringList pieces = fitPieces(g.captions_, count, [&name](int k) {
        return name + QLatin1Char('-') + QString::number(k);
    });
    for (int i = 0; i < g.items->count() && i < pieces.size(); ++i)
        g.items->setCaption(i, pieces[i]);
    rebuildCaptions(g);
}

bool setItemCaption(GroupState& g, int index, const QString& caption)
{
    if (!g.items->contains(index) || splitsList(caption))
        return false;
    g.items->setCaption(index, caption);
    rebuildCaptions(g);
    return true;
}

void resizeGroup(host::UserControl& control, GroupState& g, bool runMode, const std::function<void()>& layOut,
                 const std::function<void()>& caption)
{
    // Setting the size from here raises another resize notice.
    if (g.resizing)
        return;
    g.resizing = true;
    host::Extender* extender = control.extender();
    if (runMode) {
        const LockedSize size = lockedSize(g.lockSize_, g.designWidth_, g.designHeight_);
        if (size.width)
            extender->setWidth(*size.width);
        if (size.height)
            extender->setHeight(*size.height);
    }
    layOut();
    caption();
    if (!runMode) {
        g.designHeight_ = float(extender->height());
        g.designWidth_ = float(extender->width());
    }
    g.resizing = false;
}

void paintGroup(const host::UserControl& control, GroupState& g, draw::Surface& surface, int focusIndex,
                const char* className)
{
    host::Extender* extender = control.extender();
    try {
        surface.setSize(extender->width(), extender->height());
        g.painter.PaintBorder(surface, g.border_, g.items->backColor(), [&] {
            if (extender->tabStop())
                g.items->drawFocus(surface, focusIndex, g.items->backColor(), g.hasFocus_);
        });
    } catch (const std::exception& e) {
        qCWarning(orx::lcTools) << className << ": the frame could not be drawn:" << e.what();
    }
}

}  // namespace orx::tools::groups
