// The option button group's widgets, its typed, own and indexed properties, its
// methods and the property bag.
#include "tools/optiongroup/ORXOptionButton_p.h"

#include "platform/host/Extender.h"
#include "platform/host/PropertyBag.h"
#include "tools/checkgroup/GroupRules.h"
#include "tools/common/PropertyTable.h"
#include "tools/common/SettingsFiles.h"

#include <QRadioButton>
#include <QLabel>

namespace orx::tools {

namespace {

constexpr groups::GroupKind kKind{OptionButtonSettings, "NumOptions", "OptionButtonsHeight", false};

}  // namespace

ORXOptionButton::ORXOptionButton(QWidget* parent)
    : GroupControl(parent, kKind), d(std::make_unique<Private>())
{
    setAutoFillBackground(true);
    group_->items.emplace(
        this, QStringLiteral("OB_Option"), [](QWidget* owner) -> QAbstractButton* { return new QRadioButton(owner); },
        [this](int k) { itemMade(k); });
    itemMade(0);
    // Every property starts at its default; the host then initialises or
    // loads the control.
    properties().applyAllDefaults(*this);
}

ORXOptionButton::~ORXOptionButton() = default;

void ORXOptionButton::itemMade(int k)
{
    // The options are siblings, so selecting one deselects the others.
    QRadioButton* option = optionButton(k);
    option->setAutoExclusive(true);
    option->setFocusPolicy(Qt::ClickFocus);
    option->installEventFilter(this);
    captionLabel(k)->installEventFilter(this);
    connect(option, &QRadioButton::toggled, this, [this, k](bool on) {
        if (on)
            optionClicked(k);
        updateTabPolicy();
    });
}

QRadioButton* ORXOptionButton::optionButton(int index) const
{
    return static_cast<QRadioButton*>(group_->items->box(index));
}

QLabel* ORXOptionButton::captionLabel(int index) const
{
    return group_->items->label(index);
}

int ORXOptionButton::itemCount() const
{
    return d->numOptions_;
}

int ORXOptionButton::focusItem() const
{
    return d->listIndex_;
}

void ORXOptionButton::itemsPlaced()
{
    if (QRadioButton* option = optionButton(d->listIndex_))
        option->setChecked(true);
}

// ---- Typed and own properties ----------------------------------------------

ORXOB::ORXOB_Appearance_Constants ORXOptionButton::Appearance() const
{
    return ORXOB::ORXOB_Appearance_Constants(group_->border_.Appearance());
}

void ORXOptionButton::setAppearance(ORXOB::ORXOB_Appearance_Constants value)
{
    setAppearanceValue(value);
}

ORXOB::ORXOB_BorderEffect_Constants ORXOptionButton::BorderEffect() const
{
    return ORXOB::ORXOB_BorderEffect_Constants(group_->border_.BorderEffect());
}

void ORXOptionButton::setBorderEffect(ORXOB::ORXOB_BorderEffect_Constants value)
{
    setBorderEffectValue(value);
}

ORXOB::ORXOB_BorderStyle_Constants ORXOptionButton::BorderStyle() const
{
    return ORXOB::ORXOB_BorderStyle_Constants(group_->border_.BorderStyle());
}

void ORXOptionButton::setBorderStyle(ORXOB::ORXOB_BorderStyle_Constants value)
{
    setBorderStyleValue(value);
}

auto ORXOptionButton::CaptionAlignment() const -> ORXOB_CaptAlign_Constants
{
    return ORXOB_CaptAlign_Constants(group_->items->alignment());
}

void ORXOptionButton::setCaptionAlignment(ORXOB_CaptAlign_Constants value)
{
    setCaptionAlignmentValue(value);
}

auto ORXOptionButton::CaptionPosition() const -> ORXOB_CaptPosiz_Constants
{
    return ORXOB_CaptPosiz_Constants(group_->captionPosition_);
}

void ORXOptionButton::setCaptionPosition(ORXOB_CaptPosiz_Constants value)
{
    setCaptionPositionValue(value);
}

int ORXOptionButton::OptionButtonsHeight() const
{
    return int(group_->items->itemHeight());
}

void ORXOptionButton::setOptionButtonsHeight(int twips)
{
    setItemHeightValue(twips, QStringLiteral("OptionButtonsHeight"));
}

int ORXOptionButton::ListIndex() const
{
    return d->listIndex_;
}

QString ORXOptionButton::ListValues() const
{
    return d->listValues_;
}

auto ORXOptionButton::LockSize() const -> ORXOB_LockSize_Constants
{
    return ORXOB_LockSize_Constants(group_->lockSize_);
}

void ORXOptionButton::setLockSize(ORXOB_LockSize_Constants value)
{
    setLockSizeValue(value);
}

int ORXOptionButton::NumOptions() const
{
    return d->numOptions_;
}

auto ORXOptionButton::Orientation() const -> ORXOB_Orientation_Constants
{
    return ORXOB_Orientation_Constants(group_->orientation_);
}

void ORXOptionButton::setOrientation(ORXOB_Orientation_Constants value)
{
    setOrientationValue(value);
}

QString ORXOptionButton::Value() const
{
    return group_->items->tag(d->listIndex_);
}

int ORXOptionButton::VertSpacing() const
{
    return groups::roundTwips(group_->vertSpacing_);
}

void ORXOptionButton::setVertSpacing(int twips)
{
    setVertSpacingValue(float(twips));
}

// ---- Indexed properties ---------------------------------------------------

QString ORXOptionButton::OptionCaption(int Index) const
{
    return group_->items->caption(Index);
}

void ORXOptionButton::OptionCaption(int Index, const QString& Value)
{
    setItemCaption(Index, Value);
}

bool ORXOptionButton::OptionEnabled(int Index) const
{
    return itemEnabled(Index);
}

void ORXOptionButton::OptionEnabled(int Index, bool Value)
{
    setItemEnabled(Index, Value);
}

QString ORXOptionButton::OptionListValue(int Index) const
{
    return group_->items->tag(Index);
}

bool ORXOptionButton::OptionValue(int Index) const
{
    const QRadioButton* option = optionButton(Index);
    return option && option->isChecked();
}

bool ORXOptionButton::OptionVisible(int Index) const
{
    return itemVisible(Index);
}

void ORXOptionButton::OptionVisible(int Index, bool Value)
{
    setItemVisible(Index, Value);
}

// ---- Methods --------------------------------------------------------------

void ORXOptionButton::ResetDesignSize()
{
    resetToDesignSize();
}

void ORXOptionButton::ShowAboutBox()
{
    showAboutBox();
}

// ---- The property bag -----------------------------------------------------

void ORXOptionButton::ReadProperties(host::PropertyBag& bag)
{
    // No frame is painted half-loaded.
    group_->painter.setPainting(true);
    readBag(bag);
    group_->painter.setPainting(false);
    // The container resizes a loaded control as it shows it; this host
    // placed it before loading, so the first layout, which makes the
    // selection, runs here.
    Resize();
    update();
}

void ORXOptionButton::WriteProperties(host::PropertyBag& bag)
{
    writeBag(bag);
}

}  // namespace orx::tools
