// The currency record, its patterns and the currency file.
#include "tests/tools/currency/CurrencyTestFiles.h"

#include "platform/basic/Regional.h"
#include "tools/currency/CurrencyFile.h"

#include <QFileInfo>
#include <csignal>
#include <fstream>
#include <gtest/gtest.h>
#include <limits>
#include <sys/resource.h>
#include <sys/stat.h>

using namespace orx;
using namespace orx::tools;
using basic::RegionalSettings;
using basic::ScopedRegional;
using test::Catalogue;

TEST(CurrencyRecord, BuildLayoutEscapesTheSymbol)
{
    const QString coins = QString::fromUtf8("\xF0\x9F\x92\xB0");  // outside the basic plane
    const std::tuple<QString, int, QString> cases[] = {
        {"EUR", 2, R"(\E\U\R #,##0.00;\E\U\R -#,##0.00)"},  {"", 2, "#,##0.00;-#,##0.00"},
        {"L.", 0, R"(\L\. #,##0;\L\. -#,##0)"},            {"", 0, "#,##0;-#,##0"},
        {"#0", 1, R"(\#\0 #,##0.0;\#\0 -#,##0.0)"},        {"$", -3, R"(\$ #,##0;\$ -#,##0)"},
        {coins, 0, "\\" + coins + " #,##0;\\" + coins + " -#,##0"},
    };
    for (const auto& [symbol, decimals, pattern] : cases)
        EXPECT_EQ(BuildLayout(symbol, decimals), pattern) << symbol.toStdString() << " " << decimals;
}

TEST(CurrencyRecord, GuardRefusesOnlyTheExactReservedName)
{
    const std::tuple<bool, QString, bool> cases[] = {
        {true, "System", true},  {true, "system", false}, {true, "SYSTEM", false},
        {true, "System ", false}, {false, "System", false},
    };
    for (const auto& [guarded, name, refused] : cases) {
        ORXCurrency record;
        record.setName(QStringLiteral("Old"));
        record.setNameGuard(guarded);
        const auto error = test::errorOf([&] { record.setName(name); });
        ASSERT_EQ(error.has_value(), refused) << name.toStdString();
        if (error) {
            EXPECT_EQ(error->number(), -2147221503);
            EXPECT_EQ(error->source(), QStringLiteral("ORXCurrency.Name"));
            EXPECT_EQ(error->description(), QStringLiteral("Reserved Name = 'System'"));
        }
        EXPECT_EQ(record.Name(), refused ? QStringLiteral("Old") : name);
    }
    ORXCurrency record;
    record.setName(QStringLiteral("Lira"));
    record.setSymbol(QStringLiteral("L."));
    record.setDecimals(3);
    record.setEuroChange(-1936.27);
    record.setLayoutNoSymb(QStringLiteral("x"));
    EXPECT_EQ(record.Layout(), QString()) << "the record builds no pattern of its own";
    record.setNameGuard(true);
    record.Clear();
    EXPECT_TRUE(record.IsClear());
    EXPECT_EQ(QStringList({record.Symbol(), record.Layout(), record.LayoutNoSymb()}).join(QString()), QString());
    EXPECT_EQ(record.Decimals() + record.EuroChange(), 0.0);
    EXPECT_TRUE(record.nameGuard()) << "Clear keeps the guard";
}

TEST(CurrencyFile, DecimalsLoadAsTheLeadingNumberWithHalvesToEven)
{
    const std::pair<const char*, int> cases[] = {
        {"2.5", 2}, {"3.5", 4}, {"2.51x", 3}, {"-1.5", -2}, {"+.5", 0}, {"12.34.5", 12},
        {"4 digits", 4}, {"1e3", 1}, {"1,5", 1}, {"none", 0}, {"", 0},
    };
    for (const auto& [text, expected] : cases) {
        Catalogue c;
        test::writeAll(c.file(), QByteArray("[A]\r\nDecimals=") + text + "\r\n[Complete]\r\nList=A\r\n");
        c.list.Refresh();
        ASSERT_EQ(c.list.Count(), 2) << text;
        EXPECT_EQ(c.list.CurrencyByIndex(2)->Decimals(), expected) << text;
        EXPECT_EQ(c.list.CurrencyByIndex(2)->LayoutNoSymb(), BuildLayout(QString(), expected)) << text;
    }
}

