#include "reportrt/render/PagePainter.h"

#include "platform/basic/Logging.h"

#include <QFont>
#include <QHash>
#include <QPainter>
#include <QPen>

namespace orx::reportrt::render {

namespace {

constexpr double kTwipsPerInch = 1440.0;
constexpr int kTwipsPerPoint = 20;

Qt::Alignment alignmentOf(definition::Alignment a)
{
    switch (a) {
    case definition::Alignment::Right: return Qt::AlignRight;
    case definition::Alignment::Center: return Qt::AlignHCenter;
    case definition::Alignment::Justify: return Qt::AlignJustify;
    default: return Qt::AlignLeft;
    }
}

// A line's pen: at least one twip wide, so a hairline stays visible at any zoom.
QPen linePen(const layout::PageItem& item)
{
    QPen pen(QColor::fromRgba(item.color), std::max(1, item.thickness));
    pen.setCapStyle(Qt::FlatCap);
    pen.setJoinStyle(Qt::MiterJoin);
    return pen;
}

// Pictures are loaded once per file while a page is painted; a picture that
// cannot be read is logged and left out rather than stopping the page.
QImage pictureOf(const QString& file)
{
    if (file.isEmpty())
        return {};
    QImage image(file);
    if (image.isNull())
        qCWarning(lcReport) << "The picture" << file << "cannot be read; it is left out of the page";
    return image;
}

}  // namespace

QFont styleFont(const layout::TextStyle& style)
{
    QFont font(style.family.isEmpty() ? QStringLiteral("Sans Serif") : style.family);
    // Pixel size in a twips coordinate system: one point is twenty twips.
    font.setPixelSize(std::max(1, style.size) * kTwipsPerPoint);
    font.setBold(style.bold);
    font.setItalic(style.italic);
    font.setUnderline(style.underline);
    // Hinting at the layout size would move glyphs once the painter scales down.
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

void paintPage(QPainter& painter, const layout::PageModel& model, int index)
{
    if (index < 0 || index >= model.pageCount())
        return;
    paintPage(painter, model.page(index), model.styles());
}

void paintPage(QPainter& painter, const layout::Page& page, const std::vector<layout::TextStyle>& styles)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    QHash<QString, QImage> pictures;
    int currentStyle = -2;
    for (const auto& item : page.items) {
        switch (item.kind) {
        case layout::PageItem::Kind::Line: {
            painter.setPen(linePen(item));
            // A line is a thin rectangle in the model: horizontal when wider than high.
            const QRect& r = item.rect;
            if (r.width() >= r.height())
                painter.drawLine(QPointF(r.left(), r.center().y()), QPointF(r.left() + r.width(), r.center().y()));
            else
                painter.drawLine(QPointF(r.center().x(), r.top()), QPointF(r.center().x(), r.top() + r.height()));
            break;
        }
        case layout::PageItem::Kind::Box:
            painter.setPen(item.thickness > 0 ? linePen(item) : QPen(Qt::NoPen));
            painter.setBrush(item.fill ? QBrush(QColor::fromRgba(item.fill)) : QBrush(Qt::NoBrush));
            painter.drawRect(item.rect);
            painter.setBrush(Qt::NoBrush);
            break;
        case layout::PageItem::Kind::Picture: {
            auto it = pictures.find(item.text);
            if (it == pictures.end())
                it = pictures.insert(item.text, pictureOf(item.text));
            if (it->isNull())
                break;
            if (item.pictureHeight > 0) {  // the part of a picture split over pages
                const double scale = static_cast<double>(it->height()) / item.pictureHeight;
                painter.drawImage(QRectF(item.rect), *it,
                                  QRectF(0, item.pictureTop * scale, it->width(), item.rect.height() * scale));
            } else {
                painter.drawImage(QRectF(item.rect), *it);
            }
            break;
        }
        case layout::PageItem::Kind::Text: {
            if (item.text.isEmpty())
                break;
            if (item.style < 0 || item.style >= static_cast<int>(styles.size())) {
                qCWarning(lcReport) << "The text" << item.text << "has no style; it is drawn in the default font";
                if (currentStyle != -1)
                    painter.setFont(styleFont({}));
                currentStyle = -1;
                painter.setPen(Qt::black);
            } else if (item.style != currentStyle) {
                const auto& st = styles[static_cast<std::size_t>(item.style)];
                painter.setFont(styleFont(st));
                painter.setPen(QColor::fromRgba(st.color));
                currentStyle = item.style;
            }
            const Qt::Alignment align = currentStyle >= 0
                ? alignmentOf(styles[static_cast<std::size_t>(currentStyle)].alignment)
                : Qt::AlignLeft;
            painter.drawText(QRectF(item.rect), static_cast<int>(align | Qt::AlignTop) | (item.canGrow ? Qt::TextWordWrap : 0),
                             item.text);
            break;
        }
        }
    }
    painter.restore();
}

void paintPageInto(QPainter& painter, const layout::PageModel& model, int index, const QRectF& target)
{
    if (model.paperSize.isEmpty())
        return;
    painter.save();
    painter.fillRect(target, Qt::white);
    painter.setClipRect(target, Qt::IntersectClip);
    painter.translate(target.topLeft());
    painter.scale(target.width() / model.paperSize.width(), target.height() / model.paperSize.height());
    paintPage(painter, model, index);
    painter.restore();
}

QImage pageImage(const layout::PageModel& model, int index, double dpi)
{
    const double s = dpi / kTwipsPerInch;
    const QSize size(std::max(1, qRound(model.paperSize.width() * s)), std::max(1, qRound(model.paperSize.height() * s)));
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    const int dotsPerMetre = qRound(dpi / 0.0254);
    image.setDotsPerMeterX(dotsPerMetre);
    image.setDotsPerMeterY(dotsPerMetre);
    image.fill(Qt::white);
    QPainter p(&image);
    paintPageInto(p, model, index, QRectF(QPointF(0, 0), QSizeF(size)));
    return image;
}

}  // namespace orx::reportrt::render
