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

    // Internal state.
    bool SuppressChange = false;
    bool Reverted = false;
    bool Loading = false;
    bool CheckLinksBlank = true;
    bool CheckSavesText = true;
    QVariant SavedText;
    bool SpinArmed = true;
    QString DisplayCurrency;
    QString DefaultCurrencyName;
    QString StoredSelCurrency;
    QPointer<ORXCurrencies> currencies_;
    QString displayFailure_;  // why the last display conversion fell back
    QPointer<ORXList> ComboList;

    bool editing_ = false;
    int maxLength_ = 0;  // the limit on typing; 0 none
    bool labelPressed_ = false;
    bool inFocusChange_ = false;
    bool resizing_ = false;
};

}  // namespace orx::tools