TEST(CurrencyFile, SampleRoundTripsUnderItalianAndUnitedStatesSettings)
{
    EXPECT_EQ(test::readAll(test::sampleCatalogueFile()), test::ItalianSampleCatalogue);
    // The file carries no locale: under United States settings the Italian
    // "1936,27" holds a thousands separator.
    const std::tuple<RegionalSettings, const char*, double> cases[] = {
        {RegionalSettings::italian(), "1936,27", 1936.27}, {RegionalSettings::unitedStates(), "1936.27", 193627}};
    for (const auto& [settings, writtenRate, italianRate] : cases) {
        ScopedRegional regional(settings);
        QByteArray expected = test::ItalianSampleCatalogue;
        expected.replace("1936,27", writtenRate);
        Catalogue written;
        written.list.Refresh();
        written.add("Lira", "L.", 0, 1936.27);
        written.add("Euro", "EUR", 2, 0);
        written.list.Update();
        EXPECT_EQ(test::readAll(written.file()), expected) << writtenRate;

        ORXCurrencies& read = written.list;
        read.Refresh();
        ASSERT_EQ(test::namesOf(read), QStringList({"System", "Lira", "Euro"}));
        const ORXCurrency* lira = read.CurrencyByName(QStringLiteral("LIRA"));
        EXPECT_EQ(lira->Symbol() + lira->Layout(), QStringLiteral(R"(L.\L\. #,##0;\L\. -#,##0)"));
        EXPECT_DOUBLE_EQ(lira->EuroChange(), 1936.27);
        EXPECT_EQ(read.CurrencyByIndex(3)->Layout(), QStringLiteral(R"(\E\U\R #,##0.00;\E\U\R -#,##0.00)"));
        read.Update();
        EXPECT_EQ(test::readAll(written.file()), expected) << "reading and storing again changes nothing";

        test::writeAll(written.file(), test::ItalianSampleCatalogue);
        read.Refresh();
        EXPECT_EQ(read.CurrencyByIndex(2)->EuroChange(), italianRate) << writtenRate;
    }
}

TEST(CurrencyFile, ALoadFailureKeepsTheCurrenciesReadBeforeIt)
{
    ScopedRegional it(RegionalSettings::italian());
    const std::tuple<const char*, int, QStringList> cases[] = {
        {"A|Bad|B", 13, {"System", "A", "Bad"}},
        {"A|System|B", -2147221503, {"System", "A", ""}},
        {"A|Huge|B", 6, {"System", "A", "Huge"}},
    };
    for (const auto& [names, number, loaded] : cases) {
        Catalogue c;
        const QByteArray file = QByteArray("[A]\r\nEuroChange=2\r\n[Bad]\r\nEuroChange=two\r\n[Huge]\r\n"
                                           "Decimals=40000\r\n[B]\r\nEuroChange=3\r\n[Complete]\r\nList=")
            + names + "\r\n";
        test::writeAll(c.file(), file);
        const auto error = test::errorOf([&] { c.list.Refresh(); });
        ASSERT_TRUE(error) << names;
        EXPECT_EQ(error->number(), number) << names;
        EXPECT_EQ(test::namesOf(c.list), loaded) << names;

        // The part read is not written over the whole: B would be lost.
        const auto refused = test::errorOf([&] { c.list.Update(); });
        ASSERT_TRUE(refused) << names;
        EXPECT_EQ(refused->number(), 75) << names;
        EXPECT_EQ(refused->source(), QStringLiteral("ORXCurrencies.Update")) << names;
        EXPECT_TRUE(refused->description().contains(error->description())) << refused->description().toStdString();
        EXPECT_EQ(test::readAll(c.file()), file) << names;

        // Once the file is mended, a Refresh reads it whole and Update writes again.
        test::writeAll(c.file(), "[A]\r\nEuroChange=2\r\n[Complete]\r\nList=A\r\n");
        c.list.Refresh();
        c.add(QStringLiteral("Dollar"), QStringLiteral("$"), 2, 1.1);
        c.list.Update();
        EXPECT_TRUE(test::readAll(c.file()).contains("List=A|Dollar")) << names;
    }
    // Clear is the caller's word that the old contents go.
    Catalogue c;
    test::writeAll(c.file(), "[Bad]\r\nEuroChange=two\r\n[Complete]\r\nList=Bad\r\n");
    EXPECT_TRUE(test::errorOf([&] { c.list.Refresh(); }));
    c.list.Clear();
    c.add(QStringLiteral("Dollar"), QStringLiteral("$"), 2, 1.1);
    c.list.Update();
    EXPECT_TRUE(test::readAll(c.file()).contains("List=Dollar"));
}

