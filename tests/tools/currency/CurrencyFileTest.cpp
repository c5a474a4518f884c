// The currency record, its patterns and the currency file.
#include "tests/tools/currency/CurrencyTestFiles.h"

#include "platform/basic/BasicError.h"
#include "platform/basic/Regional.h"
#include "tools/currency/CurrencyFile.h"
#include "tools/currency/ORXCurrencies.h"

#include <QDir>
#include <csignal>
#include <functional>
#include <gtest/gtest.h>
#include <optional>
#include <sys/resource.h>

using namespace orx;
using namespace orx::tools;
using basic::BasicError;
using basic::RegionalSettings;
using basic::ScopedRegional;

namespace {

std::optional<BasicError> errorOf(const std::function<void()>& action)
{
    try {
        action();
    } catch (const BasicError& e) {
        return e;
    }
    return std::nullopt;
}

QStringList namesOf(const ORXCurrencies& list)
{
    QStringList names;
    for (int i = 1; i <= list.Count(); ++i)
        names << list.CurrencyByIndex(i)->Name();
    return names;
}

void addCurrency(ORXCurrencies& list, const QString& name, const QString& symbol, short decimals, double rate)
{
    ORXCurrency* c = list.NewCurrency();
    c->setName(name);
    c->setSymbol(symbol);
    c->setDecimals(decimals);
    c->setEuroChange(rate);
}

}  // namespace

TEST(CurrencyRecord, BuildLayoutEscapesTheSymbol)
{
    struct Case {
        QString symbol;
        int decimals;
        QString pattern;
    };
    const Case cases[] = {
        {"EUR", 2, R"(\E\U\R #,##0.00;\E\U\R -#,##0.00)"},
        {"", 2, "#,##0.00;-#,##0.00"},
        {"L.", 0, R"(\L\. #,##0;\L\. -#,##0)"},
        {"", 0, "#,##0;-#,##0"},
        {"#0", 1, R"(\#\0 #,##0.0;\#\0 -#,##0.0)"},
        {"$", -3, R"(\$ #,##0;\$ -#,##0)"},
        {"\\", 4, R"(\\ #,##0.0000;\\ -#,##0.0000)"},
        // A character outside the basic plane stays whole behind one backslash.
        {QString::fromUtf8("\xF0\x9F\x92\xB0"), 0, QString::fromUtf8("\\\xF0\x9F\x92\xB0 #,##0;\\\xF0\x9F\x92\xB0 -#,##0")},
    };
    for (const Case& c : cases)
        EXPECT_EQ(BuildLayout(c.symbol, c.decimals), c.pattern) << c.symbol.toStdString() << " " << c.decimals;
}

TEST(CurrencyRecord, GuardRefusesOnlyTheExactReservedName)
{
    struct Case {
        bool guarded;
        QString name;
        bool refused;
    };
    const Case cases[] = {
        {true, "System", true}, {true, "system", false}, {true, "SYSTEM", false},
        {true, "System ", false}, {false, "System", false}, {true, "Lira", false},
    };
    for (const Case& c : cases) {
        ORXCurrency record;
        record.setName(QStringLiteral("Old"));
        record.setNameGuard(c.guarded);
        const auto error = errorOf([&] { record.setName(c.name); });
        EXPECT_EQ(error.has_value(), c.refused) << c.name.toStdString();
        if (error) {
            EXPECT_EQ(error->number(), -2147221503);
            EXPECT_EQ(error->source(), QStringLiteral("ORXCurrency.Name"));
            EXPECT_EQ(error->description(), QStringLiteral("Reserved Name = 'System'"));
        }
        EXPECT_EQ(record.Name(), c.refused ? QStringLiteral("Old") : c.name);
    }
}

