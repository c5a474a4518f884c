// Reports through ODBC: the shop database in an SQLite file, reached through
// the SQLite3 ODBC driver, with a DSN-less connection string and with a DSN
// written to an odbc.ini in a temporary folder. Skipped, saying why, when Qt's
// ODBC driver or the SQLite3 ODBC driver is not installed.
#include "platform/basic/BasicError.h"
#include "reportrt/ErrorNumbers.h"
#include "reportrt/data/Connections.h"
#include "reportrt/definition/ReportFile.h"
#include "reportrt/export/CsvExport.h"
#include "reportrt/run/RuntimeObjects.h"
#include "tests/reportrt/ReportTestData.h"

#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <gtest/gtest.h>
#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/lsan_interface.h>
#endif

using namespace orx;
using namespace orx::reportrt;
using namespace orx::reportrt::definition;

namespace {

QString sqliteOdbcDriver()
{
    for (const char* dir : {"/usr/lib/x86_64-linux-gnu/odbc", "/usr/lib/aarch64-linux-gnu/odbc", "/usr/lib/odbc",
                            "/usr/local/lib"}) {
        const QString path = QDir(QString::fromLatin1(dir)).filePath(QStringLiteral("libsqlite3odbc.so"));
        if (QFileInfo::exists(path))
            return path;
    }
    return {};
}

class Odbc : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QODBC")))
            GTEST_SKIP() << "ODBC tests skipped: Qt's ODBC driver (libqt6sql6-odbc) is not installed";
        driver_ = sqliteOdbcDriver();
        if (driver_.isEmpty())
            GTEST_SKIP() << "ODBC tests skipped: the SQLite3 ODBC driver (libsqliteodbc) is not installed";
        database_ = test::makeDatabase(QStringLiteral("shop.db"), test::shopStatements());
    }

    // A connection string naming the driver's library and the database file.
    QString dsnLess(const QString& extra = {}) const
    {
        return QStringLiteral("odbc:DRIVER=%1;Database=%2%3").arg(driver_, database_, extra);
    }

    ReportDefinition ordersReport(const QString& location) const
    {
        ReportDefinition def;
        def.name = QStringLiteral("OdbcOrders");
        test::ordersWithCustomers(def, location,
                                  {{QStringLiteral("id"), ValueType::Number}, {QStringLiteral("customer_id"), ValueType::Number},
                                   {QStringLiteral("total"), ValueType::Currency}});
        def.groups = {{QStringLiteral("{C.name}"), SortDirection::Ascending, GroupCondition::AnyValue, false, false}};
        def.sortFields = {{QStringLiteral("{O.total}"), SortDirection::Descending}};
        def.sections = {{SectionKind::Details, 0, {}, 240, {}, false, true, false, false,
                         {test::fieldAt(QStringLiteral("Name"), QStringLiteral("{C.name}"), 0, 0),
                          test::fieldAt(QStringLiteral("Total"), QStringLiteral("{O.total}"), 3000, 0, QStringLiteral("0.00"))}}};
        return def;
    }

    std::shared_ptr<run::RtReport> open(const ReportDefinition& def, const QString& password = {})
    {
        auto report = test::saveAndOpen(def, test::freshFolder(QStringLiteral("odbc")));
        if (!password.isEmpty()) {
            for (std::int16_t t = 1; t <= report->Database().Tables().Count(); ++t)
                report->Database().Tables().Item(t).SetSessionInfo(QString(), QStringLiteral("\n") + password);
        }
        return report;
    }

    QString driver_, database_;
    basic::ScopedRegional us{basic::RegionalSettings::unitedStates()};
};

const QByteArray kOrders("Name,Total\r\n"
                         "Bianchi,50.50\r\nBianchi,10.00\r\n"
                         "Rossi,100.00\r\nRossi,20.00\r\nRossi,5.00\r\n"
                         "Verdi,75.00\r\n");

