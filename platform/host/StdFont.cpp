#include "platform/host/StdFont.h"

#include <algorithm>
#include <cmath>

namespace orx::host {

QFont StdFont::toQFont() const
{
    QFont font(name);
    font.setPointSizeF(size > 0 ? size : 8.25);
    font.setItalic(italic);
    font.setUnderline(underline);
    font.setStrikeOut(strikethrough);
    // The classic weights run 0..1000; Qt's run 1..1000 on the same scale.
    font.setWeight(QFont::Weight(std::clamp(weight, 1, 1000)));
    return font;
}

StdFont StdFont::fromQFont(const QFont& font, int charset)
{
    StdFont f;
    f.name = font.family();
    f.size = font.pointSizeF() > 0 ? font.pointSizeF() : 8.25;
    f.italic = font.italic();
    f.underline = font.underline();
    f.strikethrough = font.strikeOut();
    f.weight = int(font.weight());
    f.charset = charset;
    return f;
}

}  // namespace orx::host
