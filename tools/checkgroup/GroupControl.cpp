// What both group controls do alike: their members of plain type, the
// enumerated properties stored as numbers, the layout and captions of the
// items, the resize notice and the paint notice.
#include "tools/checkgroup/GroupControl.h"

#include "platform/app/Application.h"
#include "platform/basic/BasicError.h"
#include "platform/basic/Logging.h"
#include "platform/basic/Strings.h"
#include "platform/draw/PainterSurface.h"
#include "platform/host/Extender.h"
#include "platform/host/Services.h"
#include "tools/checkgroup/GroupPresets.h"
#include "tools/checkgroup/GroupRules.h"
#include "tools/checkgroup/GroupState.h"
#include "tools/common/Library.h"

#include <QAbstractButton>
#include <QLabel>
#include <QStringList>
#include <exception>

namespace orx::tools::groups {

GroupControl::GroupControl(QWidget* parent, const GroupKind& kind)
    : UserControl(parent), group_(std::make_unique<GroupState>(kind))
{
}

GroupControl::~GroupControl() = default;

bool GroupControl::runMode() const
{
    return ambientUserMode();
}

void GroupControl::refuseAtRunTime(const char* member) const
{
    if (runMode())
        basic::raiseError(basic::err::GetNotSupportedAtRuntime,
                          className() + QLatin1Char('.') + QLatin1String(member));
}

QString GroupControl::className() const
{
    return QString::fromLatin1(metaObject()->className()).section(QStringLiteral("::"), -1);
}

void GroupControl::notifyBorder(const QStringList& names)
{
    for (const QString& n : names)
        PropertyChanged(n);
    update();
}

// ---- Plain properties ----------------------------------------------------

host::OleColor GroupControl::BackColor() const
{
    return group_->items->backColor();
}

void GroupControl::setBackColor(host::OleColor color)
{
    group_->items->setBackColor(color);
    QPalette p = palette();
    p.setColor(QPalette::Window, host::resolveColor(color));
    setPalette(p);
    PropertyChanged(QStringLiteral("BackColor"));
    update();
}

QString GroupControl::Captions() const
{
    return group_->captions_;
}

void GroupControl::setCaptions(const QString& text)
{
    group_->captions_ = basic::trimSpaces(text);
    ApplyCaptions();
    PropertyChanged(QStringLiteral("Captions"));
}

QString GroupControl::DataIndex() const
{
    return group_->dataIndex_;
}

void GroupControl::setDataIndex(const QString& text)
{
    group_->dataIndex_ = text;
    PropertyChanged(QStringLiteral("DataIndex"));
}

QString GroupControl::DataName() const
{
    return group_->dataName_;
}

void GroupControl::setDataName(const QString& text)
{
    group_->dataName_ = text;
    PropertyChanged(QStringLiteral("DataName"));
}

float GroupControl::DesignHeight() const
{
    return group_->designHeight_;
}

void GroupControl::setDesignHeight(float twips)
{
    refuseAtRunTime("DesignHeight");
    group_->designHeight_ = twips;
    PropertyChanged(QStringLiteral("DesignHeight"));
}

float GroupControl::DesignWidth() const
{
    return group_->designWidth_;
}

void GroupControl::setDesignWidth(float twips)
{
    refuseAtRunTime("DesignWidth");
    group_->designWidth_ = twips;
    PropertyChanged(QStringLiteral("DesignWidth"));
}

bool GroupControl::Enabled() const
{
    // Its own state, not its form's.
    return !testAttribute(Qt::WA_ForceDisabled);
}

void GroupControl::setEnabledState(bool on)
{
    // The surface carries every box and label with it; the labels also
    // take the state themselves, as the boxes do not.
    setEnabled(on);
    for (int i = 0; i < group_->items->count(); ++i)
        group_->items->label(i)->setEnabled(on);
    PropertyChanged(QStringLiteral("Enabled"));
}

host::StdFont GroupControl::Font() const
{
    return group_->items->font();
}

void GroupControl::setFontValue(const host::StdFont& font)
{
    group_->items->setFont(font);
    PropertyChanged(QStringLiteral("Font"));
}

host::OleColor GroupControl::ForeColor() const
{
    return group_->items->foreColor();
}

void GroupControl::setForeColor(host::OleColor color)
{
    group_->items->setForeColor(color);
    PropertyChanged(QStringLiteral("ForeColor"));
}

bool GroupControl::HasFocus() const
{
    return group_->hasFocus_;
}

void GroupControl::setHasFocus(bool)
{
    // Follows the focus only.
}

float GroupControl::HorizSpacing() const
{
    return group_->horizSpacing_;
}

void GroupControl::setHorizSpacing(float twips)
{
    group_->horizSpacing_ = twips;
    LayoutItems();
    PropertyChanged(QStringLiteral("HorizSpacing"));
}

bool GroupControl::Locked() const
{
    return group_->locked_;
}

void GroupControl::setLocked(bool on)
{
    group_->locked_ = on;
    setEnabled(!on);
    PropertyChanged(QStringLiteral("Locked"));
}

QImage GroupControl::MouseIcon() const
{
    return group_->items->mouseIcon();
}

void GroupControl::setMouseIcon(const QImage& picture)
{
    group_->items->setPointer(group_->items->mousePointer(), picture);
    applyPointer(this, group_->items->mousePointer(), picture);
    PropertyChanged(QStringLiteral("MouseIcon"));
}

int GroupControl::MousePointer() const
{
    return group_->items->mousePointer();
}

void GroupControl::setMousePointer(int pointer)
{
    group_->items->setPointer(pointer, group_->items->mouseIcon());
    applyPointer(this, pointer, group_->items->mouseIcon());
    PropertyChanged(QStringLiteral("MousePointer"));
}

int GroupControl::NumColsGrid() const
{
    return group_->numColsGrid_;
}

void GroupControl::setNumColsGrid(int columns)
{
    if (columns < 1 || columns > itemCount())
        return;
    group_->numColsGrid_ = columns;
    LayoutItems();
    PropertyChanged(QStringLiteral("NumColsGrid"));
}

bool GroupControl::TabStop() const
{
    return extender()->tabStop();
}

void GroupControl::setTabStop(bool on)
{
    extender()->setTabStop(on);
    PropertyChanged(QStringLiteral("TabStop"));
    update();
}

QString GroupControl::Tag() const
{
    return extender()->tag();
}

void GroupControl::setTag(const QString& tag)
{
    extender()->setTag(tag);
    PropertyChanged(QStringLiteral("Tag"));
}

QString GroupControl::TagMore() const
{
    return group_->tagMore_;
}

void GroupControl::setTagMore(const QString& text)
{
    group_->tagMore_ = text;
    PropertyChanged(QStringLiteral("TagMore"));
}

QString GroupControl::ToolTipText() const
{
    return extender()->toolTipText();
}

void GroupControl::setToolTipText(const QString& text)
{
    extender()->setToolTipText(text);
    group_->items->setToolTip(text);
    PropertyChanged(QStringLiteral("ToolTipText"));
}

bool GroupControl::Unique() const
{
    return group_->unique_;
}

void GroupControl::setUnique(bool on)
{
    group_->unique_ = on;
    PropertyChanged(QStringLiteral("Unique"));
}

QString GroupControl::VersionName() const
{
    return App().productName();
}

QString GroupControl::VersionNumber() const
{
    return app::Application::versionText();
}

// ---- The design-time commands ------------------------------------------------

bool GroupControl::LoadOrientationSettings() const
{
    refuseAtRunTime("LoadOrientationSettings");
    return false;
}

void GroupControl::setLoadOrientationSettings(bool)
{
    refuseAtRunTime("LoadOrientationSettings");
    const QString title = presetTitle(this, className());
    if (!presetsExist(group_->kind.presetFile, title))
        return;
    LoadOrientationSection();
    LayoutItems();
    announceLoaded(title);
}

bool GroupControl::ResetSettings() const
{
    refuseAtRunTime("ResetSettings");
    return false;
}

void GroupControl::setResetSettings(bool)
{
    refuseAtRunTime("ResetSettings");
    deletePresets(group_->kind.presetFile, presetTitle(this, className()));
}

bool GroupControl::SaveSettings() const
{
    refuseAtRunTime("SaveSettings");
    return false;
}

void GroupControl::setSaveSettings(bool)
{
    refuseAtRunTime("SaveSettings");
    bool written = writePresetKeys(QStringLiteral("General"), generalPresetKeys(group_->kind.countKey));
    written = writePresetKeys(orientationSection(group_->orientation_), orientationPresetKeys(group_->kind.heightKey))
        && written;
    announceSaved(written, group_->kind.presetFile, presetTitle(this, className()));
}

void GroupControl::readNewControlPresets()
{
    readPresetKeys(QStringLiteral("General"), generalPresetKeys(group_->kind.countKey));
}

void GroupControl::LoadOrientationSection()
{
    readPresetKeys(orientationSection(group_->orientation_), orientationPresetKeys(group_->kind.heightKey));
}

// ---- Enumerated properties ------------------------------------------------

void GroupControl::setAppearanceValue(int value)
{
    notifyBorder(group_->border_.setAppearance(value).notify);
}

void GroupControl::setBorderEffectValue(int value)
{
    notifyBorder(group_->border_.setBorderEffect(value).notify);
}

void GroupControl::setBorderStyleValue(int value)
{
    notifyBorder(group_->border_.setBorderStyle(value).notify);
}

void GroupControl::setCaptionAlignmentValue(int value)
{
    group_->items->setAlignment(value);
    PropertyChanged(QStringLiteral("CaptionAlignment"));
}

void GroupControl::setCaptionPositionValue(int value)
{
    group_->captionPosition_ = value;
    LayoutItems();
    PropertyChanged(QStringLiteral("CaptionPosition"));
}

void GroupControl::setLockSizeValue(int value)
{
    group_->lockSize_ = value;
    PropertyChanged(QStringLiteral("LockSize"));
}

void GroupControl::setOrientationValue(int value)
{
    group_->orientation_ = value;
    LayoutItems();
    PropertyChanged(QStringLiteral("Orientation"));
}

void GroupControl::setItemHeightValue(double twips, const QString& property)
{
    if (twips < MinItemHeight)
        return;
    group_->items->setItemHeight(twips);
    LayoutItems();
    PropertyChanged(property);
}

void GroupControl::setVertSpacingValue(float twips)
{
    group_->vertSpacing_ = twips;
    LayoutItems();
    PropertyChanged(QStringLiteral("VertSpacing"));
}

// ---- Items ------------------------------------------------------------------

void GroupControl::LayoutItems()
{
    GroupState& g = *group_;
    LayoutInput in;
    in.width = extender()->width();
    in.height = extender()->height();
    in.orientation = g.orientation_;
    in.captionPosition = g.captionPosition_;
    in.horizSpacing = g.horizSpacing_;
    in.vertSpacing = g.vertSpacing_;
    in.count = itemCount();
    in.columns = g.numColsGrid_;
    in.boxHeight = g.items->itemHeight();
    in.widenOnEqual = g.kind.widenOnEqual;
    g.items->setCount(in.count);
    itemsCounted();
    g.items->place(in);
    itemsPlaced();
    update();
}

void GroupControl::RebuildCaptions()
{
    group_->captions_ = group_->items->captions().join(QLatin1Char('|'));
}

void GroupControl::ApplyCaptions()
{
    const QString name = extender()->name();
    const QStringList pieces = fitPieces(group_->captions_, itemCount(), [&name](int k) {
        return name + QLatin1Char('-') + QString::number(k);
    });
    for (int i = 0; i < group_->items->count() && i < pieces.size(); ++i)
        group_->items->setCaption(i, pieces[i]);
    RebuildCaptions();
    LayoutItems();
}

void GroupControl::setItemCaption(int index, const QString& caption)
{
    if (!group_->items->contains(index) || splitsList(caption))
        return;
    group_->items->setCaption(index, caption);
    RebuildCaptions();
    LayoutItems();
}

void GroupControl::takeDataNames()
{
    if (!extender()->dataField().isEmpty()) {
        const DataNames names = dataNamesOf(extender()->dataSource());
        group_->dataName_ = names.name;
        group_->dataIndex_ = names.index;
    }
}

bool GroupControl::itemEnabled(int index) const
{
    const QAbstractButton* box = group_->items->box(index);
    return box && box->isEnabledTo(this);
}

void GroupControl::setItemEnabled(int index, bool on)
{
    if (!group_->items->contains(index))
        return;
    group_->items->box(index)->setEnabled(on);
    group_->items->label(index)->setEnabled(on);
}

bool GroupControl::itemVisible(int index) const
{
    const QAbstractButton* box = group_->items->box(index);
    return box && !box->isHidden();
}

void GroupControl::setItemVisible(int index, bool on)
{
    if (!group_->items->contains(index))
        return;
    group_->items->box(index)->setVisible(on);
    group_->items->label(index)->setVisible(on);
}

void GroupControl::resetToDesignSize()
{
    const LockedSize size = lockedSize(3, group_->designWidth_, group_->designHeight_);
    if (size.height)
        extender()->setHeight(*size.height);
    if (size.width)
        extender()->setWidth(*size.width);
}

void GroupControl::showAboutBox()
{
    host::MsgBox(VersionName() + QLatin1Char('\n') + className() + QStringLiteral(", version ") + VersionNumber(),
                 host::mb::Information, QStringLiteral("About ") + className());
}

// ---- Resize, focus and paint ---------------------------------------------------------

void GroupControl::Resize()
{
    GroupState& g = *group_;
    // Setting the size from here raises another resize notice.
    if (g.resizing)
        return;
    g.resizing = true;
    host::Extender* extender = this->extender();
    const bool design = !runMode();
    if (!design) {
        const LockedSize size = lockedSize(g.lockSize_, g.designWidth_, g.designHeight_);
        if (size.width)
            extender->setWidth(*size.width);
        if (size.height)
            extender->setHeight(*size.height);
    }
    LayoutItems();
    ApplyCaptions();
    if (design) {
        g.designHeight_ = float(extender->height());
        g.designWidth_ = float(extender->width());
    }
    g.resizing = false;
}

void GroupControl::EnterFocus()
{
    group_->hasFocus_ = true;
    update();
}

void GroupControl::DrawFocus(int index)
{
    if (extender()->tabStop() && group_->items->contains(index))
        update();
}

void GroupControl::EraseFocus(int index)
{
    if (extender()->tabStop() && group_->items->contains(index))
        update();
}

void GroupControl::paintEvent(QPaintEvent*)
{
    draw::PainterSurface surface(this);
    PaintControl(surface);
}

void GroupControl::PaintControl(draw::Surface& surface)
{
    GroupState& g = *group_;
    host::Extender* extender = this->extender();
    try {
        surface.setSize(extender->width(), extender->height());
        g.painter.PaintBorder(surface, g.border_, g.items->backColor(), [&] {
            if (extender->tabStop())
                g.items->drawFocus(surface, focusItem(), g.items->backColor(), g.hasFocus_);
        });
    } catch (const std::exception& e) {
        qCWarning(orx::lcTools) << qUtf8Printable(className()) << ": the frame could not be drawn:" << e.what();
    }
}

}  // namespace orx::tools::groups
