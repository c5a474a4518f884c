#include "tools/textbox/KeyFilter.h"

namespace orx::tools::textbox {

namespace {

bool isLetter(int c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

bool isDigit(int c)
{
    return c >= '0' && c <= '9';
}

bool inTable(int c, const QString& table)
{
    return c > 0 && c <= 0xFFFF && table.contains(QChar(char16_t(c)));
}

FilterResult reject()
{
    return {0, true};
}

// Every character of `table` once in `allowed`, where `allowed` may itself
// hold a character twice (".-." on a system with "." as decimal point).
bool eachOnceIn(const QString& table, const QString& allowed)
{
    for (QChar c : table) {
        if (allowed.count(c) != 1)
            return false;
    }
    return true;
}

}  // namespace

FilterResult filterKey(int keyAscii, int characters, const QString& characterTable)
{
    const bool okAll = characters & kb::Ok_All;
    const bool letter = isLetter(keyAscii);
    const bool digit = isDigit(keyAscii);
    if (okAll) {
        if ((characters & kb::No_TabChars) && inTable(keyAscii, characterTable))
            return reject();
    } else if (keyAscii != key::Space && keyAscii != key::Backspace && !letter && !digit
               && !inTable(keyAscii, characterTable)) {
        return reject();
    }
    if (!okAll && !(characters & kb::Ok_Space) && keyAscii == key::Space)
        return reject();
    if (!okAll && !(characters & kb::Ok_Numeric) && digit)
        return reject();
    if (!letter)
        return {keyAscii, false};
    if (!okAll && !(characters & kb::Ok_Alpha))
        return reject();
    const bool upper = characters & kb::Set_Ucase;
    const bool lower = characters & kb::Set_Lcase;
    // Only A-Z and a-z get here.
    if (upper && !lower)
        return {keyAscii >= 'a' ? keyAscii - ('a' - 'A') : keyAscii, false};
    if (lower && !upper)
        return {keyAscii <= 'Z' ? keyAscii + ('a' - 'A') : keyAscii, false};
    return {keyAscii, false};
}

int templateKey(int templ, int keyAscii, const Separators& seps)
{
    if (keyAscii != key::Point || seps.decimal == QStringLiteral("."))
        return keyAscii;
    if (templ == tpl::Numeric)
        return 0;
    if (templ == tpl::Currency && !seps.decimal.isEmpty())
        return seps.decimal.at(0).unicode();
    return keyAscii;
}

QString properCase(const QString& text)
{
    if (text.isEmpty())
        return QString();
    static const QString opening = QStringLiteral(" ([{");
    static const QString closing = QStringLiteral(" )]}");
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        const QChar c = text.at(i);
        if (i == 0)
            out += c.toUpper();
        else if (c != c.toLower())
            out += c;
        else if (opening.contains(text.at(i - 1)))
            out += closing.contains(text.at(i + 1)) ? c.toLower() : c.toUpper();
        else
            out += c.toLower();
    }
    out += text.back();
    return out;
}

CharactersChange charactersChange(int templ, int value, const QString& currentTable, const Separators& seps)
{
    if (templ == tpl::Numeric || templ == tpl::Currency) {
        if (value != kb::Ok_Numeric && value != kb::Ok_Numeric + kb::Ok_TabChars)
            return {};
    } else if (templ != tpl::String) {
        return {};
    }
    CharactersChange change{true, currentTable};
    if (!(value & kb::Ok_TabChars) && !(value & kb::No_TabChars))
        change.table.clear();
    else if (templ == tpl::Numeric || templ == tpl::Currency)
        change.table = numericCharacterTable(seps);
    return change;
}

bool acceptsCharacterTable(int templ, const QString& table, const Separators& seps)
{
    if (templ == tpl::Numeric || templ == tpl::Currency)
        return eachOnceIn(table, numericCharacterTable(seps));
    if (templ == tpl::Percent)
        return eachOnceIn(table, percentCharacterTable(seps));
    if (isDateTemplate(templ))
        return table == seps.date;
    if (isTimeTemplate(templ))
        return table == seps.time;
    return true;
}

}  // namespace orx::tools::textbox
