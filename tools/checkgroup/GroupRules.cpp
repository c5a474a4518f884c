#include "tools/checkgroup/GroupRules.h"

#include <cmath>
#include <limits>

namespace orx::tools::groups {

std::int32_t roundTwips(double value)
{
    if (std::isnan(value))
        return 0;
    const double r = std::nearbyint(value);  // the default mode: halves to even
    constexpr double lo = std::numeric_limits<std::int32_t>::min();
    constexpr double hi = std::numeric_limits<std::int32_t>::max();
    return std::int32_t(r < lo ? lo : (r > hi ? hi : r));
}

std::int32_t cellWidth(const LayoutInput& in)
{
    // A count or column number below 1 (a damaged bag) lays out as one
    // item per cell rather than dividing by zero.
    const int count = in.count < 1 ? 1 : in.count;
    const int columns = in.columns < 1 ? 1 : in.columns;
    std::int32_t w = 0;
    switch (in.orientation) {
    case Vertical: w = roundTwips(in.width - 2 * in.horizSpacing); break;
    case Horizontal: w = roundTwips(in.width / count - in.horizSpacing); break;
    case Grid: w = roundTwips(in.width / columns - in.horizSpacing); break;
    default: break;
    }
    const double least = in.boxWidth + in.horizSpacing;
    if (in.widenOnEqual ? least >= w : least > w)
        w = roundTwips(least + 15);
    return w;
}

QList<ItemPlace> layoutItems(const LayoutInput& in)
{
    QList<ItemPlace> places;
    const std::int32_t w = cellWidth(in);
    const double hs = in.horizSpacing, vs = in.vertSpacing;
    const int columns = in.columns < 1 ? 1 : in.columns;
    int r = 0;
    for (int i = 0; i < in.count; ++i) {
        ItemPlace p;
        p.captionWidth = roundTwips(w - in.boxWidth - hs);
        std::optional<double> cellLeft;
        int c = 0;
        switch (in.orientation) {
        case Vertical:
            cellLeft = 0;
            p.top = (in.boxHeight + vs) * i + vs;
            break;
        case Horizontal:
            cellLeft = double(w + hs) * i;
            p.top = in.height / 2 - in.boxHeight / 2;
            break;
        case Grid:
            c = i - r * columns;
            cellLeft = double(w + hs) * c;
            p.top = (in.boxHeight + vs) * r + vs;
            if (c == columns - 1)
                ++r;
            break;
        default: break;
        }
        if (cellLeft) {
            if (in.captionPosition == CaptionRight) {
                p.boxLeft = *cellLeft + hs;
                p.labelLeft = *cellLeft + in.boxWidth + 2 * hs;
            } else if (in.captionPosition == CaptionLeft) {
                p.labelLeft = *cellLeft + hs;
                p.boxLeft = *cellLeft + p.captionWidth + 2 * hs;
            }
        }
        places << p;
    }
    return places;
}

QStringList fitPieces(const QString& text, int count, const std::function<QString(int)>& filler)
{
    QStringList pieces = text.isEmpty() ? QStringList{filler(0)} : text.split(QLatin1Char('|'));
    while (pieces.size() < count)
        pieces << filler(int(pieces.size()));
    while (pieces.size() > count && !pieces.isEmpty())
        pieces.removeLast();
    return pieces;
}

bool splitsList(const QString& piece)
{
    return piece.contains(QLatin1Char('|'));
}

QString listValueOf(const QList<bool>& states)
{
    QString s;
    for (bool on : states)
        s += on ? QLatin1Char('1') : QLatin1Char('0');
    return s;
}

std::int32_t numericValueOf(const QList<bool>& states)
{
    // The mask holds items 0 to 30; later items have no bit.
    std::int32_t v = 0;
    for (int i = 0; i < states.size() && i < 31; ++i) {
        if (states[i])
            v |= std::int32_t(1) << i;
    }
    return v;
}

QList<bool> statesFromListValue(const QString& listValue, int count)
{
    QList<bool> states;
    for (int i = 0; i < count; ++i)
        states << (i < listValue.size() && listValue.at(i) == QLatin1Char('1'));
    return states;
}

QList<bool> statesFromNumericValue(std::int32_t value, int count)
{
    QList<bool> states;
    for (int i = 0; i < count; ++i)
        states << (i < 32 && (std::uint32_t(value) >> i & 1u) != 0);
    return states;
}

bool numericValueFits(double value, int count)
{
    return value < std::pow(2.0, count);
}

FocusBox focusOutline(double left, double top, double width, double height)
{
    return {left - 30, top - 15, left + width + 45, top + height + 15};
}

PixelBox focusPixels(double left, double top, double width, double height, double tx, double ty)
{
    const std::int32_t l = roundTwips((left - 30) / tx);
    const std::int32_t t = roundTwips((top - 15) / ty);
    const std::int32_t r = roundTwips((width + 75) / tx + l);
    const std::int32_t b = roundTwips((height + 30) / ty + t);
    return {l, t, r, b};
}

}  // namespace orx::tools::groups

namespace orx::tools::groups {

DataNames dataNamesOf(const QString& source)
{
    const qsizetype p = source.indexOf(QLatin1Char('('));
    if (p < 0)
        return {source, QString()};
    return {source.left(p), source.mid(p + 1, std::max<qsizetype>(0, source.size() - p - 2))};
}

}  // namespace orx::tools::groups

namespace orx::tools::groups {

LockedSize lockedSize(int lockSize, double designWidth, double designHeight)
{
    LockedSize s;
    if ((lockSize == 2 || lockSize == 3) && designWidth > 0)
        s.width = designWidth;
    if ((lockSize == 1 || lockSize == 3) && designHeight > 0)
        s.height = designHeight;
    return s;
}

}  // namespace orx::tools::groups
