#include "platform/draw/Surface.h"

#include "platform/basic/BasicError.h"

#include <QFontMetricsF>
#include <QStringList>
#include <algorithm>
#include <cmath>
#include <numbers>
#include <ostream>

namespace orx::draw {

namespace {

// Text measured in fractional pixels is rounded up to whole pixels, as the
// classic surface measured; the small allowance keeps an exact 12.0 from
// becoming 13 through floating-point noise.
double wholePixels(double pixels)
{
    return std::max(0.0, std::ceil(pixels - 1e-6));
}

void requireFinite(std::initializer_list<double> values)
{
    for (double v : values) {
        if (!std::isfinite(v))
            basic::raiseError(basic::err::Overflow);
    }
}

QStringList textLines(const QString& text)
{
    return TextMeasure::normalizedText(text).split(QLatin1Char('\n'));
}

}  // namespace

QString operationName(Op op)
{
    switch (op) {
    case Op::Line: return QStringLiteral("Line");
    case Op::LineTo: return QStringLiteral("LineTo");
    case Op::Rectangle: return QStringLiteral("Rectangle");
    case Op::FillRectangle: return QStringLiteral("FillRectangle");
    case Op::Circle: return QStringLiteral("Circle");
    case Op::Text: return QStringLiteral("Text");
    case Op::DrawText: return QStringLiteral("DrawText");
    case Op::FocusRect: return QStringLiteral("FocusRect");
    case Op::Cls: return QStringLiteral("Cls");
    }
    return QStringLiteral("?");
}

std::ostream& operator<<(std::ostream& out, const DrawCall& c)
{
    out << operationName(c.op).toStdString() << " (" << c.x1 << ", " << c.y1 << ")-(" << c.x2 << ", " << c.y2
        << ") color 0x" << std::hex << c.color.value << std::dec << " width " << c.drawWidth << " style "
        << c.drawStyle << " fill " << c.fillStyle << "/0x" << std::hex << c.fillColor.value << std::dec;
    if (c.op == Op::Circle) {
        out << " radius " << c.radius << " aspect " << c.aspect;
        if (c.startAngle)
            out << " start " << *c.startAngle;
        if (c.endAngle)
            out << " end " << *c.endAngle;
    }
    if (!c.text.isEmpty())
        out << " text \"" << c.text.toStdString() << '"';
    if (c.op == Op::DrawText || c.op == Op::FocusRect)
        out << " rect [" << c.rect.left << ", " << c.rect.top << ", " << c.rect.width << " x " << c.rect.height
            << "] flags " << c.flags;
    return out;
}

// --- TextMeasure -----------------------------------------------------------

TextMeasure::TextMeasure(const QFont& font, QPaintDevice* device, double twipsPerPixelX, double twipsPerPixelY)
    : font_(font), device_(device), tx_(twipsPerPixelX), ty_(twipsPerPixelY)
{
}

namespace {
QFontMetricsF metricsOf(const QFont& font, QPaintDevice* device)
{
    return device ? QFontMetricsF(font, device) : QFontMetricsF(font);
}
}  // namespace

double TextMeasure::lineHeight() const
{
    return wholePixels(metricsOf(font_, device_).lineSpacing()) * ty_;
}

double TextMeasure::width(const QString& line) const
{
    return wholePixels(metricsOf(font_, device_).horizontalAdvance(line)) * tx_;
}

QSizeF TextMeasure::layout(const host::TwipRect& rect, const QString& text, int flags) const
{
    if (text.isEmpty())
        return {0, 0};
    const QRectF area(0, 0, std::max(0.0, rect.width / tx_), std::max(0.0, rect.height / ty_));
    const QFontMetricsF metrics = metricsOf(font_, device_);
    const QRectF used = metrics.boundingRect(area, qtFlags(flags), normalizedText(text));
    // Whole lines of whole pixels, as the classic text output counted them,
    // so a measured height is always a multiple of the line height.
    const double spacing = metrics.lineSpacing();
    const double lines = spacing > 0 ? std::max(1.0, std::round(used.height() / spacing)) : 1.0;
    return {wholePixels(used.width()) * tx_, lines * lineHeight()};
}

int TextMeasure::qtFlags(int flags)
{
    int q = 0;
    if (flags & dt::Right)
        q |= Qt::AlignRight;
    else if (flags & dt::Center)
        q |= Qt::AlignHCenter;
    else
        q |= Qt::AlignLeft;
    // Vertical placement only means something for a single line; several
    // lines always start at the top, as the classic text output did.
    if ((flags & dt::SingleLine) && (flags & dt::Bottom))
        q |= Qt::AlignBottom;
    else if ((flags & dt::SingleLine) && (flags & dt::VCenter))
        q |= Qt::AlignVCenter;
    else
        q |= Qt::AlignTop;
    if (flags & dt::SingleLine)
        q |= Qt::TextSingleLine;
    else if (flags & dt::WordBreak)
        q |= Qt::TextWordWrap;
    if (flags & dt::ExpandTabs)
        q |= Qt::TextExpandTabs;
    if (flags & dt::NoClip)
        q |= Qt::TextDontClip;
    if (flags & dt::HidePrefix)
        q |= Qt::TextHideMnemonic;
    else if (!(flags & dt::NoPrefix))
        q |= Qt::TextShowMnemonic;
    return q;
}

QString TextMeasure::normalizedText(const QString& text)
{
    QString t = text;
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    t.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return t;
}

// --- Surface ---------------------------------------------------------------

Surface::Surface(const QPalette& palette) : palette_(palette) {}

Surface::~Surface() = default;

void Surface::setSize(double width, double height)
{
    width_ = width;
    height_ = height;
}

void Surface::setFillStyle(int style)
{
    if (style < fillstyle::Solid || style > fillstyle::DiagonalCross)
        basic::raiseError(basic::err::InvalidPropertyValue);
    fillStyle_ = style;
}

void Surface::setDrawWidth(int pixels)
{
    if (pixels < 1 || pixels > 32767)
        basic::raiseError(basic::err::InvalidPropertyValue);
    drawWidth_ = pixels;
}

void Surface::setDrawStyle(int style)
{
    if (style < drawstyle::Solid || style > drawstyle::InsideSolid)
        basic::raiseError(basic::err::InvalidPropertyValue);
    drawStyle_ = style;
}

DrawCall Surface::makeCall(Op op) const
{
    DrawCall c;
    c.op = op;
    c.color = foreColor_;
    c.drawWidth = drawWidth_;
    c.drawStyle = drawStyle_;
    c.fillStyle = fillStyle_;
    c.fillColor = fillColor_;
    c.font = font_;
    return c;
}

void Surface::segment(Op op, double x1, double y1, double x2, double y2, std::optional<host::OleColor> color)
{
    requireFinite({x1, y1, x2, y2});
    DrawCall c = makeCall(op);
    c.x1 = x1;
    c.y1 = y1;
    c.x2 = x2;
    c.y2 = y2;
    c.color = color.value_or(foreColor_);
    replay(c);
    currentX_ = x2;
    currentY_ = y2;
}

void Surface::Line(double x1, double y1, double x2, double y2, std::optional<host::OleColor> color)
{
    segment(Op::Line, x1, y1, x2, y2, color);
}

void Surface::LineTo(double x2, double y2, std::optional<host::OleColor> color)
{
    segment(Op::LineTo, currentX_, currentY_, x2, y2, color);
}

void Surface::Rectangle(double x1, double y1, double x2, double y2, std::optional<host::OleColor> color)
{
    segment(Op::Rectangle, x1, y1, x2, y2, color);
}

void Surface::FillRectangle(double x1, double y1, double x2, double y2, std::optional<host::OleColor> color)
{
    segment(Op::FillRectangle, x1, y1, x2, y2, color);
}

void Surface::Circle(double x, double y, double radius, std::optional<host::OleColor> color,
                     std::optional<double> startAngle, std::optional<double> endAngle, double aspect)
{
    requireFinite({x, y, radius, aspect});
    // A little allowance so that 2 * pi computed by the caller in another
    // order still passes.
    const double limit = 2 * std::numbers::pi + 1e-6;
    const auto outside = [limit](const std::optional<double>& a) { return a && !(std::abs(*a) <= limit); };
    if (outside(startAngle) || outside(endAngle) || radius < 0 || aspect <= 0)
        basic::raiseError(basic::err::InvalidProcedureCall);
    DrawCall c = makeCall(Op::Circle);
    c.x1 = x;
    c.y1 = y;
    c.radius = radius;
    c.aspect = aspect;
    c.startAngle = startAngle;
    c.endAngle = endAngle;
    c.color = color.value_or(foreColor_);
    replay(c);
    currentX_ = x;
    currentY_ = y;
}

void Surface::Print(const QString& text, bool stayOnLine)
{
    const TextMeasure measure = textMeasure();
    const double lineHeight = measure.lineHeight();
    const QStringList lines = textLines(text);
    double x = currentX_, y = currentY_;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (i > 0) {
            x = 0;
            y += lineHeight;
        }
        if (lines[i].isEmpty())
            continue;
        DrawCall c = makeCall(Op::Text);
        c.x1 = x;
        c.y1 = y;
        c.text = lines[i];
        replay(c);
    }
    if (stayOnLine) {
        currentX_ = x + measure.width(lines.last());
        currentY_ = y;
    } else {
        currentX_ = 0;
        currentY_ = y + lineHeight;
    }
}

