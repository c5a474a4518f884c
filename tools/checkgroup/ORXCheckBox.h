#pragma once

#include "tools/common/ToolsExport.h"

#include "platform/host/OleColor.h"
#include "platform/host/StdFont.h"
#include "tools/checkgroup/GroupControl.h"
#include "tools/common/Frames.h"

#include <QImage>
#include <memory>

class QCheckBox;
class QLabel;

namespace orx::tools {

template <class Owner>
class PropertyTable;

// The check box group: items of a check box and a caption label each, laid
// out vertically, horizontally or in a grid, with group values ListValue
// ("0101"), NumericValue (a bit mask) and, for one item, Value. Split by
// concern:
//   CheckBoxModel.cpp       widgets, plain and indexed properties, methods, lifecycle
//   CheckBoxProperties.cpp  the property table and the bag orders
//   CheckBoxPresets.cpp     a new control from ORX_ChkBox.INI
//   CheckBoxValues.cpp      values, item clicks, focus, keys and mouse
// What it shares with the option button group is in GroupControl (the
// members of plain type, layout, resize and paint), GroupItems (the item
// widgets) and GroupRules (the rules without widgets).
class ORX_TOOLS_EXPORT ORXCheckBox : public groups::GroupControl {
    Q_OBJECT

public:
    enum ORXCK_CaptAlign_Constants { ORXCK_Left_CaptAlign = 0, ORXCK_Right_CaptAlign = 1, ORXCK_Center_CaptAlign = 2 };
    Q_ENUM(ORXCK_CaptAlign_Constants)
    enum ORXCK_CaptPosiz_Constants { ORXCK_Left_CaptPos = 1, ORXCK_Right_CaptPos = 2 };
    Q_ENUM(ORXCK_CaptPosiz_Constants)
    enum ORXCK_LockSize_Constants { ORXCK_No_Locked = 0, ORXCK_Height_Locked = 1, ORXCK_Width_Locked = 2, ORXCK_Both_Locked = 3 };
    Q_ENUM(ORXCK_LockSize_Constants)
    enum ORXCK_Orientation_Constants { ORXCK_Vert_Orient = 1, ORXCK_Horiz_Orient = 2, ORXCK_Grid_Orient = 3 };
    Q_ENUM(ORXCK_Orientation_Constants)

