// Committing a value: TransformInput, the validity and range checks, the
// messages, the Invalid and OutOfRange events, undo and the error state.
#include "tools/textbox/ORXTextBox_p.h"

#include "platform/basic/Clock.h"
#include "platform/basic/Convert.h"
#include "platform/basic/Numbers.h"
#include "platform/basic/Strings.h"
#include "platform/basic/Variant.h"
#include "platform/host/Extender.h"
#include "platform/host/Services.h"
#include "tools/textbox/InputRules.h"
#include "tools/textbox/KeyFilter.h"
#include "tools/textbox/LibraryState.h"

#include <QLabel>
#include <QLineEdit>

namespace orx::tools {

using namespace textbox;

namespace {

// Message lines: the platform's line break stands for the carriage return.
const QString kTwoLines = QStringLiteral("\n\n");

// Keeps the digits, the decimal separator and "-" of a formatted amount.
QString digitsOnly(const QString& shown, const QString& decimal)
{
    QString out;
    for (qsizetype i = 0; i < shown.size(); ++i) {
        const QChar c = shown.at(i);
        if ((c >= QLatin1Char('0') && c <= QLatin1Char('9')) || c == QLatin1Char('-'))
            out += c;
        else if (!decimal.isEmpty() && shown.mid(i, decimal.size()) == decimal)
            out += decimal;
    }
    return out;
}

class SuppressScope {
public:
    explicit SuppressScope(bool& flag)
        : flag_(flag), saved_(flag)
    {
        flag_ = true;
    }
    ~SuppressScope() { flag_ = saved_; }

private:
    bool& flag_;
    bool saved_;
};

}  // namespace

QString ORXTextBox::textOf(const QVariant& v)
{
    if (basic::isNull(v) || basic::isEmpty(v) || basic::isMissing(v))
        return QString();
    return basic::isStringValue(v) ? v.toString() : basic::cstr(v);
}

bool ORXTextBox::sameValue(const QVariant& a, const QVariant& b)
{
    if (basic::isNull(a) || basic::isNull(b))
        return basic::isNull(a) && basic::isNull(b);
    return textOf(a) == textOf(b);
}

// ---- Text and the commit -----------------------------------------------------

void ORXTextBox::setText(const QVariant& value)
{
    if (!CanPropertyChange(QStringLiteral("Text")))
        return;
    // While the user edits, Text holds unchecked typing: the value to go back
    // to stays the one from before the edit began.
    if (!d->editing_)
        d->lastText_ = d->text_;
    d->Reverted = false;
    d->text_ = basic::isEmpty(value) ? QVariant(QString()) : value;
    CommitText();
    // Written without SuppressChange: a changed field raises Change.
    writeEditField(textValue(), false);
    PropertyChanged(QStringLiteral("Text"));
    PropertyChanged(QStringLiteral("BoundText"));
}

void ORXTextBox::CommitText()
{
    d->text_ = TransformInput(d->text_, d->lastText_, true);
    if ((!d->minValue_.isEmpty() || !d->maxValue_.isEmpty() || !d->allowNothing_) && !d->errorFlag_ && CheckRange(textValue())) {
        if (d->errorBeep_)
            host::Beep();
        if (d->ifErrMess_)
            host::MsgBox(d->errOutOfRangeMess_ + kTwoLines + d->minValue_ + kTwoLines + d->maxValue_, host::mb::Critical);
        if (d->ifErrUndo_) {
            SuppressScope suppress(d->SuppressChange);
            d->text_ = d->lastText_;
            d->errorFlag_ = false;
            d->Reverted = true;
        } else {
            QVariant copy = d->text_;
            Q_EMIT OutOfRange(copy, d->lastText_, d->minValue_, d->maxValue_);
            if (!CheckRange(textOf(copy)) && !sameValue(copy, d->text_)) {
                SuppressScope suppress(d->SuppressChange);
                d->text_ = textOf(copy);
                d->Reverted = true;
            }
        }
    }
    RefreshDisplay();
    if (!d->errorFlag_ && !extender()->dataField().isEmpty() && !sameValue(d->lastText_, d->text_))
        extender()->setDataChanged(true);
}

bool ORXTextBox::CheckRange(const QString& value)
{
    d->errorFlag_ = isOutOfRange(d->template_, value, d->minValue_, d->maxValue_, basic::Clock::today().year(),
                              sharedSeparators().decimal);
    return d->errorFlag_;
}

// The common error path: IsValidValue, and when it fails the message, the
// undo or the Invalid event with its second check.
ORXTextBox::Outcome ORXTextBox::validate(QString& value, const QString& last, const QVariant& lastVariant,
                                         bool interactive)
{
    d->errorFlag_ = false;
    const Validity first = isValidValue(d->template_, value, d->allowNothing_);
    if (first.valid) {
        value = first.value;
        return Outcome::Valid;
    }
    d->errorFlag_ = true;
    if (!interactive) {
        value = last;
        d->errorFlag_ = false;
        return Outcome::Restored;
    }
    if (d->errorBeep_)
        host::Beep();
    if (d->ifErrMess_)
        host::MsgBox(d->errorMess_ + kTwoLines + value, host::mb::Critical);
    if (d->ifErrUndo_) {
        value = last;
        d->errorFlag_ = false;
        d->Reverted = true;
        return Outcome::Restored;
    }
    QVariant handled = value;
    Q_EMIT Invalid(handled, lastVariant);
    QString fixed = textOf(handled);
    if (d->template_ == tpl::Percent)
        fixed.remove(QLatin1Char('%'));
    const Validity second = isValidValue(d->template_, fixed, d->allowNothing_);
    d->errorFlag_ = !second.valid;
    if (!second.valid) {
        value = d->template_ == tpl::Percent ? fixed + QLatin1Char('%') : fixed;
        return Outcome::Invalid;
    }
    if (second.value != value)
        d->Reverted = true;
    value = second.value;
    return Outcome::Valid;
}

QVariant ORXTextBox::TransformInput(const QVariant& value, const QVariant& last, bool interactive)
{
    if (basic::isNull(value))
        return value;
    SuppressScope suppress(d->SuppressChange);
    const Separators& seps = sharedSeparators();
    const QString lastText = textOf(last);
    QString r = textOf(value);
    switch (d->template_) {
    case tpl::String: {
        if (validate(r, lastText, last, interactive) == Outcome::Valid && (d->characters_ & kb::Set_UFirst))
            r = properCase(r);
        return r;
    }
    case tpl::Numeric:
    case tpl::Currency: {
        r = basic::trimSpaces(r);
        const Outcome o = validate(r, lastText, last, interactive);
        if (d->template_ == tpl::Currency && o == Outcome::Valid && !d->errorFlag_ && !d->Reverted) {
            // Through the layout and back: the amount gets the currency's
            // decimals, and an amount left empty is nothing, 0.
            if (const std::optional<double> n = basic::parseNumber(r))
                r = digitsOnly(basic::formatNumber(*n, d->layout_), seps.decimal);
            if (r.isEmpty())
                r = QStringLiteral("0");
        }
        return r;
    }
    case tpl::Percent: {
        r = basic::trimSpaces(r);
        r.remove(QLatin1Char('%'));
        const int max = MaxLength();
        if (max >= 1)
            r = r.left(max - 1);
        if (validate(r, lastText, last, interactive) == Outcome::Valid)
            r = storedForm(d->template_, r);
        return r;
    }
    case tpl::DayMonthYear:
    case tpl::MonthDayYear:
    case tpl::YearMonthDay:
        r = expandDate(r, d->template_, seps.date);
        validate(r, lastText, last, interactive);
        return r;
    case tpl::DayMonth:
    case tpl::MonthDay: return transformDayMonth(r, lastText);
    case tpl::MonthYear:
    case tpl::YearMonth:
        r = expandMonthYear(r, d->template_, seps.date);
        validate(r, lastText, last, interactive);
        return r;
    default:
        r = expandTime(r, d->template_, seps.time, basic::Clock::now().time());
        if (validate(r, lastText, last, interactive) == Outcome::Valid)
            r = storedForm(d->template_, r);
        return r;
    }
}

// Day-Month and Month-Day report a bad value themselves and never leave the
// control in error: the value is restored or emptied.
QString ORXTextBox::transformDayMonth(const QString& value, const QString& last)
{
    // This path stands for the validity check, which starts from a clear
    // error state; a flag left from an earlier range error would otherwise
    // skip the range check of this value.
    d->errorFlag_ = false;
    const QString r = expandDayMonth(value, sharedSeparators().date);
    if (r.isEmpty() && d->allowNothing_)
        return r;
    if (const std::optional<QString> valid = validDayMonth(r, d->template_, basic::Clock::today().year()))
        return *valid;
    if (d->errorBeep_)
        host::Beep();
    if (d->ifErrMess_)
        host::MsgBox(d->errorMess_ + kTwoLines + r, host::mb::Critical);
    if (d->ifErrUndo_) {
        d->Reverted = true;
        return last;
    }
    return QString();
}

// ---- Properties ----------------------------------------------------------------

void ORXTextBox::setMinValue(const QString& limit)
{
    d->minValue_ = usableLimit(d->template_, limit, basic::Clock::today().year());
    PropertyChanged(QStringLiteral("MinValue"));
}

void ORXTextBox::setMaxValue(const QString& limit)
{
    d->maxValue_ = usableLimit(d->template_, limit, basic::Clock::today().year());
    PropertyChanged(QStringLiteral("MaxValue"));
}

void ORXTextBox::setErrorFlag(bool on)
{
    d->errorFlag_ = on;
    RefreshDisplay();
    PropertyChanged(QStringLiteral("ErrorFlag"));
}

void ORXTextBox::setErrorDesc(const QString& text)
{
    if (d->errorFlag_ && d->SF_Caption->text() == d->errorDesc_)
        d->SF_Caption->setText(text);
    d->errorDesc_ = text;
    PropertyChanged(QStringLiteral("ErrorDesc"));
}

void ORXTextBox::setNullText(const QString& text)
{
    // Checked as quiet input against the template's own null text; the
    // control's error state is not the null text's business.
    const bool savedError = d->errorFlag_;
    const bool savedReverted = d->Reverted;
    const QString fallback = templateDefaults(d->template_, sharedSeparators()).nullText;
    d->nullText_ = textOf(TransformInput(text, fallback, false));
    d->errorFlag_ = savedError;
    d->Reverted = savedReverted;
    PropertyChanged(QStringLiteral("NullText"));
}

}  // namespace orx::tools
