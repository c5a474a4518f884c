// The option button group's property table: every persisted property once, with
// its bag key, default, range rule and preset section, and the orders in
// which a new control takes its defaults and the bag is read and written.
#include "tools/optiongroup/ORXOptionButton_p.h"

#include "platform/host/Extender.h"
#include "tools/checkgroup/GroupProperties.h"
#include "tools/checkgroup/GroupRules.h"
#include "tools/common/PropertyTable.h"

namespace orx::tools {

namespace {

using T = ORXOptionButton;

}  // namespace

#define ORX_FIELD(member) .get = ORX_PROPERTY_GET(member), .set = ORX_PROPERTY_SET(member)

const PropertyTable<ORXOptionButton>& ORXOptionButton::properties()
{
    using K = PropertyKind;
    constexpr PresetSection General = PresetSection::General;
    constexpr PresetSection PerKind = PresetSection::PerKind;
    static const PropertyTable<T> table{groupRows<T>(
        {.back = host::syscolor::WindowBackground, .fore = host::syscolor::WindowText},
        {.afterHorizSpacing = {{.key = "ListIndex", .kind = K::Short, .defaultValue = 0, ORX_FIELD(d->listIndex_),
                                .accepts = [](const T& t, const QVariant& v) {
                                    return v.toInt() >= 0 && v.toInt() < t.d->numOptions_;
                                }},
                               {.key = "ListValues", .kind = K::Text, .defaultValue = QString(),
                                ORX_FIELD(d->listValues_)}},
         .afterNumColsGrid = {{.key = "NumOptions", .kind = K::Short, .defaultValue = 2, ORX_FIELD(d->numOptions_),
                               .preset = General, .accepts = groups::countRule<T, 2>},
                              {.key = "OptionButtonsHeight", .kind = K::Short,
                               .defaultValue = int(groups::MinItemHeight),
                               .get = [](const T& t) { return QVariant(int(t.group_->items->itemHeight())); },
                               .set = [](T& t, const QVariant& v) { t.group_->items->setItemHeight(v.toInt()); },
                               .preset = PerKind, .accepts = groups::heightRule<T>}},
         .afterUnique = {{.key = "Value", .kind = K::Text, .defaultValue = QString(), ORX_FIELD(d->value_)},
                         {.key = "VertSpacing", .kind = K::Short, .defaultValue = 60,
                          .get = [](const T& t) { return QVariant(t.VertSpacing()); },
                          .set = [](T& t, const QVariant& v) { t.group_->vertSpacing_ = float(v.toDouble()); },
                          .preset = PerKind}}})};
    return table;
}

#undef ORX_FIELD

// ---- The orders ------------------------------------------------------------

void ORXOptionButton::applyNewControlDefaults()
{
    properties().applyDefaults(*this, {"ListIndex", "ListValues", "Captions", "Value", "DataIndex", "DataName",
                                       "TagMore", "HasFocus", "Locked", "DesignHeight", "DesignWidth"});
}

void ORXOptionButton::readBag(const host::PropertyBag& bag)
{
    properties().read(
        *this, bag,
        {"BackColor", "Enabled", "Font", "ForeColor", "ToolTipText", "Tag", "OptionButtonsHeight", "CaptionAlignment",
         "MouseIcon", "MousePointer", "BorderStyle", "BorderEffect", "Appearance", "Orientation", "CaptionPosition",
         "Captions", "DataIndex", "DataName", "DesignHeight", "DesignWidth", "VertSpacing", "HasFocus",
         "HorizSpacing", "NumOptions", "NumColsGrid", "ListValues", "TagMore", "Unique",
         [](T& t) {
             t.LayoutItems();
             t.ApplyCaptions();
             t.ApplyListValues();
         },
         // The selection itself is made by the next layout.
         "ListIndex", "Locked", "LockSize", "Value"});
}

void ORXOptionButton::writeBag(host::PropertyBag& bag)
{
    properties().write(
        *this, bag,
        {"BackColor", "Enabled", "Font", "ForeColor", "ToolTipText", "Tag", "OptionButtonsHeight", "CaptionAlignment",
         "MouseIcon", "MousePointer", "BorderStyle", "BorderEffect", "Appearance", "Orientation", "CaptionPosition",
         "Captions",
         [](T& t) { t.takeDataNames(); },
         "DataIndex", "DataName", "DesignHeight", "DesignWidth", "VertSpacing", "HasFocus", "HorizSpacing",
         "NumOptions", "NumColsGrid", "ListValues", "TagMore", "Unique", "ListIndex", "Locked", "LockSize", "Value"});
}

bool ORXOptionButton::acceptsPropertyValue(const QString& key, const QVariant& value) const
{
    return properties().accepts(*this, key, value);
}

}  // namespace orx::tools
