#pragma once

#include "platform/host/OleColor.h"
#include "platform/host/StdFont.h"
#include "platform/basic/Currency.h"
#include "platform/host/UserControl.h"
#include "tools/currency/ORXCurrencies.h"
#include "tools/common/Frames.h"

#include <QImage>
#include <QPointer>
#include <QVariant>

#include <memory>

class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QScrollBar;
class QMouseEvent;
class QKeyEvent;
class QPaintEvent;

namespace orx::tools {

class ORXList;
template <class Owner>
class PropertyTable;

// The enhanced text box: one value under a typed template, edited in a
// plain edit field and shown formatted in a display label when the focus is
// elsewhere. This header is the interface; the widgets, the state and the
// helpers are in ORXTextBox_p.h. The class is split by concern:
//   TextBoxModel.cpp      widgets, plain properties, creation, the lifecycle
//   TextBoxProperties.cpp the property table and the bag's orders
//   TextBoxPresets.cpp    the preset file and the design-time commands
//   TextBoxDisplay.cpp    templates, RefreshDisplay, the raw and bound forms
//   TextBoxEditing.cpp    focus, BeginEdit, keystrokes, paste, label mouse
//   TextBoxCommit.cpp     CommitText, TransformInput, messages, limits
//   TextBoxFeatures.cpp   blanking, check box, drop-down and spin properties
//   TextBoxCurrency.cpp   the catalogue, the selection, the display currency
//   TextBoxLayout.cpp, TextBoxPaint.cpp, TextBoxSpin.cpp, TextBoxList.cpp
// The rules themselves are plain functions in Templates.h, KeyFilter.h,
// InputRules.h, LayoutRules.h and SpinRules.h.
class ORX_TOOLS_EXPORT ORXTextBox : public host::UserControl {
    Q_OBJECT

public:
    enum ORXTX_Template_Constants {
        ORXTX_String = 0,
        ORXTX_Numeric = 1,
        ORXTX_Currency = 2,
        ORXTX_Percent = 3,
        ORXTX_Day_Month_Year = 4,
        ORXTX_Month_Day_Year = 5,
        ORXTX_Year_Month_Day = 6,
        ORXTX_Day_Month = 7,
        ORXTX_Month_Day = 8,
        ORXTX_Month_Year = 9,
        ORXTX_Year_Month = 10,
        ORXTX_Hour_Minute = 11,
        ORXTX_Hour_Minute_Seconds = 12
    };
    Q_ENUM(ORXTX_Template_Constants)
    enum ORXTX_DateTemplate_Constants { ORXTX_Date_DMY = 4, ORXTX_Date_MDY = 5, ORXTX_Date_YMD = 6 };
    Q_ENUM(ORXTX_DateTemplate_Constants)
    enum ORXTX_KeysB_Constants {
        ORXTX_KB_Ok_All = 1,
        ORXTX_KB_Ok_Alpha = 2,
        ORXTX_KB_Ok_Space = 4,
        ORXTX_KB_Ok_Numeric = 8,
        ORXTX_KB_Ok_TabChars = 16,
        ORXTX_KB_Set_Ucase = 32,
        ORXTX_KB_Set_Lcase = 64,
        ORXTX_KB_Set_UFirst = 128,
        ORXTX_KB_No_TabChars = 256
    };
    Q_ENUM(ORXTX_KeysB_Constants)
    enum ORXTX_DateInc_Constants { ORXTX_DI_Days = 1, ORXTX_DI_Weeks = 2, ORXTX_DI_Months = 3, ORXTX_DI_Years = 4 };
    Q_ENUM(ORXTX_DateInc_Constants)
    enum ORXTX_TimeInc_Constants { ORXTX_TI_Seconds = 1, ORXTX_TI_Minutes = 2, ORXTX_TI_Hours = 3 };
    Q_ENUM(ORXTX_TimeInc_Constants)
    enum ORXTX_ComboType_Constants { ORXTX_Combo_Type = 0, ORXTX_List_Type = 1 };
    Q_ENUM(ORXTX_ComboType_Constants)
    enum ORXTX_TextAlign_Constants { ORXTX_Left_Justify = 0, ORXTX_Right_Justify = 1, ORXTX_Center = 2 };
    Q_ENUM(ORXTX_TextAlign_Constants)
    enum ORXTX_CaptAlign_Constants {
        ORXTX_TopLeft_CaptAlign = 0,
        ORXTX_TopRight_CaptAlign = 1,
        ORXTX_TopCenter_CaptAlign = 2,
        ORXTX_MiddleLeft_CaptAlign = 3,
        ORXTX_MiddleRight_CaptAlign = 4,
        ORXTX_MiddleCenter_CaptAlign = 5,
        ORXTX_BottomLeft_CaptAlign = 6,
        ORXTX_BottomRight_CaptAlign = 7,
        ORXTX_BottomCenter_CaptAlign = 8
    };
    Q_ENUM(ORXTX_CaptAlign_Constants)
    enum ORXTX_LockSize_Constants { ORXTX_No_Locked = 0, ORXTX_Height_Locked = 1, ORXTX_Width_Locked = 2, ORXTX_Both_Locked = 3 };
    Q_ENUM(ORXTX_LockSize_Constants)
    enum ORXTX_Errors_Constants { ORXTX_Err_NotExistsCurrency = -2147221503, ORXTX_Err_InvalidChangeValue = -2147221502 };
    Q_ENUM(ORXTX_Errors_Constants)

