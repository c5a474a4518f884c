#include "tools/common/SettingsFiles.h"

#include "platform/basic/Convert.h"
#include "platform/basic/Logging.h"
#include "platform/basic/Strings.h"
#include "platform/profile/ProfileFile.h"
#include "platform/profile/UserSettings.h"
#include "tools/common/Library.h"

#include <QFile>

namespace orx::tools {

namespace {

// The profile service fills a buffer of this many characters.
constexpr int BufferLength = 255;
}  // namespace

QString SettingsFilePath(const QString& baseName)
{
    return App().path() + QLatin1Char('/') + baseName + QStringLiteral(".INI");
}

QVariant ReadSettingsKey(const QString& baseName, const QString& section, const QString& key,
                         const QVariant& defaultValue)
{
    QString buffer(BufferLength, QChar(0));
    const int length = profile::getPrivateProfileString(section, key, QString(), buffer, BufferLength,
                                                        SettingsFilePath(baseName));
    if (length == 0)
        return defaultValue;
    return ReplaceText(buffer, QString(QChar(0)), QString());
}

bool WriteSettingsKey(const QString& baseName, const QString& section, const QString& key,
                      const QVariant& value)
{
    QString error;
    const QString file = SettingsFilePath(baseName);
    if (profile::writePrivateProfileString(section, key, basic::cstr(value), file, &error))
        return true;
    qCWarning(lcTools) << "cannot write" << key << "of" << section << "to" << file << ":" << error;
    return false;
}

void DeleteSettingsFile(const QString& baseName)
{
    const QString file = SettingsFilePath(baseName);
    if (QFile::exists(file) && !QFile::remove(file))
        qCWarning(lcTools) << "cannot delete" << file;
}

QVariant GetUserSetting(const QString& section, const QString& key, const QVariant& defaultValue)
{
    const std::optional<QString> stored =
        profile::querySetting(App().productName(), section, key);
    return stored ? QVariant(*stored) : defaultValue;
}

QString ReplaceText(const QString& text, const QString& find, const QString& repl)
{
    if (basic::isBlank(text) || find == repl || find.isEmpty())
        return text;
    QString result = text;
    qsizetype at = result.indexOf(find, 0, Qt::CaseSensitive);
    while (at >= 0) {
        result = result.left(at) + repl + result.mid(at + find.size());
        at = result.indexOf(find, at + repl.size(), Qt::CaseSensitive);
    }
    return result;
}

}  // namespace orx::tools
