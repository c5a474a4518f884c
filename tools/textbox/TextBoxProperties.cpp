// The text box's property table: every persisted property once, with its bag
// key, default and preset section, and the orders in which a new control
// takes its defaults, the bag is read and written, and presets are kept.
#include "tools/textbox/ORXTextBox_p.h"

#include "platform/basic/Currency.h"
#include "platform/basic/Variant.h"
#include "platform/host/Extender.h"
#include "tools/common/PropertyTable.h"
#include "tools/currency/ORXList.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>

namespace orx::tools {

namespace {

using T = ORXTextBox;
using K = PropertyKind;
constexpr PresetSection General = PresetSection::General;
constexpr PresetSection PerKind = PresetSection::PerKind;

QVariant variantOrEmptyText(const QVariant& stored)
{
    return basic::isEmpty(stored) ? QVariant(QString()) : stored;
}

QVariant colour(std::uint32_t c)
{
    return QVariant::fromValue(host::OleColor{c});
}

}  // namespace

// A member kept as it is: read back as its own type.
#define ORX_FIELD(member) ORX_PROPERTY_GET(d->member), ORX_PROPERTY_SET(d->member)

const PropertyTable<ORXTextBox>& ORXTextBox::Private::properties()
{
    static const PropertyTable<ORXTextBox> table{
        {"Alignment", K::Int, 0, [](const T& t) { return QVariant(t.d->alignment_); },
         [](T& t, const QVariant& v) {
             t.d->alignment_ = v.toInt();
             t.d->applyAlignment();
         },
         PerKind},
        {"AllowNothing", K::Bool, true, ORX_FIELD(allowNothing_), General},
        {"AllowPaste", K::Bool, true, ORX_FIELD(allowPaste_), General},
        {"Appearance", K::Int, int(border::ThreeD), [](const T& t) { return QVariant(t.d->border_.Appearance()); },
         [](T& t, const QVariant& v) { t.d->border_.restore(v.toInt(), t.d->border_.BorderStyle(), t.d->border_.BorderEffect()); },
         General},
        {"BackColor", K::Colour, colour(host::syscolor::WindowBackground), ORX_FIELD(backColor_), General},
        {"Blanked", K::Bool, false, ORX_FIELD(blanked_)},
        {"BorderEffect", K::Int, int(border::DropFrame), [](const T& t) { return QVariant(t.d->border_.BorderEffect()); },
         [](T& t, const QVariant& v) { t.d->border_.restore(t.d->border_.Appearance(), t.d->border_.BorderStyle(), v.toInt()); },
         General},
        {"BorderStyle", K::Int, int(border::NoBorder), [](const T& t) { return QVariant(t.d->border_.BorderStyle()); },
         [](T& t, const QVariant& v) { t.d->border_.restore(t.d->border_.Appearance(), v.toInt(), t.d->border_.BorderEffect()); },
         General},
        {"BoundText", K::Other, QString(), [](const T& t) { return t.d->boundText_; },
         [](T& t, const QVariant& v) { t.d->boundText_ = variantOrEmptyText(v); }},
        {"CapAlignment", K::Int, int(ORXTX_MiddleRight_CaptAlign), ORX_FIELD(capAlignment_)},
        {"Caption", K::Text, QString(), ORX_FIELD(caption_)},
        {"CapWidth", K::Double, 0.0, [](const T& t) { return QVariant(double(t.d->capWidth_)); },
         [](T& t, const QVariant& v) { t.d->capWidth_ = float(v.toDouble()); }},
        {"Characters", K::Short, 1, ORX_FIELD(characters_), PerKind},
        {"CharacterTable", K::Text, QString(), ORX_FIELD(characterTable_), PerKind},
        {"CheckBoxEnabled", K::Bool, true, [](const T& t) { return QVariant(t.d->checkBoxEnabled_); },
         [](T& t, const QVariant& v) {
             t.d->checkBoxEnabled_ = v.toBool();
             t.d->CK_Selected->setEnabled(t.d->checkBoxEnabled_);
         }},
        {"CheckBoxValue", K::Bool, true, [](const T& t) { return QVariant(t.d->checkBoxValue_); },
         [](T& t, const QVariant& v) {
             t.d->checkBoxValue_ = v.toBool();
             t.d->CK_Selected->setChecked(t.d->checkBoxValue_);
         }},
        {"CheckBoxVisible", K::Bool, false, [](const T& t) { return QVariant(t.d->checkBoxVisible_); },
         [](T& t, const QVariant& v) {
             t.d->checkBoxVisible_ = v.toBool();
             t.d->CK_Selected->setVisible(t.d->checkBoxVisible_);
         },
         General},
        {"ComboButtonEnabled", K::Bool, true, ORX_FIELD(comboButtonEnabled_)},
        {"ComboButtonVisible", K::Bool, false, ORX_FIELD(comboButtonVisible_), General},
        {"ComboItemKeys", K::Text, QString(), [](const T& t) { return QVariant(t.ComboItemKeys()); },
         [](T& t, const QVariant& v) { t.d->comboList()->setListKeyString(v.toString()); }},
        {"ComboItems", K::Text, QString(), [](const T& t) { return QVariant(t.ComboItems()); },
         [](T& t, const QVariant& v) { t.d->comboList()->setListString(v.toString()); }},
        {"ComboRows", K::Double, 0.0, [](const T& t) { return QVariant(double(t.d->comboRows_)); },
         [](T& t, const QVariant& v) { t.d->comboRows_ = float(v.toDouble()); }},
        {"ComboType", K::Int, int(ORXTX_Combo_Type), ORX_FIELD(comboType_)},
        {"CurrencyDisplayCapt", K::Text, QStringLiteral("Current Currency"), ORX_FIELD(currencyDisplayCapt_), General},
        {"DataIndex", K::Text, QString(), ORX_FIELD(dataIndex_)},
        {"DataName", K::Text, QString(), ORX_FIELD(dataName_)},
        {"DesignHeight", K::Double, 0.0, [](const T& t) { return QVariant(double(t.d->designHeight_)); },
         [](T& t, const QVariant& v) { t.d->designHeight_ = float(v.toDouble()); }},
        {"DesignWidth", K::Double, 0.0, [](const T& t) { return QVariant(double(t.d->designWidth_)); },
         [](T& t, const QVariant& v) { t.d->designWidth_ = float(v.toDouble()); }},
        {"Enabled", K::Bool, true, [](const T& t) { return QVariant(t.d->enabled_); },
         [](T& t, const QVariant& v) {
             t.d->enabled_ = v.toBool();
             t.setEnabled(t.d->enabled_);
         }},
        {"ErrorBeep", K::Bool, false, ORX_FIELD(errorBeep_), General},
        {"ErrorDesc", K::Text, QStringLiteral("Error"), ORX_FIELD(errorDesc_), General},
        {"ErrorMess", K::Text, QStringLiteral("Warning !!! Invalid input value:"), ORX_FIELD(errorMess_), General},
        {"ErrOutOfRangeMess", K::Text, QStringLiteral("Warning !!! Input value out of range:"),
         ORX_FIELD(errOutOfRangeMess_), General},
        {"FocusRectColor", K::Colour, colour(host::syscolor::Highlight), ORX_FIELD(focusRectColor_), General},
        {"Font", K::Other, QVariant(), ORX_FIELD(font_), PresetSection::None,
         [](const T& t) { return QVariant::fromValue(t.ambientFont()); }},
        {"ForeColor", K::Colour, colour(host::syscolor::WindowText), ORX_FIELD(foreColor_), General},
        {"FormattedText", K::Text, QString(), ORX_FIELD(formattedText_)},
        {"HandleCurrencyChanges", K::Bool, false, ORX_FIELD(handleCurrencyChanges_), General},
        {"IfErrMess", K::Bool, true, ORX_FIELD(ifErrMess_), General},
        {"IfErrUndo", K::Bool, true, ORX_FIELD(ifErrUndo_), General},
        {"LastText", K::Other, QString(), [](const T& t) { return t.d->lastText_; },
         [](T& t, const QVariant& v) { t.d->lastText_ = variantOrEmptyText(v); }},
        {"LayOut", K::Text, QString(), ORX_FIELD(layout_), PerKind},
        {"Locked", K::Bool, false, [](const T& t) { return QVariant(t.Locked()); },
         [](T& t, const QVariant& v) { t.d->EF_Text->setReadOnly(v.toBool()); }},
        {"LockSize", K::Int, int(ORXTX_No_Locked), ORX_FIELD(lockSize_), General},
        {"MaxLength", K::Int, 0, [](const T& t) { return QVariant(t.MaxLength()); },
         [](T& t, const QVariant& v) { t.d->applyMaxLength(v.toInt()); }},
        {"MaxValue", K::Text, QString(), ORX_FIELD(maxValue_), PerKind},
        {"MinValue", K::Text, QString(), ORX_FIELD(minValue_), PerKind},
        {"MouseIcon", K::Other, QImage(), ORX_FIELD(mouseIcon_)},
        {"MousePointer", K::Int, 0, ORX_FIELD(mousePointer_)},
        {"NullText", K::Text, QString(), ORX_FIELD(nullText_), PerKind},
        {"PasswordChar", K::Text, QString(), [](const T& t) { return QVariant(t.d->passwordChar_); },
         [](T& t, const QVariant& v) {
             t.d->passwordChar_ = v.toString();
             t.d->EF_Text->setEchoMode(t.d->passwordChar_.isEmpty() ? QLineEdit::Normal : QLineEdit::Password);
         },
         General},
        {"RaiseCBClickOnCKTrue", K::Bool, false, ORX_FIELD(raiseCBClickOnCKTrue_)},
        {"RawText", K::Other, QString(), [](const T& t) { return t.d->rawText_; },
         [](T& t, const QVariant& v) { t.d->rawText_ = variantOrEmptyText(v); }},
        // The designed selection, never the per-user default that may stand
        // in for it at run time; only a Currency box keeps one in its bag.
        {"SelCurrency", K::Text, ORXCurrencies::SystemCurrencyName(), ORX_FIELD(StoredSelCurrency), General, nullptr,
         [](const T& t) { return t.d->template_ == ORXTX_Currency; }, [](const T& t) { return QVariant(t.d->selCurrency_); }},
        {"SelLength", K::Int, 0, [](const T& t) { return QVariant(t.SelLength()); }, [](T&, const QVariant&) {}},
        {"SelStart", K::Int, 0, [](const T& t) { return QVariant(t.SelStart()); }, [](T&, const QVariant&) {}},
        {"SelText", K::Text, QString(), [](const T& t) { return QVariant(t.SelText()); }, [](T&, const QVariant&) {}},
        {"SelTextAuto", K::Bool, true, ORX_FIELD(selTextAuto_), General},
        {"ShowFocusRect", K::Bool, false, ORX_FIELD(showFocusRect_), General},
        {"ShowSymbolCurrency", K::Bool, true, ORX_FIELD(showSymbolCurrency_), PerKind},
        {"SpinButtons", K::Bool, false, [](const T& t) { return QVariant(t.d->spinButtons_); },
         [](T& t, const QVariant& v) {
             t.d->spinButtons_ = v.toBool();
             t.d->VS_Spin->setVisible(t.d->spinButtons_);
         },
         General},
        {"SpinDateType", K::Int, int(ORXTX_DI_Days), ORX_FIELD(spinDateType_), PerKind},
        {"SpinTimeType", K::Int, int(ORXTX_TI_Seconds), ORX_FIELD(spinTimeType_), PerKind},
        {"SpinValue", K::Double, 1.0, ORX_FIELD(spinValue_), PerKind},
        {"Tag", K::Text, QString(), [](const T& t) { return QVariant(t.Tag()); },
         [](T& t, const QVariant& v) { t.extender()->setTag(v.toString()); }},
        {"TagMore", K::Text, QString(), ORX_FIELD(tagMore_)},
        {"Template", K::Int, int(ORXTX_String), ORX_FIELD(template_), General},
        {"Text", K::Other, QString(), [](const T& t) { return t.d->text_; },
         [](T& t, const QVariant& v) {
             t.d->text_ = variantOrEmptyText(v);
             t.d->writeEditField(t.d->textValue(), true);
         }},
        {"ToolTipText", K::Text, QString(), [](const T& t) { return QVariant(t.ToolTipText()); },
         [](T& t, const QVariant& v) {
             const QString tip = v.toString();
             t.extender()->setToolTipText(tip);
             t.d->SF_Caption->setToolTip(tip);
             t.d->EF_Text->setToolTip(tip);
         }},
        {"Unique", K::Bool, false, ORX_FIELD(unique_), General},
        {"UseDefaultCurrency", K::Bool, true, ORX_FIELD(useDefaultCurrency_), PerKind},
        {"UseNullValueDefault", K::Bool, false, ORX_FIELD(useNullValueDefault_), PerKind},

        // The font's parts, kept by presets only.
        {"Font.Bold", K::Bool, QVariant(), [](const T& t) { return QVariant(t.d->font_.bold()); },
         [](T& t, const QVariant& v) { t.d->font_.setBold(v.toBool()); }, General, nullptr, nullptr, nullptr, false},
        {"Font.Charset", K::Short, QVariant(), ORX_FIELD(font_.charset), General, nullptr, nullptr, nullptr, false},
        {"Font.Italic", K::Bool, QVariant(), ORX_FIELD(font_.italic), General, nullptr, nullptr, nullptr, false},
        {"Font.Name", K::Text, QVariant(), ORX_FIELD(font_.name), General, nullptr, nullptr, nullptr, false},
        {"Font.Size", K::Double, QVariant(), ORX_FIELD(font_.size), General, nullptr, nullptr,
         [](const T& t) { return QVariant::fromValue(basic::Currency::fromDouble(t.d->font_.size)); }, false},
        {"Font.Strikethrough", K::Bool, QVariant(), ORX_FIELD(font_.strikethrough), General, nullptr, nullptr, nullptr,
         false},
        {"Font.Underline", K::Bool, QVariant(), ORX_FIELD(font_.underline), General, nullptr, nullptr, nullptr, false},
        {"Font.Weight", K::Short, QVariant(), ORX_FIELD(font_.weight), General, nullptr, nullptr, nullptr, false},
    };
    return table;
}

#undef ORX_FIELD

// ---- The orders ------------------------------------------------------------

void ORXTextBox::Private::applyNewControlDefaults()
{
    properties().applyDefaults(
        *q, {"CapAlignment", "CapWidth", "Caption", "TagMore", "DataIndex", "DataName", "DesignHeight",
                "DesignWidth", "Blanked", "CheckBoxEnabled", "CheckBoxValue", "ComboButtonEnabled", "ComboType",
                "ShowSymbolCurrency", "SpinDateType", "SpinTimeType", "SpinValue",
                // The built-in defaults the presets may override.
                "AllowNothing", "AllowPaste", "Appearance", "BorderStyle", "BorderEffect", "CheckBoxVisible",
                "ComboButtonVisible", "RaiseCBClickOnCKTrue", "CurrencyDisplayCapt", "HandleCurrencyChanges", "Font",
                "FocusRectColor", "ErrorBeep", "ErrorDesc", "ErrorMess", "ErrOutOfRangeMess", "IfErrMess",
                "IfErrUndo", "LockSize", "PasswordChar", "SpinButtons", "SelTextAuto", "ShowFocusRect", "Unique",
                "Template"});
}

void ORXTextBox::Private::readBag(const host::PropertyBag& bag)
{
    properties().read(
        *q, bag,
        {"Template", "CharacterTable", "LayOut", "UseDefaultCurrency", "UseNullValueDefault",
         [](T& t) { t.d->RebuildLayouts(); }, "HandleCurrencyChanges", "Alignment", "BackColor", "Enabled", "Font",
         "ForeColor", "FocusRectColor", "PasswordChar", "Locked", "MaxLength", "Text",
         // The selection belongs to the text just written into the field.
         [](T& t, const host::PropertyBag& b) {
             const PropertyTable<T>& p = properties();
             if (!p.readValue(t, b, "SelText").toString().isEmpty())
                 t.d->EF_Text->setSelection(p.readValue(t, b, "SelStart").toInt(), p.readValue(t, b, "SelLength").toInt());
         },
         "FormattedText", "ToolTipText", "Tag", "CheckBoxValue", "CheckBoxEnabled", "CheckBoxVisible",
         "ComboButtonVisible", "RaiseCBClickOnCKTrue", "ComboRows", "ComboType", "BorderStyle", "BorderEffect",
         "Appearance", "Caption", "CapAlignment", "CapWidth", "Characters", "CurrencyDisplayCapt", "DataIndex",
         "DataName", "DesignHeight", "DesignWidth", "AllowPaste", "ErrorBeep", "ErrorDesc", "ErrorMess",
         "ErrOutOfRangeMess", "NullText", "LastText", "ShowFocusRect", "ShowSymbolCurrency", "SelTextAuto",
         "SpinButtons", "SpinDateType", "SpinTimeType", "SpinValue", "MouseIcon", "MousePointer", "BoundText",
         "ComboButtonEnabled", "ComboItems", "ComboItemKeys", "RawText", "TagMore", "IfErrMess", "IfErrUndo",
         "AllowNothing",
         [](T& t, const host::PropertyBag& b) {
             t.d->InitCurrencies();
             if (t.d->template_ == ORXTX_Currency) {
                 t.d->selCurrency_ = properties().readValue(t, b, "SelCurrency").toString();
                 t.d->StoredSelCurrency = t.d->selCurrency_;
                 t.d->applyCurrencyLayout(t.d->ApplyCurrencySelection());
             } else {
                 t.d->selCurrency_.clear();
                 t.d->StoredSelCurrency.clear();
             }
         },
         "LockSize", "MinValue", "MaxValue", "Unique",
         // Through the setter only when it matters, so that a saved drop-down
         // and check box state survive loading.
         [](T& t, const host::PropertyBag& b) {
             const bool blanked = properties().readValue(t, b, "Blanked").toBool();
             if (blanked || t.d->blanked_)
                 t.setBlanked(blanked);
         }});
}

void ORXTextBox::Private::writeBag(host::PropertyBag& bag)
{
    properties().write(
        *q, bag,
        {"Alignment", "BackColor", "Enabled", "Font", "ForeColor", "FocusRectColor", "Locked", "MaxLength",
         "MouseIcon", "MousePointer", "SelLength", "SelStart", "SelText", "Text", "ToolTipText", "Tag", "Blanked",
         "BorderStyle", "BorderEffect", "Appearance", "Caption", "CapAlignment", "CapWidth", "Characters",
         "CharacterTable", "CheckBoxValue", "CheckBoxEnabled", "CheckBoxVisible", "ComboButtonVisible",
         "RaiseCBClickOnCKTrue", "ComboRows", "ComboType", "CurrencyDisplayCapt", "HandleCurrencyChanges",
         "ShowFocusRect", "ShowSymbolCurrency", "SelTextAuto", "SpinButtons", "SpinDateType", "SpinTimeType",
         "SpinValue", [](T& t) { t.d->computeDataNames(); }, "DataIndex", "DataName", "DesignHeight", "DesignWidth",
         "AllowPaste", "PasswordChar", "ErrorBeep", "ErrorDesc", "ErrorMess", "ErrOutOfRangeMess", "NullText",
         "LastText", "LayOut", "FormattedText", "Template", "BoundText", "ComboButtonEnabled", "ComboItems",
         "ComboItemKeys", "RawText", "TagMore", "IfErrMess", "IfErrUndo", "AllowNothing", "SelCurrency", "LockSize",
         "MinValue", "MaxValue", "Unique", "UseDefaultCurrency", "UseNullValueDefault"});
}

bool ORXTextBox::acceptsPropertyValue(const QString& key, const QVariant& value) const
{
    return d->properties().accepts(*this, key, value);
}

}  // namespace orx::tools
