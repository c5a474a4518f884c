// The text box's presets in ORX_TxtBox.INI: the design-time commands that
// save, load and delete them, and a new control starting from them.
#include "tools/textbox/ORXTextBox.h"

#include "platform/basic/BasicError.h"
#include "platform/basic/Convert.h"
#include "platform/host/Extender.h"
#include "platform/host/Services.h"
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

// Reads one preset as text and converts it; a value that does not convert
// (a hand-edited file) counts as missing rather than stopping the control.
template <class T, class Convert>
T preset(const QString& section, const char* key, const T& fallback, Convert convert)
{
    const QVariant stored = ReadSettingsKey(QLatin1String(TextBoxSettings), section, QLatin1String(key), QVariant());
    if (!stored.isValid())
        return fallback;
    try {
        return convert(stored);
    } catch (const basic::BasicError&) {
        return fallback;
    }
}

bool presetBool(const QString& s, const char* k, bool d) { return preset(s, k, d, basic::cbool); }
int presetInt(const QString& s, const char* k, int d) { return preset(s, k, d, basic::clng); }
double presetDouble(const QString& s, const char* k, double d) { return preset(s, k, d, [](const QVariant& v) { return basic::cdbl(v); }); }
QString presetText(const QString& s, const char* k, const QString& d)
{
    return preset(s, k, d, [](const QVariant& v) { return v.toString(); });
}
// Colours are stored as signed 32-bit numbers: system colours come out negative.
host::OleColor presetColour(const QString& s, const char* k, host::OleColor d)
{
    return preset(s, k, d, [](const QVariant& v) { return host::OleColor{std::uint32_t(basic::clng(v))}; });
}
QVariant colourValue(host::OleColor c)
{
    return QVariant(std::int32_t(c.value));
}

}  // namespace

// ---- The three design-time commands ---------------------------------------

// At run time they are refused; at design time they act on any assignment
// and always read false.
bool ORXTextBox::LoadTemplateSettings() const
{
    refuseAtRunTime("LoadTemplateSettings");
    return false;
}

void ORXTextBox::setLoadTemplateSettings(bool)
{
    refuseAtRunTime("LoadTemplateSettings");
    loadPresets(true);
}

bool ORXTextBox::ResetSettings() const
{
    refuseAtRunTime("ResetSettings");
    return false;
}

void ORXTextBox::setResetSettings(bool)
{
    refuseAtRunTime("ResetSettings");
    resetPresets();
}

bool ORXTextBox::SaveSettings() const
{
    refuseAtRunTime("SaveSettings");
    return false;
}

