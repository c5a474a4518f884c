#include "reportrt/layout/TextMeasure.h"

#include <QFont>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <cmath>
#include <functional>

namespace orx::reportrt::layout {

int lineHeight(const definition::FontDef& font)
{
    return static_cast<int>(std::ceil(font.size * 20.0 * 1.2));  // points to twips, with line spacing
}

QStringList wrapLines(const QString& text, const definition::FontDef& font, int widthTwips)
{
    std::function<double(const QString&)> width;
    std::unique_ptr<QFontMetricsF> metrics;
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        QFont f(font.family);
        f.setPixelSize(font.size * 20);  // one pixel per twip: the metrics are in twips
        f.setBold(font.bold);
        f.setItalic(font.italic);
        metrics = std::make_unique<QFontMetricsF>(f);
        width = [&metrics](const QString& s) { return metrics->horizontalAdvance(s); };
    } else {
        const double charWidth = font.size * 20.0 * 0.5;
        width = [charWidth](const QString& s) { return s.size() * charWidth; };
    }
    QStringList lines;
    const double limit = std::max(1, widthTwips);
    for (const QString& paragraph : text.split(QLatin1Char('\n'))) {
        QString line;
        for (const QString& word : paragraph.split(QLatin1Char(' '))) {
            const QString candidate = line.isEmpty() ? word : line + QLatin1Char(' ') + word;
            if (width(candidate) <= limit || line.isEmpty()) {
                line = candidate;
            } else {
                lines << line;
                line = word;
            }
            // A word wider than the line is cut where it reaches the edge.
            while (width(line) > limit && line.size() > 1) {
                qsizetype fit = 1;
                while (fit < line.size() && width(line.left(fit + 1)) <= limit)
                    ++fit;
                lines << line.left(fit);
                line = line.mid(fit);
            }
        }
        lines << line;
    }
    return lines;
}

int wrappedHeight(const QString& text, const definition::FontDef& font, int widthTwips)
{
    return static_cast<int>(wrapLines(text, font, widthTwips).size()) * lineHeight(font);
}

}  // namespace orx::reportrt::layout
