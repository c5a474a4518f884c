// Reports over a PostgreSQL server: a throwaway server is started in a
// temporary folder, listening on the loopback address only, when the
// PostgreSQL server programs are installed; otherwise these tests are
// skipped with a message saying why.
#include "platform/basic/BasicError.h"
#include "reportrt/ErrorNumbers.h"
#include "reportrt/definition/ReportFile.h"
#include "reportrt/export/CsvExport.h"
#include "reportrt/run/RuntimeObjects.h"
#include "tests/reportrt/ReportTestData.h"

#include <QDir>
#include <QProcess>
#include <QSqlDatabase>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <unistd.h>

using namespace orx;
using namespace orx::reportrt;
using namespace orx::reportrt::definition;

namespace {

QString serverPrograms()
{
    if (const QString dir = qEnvironmentVariable("ORX_PG_BIN"); !dir.isEmpty())
        return dir;
    QDir root(QStringLiteral("/usr/lib/postgresql"));
    QStringList versions = root.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
    std::sort(versions.begin(), versions.end(), [](const QString& a, const QString& b) { return a.toInt() > b.toInt(); });
    for (const QString& v : versions) {
        const QString bin = root.filePath(v + QStringLiteral("/bin"));
        if (QFileInfo(bin + QStringLiteral("/initdb")).isExecutable() && QFileInfo(bin + QStringLiteral("/pg_ctl")).isExecutable())
            return bin;
    }
    return {};
}

// One server for the whole suite.
class Server {
public:
    QString skipReason;
    int port = 0;

    Server()
    {
        bin_ = serverPrograms();
        if (bin_.isEmpty()) {
            skipReason = QStringLiteral("the PostgreSQL server programs (initdb, pg_ctl) are not installed; install the "
                                        "postgresql package to run these tests");
            return;
        }
        if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QPSQL"))) {
            skipReason = QStringLiteral("Qt's PostgreSQL driver (libqt6sql6-psql) is not installed");
            return;
        }
        // The server refuses to run as root: it then runs as nobody, in a folder nobody owns.
        asNobody_ = geteuid() == 0;
        dir_.setAutoRemove(true);
        QFile::setPermissions(dir_.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther
                                               | QFile::ReadGroup | QFile::ExeGroup);
        data_ = dir_.path() + QStringLiteral("/data");
        socket_ = dir_.path();
        if (asNobody_ && ::chown(dir_.path().toLocal8Bit().constData(), 65534, 65534) != 0) {
            skipReason = QStringLiteral("cannot hand the server's folder to the user nobody");
            return;
        }
        QString out;
        if (!run(QStringLiteral("initdb"), {QStringLiteral("-D"), data_, QStringLiteral("-U"), QStringLiteral("postgres"),
                                            QStringLiteral("--auth-local=trust"), QStringLiteral("--auth-host=scram-sha-256"),
                                            QStringLiteral("-E"), QStringLiteral("UTF8"), QStringLiteral("--no-locale")},
                 &out)) {
            skipReason = QStringLiteral("initdb failed: ") + out.left(300);
            return;
        }
        for (int attempt = 0; attempt < 5 && !started_; ++attempt) {
            port = 20000 + static_cast<int>((getpid() * 7 + attempt * 131) % 20000);
            started_ = run(QStringLiteral("pg_ctl"),
                           {QStringLiteral("-D"), data_, QStringLiteral("-w"), QStringLiteral("-l"), dir_.path() + QStringLiteral("/log"),
                            QStringLiteral("-o"),
                            QStringLiteral("-p %1 -k %2 -c listen_addresses=127.0.0.1 -c fsync=off").arg(port).arg(socket_),
                            QStringLiteral("start")},
                           &out);
        }
        if (!started_) {
            skipReason = QStringLiteral("the server did not start: ") + out.left(300);
            return;
        }
        const QStringList setup = test::shopStatements() + QStringList{
            QStringLiteral("CREATE ROLE report LOGIN PASSWORD 's3cret-pw'"),
            QStringLiteral("GRANT SELECT ON ALL TABLES IN SCHEMA public TO report"),
        };
        for (const QString& s : setup) {
            if (!run(QStringLiteral("psql"), {QStringLiteral("-h"), socket_, QStringLiteral("-p"), QString::number(port), QStringLiteral("-U"),
                                              QStringLiteral("postgres"), QStringLiteral("-v"), QStringLiteral("ON_ERROR_STOP=1"),
                                              QStringLiteral("-q"), QStringLiteral("-c"), s, QStringLiteral("postgres")},
                     &out)) {
                skipReason = QStringLiteral("the test data could not be loaded: ") + out.left(300);
                return;
            }
        }
    }

    ~Server()
    {
        if (started_) {
            QString out;
            run(QStringLiteral("pg_ctl"), {QStringLiteral("-D"), data_, QStringLiteral("-m"), QStringLiteral("immediate"), QStringLiteral("stop")}, &out);
        }
    }

private:
    bool run(const QString& program, QStringList args, QString* out)
    {
        QProcess p;
        QString exe = bin_ + QLatin1Char('/') + program;
        if (asNobody_) {
            args.prepend(exe);
            args = QStringList{QStringLiteral("-u"), QStringLiteral("nobody"), QStringLiteral("--")} + args;
            exe = QStringLiteral("runuser");
        }
        p.setProcessChannelMode(QProcess::MergedChannels);
        p.setWorkingDirectory(dir_.path());
        p.start(exe, args);
        if (!p.waitForFinished(60000)) {
            p.kill();
            *out = QStringLiteral("%1 did not finish").arg(program);
            return false;
        }
        *out = QString::fromLocal8Bit(p.readAll());
        return p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
    }

