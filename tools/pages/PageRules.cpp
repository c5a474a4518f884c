#include "tools/pages/PageRules.h"

#include "platform/basic/Numbers.h"
#include "platform/basic/Regional.h"
#include "tools/textbox/InputRules.h"

#include <QMetaType>
#include <QRegularExpression>

namespace orx::tools::pages {

QString listToLines(const QString& list)
{
    QString lines = list;
    return lines.replace(QLatin1Char('|'), QLatin1Char('\n'));
}

QString linesToList(const QString& text)
{
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\r|\n"));
    QString list = text;
    return list.replace(lineBreak, QStringLiteral("|"));
}

QString numberText(const QVariant& value)
{
    if (value.metaType().id() == QMetaType::Float)
        return basic::singleToString(value.toFloat());
    return basic::numberToString(value.toDouble());
}

double numberOfText(const QString& text)
{
    return textbox::leadingNumber(text.trimmed(), basic::regional().decimalSeparator);
}

CharacterBoxes characterBoxes(int characters)
{
    CharacterBoxes boxes{};
    for (int i = 0; i < kCharacterBoxes; ++i)
        boxes[i] = (characters & kCharacterFlags[i]) != 0;
    return boxes;
}

void applyCharacterRule(CharacterBoxes& b, int clicked)
{
    const bool on = b[clicked];
    if (on) {
        switch (clicked) {
        case AllowAll:
            b[AllowAlpha] = b[AllowSpaces] = b[AllowNumeric] = b[AllowTable] = b[ExcludeTable] = false;
            break;
        case AllowAlpha:
        case AllowNumeric: b[AllowAll] = b[ExcludeTable] = false; break;
        case AllowSpaces:
        case AllowTable:
            b[AllowAll] = false;
            if (!b[AllowAlpha] && !b[AllowNumeric])
                b[AllowAlpha] = true;
            b[ExcludeTable] = false;
            break;
        case ExcludeTable:
            b[AllowAll] = true;
            b[AllowAlpha] = b[AllowNumeric] = b[AllowSpaces] = b[AllowTable] = false;
            break;
        case UpperCase:
        case LowerCase:
            if (!b[AllowAll])
                b[AllowAlpha] = true;
            b[clicked == UpperCase ? LowerCase : UpperCase] = false;
            b[Capitalize] = false;
            break;
        case Capitalize:
            if (!b[AllowAll] && !b[AllowAlpha] && !b[AllowNumeric])
                b[AllowAll] = true;
            b[LowerCase] = b[UpperCase] = false;
            break;
        default: break;
        }
        return;
    }
    if (clicked == AllowAll || clicked == AllowAlpha) {
        b[UpperCase] = b[LowerCase] = b[Capitalize] = false;
        if (!b[AllowNumeric])
            b[AllowTable] = b[ExcludeTable] = false;
    } else if (clicked == AllowNumeric && !b[AllowAlpha]) {
        b[AllowTable] = b[ExcludeTable] = false;
    }
}

int charactersOf(CharacterBoxes& boxes)
{
    int sum = 0;
    for (int i = 0; i < kCharacterBoxes; ++i)
        sum += boxes[i] ? kCharacterFlags[i] : 0;
    if (sum == 0) {
        boxes[AllowAll] = true;
        sum = kCharacterFlags[AllowAll];
    }
    return sum;
}

int alignmentForTemplate(int templ)
{
    if (templ == 0)
        return 0;
    return templ <= 3 ? 1 : 2;
}

bool layoutEditable(int templ)
{
    switch (templ) {
    case 2: case 4: case 5: case 6: case 7: case 8: case 11: case 12: return false;
    default: return true;
    }
}

}  // namespace orx::tools::pages
