// Blanking and the check box, the drop-down and spin properties, the side
// buttons. Opening the list, the spin steps and the currency buttons act
// through these properties.
#include "tools/textbox/ORXTextBox.h"

#include "platform/basic/BasicError.h"
#include "platform/basic/Clock.h"
#include "platform/basic/Dates.h"
#include "platform/basic/Variant.h"
#include "platform/basic/Numbers.h"
#include "platform/basic/Strings.h"
#include "platform/host/Services.h"
#include "tools/currency/ORXList.h"
#include "tools/textbox/InputRules.h"
#include "tools/textbox/LibraryState.h"
#include "tools/textbox/SideButtonIcons.h"
#include "tools/textbox/SpinRules.h"
#include "tools/textbox/Templates.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>

namespace orx::tools {

using namespace textbox;

namespace {
const char* const kCheckTag = "orxTag";
}  // namespace

void ORXTextBox::updateSideButtons()
{
    if (template_ != tpl::Currency)
        handleCurrencyChanges_ = false;
    ORX_CM_TX_INT_Left->setVisible(handleCurrencyChanges_ && !blanked_);
    ORX_CM_TX_INT_Right->setVisible((comboButtonVisible_ || handleCurrencyChanges_) && !(blanked_ && handleCurrencyChanges_));
    ORX_CM_TX_INT_Right->setEnabled(comboButtonEnabled_);
    if (handleCurrencyChanges_) {
        ORX_CM_TX_INT_Left->setIcon(sideButtonIcon(501));
        ORX_CM_TX_INT_Right->setIcon(sideButtonIcon(502));
        ORX_CM_TX_INT_Left->setToolTip(selCurrency_);
        ORX_CM_TX_INT_Right->setToolTip(DisplayCurrency.isEmpty() ? selCurrency_ : DisplayCurrency);
    }
    if (comboButtonVisible_) {
        ORX_CM_TX_INT_Right->setIcon(sideButtonIcon(503));
        ORX_CM_TX_INT_Right->setToolTip(QString());
    }
    if (template_ == tpl::String)
        spinButtons_ = false;
    VS_Spin->setVisible(spinButtons_);
}

void ORXTextBox::centreSpinBar()
{
    SpinArmed = false;
    VS_Spin->setValue(kSpinCentre);
    VS_Spin->setProperty(kCheckTag, kSpinCentre);
    SpinArmed = true;
}

// ---- Blanking and the check box ---------------------------------------------

void ORXTextBox::setBlanked(bool on)
{
    blanked_ = on;
    CheckLinksBlank = false;
    CheckSavesText = false;
    if (on) {
        SF_Caption->setText(QString());
        SF_Caption->show();
        EF_Text->hide();
        editing_ = false;
        if (checkBoxVisible_)
            CK_Selected->setChecked(false);
        setComboButtonEnabled(false);
    } else {
        if (hasFocus_) {
            SF_Caption->hide();
            EF_Text->show();
            editing_ = true;
        } else {
            CommitText();
            SF_Caption->show();
        }
        if (checkBoxVisible_)
            CK_Selected->setChecked(true);
        setComboButtonEnabled(true);
        RefreshDisplay();
    }
    updateSideButtons();
    placeWidgets();
    CheckLinksBlank = true;
    CheckSavesText = true;
    PropertyChanged(QStringLiteral("Blanked"));
}

void ORXTextBox::applyCheckBoxClick()
{
    if (Loading)
        return;
    if (CK_Selected->isChecked()) {
        if (CheckSavesText && runMode() && !basic::isNull(SavedText))
            setText(SavedText);
        if (CheckLinksBlank)
            setBlanked(false);
        if (hasFocus_) {
            host::giveFocus(EF_Text);
            if (selTextAuto_)
                MarkSelected();
        }
        checkBoxValue_ = true;
    } else {
        if (CheckSavesText && runMode()) {
            SavedText = text_;
            setText(useNullValueDefault_ ? basic::nullVariant() : QVariant(nullText_));
        }
        if (CheckLinksBlank)
            setBlanked(true);
        checkBoxValue_ = false;
    }
    Q_EMIT CheckBoxClick(checkBoxValue_);
    // Only a tick by hand opens the list; a program's CheckBoxValue tags it.
    if (CK_Selected->property(kCheckTag).toString().isEmpty() && raiseCBClickOnCKTrue_ && comboButtonVisible_
        && comboButtonEnabled_ && checkBoxValue_)
        OpenList();
}

// While it has the focus the check box stands out in the highlight colour.
bool ORXTextBox::checkBoxFocusEvent(QEvent* event)
{
    if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut) {
        QPalette p = CK_Selected->palette();
        const host::OleColor colour = event->type() == QEvent::FocusIn ? host::OleColor{host::syscolor::Highlight}
                                                                       : backColor_;
        p.setColor(QPalette::Window, host::resolveColor(colour));
        CK_Selected->setPalette(p);
    }
    return false;
}