    // Properties in interface order; the indexed ones (CheckCaption,
    // CheckEnabled, CheckValue, CheckVisible) are invokables below.
    Q_PROPERTY(orx::tools::ORXCK::ORXCK_Appearance_Constants Appearance READ Appearance WRITE setAppearance)
    Q_PROPERTY(orx::host::OleColor BackColor READ BackColor WRITE setBackColor)
    Q_PROPERTY(orx::tools::ORXCK::ORXCK_BorderEffect_Constants BorderEffect READ BorderEffect WRITE setBorderEffect)
    Q_PROPERTY(orx::tools::ORXCK::ORXCK_BorderStyle_Constants BorderStyle READ BorderStyle WRITE setBorderStyle)
    Q_PROPERTY(ORXCK_CaptAlign_Constants CaptionAlignment READ CaptionAlignment WRITE setCaptionAlignment)
    Q_PROPERTY(ORXCK_CaptPosiz_Constants CaptionPosition READ CaptionPosition WRITE setCaptionPosition)
    Q_PROPERTY(QString Captions READ Captions WRITE setCaptions)
    Q_PROPERTY(float CheckBoxesHeight READ CheckBoxesHeight WRITE setCheckBoxesHeight)
    Q_PROPERTY(QString DataIndex READ DataIndex WRITE setDataIndex DESIGNABLE false)
    Q_PROPERTY(QString DataName READ DataName WRITE setDataName DESIGNABLE false)
    Q_PROPERTY(float DesignHeight READ DesignHeight WRITE setDesignHeight DESIGNABLE false)
    Q_PROPERTY(float DesignWidth READ DesignWidth WRITE setDesignWidth DESIGNABLE false)
    Q_PROPERTY(bool Enabled READ Enabled WRITE setEnabledState)
    Q_PROPERTY(orx::host::StdFont Font READ Font WRITE setFontValue)
    Q_PROPERTY(orx::host::OleColor ForeColor READ ForeColor WRITE setForeColor)
    Q_PROPERTY(bool HasFocus READ HasFocus WRITE setHasFocus DESIGNABLE false)
    Q_PROPERTY(float HorizSpacing READ HorizSpacing WRITE setHorizSpacing)
    Q_PROPERTY(QString ListValue READ ListValue WRITE setListValue)
    Q_PROPERTY(bool LoadOrientationSettings READ LoadOrientationSettings WRITE setLoadOrientationSettings)
    Q_PROPERTY(bool Locked READ Locked WRITE setLocked)
    Q_PROPERTY(ORXCK_LockSize_Constants LockSize READ LockSize WRITE setLockSize)
    Q_PROPERTY(QImage MouseIcon READ MouseIcon WRITE setMouseIcon)
    Q_PROPERTY(int MousePointer READ MousePointer WRITE setMousePointer)
    Q_PROPERTY(int NumChecks READ NumChecks WRITE setNumChecks)
    Q_PROPERTY(int NumColsGrid READ NumColsGrid WRITE setNumColsGrid)
    Q_PROPERTY(int NumericValue READ NumericValue WRITE setNumericValue)
    Q_PROPERTY(ORXCK_Orientation_Constants Orientation READ Orientation WRITE setOrientation)
    Q_PROPERTY(bool ResetSettings READ ResetSettings WRITE setResetSettings)
    Q_PROPERTY(bool SaveSettings READ SaveSettings WRITE setSaveSettings)
    Q_PROPERTY(bool TabStop READ TabStop WRITE setTabStop)
    Q_PROPERTY(QString Tag READ Tag WRITE setTag)
    Q_PROPERTY(QString TagMore READ TagMore WRITE setTagMore)
    Q_PROPERTY(QString ToolTipText READ ToolTipText WRITE setToolTipText)
    Q_PROPERTY(bool Unique READ Unique WRITE setUnique)
    Q_PROPERTY(bool Value READ Value WRITE setValue USER true)
    Q_PROPERTY(QString VersionName READ VersionName)
    Q_PROPERTY(QString VersionNumber READ VersionNumber)
    Q_PROPERTY(float VertSpacing READ VertSpacing WRITE setVertSpacing)

public:
    explicit ORXCheckBox(QWidget* parent = nullptr);
    ~ORXCheckBox() override;

    // ---- Properties (CheckBoxModel.cpp unless noted; those of plain type
    // both groups have are GroupControl's) ----
    ORXCK::ORXCK_Appearance_Constants Appearance() const;
    void setAppearance(ORXCK::ORXCK_Appearance_Constants value);
    ORXCK::ORXCK_BorderEffect_Constants BorderEffect() const;
    void setBorderEffect(ORXCK::ORXCK_BorderEffect_Constants value);
    ORXCK::ORXCK_BorderStyle_Constants BorderStyle() const;
    void setBorderStyle(ORXCK::ORXCK_BorderStyle_Constants value);
    ORXCK_CaptAlign_Constants CaptionAlignment() const;
    void setCaptionAlignment(ORXCK_CaptAlign_Constants value);
    ORXCK_CaptPosiz_Constants CaptionPosition() const;
    void setCaptionPosition(ORXCK_CaptPosiz_Constants value);
    float CheckBoxesHeight() const;
    void setCheckBoxesHeight(float twips);
    QString ListValue() const;
    void setListValue(const QString& value);  // CheckBoxValues.cpp
    ORXCK_LockSize_Constants LockSize() const;
    void setLockSize(ORXCK_LockSize_Constants value);
    int NumChecks() const;
    void setNumChecks(int count);
    int NumericValue() const;
    void setNumericValue(int value);  // CheckBoxValues.cpp
    ORXCK_Orientation_Constants Orientation() const;
    void setOrientation(ORXCK_Orientation_Constants value);
    bool Value() const;
    void setValue(bool on);  // CheckBoxValues.cpp
    float VertSpacing() const;
    void setVertSpacing(float twips);