    // Properties in interface order.
    Q_PROPERTY(ORXTX_TextAlign_Constants Alignment READ Alignment WRITE setAlignment)
    Q_PROPERTY(bool AllowNothing READ AllowNothing WRITE setAllowNothing)
    Q_PROPERTY(bool AllowPaste READ AllowPaste WRITE setAllowPaste)
    Q_PROPERTY(orx::tools::ORXTX::ORXTX_Appearance_Constants Appearance READ Appearance WRITE setAppearance)
    Q_PROPERTY(orx::host::OleColor BackColor READ BackColor WRITE setBackColor)
    Q_PROPERTY(bool Blanked READ Blanked WRITE setBlanked)
    Q_PROPERTY(orx::tools::ORXTX::ORXTX_BorderStyle_Constants BorderStyle READ BorderStyle WRITE setBorderStyle)
    Q_PROPERTY(orx::tools::ORXTX::ORXTX_BorderEffect_Constants BorderEffect READ BorderEffect WRITE setBorderEffect)
    Q_PROPERTY(QVariant BoundText READ BoundText WRITE setBoundText)
    Q_PROPERTY(ORXTX_CaptAlign_Constants CapAlignment READ CapAlignment WRITE setCapAlignment)
    Q_PROPERTY(QString Caption READ Caption WRITE setCaption)
    Q_PROPERTY(float CapWidth READ CapWidth WRITE setCapWidth)
    Q_PROPERTY(int Characters READ Characters WRITE setCharacters)
    Q_PROPERTY(QString CharacterTable READ CharacterTable WRITE setCharacterTable)
    Q_PROPERTY(bool CheckBoxEnabled READ CheckBoxEnabled WRITE setCheckBoxEnabled)
    Q_PROPERTY(bool CheckBoxValue READ CheckBoxValue WRITE setCheckBoxValue)
    Q_PROPERTY(bool CheckBoxVisible READ CheckBoxVisible WRITE setCheckBoxVisible)
    Q_PROPERTY(bool ComboButtonEnabled READ ComboButtonEnabled WRITE setComboButtonEnabled)
    Q_PROPERTY(bool ComboButtonVisible READ ComboButtonVisible WRITE setComboButtonVisible)
    Q_PROPERTY(int ComboCount READ ComboCount)
    Q_PROPERTY(float ComboRows READ ComboRows WRITE setComboRows)
    Q_PROPERTY(int ComboIndex READ ComboIndex WRITE setComboIndex DESIGNABLE false)
    Q_PROPERTY(QString ComboItemKeys READ ComboItemKeys WRITE setComboItemKeys)
    Q_PROPERTY(QString ComboItems READ ComboItems WRITE setComboItems)
    Q_PROPERTY(QVariant ComboKey READ ComboKey WRITE setComboKey DESIGNABLE false)
    Q_PROPERTY(int ComboNewIndex READ ComboNewIndex)
    Q_PROPERTY(ORXTX_ComboType_Constants ComboType READ ComboType WRITE setComboType)
    Q_PROPERTY(orx::tools::ORXCurrencies* Currencies READ Currencies WRITE setCurrencies DESIGNABLE false)
    Q_PROPERTY(QString CurrencyDisplayCapt READ CurrencyDisplayCapt WRITE setCurrencyDisplayCapt)
    Q_PROPERTY(QString DataIndex READ DataIndex DESIGNABLE false)
    Q_PROPERTY(QString DataName READ DataName DESIGNABLE false)
    Q_PROPERTY(float DesignHeight READ DesignHeight WRITE setDesignHeight)
    Q_PROPERTY(float DesignWidth READ DesignWidth WRITE setDesignWidth)
    Q_PROPERTY(bool Enabled READ Enabled WRITE setEnabledState)
    Q_PROPERTY(bool ErrorBeep READ ErrorBeep WRITE setErrorBeep)
    Q_PROPERTY(QString ErrorDesc READ ErrorDesc WRITE setErrorDesc)
    Q_PROPERTY(bool ErrorFlag READ ErrorFlag WRITE setErrorFlag DESIGNABLE false)
    Q_PROPERTY(QString ErrorMess READ ErrorMess WRITE setErrorMess)
    Q_PROPERTY(QString ErrOutOfRangeMess READ ErrOutOfRangeMess WRITE setErrOutOfRangeMess)
    Q_PROPERTY(orx::host::OleColor FocusRectColor READ FocusRectColor WRITE setFocusRectColor)
    Q_PROPERTY(orx::host::StdFont Font READ Font WRITE setFontValue)
    Q_PROPERTY(orx::host::OleColor ForeColor READ ForeColor WRITE setForeColor)
    Q_PROPERTY(QString FormattedText READ FormattedText WRITE setFormattedText)
    Q_PROPERTY(bool HandleCurrencyChanges READ HandleCurrencyChanges WRITE setHandleCurrencyChanges)
    Q_PROPERTY(bool HasFocus READ HasFocus DESIGNABLE false)
    Q_PROPERTY(bool IfErrMess READ IfErrMess WRITE setIfErrMess)
    Q_PROPERTY(bool IfErrUndo READ IfErrUndo WRITE setIfErrUndo)
    Q_PROPERTY(QVariant LastText READ LastText DESIGNABLE false)
    Q_PROPERTY(QString Layout READ Layout WRITE setLayout)
    Q_PROPERTY(bool LoadTemplateSettings READ LoadTemplateSettings WRITE setLoadTemplateSettings)
    Q_PROPERTY(bool Locked READ Locked WRITE setLocked)
    Q_PROPERTY(ORXTX_LockSize_Constants LockSize READ LockSize WRITE setLockSize)
    Q_PROPERTY(QString MaxValue READ MaxValue WRITE setMaxValue)
    Q_PROPERTY(int MaxLength READ MaxLength WRITE setMaxLength)
    Q_PROPERTY(QString MinValue READ MinValue WRITE setMinValue)
    Q_PROPERTY(bool Modified READ Modified WRITE setModified DESIGNABLE false)
    Q_PROPERTY(QImage MouseIcon READ MouseIcon WRITE setMouseIcon)
    Q_PROPERTY(int MousePointer READ MousePointer WRITE setMousePointer)
    Q_PROPERTY(QString NullText READ NullText WRITE setNullText)
    Q_PROPERTY(QString PasswordChar READ PasswordChar WRITE setPasswordChar)
    Q_PROPERTY(bool RaiseCBClickOnCKTrue READ RaiseCBClickOnCKTrue WRITE setRaiseCBClickOnCKTrue)
    Q_PROPERTY(QVariant RawText READ RawText WRITE setRawText)
    Q_PROPERTY(bool ResetSettings READ ResetSettings WRITE setResetSettings)
    Q_PROPERTY(bool SaveSettings READ SaveSettings WRITE setSaveSettings)
    Q_PROPERTY(bool ShowFocusRect READ ShowFocusRect WRITE setShowFocusRect)
    Q_PROPERTY(bool ShowSymbolCurrency READ ShowSymbolCurrency WRITE setShowSymbolCurrency)
    Q_PROPERTY(QString SelCurrency READ SelCurrency WRITE setSelCurrency)
    Q_PROPERTY(int SelLength READ SelLength WRITE setSelLength DESIGNABLE false)
    Q_PROPERTY(int SelStart READ SelStart WRITE setSelStart DESIGNABLE false)
    Q_PROPERTY(QString SelText READ SelText WRITE setSelText DESIGNABLE false)
    Q_PROPERTY(bool SelTextAuto READ SelTextAuto WRITE setSelTextAuto)
    Q_PROPERTY(bool SpinButtons READ SpinButtons WRITE setSpinButtons)
    Q_PROPERTY(ORXTX_DateInc_Constants SpinDateType READ SpinDateType WRITE setSpinDateType)
    Q_PROPERTY(ORXTX_TimeInc_Constants SpinTimeType READ SpinTimeType WRITE setSpinTimeType)
    Q_PROPERTY(double SpinValue READ SpinValue WRITE setSpinValue)
    Q_PROPERTY(bool TabStop READ TabStop WRITE setTabStop)
    Q_PROPERTY(QString Tag READ Tag WRITE setTag)
    Q_PROPERTY(QString TagMore READ TagMore WRITE setTagMore)
    Q_PROPERTY(ORXTX_Template_Constants Template READ Template WRITE setTemplate)
    Q_PROPERTY(QVariant Text READ Text WRITE setText USER true)
    Q_PROPERTY(QString ToolTipText READ ToolTipText WRITE setToolTipText)
    Q_PROPERTY(bool Unique READ Unique WRITE setUnique)
    Q_PROPERTY(bool UseDefaultCurrency READ UseDefaultCurrency WRITE setUseDefaultCurrency)
    Q_PROPERTY(bool UseNullValueDefault READ UseNullValueDefault WRITE setUseNullValueDefault)
    Q_PROPERTY(QString VersionName READ VersionName)
    Q_PROPERTY(QString VersionNumber READ VersionNumber)

public:
    explicit ORXTextBox(QWidget* parent = nullptr);
    ~ORXTextBox() override;