void ORXTextBox::setCheckBoxValue(bool on)
{
    CheckSavesText = false;
    CK_Selected->setProperty(kCheckTag, QStringLiteral("CODE"));
    if (checkBoxVisible_) {
        checkBoxValue_ = on;
        CK_Selected->setChecked(on);
    }
    placeWidgets();
    CheckSavesText = true;
    CK_Selected->setProperty(kCheckTag, QString());
    PropertyChanged(QStringLiteral("CheckBoxValue"));
}

void ORXTextBox::setCheckBoxVisible(bool on)
{
    checkBoxVisible_ = on;
    if (on) {
        handleCurrencyChanges_ = false;
        allowNothing_ = true;
    }
    CK_Selected->setVisible(on);
    updateSideButtons();
    placeWidgets();
    PropertyChanged(QStringLiteral("CheckBoxVisible"));
}

void ORXTextBox::setCheckBoxEnabled(bool on)
{
    checkBoxEnabled_ = on;
    CK_Selected->setEnabled(on);
    setComboButtonEnabled(on);
    PropertyChanged(QStringLiteral("CheckBoxEnabled"));
}

// ---- Drop-down ---------------------------------------------------------------

void ORXTextBox::setComboButtonEnabled(bool on)
{
    if (on && (blanked_ || !checkBoxEnabled_))
        return;
    comboButtonEnabled_ = on;
    ORX_CM_TX_INT_Right->setEnabled(on);
    PropertyChanged(QStringLiteral("ComboButtonEnabled"));
}

void ORXTextBox::setComboButtonVisible(bool on)
{
    comboButtonVisible_ = on;
    if (on) {
        spinButtons_ = false;
        handleCurrencyChanges_ = false;
    }
    updateSideButtons();
    placeWidgets();
    PropertyChanged(QStringLiteral("ComboButtonVisible"));
}

void ORXTextBox::setComboIndex(int index)
{
    ORXList* list = comboList();
    list->setListIndex(index < 0 ? -index : index);
    const int at = list->ListIndex();
    setText(list->List(at));
    if (index < 0)
        Q_EMIT ComboSelected(list->List(at), list->ListKey(at), at);
    PropertyChanged(QStringLiteral("ComboIndex"));
}

void ORXTextBox::setComboKey(const QVariant& key)
{
    setComboIndex(comboList()->ListIndexByKey(key));
    PropertyChanged(QStringLiteral("ComboKey"));
}

void ORXTextBox::setComboType(ORXTX_ComboType_Constants value)
{
    comboType_ = value;
    if (value == ORXTX_List_Type) {
        // The first item is shown and also selected, so the key steps and
        // the list start from the item the user sees.
        if (ComboCount() > 0)
            comboList()->setListIndex(1);
        setText(ComboCount() > 0 ? comboList()->List(1) : QVariant(QString()));
        showFocusRect_ = true;
    }
    PropertyChanged(QStringLiteral("ComboType"));
}

void ORXTextBox::setHandleCurrencyChanges(bool on)
{
    handleCurrencyChanges_ = on;
    dropFeaturesBesideCurrency();  // TextBoxCurrency.cpp
    updateSideButtons();
    placeWidgets();
    PropertyChanged(QStringLiteral("HandleCurrencyChanges"));
}

// ---- Spin --------------------------------------------------------------------

void ORXTextBox::setSpinButtons(bool on)
{
    spinButtons_ = template_ != tpl::String && on;
    // On or off, a spinning template starts again from the middle.
    if (template_ != tpl::String)
        centreSpinBar();
    if (spinButtons_) {
        comboButtonVisible_ = false;
        handleCurrencyChanges_ = false;
    }
    updateSideButtons();
    placeWidgets();
    PropertyChanged(QStringLiteral("SpinButtons"));
}

