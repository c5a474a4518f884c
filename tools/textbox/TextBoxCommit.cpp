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

QString ORXTextBox::Private::textOf(const QVariant& v)
{
    if (basic::isNull(v) || basic::isEmpty(v) || basic::isMissing(v))
        return QString();
    return basic::isStringValue(v) ? v.toString() : basic::cstr(v);
}

bool ORXTextBox::Private::sameValue(const QVariant& a, const QVariant& b)
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
    if (!d->editing())
        d->lastText_ = d->text_;
    d->Reverted = false;
    d->text_ = basic::isEmpty(value) ? QVariant(QString()) : value;
    d->CommitText();
    // Written without SuppressChange: a changed field raises Change.
    d->writeEditField(d->textValue(), false);
    PropertyChanged(QStringLiteral("Text"));
    PropertyChanged(QStringLiteral("BoundText"));
}

void ORXTextBox::Private::CommitText()
{
    text_ = TransformInput(text_, lastText_, true);
    if ((!minValue_.isEmpty() || !maxValue_.isEmpty() || !allowNothing_) && !errorFlag_ && CheckRange(textValue())) {
        if (errorBeep_)
            host::Beep();
        if (ifErrMess_)
            host::MsgBox(errOutOfRangeMess_ + kTwoLines + minValue_ + kTwoLines + maxValue_, host::mb::Critical);
        if (ifErrUndo_) {
            SuppressScope suppress(SuppressChange);
            text_ = lastText_;
            errorFlag_ = false;
            Reverted = true;
        } else {
            QVariant copy = text_;
            Q_EMIT q->OutOfRange(copy, lastText_, minValue_, maxValue_);
            if (!CheckRange(textOf(copy)) && !sameValue(copy, text_)) {
                SuppressScope suppress(SuppressChange);
                text_ = textOf(copy);
                Reverted = true;
            }
        }
    }
    RefreshDisplay();
    if (!errorFlag_ && !q->extender()->dataField().isEmpty() && !sameValue(lastText_, text_))
        q->extender()->setDataChanged(true);
}

bool ORXTextBox::Private::CheckRange(const QString& value)
{
    errorFlag_ = isOutOfRange(template_, value, minValue_, maxValue_, basic::Clock::today().year(),
                              sharedSeparators().decimal);
    return errorFlag_;
}

// The common error path: IsValidValue, and when it fails the message, the
// undo or the Invalid event with its second check.
ORXTextBox::Private::Outcome ORXTextBox::Private::validate(QString& value, const QString& last, const QVariant& lastVariant,
                                         bool interactive)
{
    errorFlag_ = false;
    const Validity first = isValidValue(template_, value, allowNothing_);
    if (first.valid) {
        value = first.value;
        return Outcome::Valid;
    }
    errorFlag_ = true;
    if (!interactive) {
        value = last;
        errorFlag_ = false;
        return Outcome::Restored;
    }
    if (errorBeep_)
        host::Beep();
    if (ifErrMess_)
        host::MsgBox(errorMess_ + kTwoLines + value, host::mb::Critical);
    if (ifErrUndo_) {
        value = last;
        errorFlag_ = false;
        Reverted = true;
        return Outcome::Restored;
    }
    QVariant handled = value;
    Q_EMIT q->Invalid(handled, lastVariant);
    QString fixed = textOf(handled);
    if (template_ == tpl::Percent)
        fixed.remove(QLatin1Char('%'));
    const Validity second = isValidValue(template_, fixed, allowNothing_);
    errorFlag_ = !second.valid;
    if (!second.valid) {
        value = template_ == tpl::Percent ? fixed + QLatin1Char('%') : fixed;
        return Outcome::Invalid;
    }
    if (second.value != value)
        Reverted = true;
    value = second.value;
    return Outcome::Valid;
}

QVariant ORXTextBox::Private::TransformInput(const QVariant& value, const QVariant& last, bool interactive)
{
    if (basic::isNull(value))
        return value;
    SuppressScope suppress(SuppressChange);
    const Separators& seps = sharedSeparators();
    const QString lastText = textOf(last);
    QString r = textOf(value);
    switch (template_) {
    case tpl::String: {
        if (validate(r, lastText, last, interactive) == Outcome::Valid && (characters_ & kb::Set_UFirst))
            r = properCase(r);
        return r;
    }
    case tpl::Numeric:
    case tpl::Currency: {
        r = basic::trimSpaces(r);
        const Outcome o = validate(r, lastText, last, interactive);
        if (template_ == tpl::Currency && o == Outcome::Valid && !errorFlag_ && !Reverted) {
            // Through the layout and back: the amount gets the currency's
            // decimals, and an amount left empty is nothing, 0.
            if (const std::optional<double> n = basic::parseNumber(r))
                r = digitsOnly(basic::formatNumber(*n, layout_), seps.decimal);
            if (r.isEmpty())
                r = QStringLiteral("0");
        }
        return r;
    }
    case tpl::Percent: {
        r = basic::trimSpaces(r);
        r.remove(QLatin1Char('%'));
        const int max = q->MaxLength();
        if (max >= 1)
            r = r.left(max - 1);
        if (validate(r, lastText, last, interactive) == Outcome::Valid)
            r = storedForm(template_, r);
        return r;
    }
    case tpl::DayMonthYear:
    case tpl::MonthDayYear:
    case tpl::YearMonthDay:
        r = expandDate(r, template_, seps.date);
        validate(r, lastText, last, interactive);
        return r;
    case tpl::DayMonth:
    case tpl::MonthDay: return transformDayMonth(r, lastText);
    case tpl::MonthYear:
    case tpl::YearMonth:
        r = expandMonthYear(r, template_, seps.date);
        validate(r, lastText, last, interactive);
        return r;
    default:
        r = expandTime(r, template_, seps.time, basic::Clock::now().time());
        if (validate(r, lastText, last, interactive) == Outcome::Valid)
            r = storedForm(template_, r);
        return r;
    }
}

// Day-Month and Month-Day report a bad value themselves: the value is
// restored or emptied. A box that may not be empty cannot take the emptied
// value; it keeps what was typed and is left in error, as the other
// templates leave a bad value they do not restore.
QString ORXTextBox::Private::transformDayMonth(const QString& value, const QString& last)
{
    // This path stands for the validity check, which starts from a clear
    // error state; a flag left from an earlier range error would otherwise
    // skip the range check of this value.
    errorFlag_ = false;
    const QString r = expandDayMonth(value, sharedSeparators().date);
    if (r.isEmpty() && allowNothing_)
        return r;
    if (const std::optional<QString> valid = validDayMonth(r, template_, basic::Clock::today().year()))
        return *valid;
    if (errorBeep_)
        host::Beep();
    if (ifErrMess_)
        host::MsgBox(errorMess_ + kTwoLines + r, host::mb::Critical);
    if (ifErrUndo_) {
        Reverted = true;
        return last;
    }
    if (!allowNothing_) {
        errorFlag_ = true;
        return r;
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
    d->RefreshDisplay();
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
    d->nullText_ = d->textOf(d->TransformInput(text, fallback, false));
    d->errorFlag_ = savedError;
    d->Reverted = savedReverted;
    PropertyChanged(QStringLiteral("NullText"));
}

}  // namespace orx::tools
