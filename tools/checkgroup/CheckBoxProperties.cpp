// The check box group's property table: every persisted property once, with
// its bag key, default, range rule and preset section, and the orders in
// which a new control takes its defaults and the bag is read and written.
#include "tools/checkgroup/ORXCheckBox_p.h"

#include "platform/basic/Currency.h"
#include "platform/host/Extender.h"
#include "tools/checkgroup/GroupRules.h"
#include "tools/common/PropertyTable.h"

#include <limits>

namespace orx::tools {

namespace {

using T = ORXCheckBox;
using K = PropertyKind;
constexpr PresetSection General = PresetSection::General;
constexpr PresetSection PerKind = PresetSection::PerKind;

QVariant colour(std::uint32_t c)
{
    return QVariant::fromValue(host::OleColor{c});
}

// A 16-bit count of at least `least`.
template <int least>
bool countRule(const T&, const QVariant& v)
{
    bool ok = false;
    const int n = v.toInt(&ok);
    return ok && n >= least && n <= std::numeric_limits<std::int16_t>::max();
}

bool heightRule(const T&, const QVariant& v)
{
    return v.toDouble() >= groups::MinItemHeight;
}

}  // namespace

#define ORX_FIELD(member) .get = ORX_PROPERTY_GET(member), .set = ORX_PROPERTY_SET(member)
#define ORX_FONT_DEFAULT(expr) [](const T& t) { const host::StdFont f = t.ambientFont(); return QVariant(expr); }

const PropertyTable<ORXCheckBox>& ORXCheckBox::properties()
{
    static const PropertyTable<ORXCheckBox> table{
        {.key = "Appearance", .kind = K::Int, .defaultValue = int(border::ThreeD),
         .get = [](const T& t) { return QVariant(t.d->border_.Appearance()); },
         .set = [](T& t, const QVariant& v) {
             t.d->border_.restore(v.toInt(), t.d->border_.BorderStyle(), t.d->border_.BorderEffect());
         },
         .preset = General},
        {.key = "BackColor", .kind = K::Colour, .defaultValue = colour(host::syscolor::ButtonFace),
         .get = [](const T& t) { return QVariant::fromValue(t.d->items->backColor()); },
         .set = [](T& t, const QVariant& v) {
             const host::OleColor c = v.value<host::OleColor>();
             t.d->items->setBackColor(c);
             QPalette p = t.palette();
             p.setColor(QPalette::Window, host::resolveColor(c));
             t.setPalette(p);
         },
         .preset = General},
        {.key = "BorderEffect", .kind = K::Int, .defaultValue = int(border::GrooveFrame),
         .get = [](const T& t) { return QVariant(t.d->border_.BorderEffect()); },
         .set = [](T& t, const QVariant& v) {
             t.d->border_.restore(t.d->border_.Appearance(), t.d->border_.BorderStyle(), v.toInt());
         },
         .preset = General},
        {.key = "BorderStyle", .kind = K::Int, .defaultValue = int(border::NoBorder),
         .get = [](const T& t) { return QVariant(t.d->border_.BorderStyle()); },
         .set = [](T& t, const QVariant& v) {
             t.d->border_.restore(t.d->border_.Appearance(), v.toInt(), t.d->border_.BorderEffect());
         },
         .preset = General},
        {.key = "CaptionAlignment", .kind = K::Int, .defaultValue = int(ORXCK_Left_CaptAlign),
         .get = [](const T& t) { return QVariant(t.d->items->alignment()); },
         .set = [](T& t, const QVariant& v) { t.d->items->setAlignment(v.toInt()); }, .preset = PerKind},
        {.key = "CaptionPosition", .kind = K::Int, .defaultValue = int(ORXCK_Right_CaptPos),
         ORX_FIELD(d->captionPosition_), .preset = PerKind},
        {.key = "Captions", .kind = K::Text, .defaultValue = QString(), ORX_FIELD(d->captions_)},
        {.key = "CheckBoxesHeight", .kind = K::Double, .defaultValue = groups::MinItemHeight,
         .get = [](const T& t) { return QVariant(double(float(t.d->items->itemHeight()))); },
         .set = [](T& t, const QVariant& v) { t.d->items->setItemHeight(v.toDouble()); }, .preset = PerKind,
         .accepts = heightRule},
        {.key = "DataIndex", .kind = K::Text, .defaultValue = QString(), ORX_FIELD(d->dataIndex_)},
        {.key = "DataName", .kind = K::Text, .defaultValue = QString(), ORX_FIELD(d->dataName_)},
        {.key = "DesignHeight", .kind = K::Double, .defaultValue = 0.0,
         .get = [](const T& t) { return QVariant(double(t.d->designHeight_)); },
         .set = [](T& t, const QVariant& v) { t.d->designHeight_ = float(v.toDouble()); }},
        {.key = "DesignWidth", .kind = K::Double, .defaultValue = 0.0,
         .get = [](const T& t) { return QVariant(double(t.d->designWidth_)); },
         .set = [](T& t, const QVariant& v) { t.d->designWidth_ = float(v.toDouble()); }},
        {.key = "Enabled", .kind = K::Bool, .defaultValue = true, .get = [](const T& t) { return QVariant(t.Enabled()); },
         .set = [](T& t, const QVariant& v) { t.setEnabled(v.toBool()); }},
        {.key = "Font", .kind = K::Other, .defaultValue = QVariant(),
         .get = [](const T& t) { return QVariant::fromValue(t.d->items->font()); },
         .set = [](T& t, const QVariant& v) { t.d->items->setFont(v.value<host::StdFont>()); },
         .dynamicDefault = [](const T& t) { return QVariant::fromValue(t.ambientFont()); }},
        {.key = "ForeColor", .kind = K::Colour, .defaultValue = colour(host::syscolor::ButtonText),
         .get = [](const T& t) { return QVariant::fromValue(t.d->items->foreColor()); },
         .set = [](T& t, const QVariant& v) { t.d->items->setForeColor(v.value<host::OleColor>()); },
         .preset = General},
        {.key = "HasFocus", .kind = K::Bool, .defaultValue = false, ORX_FIELD(d->hasFocus_)},
        {.key = "HorizSpacing", .kind = K::Double, .defaultValue = 60.0,
         .get = [](const T& t) { return QVariant(double(t.d->horizSpacing_)); },
         .set = [](T& t, const QVariant& v) { t.d->horizSpacing_ = float(v.toDouble()); }, .preset = PerKind},
        {.key = "ListValue", .kind = K::Text, .defaultValue = QStringLiteral("0"), ORX_FIELD(d->listValue_)},
        {.key = "Locked", .kind = K::Bool, .defaultValue = false, ORX_FIELD(d->locked_)},
        {.key = "LockSize", .kind = K::Int, .defaultValue = int(ORXCK_No_Locked), ORX_FIELD(d->lockSize_),
         .preset = General},
        {.key = "MouseIcon", .kind = K::Other, .defaultValue = QImage(),
         .get = [](const T& t) { return QVariant(t.d->items->mouseIcon()); },
         .set = [](T& t, const QVariant& v) {
             t.d->items->setPointer(t.d->items->mousePointer(), v.value<QImage>());
             groups::applyPointer(&t, t.d->items->mousePointer(), t.d->items->mouseIcon());
         }},
        {.key = "MousePointer", .kind = K::Int, .defaultValue = 0,
         .get = [](const T& t) { return QVariant(t.d->items->mousePointer()); },
         .set = [](T& t, const QVariant& v) {
             t.d->items->setPointer(v.toInt(), t.d->items->mouseIcon());
             groups::applyPointer(&t, v.toInt(), t.d->items->mouseIcon());
         }},
        {.key = "NumChecks", .kind = K::Short, .defaultValue = 1, ORX_FIELD(d->numChecks_), .preset = General,
         .accepts = countRule<1>},
        {.key = "NumColsGrid", .kind = K::Short, .defaultValue = 1, ORX_FIELD(d->numColsGrid_), .preset = General,
         .accepts = countRule<1>},
        {.key = "NumericValue", .kind = K::Int, .defaultValue = 0, ORX_FIELD(d->numericValue_)},
        {.key = "Orientation", .kind = K::Int, .defaultValue = int(ORXCK_Vert_Orient), ORX_FIELD(d->orientation_),
         .preset = General},
        {.key = "Tag", .kind = K::Text, .defaultValue = QString(), .get = [](const T& t) { return QVariant(t.Tag()); },
         .set = [](T& t, const QVariant& v) { t.extender()->setTag(v.toString()); }},
        {.key = "TagMore", .kind = K::Text, .defaultValue = QString(), ORX_FIELD(d->tagMore_)},
        {.key = "ToolTipText", .kind = K::Text, .defaultValue = QString(),
         .get = [](const T& t) { return QVariant(t.ToolTipText()); },
         .set = [](T& t, const QVariant& v) {
             t.extender()->setToolTipText(v.toString());
             t.d->items->setToolTip(v.toString());
         }},
        {.key = "Unique", .kind = K::Bool, .defaultValue = false, ORX_FIELD(d->unique_), .preset = General},
        {.key = "Value", .kind = K::Bool, .defaultValue = false, ORX_FIELD(d->value_)},
        {.key = "VertSpacing", .kind = K::Double, .defaultValue = 60.0,
         .get = [](const T& t) { return QVariant(double(t.d->vertSpacing_)); },
         .set = [](T& t, const QVariant& v) { t.d->vertSpacing_ = float(v.toDouble()); }, .preset = PerKind},

        // The font's parts, kept by presets only; a new control takes the
        // container's font for any the file lacks.
        {.key = "Font.Bold", .kind = K::Bool, .defaultValue = QVariant(),
         .get = [](const T& t) { return QVariant(t.d->items->font().bold()); },
         .set = [](T& t, const QVariant& v) {
             host::StdFont f = t.d->items->font();
             f.setBold(v.toBool());
             t.d->items->setFont(f);
         },
         .preset = General, .dynamicDefault = ORX_FONT_DEFAULT(f.bold()), .inBag = false},
        {.key = "Font.Charset", .kind = K::Short, .defaultValue = QVariant(),
         .get = [](const T& t) { return QVariant(t.d->items->font().charset); },
         .set = [](T& t, const QVariant& v) {
             host::StdFont f = t.d->items->font();
             f.charset = v.toInt();
             t.d->items->setFont(f);
         },
         .preset = General, .dynamicDefault = ORX_FONT_DEFAULT(f.charset), .inBag = false},
        {.key = "Font.Italic", .kind = K::Bool, .defaultValue = QVariant(),
         .get = [](const T& t) { return QVariant(t.d->items->font().italic); },
         .set = [](T& t, const QVariant& v) {
             host::StdFont f = t.d->items->font();
             f.italic = v.toBool();
             t.d->items->setFont(f);
         },
         .preset = General, .dynamicDefault = ORX_FONT_DEFAULT(f.italic), .inBag = false},
        {.key = "Font.Name", .kind = K::Text, .defaultValue = QVariant(),
         .get = [](const T& t) { return QVariant(t.d->items->font().name); },
         .set = [](T& t, const QVariant& v) {
             host::StdFont f = t.d->items->font();
             f.name = v.toString();
             t.d->items->setFont(f);
         },
         .preset = General, .dynamicDefault = ORX_FONT_DEFAULT(f.name), .inBag = false},
        {.key = "Font.Size", .kind = K::Double, .defaultValue = QVariant(),
         .get = [](const T& t) { return QVariant(t.d->items->font().size); },
         .set = [](T& t, const QVariant& v) {
             host::StdFont f = t.d->items->font();
             f.size = v.toDouble();
             t.d->items->setFont(f);
         },
         .preset = General, .dynamicDefault = ORX_FONT_DEFAULT(f.size),
         .presetGet = [](const T& t) { return QVariant::fromValue(basic::Currency::fromDouble(t.d->items->font().size)); },
         .inBag = false,
         .accepts = [](const T&, const QVariant& v) { return v.toDouble() > 0; }},
        {.key = "Font.Strikethrough", .kind = K::Bool, .defaultValue = QVariant(),
         .get = [](const T& t) { return QVariant(t.d->items->font().strikethrough); },
         .set = [](T& t, const QVariant& v) {
             host::StdFont f = t.d->items->font();
             f.strikethrough = v.toBool();
             t.d->items->setFont(f);
         },
         .preset = General, .dynamicDefault = ORX_FONT_DEFAULT(f.strikethrough), .inBag = false},
        {.key = "Font.Underline", .kind = K::Bool, .defaultValue = QVariant(),
         .get = [](const T& t) { return QVariant(t.d->items->font().underline); },
         .set = [](T& t, const QVariant& v) {
             host::StdFont f = t.d->items->font();
             f.underline = v.toBool();
             t.d->items->setFont(f);
         },
         .preset = General, .dynamicDefault = ORX_FONT_DEFAULT(f.underline), .inBag = false},
        {.key = "Font.Weight", .kind = K::Short, .defaultValue = QVariant(),
         .get = [](const T& t) { return QVariant(t.d->items->font().weight); },
         .set = [](T& t, const QVariant& v) {
             host::StdFont f = t.d->items->font();
             f.weight = v.toInt();
             t.d->items->setFont(f);
         },
         .preset = General, .dynamicDefault = ORX_FONT_DEFAULT(f.weight), .inBag = false},
    };
    return table;
}

#undef ORX_FIELD
#undef ORX_FONT_DEFAULT

// ---- The orders ------------------------------------------------------------

void ORXCheckBox::applyNewControlDefaults()
{
    properties().applyDefaults(*this, {"Captions", "DataIndex", "DataName", "TagMore", "ListValue", "NumericValue",
                                       "HasFocus", "Locked", "Value", "DesignHeight", "DesignWidth"});
}

void ORXCheckBox::readBag(const host::PropertyBag& bag)
{
    properties().read(
        *this, bag,
        {"BackColor", "Enabled", "Font", "ForeColor", "ToolTipText", "Tag", "CheckBoxesHeight", "CaptionAlignment",
         "MouseIcon", "MousePointer", "BorderStyle", "BorderEffect", "Appearance", "Orientation", "CaptionPosition",
         "Captions", "VertSpacing", "DataIndex", "DataName", "DesignHeight", "DesignWidth", "HasFocus",
         "HorizSpacing", "Locked", "LockSize", "NumChecks", "NumColsGrid", "TagMore", "Unique",
         [](T& t) {
             t.LayoutItems();
             t.ApplyCaptions();
         },
         "ListValue", "NumericValue", "Value",
         [](T& t) {
             t.ApplyListValue();
             t.ComputeNumericValue();
             t.ComputeValue();
         }});
}

void ORXCheckBox::writeBag(host::PropertyBag& bag)
{
    properties().write(
        *this, bag,
        {"Appearance", "BackColor", "BorderEffect", "BorderStyle", "CaptionAlignment", "CaptionPosition", "Captions",
         "CheckBoxesHeight",
         [](T& t) {
             if (!t.extender()->dataField().isEmpty()) {
                 const groups::DataNames names = groups::dataNamesOf(t.extender()->dataSource());
                 t.d->dataName_ = names.name;
                 t.d->dataIndex_ = names.index;
             }
         },
         "DataIndex", "DataName", "DesignHeight", "DesignWidth", "Enabled", "Font", "ForeColor", "HasFocus",
         "HorizSpacing", "ListValue", "Locked", "LockSize", "MouseIcon", "MousePointer", "NumChecks", "NumColsGrid",
         "NumericValue", "Orientation", "Tag", "TagMore", "ToolTipText", "Unique", "Value", "VertSpacing"});
}

bool ORXCheckBox::acceptsPropertyValue(const QString& key, const QVariant& value) const
{
    return properties().accepts(*this, key, value);
}

}  // namespace orx::tools
