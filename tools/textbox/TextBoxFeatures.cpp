// Blanking and the check box, the drop-down and spin properties, the side
// buttons. Opening the list, the spin steps and the currency buttons act
// through these properties.
#include "tools/textbox/ORXTextBox_p.h"

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

void ORXTextBox::Private::updateSideButtons()
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

void ORXTextBox::Private::centreSpinBar()
{
    SpinArmed = false;
    VS_Spin->setValue(kSpinCentre);
    VS_Spin->setProperty(kCheckTag, kSpinCentre);
    SpinArmed = true;
}

// ---- Blanking and the check box ---------------------------------------------

void ORXTextBox::setBlanked(bool on)
{
    d->blanked_ = on;
    d->CheckLinksBlank = false;
    d->CheckSavesText = false;
    if (on) {
        d->SF_Caption->setText(QString());
        d->SF_Caption->show();
        d->EF_Text->hide();
        d->phase = Private::Phase::Showing;
        if (d->checkBoxVisible_)
            d->CK_Selected->setChecked(false);
        setComboButtonEnabled(false);
    } else {
        if (d->hasFocus_) {
            d->SF_Caption->hide();
            d->EF_Text->show();
            d->phase = Private::Phase::Editing;
        } else {
            d->CommitText();
            d->SF_Caption->show();
        }
        if (d->checkBoxVisible_)
            d->CK_Selected->setChecked(true);
        setComboButtonEnabled(true);
        d->RefreshDisplay();
    }
    d->updateSideButtons();
    d->placeWidgets();
    d->CheckLinksBlank = true;
    d->CheckSavesText = true;
    PropertyChanged(QStringLiteral("Blanked"));
}

void ORXTextBox::Private::applyCheckBoxClick()
{
    if (phase == Phase::Loading)
        return;
    if (CK_Selected->isChecked()) {
        if (CheckSavesText && runMode() && !basic::isNull(SavedText))
            q->setText(SavedText);
        if (CheckLinksBlank)
            q->setBlanked(false);
        if (hasFocus_) {
            host::giveFocus(EF_Text);
            if (selTextAuto_)
                q->MarkSelected();
        }
        checkBoxValue_ = true;
    } else {
        if (CheckSavesText && runMode()) {
            SavedText = text_;
            q->setText(useNullValueDefault_ ? basic::nullVariant() : QVariant(nullText_));
        }
        if (CheckLinksBlank)
            q->setBlanked(true);
        checkBoxValue_ = false;
    }
    Q_EMIT q->CheckBoxClick(checkBoxValue_);
    // Only a tick by hand opens the list; a program's CheckBoxValue tags it.
    if (CK_Selected->property(kCheckTag).toString().isEmpty() && raiseCBClickOnCKTrue_ && comboButtonVisible_
        && comboButtonEnabled_ && checkBoxValue_)
        OpenList();
}

// While it has the focus the check box stands out in the highlight colour.
bool ORXTextBox::Private::checkBoxFocusEvent(QEvent* event)
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
    d->CheckSavesText = false;
    d->CK_Selected->setProperty(kCheckTag, QStringLiteral("CODE"));
    if (d->checkBoxVisible_) {
        d->checkBoxValue_ = on;
        d->CK_Selected->setChecked(on);
    }
    d->placeWidgets();
    d->CheckSavesText = true;
    d->CK_Selected->setProperty(kCheckTag, QString());
    PropertyChanged(QStringLiteral("CheckBoxValue"));
}

void ORXTextBox::setCheckBoxVisible(bool on)
{
    d->checkBoxVisible_ = on;
    if (on) {
        d->handleCurrencyChanges_ = false;
        d->allowNothing_ = true;
    }
    d->CK_Selected->setVisible(on);
    d->updateSideButtons();
    d->placeWidgets();
    PropertyChanged(QStringLiteral("CheckBoxVisible"));
}

void ORXTextBox::setCheckBoxEnabled(bool on)
{
    d->checkBoxEnabled_ = on;
    d->CK_Selected->setEnabled(on);
    setComboButtonEnabled(on);
    PropertyChanged(QStringLiteral("CheckBoxEnabled"));
}

// ---- Drop-down ---------------------------------------------------------------

void ORXTextBox::setComboButtonEnabled(bool on)
{
    if (on && (d->blanked_ || !d->checkBoxEnabled_))
        return;
    d->comboButtonEnabled_ = on;
    d->ORX_CM_TX_INT_Right->setEnabled(on);
    PropertyChanged(QStringLiteral("ComboButtonEnabled"));
}

void ORXTextBox::setComboButtonVisible(bool on)
{
    d->comboButtonVisible_ = on;
    if (on) {
        d->spinButtons_ = false;
        d->handleCurrencyChanges_ = false;
    }
    d->updateSideButtons();
    d->placeWidgets();
    PropertyChanged(QStringLiteral("ComboButtonVisible"));
}

void ORXTextBox::setComboIndex(int index)
{
    ORXList* list = d->comboList();
    list->setListIndex(index < 0 ? -index : index);
    const int at = list->ListIndex();
    setText(list->List(at));
    if (index < 0)
        Q_EMIT ComboSelected(list->List(at), list->ListKey(at), at);
    PropertyChanged(QStringLiteral("ComboIndex"));
}

