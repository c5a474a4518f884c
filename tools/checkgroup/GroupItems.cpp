#include "tools/checkgroup/GroupItems.h"

#include "platform/host/Twips.h"

#include <QAbstractButton>
#include <QLabel>

namespace orx::tools::groups {

namespace {

void setColour(QWidget* w, QPalette::ColorRole role, host::OleColor colour)
{
    QPalette p = w->palette();
    p.setColor(role, host::resolveColor(colour));
    w->setPalette(p);
}

Qt::Alignment labelAlignment(int a)
{
    const Qt::Alignment h = a == 1 ? Qt::AlignRight : (a == 2 ? Qt::AlignHCenter : Qt::AlignLeft);
    return h | Qt::AlignVCenter;
}

}  // namespace

void applyPointer(QWidget* widget, int pointer, const QImage& icon)
{
    switch (pointer) {
    case 1: widget->setCursor(Qt::ArrowCursor); break;
    case 2: widget->setCursor(Qt::CrossCursor); break;
    case 3: widget->setCursor(Qt::IBeamCursor); break;
    case 11: widget->setCursor(Qt::WaitCursor); break;
    case 99:
        if (!icon.isNull()) {
            widget->setCursor(QCursor(QPixmap::fromImage(icon)));
            break;
        }
        [[fallthrough]];
    default: widget->unsetCursor(); break;
    }
}

GroupItems::GroupItems(QWidget* owner, const QString& boxName, MakeBox makeBox, std::function<void(int)> made)
    : owner_(owner), boxName_(boxName), makeBox_(std::move(makeBox)), made_(std::move(made))
{
    font_ = host::StdFont::fromQFont(owner->font());
    make(0);
}

int GroupItems::indexOf(const QObject* widget) const
{
    for (int i = 0; i < count(); ++i) {
        if (boxes_[i] == widget || labels_[i] == widget)
            return i;
    }
    return -1;
}

void GroupItems::make(int k)
{
    QAbstractButton* box = makeBox_(owner_);
    box->setObjectName(QStringLiteral("%1(%2)").arg(boxName_).arg(k));
    auto* label = new QLabel(owner_);
    label->setObjectName(QStringLiteral("SF_Caption(%1)").arg(k));
    label->setTextFormat(Qt::PlainText);
    label->setAutoFillBackground(true);
    label->setBuddy(box);
    label->setMouseTracking(true);
    box->setMouseTracking(true);
    boxes_ << box;
    labels_ << label;
    if (k > 0) {
        // A copy of item 0: its size, state of use and tool tip.
        host::setTwipGeometry(box, host::twipGeometry(boxes_[0]));
        host::setTwipGeometry(label, host::twipGeometry(labels_[0]));
        box->setEnabled(boxes_[0]->isEnabledTo(owner_));
        label->setEnabled(labels_[0]->isEnabledTo(owner_));
        box->setToolTip(boxes_[0]->toolTip());
        label->setToolTip(labels_[0]->toolTip());
    } else {
        host::setTwipGeometry(box, {0, 0, BoxWidth, itemHeight_});
        host::setTwipGeometry(label, {0, 0, 0, itemHeight_});
    }
    style(k);
    box->show();
    label->show();
    if (k > 0 && made_)
        made_(k);
}

void GroupItems::style(int k)
{
    QAbstractButton* box = boxes_[k];
    QLabel* label = labels_[k];
    setColour(box, QPalette::Window, backColor_);
    setColour(box, QPalette::Button, backColor_);
    box->setAutoFillBackground(true);
    setColour(label, QPalette::Window, backColor_);
    setColour(label, QPalette::WindowText, foreColor_);
    label->setFont(font_.toQFont());
    label->setAlignment(labelAlignment(alignment_));
    applyPointer(box, mousePointer_, mouseIcon_);
    applyPointer(label, mousePointer_, mouseIcon_);
}

void GroupItems::setCount(int n)
{
    n = std::max(1, n);
    while (count() < n)
        make(count());
    while (count() > n) {
        delete boxes_.takeLast();
        delete labels_.takeLast();
    }
}

void GroupItems::place(const LayoutInput& in)
{
    LayoutInput input = in;
    input.count = count();
    const QList<ItemPlace> places = layoutItems(input);
    for (int i = 0; i < count(); ++i) {
        const ItemPlace& p = places[i];
        QAbstractButton* box = boxes_[i];
        QLabel* label = labels_[i];
        host::TwipRect b = host::twipGeometry(box);
        host::TwipRect l = host::twipGeometry(label);
        l.width = p.captionWidth;
        if (p.boxLeft)
            b.left = *p.boxLeft;
        if (p.labelLeft)
            l.left = *p.labelLeft;
        if (p.top)
            b.top = l.top = *p.top;
        b.height = l.height = itemHeight_;
        // The label takes its text's width, never more than its caption width.
        const double textWidth = host::twipsFromPixelsX(label->sizeHint().width());
        if (textWidth < l.width)
            l.width = textWidth;
        host::setTwipGeometry(box, b);
        host::setTwipGeometry(label, l);
        if (i > 0)
            QWidget::setTabOrder(boxes_[i - 1], box);
    }
}

QString GroupItems::caption(int i) const
{
    return contains(i) ? labels_[i]->text() : QString();
}

void GroupItems::setCaption(int i, const QString& text)
{
    if (!contains(i))
        return;
    labels_[i]->setText(text);
    boxes_[i]->setAccessibleName(text);
}

QStringList GroupItems::captions() const
{
    QStringList out;
    for (const QLabel* l : labels_)
        out << l->text();
    return out;
}

QString GroupItems::tag(int i) const
{
    return contains(i) ? labels_[i]->property("Tag").toString() : QString();
}

void GroupItems::setTag(int i, const QString& text)
{
    if (contains(i))
        labels_[i]->setProperty("Tag", text);
}

void GroupItems::setBackColor(host::OleColor color)
{
    backColor_ = color;
    for (int k = 0; k < count(); ++k)
        style(k);
}

void GroupItems::setForeColor(host::OleColor color)
{
    foreColor_ = color;
    for (int k = 0; k < count(); ++k)
        style(k);
}

void GroupItems::setFont(const host::StdFont& font)
{
    font_ = font;
    for (int k = 0; k < count(); ++k)
        style(k);
}

void GroupItems::setAlignment(int alignment)
{
    alignment_ = alignment;
    for (int k = 0; k < count(); ++k)
        style(k);
}

void GroupItems::setItemHeight(double twips)
{
    itemHeight_ = twips;
    for (int k = 0; k < count(); ++k) {
        for (QWidget* w : {static_cast<QWidget*>(boxes_[k]), static_cast<QWidget*>(labels_[k])}) {
            host::TwipRect r = host::twipGeometry(w);
            r.height = twips;
            host::setTwipGeometry(w, r);
        }
    }
}

void GroupItems::setPointer(int pointer, const QImage& icon)
{
    mousePointer_ = pointer;
    mouseIcon_ = icon;
    for (int k = 0; k < count(); ++k)
        style(k);
}

void GroupItems::setToolTip(const QString& text)
{
    boxes_[0]->setToolTip(text);
    labels_[0]->setToolTip(text);
}

void GroupItems::eraseFocus(draw::Surface& surface, int i, host::OleColor back) const
{
    if (!contains(i))
        return;
    const host::TwipRect l = host::twipGeometry(labels_[i]);
    const FocusBox box = focusOutline(l.left, l.top, l.width, l.height);
    const int width = surface.DrawWidth();
    surface.setDrawWidth(2);
    surface.Rectangle(box.x1, box.y1, box.x2, box.y2, back);
    surface.setDrawWidth(width);
}

void GroupItems::drawFocus(draw::Surface& surface, int i, host::OleColor back, bool hasFocus) const
{
    if (!contains(i))
        return;
    eraseFocus(surface, i, back);
    if (!hasFocus)
        return;
    const host::TwipRect l = host::twipGeometry(labels_[i]);
    const PixelBox p = focusPixels(l.left, l.top, l.width, l.height, host::twipsPerPixelX(), host::twipsPerPixelY());
    surface.DrawFocusRectPixels(p.left, p.top, p.right, p.bottom);
}

}  // namespace orx::tools::groups