TEST(CurrencyRecord, StoresWhatItIsGivenAndClearKeepsTheGuard)
{
    ORXCurrency record;
    EXPECT_TRUE(record.IsClear());
    EXPECT_FALSE(record.nameGuard()) << "a record of its own does not guard the name";
    record.setName(QStringLiteral("Lira"));
    record.setSymbol(QStringLiteral("L."));
    record.setDecimals(-2);
    record.setEuroChange(-1936.27);
    record.setLayout(QStringLiteral("custom"));
    EXPECT_FALSE(record.IsClear());
    EXPECT_EQ(record.Layout(), QStringLiteral("custom")) << "setting the symbol builds no pattern";
    EXPECT_EQ(record.Decimals(), -2);
    EXPECT_EQ(record.EuroChange(), -1936.27);

    record.setNameGuard(true);
    record.Clear();
    EXPECT_TRUE(record.IsClear());
    EXPECT_EQ(record.Symbol(), QString());
    EXPECT_EQ(record.Layout(), QString());
    EXPECT_EQ(record.LayoutNoSymb(), QString());
    EXPECT_EQ(record.Decimals(), 0);
    EXPECT_EQ(record.EuroChange(), 0.0);
    EXPECT_TRUE(record.nameGuard());
}

TEST(CurrencyFile, LeadingNumberStopsAtTheFirstOtherCharacter)
{
    const std::pair<const char*, double> cases[] = {
        {"2.5", 2.5}, {"3.5x", 3.5}, {"-1.5", -1.5}, {"+.5", 0.5}, {"12.34.5", 12.34}, {"7 8", 7},
        {"1e3", 1}, {"1,5", 1}, {"abc", 0}, {".", 0}, {"-", 0}, {"", 0},
    };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(LeadingNumber(QString::fromLatin1(text)), expected) << text;
}

TEST(CurrencyFile, DecimalsLoadAsTheLeadingNumberWithHalvesToEven)
{
    test::CurrencyFolder dir;
    const std::pair<const char*, int> cases[] = {
        {"2.5", 2}, {"3.5", 4}, {"2.51", 3}, {"-1.5", -2}, {"4 digits", 4}, {"none", 0}, {"", 0},
    };
    for (const auto& [text, expected] : cases) {
        test::writeAll(dir.file(), QByteArray("[A]\r\nDecimals=") + text + "\r\n[Complete]\r\nList=A\r\n");
        ORXCurrencies list;
        list.setPathINI(dir.pathIni());
        list.Refresh();
        ASSERT_EQ(list.Count(), 2) << text;
        EXPECT_EQ(list.CurrencyByIndex(2)->Decimals(), expected) << text;
        EXPECT_EQ(list.CurrencyByIndex(2)->LayoutNoSymb(), BuildLayout(QString(), expected)) << text;
    }
}

TEST(CurrencyFile, SampleRoundTripsUnderItalianAndUnitedStatesSettings)
{
    EXPECT_EQ(test::readAll(test::sampleCatalogueFile()), test::ItalianSampleCatalogue)
        << "samples/ORXCurrency.INI is the catalogue the tests use";
    struct Case {
        RegionalSettings settings;
        const char* writtenRate;
    };
    const Case cases[] = {{RegionalSettings::italian(), "1936,27"}, {RegionalSettings::unitedStates(), "1936.27"}};
    for (const Case& c : cases) {
        ScopedRegional regional(c.settings);
        test::CurrencyFolder dir;
        QByteArray expected = test::ItalianSampleCatalogue;
        expected.replace("1936,27", c.writtenRate);

        ORXCurrencies written;
        written.setPathINI(dir.pathIni());
        written.Refresh();
        addCurrency(written, "Lira", "L.", 0, 1936.27);
        addCurrency(written, "Euro", "EUR", 2, 0);
        written.Update();
        EXPECT_EQ(test::readAll(dir.file()), expected) << c.writtenRate;

        ORXCurrencies read;
        read.setPathINI(dir.pathIni());
        read.Refresh();
        ASSERT_EQ(namesOf(read), QStringList({"System", "Lira", "Euro"}));
        const ORXCurrency* lira = read.CurrencyByName(QStringLiteral("LIRA"));
        EXPECT_EQ(lira->Symbol(), QStringLiteral("L."));
        EXPECT_EQ(lira->Decimals(), 0);
        EXPECT_DOUBLE_EQ(lira->EuroChange(), 1936.27);
        EXPECT_EQ(lira->Layout(), QStringLiteral(R"(\L\. #,##0;\L\. -#,##0)"));
        EXPECT_EQ(read.CurrencyByIndex(3)->Layout(), QStringLiteral(R"(\E\U\R #,##0.00;\E\U\R -#,##0.00)"));
        EXPECT_EQ(read.CurrencyByIndex(3)->EuroChange(), 0.0);

        read.Update();
        EXPECT_EQ(test::readAll(dir.file()), expected) << "reading and storing again changes nothing";
    }
}

