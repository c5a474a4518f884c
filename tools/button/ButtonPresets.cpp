// The button's presets in ORX_ComBtn.INI: the design-time commands that save
// and delete them, and a new button starting from them.
#include "tools/button/ORXCommandButton_p.h"

#include "platform/host/Extender.h"
#include "platform/host/Services.h"
#include "tools/common/PropertyTable.h"
#include "tools/common/SettingsFiles.h"

#include <QFile>

namespace orx::tools {

namespace {

const QString General = QStringLiteral("General");

using Table = PropertyTable<ORXCommandButton>;

// The keys of "General" in the order presets are saved.
const char* const kSaveOrder[] = {
    "Appearance", "Shape", "AutoScroll", "BorderStyle", "BackColor", "CapAlignment", "Font.Bold", "Font.Charset",
    "Font.Italic", "Font.Name", "Font.Size", "Font.Strikethrough", "Font.Underline", "Font.Weight", "ForeColor",
    "HorizSpacing", "PicturePosition", "LockSize", "ShowFocusRect", "VertSpacing",
};

// What a new button reads from "General", in order; ForeColor is read twice,
// before and after the font, as it always was.
const char* const kLoadOrder[] = {
    "Appearance", "Shape", "AutoScroll", "BackColor", "ForeColor", "CapAlignment", "BorderStyle", "Font.Bold",
    "Font.Charset", "Font.Italic", "Font.Name", "Font.Size", "Font.Strikethrough", "Font.Underline", "Font.Weight",
    "ForeColor", "HorizSpacing", "PicturePosition", "LockSize", "ShowFocusRect", "VertSpacing",
};

QString base()
{
    return QLatin1String(CommandButtonSettings);
}

// The message boxes carry the control's instance name, as the developer
// knows it on the form.
QString titleOf(const host::Extender* extender)
{
    const QString name = extender ? extender->name() : QString();
    return name.isEmpty() ? QStringLiteral("ORXCommandButton") : name;
}

}  // namespace

// ---- The two design-time commands -------------------------------------------

// At run time they are refused; at design time they act on any assignment
// and always read false.
bool ORXCommandButton::ResetSettings() const
{
    d->refuseAtRunTime("ResetSettings");
    return false;
}

void ORXCommandButton::setResetSettings(bool)
{
    d->refuseAtRunTime("ResetSettings");
    d->resetPresets();
}

bool ORXCommandButton::SaveSettings() const
{
    d->refuseAtRunTime("SaveSettings");
    return false;
}

void ORXCommandButton::setSaveSettings(bool)
{
    d->refuseAtRunTime("SaveSettings");
    d->savePresets();
}

// ---- Saving, deleting, a new button ------------------------------------------

void ORXCommandButton::Private::savePresets()
{
    bool written = true;
    const Table& table = properties();
    for (const char* key : kSaveOrder)
        written = WriteSettingsKey(base(), General, QLatin1String(key), Table::presetValue(*q, table.entry(key))) && written;

    // A developer told "saved" would go on to build forms on presets that
    // are not there.
    if (written)
        host::MsgBox(QStringLiteral("Properties Saved."), host::mb::Information, titleOf(q->extender()));
    else
        host::MsgBox(ORXCommandButton::tr("Properties Not Saved: the file %1 cannot be written.").arg(SettingsFilePath(base())),
                     host::mb::Critical, titleOf(q->extender()));
}

void ORXCommandButton::Private::resetPresets()
{
    DeleteSettingsFile(base());
    if (QFile::exists(SettingsFilePath(base())))
        host::MsgBox(
            ORXCommandButton::tr("Saved Properties Not Deleted: the file %1 cannot be removed.").arg(SettingsFilePath(base())),
            host::mb::Critical, titleOf(q->extender()));
    else
        host::MsgBox(QStringLiteral("Saved Properties Deleted."), host::mb::Information, titleOf(q->extender()));
}

void ORXCommandButton::Private::readPresets()
{
    // The values are stored directly, without the setters' rules; a key the
    // file lacks, or holds in a form that does not convert, keeps the
    // built-in default the button already has.
    const Table& table = properties();
    for (const char* key : kLoadOrder) {
        const Table::Entry& entry = table.entry(key);
        if (const std::optional<QVariant> value =
                Table::fromPreset(entry, ReadSettingsKey(base(), General, QLatin1String(key), QVariant())))
            Table::set(*q, entry, *value);
    }
}

}  // namespace orx::tools
