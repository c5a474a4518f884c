#include "tools/button/CaptionList.h"

namespace orx::tools::button {

QString trimCaptions(const QString& text)
{
    // Blanks are spaces, as the classic Trim removes them; tabs and line
    // breaks inside a caption are the program's.
    qsizetype start = 0;
    qsizetype end = text.size();
    while (start < end && text.at(start) == QLatin1Char(' '))
        ++start;
    while (end > start && text.at(end - 1) == QLatin1Char(' '))
        --end;
    return text.mid(start, end - start);
}

QStringList splitCaptions(const QString& text)
{
    if (text.isEmpty())
        return {};
    return text.split(QLatin1Char('|'));
}

QString replaceCaption(const QStringList& list, int index, const QString& text)
{
    QStringList joined = list;
    if (index >= 1 && index <= joined.size())
        joined[index - 1] = text;
    return joined.join(QLatin1Char('|'));
}

std::optional<QChar> accessKeyOf(const QString& caption)
{
    const qsizetype p = caption.indexOf(QLatin1Char('&'));
    // An "&" with nothing after it marks no key; reading past the text
    // would take whatever lies beyond it.
    if (p < 0 || p + 1 >= caption.size())
        return std::nullopt;
    return caption.at(p + 1).toUpper();
}

QString plainCaption(const QString& caption)
{
    QString out;
    out.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption.at(i) == QLatin1Char('&') && i + 1 < caption.size())
            ++i;
        else if (caption.at(i) == QLatin1Char('&'))
            continue;
        out.append(caption.at(i));
    }
    return out;
}

CapIndexChange capIndexChange(int n, int count, bool autoScroll)
{
    if (n < 0)
        return {};
    if (n <= count)
        return {true, n, false};
    if (!autoScroll)
        return {};
    if (count >= 1)
        return {true, 1, true};
    return {true, 0, false};
}

}  // namespace orx::tools::button
