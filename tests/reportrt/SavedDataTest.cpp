// The report with its data (export format 1): the saved-data section of the
// report file read and written, and a sample report saved with its data,
// its database taken away, and opened again with ReportWithData.
#include "platform/basic/BasicError.h"
#include "reportrt/ErrorNumbers.h"
#include "reportrt/Runtime.h"
#include "reportrt/SavedDataChoice.h"
#include "reportrt/data/SavedRecords.h"
#include "reportrt/definition/ReportFile.h"
#include "reportrt/export/Exporters.h"
#include "reportrt/run/RuntimeObjects.h"
#include "tests/reportrt/ReportTestData.h"
#include "tests/reportrt/SampleReportFixture.h"
#include "tests/support/HostFixture.h"
#include "tests/support/TestSupport.h"
#include "viewreport/engine/ORXDLLViewReport.h"
#include "viewreport/engine/RequestItems.h"
#include "viewreport/engine/RunState.h"

#include <QDir>
#include <QFile>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>

using namespace orx;
using namespace orx::reportrt;
using namespace orx::reportrt::definition;

namespace {

const QString kSamples = QStringLiteral(ORX_SAMPLE_REPORTS);

// A report of one table with every type, and saved records.
QByteArray withData(const QString& savedData, int version = 2)
{
    return QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                          "<report format-version=\"%1\" name=\"T\">\n"
                          "  <tables>\n"
                          "    <table name=\"T\" location=\"t.db\">\n"
                          "      <field name=\"n\" type=\"number\"/>\n"
                          "      <field name=\"s\" type=\"string\"/>\n"
                          "      <field name=\"d\" type=\"date\"/>\n"
                          "      <field name=\"b\" type=\"boolean\"/>\n"
                          "    </table>\n"
                          "  </tables>\n"
                          "%2"
                          "</report>\n")
        .arg(version)
        .arg(savedData)
        .toUtf8();
}

const QString kColumns = QStringLiteral("    <column table=\"T\" field=\"n\" type=\"number\"/>\n"
                                        "    <column table=\"T\" field=\"s\" type=\"string\"/>\n"
                                        "    <column table=\"T\" field=\"d\" type=\"date\"/>\n"
                                        "    <column table=\"T\" field=\"b\" type=\"boolean\"/>\n");

QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QStringList pageTexts(const layout::PageModel& m)
{
    QStringList out;
    for (int p = 0; p < m.pageCount(); ++p) {
        for (const auto& i : m.page(p).items) {
            if (i.kind == layout::PageItem::Kind::Text)
                out << QStringLiteral("%1|%2|%3,%4").arg(p + 1).arg(i.text).arg(i.rect.left()).arg(i.rect.top());
        }
    }
    return out;
}

}  // namespace

TEST(SavedData, RecordsOfEveryTypeAreWrittenAndReadBackUnchanged)
{
    ReportDefinition r = parseReport(withData(QString(), 1), QStringLiteral("T.RPT"));
    auto data = std::make_shared<SavedData>();
    data->savedAt = QStringLiteral("2026-12-07T10:00:00");
    data->columns = SavedData::columnsOf(r.tables);
    data->records = {
        {QStringLiteral("1.5"), QStringLiteral("Città & <co> \"x\""), QStringLiteral("2024-02-29"), QStringLiteral("true")},
        {QStringLiteral("-0.1"), QStringLiteral("line\r\nnext\ttab"), std::nullopt, QStringLiteral("false")},
        {std::nullopt, QStringLiteral("bell\x07 and nul"), QStringLiteral("1899-12-30"), std::nullopt},
        {QStringLiteral("1e+300"), QString(), QStringLiteral("2024-01-05T13:45:10.250"), QStringLiteral("true")},
    };
    r.savedData = data;
    const QByteArray written = writeReport(r);
    EXPECT_TRUE(written.contains("<report format-version=\"2\" name=\"T\">")) << written.toStdString();
    EXPECT_TRUE(written.contains("<saved-data version=\"1\" saved-at=\"2026-12-07T10:00:00\" records=\"4\">"));
    EXPECT_TRUE(written.contains("<v encoding=\"base64\">")) << "a control character XML cannot hold";
    const ReportDefinition back = parseReport(written, QStringLiteral("T.RPT"));
    ASSERT_TRUE(back.savedData);
    EXPECT_EQ(*back.savedData, *data);
    EXPECT_EQ(writeReport(back), written) << "canonical";

    // Values as a record holds them, and back to the file's text.
    struct Case {
        std::optional<QString> text;
        ValueType type;
        formula::Value value;
    } const cases[] = {
        {QStringLiteral("1.5"), ValueType::Number, formula::Value::ofNumber(1.5)},
        {QStringLiteral("0.1"), ValueType::Currency, formula::Value::ofCurrency(0.1)},
        {QStringLiteral("true"), ValueType::Boolean, formula::Value::ofBoolean(true)},
        {QStringLiteral("2024-02-29"), ValueType::Date, formula::Value::ofDate(45351)},
        {QStringLiteral("Rossi"), ValueType::String, formula::Value::ofString(QStringLiteral("Rossi"))},
        {QString(), ValueType::String, formula::Value::ofString(QString())},
        {std::nullopt, ValueType::Number, formula::Value::null()},
    };
    for (const auto& c : cases) {
        const auto v = data::savedValue(c.text, c.type);
        EXPECT_EQ(v.type, c.value.type) << c.text.value_or(QStringLiteral("null")).toStdString();
        EXPECT_TRUE(v == c.value) << c.text.value_or(QStringLiteral("null")).toStdString();
        EXPECT_EQ(data::savedText(v), c.text);
    }
}

