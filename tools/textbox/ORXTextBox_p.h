#pragma once

// The text box's private side: its constituent widgets and its state. Only
// the text box's own files include it.
#include "tools/textbox/ORXTextBox.h"

#include "platform/host/OleColor.h"
#include "platform/host/StdFont.h"
#include "tools/common/Frames.h"

#include <QImage>
#include <QPointer>
#include <QVariant>

namespace orx::tools {

class ORXTextBox::Private {
public:
    explicit Private(ORXTextBox* owner)
        : q(owner)
    {
    }

    ORXTextBox* const q;

    // TextBoxModel.cpp
    void createWidgets();
    void applyColours();
    void applyFont();
    void applyMousePointer();
    void placeWidgets();
    bool runMode() const;
    void refuseAtRunTime(const char* member) const;
    void computeDataNames();
    ORXList* comboList();
    void notifyBorder(const QStringList& names);

    // TextBoxDisplay.cpp
    void ApplyTemplate(bool relayout);
    void RebuildLayouts();
    void RefreshDisplay();
    void ReadSeparators();
    void recomputeRawText();
    void recomputeBoundText();
    QString textValue() const;  // Text as a string ("" for null)
    void writeEditField(const QString& text, bool suppress);
    void applyMaxLength(int length);  // 0: no limit
    int roomToType() const;           // characters the limit still lets the user add

    // TextBoxEditing.cpp
    void BeginEdit();
    void leaveEditing();
    bool pickOnlyList() const;
    bool checkBoxActive() const;
    bool editFieldKeyPress(QKeyEvent* event);
    bool keyDownSteps(QKeyEvent* event);
    bool pasteThroughRules(const QString& text);
    void onEditFieldChanged(const QString& text);
    void onEditFieldFocusIn();
    void onEditFieldFocusOut();
    bool labelMouse(QEvent* event);
    void raiseMouse(int which, QMouseEvent* event);

    // TextBoxCommit.cpp
    enum class Outcome { Valid, Restored, Invalid };
    static bool sameValue(const QVariant& a, const QVariant& b);
    static QString textOf(const QVariant& v);
    Outcome validate(QString& value, const QString& last, const QVariant& lastVariant, bool interactive);
    void CommitText();
    QVariant TransformInput(const QVariant& value, const QVariant& last, bool interactive);
    QString transformDayMonth(const QString& value, const QString& last);
    void reportInvalid(const QString& value);
    void reportOutOfRange();
    bool CheckRange(const QString& value);

    // TextBoxFeatures.cpp
    void updateSideButtons();
    void centreSpinBar();
    void applyCheckBoxClick();

    // TextBoxCurrency.cpp
    // The drop-down lists the catalogue's currencies from the second record
    // on (the first is the regional default) and hands the pick back here.
    void FillCurrencyList();
    void ApplyCurrencyChoice(const QVariant& choice);
    void InitCurrencies();
    QString ApplyCurrencySelection();
    void adjustCharacterTable(int decimals);
    basic::Currency ConvertCurrency(const QString& FromCurrency, const QString& ToCurrency, basic::Currency Value,
                                    bool ReportMissing);
    QString currencyDisplayText(const QString& value);
    QString currencySymbol() const;
    void applyCurrencyLayout(const QString& pattern);
    void showCurrentCurrency();
    void dropFeaturesBesideCurrency();

    // TextBoxLayout.cpp
    void setUpSideWidgets();  // the spin, list and check box signals, once
    // TextBoxSpin.cpp
    void onSpinBarChanged();
    void spinStep(bool up);
    // TextBoxList.cpp
    void OpenList();
    void FillComboList();
    void closeList(bool restoreHeight);
    bool listEvent(QEvent* event);
    void pickListRow();
    void listTypeStep(bool next);
    bool checkBoxFocusEvent(QEvent* event);

    // TextBoxProperties.cpp: the one table of persisted properties and the
    // orders of a new control's defaults, the bag read and the bag write.
    static const PropertyTable<ORXTextBox>& properties();
    void applyNewControlDefaults();
    void readBag(const host::PropertyBag& bag);
    void writeBag(host::PropertyBag& bag);
    void applyAlignment();  // the display label follows Alignment

    // TextBoxPresets.cpp
    void savePresets();
    void loadPresets(bool announce);
    void resetPresets();
    void readPresets();


