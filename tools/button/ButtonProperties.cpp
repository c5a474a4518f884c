// The button's property table: every persisted property once, with its bag
// key, default and preset section, and the orders in which a new button
// takes its defaults and the bag is read and written.
#include "tools/button/ORXCommandButton_p.h"

#include "platform/basic/Currency.h"
#include "tools/button/CaptionList.h"
#include "platform/host/Extender.h"
#include "platform/host/PropertyBag.h"
#include "tools/common/PropertyTable.h"

#include <QLabel>

namespace orx::tools {

namespace {

using T = ORXCommandButton;
using K = PropertyKind;
constexpr PresetSection General = PresetSection::General;

QVariant colour(std::uint32_t c)
{
    return QVariant::fromValue(host::OleColor{c});
}

}  // namespace

// A member kept as it is: read back as its own type.
#define ORX_FIELD(member) ORX_PROPERTY_GET(d->member), ORX_PROPERTY_SET(d->member)
// A picture: one without pixels is none.
#define ORX_PICTURE(member)                                                                                         \
    [](const T& t) { return QVariant(t.d->member); },                                                                  \
        [](T& t, const QVariant& v) { t.d->member = Private::pictureOrNone(v.value<QImage>()); }

const PropertyTable<ORXCommandButton>& ORXCommandButton::Private::properties()
{
    static const PropertyTable<ORXCommandButton> table{
        {"Appearance", K::Int, int(ORXCM_3D), ORX_FIELD(appearance_), General},
        {"AutoScroll", K::Bool, true, ORX_FIELD(autoScroll_), General},
        {"BackColor", K::Colour, colour(host::syscolor::ButtonFace),
         [](const T& t) { return QVariant::fromValue(t.d->backColor_); },
         [](T& t, const QVariant& v) {
             t.d->backColor_ = v.value<host::OleColor>();
             t.d->applySurfaceBackColor();
         },
         General},
        {"BorderStyle", K::Int, int(ORXCM_No_Border), ORX_FIELD(borderStyle_), General},
        {"CapCount", K::Short, 0, [](const T& t) { return QVariant(t.CapCount()); }, [](T&, const QVariant&) {
             // The count follows the caption list, which Captions brings.
         }},
        {"CapAlignment", K::Int, int(ORXCM_Center_CaptAlign), ORX_FIELD(capAlignment_), General},
        {"CapIndex", K::Short, 1, ORX_FIELD(capIndex_)},
        {"Captions", K::Text, QString(), [](const T& t) { return QVariant(t.d->captions_); },
         [](T& t, const QVariant& v) {
             t.d->captions_ = button::trimCaptions(v.toString());
             t.d->splitCaptionList();
         }},
        {"DesignHeight", K::Double, 0.0, [](const T& t) { return QVariant(double(t.d->designHeight_)); },
         [](T& t, const QVariant& v) { t.d->designHeight_ = float(v.toDouble()); }},
        {"DesignWidth", K::Double, 0.0, [](const T& t) { return QVariant(double(t.d->designWidth_)); },
         [](T& t, const QVariant& v) { t.d->designWidth_ = float(v.toDouble()); }},
        {"DisabledPicture", K::Other, QImage(), ORX_PICTURE(disabledPicture_)},
        {"DownPicture", K::Other, QImage(), ORX_PICTURE(downPicture_)},
        {"Enabled", K::Bool, true, [](const T& t) { return QVariant(t.d->enabled_); },
         [](T& t, const QVariant& v) {
             t.d->enabled_ = v.toBool();
             t.setEnabled(t.d->enabled_);
         }},
        {"Font", K::Other, QVariant(), ORX_FIELD(font_), PresetSection::None,
         [](const T& t) { return QVariant::fromValue(t.ambientFont()); }},
        // The button-text colour is the fixed default: a default that moved
        // with the value would never be written by a bag that drops defaults.
        {"ForeColor", K::Colour, colour(host::syscolor::ButtonText), ORX_FIELD(foreColor_), General},
        {"HasFocus", K::Bool, false, ORX_FIELD(hasFocus_)},
        {"HorizSpacing", K::Double, 4.0, [](const T& t) { return QVariant(double(t.d->horizSpacing_)); },
         [](T& t, const QVariant& v) { t.d->horizSpacing_ = float(v.toDouble()); }, General},
        {"LockSize", K::Int, int(ORXCM_No_Locked), ORX_FIELD(lockSize_), General},
        {"MouseIcon", K::Other, QImage(), ORX_PICTURE(mouseIcon_)},
        {"MousePointer", K::Int, 0, ORX_FIELD(mousePointer_)},
        {"Picture", K::Other, QImage(), ORX_PICTURE(picture_)},
        {"PicturePosition", K::Int, int(ORXCM_Top_Picture), ORX_FIELD(picturePosition_), General},
        {"Shape", K::Int, int(ORXCM_Square), [](const T& t) { return QVariant(t.d->shape_); },
         [](T& t, const QVariant& v) {
             t.d->shape_ = v.toInt();
             t.d->applySurfaceBackColor();
         },
         General},
        {"ShowFocusRect", K::Bool, true, ORX_FIELD(showFocusRect_), General},
        {"TagMore", K::Text, QString(), ORX_FIELD(tagMore_)},
        {"UpPicture", K::Other, QImage(), ORX_PICTURE(upPicture_)},
        {"Value", K::Bool, false, ORX_FIELD(value_)},
        {"VertSpacing", K::Short, 4, ORX_FIELD(vertSpacing_), General},

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
#undef ORX_PICTURE

// ---- The orders ------------------------------------------------------------

void ORXCommandButton::Private::applyNewControlDefaults()
{
    properties().applyDefaults(
        *q, {"CapCount", "CapIndex", "DesignHeight", "DesignWidth", "DisabledPicture", "DownPicture", "Picture",
                "UpPicture", "HasFocus", "Value", "TagMore",
                [](T& t) {
                    t.d->IMG_Button->clear();
                    t.d->IMG_Button->hide();
                    // A new button shows its own name.
                    properties().set(t, properties().entry("Captions"), t.extender()->name());
                    t.d->visualState_ = 4;
                },
                // The built-in defaults the presets may override.
                "Appearance", "Shape", "AutoScroll", "BackColor", "ForeColor", "CapAlignment", "BorderStyle", "Font",
                "HorizSpacing", "PicturePosition", "LockSize", "ShowFocusRect", "VertSpacing"});
}

void ORXCommandButton::Private::readBag(const host::PropertyBag& bag)
{
    properties().read(
        *q, bag,
        {[](T& t, const host::PropertyBag& b) {
             t.setAppearance(ORXCM_Appearance_Constants(properties().readValue(t, b, "Appearance").toInt()));
         },
         "Shape", "BackColor", "ForeColor", "CapAlignment", "AutoScroll", "BorderStyle", "CapCount", "CapIndex",
         [](T& t, const host::PropertyBag& b) { t.setCaptions(properties().readValue(t, b, "Captions").toString()); },
         "DesignHeight", "DesignWidth", "DisabledPicture", "DownPicture",
         [](T& t, const host::PropertyBag& b) { t.setEnabledState(properties().readValue(t, b, "Enabled").toBool()); },
         [](T& t, const host::PropertyBag& b) {
             t.setFontValue(properties().readValue(t, b, "Font").value<host::StdFont>());
         },
         "HasFocus", "HorizSpacing", "PicturePosition", "LockSize", "MouseIcon", "MousePointer",
         [](T& t) { t.d->applyMousePointer(); }, "Picture",
         [](T& t) {
             t.d->showPicture(t.d->picture_);
             t.d->IMG_Button->setToolTip(t.extender()->toolTipText());
         },
         "TagMore", "UpPicture", "ShowFocusRect", "Value", "VertSpacing"});
}

void ORXCommandButton::Private::writeBag(host::PropertyBag& bag)
{
    properties().write(*q, bag,
                       {"Appearance", "Shape", "BackColor", "ForeColor", "CapAlignment", "AutoScroll", "BorderStyle",
                        "CapCount", "CapIndex", "Captions", "DesignHeight", "DesignWidth", "DisabledPicture",
                        "DownPicture", "Enabled", "Font", "HasFocus", "HorizSpacing", "PicturePosition", "LockSize",
                        "MouseIcon", "MousePointer", "Picture", "ShowFocusRect", "TagMore", "UpPicture", "Value",
                        "VertSpacing"});
}

bool ORXCommandButton::acceptsPropertyValue(const QString& key, const QVariant& value) const
{
    return d->properties().accepts(*this, key, value);
}

}  // namespace orx::tools