TEST_F(Odbc, AReportReadsThroughAConnectionStringAndThroughADataSourceName)
{
#if defined(__SANITIZE_ADDRESS__)
    // The driver manager and the SQLite driver keep allocations they never
    // free, and the driver is unloaded before the leak check could name it.
    __lsan::ScopedDisabler driverAllocations;
#endif
    // A DSN in an odbc.ini of a temporary folder.
    const QString folder = test::freshFolder(QStringLiteral("odbc-ini"));
    QFile ini(QDir(folder).filePath(QStringLiteral("odbc.ini")));
    ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
    ini.write(QStringLiteral("[OrxShop]\nDriver=%1\nDatabase=%2\n").arg(driver_, database_).toUtf8());
    ini.close();
    const QByteArray oldIni = qgetenv("ODBCINI");
    qputenv("ODBCINI", ini.fileName().toLocal8Bit());

    const struct {
        const char* what;
        QString location;
        QString password;
    } cases[] = {
        {"connection string", dsnLess(), {}},
        {"connection string, with a log-on the driver does not need", dsnLess(), QStringLiteral("not-needed-pw")},
        {"data source name", QStringLiteral("odbc:OrxShop"), {}},
        {"data source name as a key, with a log-on", QStringLiteral("odbc:DSN=OrxShop;UID=ann"), QStringLiteral("p;w}d")},
    };
    for (const auto& c : cases) {
        auto report = open(ordersReport(c.location), c.password);
        try {
            EXPECT_TRUE(report->Database().Tables().Item(1).TestConnectivity()) << c.what;
            EXPECT_EQ(exporting::detailsCsv(*report->pages()), kOrders) << c.what;
        } catch (const basic::BasicError& e) {
            ADD_FAILURE() << c.what << ": " << e.description().toStdString();
        }
    }
    if (oldIni.isNull())
        qunsetenv("ODBCINI");
    else
        qputenv("ODBCINI", oldIni);
}

TEST_F(Odbc, ErrorsNameTheLocationButNeverThePassword)
{
    ReportDefinition missingTable = ordersReport(dsnLess(QStringLiteral(";PWD=in-the-string-pw")));
    missingTable.tables[0].source = QStringLiteral("ordini");
    const struct {
        const char* what;
        ReportDefinition def;
        QString password;
        int number;
        QString secret;
    } cases[] = {
        {"unknown data source, password from the log-on", ordersReport(QStringLiteral("odbc:NoSuchSource")),
         QStringLiteral("logon-secret-pw"), rterr::DataUnavailable, QStringLiteral("logon-secret-pw")},
        {"unknown driver, password in the connection string",
         ordersReport(QStringLiteral("odbc:DRIVER={No Such Driver};Database=x.db;PWD={br;aced-pw}")), {},
         rterr::DataUnavailable, QStringLiteral("aced-pw")},
        {"missing table, password in the connection string", missingTable, {}, rterr::TableMissing,
         QStringLiteral("in-the-string-pw")},
    };
    for (const auto& c : cases) {
        auto report = open(c.def, c.password);
        try {
            report->pages();
            ADD_FAILURE() << c.what << ": the run went on";
        } catch (const basic::BasicError& e) {
            EXPECT_EQ(e.number(), c.number) << c.what << ": " << e.description().toStdString();
            EXPECT_TRUE(e.description().contains(QStringLiteral("table O at odbc:"), Qt::CaseInsensitive)) << e.description().toStdString();
            EXPECT_FALSE(e.description().contains(c.secret)) << c.what << ": " << e.description().toStdString();
        }
    }
}

TEST(OdbcLocation, PasswordsAreLeftOutOfTheShownLocation)
{
    const struct {
        QString text;
        QString shown;
        QString password;
    } cases[] = {
        {QStringLiteral("odbc:Shop"), QStringLiteral("odbc:Shop"), {}},
        {QStringLiteral("odbc:DSN=Shop;UID=ann;PWD=pw1"), QStringLiteral("odbc:DSN=Shop;UID=ann;PWD=***"), QStringLiteral("pw1")},
        {QStringLiteral("odbc:DSN=Shop; pwd = pw2 ;X=1"), QStringLiteral("odbc:DSN=Shop;pwd=***;X=1"), QStringLiteral("pw2")},
        {QStringLiteral("odbc:DRIVER={SQLite3};PWD={a;b=c};Database=x.db"),
         QStringLiteral("odbc:DRIVER={SQLite3};PWD=***;Database=x.db"), QStringLiteral("a;b=c")},
        {QStringLiteral("odbc:DSN=Shop;Password=pw4"), QStringLiteral("odbc:DSN=Shop;Password=***"), QStringLiteral("pw4")},
    };
    for (const auto& c : cases) {
        const auto l = data::Location::parse(c.text, QString());
        EXPECT_EQ(l.shown, c.shown) << c.text.toStdString();
        EXPECT_EQ(l.urlPassword, c.password) << c.text.toStdString();
        EXPECT_EQ(l.database, c.text.mid(5)) << c.text.toStdString();
    }
}

}  // namespace
