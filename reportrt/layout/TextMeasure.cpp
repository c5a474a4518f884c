#include "reportrt/layout/TextMeasure.h"

#include <QFont>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <cmath>

namespace orx::reportrt::layout {

int wrappedHeight(const QString& text, const definition::FontDef& font, int widthTwips)
{
    const double lineHeight = font.size * 20.0 * 1.2;  // points to twips, with line spacing
    if (text.isEmpty() || widthTwips <= 0)
        return static_cast<int>(std::ceil(lineHeight));
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        QFont f(font.family);
        f.setPixelSize(font.size * 20);  // one pixel per twip: the metrics are in twips
        f.setBold(font.bold);
        f.setItalic(font.italic);
        const QFontMetricsF m(f);
        const QRectF r = m.boundingRect(QRectF(0, 0, widthTwips, 1e9), Qt::TextWordWrap, text);
        const int lines = std::max(1, static_cast<int>(std::lround(r.height() / m.lineSpacing())));
        return static_cast<int>(std::ceil(lines * lineHeight));
    }
    const double charWidth = font.size * 20.0 * 0.5;
    const int perLine = std::max(1, static_cast<int>(widthTwips / charWidth));
    int lines = 0;
    for (const QString& para : text.split(QLatin1Char('\n'))) {
        int col = 0;
        int paraLines = 1;
        for (const QString& word : para.split(QLatin1Char(' '))) {
            const int w = static_cast<int>(word.size());
            if (col > 0 && col + 1 + w > perLine) {
                ++paraLines;
                col = 0;
            }
            col += (col > 0 ? 1 : 0) + w;
            while (col > perLine) {
                ++paraLines;
                col -= perLine;
            }
        }
        lines += paraLines;
    }
    return static_cast<int>(std::ceil(lines * lineHeight));
}

}  // namespace orx::reportrt::layout
