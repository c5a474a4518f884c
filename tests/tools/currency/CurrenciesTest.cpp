// The currency collection: look-ups, list rules, the folder and the system currency.
#include "tests/tools/currency/CurrencyTestFiles.h"

#include "platform/basic/Regional.h"
#include "platform/com/Dispatch.h"

#include <gtest/gtest.h>

using namespace orx;
using namespace orx::tools;
using basic::RegionalSettings;

namespace {

// "" stands for a cleared record.
void fill(ORXCurrencies& list, const QStringList& names)
{
    for (const QString& name : names)
        list.NewCurrency()->setName(name);
}

}  // namespace

TEST(Currencies, RefreshWithoutAFileHoldsTheSystemCurrencyAlone)
{
    RegionalSettings noDecimals = RegionalSettings::italian();
    noDecimals.currencySymbol = QStringLiteral("#0");
    noDecimals.currencyDigits = 0;
    const RegionalSettings cases[] = {RegionalSettings::italian(), RegionalSettings::unitedStates(), noDecimals};
    for (const RegionalSettings& settings : cases) {
        basic::ScopedRegional regional(settings);
        test::Catalogue c;
        EXPECT_EQ(c.list.Count(), 0) << "nothing is loaded before a refresh";
        c.list.Refresh();
        ASSERT_EQ(c.list.Count(), 1);
        ORXCurrency* system = c.list.CurrencyByIndex(1);
        EXPECT_EQ(system->Name() + system->Symbol(), "System" + settings.currencySymbol);
        EXPECT_EQ(system->Decimals(), settings.currencyDigits);
        EXPECT_EQ(system->Layout(), BuildLayout(settings.currencySymbol, settings.currencyDigits));
        EXPECT_EQ(system->LayoutNoSymb(), BuildLayout(QString(), settings.currencyDigits));
        EXPECT_TRUE(system->nameGuard()) << "the guard is back on after naming the system currency";
    }
}

TEST(Currencies, LookUpsIgnoreCaseAndPositionsAreOneBased)
{
    ORXCurrencies list;
    fill(list, {"system", "Lira", "Euro", "lira"});
    const std::pair<QString, int> cases[] = {{"SYSTEM", 1}, {"LIRA", 2}, {"lira", 2}, {"euro", 3}, {"Yen", 0}, {"", 0}};
    for (const auto& [name, position] : cases) {
        EXPECT_EQ(list.CurrencyByName(name), list.CurrencyByIndex(position)) << name.toStdString();
        EXPECT_EQ(list.ExistsCurrency(name), position != 0) << name.toStdString();
    }
    for (int index : {-1, 0, 5})
        EXPECT_EQ(list.CurrencyByIndex(index), nullptr) << index;
}

TEST(Currencies, CompactFillAndRemoveKeepTheRules)
{
    using Action = int (*)(ORXCurrencies&);  // what the member returned, or -1
    const std::tuple<const char*, QStringList, Action, QStringList, int> cases[] = {
        {"compact", {"system", "A", "", "B", "", ""}, [](ORXCurrencies& l) { l.Compact(); return -1; },
         {"system", "A", "", "B"}, -1},
        {"compact all", {"", ""}, [](ORXCurrencies& l) { l.Compact(); return -1; }, {}, -1},
        {"fill less", {"A", "B", "C"}, [](ORXCurrencies& l) { l.Fill(2); return -1; }, {"A", "B", "C"}, -1},
        {"fill more", {"A"}, [](ORXCurrencies& l) { l.Fill(3); return -1; }, {"A", "", ""}, -1},
        {"remove", {"A", "B", "C"}, [](ORXCurrencies& l) { return l.RemoveCurrency(2); }, {"A", "C"}, 2},
        {"remove past end", {"A", "B"}, [](ORXCurrencies& l) { return l.RemoveCurrency(3); }, {"A", "B"}, 2},
        {"remove zero", {"A", "B"}, [](ORXCurrencies& l) { return l.RemoveCurrency(0); }, {"A", "B"}, 2},
        {"clear", {"A", "B"}, [](ORXCurrencies& l) { l.Clear(); return -1; }, {}, -1},
    };
    for (const auto& [what, before, action, after, result] : cases) {
        ORXCurrencies list;
        fill(list, before);
        EXPECT_EQ(action(list), result) << what;
        EXPECT_EQ(test::namesOf(list), after) << what;
        for (int i = 1; i <= list.Count(); ++i)
            EXPECT_TRUE(list.CurrencyByIndex(i)->nameGuard()) << what << ": every record of a collection is guarded";
    }
}

TEST(Currencies, FolderGetsAFinalSeparatorAndHoldsTheFile)
{
    const std::pair<const char*, const char*> cases[] = {
        {"", ""}, {"C:\\ORX", "C:\\ORX\\"}, {"C:\\ORX\\", "C:\\ORX\\"},
        {"/srv/orx", "/srv/orx\\"}, {"/srv/orx/", "/srv/orx/"}};
    for (const auto& [given, stored] : cases) {
        ORXCurrencies list;
        list.setPathINI(QString::fromLatin1(given));
        EXPECT_EQ(list.PathINI(), QString::fromLatin1(stored)) << given;
    }
    basic::ScopedRegional it(RegionalSettings::italian());
    test::Catalogue c;
    test::writeAll(c.file(), test::ItalianSampleCatalogue);
    for (const QString& path : {c.folder, c.folder + '/', c.folder + '\\'}) {
        c.list.setPathINI(path);
        c.list.Refresh();
        EXPECT_EQ(test::namesOf(c.list), QStringList({"System", "Lira", "Euro"})) << path.toStdString();
    }
}

TEST(Currencies, MembersAnswerByNameAndByDispatchIdentifier)
{
    ORXCurrencies list;
    fill(list, {"system", "Lira"});
    EXPECT_EQ(com::invoke(&list, 0, {}, com::DispatchKind::PropertyGet).toInt(), 2);
    auto* lira = qobject_cast<ORXCurrency*>(
        com::invoke(&list, QStringLiteral("currencybyname"), {QStringLiteral("LIRA")}).value<QObject*>());
    ASSERT_EQ(lira, list.CurrencyByIndex(2));
    com::invoke(lira, 0, {QStringLiteral("Lire")}, com::DispatchKind::PropertyPut);
    EXPECT_EQ(com::invoke(lira, 0, {}, com::DispatchKind::PropertyGet).toString(), QStringLiteral("Lire"));
    EXPECT_THROW(com::invoke(lira, QStringLiteral("Name"), {QStringLiteral("System")}, com::DispatchKind::PropertyPut),
                 basic::BasicError);
    EXPECT_EQ(com::invoke(&list, QStringLiteral("EuroCurrencyName"), {}, com::DispatchKind::PropertyGet).toString()
                  + list.SystemCurrencyName(),
              QStringLiteral("EuroSystem"));
}
