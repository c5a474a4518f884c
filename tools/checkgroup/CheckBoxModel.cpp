// The check box group's widgets, its plain and indexed properties, its
// methods and the property bag.
#include "tools/checkgroup/ORXCheckBox_p.h"

#include "platform/app/Application.h"
#include "platform/basic/BasicError.h"
#include "platform/host/Extender.h"
#include "platform/host/PropertyBag.h"
#include "platform/host/Services.h"
#include "tools/common/Library.h"
#include "tools/checkgroup/GroupRules.h"
#include "tools/common/PropertyTable.h"

#include <QCheckBox>
#include <QLabel>

namespace orx::tools {

ORXCheckBox::ORXCheckBox(QWidget* parent)
    : UserControl(parent), d(std::make_unique<Private>())
{
    setAutoFillBackground(true);
    d->items.emplace(
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
    return static_cast<QCheckBox*>(d->items->box(index));
}

QLabel* ORXCheckBox::captionLabel(int index) const
{
    return d->items->label(index);
}

int ORXCheckBox::focusIndex() const
{
    return d->focusIndex;
}

bool ORXCheckBox::runMode() const
{
    return ambientUserMode();
}

void ORXCheckBox::refuseAtRunTime(const char* member) const
{
    if (runMode())
        basic::raiseError(basic::err::GetNotSupportedAtRuntime, QStringLiteral("ORXCheckBox.") + QLatin1String(member));
}

void ORXCheckBox::notifyBorder(const QStringList& names)
{
    for (const QString& n : names)
        PropertyChanged(n);
    update();
}

// ---- Plain properties ----------------------------------------------------

ORXCK::ORXCK_Appearance_Constants ORXCheckBox::Appearance() const
{
    return ORXCK::ORXCK_Appearance_Constants(d->border_.Appearance());
}

void ORXCheckBox::setAppearance(ORXCK::ORXCK_Appearance_Constants value)
{
    notifyBorder(d->border_.setAppearance(value).notify);
}

ORXCK::ORXCK_BorderEffect_Constants ORXCheckBox::BorderEffect() const
{
    return ORXCK::ORXCK_BorderEffect_Constants(d->border_.BorderEffect());
}

void ORXCheckBox::setBorderEffect(ORXCK::ORXCK_BorderEffect_Constants value)
{
    notifyBorder(d->border_.setBorderEffect(value).notify);
}

ORXCK::ORXCK_BorderStyle_Constants ORXCheckBox::BorderStyle() const
{
    return ORXCK::ORXCK_BorderStyle_Constants(d->border_.BorderStyle());
}

void ORXCheckBox::setBorderStyle(ORXCK::ORXCK_BorderStyle_Constants value)
{
    notifyBorder(d->border_.setBorderStyle(value).notify);
}

host::OleColor ORXCheckBox::BackColor() const
{
    return d->items->backColor();
}

void ORXCheckBox::setBackColor(host::OleColor color)
{
    d->items->setBackColor(color);
    QPalette p = palette();
    p.setColor(QPalette::Window, host::resolveColor(color));
    setPalette(p);
    PropertyChanged(QStringLiteral("BackColor"));
    update();
}

auto ORXCheckBox::CaptionAlignment() const -> ORXCK_CaptAlign_Constants
{
    return ORXCK_CaptAlign_Constants(d->items->alignment());
}

void ORXCheckBox::setCaptionAlignment(ORXCK_CaptAlign_Constants value)
{
    d->items->setAlignment(value);
    PropertyChanged(QStringLiteral("CaptionAlignment"));
}

auto ORXCheckBox::CaptionPosition() const -> ORXCK_CaptPosiz_Constants
{
    return ORXCK_CaptPosiz_Constants(d->captionPosition_);
}

void ORXCheckBox::setCaptionPosition(ORXCK_CaptPosiz_Constants value)
{
    d->captionPosition_ = value;
    LayoutItems();
    PropertyChanged(QStringLiteral("CaptionPosition"));
}

QString ORXCheckBox::Captions() const
{
    return d->captions_;
}

float ORXCheckBox::CheckBoxesHeight() const
{
    return float(d->items->itemHeight());
}

void ORXCheckBox::setCheckBoxesHeight(float twips)
{
    if (twips < groups::MinItemHeight)
        return;
    d->items->setItemHeight(twips);
    LayoutItems();
    PropertyChanged(QStringLiteral("CheckBoxesHeight"));
}

QString ORXCheckBox::DataIndex() const
{
    return d->dataIndex_;
}

void ORXCheckBox::setDataIndex(const QString& text)
{
    d->dataIndex_ = text;
    PropertyChanged(QStringLiteral("DataIndex"));
}

QString ORXCheckBox::DataName() const
{
    return d->dataName_;
}

void ORXCheckBox::setDataName(const QString& text)
{
    d->dataName_ = text;
    PropertyChanged(QStringLiteral("DataName"));
}

float ORXCheckBox::DesignHeight() const
{
    return d->designHeight_;
}

void ORXCheckBox::setDesignHeight(float twips)
{
    refuseAtRunTime("DesignHeight");
    d->designHeight_ = twips;
    PropertyChanged(QStringLiteral("DesignHeight"));
}

float ORXCheckBox::DesignWidth() const
{
    return d->designWidth_;
}

void ORXCheckBox::setDesignWidth(float twips)
{
    refuseAtRunTime("DesignWidth");
    d->designWidth_ = twips;
    PropertyChanged(QStringLiteral("DesignWidth"));
}

bool ORXCheckBox::Enabled() const
{
    // Its own state, not its form's.
    return !testAttribute(Qt::WA_ForceDisabled);
}

void ORXCheckBox::setEnabledState(bool on)
{
    // The surface carries every box and label with it; the labels also
    // take the state themselves, as the boxes do not.
    setEnabled(on);
    for (int i = 0; i < d->items->count(); ++i)
        d->items->label(i)->setEnabled(on);
    PropertyChanged(QStringLiteral("Enabled"));
}

host::StdFont ORXCheckBox::Font() const
{
    return d->items->font();
}

void ORXCheckBox::setFontValue(const host::StdFont& font)
{
    d->items->setFont(font);
    PropertyChanged(QStringLiteral("Font"));
}

host::OleColor ORXCheckBox::ForeColor() const
{
    return d->items->foreColor();
}

void ORXCheckBox::setForeColor(host::OleColor color)
{
    d->items->setForeColor(color);
    PropertyChanged(QStringLiteral("ForeColor"));
}

bool ORXCheckBox::HasFocus() const
{
    return d->hasFocus_;
}

void ORXCheckBox::setHasFocus(bool)
{
    // Follows the focus only.
}

float ORXCheckBox::HorizSpacing() const
{
    return d->horizSpacing_;
}

void ORXCheckBox::setHorizSpacing(float twips)
{
    d->horizSpacing_ = twips;
    LayoutItems();
    PropertyChanged(QStringLiteral("HorizSpacing"));
}

QString ORXCheckBox::ListValue() const
{
    return d->listValue_;
}

bool ORXCheckBox::Locked() const
{
    return d->locked_;
}

void ORXCheckBox::setLocked(bool on)
{
    d->locked_ = on;
    setEnabled(!on);
    PropertyChanged(QStringLiteral("Locked"));
}

auto ORXCheckBox::LockSize() const -> ORXCK_LockSize_Constants
{
    return ORXCK_LockSize_Constants(d->lockSize_);
}

void ORXCheckBox::setLockSize(ORXCK_LockSize_Constants value)
{
    d->lockSize_ = value;
    PropertyChanged(QStringLiteral("LockSize"));
}

QImage ORXCheckBox::MouseIcon() const
{
    return d->items->mouseIcon();
}

void ORXCheckBox::setMouseIcon(const QImage& picture)
{
    d->items->setPointer(d->items->mousePointer(), picture);
    groups::applyPointer(this, d->items->mousePointer(), picture);
    PropertyChanged(QStringLiteral("MouseIcon"));
}

int ORXCheckBox::MousePointer() const
{
    return d->items->mousePointer();
}

void ORXCheckBox::setMousePointer(int pointer)
{
    d->items->setPointer(pointer, d->items->mouseIcon());
    groups::applyPointer(this, pointer, d->items->mouseIcon());
    PropertyChanged(QStringLiteral("MousePointer"));
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

int ORXCheckBox::NumColsGrid() const
{
    return d->numColsGrid_;
}

void ORXCheckBox::setNumColsGrid(int columns)
{
    if (columns < 1 || columns > d->numChecks_)
        return;
    d->numColsGrid_ = columns;
    LayoutItems();
    PropertyChanged(QStringLiteral("NumColsGrid"));
}

int ORXCheckBox::NumericValue() const
{
    return d->numericValue_;
}

auto ORXCheckBox::Orientation() const -> ORXCK_Orientation_Constants
{
    return ORXCK_Orientation_Constants(d->orientation_);
}

void ORXCheckBox::setOrientation(ORXCK_Orientation_Constants value)
{
    d->orientation_ = value;
    LayoutItems();
    PropertyChanged(QStringLiteral("Orientation"));
}

bool ORXCheckBox::TabStop() const
{
    return extender()->tabStop();
}

void ORXCheckBox::setTabStop(bool on)
{
    extender()->setTabStop(on);
    PropertyChanged(QStringLiteral("TabStop"));
    update();
}

QString ORXCheckBox::Tag() const
{
    return extender()->tag();
}

void ORXCheckBox::setTag(const QString& tag)
{
    extender()->setTag(tag);
    PropertyChanged(QStringLiteral("Tag"));
}

QString ORXCheckBox::TagMore() const
{
    return d->tagMore_;
}

void ORXCheckBox::setTagMore(const QString& text)
{
    d->tagMore_ = text;
    PropertyChanged(QStringLiteral("TagMore"));
}

QString ORXCheckBox::ToolTipText() const
{
    return extender()->toolTipText();
}

void ORXCheckBox::setToolTipText(const QString& text)
{
    extender()->setToolTipText(text);
    d->items->setToolTip(text);
    PropertyChanged(QStringLiteral("ToolTipText"));
}

bool ORXCheckBox::Unique() const
{
    return d->unique_;
}

void ORXCheckBox::setUnique(bool on)
{
    d->unique_ = on;
    PropertyChanged(QStringLiteral("Unique"));
}

bool ORXCheckBox::Value() const
{
    return d->value_;
}

QString ORXCheckBox::VersionName() const
{
    return App().productName();
}

QString ORXCheckBox::VersionNumber() const
{
    return app::Application::versionText();
}

float ORXCheckBox::VertSpacing() const
{
    return d->vertSpacing_;
}

void ORXCheckBox::setVertSpacing(float twips)
{
    d->vertSpacing_ = twips;
    LayoutItems();
    PropertyChanged(QStringLiteral("VertSpacing"));
}

// ---- Indexed properties ---------------------------------------------------

QString ORXCheckBox::CheckCaption(int Index) const
{
    return d->items->caption(Index);
}

bool ORXCheckBox::CheckEnabled(int Index) const
{
    const QCheckBox* box = checkBox(Index);
    return box && box->isEnabledTo(this);
}

void ORXCheckBox::CheckEnabled(int Index, bool Value)
{
    if (!d->items->contains(Index))
        return;
    checkBox(Index)->setEnabled(Value);
    captionLabel(Index)->setEnabled(Value);
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
    const QCheckBox* box = checkBox(Index);
    return box && !box->isHidden();
}

void ORXCheckBox::CheckVisible(int Index, bool Value)
{
    if (!d->items->contains(Index))
        return;
    checkBox(Index)->setVisible(Value);
    captionLabel(Index)->setVisible(Value);
}

// ---- Methods --------------------------------------------------------------

void ORXCheckBox::ResetDesignSize()
{
    const groups::LockedSize size = groups::lockedSize(3, d->designWidth_, d->designHeight_);
    if (size.height)
        extender()->setHeight(*size.height);
    if (size.width)
        extender()->setWidth(*size.width);
}

void ORXCheckBox::ShowAboutBox()
{
    host::MsgBox(VersionName() + QStringLiteral("\nORXCheckBox, version ") + VersionNumber(), host::mb::Information,
                 QStringLiteral("About ORXCheckBox"));
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
