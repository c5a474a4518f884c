#include "tools/currency/ORXCurrency.h"

namespace orx::tools {

namespace {

// The positive or negative half of a pattern: the escaped symbol, a space,
// the sign, the grouped integer part and the fixed decimals.
QString patternPart(const QString& escapedSymbol, const char* number, int decimals)
{
    QString part = escapedSymbol;
    if (!part.isEmpty())
        part += QLatin1Char(' ');
    part += QLatin1String(number);
    if (decimals > 0)
        part += QLatin1Char('.') + QString(decimals, QLatin1Char('0'));
    return part;
}

}  // namespace

QString BuildLayout(const QString& symbol, int decimals)
{
    QString escaped;
    escaped.reserve(symbol.size() * 2);
    for (qsizetype i = 0; i < symbol.size(); ++i) {
        escaped += QLatin1Char('\\');
        escaped += symbol.at(i);
        // A character outside the basic plane is one character of the
        // symbol: its two halves stay together behind one backslash.
        if (symbol.at(i).isHighSurrogate() && i + 1 < symbol.size() && symbol.at(i + 1).isLowSurrogate())
            escaped += symbol.at(++i);
    }
    return patternPart(escaped, "#,##0", decimals) + QLatin1Char(';') + patternPart(escaped, "-#,##0", decimals);
}

ORXCurrency::ORXCurrency(QObject* parent)
    : QObject(parent)
{
}

void ORXCurrency::setName(const QString& name)
{
    if (nameGuard_ && name == QLatin1String(ReservedName)) {
        basic::raiseError(ORXCurr_ReservedName, QStringLiteral("ORXCurrency.Name"),
                          QStringLiteral("Reserved Name = '") + name + QLatin1Char('\''));
    }
    name_ = name;
}

void ORXCurrency::Clear()
{
    name_.clear();
    symbol_.clear();
    decimals_ = 0;
    layout_.clear();
    layoutNoSymb_.clear();
    euroChange_ = 0.0;
}

}  // namespace orx::tools
