#include "platform/draw/PainterSurface.h"

#include <QFontMetricsF>
#include <QPaintEngine>
#include <QPainter>
#include <QPolygon>
#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <span>

namespace orx::draw {

namespace {

// Far beyond any device, yet safe to round into an int.
constexpr double PixelLimit = 1e7;

// Lines longer than this are clipped to the device before they are stepped
// through pixel by pixel; shorter ones are stepped whole so that their
// pixels never depend on the device's size.
constexpr int SteppedLineLimit = 8192;

// On/off runs of the styled one-pixel pens, in pixels. The pattern starts
// afresh with every line and every box outline.
std::span<const int> stylePattern(int style)
{
    static constexpr std::array<int, 2> dash{18, 6};
    static constexpr std::array<int, 2> dot{3, 3};
    static constexpr std::array<int, 4> dashDot{9, 6, 3, 6};
    static constexpr std::array<int, 6> dashDotDot{9, 3, 3, 3, 3, 3};
    switch (style) {
    case drawstyle::Dash: return dash;
    case drawstyle::Dot: return dot;
    case drawstyle::DashDot: return dashDot;
    case drawstyle::DashDotDot: return dashDotDot;
    default: return {};
    }
}

class Pattern {
public:
    explicit Pattern(int style) : runs_(stylePattern(style))
    {
        for (int r : runs_)
            period_ += r;
    }
    // Whether the n-th pixel along the figure is painted.
    bool on(int n) const
    {
        if (period_ == 0)
            return true;
        int pos = n % period_;
        for (std::size_t i = 0; i < runs_.size(); ++i) {
            if (pos < runs_[i])
                return i % 2 == 0;
            pos -= runs_[i];
        }
        return true;
    }

private:
    std::span<const int> runs_;
    int period_ = 0;
};

Qt::PenStyle qtPenStyle(int style)
{
    switch (style) {
    case drawstyle::Dash: return Qt::DashLine;
    case drawstyle::Dot: return Qt::DotLine;
    case drawstyle::DashDot: return Qt::DashDotLine;
    case drawstyle::DashDotDot: return Qt::DashDotDotLine;
    default: return Qt::SolidLine;
    }
}

Qt::BrushStyle qtBrushStyle(int fillStyle)
{
    switch (fillStyle) {
    case fillstyle::Solid: return Qt::SolidPattern;
    case fillstyle::HorizontalLine: return Qt::HorPattern;
    case fillstyle::VerticalLine: return Qt::VerPattern;
    case fillstyle::UpwardDiagonal: return Qt::BDiagPattern;
    case fillstyle::DownwardDiagonal: return Qt::FDiagPattern;
    case fillstyle::Cross: return Qt::CrossPattern;
    case fillstyle::DiagonalCross: return Qt::DiagCrossPattern;
    default: return Qt::NoBrush;
    }
}

// The pixels of a one-pixel line from a to b (Bresenham), without b unless
// asked for.
void stepLine(QPoint a, QPoint b, bool includeEnd, QList<QPoint>& out)
{
    int x = a.x(), y = a.y();
    const int dx = std::abs(b.x() - x), dy = -std::abs(b.y() - y);
    const int sx = x < b.x() ? 1 : -1, sy = y < b.y() ? 1 : -1;
    int error = dx + dy;
    while (true) {
        const bool atEnd = x == b.x() && y == b.y();
        if (atEnd) {
            if (includeEnd)
                out.append(QPoint(x, y));
            return;
        }
        out.append(QPoint(x, y));
        const int e2 = 2 * error;
        if (e2 >= dy) {
            error += dy;
            x += sx;
        }
        if (e2 <= dx) {
            error += dx;
            y += sy;
        }
    }
}

// Liang-Barsky: cuts the segment a-b to the box; false when nothing is left.
bool clipSegment(QPointF& a, QPointF& b, const QRectF& box)
{
    double t0 = 0, t1 = 1;
    const double dx = b.x() - a.x(), dy = b.y() - a.y();
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {a.x() - box.left(), box.right() - a.x(), a.y() - box.top(), box.bottom() - a.y()};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0)
                return false;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
        if (t0 > t1)
            return false;
    }
    const QPointF start = a;
    a = start + QPointF(dx, dy) * t0;
    b = start + QPointF(dx, dy) * t1;
    return true;
}

}  // namespace

PainterSurface::PainterSurface(QPaintDevice* device, const QPalette& palette)
    : Surface(palette), own_(std::make_unique<QPainter>())
{
    if (device)
        own_->begin(device);
    painter_ = own_.get();
    init();
}

PainterSurface::PainterSurface(QPainter* painter, const QPalette& palette) : Surface(palette), painter_(painter)
{
    init();
}