TEST(CurrencyFile, ListIsReadWholeAndOtherValuesAreCut)
{
    Catalogue c;
    c.list.Refresh();
    for (int i = 1; i <= 40; ++i)
        c.add(QStringLiteral("Currency%1").arg(i), QString(i == 1 ? 300 : 1, QLatin1Char('s')), 2, i);
    const QStringList names = test::namesOf(c.list);
    c.list.Update();
    ASSERT_GT(ReadCurrencyList(profile::ProfileReader(c.file())).size(), 254);
    const QByteArray first = test::readAll(c.file());

    c.list.Refresh();
    EXPECT_EQ(test::namesOf(c.list), names);
    EXPECT_EQ(c.list.CurrencyByIndex(41)->EuroChange(), 40.0);
    EXPECT_EQ(c.list.CurrencyByIndex(2)->Symbol(), QString(254, QLatin1Char('s')));
    c.list.CurrencyByIndex(2)->setSymbol(QString(300, QLatin1Char('s')));
    c.list.Update();
    EXPECT_EQ(test::readAll(c.file()), first) << "a refresh and an update drop no currency";
}

TEST(CurrencyFile, UpdateStoresEveryRecordButTheSystemCurrency)
{
    ScopedRegional us(RegionalSettings::unitedStates());
    const std::pair<QStringList, QByteArray> cases[] = {
        {{}, ""},
        // Only the exact reserved name is the system currency; "system" and
        // "SYSTEM" are stored currencies (sharing one section) and stay.
        {{"system", "SYSTEM", ""}, "[system]\r\nSymbol=\r\nDecimals=0\r\nEuroChange=0\r\n[Complete]\r\nList=system|SYSTEM|\r\n"},
        {{"A", "", "B", ""}, "[A]\r\nSymbol=\r\nDecimals=0\r\nEuroChange=0\r\n[B]\r\nSymbol=\r\nDecimals=0\r\n"
                             "EuroChange=0\r\n[Complete]\r\nList=A||B|\r\n"},
        {{"", ""}, "[Complete]\r\nList=|\r\n"},
    };
    for (const auto& [names, file] : cases) {
        Catalogue c;
        test::writeAll(c.file(), test::ItalianSampleCatalogue);
        c.list.Refresh();
        c.list.RemoveCurrency(3);
        c.list.RemoveCurrency(2);
        for (const QString& name : names)
            c.add(name);
        c.list.Update();
        EXPECT_EQ(QFile::exists(c.file()), !file.isEmpty()) << names.join('|').toStdString();
        EXPECT_EQ(test::readAll(c.file()), file) << names.join('|').toStdString();
        c.list.Refresh();
        EXPECT_EQ(test::namesOf(c.list).join('|'), file.isEmpty() ? "System" : "System|" + names.join('|'));
    }
}

TEST(CurrencyFile, UpdateLeavesTheOldFileWholeWhenTheNewOneCannotBeWritten)
{
    ScopedRegional it(RegionalSettings::italian());
    const std::tuple<const char*, QString, QString, rlim_t> cases[] = {
        {"disk full", "Dollar", "$", 64},  // a file-size limit fails the write part-way
        {"list separator in a name", "A|B", "$", RLIM_INFINITY},
        {"bracket in a name", "A]B", "$", RLIM_INFINITY},
        {"name of spaces", "  ", "$", RLIM_INFINITY},
        {"line break in a symbol", "Dollar", "$\r\n[Complete]", RLIM_INFINITY},
    };
    for (const auto& [what, name, symbol, sizeLimit] : cases) {
        Catalogue c;
        test::writeAll(c.file(), test::ItalianSampleCatalogue);
        c.list.Refresh();
        for (int i = 0; i < 20; ++i)
            c.add(QStringLiteral("Extra%1").arg(i), QStringLiteral("X"), 2, 1.5);
        c.add(name, symbol, 2, 1.1);
        rlimit saved{};
        getrlimit(RLIMIT_FSIZE, &saved);
        const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limited = saved;
        limited.rlim_cur = std::min(sizeLimit, saved.rlim_max);
        setrlimit(RLIMIT_FSIZE, &limited);
        const auto error = test::errorOf([&] { c.list.Update(); });
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, oldHandler);

        ASSERT_TRUE(error) << what << ": a failed update is reported";
        EXPECT_EQ(error->number(), 75) << what;
        EXPECT_EQ(error->source(), QStringLiteral("ORXCurrencies.Update")) << what;
        EXPECT_EQ(test::readAll(c.file()), test::ItalianSampleCatalogue) << what;
        EXPECT_EQ(QDir(c.folder).entryList(QDir::Files | QDir::Hidden), QStringList{"ORXCurrency.INI"})
            << what << ": no temporary file is left";
    }
}