    // Indexed properties: the get takes the index, the put the index and
    // the value. An index outside the items reads "" or false and a put to
    // it does nothing.
    Q_INVOKABLE QString CheckCaption(int Index) const;
    Q_INVOKABLE void CheckCaption(int Index, const QString& Value);
    Q_INVOKABLE bool CheckEnabled(int Index) const;
    Q_INVOKABLE void CheckEnabled(int Index, bool Value);
    Q_INVOKABLE bool CheckValue(int Index) const;
    Q_INVOKABLE void CheckValue(int Index, bool Value);
    Q_INVOKABLE bool CheckVisible(int Index) const;
    Q_INVOKABLE void CheckVisible(int Index, bool Value);

    // ---- Methods ----
    Q_INVOKABLE void Clear();  // CheckBoxValues.cpp
    Q_INVOKABLE void ResetDesignSize();
    Q_INVOKABLE void ShowAboutBox();
    // Design time: whether the property table takes a value for a key (the
    // range of its kind and its range rule); the property pages ask before writing.
    bool acceptsPropertyValue(const QString& key, const QVariant& value) const;

    // ---- Host lifecycle ----
    void InitProperties() override;  // CheckBoxPresets.cpp
    void ReadProperties(host::PropertyBag& bag) override;
    void WriteProperties(host::PropertyBag& bag) override;
    void ExitFocus() override;   // CheckBoxValues.cpp

    // Constituent widgets: CK_Check(i) and SF_Caption(i); null outside the items.
    QCheckBox* checkBox(int index) const;
    QLabel* captionLabel(int index) const;
    // The item that last received the focus.
    int focusIndex() const;

Q_SIGNALS:
    // Events 1 to 12, in their order; every argument by reference.
    void MouseDown(int& Button, int& Shift, float& X, float& Y);
    void MouseMove(int& Button, int& Shift, float& X, float& Y);
    void MouseUp(int& Button, int& Shift, float& X, float& Y);
    void Change();
    void Click(int& CheckIndex, bool& Value);
    void DblClick();
    void KeyDown(int& KeyCode, int& Shift);
    void KeyPress(int& KeyAscii);
    void KeyUp(int& KeyCode, int& Shift);
    void KeyEnterPressed();
    void CheckGotFocus(int& CheckIndex);
    void CheckLostFocus(int& CheckIndex);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;  // CheckBoxValues.cpp

private:
    // CheckBoxModel.cpp
    void itemMade(int index);
    int itemCount() const override;
    // The focus rectangle goes round the focus index.
    int focusItem() const override;
    // The focus index never names a removed item.
    void itemsCounted() override;

    // CheckBoxValues.cpp
    void ComputeListValue();
    void ComputeNumericValue();
    void ComputeValue();
    void ApplyListValue();
    void ApplyNumericValue();
    void ApplyValue();
    void UpdateListValueChar(int index);
    void ToggleItem(int index);
    void itemClicked(int index);
    void boxFocusIn(int index);
    void boxFocusOut(int index);
    QList<bool> states() const;
    void setStates(const QList<bool>& states);

    // CheckBoxProperties.cpp
    static const PropertyTable<ORXCheckBox>& properties();
    void applyNewControlDefaults();
    void readBag(const host::PropertyBag& bag);
    void writeBag(host::PropertyBag& bag);

    // CheckBoxPresets.cpp
    void readPresetKeys(const QString& section, std::span<const char* const> keys) override;
    bool writePresetKeys(const QString& section, std::span<const char* const> keys) const override;

    class Private;
    std::unique_ptr<Private> d;
};

}  // namespace orx::tools
