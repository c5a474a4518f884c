// Currency in the text box: conversion, selection, display and the list.
#include "tests/tools/textbox/CurrencyTestSupport.h"

#include "platform/basic/Numbers.h"
#include "platform/host/PropertyBag.h"
#include "tools/currency/CurrencyConversion.h"

#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <map>

namespace orx::test {
namespace {

using basic::Currency;

// Rates in Italian writing: Due and Tre have rates 2 and 3, the Euro and
// Yen none, Neg a negative rate (its magnitude counts).
const QByteArray ItalianCatalogue =
    "[Due]\r\nSymbol=D\r\nDecimals=2\r\nEuroChange=2\r\n"
    "[Tre]\r\nSymbol=T\r\nDecimals=2\r\nEuroChange=3\r\n"
    "[Lira]\r\nSymbol=L.\r\nDecimals=0\r\nEuroChange=1936,27\r\n"
    "[Euro]\r\nSymbol=EUR\r\nDecimals=2\r\nEuroChange=0\r\n"
    "[Yen]\r\nSymbol=Y\r\nDecimals=0\r\nEuroChange=0\r\n"
    "[Neg]\r\nSymbol=N\r\nDecimals=2\r\nEuroChange=-2\r\n"
    "[Complete]\r\nList=Due|Tre|Lira|Euro|Yen|Neg\r\n";

Currency amount(const char* text)
{
    return Currency::fromDouble(QByteArray(text).toDouble());
}

}  // namespace

class CurrencyTextBox : public CurrencyBoxFixture {
protected:
    TB* currencyBox(const QByteArray& catalogue = ItalianCatalogue)
    {
        writeFile("ORXCurrency.INI", catalogue);
        return box(TB::ORXTX_Currency, QStringLiteral("Amount%1").arg(form().controls().size()));
    }
    // Answers ChangeValueFetch from a table and logs each question.
    void answerRates(TB* tb, std::map<QString, double> rates)
    {
        QObject::connect(tb, &TB::ChangeValueFetch, [this, rates](const QString& from, const QString& to, double& v) {
            fetched << QStringLiteral("%1>%2(%3)").arg(from, to).arg(v);
            const auto it = rates.find(from + QLatin1Char('>') + to);
            if (it != rates.end())
                v = it->second;
        });
    }
    QStringList fetched;
};

TEST_F(CurrencyTextBox, ConversionThroughTheEuro)
{
    struct Case {
        const char* from;
        const char* to;
        const char* value;
        const char* expected;
        QStringList questions;  // ChangeValueFetch, in order
    };
    const Case cases[] = {
        {"Due", "Tre", "100", "150", {}},
        {"Tre", "Euro", "100", "33.3333", {}},
        {"tre", "EURO", "100", "33.3333", {}},       // names without regard to case
        {"Euro", "Lira", "100", "193627", {}},       // the Euro needs no rate of its own
        {"Neg", "Euro", "100", "50", {}},            // the magnitude of a negative rate
        {"Due", "Neg", "100", "100", {}},
        {"Lira", "Lira", "100", "100", {}},
        {"Lira", "Euro", "1", "0.0005", {}},         // 1/1936.27 to four decimals
        {"Due", "", "123.4567", "123.4567", {}},     // no target: unchanged
        {"Yen", "Euro", "100", "25", {"Yen>Euro(0)"}},          // both missing: one direct rate
        {"Yen", "Tre", "100", "75", {"Yen>Euro(0)"}},           // the source's rate against the Euro
        {"Due", "Yen", "100", "250", {"Euro>Yen(0)"}},          // the target's rate from the Euro
    };
    TB* tb = currencyBox();
    answerRates(tb, {{"Yen>Euro", 4.0}, {"Euro>Yen", 5.0}});
    for (const Case& c : cases) {
        fetched.clear();
        const QString layout = tb->Layout();
        const Currency r = tb->ChangeCurrency(c.from, c.to, amount(c.value));
        EXPECT_EQ(r, amount(c.expected)) << c.from << ">" << c.to << " gave " << r.toDouble();
        EXPECT_EQ(fetched, c.questions) << c.from << ">" << c.to;
        // The amount stays in SelCurrency: its pattern stays too.
        EXPECT_EQ(tb->Layout(), layout) << c.from << ">" << c.to;
    }
}

TEST_F(CurrencyTextBox, ConversionFailuresReachTheCaller)
{
    struct Case {
        int templ;
        const char* from;
        const char* to;
        int number;
        const char* description;
    };
    const QString source = QStringLiteral("ORX_TxtBox.ConvertCurrency");
    const Case cases[] = {
        {TB::ORXTX_Currency, "Marco", "Euro", TB::ORXTX_Err_NotExistsCurrency,
         "Currency not exists in current ORXCurrency.INI : 'Marco'"},
        {TB::ORXTX_Currency, "Marco", "", TB::ORXTX_Err_NotExistsCurrency,
         "Currency not exists in current ORXCurrency.INI : 'Marco'"},
        {TB::ORXTX_Currency, "Due", "Marco", TB::ORXTX_Err_NotExistsCurrency,
         "Currency not exists in current ORXCurrency.INI : 'Marco'"},
        // The handler below leaves every rate at 0.
        {TB::ORXTX_Currency, "Yen", "Euro", TB::ORXTX_Err_InvalidChangeValue,
         "Invalid change value for currencies : 'Yen' to 'Euro'"},
        {TB::ORXTX_Currency, "Due", "Yen", TB::ORXTX_Err_InvalidChangeValue,
         "Invalid change value for currencies : 'Due' to 'Yen'"},
        // A box of another template borrows the catalogue and fails alike.
        {TB::ORXTX_Numeric, "Yen", "Due", TB::ORXTX_Err_InvalidChangeValue,
         "Invalid change value for currencies : 'Yen' to 'Due'"},
        {TB::ORXTX_String, "Due", "Marco", TB::ORXTX_Err_NotExistsCurrency,
         "Currency not exists in current ORXCurrency.INI : 'Marco'"},
    };
    TB* currency = currencyBox();
    TB* numeric = box(TB::ORXTX_Numeric, QStringLiteral("Number"));
    TB* plain = box(TB::ORXTX_String, QStringLiteral("Plain"));
    for (TB* tb : {currency, numeric, plain})
        answerRates(tb, {});
    for (const Case& c : cases) {
        TB* tb = c.templ == TB::ORXTX_Currency ? currency : c.templ == TB::ORXTX_Numeric ? numeric : plain;
        const auto e = errorOf([&] { tb->ChangeCurrency(c.from, c.to, amount("100")); });
        ASSERT_TRUE(e.has_value()) << c.from << ">" << c.to;
        EXPECT_EQ(e->number(), c.number) << c.from << ">" << c.to;
        EXPECT_EQ(e->source(), source);
        EXPECT_EQ(e->description(), QString::fromUtf8(c.description));
    }
    // The borrowed catalogue goes with the conversion.
    EXPECT_EQ(numeric->Currencies(), nullptr);
    EXPECT_EQ(numeric->ChangeCurrency("Due", "Tre", amount("10")), amount("15"));
    EXPECT_EQ(numeric->Currencies(), nullptr);
}

TEST_F(CurrencyTextBox, SelectionWithAndWithoutAPerUserDefault)
{
    struct Case {
        bool runTime;
        const char* userDefault;  // nullptr: not set
        bool useDefault;
        const char* assigned;
        const char* selected;
        const char* shown;  // 12345 in the selected currency
        const char* table;  // CharacterTable after the selection
    };
    const Case cases[] = {
        {true, nullptr, true, "Tre", "Tre", "T 12.345,00", ",-."},
        {true, nullptr, true, "lira", "lira", "L. 12.345", "-."},  // no decimals: no separator
        {true, nullptr, true, "Marco", "System", "€ 12.345,00", ",-."},
        {true, nullptr, true, "", "System", "€ 12.345,00", ",-."},
        {true, "Lira", true, "Tre", "Lira", "L. 12.345", "-."},
        {true, "Lira", false, "Tre", "Tre", "T 12.345,00", ",-."},
        {true, "Marco", true, "Tre", "Tre", "T 12.345,00", ",-."},  // a default not in the catalogue
        {true, "", true, "Tre", "Tre", "T 12.345,00", ",-."},
        {false, "Lira", true, "Tre", "Tre", "T 12.345,00", ",-."},  // designing: no per-user default
    };
    writeFile("ORXCurrency.INI", ItalianCatalogue);
    for (const Case& c : cases) {
        forgetUserSettings();
        if (c.userDefault)
            userSetting("Default", QString::fromUtf8(c.userDefault));
        setUserMode(c.runTime);
        TB* tb = box(TB::ORXTX_Currency, QStringLiteral("Sel%1").arg(form().controls().size()));
        tb->setUseDefaultCurrency(c.useDefault);
        tb->setSelCurrency(QString::fromUtf8(c.assigned));
        const std::string what = std::string(c.assigned) + " default " + (c.userDefault ? c.userDefault : "-");
        EXPECT_EQ(tb->SelCurrency(), QString::fromUtf8(c.selected)) << what;
        EXPECT_EQ(tb->FormattedText(), QString::fromUtf8(c.shown)) << what;
        EXPECT_EQ(tb->CharacterTable(), QString::fromUtf8(c.table)) << what;
    }
}

TEST_F(CurrencyTextBox, StoredSelectionThroughTheBag)
{
    writeFile("ORXCurrency.INI", ItalianCatalogue);
    userSetting("Default", QStringLiteral("Lira"));
    struct Case {
        const char* stored;   // in the bag; nullptr: key missing
        bool useDefault;
        const char* selected;
        const char* saved;    // written back; nullptr: the default (not written)
    };
    const Case cases[] = {
        {"Tre", false, "Tre", "Tre"},
        {"Tre", true, "Lira", "Tre"},      // the user's default stands in, the design stays
        {nullptr, false, "System", nullptr},
        {"Marco", false, "System", "Marco"},
    };
    for (const Case& c : cases) {
        host::PropertyBag bag;
        bag.WriteProperty(QStringLiteral("Template"), int(TB::ORXTX_Currency), 0);
        bag.WriteProperty(QStringLiteral("UseDefaultCurrency"), c.useDefault, true);
        if (c.stored)
            bag.WriteProperty(QStringLiteral("SelCurrency"), QString::fromUtf8(c.stored), QString());
        TB* tb = box(TB::ORXTX_String, QStringLiteral("Bag%1").arg(form().controls().size()));
        tb->ReadProperties(bag);
        EXPECT_EQ(tb->SelCurrency(), QString::fromUtf8(c.selected)) << (c.stored ? c.stored : "-");
        host::PropertyBag out;
        tb->WriteProperties(out);
        EXPECT_EQ(out.contains(QStringLiteral("SelCurrency")), c.saved != nullptr);
        if (c.saved) {
            EXPECT_EQ(out.ReadProperty(QStringLiteral("SelCurrency"), QString()).toString(), QString::fromUtf8(c.saved));
        }
    }
}

// A program's run-time choice is not undone by the next look at the
// selection (UseDefaultCurrency re-runs it).
TEST_F(CurrencyTextBox, RunTimeAssignmentIsKept)
{
    writeFile("ORXCurrency.INI", ItalianCatalogue);
    host::PropertyBag bag;
    bag.WriteProperty(QStringLiteral("Template"), int(TB::ORXTX_Currency), 0);
    bag.WriteProperty(QStringLiteral("SelCurrency"), QStringLiteral("Tre"), QString());
    TB* tb = box();
    tb->ReadProperties(bag);
    ASSERT_EQ(tb->SelCurrency(), "Tre");
    tb->setSelCurrency(QStringLiteral("Lira"));
    tb->setUseDefaultCurrency(false);
    tb->Refresh();
    EXPECT_EQ(tb->SelCurrency(), "Lira");
    host::PropertyBag out;
    tb->WriteProperties(out);
    EXPECT_EQ(out.ReadProperty(QStringLiteral("SelCurrency"), QString()).toString(), "Lira");
}

TEST_F(CurrencyTextBox, DisplayInTheSelectedOrPickedCurrency)
{
    struct Case {
        bool us;
        const char* selected;
        const char* display;  // picked from the list; "" none
        bool symbol;
        const char* text;
        const char* shown;
    };
    const Case cases[] = {
        {false, "Lira", "", true, "1234", "L. 1.234"},
        {false, "Euro", "", true, "1234,5", "EUR 1.234,50"},
        {false, "Euro", "", true, "-1234,5", "EUR -1.234,50"},
        {false, "System", "", true, "1234,5", "€ 1.234,50"},
        {false, "Euro", "Lira", true, "100", "L. 193.627"},
        {false, "Lira", "Euro", true, "193627", "EUR 100,00"},
        {false, "Due", "Tre", true, "100", "T 150,00"},
        {false, "Euro", "", false, "1234,5", " 1.234,50"},
        {false, "Euro", "Lira", false, "100", " 193.627"},
        {true, "Euro", "", true, "1234.5", "EUR 1,234.50"},
        {true, "System", "", true, "1234.5", "$ 1,234.50"},
        {true, "Euro", "Lira", true, "100", "L. 193,627"},
    };
    for (const Case& c : cases) {
        useRegional(c.us ? basic::RegionalSettings::unitedStates() : basic::RegionalSettings::italian());
        QByteArray catalogue = ItalianCatalogue;
        if (c.us)
            catalogue.replace("1936,27", "1936.27");
        TB* tb = currencyBox(catalogue);
        tb->setHandleCurrencyChanges(true);
        tb->setShowSymbolCurrency(c.symbol);
        tb->setSelCurrency(QString::fromUtf8(c.selected));
        tb->setText(QString::fromUtf8(c.text));
        if (*c.display) {
            withOpenList(tb, [&] { click(tb->dropDownButton()); }, [tb, c] {
                const auto found = tb->comboListBox()->findItems(QString::fromUtf8(c.display), Qt::MatchExactly);
                ASSERT_EQ(found.size(), 1);
                tb->comboListBox()->setCurrentItem(found.front());
                QTest::keyClick(tb->comboListBox(), Qt::Key_Return);
            });
        }
        const std::string what = std::string(c.selected) + ">" + c.display + " " + c.text + (c.us ? " US" : " IT");
        EXPECT_EQ(tb->displayLabel()->text(), QString::fromUtf8(c.shown)) << what;
        // The value stays in SelCurrency, with that currency's decimals.
        EXPECT_EQ(basic::parseNumber(tb->Text().toString()), basic::parseNumber(QString::fromUtf8(c.text))) << what;
        EXPECT_EQ(tb->dropDownButton()->toolTip(), QString::fromUtf8(*c.display ? c.display : c.selected)) << what;
    }
}

TEST_F(CurrencyTextBox, TheListOffersTheStoredCurrencies)
{
    TB* tb = currencyBox();
    tb->setHandleCurrencyChanges(true);
    tb->setSelCurrency(QStringLiteral("Tre"));
    struct Step {
        const char* pick;     // nullptr: Escape
        const char* offered;  // preselected row when the list opens
        const char* display;  // the button's tooltip afterwards
        const char* shown;
    };
    // 12345 held in Tre.
    const Step steps[] = {
        {"Due", "Tre", "Due", "D 8.230,00"},
        {nullptr, "Due", "Due", "D 8.230,00"},   // Escape keeps the earlier pick
        {"Tre", "Due", "Tre", "T 12.345,00"},    // back to the value's own currency
        {"Yen", "Tre", "Tre", "T 12.345,00"},    // no rate: shown in its own currency, told why
    };
    QStringList names;
    for (const Step& s : steps) {
        messages().clear();
        withOpenList(tb, [&] { click(tb->dropDownButton()); }, [&, s] {
            QListWidget* list = tb->comboListBox();
            names.clear();
            for (int i = 0; i < list->count(); ++i)
                names << list->item(i)->text();
            EXPECT_EQ(list->currentItem()->text(), QString::fromUtf8(s.offered));
            if (!s.pick) {
                QTest::keyClick(list, Qt::Key_Escape);
                return;
            }
            list->setCurrentItem(list->findItems(QString::fromUtf8(s.pick), Qt::MatchExactly).front());
            QTest::keyClick(list, Qt::Key_Return);
        });
        EXPECT_EQ(names, QStringList({"Due", "Tre", "Lira", "Euro", "Yen", "Neg"}));  // never "System"
        EXPECT_EQ(tb->dropDownButton()->toolTip(), QString::fromUtf8(s.display)) << (s.pick ? s.pick : "Esc");
        EXPECT_EQ(tb->displayLabel()->text(), QString::fromUtf8(s.shown)) << (s.pick ? s.pick : "Esc");
        EXPECT_EQ(tb->SelCurrency(), "Tre");
    }
    ASSERT_EQ(messages().messages.size(), 1);
    EXPECT_EQ(messages().messages[0].text, "Invalid change value for currencies : 'Tre' to 'Yen'");
    EXPECT_EQ(messages().messages[0].style, host::mb::Exclamation);
}

TEST_F(CurrencyTextBox, CurrentCurrencyMessage)
{
    TB* tb = currencyBox();
    tb->setHandleCurrencyChanges(true);
    tb->setSelCurrency(QStringLiteral("Lira"));
    tb->setCurrencyDisplayCapt(QStringLiteral("Valuta"));
    // By the button and by Ctrl+Down while editing.
    click(tb->currencyButton());
    focus(tb);
    log.clear();
    key(tb->editField(), Qt::Key_Down, Qt::ControlModifier);
    // The key shows the currency; it is not passed on as a KeyDown.
    for (const QString& e : events({"KeyDown"}))
        EXPECT_FALSE(e.startsWith("KeyDown(40")) << e.toStdString();
    ASSERT_EQ(messages().messages.size(), 2);
    for (const auto& m : messages().messages) {
        EXPECT_EQ(m.text, "Lira");
        EXPECT_EQ(m.title, "Valuta");
        EXPECT_EQ(m.style, host::mb::Information);
    }
    EXPECT_TRUE(tb->editField()->hasFocus());
}

TEST_F(CurrencyTextBox, CurrencyButtonsTakeThePlaceOfOtherSideFeatures)
{
    struct Case {
        int templ;
        const char* other;  // a side feature set before
        bool kept;          // HandleCurrencyChanges afterwards
    };
    const Case cases[] = {
        {TB::ORXTX_Currency, "CheckBoxVisible", true},
        {TB::ORXTX_Currency, "ComboButtonVisible", true},
        {TB::ORXTX_Currency, "SpinButtons", true},
        {TB::ORXTX_Numeric, "SpinButtons", false},
    };
    for (const Case& c : cases) {
        TB* tb = box(c.templ, QStringLiteral("Side%1").arg(form().controls().size()));
        tb->setProperty(c.other, true);
        tb->setHandleCurrencyChanges(true);
        EXPECT_EQ(tb->HandleCurrencyChanges(), c.kept) << c.other;
        EXPECT_EQ(tb->property(c.other).toBool(), !c.kept) << c.other;
        EXPECT_EQ(tb->currencyButton()->isVisibleTo(tb), c.kept) << c.other;
    }
}

TEST_F(CurrencyTextBox, CatalogueFolderFromTheUserSetting)
{
    const QString other = freshFolder(QStringLiteral("other-catalogue"));
    QFile f(other + QStringLiteral("/ORXCurrency.INI"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("[Peso]\r\nSymbol=P\r\nDecimals=1\r\nEuroChange=10\r\n[Euro]\r\nDecimals=2\r\n"
            "[Complete]\r\nList=Peso|Euro\r\n");
    f.close();
    writeFile("ORXCurrency.INI", ItalianCatalogue);
    userSetting("Path", other);
    TB* tb = box(TB::ORXTX_Currency);
    ASSERT_NE(tb->Currencies(), nullptr);
    EXPECT_EQ(tb->Currencies()->Count(), 3);
    EXPECT_TRUE(tb->Currencies()->ExistsCurrency(QStringLiteral("Peso")));
    EXPECT_EQ(tb->ChangeCurrency("Peso", "Euro", amount("25")), amount("2.5"));
    // Another template has no catalogue of its own.
    tb->setTemplate(TB::ORXTX_Numeric);
    EXPECT_EQ(tb->Currencies(), nullptr);
}

TEST_F(CurrencyTextBox, CommitRoundsToTheCurrencysDecimals)
{
    useRegional(basic::RegionalSettings::italian());
    struct Case {
        const char* selected;
        const char* typed;
        const char* want;
    } cases[] = {
        {"Euro", "1234,567", "1234,57"},
        {"Euro", "-5", "-5,00"},
        {"Lira", "1234,4", "1234"},
        {"Euro", "", "0"},  // an amount left empty is 0
        {"Lira", "", "0"},
    };
    for (const Case& c : cases) {
        TB* tb = currencyBox();
        tb->setSelCurrency(QString::fromUtf8(c.selected));
        tb->setText(QString::fromUtf8(c.typed));
        EXPECT_EQ(tb->Text().toString(), QString::fromUtf8(c.want)) << c.selected << " " << c.typed;
        EXPECT_FALSE(tb->ErrorFlag()) << c.selected << " " << c.typed;
    }
}

}  // namespace orx::test