TEST(CurrencyFile, ReservedNameInAnotherCaseSurvivesRefreshAndUpdate)
{
    // Refresh refuses only "System" itself, so these are ordinary currencies
    // and Update must write them back.
    ScopedRegional us(RegionalSettings::unitedStates());
    for (const char* name : {"system", "SYSTEM", "sYstem"}) {
        Catalogue c;
        const QByteArray file = QByteArray("[Lira]\r\nSymbol=L.\r\nDecimals=0\r\nEuroChange=1936.27\r\n[") + name
            + "]\r\nSymbol=S\r\nDecimals=2\r\nEuroChange=3\r\n[Euro]\r\nSymbol=EUR\r\nDecimals=2\r\nEuroChange=0\r\n"
              "[Complete]\r\nList=Lira|" + name + "|Euro\r\n";
        test::writeAll(c.file(), file);
        c.list.Refresh();
        ASSERT_EQ(test::namesOf(c.list), QStringList({"System", "Lira", name, "Euro"})) << name;
        EXPECT_EQ(c.list.CurrencyByIndex(3)->EuroChange(), 3.0) << name;
        c.list.Update();
        EXPECT_EQ(test::readAll(c.file()), file) << name << ": nothing in the file is lost";
    }
}

TEST(CurrencyFile, UpdateRefusesARateThatIsNotAFiniteNumber)
{
    ScopedRegional it(RegionalSettings::italian());
    for (double rate : {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity(),
                        -std::numeric_limits<double>::infinity()}) {
        Catalogue c;
        test::writeAll(c.file(), test::ItalianSampleCatalogue);
        c.list.Refresh();
        c.add(QStringLiteral("Dollar"), QStringLiteral("$"), 2, rate);
        const auto error = test::errorOf([&] { c.list.Update(); });
        ASSERT_TRUE(error) << rate;
        EXPECT_EQ(error->number(), 75) << rate;
        EXPECT_EQ(error->source(), QStringLiteral("ORXCurrencies.Update")) << rate;
        EXPECT_TRUE(error->description().contains(QLatin1String("Dollar"))) << error->description().toStdString();
        EXPECT_EQ(test::readAll(c.file()), test::ItalianSampleCatalogue) << rate;
    }
}

TEST(CurrencyFile, ACatalogueThatIsNotARegularFileIsNeitherWaitedOnNorReplaced)
{
    // A pipe with no writer would block a plain read for ever.
    Catalogue c;
    ASSERT_EQ(::mkfifo(QFile::encodeName(c.file()).constData(), 0600), 0);
    c.list.Refresh();
    EXPECT_EQ(test::namesOf(c.list), QStringList{"System"});
    for (bool empty : {false, true}) {
        if (!empty)
            c.add(QStringLiteral("Dollar"), QStringLiteral("$"), 2, 1.1);
        else
            c.list.Clear();
        const auto error = test::errorOf([&] { c.list.Update(); });
        ASSERT_TRUE(error) << "empty: " << empty;
        EXPECT_EQ(error->number(), 75);
        struct stat info {};
        ASSERT_EQ(::stat(QFile::encodeName(c.file()).constData(), &info), 0);
        EXPECT_TRUE(S_ISFIFO(info.st_mode)) << "the pipe stays";
    }
}

namespace {

// Bytes this process has read from files and pipes so far.
std::optional<long long> bytesReadByProcess()
{
    std::ifstream io("/proc/self/io");
    std::string name;
    long long value = 0;
    while (io >> name >> value) {
        if (name == "rchar:")
            return value;
    }
    return std::nullopt;
}

}  // namespace

TEST(CurrencyFile, RefreshReadsTheFileOnceHoweverManyCurrenciesItLists)
{
    ScopedRegional us(RegionalSettings::unitedStates());
    Catalogue c;
    constexpr int kCount = 10000;
    QList<CurrencyEntry> entries;
    for (int i = 0; i < kCount; ++i)
        entries.append({QStringLiteral("C%1").arg(i), QStringLiteral("S%1").arg(i), short(i % 5), 1.0 + i / 4.0});
    QString error;
    ASSERT_TRUE(WriteCurrencyFile(c.file(), entries, &error)) << error.toStdString();
    const qint64 size = QFileInfo(c.file()).size();

    const std::optional<long long> before = bytesReadByProcess();
    c.list.Refresh();
    const std::optional<long long> after = bytesReadByProcess();

    ASSERT_EQ(c.list.Count(), kCount + 1);
    for (int i : {0, 1, 4999, kCount - 1}) {
        const ORXCurrency* record = c.list.CurrencyByIndex(i + 2);
        EXPECT_EQ(record->Name(), entries[i].name);
        EXPECT_EQ(record->Symbol(), entries[i].symbol);
        EXPECT_EQ(record->Decimals(), entries[i].decimals);
        EXPECT_EQ(record->EuroChange(), entries[i].euroChange);
        EXPECT_EQ(record->Layout(), BuildLayout(entries[i].symbol, entries[i].decimals));
    }
    if (!before || !after)
        GTEST_SKIP() << "this system does not count the bytes a process reads";
    // One reading of the file, with room for whatever else the process reads
    // meanwhile; a reading per value would be thousands of times the size.
    EXPECT_LT(*after - *before, 2 * size);
}
