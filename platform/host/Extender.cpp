#include "platform/host/Extender.h"

#include "platform/host/Twips.h"
#include "platform/host/UserControl.h"

#include <QMetaProperty>

namespace orx::host {

Extender::Extender(UserControl* control)
    : QObject(control)
    , control_(control)
{
    if (control) {
        const TwipRect r = toTwips(control->geometry());
        left_ = r.left, top_ = r.top, width_ = r.width, height_ = r.height;
    }
}

void Extender::setName(const QString& name)
{
    const bool renamed = name_ != name && !name_.isEmpty();
    name_ = name;
    if (!control_)
        return;
    control_->setObjectName(name);
    // The control's display name is its extender name: a rename is an ambient change.
    if (renamed)
        control_->AmbientChanged(QStringLiteral("DisplayName"));
}

void Extender::setLeft(double twips) { move(twips, top_, width_, height_); }
void Extender::setTop(double twips) { move(left_, twips, width_, height_); }
void Extender::setWidth(double twips) { move(left_, top_, twips, height_); }
void Extender::setHeight(double twips) { move(left_, top_, width_, twips); }

void Extender::move(double left, double top, double width, double height)
{
    const bool same = left == left_ && top == top_ && width == width_ && height == height_;
    left_ = left, top_ = top, width_ = std::max(0.0, width), height_ = std::max(0.0, height);
    applyGeometry();
    if (!same)
        Q_EMIT geometryChanged();
}

void Extender::applyGeometry()
{
    if (control_)
        setTwipGeometry(control_, TwipRect{left_, top_, width_, height_});
}

QObject* Extender::container() const
{
    return control_ ? control_->parentWidget() : nullptr;
}

QString Extender::containerKind() const
{
    const QObject* c = container();
    if (!c)
        return QString();
    const QVariant kind = c->property("ContainerKind");
    return kind.isValid() ? kind.toString() : QString::fromLatin1(c->metaObject()->className());
}

void Extender::setTabStop(bool on)
{
    tabStop_ = on;
    if (control_)
        control_->tabStopChanged(on);
}

void Extender::setToolTipText(const QString& text)
{
    toolTip_ = text;
    if (control_)
        control_->setToolTip(text);
}

void Extender::setDefault(bool on)
{
    if (default_ == on)
        return;
    default_ = on;
    Q_EMIT defaultChanged(on);
}

void Extender::setCancel(bool on)
{
    if (cancel_ == on)
        return;
    cancel_ = on;
    Q_EMIT cancelChanged(on);
}

void Extender::setVisible(bool on)
{
    visible_ = on;
    if (control_)
        control_->setVisible(on);
}

bool Extender::set(const QString& member, const QVariant& value)
{
    const QMetaObject* mo = metaObject();
    for (int i = mo->propertyOffset(); i < mo->propertyCount(); ++i) {
        QMetaProperty p = mo->property(i);
        if (QString::fromLatin1(p.name()).compare(member, Qt::CaseInsensitive) == 0)
            return p.isWritable() && p.write(this, value);
    }
    return false;
}

QVariant Extender::get(const QString& member) const
{
    const QMetaObject* mo = metaObject();
    for (int i = mo->propertyOffset(); i < mo->propertyCount(); ++i) {
        QMetaProperty p = mo->property(i);
        if (QString::fromLatin1(p.name()).compare(member, Qt::CaseInsensitive) == 0)
            return p.read(this);
    }
    return QVariant();
}

}  // namespace orx::host
