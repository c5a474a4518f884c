#include "reportrt/export/RtfExport.h"

#include "reportrt/export/PageTextExport.h"

#include <QColor>
#include <algorithm>

namespace orx::reportrt::exporting {

namespace {

// Text for an RTF group: control characters of RTF escaped, anything outside
// ASCII as a signed 16-bit \uN with "?" for readers that cannot show it.
QByteArray rtfText(const QString& text)
{
    QByteArray out;
    out.reserve(text.size());
    for (const QChar ch : text) {
        const char16_t u = ch.unicode();
        if (u == '\\' || u == '{' || u == '}') {
            out += '\\';
            out += static_cast<char>(u);
        } else if (u == '\t' || u == '\n' || u == '\r') {
            out += ' ';
        } else if (u < 0x20) {
            continue;
        } else if (u < 0x80) {
            out += static_cast<char>(u);
        } else {
            out += "\\u" + QByteArray::number(static_cast<int>(static_cast<std::int16_t>(u))) + '?';
        }
    }
    return out;
}

}  // namespace

QByteArray pagesRtf(const layout::PageModel& model, const QString& title)
{
    const auto& styles = model.styles();
    QStringList fonts;
    std::vector<QRgb> colors;
    for (const auto& st : styles) {
        if (!fonts.contains(st.family))
            fonts << st.family;
        if (std::find(colors.begin(), colors.end(), st.color) == colors.end())
            colors.push_back(st.color);
    }
    if (fonts.isEmpty())
        fonts << QStringLiteral("Arial");

    QByteArray r = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1\n{\\fonttbl";
    for (qsizetype f = 0; f < fonts.size(); ++f)
        r += "{\\f" + QByteArray::number(f) + "\\fnil " + rtfText(fonts[f]) + ";}";
    r += "}\n{\\colortbl;";
    for (const QRgb c : colors)
        r += "\\red" + QByteArray::number(qRed(c)) + "\\green" + QByteArray::number(qGreen(c)) + "\\blue"
             + QByteArray::number(qBlue(c)) + ';';
    r += "}\n";
    if (!title.isEmpty())
        r += "{\\info{\\title " + rtfText(title) + "}}\n";
    const QSize paper = model.paperSize.isEmpty() ? layout::paperSizeTwips(1, 1) : model.paperSize;
    const auto& setup = model.setup;
    // A page footer may print inside the bottom margin; a word processor
    // would push it onto a page of its own, so the margin ends above it.
    int lowest = 0;
    for (const auto& page : model.pages()) {
        for (const auto& item : page.items)
            lowest = std::max(lowest, item.rect.bottom() + 1);
    }
    const int marginBottom = std::clamp(paper.height() - lowest - 60, 0, std::max(0, setup.marginBottom));
    r += "\\paperw" + QByteArray::number(paper.width()) + "\\paperh" + QByteArray::number(paper.height()) + "\\margl"
         + QByteArray::number(setup.marginLeft) + "\\margr" + QByteArray::number(setup.marginRight) + "\\margt"
         + QByteArray::number(setup.marginTop) + "\\margb" + QByteArray::number(marginBottom);
    if (paper.width() > paper.height())
        r += "\\landscape";
    r += '\n';

    for (int p = 0; p < model.pageCount(); ++p) {
        if (p > 0)
            r += "\\page\n";
        // Each row keeps its place down the page: exactly its own height, after
        // the gap the page leaves above it.
        int bottom = setup.marginTop;
        for (const auto& row : textRows(model.page(p))) {
            int top = row.front()->rect.top(), height = 0;
            for (const auto* item : row) {
                top = std::min(top, item->rect.top());
                height = std::max(height, item->rect.height());
            }
            const QByteArray spacing = "\\sb" + QByteArray::number(std::max(0, top - bottom)) + "\\sl-"
                                       + QByteArray::number(std::max(height, 1)) + "\\slmult0";
            bottom = std::max(bottom, top + height);
            QByteArray stops, runs;
            for (const auto& t : tabbedRow(row, model)) {
                const auto align = t.style.alignment;
                if (t.stop >= 0) {
                    stops += align == definition::Alignment::Right    ? "\\tqr"
                             : align == definition::Alignment::Center ? "\\tqc"
                                                                      : "";
                    stops += "\\tx" + QByteArray::number(t.stop);
                    runs += "\\tab";
                } else if (!runs.isEmpty()) {
                    runs += ' ';
                }
                const auto& st = t.style;
                const qsizetype font = std::max<qsizetype>(0, fonts.indexOf(st.family));
                const auto color = std::find(colors.begin(), colors.end(), st.color) - colors.begin();
                runs += "{\\f" + QByteArray::number(font) + "\\fs" + QByteArray::number(st.size * 2)
                        + (st.bold ? "\\b" : "") + (st.italic ? "\\i" : "") + (st.underline ? "\\ul" : "")
                        + (color < static_cast<std::ptrdiff_t>(colors.size()) ? "\\cf" + QByteArray::number(color + 1) : QByteArray())
                        + ' ' + rtfText(t.item->text) + '}';
            }
            r += "\\pard\\plain" + spacing + "\\sa0" + stops + ' ' + runs + "\\par\n";
        }
    }
    r += "}\n";
    return r;
}

}  // namespace orx::reportrt::exporting
