#pragma once

#include "platform/basic/PlatformExport.h"

#include <QString>
#include <optional>

// Per-user application settings (GetSetting, SaveSetting, DeleteSetting),
// kept in one profile file per application:
// <XDG config folder>/<appName>/settings.ini. Application, section and key
// names are case-insensitive; a backslash in a section name is part of the
// name; a backslash or slash in the application name nests its folder.
namespace orx::profile {

// The settings file of an application. An existing folder whose name differs
// only in case is reused. Empty when the name cannot be a folder path (empty,
// or holding an empty, "." or ".." part).
ORX_PLATFORM_EXPORT QString settingsFilePath(const QString& appName);

// The stored value, or nullopt when the application, section or key has none.
ORX_PLATFORM_EXPORT std::optional<QString> querySetting(const QString& appName, const QString& section,
                                                        const QString& key);

// The stored value, or `defaultValue` when the application, section or key
// has none.
ORX_PLATFORM_EXPORT QString getSetting(const QString& appName, const QString& section, const QString& key,
                                       const QString& defaultValue = QString());

// Stores the value, creating the folder and file as needed. Raises
// orx::basic error 5 for names that cannot be stored and 75 (Path/File
// access error) when the file cannot be written.
ORX_PLATFORM_EXPORT void saveSetting(const QString& appName, const QString& section, const QString& key,
                                     const QString& value);

// Deletes a key, or with an empty key the whole section. Raises error 5 when
// the setting does not exist and 75 when the file cannot be written.
ORX_PLATFORM_EXPORT void deleteSetting(const QString& appName, const QString& section, const QString& key = QString());

}  // namespace orx::profile
