#include "tools/checkgroup/GroupPresets.h"

#include "platform/host/Extender.h"
#include "platform/host/Services.h"
#include "platform/host/UserControl.h"

#include <QFile>

namespace orx::tools::groups {

QString orientationSection(int orientation)
{
    return QString::number(orientation) + QStringLiteral("Orientation");
}

QString presetTitle(const host::UserControl* control, const char* className)
{
    const QString name = control && control->extender() ? control->extender()->name() : QString();
    return name.isEmpty() ? QString::fromLatin1(className) : name;
}

void announceSaved(bool written, const char* base, const QString& title)
{
    // A developer told "saved" would go on to build forms on presets that
    // are not there.
    if (written)
        host::MsgBox(QStringLiteral("Properties Saved."), host::mb::Information, title);
    else
        host::MsgBox(QStringLiteral("Properties Not Saved: the file ") + SettingsFilePath(QLatin1String(base))
                         + QStringLiteral(" cannot be written."),
                     host::mb::Critical, title);
}

void deletePresets(const char* base, const QString& title)
{
    const QString name = QLatin1String(base);
    DeleteSettingsFile(name);
    if (QFile::exists(SettingsFilePath(name)))
        host::MsgBox(QStringLiteral("Saved Properties Not Deleted: the file ") + SettingsFilePath(name)
                         + QStringLiteral(" cannot be removed."),
                     host::mb::Critical, title);
    else
        host::MsgBox(QStringLiteral("Saved Properties Deleted."), host::mb::Information, title);
}

bool presetsExist(const char* base, const QString& title)
{
    if (QFile::exists(SettingsFilePath(QLatin1String(base))))
        return true;
    host::MsgBox(QStringLiteral("Properties Are Not Saved."), host::mb::Exclamation, title);
    return false;
}

void announceLoaded(const QString& title)
{
    host::MsgBox(QStringLiteral("Properties Loaded."), host::mb::Information, title);
}

}  // namespace orx::tools::groups