void Surface::TextOut(double x, double y, const QString& text)
{
    requireFinite({x, y});
    const double lineHeight = textMeasure().lineHeight();
    const QStringList lines = textLines(text);
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (lines[i].isEmpty())
            continue;
        DrawCall c = makeCall(Op::Text);
        c.x1 = x;
        c.y1 = y + double(i) * lineHeight;
        c.text = lines[i];
        replay(c);
    }
}

double Surface::TextWidth(const QString& text) const
{
    const TextMeasure measure = textMeasure();
    double widest = 0;
    for (const QString& line : textLines(text))
        widest = std::max(widest, measure.width(line));
    return widest;
}

double Surface::TextHeight(const QString& text) const
{
    return textMeasure().lineHeight() * double(textLines(text).size());
}

double Surface::DrawText(const host::TwipRect& rect, const QString& text, int flags, host::TwipRect* measured)
{
    requireFinite({rect.left, rect.top, rect.width, rect.height});
    const QSizeF size = textMeasure().layout(rect, text, flags);
    if (measured)
        *measured = host::TwipRect{rect.left, rect.top, size.width(), size.height()};
    DrawCall c = makeCall(Op::DrawText);
    c.rect = rect;
    c.text = text;
    c.flags = flags;
    replay(c);
    return size.height();
}

void Surface::DrawFocusRect(const host::TwipRect& rect)
{
    requireFinite({rect.left, rect.top, rect.width, rect.height});
    DrawCall c = makeCall(Op::FocusRect);
    c.rect = rect;
    replay(c);
}

void Surface::DrawFocusRectPixels(int left, int top, int right, int bottom)
{
    const double tx = host::twipsPerPixelX(), ty = host::twipsPerPixelY();
    DrawFocusRect(host::TwipRect{left * tx, top * ty, double(right - left) * tx, double(bottom - top) * ty});
}

void Surface::Cls(std::optional<host::OleColor> color)
{
    DrawCall c = makeCall(Op::Cls);
    c.color = color.value_or(backColor_);
    replay(c);
    currentX_ = 0;
    currentY_ = 0;
}

}  // namespace orx::draw