TEST(SavedData, TheDocumentedExampleIsCanonical)
{
    const QByteArray example = test::documentedExample("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<report format-version=\"2\"");
    ASSERT_FALSE(example.isEmpty());
    const ReportDefinition r = parseReport(example, QStringLiteral("report-format.md"));
    EXPECT_EQ(writeReport(r).toStdString(), example.toStdString());
    ASSERT_TRUE(r.savedData);
    EXPECT_EQ(r.savedData->records.size(), 2u);
}

TEST(SavedData, MistakesInTheSavedDataNameLineAndWhatWasExpected)
{
    const QString r = QStringLiteral("    <r><v>1</v><v>a</v><v>2024-01-01</v><v>true</v></r>\n");
    struct Case {
        QByteArray xml;
        const char* says;
    } const cases[] = {
        {withData(QStringLiteral("  <saved-data version=\"1\">\n%1%2  </saved-data>\n").arg(kColumns, r), 1),
         "expected <page>"},
        {withData(QStringLiteral("  <saved-data version=\"2\">\n  </saved-data>\n")), "expected saved-data version 1"},
        {withData(QStringLiteral("  <saved-data version=\"1\">\n    <column table=\"T\" field=\"s\" type=\"string\"/>\n  </saved-data>\n")),
         "expected the column T.n (number), the next field of the report's tables, found T.s (string)"},
        {withData(QStringLiteral("  <saved-data version=\"1\">\n    <column table=\"T\" field=\"n\" type=\"number\"/>\n%1  </saved-data>\n").arg(r)),
         "expected the column T.s (string)"},
        {withData(QStringLiteral("  <saved-data version=\"1\">\n%1    <r><v>1</v><v>a</v></r>\n  </saved-data>\n").arg(kColumns)),
         "expected 4 values in <r>, one per column, found 2"},
        {withData(QStringLiteral("  <saved-data version=\"1\">\n%1    <r><v>x</v><v>a</v><null/><null/></r>\n  </saved-data>\n").arg(kColumns)),
         "expected a value of type number for T.n, found \"x\""},
        {withData(QStringLiteral("  <saved-data version=\"1\">\n%1    <r><v>1</v><v>a</v><v>2024-13-01</v><null/></r>\n  </saved-data>\n").arg(kColumns)),
         "expected a value of type date for T.d, found \"2024-13-01\""},
        {withData(QStringLiteral("  <saved-data version=\"1\">\n%1    <r><v>1</v><v>a</v><null/><v>yes</v></r>\n  </saved-data>\n").arg(kColumns)),
         "expected a value of type boolean for T.b"},
        {withData(QStringLiteral("  <saved-data version=\"1\" records=\"2\">\n%1%2  </saved-data>\n").arg(kColumns, r)),
         "expected 2 records, as records=\"2\" says, found 1"},
        {withData(QStringLiteral("  <saved-data version=\"1\">\n%1%2  </saved-data>\n").arg(kColumns, r), 3), "expected format-version 1 or 2"},
    };
    for (const auto& c : cases) {
        try {
            parseReport(c.xml, QStringLiteral("T.RPT"));
            ADD_FAILURE() << "read: " << c.says;
        } catch (const basic::BasicError& e) {
            EXPECT_EQ(e.number(), rterr::ReportFileMalformed) << c.says;
            EXPECT_TRUE(e.description().startsWith(QLatin1String("T.RPT, line "))) << e.description().toStdString();
            EXPECT_TRUE(e.description().contains(QLatin1String(c.says))) << e.description().toStdString();
        }
    }
}

class SavedReport : public EngineRuns {
protected:
    void SetUp() override
    {
        EngineRuns::SetUp();
        folder = QDir(test::freshFolder(QStringLiteral("saved")));
    }

    // A copy of a sample report and the shop database in the test's folder.
    QString copySample(const QString& name)
    {
        EXPECT_TRUE(QFile::copy(kSamples + QStringLiteral("/%1.RPT").arg(name), folder.filePath(name + QStringLiteral(".RPT"))));
        if (!QFile::exists(folder.filePath(QStringLiteral("shop.db")))) {
            EXPECT_TRUE(QFile::copy(kSamples + QStringLiteral("/shop.db"), folder.filePath(QStringLiteral("shop.db"))));
        }
        return folder.filePath(name);
    }

