// The caption list: Captions, CapIndex, Caption(Index), the caption shown
// and its access key.
#include "tools/button/ORXCommandButton_p.h"

#include "platform/basic/BasicError.h"
#include "tools/button/CaptionList.h"

#include <QAccessible>
#include <QPointer>

namespace orx::tools {

void ORXCommandButton::Private::splitCaptionList()
{
    captionList_ = button::splitCaptions(captions_);
}

void ORXCommandButton::Private::showCurrentCaption()
{
    currentCaption_ = capIndex_ >= 1 && capIndex_ <= captionList_.size() ? captionList_.at(capIndex_ - 1) : QString();
    const std::optional<QChar> key = button::accessKeyOf(currentCaption_);
    accessKeys_ = key ? QString(*key) : QString();
    updateKeys();
    if (QAccessible::isActive()) {
        QAccessibleEvent event(q, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&event);
    }
    redraw();
}

QString ORXCommandButton::Captions() const
{
    return d->captions_;
}

void ORXCommandButton::setCaptions(const QString& text)
{
    if (d->ignoredInHotSpot())
        return;
    d->captions_ = button::trimCaptions(text);
    d->splitCaptionList();
    const int count = int(d->captionList_.size());
    if (count == 0) {
        setCapIndex(0);
    } else if (d->capIndex_ <= count) {
        d->showCurrentCaption();
    } else if (d->autoScroll_) {
        setCapIndex(d->capIndex_);
    } else {
        // Without AutoScroll the index cannot wrap: it would stay past the
        // end, showing a caption the list no longer has. It moves to the
        // last caption instead.
        d->capIndex_ = count;
        d->showCurrentCaption();
        PropertyChanged(QStringLiteral("CapIndex"));
    }
    PropertyChanged(QStringLiteral("Captions"));
}

int ORXCommandButton::CapIndex() const
{
    return d->capIndex_;
}

void ORXCommandButton::setCapIndex(int index)
{
    if (d->ignoredInHotSpot())
        return;
    const button::CapIndexChange change =
        button::capIndexChange(index, int(d->captionList_.size()), d->autoScroll_);
    if (!change.accepted)
        return;
    d->capIndex_ = change.index;
    if (change.wraps) {
        // Stored before the event: a handler that loads a shorter list sees
        // an index inside it, instead of wrapping again without end.
        const QPointer<ORXCommandButton> alive(this);
        Q_EMIT ScrollCaptions();
        if (!alive)
            return;
        if (d->captionList_.isEmpty())
            d->capIndex_ = 0;
    }
    d->showCurrentCaption();
    PropertyChanged(QStringLiteral("CapIndex"));
}

QString ORXCommandButton::Caption(int Index) const
{
    if (Index < 1)
        basic::raiseError(basic::err::SubscriptOutOfRange, QStringLiteral("ORXCommandButton.Caption"));
    return Index <= d->captionList_.size() ? d->captionList_.at(Index - 1) : QString();
}

void ORXCommandButton::Caption(int Index, const QString& text)
{
    if (Index < 1)
        basic::raiseError(basic::err::SubscriptOutOfRange, QStringLiteral("ORXCommandButton.Caption"));
    if (Index > d->captionList_.size())
        return;
    setCaptions(button::replaceCaption(d->captionList_, Index, text));
}

}  // namespace orx::tools
