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

std::array<const char*, 18> generalPresetKeys(const char* countKey)
{
    return {"Appearance", "BackColor", "BorderEffect", "BorderStyle", "Font.Bold", "Font.Charset", "Font.Italic",
            "Font.Name", "Font.Size", "Font.Strikethrough", "Font.Underline", "Font.Weight", "ForeColor", "LockSize",
            "NumColsGrid", countKey, "Orientation", "Unique"};
}

std::array<const char*, 5> orientationPresetKeys(const char* heightKey)
{
    return {"CaptionAlignment", "CaptionPosition", "HorizSpacing", heightKey, "VertSpacing"};
}

QString presetTitle(const host::UserControl* control, const QString& className)
{
    const QString name = control && control->extender() ? control->extender()->name() : QString();
    return name.isEmpty() ? className : name;
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
