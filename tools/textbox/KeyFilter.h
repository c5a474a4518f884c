#pragma once

#include "tools/common/ToolsExport.h"
#include "tools/textbox/Templates.h"

#include <QString>

// The keystroke rules of the text box: which typed characters a field
// takes, which it turns into others, and the capitals of ProperCase.
namespace orx::tools::textbox {

// Character codes the rules name.
namespace key {
inline constexpr int Backspace = 8;
inline constexpr int CarriageReturn = 13;
inline constexpr int Space = 32;
inline constexpr int Point = 46;
}  // namespace key

struct ORX_TOOLS_EXPORT FilterResult {
    int keyAscii = 0;  // 0: the key is refused
    bool rejected = false;
};

// FilterKey: the `Characters` flags and the `CharacterTable` applied to one
// typed character code.
ORX_TOOLS_EXPORT FilterResult filterKey(int keyAscii, int characters, const QString& characterTable);

// The template's own change of a typed key, before the filter: on a system
// whose decimal separator is not ".", Numeric drops "." and Currency turns it
// into the decimal separator. Where "." is the decimal separator it stays,
// so decimals can be typed.
ORX_TOOLS_EXPORT int templateKey(int templ, int keyAscii, const Separators& seps);

// Capitals at the start of the text and of each word after " ([{"; a
// one-letter word stays small; existing capitals stay.
ORX_TOOLS_EXPORT QString properCase(const QString& text);

// The rules of the Characters and CharacterTable setters. `accepted` is
// false when the setter ignores the value; `table` is the character table
// after an accepted Characters value.
struct ORX_TOOLS_EXPORT CharactersChange {
    bool accepted = false;
    QString table;
};
ORX_TOOLS_EXPORT CharactersChange charactersChange(int templ, int value, const QString& currentTable,
                                                   const Separators& seps);
ORX_TOOLS_EXPORT bool acceptsCharacterTable(int templ, const QString& table, const Separators& seps);

}  // namespace orx::tools::textbox