TEST(CurrencyFile, RatesAreReadInTheUsersRegionalFormat)
{
    // The file carries no locale: an Italian "1936,27" under United States
    // settings has a thousands separator in it.
    test::CurrencyFolder dir;
    test::writeAll(dir.file(), test::ItalianSampleCatalogue);
    ScopedRegional us(RegionalSettings::unitedStates());
    ORXCurrencies list;
    list.setPathINI(dir.pathIni());
    list.Refresh();
    EXPECT_EQ(list.CurrencyByName(QStringLiteral("Lira"))->EuroChange(), 193627.0);
}

TEST(CurrencyFile, ALoadFailureKeepsTheCurrenciesReadBeforeIt)
{
    ScopedRegional it(RegionalSettings::italian());
    struct Case {
        const char* list;
        int number;
        QStringList names;
    };
    const Case cases[] = {
        {"A|Bad|B", 13, {"System", "A", "Bad"}},
        {"A|System|B", -2147221503, {"System", "A", ""}},
        {"A|Huge|B", 6, {"System", "A", "Huge"}},
    };
    test::CurrencyFolder dir;
    for (const Case& c : cases) {
        test::writeAll(dir.file(), QByteArray("[A]\r\nEuroChange=2\r\n[Bad]\r\nEuroChange=two\r\n[Huge]\r\nDecimals=40000\r\n"
                                              "[B]\r\nEuroChange=3\r\n[Complete]\r\nList=")
                                       + c.list + "\r\n");
        ORXCurrencies list;
        list.setPathINI(dir.pathIni());
        const auto error = errorOf([&] { list.Refresh(); });
        ASSERT_TRUE(error) << c.list;
        EXPECT_EQ(error->number(), c.number) << c.list;
        EXPECT_EQ(namesOf(list), c.names) << c.list;
        EXPECT_EQ(list.CurrencyByIndex(2)->EuroChange(), 2.0);
    }
}

TEST(CurrencyFile, ListIsReadWholeAndOtherValuesAreCut)
{
    ScopedRegional it(RegionalSettings::italian());
    test::CurrencyFolder dir;
    ORXCurrencies written;
    written.setPathINI(dir.pathIni());
    written.Refresh();
    QStringList expected{"System"};
    for (int i = 1; i <= 40; ++i) {
        const QString name = QStringLiteral("Currency%1").arg(i, 2, 10, QLatin1Char('0'));
        addCurrency(written, name, QStringLiteral("C%1").arg(i), 2, i);
        expected << name;
    }
    written.CurrencyByIndex(2)->setSymbol(QString(300, QLatin1Char('s')));
    written.Update();
    ASSERT_GT(ReadCurrencyList(dir.file()).size(), 254);
    const QByteArray first = test::readAll(dir.file());

    ORXCurrencies read;
    read.setPathINI(dir.pathIni());
    read.Refresh();
    EXPECT_EQ(namesOf(read), expected);
    EXPECT_EQ(read.CurrencyByIndex(41)->EuroChange(), 40.0);
    EXPECT_EQ(read.CurrencyByIndex(2)->Symbol(), QString(254, QLatin1Char('s')));

    read.CurrencyByIndex(2)->setSymbol(QString(300, QLatin1Char('s')));
    read.Update();
    EXPECT_EQ(test::readAll(dir.file()), first) << "a refresh and an update drop no currency";
}

