// Templates and the shown value: ApplyTemplate, RebuildLayouts,
// RefreshDisplay, and the raw and bound forms of the value.
#include "tools/textbox/ORXTextBox_p.h"

#include "platform/basic/BasicError.h"
#include "platform/basic/Clock.h"
#include "platform/basic/Convert.h"
#include "platform/basic/Numbers.h"
#include "platform/basic/Strings.h"
#include "platform/basic/Variant.h"
#include "platform/host/Extender.h"
#include "tools/textbox/InputRules.h"
#include "tools/textbox/LibraryState.h"

#include <QLabel>
#include <QLineEdit>

namespace orx::tools {

using namespace textbox;

QString ORXTextBox::Private::textValue() const
{
    if (basic::isNull(text_) || basic::isEmpty(text_))
        return QString();
    if (basic::isStringValue(text_))
        return text_.toString();
    return basic::cstr(text_);
}

void ORXTextBox::Private::writeEditField(const QString& text, bool suppress)
{
    const bool saved = SuppressChange;
    SuppressChange = suppress;
    EF_Text->setText(text);
    SuppressChange = saved;
}

// The limit holds the user's typing and pasting only, and the control keeps
// it itself: the edit field would cut whatever is written into it, and a
// value a program or a data source assigns must reach it whole.
void ORXTextBox::Private::applyMaxLength(int length)
{
    maxLength_ = length > 0 ? length : 0;
}

int ORXTextBox::Private::roomToType() const
{
    if (maxLength_ <= 0)
        return 32767;
    return maxLength_ - int(EF_Text->text().size() - EF_Text->selectedText().size());
}

void ORXTextBox::Private::ReadSeparators()
{
    textbox::ReadSeparators();
}

void ORXTextBox::Private::ApplyTemplate(bool relayout)
{
    const Separators& seps = sharedSeparators();
    const TemplateDefaults defaults = templateDefaults(template_, seps);
    layout_ = defaults.layout;
    const int length = defaults.fixedEditLength.value_or(maxLengthFromLayout(layout_, 0));
    applyMaxLength(length);
    characters_ = defaults.characters;
    characterTable_ = defaults.characterTable;
    alignment_ = defaults.alignment;
    applyAlignment();
    // A plain text box shows its own name.
    text_ = template_ == ORXTX_String ? q->extender()->name() : sampleText(template_, basic::Clock::now());
    if (defaults.spinDateType)
        spinDateType_ = defaults.spinDateType;
    if (defaults.spinTimeType)
        spinTimeType_ = defaults.spinTimeType;
    boundText_ = boundTextOf(template_, textValue());
    // The old value's error does not belong to the new one.
    errorFlag_ = false;

    writeEditField(textValue(), true);
    minValue_.clear();
    maxValue_.clear();
    nullText_ = defaults.nullText;
    updateSideButtons();
    if (relayout)
        placeWidgets();
    InitCurrencies();
    recomputeRawText();
    lastText_ = text_;
    modified_ = false;
    RefreshDisplay();
}

void ORXTextBox::Private::RebuildLayouts()
{
    ReadSeparators();
    if (isDateTemplate(template_) || isTimeTemplate(template_)) {
        const Separators& seps = sharedSeparators();
        characterTable_ = isTimeTemplate(template_) ? seps.time : seps.date;
        layout_ = templateLayout(template_, seps);
    }
}

void ORXTextBox::Private::recomputeRawText()
{
    rawText_ = rawTextOf(template_, textValue(), characterTable_);
}

void ORXTextBox::Private::recomputeBoundText()
{
    boundText_ = boundTextOf(template_, textValue());
}

void ORXTextBox::Private::RefreshDisplay()
{
    if (basic::isNull(text_)) {
        SF_Caption->setText(QString());
        return;
    }
    const QString value = textValue();
    if (!passwordChar_.isEmpty()) {
        SF_Caption->setText(QString(value.size(), passwordChar_.at(0)));
        formattedText_ = value;
    } else {
        SF_Caption->setText(errorFlag_                   ? errorDesc_
                            : template_ == tpl::Currency ? currencyDisplayText(value)
                                                         : displayText(template_, value, layout_, sharedSeparators()));
        formattedText_ = SF_Caption->text();
    }
    // A blanked control shows nothing, whatever its value.
    if (blanked_)
        SF_Caption->setText(QString());
    if (!errorFlag_) {
        recomputeRawText();
        recomputeBoundText();
    }
}

// ---- Properties ----------------------------------------------------------

void ORXTextBox::setTemplate(ORXTX_Template_Constants value)
{
    if (!d->passwordChar_.isEmpty() || !isValidTemplate(value))
        return;
    int t = value;
    // A bound field holds full dates only.
    if (!extender()->dataField().isEmpty() && t >= tpl::DayMonthYear && t <= tpl::YearMonth)
        t = tpl::DayMonthYear;
    d->template_ = t;
    d->ApplyTemplate(true);
    PropertyChanged(QStringLiteral("Template"));
}

void ORXTextBox::setLayout(const QString& pattern)
{
    if (!d->passwordChar_.isEmpty() || d->template_ == tpl::Currency || d->template_ >= tpl::DayMonthYear)
        return;
    d->layout_ = d->template_ == tpl::Percent ? percentLayout(pattern) : basic::trimSpaces(pattern);
    const int length = maxLengthFromLayout(d->layout_, MaxLength());
    d->applyMaxLength(length);
    d->RefreshDisplay();
    PropertyChanged(QStringLiteral("LayOut"));
}

void ORXTextBox::setFormattedText(const QString&)
{
    // Read-only: what the label shows follows from the value.
    d->refuseAtRunTime("FormattedText");
}

void ORXTextBox::setRawText(const QVariant& raw)
{
    if (!hasRawConversion(d->template_)) {
        d->refuseAtRunTime("RawText");
        d->rawText_ = raw;
        PropertyChanged(QStringLiteral("RawText"));
        return;
    }
    const std::optional<QString> text = textFromRaw(d->template_, basic::cdbl(raw));
    if (!text)
        basic::raiseError(basic::err::InvalidPropertyValue, QStringLiteral("ORXTextBox.RawText"));
    setText(*text);
    d->rawText_ = raw;
    PropertyChanged(QStringLiteral("RawText"));
}

QVariant ORXTextBox::BoundText() const
{
    // A data source takes the bare amount.
    if (d->template_ == tpl::Currency && basic::isStringValue(d->boundText_)) {
        const QString symbol = d->currencySymbol();
        if (!symbol.isEmpty())
            return QString(d->boundText_.toString()).remove(symbol);
    }
    return d->boundText_;
}

void ORXTextBox::setBoundText(const QVariant& value)
{
    if (!CanPropertyChange(QStringLiteral("BoundText")))
        return;
    d->boundText_ = value;
    QVariant text = value;
    if (d->template_ == tpl::Percent && !basic::isNull(value)) {
        const QString s = basic::isStringValue(value) ? value.toString() : basic::cstr(value);
        if (const std::optional<double> n = basic::parseNumber(s))
            text = basic::formatNumber(*n, d->layout_);
    }
    setText(text);
    PropertyChanged(QStringLiteral("BoundText"));
    extender()->setDataChanged(true);
}

// ---- Methods --------------------------------------------------------------

void ORXTextBox::Clear()
{
    setText(clearValue(d->template_, basic::Clock::now()));
}

int ORXTextBox::GetRawDate(int Format, const QString& Value) const
{
    if (!isFullDateTemplate(Format))
        return 0;
    const QString expanded = expandDate(Value, Format, sharedSeparators().date);
    if (!isValidDate(expanded, Format))
        return 0;
    return int(dayNumber(dateInOrder(expanded, Format)));
}

void ORXTextBox::LetDate(int Format, const QString& Value)
{
    if (!isFullDateTemplate(d->template_) || !isFullDateTemplate(Format))
        return;
    const QString expanded = expandDate(Value, Format, sharedSeparators().date);
    if (!isValidDate(expanded, Format))
        return;
    setText(internalDate(dateInOrder(expanded, Format), d->template_));
}

void ORXTextBox::SystemSettingRefresh()
{
    d->RebuildLayouts();
    d->RefreshDisplay();
}

}  // namespace orx::tools
