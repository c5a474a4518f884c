#pragma once

// The rules of the property pages that need no widget: list fields, number
// fields, the Characters boxes and the Templates page's choices.
#include "tools/common/ToolsExport.h"

#include <QString>
#include <QVariant>

#include <array>

namespace orx::tools::pages {

// A "|" list shown one item per line.
ORX_TOOLS_EXPORT QString listToLines(const QString& list);
// The lines of a list field joined with "|": a line break typed as LF, CR
// or CR LF is one separator.
ORX_TOOLS_EXPORT QString linesToList(const QString& text);

// The text a number field shows: the regional decimal separator, a Single
// with its own 7 significant digits.
ORX_TOOLS_EXPORT QString numberText(const QVariant& value);
// The number a field's text stands for: its leading number read with the
// same regional decimal separator the field is filled with, 0 when the
// text does not start with one.
ORX_TOOLS_EXPORT double numberOfText(const QString& text);

// The nine Characters boxes, in page order, and the flag each stands for.
constexpr int kCharacterBoxes = 9;
using CharacterBoxes = std::array<bool, kCharacterBoxes>;
constexpr std::array<int, kCharacterBoxes> kCharacterFlags{1, 2, 4, 8, 16, 256, 32, 64, 128};
enum CharacterBox { AllowAll, AllowAlpha, AllowSpaces, AllowNumeric, AllowTable, ExcludeTable, UpperCase, LowerCase, Capitalize };

ORX_TOOLS_EXPORT CharacterBoxes characterBoxes(int characters);
// The rule that follows a click on box `clicked` (its new state is already
// in `boxes`): the boxes it contradicts are cleared, the ones it needs set.
ORX_TOOLS_EXPORT void applyCharacterRule(CharacterBoxes& boxes, int clicked);
// The Characters value of the boxes; none checked stands for "Allow All",
// which is then checked.
ORX_TOOLS_EXPORT int charactersOf(CharacterBoxes& boxes);

// The alignment a newly chosen template brings (0 left, 1 right, 2 centre).
ORX_TOOLS_EXPORT int alignmentForTemplate(int templ);
// Whether the General page lets the Layout be edited for a template.
ORX_TOOLS_EXPORT bool layoutEditable(int templ);

}  // namespace orx::tools::pages
