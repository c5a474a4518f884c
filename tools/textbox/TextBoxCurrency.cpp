// Currency in the text box: the collection, the selected and the display
// currency, the conversion through the Euro, the currency list and the
// current-currency message.
#include "tools/textbox/ORXTextBox_p.h"

#include "platform/basic/BasicError.h"
#include "platform/basic/Numbers.h"
#include "platform/basic/Variant.h"
#include "platform/host/Services.h"
#include "tools/common/Library.h"
#include "tools/common/SettingsFiles.h"
#include "tools/currency/CurrencyConversion.h"
#include "tools/currency/ORXCurrencies.h"
#include "tools/currency/ORXCurrency.h"
#include "tools/textbox/LibraryState.h"
#include "tools/textbox/Templates.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>

namespace orx::tools {

using namespace textbox;

namespace {

const QString CurrencySection = QStringLiteral("Currency");

// The folder of ORXCurrency.INI: the user's own choice, else the library's.
QString currencyFolder()
{
    return GetUserSetting(CurrencySection, QStringLiteral("Path"), App().path()).toString();
}

// A cleared record has no name; an empty name must never select it.
const ORXCurrency* namedCurrency(const ORXCurrencies* list, const QString& name)
{
    if (!list || name.isEmpty())
        return nullptr;
    return list->CurrencyByName(name);
}

}  // namespace

// ---- Properties ------------------------------------------------------------

void ORXTextBox::setCurrencies(ORXCurrencies* collection)
{
    if (collection == d->currencies_)
        return;
    // The text box owns its collection: one it made goes with the
    // replacement, one handed over without an owner becomes its own.
    if (d->currencies_ && d->currencies_->parent() == this)
        d->currencies_->deleteLater();
    if (collection && !collection->parent())
        collection->setParent(this);
    d->currencies_ = collection;
    PropertyChanged(QStringLiteral("Currencies"));
}

void ORXTextBox::setSelCurrency(const QString& name)
{
    if (d->template_ != tpl::Currency)
        return;
    d->selCurrency_ = name;
    // What a program assigns is the selection from now on; otherwise the
    // next look at the per-user default would put the loaded one back.
    if (runMode())
        d->StoredSelCurrency = name;
    applyCurrencyLayout(ApplyCurrencySelection());
    updateSideButtons();
    RefreshDisplay();
    PropertyChanged(QStringLiteral("SelCurrency"));
}

void ORXTextBox::setUseDefaultCurrency(bool on)
{
    d->useDefaultCurrency_ = on;
    if (d->template_ == tpl::Currency) {
        applyCurrencyLayout(ApplyCurrencySelection());
        updateSideButtons();
        RefreshDisplay();
    }
    PropertyChanged(QStringLiteral("UseDefaultCurrency"));
}

void ORXTextBox::setShowSymbolCurrency(bool on)
{
    d->showSymbolCurrency_ = on;
    RefreshDisplay();
    PropertyChanged(QStringLiteral("ShowSymbolCurrency"));
}

// ---- Methods ---------------------------------------------------------------

basic::Currency ORXTextBox::ChangeCurrency(const QString& FromCurrency, const QString& ToCurrency,
                                           basic::Currency Value)
{
    if (d->template_ == tpl::Currency)
        return ConvertCurrency(FromCurrency, ToCurrency, Value, true);
    // Any other template borrows a catalogue for this one conversion.
    ORXCurrencies borrowed;
    borrowed.setPathINI(currencyFolder());
    borrowed.Refresh();
    const QPointer<ORXCurrencies> own = d->currencies_;
    d->currencies_ = &borrowed;
    struct Restore {
        QPointer<ORXCurrencies>& slot;
        QPointer<ORXCurrencies> previous;
        ~Restore() { slot = previous; }
    } restore{d->currencies_, own};
    return ConvertCurrency(FromCurrency, ToCurrency, Value, true);
}

void ORXTextBox::Refresh()
{
    if (d->template_ != tpl::Currency || !d->currencies_) {
        RefreshDisplay();
        return;
    }
    // A catalogue that fails part-way keeps what it loaded; the selection
    // follows those records before the caller hears of the failure.
    std::exception_ptr failure;
    try {
        d->currencies_->Refresh();
    } catch (const basic::BasicError&) {
        failure = std::current_exception();
    }
    applyCurrencyLayout(ApplyCurrencySelection());
    updateSideButtons();
    RefreshDisplay();
    if (failure)
        std::rethrow_exception(failure);
}

// ---- The collection and the selection --------------------------------------

void ORXTextBox::InitCurrencies()
{
    if (d->template_ != tpl::Currency) {
        setCurrencies(nullptr);
        d->DisplayCurrency.clear();
        return;
    }
    auto* list = new ORXCurrencies(this);
    list->setPathINI(currencyFolder());
    d->currencies_ = list;
    // A faulty catalogue must not stop a form from loading: the records read
    // before the fault (the system currency at least) serve.
    try {
        Refresh();
    } catch (const basic::BasicError&) {
    }
}

QString ORXTextBox::ApplyCurrencySelection()
{
    const ORXCurrencies* list = d->currencies_;
    auto choose = [&](const ORXCurrency* record) {
        adjustCharacterTable(record->Decimals());
        // While the form is designed the resolved name is what gets saved.
        if (!runMode())
            d->StoredSelCurrency = d->selCurrency_;
        return record->Layout();
    };
    if (runMode()) {
        d->DefaultCurrencyName = GetUserSetting(CurrencySection, QStringLiteral("Default"), QString()).toString();
        if (const ORXCurrency* preferred = namedCurrency(list, d->DefaultCurrencyName);
            preferred && d->useDefaultCurrency_) {
            d->selCurrency_ = d->DefaultCurrencyName;
            return choose(preferred);
        }
        d->selCurrency_ = d->StoredSelCurrency;
    }
    if (const ORXCurrency* s = namedCurrency(list, d->selCurrency_))
        return choose(s);
    if (const ORXCurrency* s = namedCurrency(list, ORXCurrencies::SystemCurrencyName())) {
        d->selCurrency_ = ORXCurrencies::SystemCurrencyName();
        return choose(s);
    }
    return QString();
}

void ORXTextBox::adjustCharacterTable(int decimals)
{
    const QString decimal = sharedSeparators().decimal;
    if (decimals > 0) {
        d->characterTable_ = decimal + QStringLiteral("-.");
        return;
    }
    for (const QChar c : decimal)
        d->characterTable_.remove(c);
}

void ORXTextBox::applyCurrencyLayout(const QString& pattern)
{
    d->layout_ = pattern;
    applyMaxLength(maxLengthFromLayout(d->layout_, MaxLength()));
}

// ---- Conversion and display ------------------------------------------------

basic::Currency ORXTextBox::ConvertCurrency(const QString& FromCurrency, const QString& ToCurrency,
                                            basic::Currency Value, bool ReportMissing)
{
    const ORXCurrencies none;
    const ORXCurrencies& list = d->currencies_ ? *d->currencies_ : none;
    // The amount stays in SelCurrency whatever it was converted to here, so
    // the control's pattern is left alone.
    return tools::ConvertCurrency(list, FromCurrency, ToCurrency, Value, ReportMissing,
                                  [this](const QString& from, const QString& to, double& rate) {
                                      Q_EMIT ChangeValueFetch(from, to, rate);
                                  })
        .value;
}

QString ORXTextBox::currencyDisplayText(const QString& value)
{
    const Separators& seps = sharedSeparators();
    QString pattern = d->layout_;
    QString shownIn = d->selCurrency_;
    QString amountText = value;
    const std::optional<basic::Currency> amount = basic::parseCurrency(value);
    if (amount && d->currencies_ && !d->DisplayCurrency.isEmpty()) {
        try {
            const CurrencyConversionResult r =
                tools::ConvertCurrency(*d->currencies_, d->selCurrency_, d->DisplayCurrency, *amount, false,
                                       [this](const QString& from, const QString& to, double& rate) {
                                           Q_EMIT ChangeValueFetch(from, to, rate);
                                       });
            if (r.layout) {
                pattern = *r.layout;
                shownIn = d->DisplayCurrency;
                amountText = r.value.toString();
            }
        } catch (const basic::BasicError& e) {
            // An amount that cannot be converted is shown in its own
            // currency rather than not at all; the pick reports why.
            d->displayFailure_ = e.description();
            d->DisplayCurrency.clear();
            updateSideButtons();
        }
    }
    QString shown = displayText(tpl::Currency, amountText, pattern, seps);
    if (!d->selCurrency_.isEmpty() && !d->showSymbolCurrency_) {
        if (const ORXCurrency* c = namedCurrency(d->currencies_, shownIn); c && !c->Symbol().isEmpty())
            shown.remove(c->Symbol());
    }
    return shown;
}

QString ORXTextBox::currencySymbol() const
{
    const ORXCurrencies* list = d->currencies_;
    const ORXCurrency* c = nullptr;
    if (d->useDefaultCurrency_)
        c = namedCurrency(list, d->DefaultCurrencyName);
    if (!c)
        c = namedCurrency(list, d->selCurrency_);
    if (!c)
        c = namedCurrency(list, ORXCurrencies::SystemCurrencyName());
    return c ? c->Symbol() : QString();
}

// ---- The currency list and the current-currency message --------------------

void ORXTextBox::FillCurrencyList()
{
    DropDownState& st = dropDownState();
    st.ListFilling = true;
    // Only a name picked from this filling counts, never an earlier pick.
    st.ListChoice = basic::nullVariant();
    const QSignalBlocker quiet(d->LB_Combo);
    d->LB_Combo->clear();
    struct Filled {
        DropDownState& st;
        ~Filled() { st.ListFilling = false; }
    } filled{st};
    if (!d->currencies_)
        return;
    const QString wanted = d->DisplayCurrency.isEmpty() ? d->selCurrency_ : d->DisplayCurrency;
    int selected = 0;
    // The first record is the regional default, never offered; cleared
    // records have nothing to show.
    for (int i = 2; i <= d->currencies_->Count(); ++i) {
        const QString name = d->currencies_->CurrencyByIndex(i)->Name();
        if (name.isEmpty())
            continue;
        if (name.compare(wanted, Qt::CaseInsensitive) == 0)
            selected = d->LB_Combo->count();
        d->LB_Combo->addItem(name);
    }
    if (d->LB_Combo->count() > 0)
        d->LB_Combo->setCurrentRow(selected);
}

void ORXTextBox::ApplyCurrencyChoice(const QVariant& choice)
{
    if (basic::isNull(choice) || basic::isEmpty(choice))
        return;
    const QString name = choice.toString();
    d->ORX_CM_TX_INT_Right->setToolTip(name);
    d->displayFailure_.clear();
    if (name == d->selCurrency_) {
        d->DisplayCurrency.clear();
        setSelCurrency(name);
    } else {
        d->DisplayCurrency = name;
        updateSideButtons();
    }
    RefreshDisplay();
    if (!d->displayFailure_.isEmpty()) {
        const QString why = d->displayFailure_;
        d->displayFailure_.clear();
        host::MsgBox(why, host::mb::Exclamation, d->currencyDisplayCapt_);
    }
}

// The currency buttons take the places of the check box, the item list's
// button and the spin bar; only a Currency box has them.
void ORXTextBox::dropFeaturesBesideCurrency()
{
    if (d->template_ != tpl::Currency) {
        d->handleCurrencyChanges_ = false;
        return;
    }
    if (!d->handleCurrencyChanges_)
        return;
    d->checkBoxVisible_ = false;
    d->CK_Selected->hide();
    d->comboButtonVisible_ = false;
    d->spinButtons_ = false;
}

void ORXTextBox::showCurrentCurrency()
{
    host::MsgBox(d->selCurrency_, host::mb::Information, d->currencyDisplayCapt_);
    host::giveFocus(d->EF_Text);
}

}  // namespace orx::tools