    // ---- Properties (TextBoxModel.cpp unless noted; the currency ones in TextBoxCurrency.cpp) ----
    ORXTX_TextAlign_Constants Alignment() const; void setAlignment(ORXTX_TextAlign_Constants value);
    bool AllowNothing() const; void setAllowNothing(bool on);
    bool AllowPaste() const; void setAllowPaste(bool on);
    ORXTX::ORXTX_Appearance_Constants Appearance() const; void setAppearance(ORXTX::ORXTX_Appearance_Constants value);
    host::OleColor BackColor() const; void setBackColor(host::OleColor color);
    bool Blanked() const; void setBlanked(bool on);  // TextBoxFeatures.cpp
    ORXTX::ORXTX_BorderStyle_Constants BorderStyle() const; void setBorderStyle(ORXTX::ORXTX_BorderStyle_Constants value);
    ORXTX::ORXTX_BorderEffect_Constants BorderEffect() const; void setBorderEffect(ORXTX::ORXTX_BorderEffect_Constants value);
    QVariant BoundText() const; void setBoundText(const QVariant& value);  // TextBoxDisplay.cpp
    ORXTX_CaptAlign_Constants CapAlignment() const; void setCapAlignment(ORXTX_CaptAlign_Constants value);
    QString Caption() const; void setCaption(const QString& text);
    float CapWidth() const; void setCapWidth(float twips);
    int Characters() const; void setCharacters(int value);  // TextBoxEditing.cpp
    QString CharacterTable() const; void setCharacterTable(const QString& value);  // TextBoxEditing.cpp
    bool CheckBoxEnabled() const; void setCheckBoxEnabled(bool on);  // TextBoxFeatures.cpp
    bool CheckBoxValue() const; void setCheckBoxValue(bool on);  // TextBoxFeatures.cpp
    bool CheckBoxVisible() const; void setCheckBoxVisible(bool on);  // TextBoxFeatures.cpp
    bool ComboButtonEnabled() const; void setComboButtonEnabled(bool on);  // TextBoxFeatures.cpp
    bool ComboButtonVisible() const; void setComboButtonVisible(bool on);  // TextBoxFeatures.cpp
    int ComboCount() const;
    float ComboRows() const; void setComboRows(float rows);
    int ComboIndex() const; void setComboIndex(int index);  // TextBoxFeatures.cpp
    Q_INVOKABLE QVariant ComboItem(int Index) const;
    Q_INVOKABLE QVariant ComboItemKey(int Index) const;
    QString ComboItemKeys() const; void setComboItemKeys(const QString& keys);
    QString ComboItems() const; void setComboItems(const QString& items);
    QVariant ComboKey() const; void setComboKey(const QVariant& key);  // TextBoxFeatures.cpp
    int ComboNewIndex() const;
    ORXTX_ComboType_Constants ComboType() const; void setComboType(ORXTX_ComboType_Constants value);  // TextBoxFeatures.cpp
    ORXCurrencies* Currencies() const; void setCurrencies(ORXCurrencies* collection);  // TextBoxCurrency.cpp
    QString CurrencyDisplayCapt() const; void setCurrencyDisplayCapt(const QString& text);
    QString DataIndex() const;
    QString DataName() const;
    float DesignHeight() const; void setDesignHeight(float twips);
    float DesignWidth() const; void setDesignWidth(float twips);
    bool Enabled() const; void setEnabledState(bool on);
    bool ErrorBeep() const; void setErrorBeep(bool on);
    QString ErrorDesc() const; void setErrorDesc(const QString& text);  // TextBoxCommit.cpp
    bool ErrorFlag() const; void setErrorFlag(bool on);  // TextBoxCommit.cpp
    QString ErrorMess() const; void setErrorMess(const QString& text);
    QString ErrOutOfRangeMess() const; void setErrOutOfRangeMess(const QString& text);
    host::OleColor FocusRectColor() const; void setFocusRectColor(host::OleColor color);
    host::StdFont Font() const; void setFontValue(const host::StdFont& font);
    host::OleColor ForeColor() const; void setForeColor(host::OleColor color);
    QString FormattedText() const; void setFormattedText(const QString& text);  // TextBoxDisplay.cpp
    bool HandleCurrencyChanges() const; void setHandleCurrencyChanges(bool on);  // TextBoxFeatures.cpp
    bool HasFocus() const;
    bool IfErrMess() const; void setIfErrMess(bool on);
    bool IfErrUndo() const; void setIfErrUndo(bool on);
    QVariant LastText() const;
    QString Layout() const; void setLayout(const QString& pattern);  // TextBoxDisplay.cpp
    bool LoadTemplateSettings() const; void setLoadTemplateSettings(bool on);
    bool Locked() const; void setLocked(bool on);
    ORXTX_LockSize_Constants LockSize() const; void setLockSize(ORXTX_LockSize_Constants value);
    QString MaxValue() const; void setMaxValue(const QString& limit);  // TextBoxCommit.cpp
    int MaxLength() const; void setMaxLength(int length);  // TextBoxEditing.cpp
    QString MinValue() const; void setMinValue(const QString& limit);  // TextBoxCommit.cpp
    bool Modified() const; void setModified(bool on);
    QImage MouseIcon() const; void setMouseIcon(const QImage& picture);
    int MousePointer() const; void setMousePointer(int pointer);
    QString NullText() const; void setNullText(const QString& text);  // TextBoxCommit.cpp
    QString PasswordChar() const; void setPasswordChar(const QString& text);  // TextBoxEditing.cpp
    bool RaiseCBClickOnCKTrue() const; void setRaiseCBClickOnCKTrue(bool on);
    QVariant RawText() const; void setRawText(const QVariant& raw);  // TextBoxDisplay.cpp
    bool ResetSettings() const; void setResetSettings(bool on);
    bool SaveSettings() const; void setSaveSettings(bool on);
    bool ShowFocusRect() const; void setShowFocusRect(bool on);
    bool ShowSymbolCurrency() const; void setShowSymbolCurrency(bool on);
    QString SelCurrency() const; void setSelCurrency(const QString& name);
    int SelLength() const; void setSelLength(int length);  // TextBoxEditing.cpp (the selection)
    int SelStart() const; void setSelStart(int start);
    QString SelText() const; void setSelText(const QString& text);
    bool SelTextAuto() const; void setSelTextAuto(bool on);
    bool SpinButtons() const; void setSpinButtons(bool on);  // TextBoxFeatures.cpp
    ORXTX_DateInc_Constants SpinDateType() const; void setSpinDateType(ORXTX_DateInc_Constants value);  // TextBoxFeatures.cpp
    ORXTX_TimeInc_Constants SpinTimeType() const; void setSpinTimeType(ORXTX_TimeInc_Constants value);  // TextBoxFeatures.cpp
    double SpinValue() const; void setSpinValue(double value);  // TextBoxFeatures.cpp
    bool TabStop() const; void setTabStop(bool on);
    QString Tag() const; void setTag(const QString& tag);
    QString TagMore() const; void setTagMore(const QString& text);
    ORXTX_Template_Constants Template() const; void setTemplate(ORXTX_Template_Constants value);  // TextBoxDisplay.cpp
    QVariant Text() const; void setText(const QVariant& value);  // TextBoxCommit.cpp
    QString ToolTipText() const; void setToolTipText(const QString& text);
    bool Unique() const; void setUnique(bool on);
    bool UseDefaultCurrency() const; void setUseDefaultCurrency(bool on);
    bool UseNullValueDefault() const; void setUseNullValueDefault(bool on);
    QString VersionName() const;
    QString VersionNumber() const;