    // Runs a request through the engine (exporting when a file is given); the pages of the report it ran.
    std::shared_ptr<const layout::PageModel> show(const QString& reportName, bool withData, const QString& exportTo = {})
    {
        viewreport::ORXDLLViewReport request;
        request.setReportName(reportName);
        request.setReportWithData(withData);
        request.setMode(exportTo.isEmpty() ? 0 : 4);
        request.ExportOptions()->setFileName(exportTo);
        request.ExportOptions()->setFormatType(exporting::format::OwnFormat);
        request.ExportOptions()->setSilent(true);
        request.Show();
        return pagesOfTheRun();
    }

    QDir folder;
};

TEST_F(SavedReport, AReportSavedWithItsDataShowsTheSamePagesWithoutItsDatabase)
{
    for (const QString& name : {QStringLiteral("Orders"), QStringLiteral("OrdersInPeriod")}) {
        const QString original = copySample(name);
        const QStringList before = pageTexts(*show(original, false));
        ASSERT_GT(before.size(), 10) << name.toStdString();
        // Saved into a folder of its own: the database path follows.
        ASSERT_TRUE(folder.mkpath(QStringLiteral("kept")));
        const QString saved = folder.filePath(QStringLiteral("kept/%1WithData").arg(name));
        show(original, false, saved + QStringLiteral(".RPT"));
        const QByteArray file = readAll(saved + QStringLiteral(".RPT"));
        EXPECT_TRUE(file.contains("<saved-data version=\"1\"")) << name.toStdString();
        EXPECT_TRUE(file.contains("location=\"../shop.db\"")) << name.toStdString();

        ASSERT_TRUE(QFile::rename(folder.filePath(QStringLiteral("shop.db")), folder.filePath(QStringLiteral("gone.db"))));
        EXPECT_EQ(pageTexts(*show(saved, true)), before) << name.toStdString();
        auto* choice = dynamic_cast<SavedDataChoice*>(viewreport::RunState::current().CurrentReport.get());
        ASSERT_TRUE(choice);
        EXPECT_TRUE(choice->hasSavedData());
        // Without ReportWithData the report reads its tables, which are gone.
        try {
            show(saved, false);
            ADD_FAILURE() << "read a database that is not there";
        } catch (const basic::BasicError& e) {
            EXPECT_EQ(e.number(), rterr::DataUnavailable) << e.description().toStdString();
        }
        ASSERT_TRUE(QFile::rename(folder.filePath(QStringLiteral("gone.db")), folder.filePath(QStringLiteral("shop.db"))));
    }
}

TEST_F(SavedReport, SavingAgainFromTheSavedDataKeepsTheSameRecords)
{
    const QString original = copySample(QStringLiteral("Orders"));
    const QString first = folder.filePath(QStringLiteral("First.RPT"));
    const QString second = folder.filePath(QStringLiteral("Second.RPT"));
    show(original, false, first);
    QFile::remove(folder.filePath(QStringLiteral("shop.db")));
    show(folder.filePath(QStringLiteral("First")), true, second);
    const auto a = readReportFile(first);
    const auto b = readReportFile(second);
    ASSERT_TRUE(a.savedData && b.savedData);
    EXPECT_EQ(a.savedData->records, b.savedData->records);
    ASSERT_EQ(a.subreports.size(), 1u);
    ASSERT_TRUE(a.subreports[0]->savedData) << "the sub-report's lines are saved too";
    EXPECT_EQ(a.subreports[0]->savedData->records, b.subreports[0]->savedData->records);
    EXPECT_GT(a.subreports[0]->savedData->records.size(), a.savedData->records.size());
}

TEST_F(SavedReport, AFailedSaveLeavesTheOldFileAsItWas)
{
    const QString original = copySample(QStringLiteral("Orders"));
    const QString target = folder.filePath(QStringLiteral("Old.RPT"));
    const QByteArray old(4096, 'o');
    {
        QFile f(target);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(old);
    }
    auto report = run::RtReport::open(original + QStringLiteral(".RPT"));
    report->ExportOptions().setFormatType(exporting::format::OwnFormat);
    report->ExportOptions().setDestinationType(1);
    report->ExportOptions().setDiskFileName(target);
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    const auto previous = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 1024;  // the new file cannot grow past 1 KB
    setrlimit(RLIMIT_FSIZE, &small);
    bool raised = false;
    try {
        report->Export(false);
    } catch (const basic::BasicError& e) {
        raised = true;
        EXPECT_EQ(e.number(), rterr::ReportFileUnwritable) << e.description().toStdString();
    }
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previous);
    EXPECT_TRUE(raised);
    EXPECT_EQ(readAll(target), old);
    EXPECT_EQ(folder.entryList({QStringLiteral("*.RPT*")}, QDir::Files).size(), 2) << "no half-written file";
}