void ORXTextBox::setSaveSettings(bool)
{
    refuseAtRunTime("SaveSettings");
    savePresets();
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

void ORXTextBox::savePresets()
{
    const QString base = QLatin1String(TextBoxSettings);
    bool written = true;
    auto put = [&](const QString& section, const char* key, const QVariant& value) {
        written = WriteSettingsKey(base, section, QLatin1String(key), value) && written;
    };
    put(General, "Appearance", border_.Appearance());
    put(General, "SelCurrency", selCurrency_);
    put(General, "AllowNothing", allowNothing_);
    put(General, "AllowPaste", allowPaste_);
    put(General, "BackColor", colourValue(backColor_));
    put(General, "BorderEffect", border_.BorderEffect());
    put(General, "BorderStyle", border_.BorderStyle());
    put(General, "CheckBoxVisible", checkBoxVisible_);
    put(General, "ComboButtonVisible", comboButtonVisible_);
    put(General, "FocusRectColor", colourValue(focusRectColor_));
    put(General, "Font.Bold", font_.bold());
    put(General, "Font.Charset", std::int16_t(font_.charset));
    put(General, "Font.Italic", font_.italic);
    put(General, "Font.Name", font_.name);
    put(General, "Font.Size", QVariant::fromValue(basic::Currency::fromDouble(font_.size)));
    put(General, "Font.Strikethrough", font_.strikethrough);
    put(General, "Font.Underline", font_.underline);
    put(General, "Font.Weight", std::int16_t(font_.weight));
    put(General, "ForeColor", colourValue(foreColor_));
    put(General, "ErrorBeep", errorBeep_);
    put(General, "ErrorDesc", errorDesc_);
    put(General, "ErrorMess", errorMess_);
    put(General, "ErrOutOfRangeMess", errOutOfRangeMess_);
    put(General, "CurrencyDisplayCapt", currencyDisplayCapt_);
    put(General, "HandleCurrencyChanges", handleCurrencyChanges_);
    put(General, "IfErrMess", ifErrMess_);
    put(General, "IfErrUndo", ifErrUndo_);
    put(General, "LockSize", lockSize_);
    put(General, "PasswordChar", passwordChar_);
    put(General, "SpinButtons", spinButtons_);
    put(General, "SelTextAuto", selTextAuto_);
    put(General, "Template", template_);
    put(General, "Unique", unique_);
    put(General, "ShowFocusRect", showFocusRect_);

    const QString section = templateSection(template_);
    put(section, "Alignment", alignment_);
    put(section, "Characters", std::int16_t(characters_));
    put(section, "CharacterTable", characterTable_);
    put(section, "LayOut", layout_);
    put(section, "MaxValue", maxValue_);
    put(section, "MinValue", minValue_);
    put(section, "ShowSymbolCurrency", showSymbolCurrency_);
    put(section, "SpinValue", spinValue_);
    put(section, "SpinDateType", spinDateType_);
    put(section, "SpinTimeType", spinTimeType_);
    put(section, "NullText", nullText_);
    put(section, "UseDefaultCurrency", useDefaultCurrency_);
    put(section, "UseNullValueDefault", useNullValueDefault_);

    // A developer told "saved" would go on to build forms on presets that
    // are not there.
    if (written)
        host::MsgBox(QStringLiteral("Properties Saved."), host::mb::Information, titleOf(extender()));
    else
        host::MsgBox(QStringLiteral("Properties Not Saved: the file ") + SettingsFilePath(base)
                         + QStringLiteral(" cannot be written."),
                     host::mb::Critical, titleOf(extender()));
}

void ORXTextBox::loadPresets(bool announce)
{
    const QString section = templateSection(template_);
    if (announce && !QFile::exists(SettingsFilePath(QLatin1String(TextBoxSettings)))) {
        host::MsgBox(QStringLiteral("Properties Are Not Saved."), host::mb::Exclamation, titleOf(extender()));
        return;
    }
    // The command gives a missing key its default. A new control keeps what
    // its template set for a key the file lacks: presets saved under another
    // template must not undo this one's layout and alignment.
    auto pick = [announce](auto fixed, auto current) { return announce ? fixed : current; };
    alignment_ = presetInt(section, "Alignment", pick(0, alignment_));
    characters_ = presetInt(section, "Characters", pick(1, characters_));
    characterTable_ = presetText(section, "CharacterTable", pick(QString(), characterTable_));
    nullText_ = presetText(section, "NullText", pick(QString(), nullText_));
    layout_ = presetText(section, "LayOut", pick(QString(), layout_));
    maxValue_ = presetText(section, "MaxValue", pick(QString(), maxValue_));
    minValue_ = presetText(section, "MinValue", pick(QString(), minValue_));
    showSymbolCurrency_ = presetBool(section, "ShowSymbolCurrency", pick(true, showSymbolCurrency_));
    spinValue_ = presetDouble(section, "SpinValue", pick(1.0, spinValue_));
    spinDateType_ = presetInt(section, "SpinDateType", pick(1, spinDateType_));
    spinTimeType_ = presetInt(section, "SpinTimeType", pick(1, spinTimeType_));
    useDefaultCurrency_ = presetBool(section, "UseDefaultCurrency", pick(true, useDefaultCurrency_));
    useNullValueDefault_ = presetBool(section, "UseNullValueDefault", pick(false, useNullValueDefault_));
    SF_Caption->setAlignment((alignment_ == ORXTX_Right_Justify ? Qt::AlignRight
                              : alignment_ == ORXTX_Center      ? Qt::AlignHCenter
                                                                : Qt::AlignLeft)
                             | Qt::AlignVCenter);
    if (announce) {
        RefreshDisplay();
        host::MsgBox(QStringLiteral("Properties Loaded."), host::mb::Information, titleOf(extender()));
    }
}

void ORXTextBox::resetPresets()
{
    const QString base = QLatin1String(TextBoxSettings);
    DeleteSettingsFile(base);
    if (QFile::exists(SettingsFilePath(base)))
        host::MsgBox(QStringLiteral("Saved Properties Not Deleted: the file ") + SettingsFilePath(base)
                         + QStringLiteral(" cannot be removed."),
                     host::mb::Critical, titleOf(extender()));
    else
        host::MsgBox(QStringLiteral("Saved Properties Deleted."), host::mb::Information, titleOf(extender()));
}

// A new control: the "General" presets over the built-in defaults, then its
// template, then that template's presets, then the currency it starts in.
void ORXTextBox::readPresets()
{
    allowNothing_ = presetBool(General, "AllowNothing", true);
    allowPaste_ = presetBool(General, "AllowPaste", true);
    const int appearance = presetInt(General, "Appearance", border::ThreeD);
    backColor_ = presetColour(General, "BackColor", backColor_);
    const int borderEffect = presetInt(General, "BorderEffect", border::DropFrame);
    const int borderStyle = presetInt(General, "BorderStyle", border::NoBorder);
    border_.restore(appearance, borderStyle, borderEffect);
    checkBoxVisible_ = presetBool(General, "CheckBoxVisible", false);
    CK_Selected->setVisible(checkBoxVisible_);
    comboButtonVisible_ = presetBool(General, "ComboButtonVisible", false);
    raiseCBClickOnCKTrue_ = presetBool(General, "RaiseCBClickOnCKTrue", false);
    currencyDisplayCapt_ = presetText(General, "CurrencyDisplayCapt", QStringLiteral("Current Currency"));
    handleCurrencyChanges_ = presetBool(General, "HandleCurrencyChanges", false);
    const host::StdFont ambient = ambientFont();
    font_.setBold(presetBool(General, "Font.Bold", ambient.bold()));
    font_.charset = presetInt(General, "Font.Charset", ambient.charset);
    font_.italic = presetBool(General, "Font.Italic", ambient.italic);
    font_.name = presetText(General, "Font.Name", ambient.name);
    font_.size = presetDouble(General, "Font.Size", ambient.size);
    font_.strikethrough = presetBool(General, "Font.Strikethrough", ambient.strikethrough);
    font_.underline = presetBool(General, "Font.Underline", ambient.underline);
    font_.weight = presetInt(General, "Font.Weight", font_.weight);
    foreColor_ = presetColour(General, "ForeColor", foreColor_);
    focusRectColor_ = presetColour(General, "FocusRectColor", host::OleColor{host::syscolor::Highlight});
    errorBeep_ = presetBool(General, "ErrorBeep", false);
    errorDesc_ = presetText(General, "ErrorDesc", QStringLiteral("Error"));
    errorMess_ = presetText(General, "ErrorMess", QStringLiteral("Warning !!! Invalid input value:"));
    errOutOfRangeMess_ = presetText(General, "ErrOutOfRangeMess", QStringLiteral("Warning !!! Input value out of range:"));
    ifErrMess_ = presetBool(General, "IfErrMess", true);
    ifErrUndo_ = presetBool(General, "IfErrUndo", true);
    lockSize_ = presetInt(General, "LockSize", ORXTX_No_Locked);
    passwordChar_ = presetText(General, "PasswordChar", QString());
    EF_Text->setEchoMode(passwordChar_.isEmpty() ? QLineEdit::Normal : QLineEdit::Password);
    spinButtons_ = presetBool(General, "SpinButtons", false);
    selTextAuto_ = presetBool(General, "SelTextAuto", true);
    showFocusRect_ = presetBool(General, "ShowFocusRect", false);
    unique_ = presetBool(General, "Unique", false);
    const int templ = presetInt(General, "Template", ORXTX_String);
    template_ = templ >= ORXTX_String && templ <= ORXTX_Hour_Minute_Seconds ? templ : int(ORXTX_String);

    // The template sets its own layout, limits and alignment; the presets
    // saved for it go on top, or they would never reach a new control.
    ApplyTemplate(false);
    loadPresets(false);
    if (template_ == ORXTX_Currency) {
        selCurrency_ = presetText(General, "SelCurrency", ORXCurrencies::SystemCurrencyName());
        StoredSelCurrency = selCurrency_;
        applyCurrencyLayout(ApplyCurrencySelection());
    } else {
        selCurrency_.clear();
        StoredSelCurrency.clear();
    }
    RefreshDisplay();
}

}  // namespace orx::tools
