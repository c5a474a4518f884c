// The option button group's widgets, its plain and indexed properties, its
// methods and the property bag.
#include "tools/optiongroup/ORXOptionButton_p.h"

#include "platform/app/Application.h"
#include "platform/basic/BasicError.h"
#include "platform/host/Extender.h"
#include "platform/host/PropertyBag.h"
#include "platform/host/Services.h"
#include "tools/common/Library.h"
#include "tools/checkgroup/GroupRules.h"
#include "tools/common/PropertyTable.h"

#include <QRadioButton>
#include <QLabel>

namespace orx::tools {

ORXOptionButton::ORXOptionButton(QWidget* parent)
    : UserControl(parent), d(std::make_unique<Private>())
{
    setAutoFillBackground(true);
    d->items.emplace(
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
    return static_cast<QRadioButton*>(d->items->box(index));
}

QLabel* ORXOptionButton::captionLabel(int index) const
{
    return d->items->label(index);
}

bool ORXOptionButton::runMode() const
{
    return ambientUserMode();
}

void ORXOptionButton::refuseAtRunTime(const char* member) const
{
    if (runMode())
        basic::raiseError(basic::err::GetNotSupportedAtRuntime, QStringLiteral("ORXOptionButton.") + QLatin1String(member));
}

void ORXOptionButton::notifyBorder(const QStringList& names)
{
    for (const QString& n : names)
        PropertyChanged(n);
    update();
}

// ---- Plain properties ----------------------------------------------------

ORXOB::ORXOB_Appearance_Constants ORXOptionButton::Appearance() const
{
    return ORXOB::ORXOB_Appearance_Constants(d->border_.Appearance());
}

void ORXOptionButton::setAppearance(ORXOB::ORXOB_Appearance_Constants value)
{
    notifyBorder(d->border_.setAppearance(value).notify);
}

ORXOB::ORXOB_BorderEffect_Constants ORXOptionButton::BorderEffect() const
{
    return ORXOB::ORXOB_BorderEffect_Constants(d->border_.BorderEffect());
}

void ORXOptionButton::setBorderEffect(ORXOB::ORXOB_BorderEffect_Constants value)
{
    notifyBorder(d->border_.setBorderEffect(value).notify);
}

ORXOB::ORXOB_BorderStyle_Constants ORXOptionButton::BorderStyle() const
{
    return ORXOB::ORXOB_BorderStyle_Constants(d->border_.BorderStyle());
}

void ORXOptionButton::setBorderStyle(ORXOB::ORXOB_BorderStyle_Constants value)
{
    notifyBorder(d->border_.setBorderStyle(value).notify);
}

host::OleColor ORXOptionButton::BackColor() const
{
    return d->items->backColor();
}

void ORXOptionButton::setBackColor(host::OleColor color)
{
    d->items->setBackColor(color);
    QPalette p = palette();
    p.setColor(QPalette::Window, host::resolveColor(color));
    setPalette(p);
    PropertyChanged(QStringLiteral("BackColor"));
    update();
}

auto ORXOptionButton::CaptionAlignment() const -> ORXOB_CaptAlign_Constants
{
    return ORXOB_CaptAlign_Constants(d->items->alignment());
}

void ORXOptionButton::setCaptionAlignment(ORXOB_CaptAlign_Constants value)
{
    d->items->setAlignment(value);
    PropertyChanged(QStringLiteral("CaptionAlignment"));
}

auto ORXOptionButton::CaptionPosition() const -> ORXOB_CaptPosiz_Constants
{
    return ORXOB_CaptPosiz_Constants(d->captionPosition_);
}

void ORXOptionButton::setCaptionPosition(ORXOB_CaptPosiz_Constants value)
{
    d->captionPosition_ = value;
    LayoutItems();
    PropertyChanged(QStringLiteral("CaptionPosition"));
}

QString ORXOptionButton::Captions() const
{
    return d->captions_;
}

int ORXOptionButton::OptionButtonsHeight() const
{
    return int(d->items->itemHeight());
}

void ORXOptionButton::setOptionButtonsHeight(int twips)
{
    if (twips < groups::MinItemHeight)
        return;
    d->items->setItemHeight(twips);
    LayoutItems();
    PropertyChanged(QStringLiteral("OptionButtonsHeight"));
}

QString ORXOptionButton::DataIndex() const
{
    return d->dataIndex_;
}

void ORXOptionButton::setDataIndex(const QString& text)
{
    d->dataIndex_ = text;
    PropertyChanged(QStringLiteral("DataIndex"));
}

QString ORXOptionButton::DataName() const
{
    return d->dataName_;
}

void ORXOptionButton::setDataName(const QString& text)
{
    d->dataName_ = text;
    PropertyChanged(QStringLiteral("DataName"));
}

float ORXOptionButton::DesignHeight() const
{
    return d->designHeight_;
}

void ORXOptionButton::setDesignHeight(float twips)
{
    refuseAtRunTime("DesignHeight");
    d->designHeight_ = twips;
    PropertyChanged(QStringLiteral("DesignHeight"));
}

float ORXOptionButton::DesignWidth() const
{
    return d->designWidth_;
}

void ORXOptionButton::setDesignWidth(float twips)
{
    refuseAtRunTime("DesignWidth");
    d->designWidth_ = twips;
    PropertyChanged(QStringLiteral("DesignWidth"));
}

bool ORXOptionButton::Enabled() const
{
    // Its own state, not its form's.
    return !testAttribute(Qt::WA_ForceDisabled);
}

void ORXOptionButton::setEnabledState(bool on)
{
    // The surface carries every box and label with it; the labels also
    // take the state themselves, as the boxes do not.
    setEnabled(on);
    for (int i = 0; i < d->items->count(); ++i)
        d->items->label(i)->setEnabled(on);
    PropertyChanged(QStringLiteral("Enabled"));
}

host::StdFont ORXOptionButton::Font() const
{
    return d->items->font();
}

void ORXOptionButton::setFontValue(const host::StdFont& font)
{
    d->items->setFont(font);
    PropertyChanged(QStringLiteral("Font"));
}

host::OleColor ORXOptionButton::ForeColor() const
{
    return d->items->foreColor();
}

void ORXOptionButton::setForeColor(host::OleColor color)
{
    d->items->setForeColor(color);
    PropertyChanged(QStringLiteral("ForeColor"));
}

bool ORXOptionButton::HasFocus() const
{
    return d->hasFocus_;
}

void ORXOptionButton::setHasFocus(bool)
{
    // Follows the focus only.
}

float ORXOptionButton::HorizSpacing() const
{
    return d->horizSpacing_;
}

void ORXOptionButton::setHorizSpacing(float twips)
{
    d->horizSpacing_ = twips;
    LayoutItems();
    PropertyChanged(QStringLiteral("HorizSpacing"));
}

int ORXOptionButton::ListIndex() const
{
    return d->listIndex_;
}

QString ORXOptionButton::ListValues() const
{
    return d->listValues_;
}

bool ORXOptionButton::Locked() const
{
    return d->locked_;
}

void ORXOptionButton::setLocked(bool on)
{
    d->locked_ = on;
    setEnabled(!on);
    PropertyChanged(QStringLiteral("Locked"));
}

auto ORXOptionButton::LockSize() const -> ORXOB_LockSize_Constants
{
    return ORXOB_LockSize_Constants(d->lockSize_);
}

void ORXOptionButton::setLockSize(ORXOB_LockSize_Constants value)
{
    d->lockSize_ = value;
    PropertyChanged(QStringLiteral("LockSize"));
}

QImage ORXOptionButton::MouseIcon() const
{
    return d->items->mouseIcon();
}

void ORXOptionButton::setMouseIcon(const QImage& picture)
{
    d->items->setPointer(d->items->mousePointer(), picture);
    groups::applyPointer(this, d->items->mousePointer(), picture);
    PropertyChanged(QStringLiteral("MouseIcon"));
}

int ORXOptionButton::MousePointer() const
{
    return d->items->mousePointer();
}

void ORXOptionButton::setMousePointer(int pointer)
{
    d->items->setPointer(pointer, d->items->mouseIcon());
    groups::applyPointer(this, pointer, d->items->mouseIcon());
    PropertyChanged(QStringLiteral("MousePointer"));
}

int ORXOptionButton::NumOptions() const
{
    return d->numOptions_;
}

int ORXOptionButton::NumColsGrid() const
{
    return d->numColsGrid_;
}

void ORXOptionButton::setNumColsGrid(int columns)
{
    if (columns < 1 || columns > d->numOptions_)
        return;
    d->numColsGrid_ = columns;
    LayoutItems();
    PropertyChanged(QStringLiteral("NumColsGrid"));
}

auto ORXOptionButton::Orientation() const -> ORXOB_Orientation_Constants
{
    return ORXOB_Orientation_Constants(d->orientation_);
}

void ORXOptionButton::setOrientation(ORXOB_Orientation_Constants value)
{
    d->orientation_ = value;
    LayoutItems();
    PropertyChanged(QStringLiteral("Orientation"));
}

bool ORXOptionButton::TabStop() const
{
    return extender()->tabStop();
}

void ORXOptionButton::setTabStop(bool on)
{
    extender()->setTabStop(on);
    PropertyChanged(QStringLiteral("TabStop"));
    update();
}

QString ORXOptionButton::Tag() const
{
    return extender()->tag();
}

void ORXOptionButton::setTag(const QString& tag)
{
    extender()->setTag(tag);
    PropertyChanged(QStringLiteral("Tag"));
}

QString ORXOptionButton::TagMore() const
{
    return d->tagMore_;
}

void ORXOptionButton::setTagMore(const QString& text)
{
    d->tagMore_ = text;
    PropertyChanged(QStringLiteral("TagMore"));
}

QString ORXOptionButton::ToolTipText() const
{
    return extender()->toolTipText();
}

void ORXOptionButton::setToolTipText(const QString& text)
{
    extender()->setToolTipText(text);
    d->items->setToolTip(text);
    PropertyChanged(QStringLiteral("ToolTipText"));
}

bool ORXOptionButton::Unique() const
{
    return d->unique_;
}

void ORXOptionButton::setUnique(bool on)
{
    d->unique_ = on;
    PropertyChanged(QStringLiteral("Unique"));
}

QString ORXOptionButton::Value() const
{
    return d->items->tag(d->listIndex_);
}

QString ORXOptionButton::VersionName() const
{
    return App().productName();
}

QString ORXOptionButton::VersionNumber() const
{
    return app::Application::versionText();
}

int ORXOptionButton::VertSpacing() const
{
    return groups::roundTwips(d->vertSpacing_);
}

void ORXOptionButton::setVertSpacing(int twips)
{
    d->vertSpacing_ = float(twips);
    LayoutItems();
    PropertyChanged(QStringLiteral("VertSpacing"));
}

// ---- Indexed properties ---------------------------------------------------

QString ORXOptionButton::OptionCaption(int Index) const
{
    return d->items->caption(Index);
}

bool ORXOptionButton::OptionEnabled(int Index) const
{
    const QRadioButton* option = optionButton(Index);
    return option && option->isEnabledTo(this);
}

void ORXOptionButton::OptionEnabled(int Index, bool Value)
{
    if (!d->items->contains(Index))
        return;
    optionButton(Index)->setEnabled(Value);
    captionLabel(Index)->setEnabled(Value);
}

QString ORXOptionButton::OptionListValue(int Index) const
{
    return d->items->tag(Index);
}

bool ORXOptionButton::OptionValue(int Index) const
{
    const QRadioButton* option = optionButton(Index);
    return option && option->isChecked();
}

bool ORXOptionButton::OptionVisible(int Index) const
{
    const QRadioButton* option = optionButton(Index);
    return option && !option->isHidden();
}

void ORXOptionButton::OptionVisible(int Index, bool Value)
{
    if (!d->items->contains(Index))
        return;
    optionButton(Index)->setVisible(Value);
    captionLabel(Index)->setVisible(Value);
}

// ---- Methods --------------------------------------------------------------

void ORXOptionButton::ResetDesignSize()
{
    const groups::LockedSize size = groups::lockedSize(3, d->designWidth_, d->designHeight_);
    if (size.height)
        extender()->setHeight(*size.height);
    if (size.width)
        extender()->setWidth(*size.width);
}

void ORXOptionButton::ShowAboutBox()
{
    host::MsgBox(VersionName() + QStringLiteral("\nORXOptionButton, version ") + VersionNumber(), host::mb::Information,
                 QStringLiteral("About ORXOptionButton"));
}

// ---- The property bag -----------------------------------------------------

void ORXOptionButton::ReadProperties(host::PropertyBag& bag)
{
    // No frame is painted half-loaded.
    d->painter.setPainting(true);
    readBag(bag);
    d->painter.setPainting(false);
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
