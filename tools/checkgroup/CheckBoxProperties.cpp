// The check box group's property table: every persisted property once, with
// its bag key, default, range rule and preset section, and the orders in
// which a new control takes its defaults and the bag is read and written.
#include "tools/checkgroup/ORXCheckBox_p.h"

#include "platform/host/Extender.h"
#include "tools/checkgroup/GroupProperties.h"
#include "tools/checkgroup/GroupRules.h"
#include "tools/common/PropertyTable.h"

namespace orx::tools {

namespace {

using T = ORXCheckBox;

}  // namespace

#define ORX_FIELD(member) .get = ORX_PROPERTY_GET(member), .set = ORX_PROPERTY_SET(member)

const PropertyTable<ORXCheckBox>& ORXCheckBox::properties()
{
    using K = PropertyKind;
    constexpr PresetSection General = PresetSection::General;
    constexpr PresetSection PerKind = PresetSection::PerKind;
    static const PropertyTable<T> table{groupRows<T>(
        {.back = host::syscolor::ButtonFace, .fore = host::syscolor::ButtonText},
        {.afterCaptions = {{.key = "CheckBoxesHeight", .kind = K::Double, .defaultValue = groups::MinItemHeight,
                            .get = [](const T& t) { return QVariant(double(float(t.group_->items->itemHeight()))); },
                            .set = [](T& t, const QVariant& v) { t.group_->items->setItemHeight(v.toDouble()); },
                            .preset = PerKind, .accepts = groups::heightRule<T>}},
         .afterHorizSpacing = {{.key = "ListValue", .kind = K::Text, .defaultValue = QStringLiteral("0"),
                                ORX_FIELD(d->listValue_)}},
         .afterMousePointer = {{.key = "NumChecks", .kind = K::Short, .defaultValue = 1, ORX_FIELD(d->numChecks_),
                                .preset = General, .accepts = groups::countRule<T, 1>}},
         .afterNumColsGrid = {{.key = "NumericValue", .kind = K::Int, .defaultValue = 0, ORX_FIELD(d->numericValue_)}},
         .afterUnique = {{.key = "Value", .kind = K::Bool, .defaultValue = false, ORX_FIELD(d->value_)},
                         {.key = "VertSpacing", .kind = K::Double, .defaultValue = 60.0,
                          .get = [](const T& t) { return QVariant(double(t.group_->vertSpacing_)); },
                          .set = [](T& t, const QVariant& v) { t.group_->vertSpacing_ = float(v.toDouble()); },
                          .preset = PerKind}}})};
    return table;
}

#undef ORX_FIELD

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
         [](T& t) { t.takeDataNames(); },
         "DataIndex", "DataName", "DesignHeight", "DesignWidth", "Enabled", "Font", "ForeColor", "HasFocus",
         "HorizSpacing", "ListValue", "Locked", "LockSize", "MouseIcon", "MousePointer", "NumChecks", "NumColsGrid",
         "NumericValue", "Orientation", "Tag", "TagMore", "ToolTipText", "Unique", "Value", "VertSpacing"});
}

bool ORXCheckBox::acceptsPropertyValue(const QString& key, const QVariant& value) const
{
    return properties().accepts(*this, key, value);
}

}  // namespace orx::tools