    // ---- Methods ----
    Q_INVOKABLE void Clear();                                                       // TextBoxDisplay.cpp
    Q_INVOKABLE orx::basic::Currency ChangeCurrency(const QString& FromCurrency, const QString& ToCurrency,
                                                    orx::basic::Currency Value);  // TextBoxCurrency.cpp
    Q_INVOKABLE void ComboAddItem(const QVariant& Item, const QVariant& ItemKey = QVariant(), int Index = 0);
    Q_INVOKABLE void ComboClear();
    Q_INVOKABLE void ComboRemoveItem(int Index);
    Q_INVOKABLE void DateIncrement(int TypeIncrement, double Value);               // TextBoxFeatures.cpp
    Q_INVOKABLE int GetRawDate(int Format, const QString& Value) const;            // TextBoxDisplay.cpp
    Q_INVOKABLE void LetDate(int Format, const QString& Value);                     // TextBoxDisplay.cpp
    Q_INVOKABLE void MarkSelected();                                                // TextBoxEditing.cpp
    Q_INVOKABLE QObject* NewORXCurrencies();
    Q_INVOKABLE QObject* NewORXCurrency();
    Q_INVOKABLE QObject* NewORXList();
    Q_INVOKABLE void Refresh();                                                     // TextBoxDisplay.cpp
    Q_INVOKABLE void ResetDesignSize();
    Q_INVOKABLE void ShowAboutBox();
    // Design time: whether the property table takes a value for a key (the
    // range of its kind and its range rule); the property pages ask before writing.
    bool acceptsPropertyValue(const QString& key, const QVariant& value) const;
    Q_INVOKABLE void SystemSettingRefresh();                                        // TextBoxDisplay.cpp
    Q_INVOKABLE void TimeIncrement(int TypeIncrement, double Value);               // TextBoxFeatures.cpp

