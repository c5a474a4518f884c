// The currency collection: look-ups, list rules, the folder and the system currency.
#include "tests/tools/currency/CurrencyTestFiles.h"

#include "platform/basic/BasicError.h"
#include "platform/basic/Regional.h"
#include "platform/com/Dispatch.h"
#include "tools/currency/ORXCurrencies.h"

#include <QCoreApplication>
#include <QPointer>
#include <gtest/gtest.h>

using namespace orx;
using namespace orx::tools;
using basic::RegionalSettings;
using basic::ScopedRegional;

namespace {

// Builds a list from names; "" stands for a cleared record.
void fill(ORXCurrencies& list, const QStringList& names)
{
    for (const QString& name : names)
        list.NewCurrency()->setName(name);
}

QStringList namesOf(const ORXCurrencies& list)
{
    QStringList names;
    for (int i = 1; i <= list.Count(); ++i)
        names << list.CurrencyByIndex(i)->Name();
    return names;
}

}  // namespace

TEST(Currencies, RefreshWithoutAFileHoldsTheSystemCurrencyAlone)
{
    struct Case {
        RegionalSettings settings;
        int decimals;
    };
    RegionalSettings noDecimals = RegionalSettings::italian();
    noDecimals.currencySymbol = QStringLiteral("#0");
    noDecimals.currencyDigits = 0;
    const Case cases[] = {
        {RegionalSettings::italian(), 2}, {RegionalSettings::unitedStates(), 2}, {noDecimals, 0}};
    for (const Case& c : cases) {
        ScopedRegional regional(c.settings);
        test::CurrencyFolder dir;
        ORXCurrencies list;
        EXPECT_EQ(list.Count(), 0) << "nothing is loaded before a refresh";
        list.setPathINI(dir.pathIni());
        list.Refresh();
        ASSERT_EQ(list.Count(), 1);
        ORXCurrency* system = list.CurrencyByIndex(1);
        EXPECT_EQ(system->Name(), QStringLiteral("System"));
        EXPECT_EQ(system->Symbol(), c.settings.currencySymbol);
        EXPECT_EQ(system->Decimals(), c.decimals);
        EXPECT_EQ(system->Layout(), BuildLayout(c.settings.currencySymbol, c.decimals));
        EXPECT_EQ(system->LayoutNoSymb(), BuildLayout(QString(), c.decimals));
        EXPECT_EQ(system->EuroChange(), 0.0);
        EXPECT_TRUE(system->nameGuard()) << "the guard is back on after naming the system currency";
        EXPECT_THROW(list.NewCurrency()->setName(QStringLiteral("System")), basic::BasicError);
    }
}

TEST(Currencies, LookUpsIgnoreCaseAndPositionsAreOneBased)
{
    ORXCurrencies list;
    fill(list, {"system", "Lira", "Euro", "lira"});
    struct Case {
        QString name;
        int position;  // 0: none
    };
    const Case cases[] = {{"System", 1}, {"SYSTEM", 1}, {"LIRA", 2}, {"lira", 2}, {"euro", 3}, {"Dollar", 0}, {"", 0}};
    for (const Case& c : cases) {
        EXPECT_EQ(list.CurrencyByName(c.name), list.CurrencyByIndex(c.position)) << c.name.toStdString();
        EXPECT_EQ(list.ExistsCurrency(c.name), c.position != 0) << c.name.toStdString();
    }
    for (int index : {-1, 0, 5})
        EXPECT_EQ(list.CurrencyByIndex(index), nullptr) << index;
    EXPECT_EQ(list.EuroCurrencyName(), QStringLiteral("Euro"));
    EXPECT_EQ(list.SystemCurrencyName(), QStringLiteral("System"));
}

