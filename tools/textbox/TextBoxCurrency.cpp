// Currency in the text box: the collection, the selected and the display
// currency, the conversion through the Euro, the currency list and the
// current-currency message.
#include "tools/textbox/ORXTextBox_p.h"

#include "platform/basic/BasicError.h"
#include "platform/basic/Logging.h"
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
    if (d->runMode())
        d->StoredSelCurrency = name;
    d->applyCurrencyLayout(d->ApplyCurrencySelection());
    d->updateSideButtons();
    d->RefreshDisplay();
    PropertyChanged(QStringLiteral("SelCurrency"));
}

void ORXTextBox::setUseDefaultCurrency(bool on)
{
    d->useDefaultCurrency_ = on;
    if (d->template_ == tpl::Currency) {
        d->applyCurrencyLayout(d->ApplyCurrencySelection());
        d->updateSideButtons();
        d->RefreshDisplay();
    }
    PropertyChanged(QStringLiteral("UseDefaultCurrency"));
}

void ORXTextBox::setShowSymbolCurrency(bool on)
{
    d->showSymbolCurrency_ = on;
    d->RefreshDisplay();
    PropertyChanged(QStringLiteral("ShowSymbolCurrency"));
}

// ---- Methods ---------------------------------------------------------------

basic::Currency ORXTextBox::ChangeCurrency(const QString& FromCurrency, const QString& ToCurrency,
                                           basic::Currency Value)
{
    if (d->template_ == tpl::Currency)
        return d->ConvertCurrency(FromCurrency, ToCurrency, Value, true);
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
    return d->ConvertCurrency(FromCurrency, ToCurrency, Value, true);
}

