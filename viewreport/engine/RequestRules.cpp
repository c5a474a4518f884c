#include "viewreport/engine/RequestRules.h"

#include "platform/basic/BasicError.h"
#include "platform/basic/Strings.h"
#include "viewreport/engine/Constants.h"

#include <cstdint>
#include <limits>

namespace orx::viewreport {

QString StripReportExtension(const QString& name)
{
    if (name.size() > 4 && name.right(4).toUpper() == QLatin1String(".RPT"))
        return name.left(name.size() - 4);
    return name;
}

QString WrapOrderByName(const QString& name)
{
    QString out = name;
    if (!out.startsWith(QLatin1Char('{')))
        out.prepend(QLatin1Char('{'));
    if (!out.endsWith(QLatin1Char('}')))
        out.append(QLatin1Char('}'));
    return out;
}

QString CleanFormulaText(const QString& text)
{
    QString t = text;
    t.remove(QStringLiteral("\r\n"));
    t.remove(QChar(13));
    t.remove(QChar(12));
    t.remove(QChar(10));
    t.remove(QStringLiteral("\r\n"));
    t.remove(QChar(0));
    return basic::trimSpaces(t);
}

bool sameName(const QString& a, const QString& b)
{
    return a.toUpper() == b.toUpper();
}

int absoluteCopies(int copies)
{
    if (copies <= std::numeric_limits<std::int16_t>::min() || copies > std::numeric_limits<std::int16_t>::max())
        basic::raiseError(basic::err::Overflow, QString::fromLatin1(ProductName));
    return copies < 0 ? -copies : copies;
}

}  // namespace orx::viewreport
