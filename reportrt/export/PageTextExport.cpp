#include "reportrt/export/PageTextExport.h"

#include <QColor>
#include <QUrl>
#include <algorithm>

namespace orx::reportrt::exporting {

namespace {

constexpr int kTwipsPerColumn = 120;

using layout::PageItem;

std::vector<const PageItem*> textsByRow(const layout::Page& page)
{
    std::vector<const PageItem*> texts;
    for (const auto& i : page.items)
        if (i.kind == PageItem::Kind::Text && !i.text.isEmpty())
            texts.push_back(&i);
    std::stable_sort(texts.begin(), texts.end(), [](const PageItem* a, const PageItem* b) {
        return a->rect.top() < b->rect.top();
    });
    return texts;
}

// One line of text from texts on one row, placed by column.
QString rowLine(std::vector<const PageItem*> row, const layout::PageModel& model)
{
    std::stable_sort(row.begin(), row.end(), [](const PageItem* a, const PageItem* b) {
        return a->rect.left() < b->rect.left();
    });
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

QByteArray pagesText(const layout::PageModel& model)
{
    QString out;
    for (int p = 0; p < model.pageCount(); ++p) {
        if (p > 0)
            out += QLatin1Char('\f');
        const auto texts = textsByRow(model.page(p));
        std::vector<const PageItem*> row;
        int rowTop = 0, rowHeight = 0;
        auto flush = [&] {
            if (!row.empty())
                out += rowLine(row, model) + QLatin1Char('\n');
            row.clear();
        };
        for (const PageItem* i : texts) {
            // Texts whose tops lie within half the row's height share the row.
            if (!row.empty() && i->rect.top() >= rowTop + std::max(1, rowHeight / 2)) {
                flush();
            }
            if (row.empty()) {
                rowTop = i->rect.top();
                rowHeight = i->rect.height();
            }
            row.push_back(i);
        }
        flush();
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

}  // namespace orx::reportrt::exporting