void ORXTextBox::Refresh()
{
    if (d->template_ != tpl::Currency || !d->currencies_) {
        d->RefreshDisplay();
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
    d->applyCurrencyLayout(d->ApplyCurrencySelection());
    d->updateSideButtons();
    d->RefreshDisplay();
    if (failure)
        std::rethrow_exception(failure);
}

// ---- The collection and the selection --------------------------------------

void ORXTextBox::Private::InitCurrencies()
{
    if (template_ != tpl::Currency) {
        q->setCurrencies(nullptr);
        DisplayCurrency.clear();
        return;
    }
    auto* list = new ORXCurrencies(q);
    list->setPathINI(currencyFolder());
    currencies_ = list;
    // A faulty catalogue must not stop a form from loading: the records read
    // before the fault (the system currency at least) serve.
    try {
        q->Refresh();
    } catch (const basic::BasicError& e) {
        qCWarning(orx::lcTextBox) << "ORXTextBox: the currency file could not be read whole:" << e.description();
    }
}

QString ORXTextBox::Private::ApplyCurrencySelection()
{
    const ORXCurrencies* list = currencies_;
    auto choose = [&](const ORXCurrency* record) {
        adjustCharacterTable(record->Decimals());
        // While the form is designed the resolved name is what gets saved.
        if (!runMode())
            StoredSelCurrency = selCurrency_;
        return record->Layout();
    };
    if (runMode()) {
        DefaultCurrencyName = GetUserSetting(CurrencySection, QStringLiteral("Default"), QString()).toString();
        if (const ORXCurrency* preferred = namedCurrency(list, DefaultCurrencyName);
            preferred && useDefaultCurrency_) {
            selCurrency_ = DefaultCurrencyName;
            return choose(preferred);
        }
        selCurrency_ = StoredSelCurrency;
    }
    if (const ORXCurrency* s = namedCurrency(list, selCurrency_))
        return choose(s);
    if (const ORXCurrency* s = namedCurrency(list, ORXCurrencies::SystemCurrencyName())) {
        selCurrency_ = ORXCurrencies::SystemCurrencyName();
        return choose(s);
    }
    return QString();
}

void ORXTextBox::Private::adjustCharacterTable(int decimals)
{
    const QString decimal = sharedSeparators().decimal;
    if (decimals > 0) {
        characterTable_ = decimal + QStringLiteral("-.");
        return;
    }
    for (const QChar c : decimal)
        characterTable_.remove(c);
}

void ORXTextBox::Private::applyCurrencyLayout(const QString& pattern)
{
    layout_ = pattern;
    applyMaxLength(maxLengthFromLayout(layout_, q->MaxLength()));
}

// ---- Conversion and display ------------------------------------------------

basic::Currency ORXTextBox::Private::ConvertCurrency(const QString& FromCurrency, const QString& ToCurrency,
                                            basic::Currency Value, bool ReportMissing)
{
    const ORXCurrencies none;
    const ORXCurrencies& list = currencies_ ? *currencies_ : none;
    // The amount stays in SelCurrency whatever it was converted to here, so
    // the control's pattern is left alone.
    return tools::ConvertCurrency(list, FromCurrency, ToCurrency, Value, ReportMissing,
                                  [this](const QString& from, const QString& to, double& rate) {
                                      Q_EMIT q->ChangeValueFetch(from, to, rate);
                                  })
        .value;
}

QString ORXTextBox::Private::currencyDisplayText(const QString& value)
{
    const Separators& seps = sharedSeparators();
    QString pattern = layout_;
    QString shownIn = selCurrency_;
    QString amountText = value;
    const std::optional<basic::Currency> amount = basic::parseCurrency(value);
    if (amount && currencies_ && !DisplayCurrency.isEmpty()) {
        try {
            const CurrencyConversionResult r =
                tools::ConvertCurrency(*currencies_, selCurrency_, DisplayCurrency, *amount, false,
                                       [this](const QString& from, const QString& to, double& rate) {
                                           Q_EMIT q->ChangeValueFetch(from, to, rate);
                                       });
            if (r.layout) {
                pattern = *r.layout;
                shownIn = DisplayCurrency;
                amountText = r.value.toString();
            }
        } catch (const basic::BasicError& e) {
            // An amount that cannot be converted is shown in its own
            // currency rather than not at all; the pick reports why.
            displayFailure_ = e.description();
            DisplayCurrency.clear();
            updateSideButtons();
        }
    }
    QString shown = displayText(tpl::Currency, amountText, pattern, seps);
    if (!selCurrency_.isEmpty() && !showSymbolCurrency_) {
        if (const ORXCurrency* c = namedCurrency(currencies_, shownIn); c && !c->Symbol().isEmpty())
            shown.remove(c->Symbol());
    }
    return shown;
}

QString ORXTextBox::Private::currencySymbol() const
{
    const ORXCurrencies* list = currencies_;
    const ORXCurrency* c = nullptr;
    if (useDefaultCurrency_)
        c = namedCurrency(list, DefaultCurrencyName);
    if (!c)
        c = namedCurrency(list, selCurrency_);
    if (!c)
        c = namedCurrency(list, ORXCurrencies::SystemCurrencyName());
    return c ? c->Symbol() : QString();
}

// ---- The currency list and the current-currency message --------------------

void ORXTextBox::Private::FillCurrencyList()
{
    DropDownState& st = dropDownState();
    st.ListFilling = true;
    // Only a name picked from this filling counts, never an earlier pick.
    st.ListChoice = basic::nullVariant();
    const QSignalBlocker quiet(LB_Combo);
    LB_Combo->clear();
    struct Filled {
        DropDownState& st;
        ~Filled() { st.ListFilling = false; }
    } filled{st};
    if (!currencies_)
        return;
    const QString wanted = DisplayCurrency.isEmpty() ? selCurrency_ : DisplayCurrency;
    int selected = 0;
    // The first record is the regional default, never offered; cleared
    // records have nothing to show.
    for (int i = 2; i <= currencies_->Count(); ++i) {
        const QString name = currencies_->CurrencyByIndex(i)->Name();
        if (name.isEmpty())
            continue;
        if (name.compare(wanted, Qt::CaseInsensitive) == 0)
            selected = LB_Combo->count();
        LB_Combo->addItem(name);
    }
    if (LB_Combo->count() > 0)
        LB_Combo->setCurrentRow(selected);
}

void ORXTextBox::Private::ApplyCurrencyChoice(const QVariant& choice)
{
    if (basic::isNull(choice) || basic::isEmpty(choice))
        return;
    const QString name = choice.toString();
    ORX_CM_TX_INT_Right->setToolTip(name);
    displayFailure_.clear();
    if (name == selCurrency_) {
        DisplayCurrency.clear();
        q->setSelCurrency(name);
    } else {
        DisplayCurrency = name;
        updateSideButtons();
    }
    RefreshDisplay();
    if (!displayFailure_.isEmpty()) {
        const QString why = displayFailure_;
        displayFailure_.clear();
        host::MsgBox(why, host::mb::Exclamation, currencyDisplayCapt_);
    }
}

// The currency buttons take the places of the check box, the item list's
// button and the spin bar; only a Currency box has them.
void ORXTextBox::Private::dropFeaturesBesideCurrency()
{
    if (template_ != tpl::Currency) {
        handleCurrencyChanges_ = false;
        return;
    }
    if (!handleCurrencyChanges_)
        return;
    checkBoxVisible_ = false;
    CK_Selected->hide();
    comboButtonVisible_ = false;
    spinButtons_ = false;
}

void ORXTextBox::Private::showCurrentCurrency()
{
    host::MsgBox(selCurrency_, host::mb::Information, currencyDisplayCapt_);
    host::giveFocus(EF_Text);
}

}  // namespace orx::tools