    QString bin_;
    QTemporaryDir dir_{QDir::tempPath() + QStringLiteral("/orx-pg-XXXXXX")};
    QString data_, socket_;
    bool asNobody_ = false;
    bool started_ = false;
};

Server& server()
{
    static Server s;
    return s;
}

class PostgreSQL : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!server().skipReason.isEmpty())
            GTEST_SKIP() << "PostgreSQL tests skipped: " << server().skipReason.toStdString();
    }

    QString location() const { return QStringLiteral("postgresql://report@127.0.0.1:%1/postgres").arg(server().port); }

    ReportDefinition ordersReport() const
    {
        ReportDefinition def;
        def.name = QStringLiteral("PgOrders");
        def.tables = {{QStringLiteral("O"), location(), QStringLiteral("orders"), {},
                       {{QStringLiteral("id"), ValueType::Number}, {QStringLiteral("customer_id"), ValueType::Number},
                        {QStringLiteral("order_date"), ValueType::Date}, {QStringLiteral("total"), ValueType::Currency}}},
                      {QStringLiteral("C"), location(), QStringLiteral("customers"), {},
                       {{QStringLiteral("id"), ValueType::Number}, {QStringLiteral("name"), ValueType::String}}}};
        def.links = {{QStringLiteral("O"), QStringLiteral("customer_id"), QStringLiteral("C"), QStringLiteral("id")}};
        def.groups = {{QStringLiteral("{C.name}"), SortDirection::Ascending, GroupCondition::AnyValue, false, false}};
        def.sortFields = {{QStringLiteral("{O.total}"), SortDirection::Descending}};
        ObjectDef name;
        name.kind = ObjectKind::Field;
        name.name = QStringLiteral("Name");
        name.source = QStringLiteral("{C.name}");
        ObjectDef total = name;
        total.name = QStringLiteral("Total");
        total.source = QStringLiteral("{O.total}");
        total.x = 3000;
        total.format = QStringLiteral("0.00");
        ObjectDef date = name;
        date.name = QStringLiteral("Date");
        date.source = QStringLiteral("{O.order_date}");
        date.x = 5000;
        date.format = QStringLiteral("yyyy-mm-dd");
        SectionDef details;
        details.kind = SectionKind::Details;
        details.height = 240;
        details.objects = {name, total, date};
        def.sections = {details};
        return def;
    }

    std::shared_ptr<run::RtReport> open(const ReportDefinition& def, const QString& password)
    {
        const QString path = QDir(test::freshFolder(QStringLiteral("pg"))).filePath(QStringLiteral("PgOrders.RPT"));
        saveReportFile(def, path);
        auto report = run::RtReport::open(path);
        for (std::int16_t t = 1; t <= report->Database().Tables().Count(); ++t)
            report->Database().Tables().Item(t).SetSessionInfo(QString(), QStringLiteral("\n") + password);
        return report;
    }

    basic::ScopedRegional us{basic::RegionalSettings::unitedStates()};
};

TEST_F(PostgreSQL, AReportJoinsGroupsAndSortsOnTheServer)
{
    auto report = open(ordersReport(), QStringLiteral("s3cret-pw"));
    EXPECT_TRUE(report->Database().Tables().Item(1).TestConnectivity());
    EXPECT_EQ(exporting::detailsCsv(*report->pages()),
              QByteArray("Name,Total,Date\r\n"
                         "Bianchi,50.50,2024-01-20\r\nBianchi,10.00,2024-02-28\r\n"
                         "Rossi,100.00,2024-01-05\r\nRossi,20.00,2024-02-02\r\nRossi,5.00,2024-01-31\r\n"
                         "Verdi,75.00,2024-02-14\r\n"));
}

TEST_F(PostgreSQL, ErrorsNameTheLocationAndTableButNeverThePassword)
{
    ReportDefinition missing = ordersReport();
    missing.tables[0].source = QStringLiteral("ordini");
    const struct {
        const char* what;
        ReportDefinition def;
        const char* password;
        int number;
        QString start;
    } cases[] = {
        {"wrong password", ordersReport(), "wrong-pw-123", rterr::DataUnavailable,
         QStringLiteral("Cannot open the data of table O at %1: ").arg(location())},
        {"missing table", missing, "s3cret-pw", rterr::TableMissing,
         QStringLiteral("Table O at %1: there is no table ordini").arg(location())},
    };
    for (const auto& c : cases) {
        auto report = open(c.def, QString::fromLatin1(c.password));
        try {
            report->pages();
            ADD_FAILURE() << c.what << ": the run went on";
        } catch (const basic::BasicError& e) {
            EXPECT_EQ(e.number(), c.number) << c.what << ": " << e.description().toStdString();
            EXPECT_TRUE(e.description().startsWith(c.start)) << e.description().toStdString();
            EXPECT_FALSE(e.description().contains(QString::fromLatin1(c.password))) << c.what;
        }
    }
}

}  // namespace