    // Constituent widgets.
    QPushButton* ORX_CM_TX_INT_Left = nullptr;
    QPushButton* ORX_CM_TX_INT_Right = nullptr;
    QListWidget* LB_Combo = nullptr;
    QScrollBar* VS_Spin = nullptr;
    QLineEdit* EF_Text = nullptr;
    QCheckBox* CK_Selected = nullptr;
    QFrame* SH_Focus = nullptr;
    QLabel* SF_Caption = nullptr;

    // The properties' state; every default comes from the property table.
    int template_{};
    QVariant text_{};
    QVariant lastText_{};
    QVariant rawText_{};
    QVariant boundText_{};
    QString formattedText_{};
    QString layout_{};
    int characters_{};
    QString characterTable_{};
    QString nullText_{};
    QString minValue_{}, maxValue_{};
    bool errorFlag_{};
    bool modified_{};
    bool hasFocus_{};
    bool blanked_{};

    int alignment_{};
    bool allowNothing_{};
    bool allowPaste_{};
    BorderProperties border_{};
    host::OleColor backColor_{};
    host::OleColor foreColor_{};
    host::OleColor focusRectColor_{};
    host::StdFont font_{};
    int capAlignment_{};
    QString caption_{};
    float capWidth_{};
    bool checkBoxEnabled_{};
    bool checkBoxValue_{};
    bool checkBoxVisible_{};
    bool comboButtonEnabled_{};
    bool comboButtonVisible_{};
    float comboRows_{};
    int comboType_{};
    QString currencyDisplayCapt_{};
    QString dataIndex_{}, dataName_{};
    float designHeight_{}, designWidth_{};
    bool enabled_{};
    bool errorBeep_{};
    QString errorDesc_{};
    QString errorMess_{};
    QString errOutOfRangeMess_{};
    bool handleCurrencyChanges_{};
    bool ifErrMess_{};
    bool ifErrUndo_{};
    int lockSize_{};
    QImage mouseIcon_{};
    int mousePointer_{};
    QString passwordChar_{};
    bool raiseCBClickOnCKTrue_{};
    bool showFocusRect_{};
    bool showSymbolCurrency_{};
    QString selCurrency_{};
    bool selTextAuto_{};
    bool spinButtons_{};
    int spinDateType_{};
    int spinTimeType_{};
    double spinValue_{};
    QString tagMore_{};
    bool unique_{};
    bool useDefaultCurrency_{};
    bool useNullValueDefault_{};

    // What the control is doing, and what each phase allows:
    //   Showing  the display label shows the committed value; a pick-only
    //            list or a blanked box keeps the focus on the control itself.
    //   Editing  the edit field holds the value and Text holds the user's
    //            unchecked typing until the commit; LastText stays the value
    //            from before the edit, whatever reaches Text meanwhile.
    //   Loading  ReadProperties stores saved values; a check box toggled by
    //            the load is not a user's click.
    // Showing -> Editing: BeginEdit (run mode, not blanked) or unblanking
    // while focused. Editing -> Showing: leaveEditing after the commit, or
    // blanking. Loading lasts for ReadProperties and then gives back the
    // phase it interrupted.
    enum class Phase { Showing, Editing, Loading };
    Phase phase = Phase::Showing;
    bool editing() const { return phase == Phase::Editing; }

    // Guards against re-entry, each set only for the span of one action:
    //   inFocusChange_  a commit's message box moving the focus is not the
    //                   user leaving or entering the control again;
    //   SuppressChange  the control itself writes the edit field: no Change;
    //   SpinArmed       clear while the control recentres its spin bar;
    //   labelPressed_   a press on the label whose release arrives elsewhere;
    //   resizing_       the control is placing its widgets.
    bool inFocusChange_ = false;
    bool SuppressChange = false;
    bool SpinArmed = true;
    bool labelPressed_ = false;
    bool resizing_ = false;

    // Outcomes and memory of the commit, the check box and the currency.
    bool Reverted = false;  // the last commit restored or replaced the value
    bool CheckLinksBlank = true;
    bool CheckSavesText = true;
    QVariant SavedText;     // the value a ticked check box gives back
    QString DisplayCurrency;
    QString DefaultCurrencyName;
    QString StoredSelCurrency;
    QPointer<ORXCurrencies> currencies_;
    QString displayFailure_;  // why the last display conversion fell back
    QPointer<ORXList> ComboList;
    int maxLength_ = 0;  // the limit on typing; 0 none
};

}  // namespace orx::tools