    // ---- Host lifecycle ----
    void InitProperties() override;
    void ReadProperties(host::PropertyBag& bag) override;
    void WriteProperties(host::PropertyBag& bag) override;
    void AmbientChanged(const QString& name) override;
    void Resize() override;
    void EnterFocus() override;   // TextBoxEditing.cpp
    void ExitFocus() override;    // TextBoxEditing.cpp

    // Constituent widgets, named as the control declares them.
    QPushButton* currencyButton() const;
    QPushButton* dropDownButton() const;
    QListWidget* comboListBox() const;
    QScrollBar* spinBar() const;
    QLineEdit* editField() const;
    QCheckBox* checkBox() const;
    QFrame* focusFrame() const;
    QLabel* displayLabel() const;

    // The edit-field change and the commit are reachable for the host's
    // own checks through the properties; Reverted is observable for tests.
    bool reverted() const;

    // TextBoxPaint.cpp: the paint notice, on any surface of the control's
    // size (the widget's own, or a recording one in tests): the frame around
    // the input area, then the caption.
    void PaintControl(draw::Surface& surface);
    // TextBoxList.cpp: whether this control's drop-down list hangs open.
    bool listShowing() const;

Q_SIGNALS:
    // Events 1 to 17, in their order.
    void Change();
    void ChangeValueFetch(const QString& FromCurrency, const QString& ToCurrency, double& Value);
    void CheckBoxClick(bool Value);
    void Click();
    void ComboButtonClick();
    void ComboSelected(const QVariant& Item, const QVariant& Key, int ComboIndex);
    void DblClick();
    void EndOfLine();
    void Invalid(QVariant& Text, const QVariant& LastText);
    void MouseDown(int& Button, int& Shift, float& X, float& Y);
    void MouseMove(int& Button, int& Shift, float& X, float& Y);
    void MouseUp(int& Button, int& Shift, float& X, float& Y);
    void KeyDown(int& KeyCode, int& Shift);
    void KeyEnterPressed();
    void KeyPress(int& KeyAscii);
    void KeyUp(int& KeyCode, int& Shift);
    void OutOfRange(QVariant& Text, const QVariant& LastText, const QString& MinValue, const QString& MaxValue);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void paintEvent(QPaintEvent* event) override;  // TextBoxPaint.cpp
    void keyPressEvent(QKeyEvent* event) override;  // TextBoxEditing.cpp: keys of a control that is not editing

private:
    friend class Private;
    // The widgets and the state, in ORXTextBox_p.h.
    class Private;
    std::unique_ptr<Private> d;

};

}  // namespace orx::tools
