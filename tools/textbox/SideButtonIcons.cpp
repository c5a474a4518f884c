#include "tools/textbox/SideButtonIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace orx::tools::textbox {

namespace {

constexpr int kSize = 12;

// The arrow of a drop-down: a small solid triangle pointing down.
void downArrow(QPainter& p, double top, double halfWidth)
{
    QPainterPath arrow;
    const double mid = kSize / 2.0;
    arrow.moveTo(mid - halfWidth, top);
    arrow.lineTo(mid + halfWidth, top);
    arrow.lineTo(mid, top + halfWidth);
    arrow.closeSubpath();
    p.fillPath(arrow, Qt::black);
}

// A coin: a gold disc with a darker rim and a bar for the amount.
void coin(QPainter& p, const QRectF& r)
{
    p.setPen(QPen(QColor(128, 96, 0), 1));
    p.setBrush(QColor(240, 200, 40));
    p.drawEllipse(r);
    p.setPen(QPen(QColor(128, 96, 0), 1));
    p.drawLine(QPointF(r.center().x(), r.top() + 2), QPointF(r.center().x(), r.bottom() - 2));
}

}  // namespace

QIcon sideButtonIcon(int resource)
{
    if (resource < 501 || resource > 503)
        return QIcon();
    QPixmap pixmap(kSize, kSize);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    switch (resource) {
    case 501: coin(p, QRectF(1.5, 1.5, 9, 9)); break;
    case 502:
        coin(p, QRectF(2.5, 0.5, 7, 7));
        downArrow(p, 8, 3);
        break;
    default: downArrow(p, 4, 4); break;
    }
    p.end();
    return QIcon(pixmap);
}

}  // namespace orx::tools::textbox
