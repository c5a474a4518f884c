// The text box's presets in ORX_TxtBox.INI: the design-time commands that
// save, load and delete them, and a new control starting from them.
#include "tools/textbox/ORXTextBox_p.h"

#include "platform/basic/BasicError.h"
#include "platform/basic/Convert.h"
#include "platform/host/Extender.h"
#include "platform/host/Services.h"
#include "tools/common/PropertyTable.h"
#include "tools/common/SettingsFiles.h"

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>

#include <functional>

namespace orx::tools {

namespace {

const QString General = QStringLiteral("General");

QString templateSection(int templ)
{
    return QString::number(templ) + QStringLiteral("Template");
}

using Table = PropertyTable<ORXTextBox>;

// The order of the keys in each section when presets are saved; the table
// says which section a key belongs to.
const char* const kSaveOrder[] = {
    "Appearance", "SelCurrency", "AllowNothing", "AllowPaste", "BackColor", "BorderEffect", "BorderStyle",
    "CheckBoxVisible", "ComboButtonVisible", "FocusRectColor", "Font.Bold", "Font.Charset", "Font.Italic",
    "Font.Name", "Font.Size", "Font.Strikethrough", "Font.Underline", "Font.Weight", "ForeColor", "ErrorBeep",
    "ErrorDesc", "ErrorMess", "ErrOutOfRangeMess", "CurrencyDisplayCapt", "HandleCurrencyChanges", "IfErrMess",
    "IfErrUndo", "LockSize", "PasswordChar", "SpinButtons", "SelTextAuto", "Template", "Unique", "ShowFocusRect",
    "Alignment", "Characters", "CharacterTable", "LayOut", "MaxValue", "MinValue", "ShowSymbolCurrency",
    "SpinValue", "SpinDateType", "SpinTimeType", "NullText", "UseDefaultCurrency", "UseNullValueDefault",
};

// The template's section, in the order it is loaded.
const char* const kTemplateLoadOrder[] = {
    "Alignment", "Characters", "CharacterTable", "NullText", "LayOut", "MaxValue", "MinValue",
    "ShowSymbolCurrency", "SpinValue", "SpinDateType", "SpinTimeType", "UseDefaultCurrency", "UseNullValueDefault",
};

// What a new control reads from "General", in order; the template and the
// currency come after, by their own rules. "RaiseCBClickOnCKTrue" is read
// though never saved: it takes effect when added to the file by hand.
const char* const kGeneralLoadOrder[] = {
    "AllowNothing", "AllowPaste", "Appearance", "BackColor", "BorderEffect", "BorderStyle", "CheckBoxVisible",
    "ComboButtonVisible", "RaiseCBClickOnCKTrue", "CurrencyDisplayCapt", "HandleCurrencyChanges", "Font.Bold",
    "Font.Charset", "Font.Italic", "Font.Name", "Font.Size", "Font.Strikethrough", "Font.Underline", "Font.Weight",
    "ForeColor", "FocusRectColor", "ErrorBeep", "ErrorDesc", "ErrorMess", "ErrOutOfRangeMess", "IfErrMess",
    "IfErrUndo", "LockSize", "PasswordChar", "SpinButtons", "SelTextAuto", "ShowFocusRect", "Unique",
};

// One preset converted for its key, or nullopt when the file lacks it or
// holds a value that does not convert (a hand-edited file).
std::optional<QVariant> preset(const Table::Entry& entry, const QString& section)
{
    return Table::fromPreset(
        entry, ReadSettingsKey(QLatin1String(TextBoxSettings), section, QLatin1String(entry.key), QVariant()));
}

}  // namespace

// ---- The three design-time commands ---------------------------------------

// At run time they are refused; at design time they act on any assignment
// and always read false.
bool ORXTextBox::LoadTemplateSettings() const
{
    d->refuseAtRunTime("LoadTemplateSettings");
    return false;
}

void ORXTextBox::setLoadTemplateSettings(bool)
{
    d->refuseAtRunTime("LoadTemplateSettings");
    d->loadPresets(true);
}

bool ORXTextBox::ResetSettings() const
{
    d->refuseAtRunTime("ResetSettings");
    return false;
}

void ORXTextBox::setResetSettings(bool)
{
    d->refuseAtRunTime("ResetSettings");
    d->resetPresets();
}

bool ORXTextBox::SaveSettings() const
{
    d->refuseAtRunTime("SaveSettings");
    return false;
}

void ORXTextBox::setSaveSettings(bool)
{
    d->refuseAtRunTime("SaveSettings");
    d->savePresets();
}

// ---- Saving, loading, deleting ----------------------------------------------

namespace {

// The message boxes carry the control's instance name, as the developer
// knows it on the form.
QString titleOf(const host::Extender* extender)
{
    const QString name = extender ? extender->name() : QString();
    return name.isEmpty() ? QStringLiteral("ORXTextBox") : name;
}

}  // namespace

void ORXTextBox::Private::savePresets()
{
    const QString base = QLatin1String(TextBoxSettings);
    bool written = true;
    const QString section = templateSection(template_);
    const Table& table = properties();
    for (const char* key : kSaveOrder) {
        const Table::Entry& entry = table.entry(key);
        const QString& where = entry.preset == PresetSection::General ? General : section;
        written = WriteSettingsKey(base, where, QLatin1String(key), Table::presetValue(*q, entry)) && written;
    }

    // A developer told "saved" would go on to build forms on presets that
    // are not there.
    if (written)
        host::MsgBox(QStringLiteral("Properties Saved."), host::mb::Information, titleOf(q->extender()));
    else
        host::MsgBox(ORXTextBox::tr("Properties Not Saved: the file %1 cannot be written.").arg(SettingsFilePath(base)),
                     host::mb::Critical, titleOf(q->extender()));
}

void ORXTextBox::Private::loadPresets(bool announce)
{
    const QString section = templateSection(template_);
    if (announce && !QFile::exists(SettingsFilePath(QLatin1String(TextBoxSettings)))) {
        host::MsgBox(QStringLiteral("Properties Are Not Saved."), host::mb::Exclamation, titleOf(q->extender()));
        return;
    }
    // The command gives a missing key its default. A new control keeps what
    // its template set for a key the file lacks: presets saved under another
    // template must not undo this one's layout and alignment.
    const Table& table = properties();
    for (const char* key : kTemplateLoadOrder) {
        const Table::Entry& entry = table.entry(key);
        if (const std::optional<QVariant> value = preset(entry, section))
            Table::set(*q, entry, *value);
        else if (announce)
            Table::set(*q, entry, Table::defaultOf(*q, entry));
    }
    if (announce) {
        RefreshDisplay();
        host::MsgBox(QStringLiteral("Properties Loaded."), host::mb::Information, titleOf(q->extender()));
    }
}

void ORXTextBox::Private::resetPresets()
{
    const QString base = QLatin1String(TextBoxSettings);
    DeleteSettingsFile(base);
    if (QFile::exists(SettingsFilePath(base)))
        host::MsgBox(ORXTextBox::tr("Saved Properties Not Deleted: the file %1 cannot be removed.").arg(SettingsFilePath(base)),
                     host::mb::Critical, titleOf(q->extender()));
    else
        host::MsgBox(QStringLiteral("Saved Properties Deleted."), host::mb::Information, titleOf(q->extender()));
}

// A new control: the "General" presets over the built-in defaults, then its
// template, then that template's presets, then the currency it starts in.
void ORXTextBox::Private::readPresets()
{
    // A key the file lacks keeps the built-in default the control has.
    const Table& table = properties();
    for (const char* key : kGeneralLoadOrder) {
        const Table::Entry& entry = table.entry(key);
        if (const std::optional<QVariant> value = preset(entry, General))
            Table::set(*q, entry, *value);
    }
    const int templ = preset(table.entry("Template"), General).value_or(QVariant(int(ORXTX_String))).toInt();
    template_ = templ >= ORXTX_String && templ <= ORXTX_Hour_Minute_Seconds ? templ : int(ORXTX_String);

    // The template sets its own layout, limits and alignment; the presets
    // saved for it go on top, or they would never reach a new control.
    ApplyTemplate(false);
    loadPresets(false);
    if (template_ == ORXTX_Currency) {
        selCurrency_ = preset(table.entry("SelCurrency"), General)
                           .value_or(Table::defaultOf(*q, table.entry("SelCurrency")))
                           .toString();
        StoredSelCurrency = selCurrency_;
        applyCurrencyLayout(ApplyCurrencySelection());
    } else {
        selCurrency_.clear();
        StoredSelCurrency.clear();
    }
    RefreshDisplay();
}

}  // namespace orx::tools
