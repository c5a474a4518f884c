#pragma once

#include "tools/common/ToolsExport.h"

#include "platform/host/OleColor.h"
#include "platform/host/StdFont.h"
#include "tools/checkgroup/GroupControl.h"
#include "tools/common/Frames.h"

#include <QImage>
#include <memory>

class QLabel;
class QRadioButton;

namespace orx::tools {

template <class Owner>
class PropertyTable;

// The option button group: mutually exclusive options of an option button
// and a caption label each, laid out like the check box group (whose control
// base, rules and item widgets it shares, tools/checkgroup/Group*.h). Exactly one option
// is selected; the host reads it as ListIndex or as the list value the
// designer attached to it (Value). Split by concern:
//   OptionButtonModel.cpp       widgets, plain and indexed properties, methods, lifecycle
//   OptionButtonProperties.cpp  the property table and the bag orders
//   OptionButtonPresets.cpp     a new control from ORX_OptBtn.INI
//   OptionButtonValues.cpp      selection, list values, focus, keys and mouse
class ORX_TOOLS_EXPORT ORXOptionButton : public groups::GroupControl {
    Q_OBJECT

public:
    enum ORXOB_CaptAlign_Constants { ORXOB_Left_CaptAlign = 0, ORXOB_Right_CaptAlign = 1, ORXOB_Center_CaptAlign = 2 };
    Q_ENUM(ORXOB_CaptAlign_Constants)
    enum ORXOB_CaptPosiz_Constants { ORXOB_Left_CaptPos = 1, ORXOB_Right_CaptPos = 2 };
    Q_ENUM(ORXOB_CaptPosiz_Constants)
    enum ORXOB_LockSize_Constants { ORXOB_No_Locked = 0, ORXOB_Height_Locked = 1, ORXOB_Width_Locked = 2, ORXOB_Both_Locked = 3 };
    Q_ENUM(ORXOB_LockSize_Constants)
    enum ORXOB_Orientation_Constants { ORXOB_Vert_Orient = 1, ORXOB_Horiz_Orient = 2, ORXOB_Grid_Orient = 3 };
    Q_ENUM(ORXOB_Orientation_Constants)

    // Properties in interface order; the indexed ones (OptionCaption,
    // OptionEnabled, OptionListValue, OptionValue, OptionVisible) are
    // invokables below.
    Q_PROPERTY(orx::tools::ORXOB::ORXOB_Appearance_Constants Appearance READ Appearance WRITE setAppearance)
    Q_PROPERTY(orx::host::OleColor BackColor READ BackColor WRITE setBackColor)
    Q_PROPERTY(orx::tools::ORXOB::ORXOB_BorderEffect_Constants BorderEffect READ BorderEffect WRITE setBorderEffect)
    Q_PROPERTY(orx::tools::ORXOB::ORXOB_BorderStyle_Constants BorderStyle READ BorderStyle WRITE setBorderStyle)
    Q_PROPERTY(ORXOB_CaptAlign_Constants CaptionAlignment READ CaptionAlignment WRITE setCaptionAlignment)
    Q_PROPERTY(ORXOB_CaptPosiz_Constants CaptionPosition READ CaptionPosition WRITE setCaptionPosition)
    Q_PROPERTY(QString Captions READ Captions WRITE setCaptions)
    Q_PROPERTY(QString DataIndex READ DataIndex WRITE setDataIndex DESIGNABLE false)
    Q_PROPERTY(QString DataName READ DataName WRITE setDataName DESIGNABLE false)
    Q_PROPERTY(float DesignHeight READ DesignHeight WRITE setDesignHeight DESIGNABLE false)
    Q_PROPERTY(float DesignWidth READ DesignWidth WRITE setDesignWidth DESIGNABLE false)
    Q_PROPERTY(bool Enabled READ Enabled WRITE setEnabledState)
    Q_PROPERTY(orx::host::StdFont Font READ Font WRITE setFontValue)
    Q_PROPERTY(orx::host::OleColor ForeColor READ ForeColor WRITE setForeColor)
    Q_PROPERTY(bool HasFocus READ HasFocus WRITE setHasFocus DESIGNABLE false)
    Q_PROPERTY(float HorizSpacing READ HorizSpacing WRITE setHorizSpacing)
    Q_PROPERTY(bool LoadOrientationSettings READ LoadOrientationSettings WRITE setLoadOrientationSettings)
    Q_PROPERTY(int ListIndex READ ListIndex WRITE setListIndex)
    Q_PROPERTY(QString ListValues READ ListValues WRITE setListValues)
    Q_PROPERTY(bool Locked READ Locked WRITE setLocked)
    Q_PROPERTY(ORXOB_LockSize_Constants LockSize READ LockSize WRITE setLockSize)
    Q_PROPERTY(QImage MouseIcon READ MouseIcon WRITE setMouseIcon)
    Q_PROPERTY(int MousePointer READ MousePointer WRITE setMousePointer)
    Q_PROPERTY(int NumColsGrid READ NumColsGrid WRITE setNumColsGrid)
    Q_PROPERTY(int NumOptions READ NumOptions WRITE setNumOptions)
    Q_PROPERTY(int OptionButtonsHeight READ OptionButtonsHeight WRITE setOptionButtonsHeight)
    Q_PROPERTY(ORXOB_Orientation_Constants Orientation READ Orientation WRITE setOrientation)
    Q_PROPERTY(bool ResetSettings READ ResetSettings WRITE setResetSettings)
    Q_PROPERTY(bool SaveSettings READ SaveSettings WRITE setSaveSettings)
    Q_PROPERTY(bool TabStop READ TabStop WRITE setTabStop)
    Q_PROPERTY(QString Tag READ Tag WRITE setTag)
    Q_PROPERTY(QString TagMore READ TagMore WRITE setTagMore)
    Q_PROPERTY(QString ToolTipText READ ToolTipText WRITE setToolTipText)
    Q_PROPERTY(bool Unique READ Unique WRITE setUnique)
    Q_PROPERTY(QString Value READ Value WRITE setValue USER true)
    Q_PROPERTY(QString VersionName READ VersionName)
    Q_PROPERTY(QString VersionNumber READ VersionNumber)
    Q_PROPERTY(int VertSpacing READ VertSpacing WRITE setVertSpacing)

public:
    explicit ORXOptionButton(QWidget* parent = nullptr);
    ~ORXOptionButton() override;

