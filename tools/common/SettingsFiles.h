#pragma once

#include "tools/common/ToolsExport.h"

#include <QString>
#include <QVariant>

// The library's small settings files (one preset file per control kind, in
// the application folder) and its per-user settings.
namespace orx::tools {

// Base names of the preset files.
inline constexpr const char* TextBoxSettings = "ORX_TxtBox";
inline constexpr const char* CheckBoxSettings = "ORX_ChkBox";
inline constexpr const char* OptionButtonSettings = "ORX_OptBtn";
inline constexpr const char* CommandButtonSettings = "ORX_ComBtn";

// The settings file of a base name: the application folder, the name, ".INI".
ORX_TOOLS_EXPORT QString SettingsFilePath(const QString& baseName);

// The stored text of `key` (at most 254 characters, NULs removed), or
// `defaultValue` unchanged when the file, section or key is missing or the
// value is empty. A value read back is always text.
ORX_TOOLS_EXPORT QVariant ReadSettingsKey(const QString& baseName, const QString& section, const QString& key,
                                          const QVariant& defaultValue);

// Writes `value` as text (booleans "True"/"False", numbers in the regional
// format, strings as they are). Returns false when the file could not be
// written; the previous file is then left as it was.
ORX_TOOLS_EXPORT bool WriteSettingsKey(const QString& baseName, const QString& section, const QString& key,
                                       const QVariant& value);

// Deletes the settings file; a missing file is ignored, a failure is only
// logged (orx.tools).
ORX_TOOLS_EXPORT void DeleteSettingsFile(const QString& baseName);

// The per-user setting of ORX_Tools_OCXs, or `defaultValue` when not set.
ORX_TOOLS_EXPORT QVariant GetUserSetting(const QString& section, const QString& key, const QVariant& defaultValue);

// Replaces every occurrence of `find` (case-sensitive) by `repl`. A text of
// spaces only, an empty `find` or `find` equal to `repl` leave it unchanged.
ORX_TOOLS_EXPORT QString ReplaceText(const QString& text, const QString& find, const QString& repl);

}  // namespace orx::tools
