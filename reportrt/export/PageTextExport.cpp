#include "reportrt/export/PageTextExport.h"

#include <QColor>
#include <QUrl>
#include <algorithm>

namespace orx::reportrt::exporting {

namespace {

constexpr int kTwipsPerColumn = 120;

using layout::PageItem;

// One line of text from texts on one row, placed by column.
QString rowLine(std::vector<const PageItem*> row, const layout::PageModel& model)
{
    QString line;
    for (const PageItem* i : row) {
        const QString text = i->text.simplified();
        const bool right = i->style >= 0 && i->style < static_cast<int>(model.styles().size())
            && model.styles()[static_cast<std::size_t>(i->style)].alignment == definition::Alignment::Right;
        qsizetype column = right ? (i->rect.left() + i->rect.width()) / kTwipsPerColumn - text.size()
                                 : i->rect.left() / kTwipsPerColumn;
        column = std::max<qsizetype>(column, 0);
        if (!line.isEmpty())
            column = std::max(column, line.size() + 1);
        line += QString(column - line.size(), QLatin1Char(' '));
        line += text;
    }
    return line;
}

QString cssColor(QRgb rgb)
{
    return QColor::fromRgba(rgb).name(QColor::HexRgb);
}

QString pt(int twips)
{
    return QString::number(twips / 20.0, 'g', 8) + QStringLiteral("pt");
}

QString box(const QRect& r)
{
    return QStringLiteral("left:%1;top:%2;width:%3;height:%4").arg(pt(r.left()), pt(r.top()), pt(r.width()), pt(r.height()));
}

}  // namespace

std::vector<std::vector<const PageItem*>> textRows(const layout::Page& page)
{
    std::vector<const PageItem*> texts;
    for (const auto& i : page.items)
        if (i.kind == PageItem::Kind::Text && !i.text.isEmpty())
            texts.push_back(&i);
    std::stable_sort(texts.begin(), texts.end(), [](const PageItem* a, const PageItem* b) {
        return a->rect.top() < b->rect.top();
    });
    std::vector<std::vector<const PageItem*>> rows;
    int rowTop = 0, rowHeight = 0;
    for (const PageItem* i : texts) {
        // Texts whose tops lie within half the row's height share the row.
        if (rows.empty() || i->rect.top() >= rowTop + std::max(1, rowHeight / 2)) {
            rows.emplace_back();
            rowTop = i->rect.top();
            rowHeight = i->rect.height();
        }
        rows.back().push_back(i);
    }
    for (auto& row : rows)
        std::stable_sort(row.begin(), row.end(), [](const PageItem* a, const PageItem* b) {
            return a->rect.left() < b->rect.left();
        });
    return rows;
}

std::vector<TabbedText> tabbedRow(const std::vector<const PageItem*>& row, const layout::PageModel& model)
{
    std::vector<TabbedText> out;
    int lastStop = 0;
    for (const PageItem* i : row) {
        TabbedText t;
        t.item = i;
        if (i->style >= 0 && i->style < static_cast<int>(model.styles().size()))
            t.style = model.styles()[static_cast<std::size_t>(i->style)];
        const auto align = t.style.alignment;
        const int edge = align == definition::Alignment::Right    ? i->rect.left() + i->rect.width()
                         : align == definition::Alignment::Center ? i->rect.left() + i->rect.width() / 2
                                                                  : i->rect.left();
        const int stop = edge - model.setup.marginLeft;
        if (stop > lastStop) {
            t.stop = stop;
            lastStop = stop;
        }
        out.push_back(t);
    }
    return out;
}

QByteArray pagesText(const layout::PageModel& model)
{
    QString out;
    for (int p = 0; p < model.pageCount(); ++p) {
        if (p > 0)
            out += QLatin1Char('\f');
        for (const auto& row : textRows(model.page(p)))
            out += rowLine(row, model) + QLatin1Char('\n');
    }
    return out.toUtf8();
}

QByteArray pagesHtml40(const layout::PageModel& model, const QString& title)
{
    QString h;
    h += QStringLiteral("<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01//EN\" \"http://www.w3.org/TR/html4/strict.dtd\">\n"
                        "<html>\n<head>\n<meta http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\">\n<title>");
    h += title.toHtmlEscaped();
    h += QStringLiteral("</title>\n<style type=\"text/css\">\n"
                        "body { background: #e0e0e0; margin: 0; }\n"
                        "div.page { position: relative; overflow: hidden; background: #ffffff; margin: 12pt auto; }\n"
                        "div.page div, div.page img { position: absolute; margin: 0; padding: 0; box-sizing: border-box; }\n"
                        "div.t { white-space: pre; overflow: hidden; }\n"
                        "div.g { white-space: normal; overflow: hidden; }\n");
    const auto& styles = model.styles();
    for (std::size_t s = 0; s < styles.size(); ++s) {
        const auto& st = styles[s];
        const char* align = st.alignment == definition::Alignment::Right    ? "right"
                            : st.alignment == definition::Alignment::Center  ? "center"
                            : st.alignment == definition::Alignment::Justify ? "justify"
                                                                             : "left";
        h += QStringLiteral(".s%1 { font-family: '%2'; font-size: %3pt; font-weight: %4; font-style: %5; "
                            "text-decoration: %6; text-align: %7; color: %8; }\n")
                 .arg(s)
                 .arg(QString(st.family).remove(QLatin1Char('\'')).toHtmlEscaped())
                 .arg(st.size)
                 .arg(QLatin1String(st.bold ? "bold" : "normal"), QLatin1String(st.italic ? "italic" : "normal"),
                      QLatin1String(st.underline ? "underline" : "none"), QLatin1String(align), cssColor(st.color));
    }
    h += QStringLiteral("</style>\n</head>\n<body>\n");
    for (int p = 0; p < model.pageCount(); ++p) {
        h += QStringLiteral("<div class=\"page\" id=\"page%1\" style=\"width:%2;height:%3\">\n")
                 .arg(p + 1)
                 .arg(pt(model.paperSize.width()), pt(model.paperSize.height()));
        for (const auto& i : model.page(p).items) {
            switch (i.kind) {
            case PageItem::Kind::Text:
                if (i.text.isEmpty())
                    break;
                h += QStringLiteral("<div class=\"%1 s%2\" style=\"%3\">%4</div>\n")
                         .arg(QLatin1String(i.canGrow ? "g" : "t"))
                         .arg(std::max(0, i.style))
                         .arg(box(i.rect), i.text.toHtmlEscaped());
                break;
            case PageItem::Kind::Line: {
                const bool across = i.rect.width() >= i.rect.height();
                h += QStringLiteral("<div style=\"%1;border-%2:%3 solid %4\"></div>\n")
                         .arg(box(across ? QRect(i.rect.left(), i.rect.center().y(), i.rect.width(), 0)
                                         : QRect(i.rect.center().x(), i.rect.top(), 0, i.rect.height())),
                              QLatin1String(across ? "top" : "left"), pt(std::max(1, i.thickness)), cssColor(i.color));
                break;
            }
            case PageItem::Kind::Box:
                h += QStringLiteral("<div style=\"%1;border:%2 solid %3;%4\"></div>\n")
                         .arg(box(i.rect), pt(i.thickness), cssColor(i.color),
                              i.fill ? QStringLiteral("background:%1").arg(cssColor(i.fill)) : QString());
                break;
            case PageItem::Kind::Picture:
                h += QStringLiteral("<img style=\"%1\" src=\"%2\" alt=\"\">\n")
                         .arg(box(i.rect), QUrl::fromLocalFile(i.text).toString(QUrl::FullyEncoded).toHtmlEscaped());
                break;
            }
        }
        h += QStringLiteral("</div>\n");
    }
    h += QStringLiteral("</body>\n</html>\n");
    return h.toUtf8();
}

namespace {

// An HTML font size (1 to 7) for a point size.
int htmlFontSize(int points)
{
    constexpr int limits[] = {8, 10, 12, 14, 18, 24};
    int size = 1;
    for (const int limit : limits) {
        if (points <= limit)
            return size;
        ++size;
    }
    return 7;
}

int pixels(int twips)
{
    return std::max(1, (twips + 7) / 15);  // 96 pixels an inch
}

QString html32Text(const PageItem& i, const layout::PageModel& model)
{
    QString t = i.text.toHtmlEscaped();
    if (i.style < 0 || i.style >= static_cast<int>(model.styles().size()))
        return t;
    const auto& st = model.styles()[static_cast<std::size_t>(i.style)];
    if (st.underline)
        t = QStringLiteral("<u>%1</u>").arg(t);
    if (st.italic)
        t = QStringLiteral("<i>%1</i>").arg(t);
    if (st.bold)
        t = QStringLiteral("<b>%1</b>").arg(t);
    return QStringLiteral("<font face=\"%1\" size=\"%2\" color=\"%3\">%4</font>")
        .arg(st.family.toHtmlEscaped())
        .arg(htmlFontSize(st.size))
        .arg(cssColor(st.color), t);
}

}  // namespace

QByteArray pagesHtml32(const layout::PageModel& model, const QString& title)
{
    QString h;
    h += QStringLiteral("<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 3.2 Final//EN\">\n<html>\n<head>\n"
                        "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\">\n<title>");
    h += title.toHtmlEscaped();
    h += QStringLiteral("</title>\n</head>\n<body bgcolor=\"#ffffff\">\n");
    const int paperWidth = model.paperSize.isEmpty() ? layout::paperSizeTwips(1, 1).width() : model.paperSize.width();
    for (int p = 0; p < model.pageCount(); ++p) {
        if (p > 0)
            h += QStringLiteral("<hr>\n");
        const auto rows = textRows(model.page(p));
        // The columns of the page: one at each left edge where a text begins.
        std::vector<int> edges;
        for (const auto& row : rows)
            for (const PageItem* i : row)
                edges.push_back(std::max(0, i->rect.left()));
        edges.push_back(0);
        std::sort(edges.begin(), edges.end());
        edges.erase(std::unique(edges.begin(), edges.end()), edges.end());
        const int columns = static_cast<int>(edges.size());
        auto columnOf = [&](int left) {
            return static_cast<int>(std::upper_bound(edges.begin(), edges.end(), std::max(0, left)) - edges.begin()) - 1;
        };
        h += QStringLiteral("<a name=\"page%1\"></a>\n<table border=\"0\" cellspacing=\"0\" cellpadding=\"0\" width=\"%2\">\n<tr>")
                 .arg(p + 1)
                 .arg(pixels(std::max(paperWidth, edges.back() + 15)));
        for (int c = 0; c < columns; ++c) {
            const int right = c + 1 < columns ? edges[static_cast<std::size_t>(c) + 1] : std::max(paperWidth, edges.back() + 15);
            h += QStringLiteral("<td width=\"%1\"></td>").arg(pixels(right - edges[static_cast<std::size_t>(c)]));
        }
        h += QStringLiteral("</tr>\n");
        for (const auto& row : rows) {
            h += QStringLiteral("<tr>");
            int at = 0;
            for (std::size_t k = 0; k < row.size(); ++k) {
                const PageItem& i = *row[k];
                const int c = std::max(columnOf(i.rect.left()), at);
                if (c >= columns)
                    break;  // texts at one edge share the cell of the first
                if (c > at)
                    h += QStringLiteral("<td colspan=\"%1\"></td>").arg(c - at);
                int end = columns;
                for (std::size_t n = k + 1; n < row.size(); ++n) {
                    const int next = columnOf(row[n]->rect.left());
                    if (next > c) {
                        end = next;
                        break;
                    }
                }
                QString text = html32Text(i, model);
                // Texts beginning at the same edge go into one cell.
                while (k + 1 < row.size() && columnOf(row[k + 1]->rect.left()) <= c)
                    text += QLatin1Char(' ') + html32Text(*row[++k], model);
                const bool right = i.style >= 0 && i.style < static_cast<int>(model.styles().size())
                    && model.styles()[static_cast<std::size_t>(i.style)].alignment == definition::Alignment::Right;
                const bool center = i.style >= 0 && i.style < static_cast<int>(model.styles().size())
                    && model.styles()[static_cast<std::size_t>(i.style)].alignment == definition::Alignment::Center;
                h += QStringLiteral("<td%1%2 nowrap>%3</td>")
                         .arg(end - c > 1 ? QStringLiteral(" colspan=\"%1\"").arg(end - c) : QString(),
                              right ? QStringLiteral(" align=\"right\"") : center ? QStringLiteral(" align=\"center\"") : QString(),
                              text);
                at = end;
            }
            h += QStringLiteral("</tr>\n");
        }
        h += QStringLiteral("</table>\n");
    }
    h += QStringLiteral("</body>\n</html>\n");
    return h.toUtf8();
}

}  // namespace orx::reportrt::exporting