PainterSurface::~PainterSurface()
{
    if (own_ && own_->isActive())
        own_->end();
}

namespace {
double deviceTwipsPerPixel(const QPaintDevice* device, int dpi, double hostTwipsPerPixel)
{
    if (device->devType() == QInternal::Widget || dpi <= 0 || dpi == qRound(1440.0 / hostTwipsPerPixel))
        return hostTwipsPerPixel;
    return 1440.0 / dpi;
}
}  // namespace

void PainterSurface::init()
{
    device_ = painter_ && painter_->isActive() ? painter_->device() : nullptr;
    tx_ = host::twipsPerPixelX();
    ty_ = host::twipsPerPixelY();
    if (!device_)
        return;
    tx_ = deviceTwipsPerPixel(device_, device_->logicalDpiX(), tx_);
    ty_ = deviceTwipsPerPixel(device_, device_->logicalDpiY(), ty_);
    setSize(device_->width() * tx_, device_->height() * ty_);
}

int PainterSurface::pixelX(double twips) const
{
    return int(std::lround(std::clamp(twips / tx_, -PixelLimit, PixelLimit)));
}

int PainterSurface::pixelY(double twips) const
{
    return int(std::lround(std::clamp(twips / ty_, -PixelLimit, PixelLimit)));
}

TextMeasure PainterSurface::measureFor(const host::StdFont& font) const
{
    return TextMeasure(font.toQFont(), device_, tx_, ty_);
}

void PainterSurface::replay(const DrawCall& call)
{
    if (!device_)
        return;
    painter_->save();
    painter_->setRenderHint(QPainter::Antialiasing, false);
    painter_->setBrush(Qt::NoBrush);
    switch (call.op) {
    case Op::Line:
    case Op::LineTo: drawLine(call); break;
    case Op::Rectangle: drawBox(call); break;
    case Op::FillRectangle: fillBox(call); break;
    case Op::Circle: drawCircle(call); break;
    case Op::Text: drawTextAt(call); break;
    case Op::DrawText: drawTextIn(call); break;
    case Op::FocusRect: drawFocusRect(call); break;
    case Op::Cls: clear(call); break;
    }
    painter_->restore();
}

namespace {

// The part of the painter's coordinates that lands on the device, with a
// margin so that clipped lines still enter and leave it the same way.
QRectF visibleBox(const QPainter* painter, const QPaintDevice* device)
{
    const QRectF deviceRect(0, 0, device->width(), device->height());
    return painter->transform().inverted().mapRect(deviceRect).adjusted(-2, -2, 2, 2);
}

void plotPoints(QPainter* painter, const QList<QPoint>& points, int style, const QColor& color)
{
    const Pattern pattern(style);
    // Where a pixel is a pixel of the device (no scaling), a row or column of
    // neighbouring painted points is filled as one span: the same pixels, a
    // fraction of the work for the long straight edges of frames.
    const bool spans = painter->transform().type() <= QTransform::TxTranslate;
    QPolygon painted;
    painted.reserve(points.size());
    qsizetype i = 0;
    while (i < points.size()) {
        if (!pattern.on(int(i))) {
            ++i;
            continue;
        }
        qsizetype end = i + 1;
        if (spans && end < points.size() && pattern.on(int(end))) {
            const QPoint step = points[end] - points[i];
            if (step.manhattanLength() == 1) {
                while (end + 1 < points.size() && pattern.on(int(end + 1)) && points[end + 1] - points[end] == step)
                    ++end;
                ++end;
            }
        }
        if (end - i >= 2) {
            const QPoint& a = points[i];
            const QPoint& b = points[end - 1];
            painter->fillRect(QRect(QPoint(std::min(a.x(), b.x()), std::min(a.y(), b.y())),
                                    QPoint(std::max(a.x(), b.x()), std::max(a.y(), b.y()))),
                              color);
        } else {
            painted.append(points[i]);
        }
        i = end;
    }
    painter->setPen(QPen(color, 1));
    if (!painted.isEmpty())
        painter->drawPoints(painted);
}

}  // namespace