TEST(Currencies, CompactFillAndRemoveKeepTheRules)
{
    struct Case {
        const char* what;
        QStringList before;
        std::function<int(ORXCurrencies&)> action;  // returns what the member returned, or -1
        QStringList after;
        int result;
    };
    const Case cases[] = {
        {"compact trailing", {"system", "A", "", "B", "", ""}, [](ORXCurrencies& l) { l.Compact(); return -1; },
         {"system", "A", "", "B"}, -1},
        {"compact all cleared", {"", ""}, [](ORXCurrencies& l) { l.Compact(); return -1; }, {}, -1},
        {"fill never removes", {"A", "B", "C", "D", "E"}, [](ORXCurrencies& l) { l.Fill(3); return -1; },
         {"A", "B", "C", "D", "E"}, -1},
        {"fill appends cleared", {"A"}, [](ORXCurrencies& l) { l.Fill(3); return -1; }, {"A", "", ""}, -1},
        {"fill negative", {}, [](ORXCurrencies& l) { l.Fill(-2); return -1; }, {}, -1},
        {"remove middle", {"A", "B", "C"}, [](ORXCurrencies& l) { return l.RemoveCurrency(2); }, {"A", "C"}, 2},
        {"remove past end", {"A", "B"}, [](ORXCurrencies& l) { return l.RemoveCurrency(3); }, {"A", "B"}, 2},
        {"remove zero", {"A", "B"}, [](ORXCurrencies& l) { return l.RemoveCurrency(0); }, {"A", "B"}, 2},
        {"clear", {"A", "B"}, [](ORXCurrencies& l) { l.Clear(); return -1; }, {}, -1},
    };
    for (const Case& c : cases) {
        ORXCurrencies list;
        fill(list, c.before);
        EXPECT_EQ(c.action(list), c.result) << c.what;
        EXPECT_EQ(namesOf(list), c.after) << c.what;
        for (int i = 1; i <= list.Count(); ++i)
            EXPECT_TRUE(list.CurrencyByIndex(i)->nameGuard()) << c.what << ": every record of a collection is guarded";
    }
}

TEST(Currencies, RemovedRecordsGoOnceBackInTheEventLoop)
{
    ORXCurrencies list;
    fill(list, {"A", "B", "C"});
    QPointer<ORXCurrency> removed = list.CurrencyByIndex(2);
    QPointer<ORXCurrency> cleared = list.CurrencyByIndex(3);
    list.RemoveCurrency(2);
    EXPECT_EQ(removed->Name(), QStringLiteral("B")) << "still readable by the caller that removed it";
    list.Clear();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(removed.isNull());
    EXPECT_TRUE(cleared.isNull());
}

TEST(Currencies, PathGetsAFinalSeparator)
{
    const std::pair<const char*, const char*> cases[] = {
        {"", ""},
        {"C:\\Program Files\\ORX", "C:\\Program Files\\ORX\\"},
        {"C:\\ORX\\", "C:\\ORX\\"},
        {"/srv/currencies", "/srv/currencies\\"},
        {"/srv/currencies/", "/srv/currencies/"},
    };
    for (const auto& [given, stored] : cases) {
        ORXCurrencies list;
        list.setPathINI(QString::fromLatin1(given));
        EXPECT_EQ(list.PathINI(), QString::fromLatin1(stored)) << given;
    }
}

TEST(Currencies, FileIsFoundInTheFolderEitherWayItIsWritten)
{
    ScopedRegional it(RegionalSettings::italian());
    test::CurrencyFolder dir;
    test::writeAll(dir.file(), test::ItalianSampleCatalogue);
    for (const QString& path : {dir.folder, dir.pathIni()}) {
        ORXCurrencies list;
        list.setPathINI(path);
        list.Refresh();
        EXPECT_EQ(namesOf(list), QStringList({"System", "Lira", "Euro"})) << path.toStdString();
    }
}

TEST(Currencies, MembersAnswerByNameAndByDispatchIdentifier)
{
    ORXCurrencies list;
    fill(list, {"system", "Lira"});
    EXPECT_EQ(com::invoke(&list, 0, {}, com::DispatchKind::PropertyGet).toInt(), 2);
    EXPECT_EQ(com::invoke(&list, QStringLiteral("count"), {}, com::DispatchKind::PropertyGet).toInt(), 2);
    auto* lira = qobject_cast<ORXCurrency*>(
        com::invoke(&list, QStringLiteral("CurrencyByName"), {QStringLiteral("LIRA")}).value<QObject*>());
    ASSERT_EQ(lira, list.CurrencyByIndex(2));
    EXPECT_EQ(com::invoke(lira, 0, {}, com::DispatchKind::PropertyGet).toString(), QStringLiteral("Lira"));
    com::invoke(lira, 0, {QStringLiteral("Lire")}, com::DispatchKind::PropertyPut);
    EXPECT_EQ(lira->Name(), QStringLiteral("Lire"));
    EXPECT_THROW(com::invoke(lira, QStringLiteral("Name"), {QStringLiteral("System")}, com::DispatchKind::PropertyPut),
                 basic::BasicError);
    EXPECT_EQ(com::invoke(&list, QStringLiteral("RemoveCurrency"), {1}).toInt(), 1);
}
