#include "platform/basic/Strings.h"

#include "platform/basic/BasicError.h"

namespace orx::basic {

QString trimLeadingSpaces(const QString& text)
{
    qsizetype i = 0;
    while (i < text.size() && text.at(i) == QLatin1Char(' '))
        ++i;
    return text.mid(i);
}

QString trimTrailingSpaces(const QString& text)
{
    qsizetype n = text.size();
    while (n > 0 && text.at(n - 1) == QLatin1Char(' '))
        --n;
    return text.left(n);
}

QString trimSpaces(const QString& text)
{
    return trimTrailingSpaces(trimLeadingSpaces(text));
}

bool isBlank(const QString& text)
{
    for (QChar c : text) {
        if (c != QLatin1Char(' '))
            return false;
    }
    return true;
}

int compareBinary(const QString& a, const QString& b)
{
    const int c = QString::compare(a, b, Qt::CaseSensitive);
    return c < 0 ? -1 : (c > 0 ? 1 : 0);
}

QString mid(const QString& text, qsizetype start, qsizetype length)
{
    if (start < 1)
        raiseError(err::InvalidProcedureCall, QStringLiteral("Mid"));
    if (start > text.size())
        return QString();
    return length < 0 ? text.mid(start - 1) : text.mid(start - 1, length);
}

}  // namespace orx::basic