TEST(CurrencyFile, UpdateStoresEveryRecordButTheSystemCurrency)
{
    ScopedRegional us(RegionalSettings::unitedStates());
    struct Case {
        QStringList names;  // after the system currency
        QByteArray file;    // "" when there must be no file
    };
    const Case cases[] = {
        {{}, ""},
        {{"system", "SYSTEM"}, ""},
        {{""}, ""},
        {{"A", "", "B", ""},
         "[A]\r\nSymbol=\r\nDecimals=0\r\nEuroChange=1\r\n[B]\r\nSymbol=\r\nDecimals=0\r\nEuroChange=1\r\n"
         "[Complete]\r\nList=A||B|\r\n"},
        {{"", ""}, "[Complete]\r\nList=|\r\n"},
    };
    for (const Case& c : cases) {
        test::CurrencyFolder dir;
        test::writeAll(dir.file(), test::ItalianSampleCatalogue);
        ORXCurrencies list;
        list.setPathINI(dir.pathIni());
        list.Refresh();
        for (int i = list.Count(); i > 1; --i)
            list.RemoveCurrency(i);
        for (const QString& name : c.names)
            addCurrency(list, name, QString(), 0, name.isEmpty() ? 0 : 1);
        list.Update();
        EXPECT_EQ(QFile::exists(dir.file()), !c.file.isEmpty()) << c.names.join('|').toStdString();
        EXPECT_EQ(test::readAll(dir.file()), c.file) << c.names.join('|').toStdString();

        ORXCurrencies read;
        read.setPathINI(dir.pathIni());
        read.Refresh();
        QStringList stored{"System"};
        for (const QString& name : c.names) {
            if (name.compare("System", Qt::CaseInsensitive) != 0)
                stored << name;
        }
        if (c.file.isEmpty())
            stored = QStringList{"System"};
        EXPECT_EQ(namesOf(read), stored) << c.names.join('|').toStdString();
    }
}

TEST(CurrencyFile, UpdateLeavesTheOldFileWholeWhenTheNewOneCannotBeWritten)
{
    ScopedRegional it(RegionalSettings::italian());
    struct Case {
        const char* what;
        QString name;
        QString symbol;
        rlim_t fileSizeLimit;  // RLIM_INFINITY: no limit
    };
    const Case cases[] = {
        {"disk full", "Dollar", "$", 64},
        {"list separator in a name", "A|B", "$", RLIM_INFINITY},
        {"bracket in a name", "A]B", "$", RLIM_INFINITY},
        {"name of spaces", "  ", "$", RLIM_INFINITY},
        {"line break in a symbol", "Dollar", "$\r\n[Complete]", RLIM_INFINITY},
    };
    for (const Case& c : cases) {
        test::CurrencyFolder dir;
        test::writeAll(dir.file(), test::ItalianSampleCatalogue);
        ORXCurrencies list;
        list.setPathINI(dir.pathIni());
        list.Refresh();
        for (int i = 0; i < 20; ++i)
            addCurrency(list, QStringLiteral("Extra%1").arg(i), QStringLiteral("X"), 2, 1.5);
        addCurrency(list, c.name, c.symbol, 2, 1.1);

        std::optional<BasicError> error;
        if (c.fileSizeLimit == RLIM_INFINITY) {
            error = errorOf([&] { list.Update(); });
        } else {
            // A file-size limit makes the write fail part-way, as a full disk does.
            rlimit saved{};
            getrlimit(RLIMIT_FSIZE, &saved);
            const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
            rlimit limited = saved;
            limited.rlim_cur = c.fileSizeLimit;
            setrlimit(RLIMIT_FSIZE, &limited);
            error = errorOf([&] { list.Update(); });
            setrlimit(RLIMIT_FSIZE, &saved);
            std::signal(SIGXFSZ, oldHandler);
        }
        ASSERT_TRUE(error) << c.what << ": a failed update is reported";
        EXPECT_EQ(error->number(), 75) << c.what;
        EXPECT_EQ(error->source(), QStringLiteral("ORXCurrencies.Update")) << c.what;
        EXPECT_FALSE(error->description().isEmpty()) << c.what;
        EXPECT_EQ(test::readAll(dir.file()), test::ItalianSampleCatalogue) << c.what;
        EXPECT_EQ(QDir(dir.folder).entryList(QDir::Files | QDir::Hidden), QStringList{"ORXCurrency.INI"})
            << c.what << ": no temporary file is left";
    }
}