void ORXTextBox::setSpinValue(double value)
{
    if (template_ != tpl::String)
        spinValue_ = value;
    PropertyChanged(QStringLiteral("SpinValue"));
}

void ORXTextBox::setSpinDateType(ORXTX_DateInc_Constants value)
{
    const bool dayMonth = template_ == tpl::DayMonth || template_ == tpl::MonthDay;
    const bool monthYear = template_ == tpl::MonthYear || template_ == tpl::YearMonth;
    if ((dayMonth && value == ORXTX_DI_Years) || (monthYear && (value == ORXTX_DI_Days || value == ORXTX_DI_Weeks)))
        return;
    spinDateType_ = value;
    PropertyChanged(QStringLiteral("SpinDateType"));
}

void ORXTextBox::setSpinTimeType(ORXTX_TimeInc_Constants value)
{
    if (template_ == tpl::HourMinute && value == ORXTX_TI_Seconds)
        return;
    spinTimeType_ = value;
    PropertyChanged(QStringLiteral("SpinTimeType"));
}

void ORXTextBox::DateIncrement(int TypeIncrement, double Value)
{
    if (!isDateTemplate(template_) || !basic::isStringValue(text_))
        return;
    // The value as a full date of a known order, with the parts it lacks.
    const int year = basic::Clock::today().year();
    // While the field is edited its text carries the regional separator.
    QString t = text_.toString();
    if (!sharedSeparators().date.isEmpty())
        t.replace(sharedSeparators().date, QStringLiteral("/"));
    const QString y = QStringLiteral("%1").arg(year, 4, 10, QLatin1Char('0'));
    QDate date;
    switch (template_) {
    case tpl::DayMonth: date = dateInOrder(t + QLatin1Char('/') + y, tpl::DayMonthYear); break;
    case tpl::MonthDay: date = dateInOrder(t + QLatin1Char('/') + y, tpl::MonthDayYear); break;
    case tpl::MonthYear: date = dateInOrder(QStringLiteral("01/") + t, tpl::DayMonthYear); break;
    case tpl::YearMonth: date = dateInOrder(t + QStringLiteral("/01"), tpl::YearMonthDay); break;
    default: date = dateInOrder(t, template_); break;
    }
    if (!date.isValid())
        return;
    static const char* const intervals[] = {"d", "ww", "m", "yyyy"};
    if (TypeIncrement >= ORXTX_DI_Days && TypeIncrement <= ORXTX_DI_Years) {
        try {
            date = basic::dateAdd(QLatin1String(intervals[TypeIncrement - 1]), Value, basic::wallClock(date)).date();
        } catch (const basic::BasicError&) {
            return;  // a step beyond the calendar changes nothing
        }
    }
    const QString stepped = internalDate(date, template_);
    const QString key = sortKey(template_, stepped, year);
    if ((!minValue_.isEmpty() && key < sortKey(template_, minValue_, year))
        || (!maxValue_.isEmpty() && key > sortKey(template_, maxValue_, year)))
        return;
    setText(stepped);
}

void ORXTextBox::TimeIncrement(int TypeIncrement, double Value)
{
    if (!isTimeTemplate(template_))
        return;
    QString typed = textValue();
    if (!sharedSeparators().time.isEmpty())
        typed.replace(sharedSeparators().time, QStringLiteral(":"));
    const std::optional<QDateTime> now = basic::parseDate(typed);
    if (!now)
        return;
    static const int unit[] = {1, 60, 3600};
    QTime t = now->time();
    if (TypeIncrement >= ORXTX_TI_Seconds && TypeIncrement <= ORXTX_TI_Hours)
        t = t.addSecs(qint64(basic::roundHalfEven(Value)) * unit[TypeIncrement - 1]);  // wraps at midnight
    const QString stepped = internalTime(t, template_);
    if ((!minValue_.isEmpty() && basic::compareBinary(stepped, minValue_) < 0)
        || (!maxValue_.isEmpty() && basic::compareBinary(stepped, maxValue_) > 0))
        return;
    setText(stepped);
}

}  // namespace orx::tools
