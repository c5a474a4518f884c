// orx-report from the shell: checks, runs with parameters, CSV output, and
// the messages and exit codes of mistakes.
#include "tests/support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <gtest/gtest.h>

namespace {

const QString kSamples = QStringLiteral(ORX_SAMPLE_REPORTS);

struct Result {
    int code = -1;
    QString out, err;
};

Result orxReport(const QStringList& args)
{
    QProcess p;
    p.start(QStringLiteral(ORX_REPORT_PROGRAM), args);
    p.waitForFinished(60000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, QString::fromUtf8(p.readAllStandardOutput()),
            QString::fromUtf8(p.readAllStandardError())};
}

TEST(OrxReport, ChecksEverySampleAndRefusesAMalformedFile)
{
    for (const char* name : {"CustomerList", "Orders", "OrdersInPeriod", "ProductSales"}) {
        const Result r = orxReport({QStringLiteral("check"), kSamples + QStringLiteral("/%1.RPT").arg(QString::fromLatin1(name))});
        EXPECT_EQ(r.code, 0) << name << r.err.toStdString();
        EXPECT_TRUE(r.out.contains(QStringLiteral("the report is valid"))) << r.out.toStdString();
    }
    const QString bad = QDir(orx::test::freshFolder(QStringLiteral("cli"))).filePath(QStringLiteral("Bad.RPT"));
    QFile f(bad);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("<report format-version=\"1\">\n  <formulas>\n    <formula name=\"X\" type=\"number\">1 +</formula>\n  </formulas>\n</report>\n");
    f.close();
    const Result r = orxReport({QStringLiteral("check"), bad});
    EXPECT_EQ(r.code, 1);
    EXPECT_TRUE(r.err.contains(QStringLiteral("The formula X is not valid: a value is expected here; the formula ends too early (column 4)")))
        << r.err.toStdString();
}

TEST(OrxReport, RunsToACsvFileWithParameters)
{
    const QString out = QDir(orx::test::freshFolder(QStringLiteral("cli"))).filePath(QStringLiteral("orders.csv"));
    Result r = orxReport({QStringLiteral("run"), kSamples + QStringLiteral("/Orders.RPT"), QStringLiteral("--out"), out});
    ASSERT_EQ(r.code, 0) << r.err.toStdString();
    QFile f(out);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = f.readAll().split('\n');
    EXPECT_EQ(lines.first(), QByteArray("Order,Date,Total\r"));
    EXPECT_EQ(lines.size(), 302) << "a header, 300 orders and the final line end";
    EXPECT_TRUE(r.err.contains(QStringLiteral("300 records"))) << r.err.toStdString();

    r = orxReport({QStringLiteral("run"), kSamples + QStringLiteral("/OrdersInPeriod.RPT"), QStringLiteral("--param"),
                   QStringLiteral("From=2024-03-01"), QStringLiteral("--param"), QStringLiteral("to=2024-03-31"), QStringLiteral("--param"),
                   QStringLiteral("IncludeUnshipped=false")});
    ASSERT_EQ(r.code, 0) << r.err.toStdString();
    const QStringList rows = r.out.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    ASSERT_GT(rows.size(), 1);
    for (const QString& row : rows.mid(1))
        EXPECT_TRUE(row.section(QLatin1Char(','), 1, 1).endsWith(QLatin1String("/03/2024"))) << row.toStdString();
}

TEST(OrxReport, MistakesGetAClearMessageAndExitCode)
{
    const struct {
        QStringList args;
        int code;
        const char* message;
    } cases[] = {
        {{QStringLiteral("run"), kSamples + QStringLiteral("/OrdersInPeriod.RPT"), QStringLiteral("--param"), QStringLiteral("Form=1")}, 2,
         "the report has no parameter Form (its parameters: From, To, Customer, MinimumTotal, IncludeUnshipped)"},
        {{QStringLiteral("run"), kSamples + QStringLiteral("/OrdersInPeriod.RPT"), QStringLiteral("--param"), QStringLiteral("From=soon")}, 1,
         "The value \"soon\" does not suit the parameter From, which takes a date (error 20525)"},
        {{QStringLiteral("run"), kSamples + QStringLiteral("/Nope.RPT")}, 1, "Cannot open the report file"},
        {{QStringLiteral("frobnicate"), QStringLiteral("x")}, 2, "usage: orx-report check FILE.RPT"},
    };
    for (const auto& c : cases) {
        const Result r = orxReport(c.args);
        EXPECT_EQ(r.code, c.code) << c.args.join(QLatin1Char(' ')).toStdString();
        EXPECT_TRUE(r.err.contains(QString::fromUtf8(c.message))) << r.err.toStdString();
    }
}

}  // namespace