void ORXTextBox::setComboKey(const QVariant& key)
{
    setComboIndex(d->comboList()->ListIndexByKey(key));
    PropertyChanged(QStringLiteral("ComboKey"));
}

void ORXTextBox::setComboType(ORXTX_ComboType_Constants value)
{
    d->comboType_ = value;
    if (value == ORXTX_List_Type) {
        // The first item is shown and also selected, so the key steps and
        // the list start from the item the user sees.
        if (ComboCount() > 0)
            d->comboList()->setListIndex(1);
        setText(ComboCount() > 0 ? d->comboList()->List(1) : QVariant(QString()));
        d->showFocusRect_ = true;
    }
    PropertyChanged(QStringLiteral("ComboType"));
}

void ORXTextBox::setHandleCurrencyChanges(bool on)
{
    d->handleCurrencyChanges_ = on;
    d->dropFeaturesBesideCurrency();  // TextBoxCurrency.cpp
    d->updateSideButtons();
    d->placeWidgets();
    PropertyChanged(QStringLiteral("HandleCurrencyChanges"));
}

// ---- Spin --------------------------------------------------------------------

void ORXTextBox::setSpinButtons(bool on)
{
    d->spinButtons_ = d->template_ != tpl::String && on;
    // On or off, a spinning template starts again from the middle.
    if (d->template_ != tpl::String)
        d->centreSpinBar();
    if (d->spinButtons_) {
        d->comboButtonVisible_ = false;
        d->handleCurrencyChanges_ = false;
    }
    d->updateSideButtons();
    d->placeWidgets();
    PropertyChanged(QStringLiteral("SpinButtons"));
}

void ORXTextBox::setSpinValue(double value)
{
    if (d->template_ != tpl::String)
        d->spinValue_ = value;
    PropertyChanged(QStringLiteral("SpinValue"));
}

void ORXTextBox::setSpinDateType(ORXTX_DateInc_Constants value)
{
    const bool dayMonth = d->template_ == tpl::DayMonth || d->template_ == tpl::MonthDay;
    const bool monthYear = d->template_ == tpl::MonthYear || d->template_ == tpl::YearMonth;
    if ((dayMonth && value == ORXTX_DI_Years) || (monthYear && (value == ORXTX_DI_Days || value == ORXTX_DI_Weeks)))
        return;
    d->spinDateType_ = value;
    PropertyChanged(QStringLiteral("SpinDateType"));
}

void ORXTextBox::setSpinTimeType(ORXTX_TimeInc_Constants value)
{
    if (d->template_ == tpl::HourMinute && value == ORXTX_TI_Seconds)
        return;
    d->spinTimeType_ = value;
    PropertyChanged(QStringLiteral("SpinTimeType"));
}

void ORXTextBox::DateIncrement(int TypeIncrement, double Value)
{
    if (!isDateTemplate(d->template_) || !basic::isStringValue(d->text_))
        return;
    // The value as a full date of a known order, with the parts it lacks.
    const int year = basic::Clock::today().year();
    // While the field is edited its text carries the regional separator.
    QString t = d->text_.toString();
    if (!sharedSeparators().date.isEmpty())
        t.replace(sharedSeparators().date, QStringLiteral("/"));
    const QString y = QStringLiteral("%1").arg(year, 4, 10, QLatin1Char('0'));
    QDate date;
    switch (d->template_) {
    case tpl::DayMonth: date = dateInOrder(t + QLatin1Char('/') + y, tpl::DayMonthYear); break;
    case tpl::MonthDay: date = dateInOrder(t + QLatin1Char('/') + y, tpl::MonthDayYear); break;
    case tpl::MonthYear: date = dateInOrder(QStringLiteral("01/") + t, tpl::DayMonthYear); break;
    case tpl::YearMonth: date = dateInOrder(t + QStringLiteral("/01"), tpl::YearMonthDay); break;
    default: date = dateInOrder(t, d->template_); break;
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
    const QString stepped = internalDate(date, d->template_);
    const QString key = sortKey(d->template_, stepped, year);
    if ((!d->minValue_.isEmpty() && key < sortKey(d->template_, d->minValue_, year))
        || (!d->maxValue_.isEmpty() && key > sortKey(d->template_, d->maxValue_, year)))
        return;
    setText(stepped);
}

void ORXTextBox::TimeIncrement(int TypeIncrement, double Value)
{
    if (!isTimeTemplate(d->template_))
        return;
    QString typed = d->textValue();
    if (!sharedSeparators().time.isEmpty())
        typed.replace(sharedSeparators().time, QStringLiteral(":"));
    const std::optional<QDateTime> now = basic::parseDate(typed);
    if (!now)
        return;
    static const int unit[] = {1, 60, 3600};
    QTime t = now->time();
    if (TypeIncrement >= ORXTX_TI_Seconds && TypeIncrement <= ORXTX_TI_Hours)
        t = t.addSecs(qint64(basic::roundHalfEven(Value)) * unit[TypeIncrement - 1]);  // wraps at midnight
    const QString stepped = internalTime(t, d->template_);
    if ((!d->minValue_.isEmpty() && basic::compareBinary(stepped, d->minValue_) < 0)
        || (!d->maxValue_.isEmpty() && basic::compareBinary(stepped, d->maxValue_) > 0))
        return;
    setText(stepped);
}

}  // namespace orx::tools
