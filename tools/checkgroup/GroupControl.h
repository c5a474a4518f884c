#pragma once

#include "tools/common/ToolsExport.h"

#include "platform/host/OleColor.h"
#include "platform/host/StdFont.h"
#include "platform/host/UserControl.h"

#include <QImage>
#include <memory>
#include <span>
#include <vector>

namespace orx::draw {
class Surface;
}

namespace orx::tools {
template <class Owner>
class PropertyTable;
}  // namespace orx::tools

namespace orx::tools::groups {

struct GroupKind;
struct GroupState;
struct GroupColours;
template <class T>
struct OwnRows;

// What the check box group and the option button group are alike as
// controls: the state they share (GroupState), their members of plain type,
// the design-time commands on the preset file, the layout and captions of
// the items, the resize with LockSize and the design size, the focus and
// paint notices, and the rows their property tables share
// (GroupProperties.h).
//
// Each control keeps its Q_PROPERTY lines itself, in its interface order,
// naming the members below where they are shared: properties declared here
// would come first in the meta-object, which is the order Designer writes a
// form's properties in, uic sets them (NumColsGrid is refused above the
// item count) and the type library lists them. Its enumerated members,
// typed with its own constants, store through the int-typed routines here.
class ORX_TOOLS_EXPORT GroupControl : public host::UserControl {
    Q_OBJECT

public:
    ~GroupControl() override;

    // ---- Properties both groups have, of plain type ----
    host::OleColor BackColor() const;
    void setBackColor(host::OleColor color);
    QString Captions() const;
    void setCaptions(const QString& text);
    QString DataIndex() const;
    void setDataIndex(const QString& text);
    QString DataName() const;
    void setDataName(const QString& text);
    float DesignHeight() const;
    void setDesignHeight(float twips);
    float DesignWidth() const;
    void setDesignWidth(float twips);
    bool Enabled() const;
    void setEnabledState(bool on);
    host::StdFont Font() const;
    void setFontValue(const host::StdFont& font);
    host::OleColor ForeColor() const;
    void setForeColor(host::OleColor color);
    bool HasFocus() const;
    void setHasFocus(bool on);
    float HorizSpacing() const;
    void setHorizSpacing(float twips);
    bool Locked() const;
    void setLocked(bool on);
    QImage MouseIcon() const;
    void setMouseIcon(const QImage& picture);
    int MousePointer() const;
    void setMousePointer(int pointer);
    int NumColsGrid() const;
    void setNumColsGrid(int columns);
    bool TabStop() const;
    void setTabStop(bool on);
    QString Tag() const;
    void setTag(const QString& tag);
    QString TagMore() const;
    void setTagMore(const QString& text);
    QString ToolTipText() const;
    void setToolTipText(const QString& text);
    bool Unique() const;
    void setUnique(bool on);
    QString VersionName() const;
    QString VersionNumber() const;

    // ---- The design-time commands on the preset file ----
    // At run time they are refused; at design time they act on any
    // assignment and always read false.
    bool LoadOrientationSettings() const;
    void setLoadOrientationSettings(bool on);
    bool ResetSettings() const;
    void setResetSettings(bool on);
    bool SaveSettings() const;
    void setSaveSettings(bool on);

    // ---- Host lifecycle ----
    // At run time LockSize restores the recorded design size; the items are
    // laid out and captioned; at design time the size is recorded.
    void Resize() override;
    // The focus entered the control: the paint notice draws the focus
    // rectangle.
    void EnterFocus() override;

    // The paint notice on any surface of the control's size: the frame,
    // then, when the control is a tab stop, the focus rectangle of
    // focusItem(). A failing draw is logged; the container never sees it.
    void PaintControl(draw::Surface& surface);

protected:
    // `kind` outlives the control (a constant of its class).
    GroupControl(QWidget* parent, const GroupKind& kind);

    // ---- What each control answers ----
    // NumChecks or NumOptions.
    virtual int itemCount() const = 0;
    // The item the focus rectangle goes round.
    virtual int focusItem() const = 0;
    // LayoutItems made or removed items and has not placed them yet.
    virtual void itemsCounted() {}
    // LayoutItems placed the items.
    virtual void itemsPlaced() {}
    // Reads keys of a section of the preset file into the control, or
    // writes them (false when any could not be written), through the
    // control's property table.
    virtual void readPresetKeys(const QString& section, std::span<const char* const> keys) = 0;
    virtual bool writePresetKeys(const QString& section, std::span<const char* const> keys) const = 0;

    bool runMode() const;
    // At run time: error 393 with the source "<class>.<member>".
    void refuseAtRunTime(const char* member) const;
    // The class name without its namespace: "ORXCheckBox".
    QString className() const;

    // ---- The enumerated properties, stored as numbers ----
    void setAppearanceValue(int value);
    void setBorderEffectValue(int value);
    void setBorderStyleValue(int value);
    void setCaptionAlignmentValue(int value);
    void setCaptionPositionValue(int value);
    void setLockSizeValue(int value);
    void setOrientationValue(int value);
    // CheckBoxesHeight, OptionButtonsHeight: refused below the smallest
    // item height.
    void setItemHeightValue(double twips, const QString& property);
    // VertSpacing, a float or a whole number of twips.
    void setVertSpacingValue(float twips);

    // ---- Items ----
    // Places itemCount() items from the size, the orientation, the caption
    // position, the spacings, the columns and the item height.
    void LayoutItems();
    // Captions split over the items (a missing one is the control's name, a
    // dash and its number), joined again as the items hold them; then the
    // layout.
    void ApplyCaptions();
    // One item's caption, then the layout; refused for an index outside the
    // items or a caption holding "|", which would split it in two at the
    // next load.
    void setItemCaption(int index, const QString& caption);
    // The indexed Enabled and Visible of an item's box and label: false
    // outside the items, where a put does nothing.
    bool itemEnabled(int index) const;
    void setItemEnabled(int index, bool on);
    bool itemVisible(int index) const;
    void setItemVisible(int index, bool on);
    // A new control: the "General" presets over the built-in defaults.
    void readNewControlPresets();
    // The presets of the current orientation.
    void LoadOrientationSection();
    // Before a bag write: DataName and DataIndex from the data source, when
    // the control is bound.
    void takeDataNames();
    // The focus rectangle of an item is drawn by the paint notice (around
    // focusItem()), so both ask for a repaint when the control is a tab
    // stop and the item exists.
    void DrawFocus(int index);
    void EraseFocus(int index);
    // ResetDesignSize: both sides of the recorded design size.
    void resetToDesignSize();
    // ShowAboutBox: the product, the class and the version.
    void showAboutBox();

    void paintEvent(QPaintEvent* event) override;

    // The rows of the property table both groups have, with the control's
    // own ones at their places (GroupProperties.h).
    template <class T>
    static std::vector<typename PropertyTable<T>::Entry> groupRows(GroupColours colours, OwnRows<T> own);

    // The shared state; each control's private class holds only its own.
    std::unique_ptr<GroupState> group_;

private:
    void notifyBorder(const QStringList& names);
    void RebuildCaptions();
};

}  // namespace orx::tools::groups
