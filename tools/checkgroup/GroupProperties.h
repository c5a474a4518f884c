#pragma once

// The rows of the property table that both group controls have, in
// interface order, with each control's own rows at their places. Only the
// controls' Properties.cpp files include it.
#include "platform/basic/Currency.h"
#include "platform/host/Extender.h"
#include "tools/checkgroup/GroupControl.h"
#include "tools/checkgroup/GroupRules.h"
#include "tools/checkgroup/GroupState.h"
#include "tools/common/PropertyTable.h"

#include <QImage>
#include <QPalette>

#include <cstdint>
#include <limits>
#include <vector>

namespace orx::tools::groups {

// The default colours, where the groups differ.
struct GroupColours {
    std::uint32_t back, fore;
};

// A control's own rows, each run at its place among the shared ones.
template <class T>
struct OwnRows {
    using Rows = std::vector<typename PropertyTable<T>::Entry>;
    Rows afterCaptions, afterHorizSpacing, afterMousePointer, afterNumColsGrid, afterUnique;
};

// A 16-bit count of at least `least` (NumColsGrid, NumChecks, NumOptions).
template <class T, int least>
bool countRule(const T&, const QVariant& v)
{
    bool ok = false;
    const int n = v.toInt(&ok);
    return ok && n >= least && n <= std::numeric_limits<std::int16_t>::max();
}

// An item height (CheckBoxesHeight, OptionButtonsHeight).
template <class T>
bool heightRule(const T&, const QVariant& v)
{
    return v.toDouble() >= MinItemHeight;
}

#define ORX_FIELD(member) .get = ORX_PROPERTY_GET(member), .set = ORX_PROPERTY_SET(member)
#define ORX_FONT_DEFAULT(expr) [](const T& t) { const host::StdFont f = t.ambientFont(); return QVariant(expr); }

template <class T>
std::vector<typename PropertyTable<T>::Entry> GroupControl::groupRows(GroupColours colours, OwnRows<T> own)
{
    using K = PropertyKind;
    constexpr PresetSection General = PresetSection::General;
    constexpr PresetSection PerKind = PresetSection::PerKind;
    const auto colour = [](std::uint32_t c) { return QVariant::fromValue(host::OleColor{c}); };
    using Rows = typename OwnRows<T>::Rows;
    const auto append = [](Rows& to, const Rows& from) {
        to.insert(to.end(), from.begin(), from.end());
    };

    Rows rows{
        {.key = "Appearance", .kind = K::Int, .defaultValue = int(border::ThreeD),
         .get = [](const T& t) { return QVariant(t.group_->border_.Appearance()); },
         .set = [](T& t, const QVariant& v) {
             t.group_->border_.restore(v.toInt(), t.group_->border_.BorderStyle(), t.group_->border_.BorderEffect());
         },
         .preset = General},
        {.key = "BackColor", .kind = K::Colour, .defaultValue = colour(colours.back),
         .get = [](const T& t) { return QVariant::fromValue(t.group_->items->backColor()); },
         .set = [](T& t, const QVariant& v) {
             const host::OleColor c = v.value<host::OleColor>();
             t.group_->items->setBackColor(c);
             QPalette p = t.palette();
             p.setColor(QPalette::Window, host::resolveColor(c));
             t.setPalette(p);
         },
         .preset = General},
        {.key = "BorderEffect", .kind = K::Int, .defaultValue = int(border::GrooveFrame),
         .get = [](const T& t) { return QVariant(t.group_->border_.BorderEffect()); },
         .set = [](T& t, const QVariant& v) {
             t.group_->border_.restore(t.group_->border_.Appearance(), t.group_->border_.BorderStyle(), v.toInt());
         },
         .preset = General},
        {.key = "BorderStyle", .kind = K::Int, .defaultValue = int(border::NoBorder),
         .get = [](const T& t) { return QVariant(t.group_->border_.BorderStyle()); },
         .set = [](T& t, const QVariant& v) {
             t.group_->border_.restore(t.group_->border_.Appearance(), v.toInt(), t.group_->border_.BorderEffect());
         },
         .preset = General},
        {.key = "CaptionAlignment", .kind = K::Int, .defaultValue = 0,
         .get = [](const T& t) { return QVariant(t.group_->items->alignment()); },
         .set = [](T& t, const QVariant& v) { t.group_->items->setAlignment(v.toInt()); }, .preset = PerKind},
        {.key = "CaptionPosition", .kind = K::Int, .defaultValue = CaptionRight,
         ORX_FIELD(group_->captionPosition_), .preset = PerKind},
        {.key = "Captions", .kind = K::Text, .defaultValue = QString(), ORX_FIELD(group_->captions_)}
    };
    append(rows, own.afterCaptions);
    rows.insert(rows.end(), {
        {.key = "DataIndex", .kind = K::Text, .defaultValue = QString(), ORX_FIELD(group_->dataIndex_)},
        {.key = "DataName", .kind = K::Text, .defaultValue = QString(), ORX_FIELD(group_->dataName_)},
        {.key = "DesignHeight", .kind = K::Double, .defaultValue = 0.0,
         .get = [](const T& t) { return QVariant(double(t.group_->designHeight_)); },
         .set = [](T& t, const QVariant& v) { t.group_->designHeight_ = float(v.toDouble()); }},
        {.key = "DesignWidth", .kind = K::Double, .defaultValue = 0.0,
         .get = [](const T& t) { return QVariant(double(t.group_->designWidth_)); },
         .set = [](T& t, const QVariant& v) { t.group_->designWidth_ = float(v.toDouble()); }},
        {.key = "Enabled", .kind = K::Bool, .defaultValue = true,
         .get = [](const T& t) { return QVariant(t.Enabled()); },
         .set = [](T& t, const QVariant& v) { t.setEnabled(v.toBool()); }},
        {.key = "Font", .kind = K::Other, .defaultValue = QVariant(),
         .get = [](const T& t) { return QVariant::fromValue(t.group_->items->font()); },
         .set = [](T& t, const QVariant& v) { t.group_->items->setFont(v.value<host::StdFont>()); },
         .dynamicDefault = [](const T& t) { return QVariant::fromValue(t.ambientFont()); }},
        {.key = "ForeColor", .kind = K::Colour, .defaultValue = colour(colours.fore),
         .get = [](const T& t) { return QVariant::fromValue(t.group_->items->foreColor()); },
         .set = [](T& t, const QVariant& v) { t.group_->items->setForeColor(v.value<host::OleColor>()); },
         .preset = General},
        {.key = "HasFocus", .kind = K::Bool, .defaultValue = false, ORX_FIELD(group_->hasFocus_)},
        {.key = "HorizSpacing", .kind = K::Double, .defaultValue = 60.0,
         .get = [](const T& t) { return QVariant(double(t.group_->horizSpacing_)); },
         .set = [](T& t, const QVariant& v) { t.group_->horizSpacing_ = float(v.toDouble()); }, .preset = PerKind}
    });
    append(rows, own.afterHorizSpacing);
    rows.insert(rows.end(), {
        {.key = "Locked", .kind = K::Bool, .defaultValue = false, ORX_FIELD(group_->locked_)},
        {.key = "LockSize", .kind = K::Int, .defaultValue = 0, ORX_FIELD(group_->lockSize_),
         .preset = General},
        {.key = "MouseIcon", .kind = K::Other, .defaultValue = QImage(),
         .get = [](const T& t) { return QVariant(t.group_->items->mouseIcon()); },
         .set = [](T& t, const QVariant& v) {
             t.group_->items->setPointer(t.group_->items->mousePointer(), v.value<QImage>());
             groups::applyPointer(&t, t.group_->items->mousePointer(), t.group_->items->mouseIcon());
         }},
        {.key = "MousePointer", .kind = K::Int, .defaultValue = 0,
         .get = [](const T& t) { return QVariant(t.group_->items->mousePointer()); },
         .set = [](T& t, const QVariant& v) {
             t.group_->items->setPointer(v.toInt(), t.group_->items->mouseIcon());
             groups::applyPointer(&t, v.toInt(), t.group_->items->mouseIcon());
         }}
    });
    append(rows, own.afterMousePointer);
    rows.insert(rows.end(), {
        {.key = "NumColsGrid", .kind = K::Short, .defaultValue = 1, ORX_FIELD(group_->numColsGrid_), .preset = General,
         .accepts = countRule<T, 1>}
    });
    append(rows, own.afterNumColsGrid);
    rows.insert(rows.end(), {
        {.key = "Orientation", .kind = K::Int, .defaultValue = Vertical, ORX_FIELD(group_->orientation_),
         .preset = General},
        {.key = "Tag", .kind = K::Text, .defaultValue = QString(), .get = [](const T& t) { return QVariant(t.Tag()); },
         .set = [](T& t, const QVariant& v) { t.extender()->setTag(v.toString()); }},
        {.key = "TagMore", .kind = K::Text, .defaultValue = QString(), ORX_FIELD(group_->tagMore_)},
        {.key = "ToolTipText", .kind = K::Text, .defaultValue = QString(),
         .get = [](const T& t) { return QVariant(t.ToolTipText()); },
         .set = [](T& t, const QVariant& v) {
             t.extender()->setToolTipText(v.toString());
             t.group_->items->setToolTip(v.toString());
         }},
        {.key = "Unique", .kind = K::Bool, .defaultValue = false, ORX_FIELD(group_->unique_), .preset = General}
    });
    append(rows, own.afterUnique);
    rows.insert(rows.end(), {
        // The font's parts, kept by presets only; a new control takes the
        // container's font for any the file lacks.
        {.key = "Font.Bold", .kind = K::Bool, .defaultValue = QVariant(),
         .get = [](const T& t) { return QVariant(t.group_->items->font().bold()); },
         .set = [](T& t, const QVariant& v) {
             host::StdFont f = t.group_->items->font();
             f.setBold(v.toBool());
             t.group_->items->setFont(f);
         },
         .preset = General, .dynamicDefault = ORX_FONT_DEFAULT(f.bold()), .inBag = false},
        {.key = "Font.Charset", .kind = K::Short, .defaultValue = QVariant(),
         .get = [](const T& t) { return QVariant(t.group_->items->font().charset); },
         .set = [](T& t, const QVariant& v) {
             host::StdFont f = t.group_->items->font();
             f.charset = v.toInt();
             t.group_->items->setFont(f);
         },
         .preset = General, .dynamicDefault = ORX_FONT_DEFAULT(f.charset), .inBag = false},
        {.key = "Font.Italic", .kind = K::Bool, .defaultValue = QVariant(),
         .get = [](const T& t) { return QVariant(t.group_->items->font().italic); },
         .set = [](T& t, const QVariant& v) {
             host::StdFont f = t.group_->items->font();
             f.italic = v.toBool();
             t.group_->items->setFont(f);
         },
         .preset = General, .dynamicDefault = ORX_FONT_DEFAULT(f.italic), .inBag = false},
        {.key = "Font.Name", .kind = K::Text, .defaultValue = QVariant(),
         .get = [](const T& t) { return QVariant(t.group_->items->font().name); },
         .set = [](T& t, const QVariant& v) {
             host::StdFont f = t.group_->items->font();
             f.name = v.toString();
             t.group_->items->setFont(f);
         },
         .preset = General, .dynamicDefault = ORX_FONT_DEFAULT(f.name), .inBag = false},
        {.key = "Font.Size", .kind = K::Double, .defaultValue = QVariant(),
         .get = [](const T& t) { return QVariant(t.group_->items->font().size); },
         .set = [](T& t, const QVariant& v) {
             host::StdFont f = t.group_->items->font();
             f.size = v.toDouble();
             t.group_->items->setFont(f);
         },
         .preset = General, .dynamicDefault = ORX_FONT_DEFAULT(f.size),
         .presetGet = [](const T& t) {
             return QVariant::fromValue(basic::Currency::fromDouble(t.group_->items->font().size));
         },
         .inBag = false,
         .accepts = [](const T&, const QVariant& v) { return v.toDouble() > 0; }},
        {.key = "Font.Strikethrough", .kind = K::Bool, .defaultValue = QVariant(),
         .get = [](const T& t) { return QVariant(t.group_->items->font().strikethrough); },
         .set = [](T& t, const QVariant& v) {
             host::StdFont f = t.group_->items->font();
             f.strikethrough = v.toBool();
             t.group_->items->setFont(f);
         },
         .preset = General, .dynamicDefault = ORX_FONT_DEFAULT(f.strikethrough), .inBag = false},
        {.key = "Font.Underline", .kind = K::Bool, .defaultValue = QVariant(),
         .get = [](const T& t) { return QVariant(t.group_->items->font().underline); },
         .set = [](T& t, const QVariant& v) {
             host::StdFont f = t.group_->items->font();
             f.underline = v.toBool();
             t.group_->items->setFont(f);
         },
         .preset = General, .dynamicDefault = ORX_FONT_DEFAULT(f.underline), .inBag = false},
        {.key = "Font.Weight", .kind = K::Short, .defaultValue = QVariant(),
         .get = [](const T& t) { return QVariant(t.group_->items->font().weight); },
         .set = [](T& t, const QVariant& v) {
             host::StdFont f = t.group_->items->font();
             f.weight = v.toInt();
             t.group_->items->setFont(f);
         },
         .preset = General, .dynamicDefault = ORX_FONT_DEFAULT(f.weight), .inBag = false}
    });
    return rows;
}

#undef ORX_FIELD
#undef ORX_FONT_DEFAULT

}  // namespace orx::tools::groups
