#pragma once

#include "viewreport/engine/ViewReportExport.h"

#include <QString>
#include <QVariant>

// The viewer control's rules that need no widget: which field a click names,
// the text of its value, the key-field prefix, and the Mode it stores.
namespace orx::viewreport {

// Kind 1 (a database field): the text after the first ":" of the field's
// name, or the whole name when it has none.
ORX_VIEWREPORT_EXPORT QString DatabaseFieldName(const QString& name);

// Kinds 5 and 100 (formula fields): the text that starts two characters after
// the first ":" (the ":" and the character after it are skipped); a name
// without ":" loses its first character.
ORX_VIEWREPORT_EXPORT QString FormulaFieldName(const QString& name);

// A formula field's value as the events send it: its text, cleaned by
// CleanFormulaText. A field without a value (Null or Empty) gives "".
ORX_VIEWREPORT_EXPORT QString FormulaValueText(const QVariant& value);

// Whether a field name begins with the key prefix, both upper-cased; an
// empty prefix matches every name.
ORX_VIEWREPORT_EXPORT bool IsKeyField(const QString& fieldName, const QString& keyFormulaPrefix);

// The control's Mode always has the viewer bit: 1 is added when it is clear.
ORX_VIEWREPORT_EXPORT int ModeWithViewer(int mode);

}  // namespace orx::viewreport