void PainterSurface::drawLine(const DrawCall& c)
{
    if (c.drawStyle == drawstyle::Transparent)
        return;
    const QColor color = resolve(c.color);
    QPoint a(pixelX(c.x1), pixelY(c.y1)), b(pixelX(c.x2), pixelY(c.y2));
    if (a == b)
        return;
    if (c.drawWidth > 1) {
        painter_->setPen(QPen(color, c.drawWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter_->drawLine(QPointF(a) + QPointF(0.5, 0.5), QPointF(b) + QPointF(0.5, 0.5));
        return;
    }
    bool includeEnd = false;
    if (std::max(std::abs(b.x() - a.x()), std::abs(b.y() - a.y())) > SteppedLineLimit) {
        QPointF from(a), to(b);
        if (!clipSegment(from, to, visibleBox(painter_, device_)))
            return;
        const QPoint end = to.toPoint();
        includeEnd = end != b;  // a cut end is not the line's own end
        a = from.toPoint();
        b = end;
    }
    // A solid row or column on an unscaled device is one span: the pixels
    // from a up to b (b itself only where the line was cut short).
    if (stylePattern(c.drawStyle).empty() && (a.x() == b.x() || a.y() == b.y())
        && painter_->transform().type() <= QTransform::TxTranslate) {
        const QPoint step((b.x() > a.x()) - (b.x() < a.x()), (b.y() > a.y()) - (b.y() < a.y()));
        const QPoint last = includeEnd ? b : b - step;
        painter_->setPen(QPen(color, 1));
        painter_->fillRect(QRect(QPoint(std::min(a.x(), last.x()), std::min(a.y(), last.y())),
                                 QPoint(std::max(a.x(), last.x()), std::max(a.y(), last.y()))),
                           color);
        return;
    }
    QList<QPoint> points;
    stepLine(a, b, includeEnd, points);
    plotPoints(painter_, points, c.drawStyle, color);
}

void PainterSurface::drawBox(const DrawCall& c)
{
    const int l = std::min(pixelX(c.x1), pixelX(c.x2)), r = std::max(pixelX(c.x1), pixelX(c.x2));
    const int t = std::min(pixelY(c.y1), pixelY(c.y2)), b = std::max(pixelY(c.y1), pixelY(c.y2));
    if (c.fillStyle != fillstyle::Transparent)
        painter_->fillRect(QRect(l, t, r - l + 1, b - t + 1), QBrush(resolve(c.fillColor), qtBrushStyle(c.fillStyle)));
    if (c.drawStyle == drawstyle::Transparent)
        return;
    const QColor color = resolve(c.color);
    if (c.drawWidth > 1) {
        painter_->setPen(QPen(color, c.drawWidth, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        painter_->drawRect(QRectF(l + 0.5, t + 0.5, r - l, b - t));
        return;
    }
    // Each pixel of the outline once, clockwise from the top-left corner, so
    // a style pattern runs on around the corners. A huge box only walks the
    // part on the device.
    int left = l, right = r, top = t, bottom = b;
    if (double(r - l) + double(b - t) > 2.0 * SteppedLineLimit) {
        const QRectF visible = visibleBox(painter_, device_);
        left = std::max(l, int(visible.left()));
        right = std::min(r, int(visible.right()));
        top = std::max(t, int(visible.top()));
        bottom = std::min(b, int(visible.bottom()));
        if (left > right || top > bottom)
            return;
    }
    QList<QPoint> points;
    if (t >= top && t <= bottom) {
        for (int x = left; x <= right; ++x)
            points.append(QPoint(x, t));
    }
    if (r >= left && r <= right) {
        for (int y = std::max(t + 1, top); y <= bottom; ++y)
            points.append(QPoint(r, y));
    }
    if (b > t && b >= top && b <= bottom) {
        for (int x = std::min(r - 1, right); x >= left; --x)
            points.append(QPoint(x, b));
    }
    if (r > l && l >= left && l <= right) {
        for (int y = std::min(b - 1, bottom); y > t && y >= top; --y)
            points.append(QPoint(l, y));
    }
    plotPoints(painter_, points, c.drawStyle, color);
}

void PainterSurface::fillBox(const DrawCall& c)
{
    const int l = std::min(pixelX(c.x1), pixelX(c.x2)), r = std::max(pixelX(c.x1), pixelX(c.x2));
    const int t = std::min(pixelY(c.y1), pixelY(c.y2)), b = std::max(pixelY(c.y1), pixelY(c.y2));
    painter_->fillRect(QRect(l, t, r - l + 1, b - t + 1), resolve(c.color));
}

void PainterSurface::drawCircle(const DrawCall& c)
{
    double rx = c.radius, ry = c.radius;
    if (c.aspect < 1)
        ry = c.radius * c.aspect;
    else if (c.aspect > 1)
        rx = c.radius / c.aspect;
    const QPointF centre(pixelX(c.x1), pixelY(c.y1));
    const double rxp = std::min(rx / tx_, PixelLimit), ryp = std::min(ry / ty_, PixelLimit);
    const QRectF box(centre.x() - rxp, centre.y() - ryp, 2 * rxp, 2 * ryp);

    const QColor color = resolve(c.color);
    if (c.drawStyle == drawstyle::Transparent)
        painter_->setPen(Qt::NoPen);
    else if (c.drawWidth > 1)
        painter_->setPen(QPen(color, c.drawWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    else
        painter_->setPen(QPen(color, 1, qtPenStyle(c.drawStyle)));
    const QBrush fill(resolve(c.fillColor), qtBrushStyle(c.fillStyle));

    if (!c.startAngle && !c.endAngle) {
        painter_->setBrush(fill);
        painter_->drawEllipse(box);
        return;
    }
    const double start = std::abs(c.startAngle.value_or(0.0));
    const double end = std::abs(c.endAngle.value_or(2 * std::numbers::pi));
    double span = end - start;
    if (span <= 0)
        span += 2 * std::numbers::pi;  // equal ends make the whole ellipse
    const auto sixteenths = [](double radians) { return int(std::lround(radians * 180.0 / std::numbers::pi * 16.0)); };
    const bool startRadius = c.startAngle && *c.startAngle < 0;
    const bool endRadius = c.endAngle && *c.endAngle < 0;
    if (startRadius && endRadius) {
        painter_->setBrush(fill);
        painter_->drawPie(box, sixteenths(start), sixteenths(span));
        return;
    }
    painter_->drawArc(box, sixteenths(start), sixteenths(span));
    const auto edge = [&](double a) { return centre + QPointF(rxp * std::cos(a), -ryp * std::sin(a)); };
    if (startRadius)
        painter_->drawLine(centre, edge(start));
    if (endRadius)
        painter_->drawLine(centre, edge(end));
}

void PainterSurface::drawTextAt(const DrawCall& c)
{
    const QFont font = c.font.toQFont();
    painter_->setFont(font);
    painter_->setPen(resolve(c.color));
    const QFontMetricsF metrics(font, device_);
    painter_->drawText(QPointF(pixelX(c.x1), pixelY(c.y1) + metrics.ascent()), c.text);
}

void PainterSurface::drawTextIn(const DrawCall& c)
{
    if ((c.flags & dt::CalcRect) || c.text.isEmpty())
        return;
    const int l = pixelX(c.rect.left), t = pixelY(c.rect.top);
    const QRect area(l, t, std::max(0, pixelX(c.rect.left + c.rect.width) - l),
                     std::max(0, pixelY(c.rect.top + c.rect.height) - t));
    painter_->setFont(c.font.toQFont());
    painter_->setPen(resolve(c.color));
    painter_->drawText(area, TextMeasure::qtFlags(c.flags), TextMeasure::normalizedText(c.text));
}

void PainterSurface::drawFocusRect(const DrawCall& c)
{
    // Without raster operations a device could not take the rectangle away
    // again, so it does not get one (a focus cue belongs on screen anyway).
    if (!painter_->paintEngine() || !painter_->paintEngine()->hasFeature(QPaintEngine::RasterOpModes))
        return;
    const int l = pixelX(c.rect.left), t = pixelY(c.rect.top);
    const int r = pixelX(c.rect.left + c.rect.width) - 1, b = pixelY(c.rect.top + c.rect.height) - 1;
    if (r < l || b < t)
        return;
    const QRectF visible = visibleBox(painter_, device_);
    const int left = std::max(l, int(visible.left())), right = std::min(r, int(visible.right()));
    const int top = std::max(t, int(visible.top())), bottom = std::min(b, int(visible.bottom()));
    // Every other pixel of the one-pixel outline, each pixel exactly once
    // (sides without the corners), so inverting twice restores it.
    QPolygon points;
    const auto dot = [&](int x, int y) {
        if ((x + y) % 2 == 0)
            points.append(QPoint(x, y));
    };
    for (int x = left; x <= right; ++x) {
        if (t >= top && t <= bottom)
            dot(x, t);
        if (b != t && b >= top && b <= bottom)
            dot(x, b);
    }
    for (int y = std::max(t + 1, top); y <= std::min(b - 1, bottom); ++y) {
        if (l >= left && l <= right)
            dot(l, y);
        if (r != l && r >= left && r <= right)
            dot(r, y);
    }
    painter_->setCompositionMode(QPainter::RasterOp_NotDestination);
    painter_->setPen(QPen(Qt::black, 1));
    painter_->drawPoints(points);
}

void PainterSurface::clear(const DrawCall& c)
{
    const double w = std::min(std::ceil(Width() / tx_), PixelLimit);
    const double h = std::min(std::ceil(Height() / ty_), PixelLimit);
    if (w > 0 && h > 0)
        painter_->fillRect(QRectF(0, 0, w, h), resolve(c.color));
}

}  // namespace orx::draw