    // ---- Properties (OptionButtonModel.cpp unless noted; those of plain
    // type both groups have are GroupControl's) ----
    ORXOB::ORXOB_Appearance_Constants Appearance() const;
    void setAppearance(ORXOB::ORXOB_Appearance_Constants value);
    ORXOB::ORXOB_BorderEffect_Constants BorderEffect() const;
    void setBorderEffect(ORXOB::ORXOB_BorderEffect_Constants value);
    ORXOB::ORXOB_BorderStyle_Constants BorderStyle() const;
    void setBorderStyle(ORXOB::ORXOB_BorderStyle_Constants value);
    ORXOB_CaptAlign_Constants CaptionAlignment() const;
    void setCaptionAlignment(ORXOB_CaptAlign_Constants value);
    ORXOB_CaptPosiz_Constants CaptionPosition() const;
    void setCaptionPosition(ORXOB_CaptPosiz_Constants value);
    int ListIndex() const;
    void setListIndex(int index);  // OptionButtonValues.cpp
    QString ListValues() const;
    void setListValues(const QString& values);  // OptionButtonValues.cpp
    ORXOB_LockSize_Constants LockSize() const;
    void setLockSize(ORXOB_LockSize_Constants value);
    int NumOptions() const;
    void setNumOptions(int count);  // OptionButtonValues.cpp
    int OptionButtonsHeight() const;
    void setOptionButtonsHeight(int twips);
    ORXOB_Orientation_Constants Orientation() const;
    void setOrientation(ORXOB_Orientation_Constants value);
    QString Value() const;
    void setValue(const QString& value);  // OptionButtonValues.cpp
    int VertSpacing() const;
    void setVertSpacing(int twips);

    // Indexed properties: the get takes the index, the put the index and
    // the value. An index outside the options reads "" or false and a put
    // to it does nothing.
    Q_INVOKABLE QString OptionCaption(int Index) const;
    Q_INVOKABLE void OptionCaption(int Index, const QString& Value);
    Q_INVOKABLE bool OptionEnabled(int Index) const;
    Q_INVOKABLE void OptionEnabled(int Index, bool Value);
    Q_INVOKABLE QString OptionListValue(int Index) const;
    Q_INVOKABLE void OptionListValue(int Index, const QString& Value);  // OptionButtonValues.cpp
    Q_INVOKABLE bool OptionValue(int Index) const;
    Q_INVOKABLE bool OptionVisible(int Index) const;
    Q_INVOKABLE void OptionVisible(int Index, bool Value);

    // ---- Methods ----
    Q_INVOKABLE void ResetDesignSize();
    Q_INVOKABLE void ShowAboutBox();
    // Design time: whether the property table takes a value for a key (the
    // range of its kind and its range rule); the property pages ask before writing.
    bool acceptsPropertyValue(const QString& key, const QVariant& value) const;

    // ---- Host lifecycle ----
    void InitProperties() override;  // OptionButtonPresets.cpp
    void ReadProperties(host::PropertyBag& bag) override;
    void WriteProperties(host::PropertyBag& bag) override;
    void ExitFocus() override;   // OptionButtonValues.cpp
    void tabStopChanged(bool on) override;  // OptionButtonValues.cpp

    // Constituent widgets: OB_Option(i) and SF_Caption(i); null outside the options.
    QRadioButton* optionButton(int index) const;
    QLabel* captionLabel(int index) const;

Q_SIGNALS:
    // Events 1 to 11, in their order; every argument by reference.
    void MouseDown(int& Button, int& Shift, float& X, float& Y);
    void MouseMove(int& Button, int& Shift, float& X, float& Y);
    void MouseUp(int& Button, int& Shift, float& X, float& Y);
    void Click();
    void DblClick();
    void KeyDown(int& KeyCode, int& Shift);
    void KeyPress(int& KeyAscii);
    void KeyUp(int& KeyCode, int& Shift);
    void KeyEnterPressed();
    void OptionGotFocus(int& Index);
    void OptionLostFocus(int& Index);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;  // OptionButtonValues.cpp

private:
    // OptionButtonModel.cpp
    void itemMade(int index);
    int itemCount() const override;
    // The focus rectangle goes round the selected option.
    int focusItem() const override;
    // The selected option is selected again (after a load, the first time).
    void itemsPlaced() override;

    // OptionButtonValues.cpp
    void ApplyListValues();
    void RebuildListValues();
    void SelectOption(int index);
    void optionClicked(int index);
    void optionFocusIn(int index);
    void optionFocusOut(int index);
    void updateTabPolicy();

    // OptionButtonProperties.cpp
    static const PropertyTable<ORXOptionButton>& properties();
    void applyNewControlDefaults();
    void readBag(const host::PropertyBag& bag);
    void writeBag(host::PropertyBag& bag);

    // OptionButtonPresets.cpp
    void readPresetKeys(const QString& section, std::span<const char* const> keys) override;
    bool writePresetKeys(const QString& section, std::span<const char* const> keys) const override;

    class Private;
    std::unique_ptr<Private> d;
};

}  // namespace orx::tools
