#include "platform/profile/UserSettings.h"

#include "platform/basic/BasicError.h"
#include "platform/profile/IniDocument.h"
#include "platform/profile/ProfileFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>

namespace orx::profile {

namespace {

// Outer blanks of every kind go: the file trims tabs around names, so a name
// kept with a tab could be written but never found again.
QString cleanName(const QString& name)
{
    return trimBlanks(name).toString();
}

// The spelling of `name` already present in `folder` (names compared without
// regard to case, an exact match first), else `name` itself.
QString existingSpelling(const QString& folder, const QString& name)
{
    const QStringList entries = QDir(folder).entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name);
    if (entries.contains(name))
        return name;
    for (const QString& entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return entry;
    }
    return name;
}

[[noreturn]] void raiseInvalid(const QString& appName, const QString& why)
{
    basic::raiseError(basic::err::InvalidProcedureCall, appName,
                      basic::standardDescription(basic::err::InvalidProcedureCall) + QStringLiteral(": ") + why);
}

[[noreturn]] void raiseAccess(const QString& appName, const QString& why)
{
    basic::raiseError(basic::err::PathFileAccessError, appName,
                      basic::standardDescription(basic::err::PathFileAccessError) + QStringLiteral(": ") + why);
}

QString checkedPath(const QString& appName)
{
    const QString path = settingsFilePath(appName);
    if (path.isEmpty())
        raiseInvalid(appName, QCoreApplication::translate("UserSettings", "\"%1\" cannot name a settings folder")
                                  .arg(appName));
    return path;
}

}  // namespace

QString settingsFilePath(const QString& appName)
{
    const QStringList parts = appName.split(QRegularExpression(QStringLiteral("[\\\\/]")));
    QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    if (folder.isEmpty())
        return {};
    for (const QString& part : parts) {
        if (part.isEmpty() || part == QLatin1String(".") || part == QLatin1String(".."))
            return {};
        folder += QLatin1Char('/') + existingSpelling(folder, part);
    }
    return folder + QStringLiteral("/settings.ini");
}

std::optional<QString> querySetting(const QString& appName, const QString& section, const QString& key)
{
    const QString path = settingsFilePath(appName);
    if (path.isEmpty())
        return std::nullopt;
    return readProfileValue(path, cleanName(section), cleanName(key));
}

QString getSetting(const QString& appName, const QString& section, const QString& key, const QString& defaultValue)
{
    return querySetting(appName, section, key).value_or(defaultValue);
}

void saveSetting(const QString& appName, const QString& section, const QString& key, const QString& value)
{
    const QString path = checkedPath(appName);
    const QString sectionName = cleanName(section);
    const QString keyName = cleanName(key);
    // A key starting with ';' would be written as a comment and never read back.
    if (keyName.isEmpty() || keyName.startsWith(QLatin1Char(';')))
        raiseInvalid(appName, QCoreApplication::translate("UserSettings", "\"%1\" cannot name a setting").arg(key));
    const QString reason = unstorableReason(sectionName, keyName, value);
    if (!reason.isEmpty())
        raiseInvalid(appName, reason);

    const QString folder = QFileInfo(path).absolutePath();
    if (!QDir().mkpath(folder))
        raiseAccess(appName, QCoreApplication::translate("UserSettings", "cannot create the folder %1").arg(folder));
    QString error;
    if (!writePrivateProfileString(sectionName, keyName, value, path, &error))
        raiseAccess(appName, error);
}

void deleteSetting(const QString& appName, const QString& section, const QString& key)
{
    const QString path = checkedPath(appName);
    const QString sectionName = cleanName(section);
    const QString keyName = cleanName(key);
    if (sectionName.isEmpty())
        raiseInvalid(appName, QCoreApplication::translate("UserSettings", "no section name"));

    // Deleting what does not exist is an error to the caller, as it always was.
    const bool exists = keyName.isEmpty()
        ? profileSections(path).contains(sectionName, Qt::CaseInsensitive)
        : readProfileValue(path, sectionName, keyName).has_value();
    if (!exists)
        raiseInvalid(appName, QCoreApplication::translate("UserSettings", "no setting %1 %2")
                                  .arg(sectionName, keyName).trimmed());

    QString error;
    const std::optional<QString> target = keyName.isEmpty() ? std::nullopt : std::optional<QString>(keyName);
    if (!writePrivateProfileString(sectionName, target, std::nullopt, path, &error))
        raiseAccess(appName, error);
}

}  // namespace orx::profile
