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

QString ORXTextBox::textValue() const
{
    if (basic::isNull(d->text_) || basic::isEmpty(d->text_))
        return QString();
    if (basic::isStringValue(d->text_))
        return d->text_.toString();
    return basic::cstr(d->text_);
}

void ORXTextBox::writeEditField(const QString& text, bool suppress)
{
    const bool saved = d->SuppressChange;
    d->SuppressChange = suppress;
    d->EF_Text->setText(text);
    d->SuppressChange = saved;
}

// The limit holds the user's typing and pasting only, and the control keeps
// it itself: the edit field would cut whatever is written into it, and a
// value a program or a data source assigns must reach it whole.
void ORXTextBox::applyMaxLength(int length)
{
    d->maxLength_ = length > 0 ? length : 0;
}

int ORXTextBox::roomToType() const
{
    if (d->maxLength_ <= 0)
        return 32767;
    return d->maxLength_ - int(d->EF_Text->text().size() - d->EF_Text->selectedText().size());
}

void ORXTextBox::ReadSeparators()
{
    textbox::ReadSeparators();
}

void ORXTextBox::ApplyTemplate(bool relayout)
{
    const Separators& seps = sharedSeparators();
    const TemplateDefaults defaults = templateDefaults(d->template_, seps);
    d->layout_ = defaults.layout;
    const int length = defaults.fixedEditLength.value_or(maxLengthFromLayout(d->layout_, 0));
    applyMaxLength(length);
    d->characters_ = defaults.characters;
    d->characterTable_ = defaults.characterTable;
    d->alignment_ = defaults.alignment;
    applyAlignment();
    // A plain text box shows its own name.
    d->text_ = d->template_ == ORXTX_String ? extender()->name() : sampleText(d->template_, basic::Clock::now());
    if (defaults.spinDateType)
        d->spinDateType_ = defaults.spinDateType;
    if (defaults.spinTimeType)
        d->spinTimeType_ = defaults.spinTimeType;
    d->boundText_ = boundTextOf(d->template_, textValue());
    // The old value's error does not belong to the new one.
    d->errorFlag_ = false;

    writeEditField(textValue(), true);
    d->minValue_.clear();
    d->maxValue_.clear();
    d->nullText_ = defaults.nullText;
    updateSideButtons();
    if (relayout)
        placeWidgets();
    InitCurrencies();
    recomputeRawText();
    d->lastText_ = d->text_;
    d->modified_ = false;
    RefreshDisplay();
}

void ORXTextBox::RebuildLayouts()
{
    ReadSeparators();
    if (isDateTemplate(d->template_) || isTimeTemplate(d->template_)) {
        const Separators& seps = sharedSeparators();
        d->characterTable_ = isTimeTemplate(d->template_) ? seps.time : seps.date;
        d->layout_ = templateLayout(d->template_, seps);
    }
}

void ORXTextBox::recomputeRawText()
{
    d->rawText_ = rawTextOf(d->template_, textValue(), d->characterTable_);
}

void ORXTextBox::recomputeBoundText()
{
    d->boundText_ = boundTextOf(d->template_, textValue());
}

void ORXTextBox::RefreshDisplay()
{
    if (basic::isNull(d->text_)) {
        d->SF_Caption->setText(QString());
        return;
    }
    const QString value = textValue();
    if (!d->passwordChar_.isEmpty()) {
        d->SF_Caption->setText(QString(value.size(), d->passwordChar_.at(0)));
        d->formattedText_ = value;
    } else {
        d->SF_Caption->setText(d->errorFlag_                   ? d->errorDesc_
                            : d->template_ == tpl::Currency ? currencyDisplayText(value)
                                                         : displayText(d->template_, value, d->layout_, sharedSeparators()));
        d->formattedText_ = d->SF_Caption->text();
    }
    // A blanked control shows nothing, whatever its value.
    if (d->blanked_)
        d->SF_Caption->setText(QString());
    if (!d->errorFlag_) {
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
    ApplyTemplate(true);
    PropertyChanged(QStringLiteral("Template"));
}

void ORXTextBox::setLayout(const QString& pattern)
{
    if (!d->passwordChar_.isEmpty() || d->template_ == tpl::Currency || d->template_ >= tpl::DayMonthYear)
        return;
    d->layout_ = d->template_ == tpl::Percent ? percentLayout(pattern) : basic::trimSpaces(pattern);
    const int length = maxLengthFromLayout(d->layout_, MaxLength());
    applyMaxLength(length);
    RefreshDisplay();
    PropertyChanged(QStringLiteral("LayOut"));
}

void ORXTextBox::setFormattedText(const QString&)
{
    // Read-only: what the label shows follows from the value.
    refuseAtRunTime("FormattedText");
}

void ORXTextBox::setRawText(const QVariant& raw)
{
    if (!hasRawConversion(d->template_)) {
        refuseAtRunTime("RawText");
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
        const QString symbol = currencySymbol();
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
    RebuildLayouts();
    RefreshDisplay();
}

}  // namespace orx::tools
