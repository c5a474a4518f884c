// The check box group's widgets, its typed, own and indexed properties, its
// methods and the property bag.
#include "tools/checkgroup/ORXCheckBox_p.h"

#include "platform/host/Extender.h"
#include "platform/host/PropertyBag.h"
#include "tools/checkgroup/GroupRules.h"
#include "tools/common/PropertyTable.h"
#include "tools/common/SettingsFiles.h"

#include <QCheckBox>
#include <QLabel>

namespace orx::tools {

namespace {

constexpr groups::GroupKind kKind{CheckBoxSettings, "NumChecks", "CheckBoxesHeight", true};

}  // namespace

ORXCheckBox::ORXCheckBox(QWidget* parent)
    : GroupControl(parent, kKind), d(std::make_unique<Private>())
{
    setAutoFillBackground(true);
    group_->items.emplace(
        this, QStringLiteral("CK_Check"), [](QWidget* owner) -> QAbstractButton* { return new QCheckBox(owner); },
        [this](int k) { itemMade(k); });
    itemMade(0);
    // Every property starts at its default; the host then initialises or
    // loads the control.
    properties().applyAllDefaults(*this);
}

ORXCheckBox::~ORXCheckBox() = default;

void ORXCheckBox::itemMade(int k)
{
    QCheckBox* box = checkBox(k);
    // The group never shows a third state.
    box->setTristate(false);
    box->setFocusPolicy(Qt::StrongFocus);
    box->installEventFilter(this);
    captionLabel(k)->installEventFilter(this);
    connect(box, &QCheckBox::toggled, this, [this, k] { itemClicked(k); });
}

QCheckBox* ORXCheckBox::checkBox(int index) const
{
    return static_cast<QCheckBox*>(group_->items->box(index));
}

QLabel* ORXCheckBox::captionLabel(int index) const
{
    return group_->items->label(index);
}

int ORXCheckBox::itemCount() const
{
    return d->numChecks_;
}

int ORXCheckBox::focusItem() const
{
    return d->focusIndex;
}

void ORXCheckBox::itemsCounted()
{
    if (d->focusIndex >= group_->items->count())
        d->focusIndex = group_->items->count() - 1;
}

int ORXCheckBox::focusIndex() const
{
    return d->focusIndex;
}

// ---- Typed and own properties ----------------------------------------------

ORXCK::ORXCK_Appearance_Constants ORXCheckBox::Appearance() const
{
    return ORXCK::ORXCK_Appearance_Constants(group_->border_.Appearance());
}

void ORXCheckBox::setAppearance(ORXCK::ORXCK_Appearance_Constants value)
{
    setAppearanceValue(value);
}

ORXCK::ORXCK_BorderEffect_Constants ORXCheckBox::BorderEffect() const
{
    return ORXCK::ORXCK_BorderEffect_Constants(group_->border_.BorderEffect());
}

void ORXCheckBox::setBorderEffect(ORXCK::ORXCK_BorderEffect_Constants value)
{
    setBorderEffectValue(value);
}

ORXCK::ORXCK_BorderStyle_Constants ORXCheckBox::BorderStyle() const
{
    return ORXCK::ORXCK_BorderStyle_Constants(group_->border_.BorderStyle());
}

void ORXCheckBox::setBorderStyle(ORXCK::ORXCK_BorderStyle_Constants value)
{
    setBorderStyleValue(value);
}

auto ORXCheckBox::CaptionAlignment() const -> ORXCK_CaptAlign_Constants
{
    return ORXCK_CaptAlign_Constants(group_->items->alignment());
}

void ORXCheckBox::setCaptionAlignment(ORXCK_CaptAlign_Constants value)
{
    setCaptionAlignmentValue(value);
}

auto ORXCheckBox::CaptionPosition() const -> ORXCK_CaptPosiz_Constants
{
    return ORXCK_CaptPosiz_Constants(group_->captionPosition_);
}

void ORXCheckBox::setCaptionPosition(ORXCK_CaptPosiz_Constants value)
{
    setCaptionPositionValue(value);
}

float ORXCheckBox::CheckBoxesHeight() const
{
    return float(group_->items->itemHeight());
}

void ORXCheckBox::setCheckBoxesHeight(float twips)
{
    setItemHeightValue(twips, QStringLiteral("CheckBoxesHeight"));
}

QString ORXCheckBox::ListValue() const
{
    return d->listValue_;
}

auto ORXCheckBox::LockSize() const -> ORXCK_LockSize_Constants
{
    return ORXCK_LockSize_Constants(group_->lockSize_);
}

void ORXCheckBox::setLockSize(ORXCK_LockSize_Constants value)
{
    setLockSizeValue(value);
}

int ORXCheckBox::NumChecks() const
{
    return d->numChecks_;
}

void ORXCheckBox::setNumChecks(int count)
{
    if (count < 1)
        return;
    d->numChecks_ = count;
    LayoutItems();
    ApplyCaptions();
    ComputeListValue();
    ComputeNumericValue();
    ComputeValue();
    PropertyChanged(QStringLiteral("NumChecks"));
}

int ORXCheckBox::NumericValue() const
{
    return d->numericValue_;
}

auto ORXCheckBox::Orientation() const -> ORXCK_Orientation_Constants
{
    return ORXCK_Orientation_Constants(group_->orientation_);
}

void ORXCheckBox::setOrientation(ORXCK_Orientation_Constants value)
{
    setOrientationValue(value);
}

bool ORXCheckBox::Value() const
{
    return d->value_;
}

float ORXCheckBox::VertSpacing() const
{
    return group_->vertSpacing_;
}

void ORXCheckBox::setVertSpacing(float twips)
{
    setVertSpacingValue(twips);
}

// ---- Indexed properties ---------------------------------------------------

QString ORXCheckBox::CheckCaption(int Index) const
{
    return group_->items->caption(Index);
}

void ORXCheckBox::CheckCaption(int Index, const QString& Value)
{
    setItemCaption(Index, Value);
}

bool ORXCheckBox::CheckEnabled(int Index) const
{
    return itemEnabled(Index);
}

void ORXCheckBox::CheckEnabled(int Index, bool Value)
{
    setItemEnabled(Index, Value);
}

bool ORXCheckBox::CheckValue(int Index) const
{
    const QCheckBox* box = checkBox(Index);
    return box && box->isChecked();
}

void ORXCheckBox::CheckValue(int Index, bool Value)
{
    // The box reports the change as a click (CheckBoxValues.cpp).
    if (QCheckBox* box = checkBox(Index))
        box->setChecked(Value);
}

bool ORXCheckBox::CheckVisible(int Index) const
{
    return itemVisible(Index);
}

void ORXCheckBox::CheckVisible(int Index, bool Value)
{
    setItemVisible(Index, Value);
}

// ---- Methods --------------------------------------------------------------

void ORXCheckBox::ResetDesignSize()
{
    resetToDesignSize();
}

void ORXCheckBox::ShowAboutBox()
{
    showAboutBox();
}

// ---- The property bag -----------------------------------------------------

void ORXCheckBox::ReadProperties(host::PropertyBag& bag)
{
    d->clickHandling = false;
    readBag(bag);
    d->focusIndex = 0;
    d->clickHandling = true;
    // The container resizes a loaded control as it shows it; this host
    // placed it before loading, so LockSize and the design size apply here.
    Resize();
}

void ORXCheckBox::WriteProperties(host::PropertyBag& bag)
{
    writeBag(bag);
}

}  // namespace orx::tools
