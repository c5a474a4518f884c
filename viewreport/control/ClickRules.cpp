#include "viewreport/control/ClickRules.h"

#include "platform/basic/Convert.h"
#include "platform/basic/Variant.h"
#include "viewreport/engine/RequestRules.h"

namespace orx::viewreport {

QString DatabaseFieldName(const QString& name)
{
    const qsizetype colon = name.indexOf(QLatin1Char(':'));
    return colon < 0 ? name : name.mid(colon + 1);
}

QString FormulaFieldName(const QString& name)
{
    // Position of the first ":" counted from 1 (0 when absent), then the text
    // from two characters further on.
    const qsizetype colon = name.indexOf(QLatin1Char(':')) + 1;
    return name.mid(colon + 1);
}

QString FormulaValueText(const QVariant& value)
{
    // A blank field reports an empty text: converting Null would raise an
    // error inside the viewer's click notification, where nobody can catch it.
    if (basic::isNull(value) || basic::isEmpty(value) || basic::isMissing(value))
        return QString();
    return CleanFormulaText(basic::cstr(value));
}

bool IsKeyField(const QString& fieldName, const QString& keyFormulaPrefix)
{
    return fieldName.left(keyFormulaPrefix.size()).toUpper() == keyFormulaPrefix.toUpper();
}

int ModeWithViewer(int mode)
{
    return (mode & 1) ? mode : mode + 1;
}

}  // namespace orx::viewreport
