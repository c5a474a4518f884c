// The report run against the recording runtime: the exact calls the engine
// makes for each kind of request, the report-file check, the request copy,
// and errors passing through unchanged.

#include "platform/basic/Variant.h"
#include "tests/viewreport/ReportTestSupport.h"
#include "viewreport/engine/RequestRules.h"

using namespace orx;
using namespace orx::viewreport;
using orx::test::ReportFixture;
namespace rec = orx::reportrt::recording;
namespace vt = orx::reportrt::valuetype;

namespace {

class EngineRun : public ReportFixture {
protected:
    // A report with two tables, two sub-report objects (Lines with the key
    // formula "Lines", Notes without one) and a plain object, a group on
    // {Customer.Name}, two record sort fields, and formula and parameter
    // fields of several types.
    static rec::ReportScript salesScript()
    {
        rec::ReportScript s;
        s.tables = {{QStringLiteral("Customer"), {QStringLiteral("{Customer.Name}"), QStringLiteral("{Customer.Id}")}},
                    {QStringLiteral("Orders"), {QStringLiteral("{Orders.Date}"), QStringLiteral("{Orders.Total}")}}};
        s.sections = {{{{1, {}}, {reportrt::kind::SubreportObject, QStringLiteral("Lines")}}},
                      {{{reportrt::kind::SubreportObject, QStringLiteral("Notes")}}}};
        s.areas = {{1, {}}, {reportrt::kind::GroupHeader, QStringLiteral("{Customer.Name}")}, {4, {}}};
        s.recordSortFields = {QStringLiteral("{Orders.Total}"), QStringLiteral("{Customer.Id}")};
        rec::ReportScript lines;
        lines.subreportName = QStringLiteral("Lines");
        lines.tables = {{QStringLiteral("OrderLines"), {QStringLiteral("{OrderLines.Qty}")}}};
        lines.formulaFields = {{QStringLiteral("ORXSubReportName"), vt::String, QStringLiteral("\"Lines\"\r\n")}};
        rec::ReportScript notes;
        notes.subreportName = QStringLiteral("Notes");
        notes.tables = {{QStringLiteral("Notes"), {}}};
        s.subreports = {lines, notes};
        return s;
    }

    // A report with one table and nothing else.
    static rec::ReportScript plainScript()
    {
        rec::ReportScript s;
        s.tables = {{QStringLiteral("T"), {QStringLiteral("{T.A}")}}};
        return s;
    }

    QString open(const QString& path) const { return QStringLiteral("Application.OpenReport(\"%1.RPT\", 1)").arg(path); }

    QStringList actionsAfterOpen() const
    {
        const QStringList all = const_cast<EngineRun*>(this)->log().actions();
        for (qsizetype i = 0; i < all.size(); ++i) {
            if (all[i].startsWith(QLatin1String("Application.OpenReport")))
                return all.mid(i + 1);
        }
        return {};
    }
};

TEST_F(EngineRun, ModeZeroPreparesAndDoesNothingElse)
{
    rt().addReport(QStringLiteral("Plain.RPT"), plainScript());
    ORXDLLViewReport request;
    request.setReportName(reportFile(QStringLiteral("Plain")));
    request.setMode(0);
    request.Show();
    EXPECT_EQ(log().actions(), (QStringList{QStringLiteral("Runtime.CreateApplication"), open(request.ReportName()),
                                            QStringLiteral("Report.EnableParameterPrompting = False"),
                                            QStringLiteral("Report.MorePrintEngineErrorMessages = True")}));
    EXPECT_TRUE(previewWindows().isEmpty());
    EXPECT_TRUE(rt().viewers().isEmpty());
}

TEST_F(EngineRun, ModeSixPrintsThenExportsWithoutAWindow)
{
    rt().addReport(QStringLiteral("Plain.RPT"), plainScript());
    ORXDLLViewReport request;
    request.setReportName(reportFile(QStringLiteral("Plain")));
    request.setMode(ORXVR_Mode_Printer | ORXVR_Mode_Export);
    request.setLocationDB(QStringLiteral("C:\\Data\\Shop.mdb"));
    request.PrintOptions()->setCopies(-3);
    request.ExportOptions()->setFileName(QStringLiteral("out.xls"));
    request.ExportOptions()->setFormatType(ORXVRExpFormatType_Excel80);
    request.ExportOptions()->setSilent(false);
    request.Show();
    EXPECT_EQ(actionsAfterOpen(), (QStringList{
                                      QStringLiteral("Report.Database.Tables(1).Location = \"C:\\Data\\Shop.mdb\""),
                                      QStringLiteral("Report.Database.Tables(1).TestConnectivity"),
                                      QStringLiteral("Report.EnableParameterPrompting = False"),
                                      QStringLiteral("Report.MorePrintEngineErrorMessages = True"),
                                      QStringLiteral("Report.PrintOut(False, 3)"),
                                      QStringLiteral("Report.ExportOptions.Reset"),
                                      QStringLiteral("Report.ExportOptions.DiskFileName = \"out.xls\""),
                                      QStringLiteral("Report.ExportOptions.DestinationType = 1"),
                                      QStringLiteral("Report.ExportOptions.FormatType = 29"),
                                      QStringLiteral("Report.Export(True)"),
                                  }));
    EXPECT_TRUE(previewWindows().isEmpty());
    EXPECT_TRUE(rt().viewers().isEmpty());
}

TEST_F(EngineRun, ModeSevenShowsThenPrintsThenExports)
{
    ORXDLLViewReport request;
    request.setReportName(reportFile(QStringLiteral("Plain")));
    request.setMode(7);
    request.Show();
    const QStringList out = log().actions();
    const auto at = [&](const char* line) { return out.indexOf(QString::fromLatin1(line)); };
    ASSERT_GE(at("Viewer1.ViewReport"), 0);
    EXPECT_LT(at("Report.MorePrintEngineErrorMessages = True"), at("Viewer1.ViewReport"));
    EXPECT_LT(at("Viewer1.ViewReport"), at("Report.PrintOut(False, 1)"));
    EXPECT_LT(at("Report.PrintOut(False, 1)"), at("Report.Export(False)"));
    EXPECT_EQ(previewWindows().size(), 1);
}

// Locations, passwords and recordsets on the main report's tables (the main
// rule), in collection order.
TEST_F(EngineRun, MainTablesFollowTheMainRule)
{
    QObject recordset;
    recordset.setObjectName(QStringLiteral("rsMain"));
    const struct {
        const char* location;
        const char* password;
        bool withRecordset;
        QStringList perTable;  // %1 stands for the table's path
    } cases[] = {
        {"C:\\Data\\Shop.mdb", "", false, {"%1.Location = \"C:\\Data\\Shop.mdb\"", "%1.TestConnectivity"}},
        {"Cust!C:\\Data\\Shop.mdb", "", false,
         {"%1.SetTableLocation(\"C:\\Data\\Shop.mdb\", \"Cust\", \"\")", "%1.TestConnectivity"}},
        {"a!b!c", "", false, {"%1.SetTableLocation(\"b!c\", \"a\", \"\")", "%1.TestConnectivity"}},
        {"!", "", false, {"%1.SetTableLocation(\"\", \"\", \"\")", "%1.TestConnectivity"}},
        {"db", "  secret ", false,
         {"%1.SetSessionInfo(\"\", \"<LF>secret\")", "%1.Location = \"db\"", "%1.TestConnectivity"}},
        {"db", "pw", true, {"%1.SetDataSource(rsMain)", "%1.TestConnectivity"}},
        {"", "", true, {"%1.SetDataSource(rsMain)", "%1.TestConnectivity"}},
        {"", "pw", false, {}},  // no location and no recordset: the tables are left alone
    };
    rec::ReportScript script = plainScript();
    script.tables.append({QStringLiteral("U"), {}});
    rt().addReport(QStringLiteral("Two.RPT"), script);
    const QString name = reportFile(QStringLiteral("Two"));
    for (const auto& c : cases) {
        log().clear();
        ORXDLLViewReport request;
        request.setReportName(name);
        request.setMode(0);
        request.setLocationDB(QString::fromUtf8(c.location));
        request.setPassWordDB(QString::fromUtf8(c.password));
        if (c.withRecordset)
            request.setRecordset(&recordset);
        request.Show();
        QStringList expected;
        for (int t = 1; t <= 2; ++t) {
            for (const QString& line : c.perTable)
                expected << line.arg(QStringLiteral("Report.Database.Tables(%1)").arg(t));
        }
        expected << QStringLiteral("Report.EnableParameterPrompting = False")
                 << QStringLiteral("Report.MorePrintEngineErrorMessages = True");
        EXPECT_EQ(actionsAfterOpen(), expected) << c.location << " / " << c.password;
    }
}

TEST_F(EngineRun, SubReportsTakeTheirRecordsetByKeyOrTheMainRule)
{
    rt().addReport(QStringLiteral("Sales.RPT"), salesScript());
    QObject rsLines, rsMain;
    rsLines.setObjectName(QStringLiteral("rsLines"));
    rsMain.setObjectName(QStringLiteral("rsMain"));

    // Lines has its own recordset; Notes (no key formula, key "") falls to the
    // main rule with the request's location; the main tables are not touched
    // because the request has neither location nor recordset... here it has one.
    ORXDLLViewReport request;
    request.setReportName(reportFile(QStringLiteral("Sales")));
    request.setMode(0);
    request.setLocationDB(QStringLiteral("db"));
    request.SubReports()->Add(QStringLiteral("LINES"), &rsLines);
    request.Show();
    EXPECT_EQ(log().actionsMatching(QStringLiteral("Sub")),
              (QStringList{
                  QStringLiteral("Subreport(Lines).DiscardSavedData = True"),
                  QStringLiteral("Subreport(Lines).Database.Tables(1).SetDataSource(rsLines)"),
                  QStringLiteral("Subreport(Lines).Database.Tables(1).TestConnectivity"),
                  QStringLiteral("Subreport(Notes).DiscardSavedData = True"),
                  QStringLiteral("Subreport(Notes).Database.Tables(1).Location = \"db\""),
                  QStringLiteral("Subreport(Notes).Database.Tables(1).TestConnectivity"),
              }));
    EXPECT_EQ(log().actionsMatching(QStringLiteral("Report.OpenSubreport")),
              (QStringList{QStringLiteral("Report.OpenSubreport(\"Lines\")"), QStringLiteral("Report.OpenSubreport(\"Notes\")")}));
    EXPECT_EQ(RunState::current().CurrentSubReport, nullptr) << "emptied after each sub-report";

    // With a main recordset, a sub-report table without its own takes it.
    log().clear();
    request.SubReports()->Clear();
    request.setRecordset(&rsMain);
    request.Show();
    EXPECT_EQ(log().actionsMatching(QStringLiteral("Subreport(Lines).Database")),
              (QStringList{QStringLiteral("Subreport(Lines).Database.Tables(1).SetDataSource(rsMain)"),
                           QStringLiteral("Subreport(Lines).Database.Tables(1).TestConnectivity")}));
}

TEST_F(EngineRun, EmptyLocationLeavesMainTablesButGivesSubReportTablesAnEmptyLocation)
{
    rt().addReport(QStringLiteral("Sales.RPT"), salesScript());
    ORXDLLViewReport request;
    request.setReportName(reportFile(QStringLiteral("Sales")));
    request.setMode(0);
    request.Show();
    EXPECT_TRUE(log().actionsMatching(QStringLiteral("Report.Database")).isEmpty());
    EXPECT_EQ(log().actionsMatching(QStringLiteral("Subreport(Notes).Database")),
              (QStringList{QStringLiteral("Subreport(Notes).Database.Tables(1).Location = \"\""),
                           QStringLiteral("Subreport(Notes).Database.Tables(1).TestConnectivity")}))
        << "one TestConnectivity per sub-report table";
}

// The sub-report's key is a name: an entry is found by its name even when
// the key reads as a number.
TEST_F(EngineRun, NumericSubReportKeysAreNamesNotPositions)
{
    const struct {
        const char* keyFormula;
        QList<QPair<const char*, const char*>> entries;  // name, recordset
        const char* expected;                            // the call on the sub-report's table
    } cases[] = {
        {"\"2\"", {{"2", "rsTwo"}, {"Other", "rsOther"}}, "SetDataSource(rsTwo)"},
        {"\"5\"", {{"5", "rsFive"}}, "SetDataSource(rsFive)"},
        {"\"1\"", {{"Other", "rsOther"}}, "Location = \"db\""},
        {"\"Orders\"", {{"orders", "rsOrders"}, {"ORDERS", "rsSecond"}}, "SetDataSource(rsOrders)"},
        {"\"Orders\"", {{"Orders", nullptr}}, "Location = \"db\""},  // an entry without recordset: main rule
    };
    const QString name = reportFile(QStringLiteral("Keyed"));
    for (const auto& c : cases) {
        rec::ReportScript script;
        script.sections = {{{{reportrt::kind::SubreportObject, QStringLiteral("Sub")}}}};
        rec::ReportScript sub;
        sub.subreportName = QStringLiteral("Sub");
        sub.tables = {{QStringLiteral("T"), {}}};
        sub.formulaFields = {{QStringLiteral("orxSubReportName"), vt::String, QString::fromUtf8(c.keyFormula)}};
        script.subreports = {sub};
        rt().addReport(QStringLiteral("Keyed.RPT"), script);

        std::vector<std::unique_ptr<QObject>> recordsets;
        ORXDLLViewReport request;
        request.setReportName(name);
        request.setMode(0);
        request.setLocationDB(QStringLiteral("db"));
        for (const auto& e : c.entries) {
            QObject* rs = nullptr;
            if (e.second) {
                recordsets.push_back(std::make_unique<QObject>());
                rs = recordsets.back().get();
                rs->setObjectName(QString::fromLatin1(e.second));
            }
            request.SubReports()->Add(QString::fromLatin1(e.first), rs);
        }
        log().clear();
        request.Show();
        EXPECT_EQ(log().actionsMatching(QStringLiteral("Subreport(Sub).Database.Tables(1).")).value(0),
                  QStringLiteral("Subreport(Sub).Database.Tables(1).") + QString::fromUtf8(c.expected))
            << c.keyFormula;
    }
}

TEST_F(EngineRun, ReportWithDataTouchesNoTableButAppliesTheRest)
{
    rec::ReportScript script = salesScript();
    script.formulaFields = {{QStringLiteral("Title"), vt::Number, QStringLiteral("0")}};
    script.parameterFields = {{QStringLiteral("Year"), vt::Number}};
    rt().addReport(QStringLiteral("Sales.RPT"), script);
    QObject rs;
    ORXDLLViewReport request;
    request.setReportName(reportFile(QStringLiteral("Sales")));
    request.setMode(0);
    request.setReportWithData(true);
    request.setLocationDB(QStringLiteral("db"));
    request.setRecordset(&rs);
    request.OrderByFields()->Add(QStringLiteral("Customer.Name"), 1);
    request.OrderByFields()->Add(QStringLiteral("Orders.Date"), 0);
    request.Parameters()->Add(QStringLiteral("Year"), 2010);
    request.Formulas()->Add(QStringLiteral("Title"), QStringLiteral("1"));
    request.Show();
    EXPECT_TRUE(log().actionsMatching(QStringLiteral("Report.Database")).isEmpty());
    EXPECT_TRUE(log().matching(QStringLiteral("Report.Sections")).isEmpty());
    EXPECT_TRUE(log().matching(QStringLiteral("Sub")).isEmpty());
    EXPECT_EQ(actionsAfterOpen(), (QStringList{
                                      QStringLiteral("Report.Areas(2).SortDirection = 1"),
                                      QStringLiteral("Report.RecordSortFields.Delete(1)"),
                                      QStringLiteral("Report.RecordSortFields.Delete(1)"),
                                      QStringLiteral("Report.RecordSortFields.Add({Orders.Date}, 0)"),
                                      QStringLiteral("Report.ParameterFields(1).ClearCurrentValueAndRange"),
                                      QStringLiteral("Report.ParameterFields(1).AddCurrentValue(Double(2010))"),
                                      QStringLiteral("Report.FormulaFields(1).Text = \"1\""),
                                      QStringLiteral("Report.EnableParameterPrompting = False"),
                                      QStringLiteral("Report.MorePrintEngineErrorMessages = True"),
                                  }));
}

TEST_F(EngineRun, GroupsConsumeTheirOrderByEntriesInListOrder)
{
    rt().addReport(QStringLiteral("Sales.RPT"), salesScript());
    ORXDLLViewReport request;
    request.setReportName(reportFile(QStringLiteral("Sales")));
    request.setMode(0);
    request.setReportWithData(true);
    request.OrderByFields()->Add(QStringLiteral("Customer.Name"), ORXVRSortD_Descending, ORXVRGrpCond_Monthly);
    request.OrderByFields()->Add(QStringLiteral("{customer.name}"), ORXVRSortD_Ascending);
    request.Show();
    EXPECT_EQ(actionsAfterOpen(), (QStringList{
                                      QStringLiteral("Report.Areas(2).SortDirection = 1"),
                                      QStringLiteral("Report.Areas(2).GroupCondition = 4"),
                                      QStringLiteral("Report.Areas(2).SortDirection = 0"),
                                      QStringLiteral("Report.EnableParameterPrompting = False"),
                                      QStringLiteral("Report.MorePrintEngineErrorMessages = True"),
                                  }))
        << "both applied to the group, neither replaces the record sort fields";
    EXPECT_TRUE(log().matching(QStringLiteral("Report.RecordSortFields.Count")).isEmpty());
    EXPECT_EQ(request.OrderByFields()->Count(), 2) << "the caller's request is left as it was";
    EXPECT_EQ(RunState::current().currentRequest().OrderByFields()->Count(), 0) << "consumed from the run's copy";
}

TEST_F(EngineRun, RemainingOrderByEntriesReplaceTheRecordSortFields)
{
    rt().addReport(QStringLiteral("Sales.RPT"), salesScript());
    ORXDLLViewReport request;
    request.setReportName(reportFile(QStringLiteral("Sales")));
    request.setMode(0);
    request.setReportWithData(true);
    request.OrderByFields()->Add(QStringLiteral("Unknown.Field"), ORXVRSortD_Ascending);
    request.OrderByFields()->Add(QStringLiteral("orders.date"), ORXVRSortD_Descending);
    request.OrderByFields()->Add(QStringLiteral("Customer.Name"), ORXVRSortD_Ascending);  // the group's
    request.Show();
    EXPECT_EQ(log().actionsMatching(QStringLiteral("Report.RecordSortFields")),
              (QStringList{QStringLiteral("Report.RecordSortFields.Delete(1)"), QStringLiteral("Report.RecordSortFields.Delete(1)"),
                           QStringLiteral("Report.RecordSortFields.Add({Orders.Date}, 1)")}))
        << "the unknown field is skipped, the field keeps the runtime's own name";
}

TEST_F(EngineRun, ParametersAreGivenByTheFieldsValueType)
{
    rec::ReportScript script;
    script.parameterFields = {{QStringLiteral("Amount"), vt::Number}, {QStringLiteral("Flag"), vt::Boolean},
                              {QStringLiteral("Name"), vt::String},  {QStringLiteral("When"), vt::Date},
                              {QStringLiteral("amount"), vt::String}};
    rt().addReport(QStringLiteral("P.RPT"), script);
    ORXDLLViewReport request;
    request.setReportName(reportFile(QStringLiteral("P")));
    request.setMode(0);
    request.Parameters()->Add(QStringLiteral("AMOUNT"), QStringLiteral("12,5"));  // Italian settings
    request.Parameters()->Add(QStringLiteral("Flag"), QStringLiteral("True"));
    request.Parameters()->Add(QStringLiteral("Name"), 42);
    request.Parameters()->Add(QStringLiteral("When"), QDate(2010, 6, 15));
    request.Parameters()->Add(QStringLiteral("Nobody"), 1);
    request.Show();
    EXPECT_EQ(log().actionsMatching(QStringLiteral("Report.ParameterFields")),
              (QStringList{
                  QStringLiteral("Report.ParameterFields(1).ClearCurrentValueAndRange"),
                  QStringLiteral("Report.ParameterFields(1).AddCurrentValue(Double(12.5))"),
                  QStringLiteral("Report.ParameterFields(5).ClearCurrentValueAndRange"),
                  QStringLiteral("Report.ParameterFields(5).AddCurrentValue(String(\"12,5\"))"),
                  QStringLiteral("Report.ParameterFields(2).ClearCurrentValueAndRange"),
                  QStringLiteral("Report.ParameterFields(2).AddCurrentValue(Boolean(True))"),
                  QStringLiteral("Report.ParameterFields(3).ClearCurrentValueAndRange"),
                  QStringLiteral("Report.ParameterFields(3).AddCurrentValue(String(\"42\"))"),
                  QStringLiteral("Report.ParameterFields(4).ClearCurrentValueAndRange"),
                  QStringLiteral("Report.ParameterFields(4).SetCurrentValue(Date(2010-06-15))"),
              }))
        << "every matching field, in the request's order";
}

TEST_F(EngineRun, AParameterThatDoesNotConvertEndsTheRun)
{
    rec::ReportScript script;
    script.parameterFields = {{QStringLiteral("Amount"), vt::Number}};
    script.formulaFields = {{QStringLiteral("F"), vt::Number, QString()}};
    rt().addReport(QStringLiteral("P.RPT"), script);
    ORXDLLViewReport request;
    request.setReportName(reportFile(QStringLiteral("P")));
    request.setMode(ORXVR_Mode_Printer);
    request.Parameters()->Add(QStringLiteral("Amount"), QStringLiteral("abc"));
    request.Formulas()->Add(QStringLiteral("F"), QStringLiteral("1"));
    const auto error = errorOf([&] { request.Show(); });
    ASSERT_TRUE(error);
    EXPECT_EQ(error->number(), basic::err::TypeMismatch);
    EXPECT_EQ(log().actions().last(), QStringLiteral("Report.ParameterFields(1).ClearCurrentValueAndRange"));
    EXPECT_TRUE(log().matching(QStringLiteral("Report.PrintOut")).isEmpty());
}

TEST_F(EngineRun, StringFormulasFailingCheckAreRetriedAsLiterals)
{
    rec::ReportScript script;
    script.formulaFields = {{QStringLiteral("Customer"), vt::String, QString()},
                            {QStringLiteral("Quoted"), vt::String, QString()},
                            {QStringLiteral("Total"), vt::Number, QString()},
                            {QStringLiteral("customer"), vt::String, QString(), [](const QString&) { return true; }}};
    rt().addReport(QStringLiteral("F.RPT"), script);
    ORXDLLViewReport request;
    request.setReportName(reportFile(QStringLiteral("F")));
    request.setMode(0);
    request.Formulas()->Add(QStringLiteral("CUSTOMER"), QStringLiteral("Customer"));
    request.Formulas()->Add(QStringLiteral("Quoted"), QStringLiteral("\"Ok\""));
    request.Formulas()->Add(QStringLiteral("Total"), QStringLiteral("Sum"));
    request.Show();
    EXPECT_EQ(log().actionsMatching(QStringLiteral("Report.FormulaFields")),
              (QStringList{
                  QStringLiteral("Report.FormulaFields(1).Text = \"Customer\""),
                  QStringLiteral("Report.FormulaFields(1).Check -> False"),
                  QStringLiteral("Report.FormulaFields(1).Text = \"\"\"Customer\"\"\""),
                  QStringLiteral("Report.FormulaFields(4).Text = \"Customer\""),
                  QStringLiteral("Report.FormulaFields(4).Check -> True"),
                  QStringLiteral("Report.FormulaFields(4).Text = \"Customer\""),
                  QStringLiteral("Report.FormulaFields(2).Text = \"\"\"Ok\"\"\""),
                  QStringLiteral("Report.FormulaFields(2).Check -> True"),
                  QStringLiteral("Report.FormulaFields(2).Text = \"\"\"Ok\"\"\""),
                  QStringLiteral("Report.FormulaFields(3).Text = \"Sum\""),
              }));
}

TEST_F(EngineRun, PrintingToANamedPrinterKeepsThePageSetup)
{
    rec::ReportScript script;
    script.paperOrientation = 2;
    script.paperSize = 9;
    script.paperSource = 7;
    script.driverName = QStringLiteral("drv");
    script.portName = QStringLiteral("LPT2:");
    rt().addReport(QStringLiteral("P.RPT"), script);
    const QString name = reportFile(QStringLiteral("P"));
    const struct {
        const char* printer;
        bool silent;
        QStringList expected;
    } cases[] = {
        {" HP 4 ", true,
         {"Report.PaperOrientation -> 2", "Report.PaperSize -> 9", "Report.PaperSource -> 7", "Report.DriverName -> \"drv\"",
          "Report.PortName -> \"LPT2:\"", "Report.SelectPrinter(\"drv\", \" HP 4 \", \"LPT2:\")", "Report.PaperOrientation = 2",
          "Report.PaperSize = 9", "Report.PaperSource = 7", "Report.PrintOut(False, 2)"}},
        {"   ", false, {"Report.PrintOut(True, 2)"}},
        {"", true, {"Report.PrintOut(False, 2)"}},
    };
    for (const auto& c : cases) {
        log().clear();
        ORXDLLViewReport request;
        request.setReportName(name);
        request.setMode(ORXVR_Mode_Printer);
        request.PrintOptions()->setPrinterName(QString::fromUtf8(c.printer));
        request.PrintOptions()->setSilent(c.silent);
        request.PrintOptions()->setCopies(2);
        request.Show();
        QStringList printing = log().lines();
        printing = printing.mid(printing.indexOf(QStringLiteral("Report.MorePrintEngineErrorMessages = True")) + 1);
        EXPECT_EQ(printing, c.expected) << c.printer;
    }
}

TEST_F(EngineRun, MissingReportFileFailsBeforeTheRunStateIsTouched)
{
    ORXDLLViewReport first;
    first.setReportName(reportFile(QStringLiteral("First")));
    first.setMode(0);
    first.Show();
    log().clear();

    ORXDLLViewReport request;
    request.setReportName(QDir(folder()).filePath(QStringLiteral("Missing.rpt")));
    const auto error = errorOf([&] { request.Show(); });
    ASSERT_TRUE(error);
    EXPECT_EQ(error->number(), -2147221503);
    EXPECT_EQ(error->source(), QStringLiteral("ORXOCX_ViewReport"));
    EXPECT_EQ(error->description(), QStringLiteral("Invalid Report Name:\r") + QDir(folder()).filePath(QStringLiteral("Missing")));
    EXPECT_TRUE(log().lines().isEmpty());
    EXPECT_EQ(RunState::current().currentRequest().ReportName(), first.ReportName());
    EXPECT_TRUE(previewWindows().isEmpty());
}

// The file of a ReportName: the exact name with ".RPT" first, then the
// extension in any case; the name itself is taken literally.
TEST_F(EngineRun, ReportFilesAreFoundByExactNameThenByExtensionInAnyCase)
{
    const struct {
        QStringList files;
        const char* name;
        const char* opened;  // nullptr: the check fails
    } cases[] = {
        {{"Sales.RPT"}, "Sales", "Sales.RPT"},
        {{"Sales.rpt"}, "Sales", "Sales.rpt"},
        {{"Sales.rpt", "Sales.RPT"}, "Sales", "Sales.RPT"},
        {{"Sales.rpt", "Sales.Rpt"}, "Sales", "Sales.Rpt"},  // first in binary order
        {{"Sales.rpt"}, "sales", nullptr},                   // the name's own case counts
        {{"Sales.RPT"}, "Sal*", nullptr},                    // wildcards match nothing else
        {{"Sales.RPT"}, "Sal?s", nullptr},
        {{"Sal*.RPT"}, "Sal*", "Sal*.RPT"},                  // ... only themselves
        {{}, "Dir", nullptr},                                // a folder named Dir.RPT is not a report
        // The extension is cut once, when the name is given: the run opens
        // the file the check found, not the name cut a second time.
        {{"Q1.RPT", "Q1.RPT.RPT"}, "Q1.RPT.RPT", "Q1.RPT.RPT"},
        {{"Q1.RPT"}, "Q1.RPT.RPT", nullptr},
        {{"Q1.RPT", "Q1.RPT.RPT"}, "Q1.rpt", "Q1.RPT"},
    };
    int n = 0;
    for (const auto& c : cases) {
        const QString dir = QDir(folder()).filePath(QStringLiteral("case%1").arg(++n));
        QDir().mkpath(dir);
        QDir().mkpath(QDir(dir).filePath(QStringLiteral("Dir.RPT")));
        for (const QString& f : c.files) {
            QFile file(QDir(dir).filePath(f));
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        }
        ORXDLLViewReport request;
        request.setMode(0);
        request.setReportName(QDir(dir).filePath(QString::fromUtf8(c.name)));
        log().clear();
        const auto error = errorOf([&] { CheckReportFile(request.ReportName()); });
        if (!c.opened) {
            EXPECT_TRUE(error) << c.name;
            continue;
        }
        ASSERT_FALSE(error) << c.name;
        request.Show();
        EXPECT_EQ(log().actionsMatching(QStringLiteral("Application.OpenReport")),
                  QStringList{QStringLiteral("Application.OpenReport(\"%1\", 1)").arg(QDir(dir).filePath(QString::fromUtf8(c.opened)))})
            << c.name;
    }
}

TEST_F(EngineRun, RelativeReportNamesAreFoundFromTheCurrentFolder)
{
    reportFile(QStringLiteral("Rel"), QStringLiteral(".rpt"));
    const QString previous = QDir::currentPath();
    QDir::setCurrent(folder());
    ORXDLLViewReport request;
    request.setReportName(QStringLiteral("Rel"));
    request.setMode(0);
    const auto error = errorOf([&] { request.Show(); });
    QDir::setCurrent(previous);
    EXPECT_FALSE(error);
    EXPECT_EQ(log().actionsMatching(QStringLiteral("Application.OpenReport")),
              QStringList{QStringLiteral("Application.OpenReport(\"Rel.rpt\", 1)")});
}

TEST_F(EngineRun, RuntimeErrorsPassThroughUnchanged)
{
    rec::ReportScript script = plainScript();
    script.formulaFields = {{QStringLiteral("F"), vt::Number, QString()}};
    rt().addReport(QStringLiteral("Plain.RPT"), script);
    rt().failToOpen(QStringLiteral("Broken.RPT"), -2147206461, QStringLiteral("Invalid file name."));
    const struct {
        const char* file;
        const char* failAt;
        int number;
        const char* description;
        const char* source;
        const char* lastAction;
    } cases[] = {
        {"Broken", nullptr, -2147206461, "Invalid file name.", "Recording report runtime", "Application.OpenReport"},
        {"Plain", "Report.Database.Tables(1).Location", -2147189176, "Server has not yet been opened.", "CRPE",
         "Report.Database.Tables(1).Location"},
        {"Plain", "Report.FormulaFields(1).Text =", -2147206394, "Error in formula.", "CRPE", "Report.FormulaFields(1).Text"},
        {"Plain", "Report.PrintOut", -2147206404, "Printing failed.", "CRPE", "Report.PrintOut"},
    };
    for (const auto& c : cases) {
        log().clear();
        if (c.failAt)
            log().failAt(QString::fromLatin1(c.failAt), c.number, QString::fromLatin1(c.description), QStringLiteral("CRPE"));
        ORXDLLViewReport request;
        request.setReportName(reportFile(QString::fromLatin1(c.file)));
        request.setMode(ORXVR_Mode_Printer | ORXVR_Mode_Export);
        request.setLocationDB(QStringLiteral("db"));
        request.Formulas()->Add(QStringLiteral("F"), QStringLiteral("1"));
        const auto error = errorOf([&] { request.Show(); });
        ASSERT_TRUE(error) << c.file;
        EXPECT_EQ(error->number(), c.number);
        EXPECT_EQ(error->description(), QString::fromLatin1(c.description));
        EXPECT_EQ(error->source(), QString::fromLatin1(c.source));
        EXPECT_TRUE(log().actions().last().startsWith(QString::fromLatin1(c.lastAction))) << "the run ends at the failing call";
        EXPECT_TRUE(log().matching(QStringLiteral("Report.Export")).isEmpty());
    }
}

TEST_F(EngineRun, TheApplicationIsCreatedOnceAndTheLastRunWins)
{
    ORXDLLViewReport a, b;
    a.setReportName(reportFile(QStringLiteral("A")));
    a.setMode(0);
    b.setReportName(reportFile(QStringLiteral("B")));
    b.setMode(0);
    a.Show();
    const reportrt::ReportRef first = RunState::current().CurrentReport;
    b.Show();
    EXPECT_EQ(rt().applicationsCreated(), 1);
    EXPECT_NE(RunState::current().CurrentReport, first);
    EXPECT_EQ(rec::recordedFilePath(RunState::current().CurrentReport), b.ReportName() + QStringLiteral(".RPT"));
    EXPECT_EQ(RunState::current().currentRequest().ReportName(), b.ReportName());

    // Another runtime installed: its own application is created.
    rec::RecordingRuntime other;
    reportrt::ScopedRuntime scope(other);
    a.Show();
    EXPECT_EQ(other.applicationsCreated(), 1);
}

TEST_F(EngineRun, CopyRequestCopiesThroughTheTargetsRules)
{
    QObject rs1, rs2;
    ORXDLLViewReport source;
    source.Formulas()->Add(QStringLiteral("F"), QStringLiteral("t"));
    source.setLocationDB(QStringLiteral("L"));
    source.OrderByFields()->Add(QStringLiteral("A.B"), 1, 5);
    source.Parameters()->Add(QStringLiteral("P"), 2.5);
    source.SubReports()->Add(QStringLiteral("S"), &rs1);
    source.ExportOptions()->setFileName(QStringLiteral("x.pdf"));
    source.ExportOptions()->setFormatType(8);
    source.ExportOptions()->setSilent(false);
    source.setMode(5);
    source.setPassWordDB(QStringLiteral(" pw "));
    source.PrintOptions()->setCopies(3);
    source.PrintOptions()->setPrinterName(QStringLiteral("HP"));
    source.PrintOptions()->setSilent(false);
    source.setReportName(QStringLiteral("R.RPT.RPT"));
    source.setReportWithData(true);
    source.setRecordset(&rs2);
    source.setWaitUnload(true);
    source.setSelectionFormula(QStringLiteral("{A.B} = 1"));

    ORXDLLViewReport target;
    target.Formulas()->Add(QStringLiteral("Old"), QString());
    target.setSelectionFormula(QStringLiteral("old"));
    CopyRequest(source, target);
    EXPECT_EQ(target.Formulas()->Count(), 1);
    EXPECT_EQ(target.Formulas()->Item(1)->Name(), QStringLiteral("F"));
    EXPECT_EQ(target.LocationDB(), QStringLiteral("L"));
    EXPECT_EQ(target.OrderByFields()->Item(1)->Name(), QStringLiteral("{A.B}"));
    EXPECT_EQ(target.OrderByFields()->Item(1)->GroupCondition(), 5);
    EXPECT_EQ(target.Parameters()->Item(1)->Value(), QVariant(2.5));
    EXPECT_EQ(target.SubReports()->Item(1)->Recordset(), &rs1);
    EXPECT_EQ(target.ExportOptions()->FileName(), QStringLiteral("x.pdf"));
    EXPECT_EQ(target.ExportOptions()->FormatType(), 8);
    EXPECT_FALSE(target.ExportOptions()->Silent());
    EXPECT_EQ(target.Mode(), 5);
    EXPECT_EQ(target.PassWordDB(), QStringLiteral("pw"));
    EXPECT_EQ(target.PrintOptions()->Copies(), 3);
    EXPECT_EQ(target.PrintOptions()->PrinterName(), QStringLiteral("HP"));
    EXPECT_FALSE(target.PrintOptions()->Silent());
    EXPECT_EQ(target.ReportName(), QStringLiteral("R.RPT")) << "copied as stored, not cut again";
    EXPECT_TRUE(target.ReportWithData());
    EXPECT_EQ(target.Recordset(), &rs2);
    EXPECT_TRUE(target.WaitUnload());
    EXPECT_EQ(target.SelectionFormula(), QString()) << "not copied; the target was cleared";
}

TEST_F(EngineRun, SubReportKeysAndFieldLookups)
{
    const struct {
        QList<rec::FormulaScript> formulas;
        const char* key;
    } cases[] = {
        {{{QStringLiteral("ORXSubReportName"), vt::String, QStringLiteral("\"Orders\"")}}, "Orders"},
        {{{QStringLiteral("orxsubreportname"), vt::String, QStringLiteral(" \"Ord\"\"ers\" \r\n")}}, "Orders"},
        {{{QStringLiteral("Other"), vt::String, QStringLiteral("\"x\"")},
          {QStringLiteral("ORXSubReportName"), vt::String, QStringLiteral("'Lines'")}},
         "'Lines'"},
        {{{QStringLiteral("Other"), vt::String, QStringLiteral("\"x\"")}}, ""},
        {{}, ""},
    };
    for (const auto& c : cases) {
        rec::ReportScript s;
        s.formulaFields = c.formulas;
        const reportrt::ReportRef r = rec::makeRecordedReport(rt().sharedLog(), s, QStringLiteral("Sub"), QString());
        EXPECT_EQ(SubReportKey(*r), QString::fromUtf8(c.key));
    }

    const reportrt::ReportRef sales = rec::makeRecordedReport(rt().sharedLog(), salesScript(), QStringLiteral("R"), QString());
    const struct {
        const char* name;
        const char* found;
    } lookups[] = {{"{orders.total}", "{Orders.Total}"}, {"{Customer.Id}", "{Customer.Id}"}, {"{Nope}", nullptr}, {"Orders.Total", nullptr}};
    for (const auto& l : lookups) {
        reportrt::FieldDefinition* f = FindDatabaseField(*sales, QString::fromLatin1(l.name));
        if (!l.found)
            EXPECT_EQ(f, nullptr) << l.name;
        else
            EXPECT_EQ(f ? f->Name() : QString(), QString::fromLatin1(l.found)) << l.name;
    }
}

TEST(EnginePositions, CollectionsBeyondSixteenBitsOverflow)
{
    EXPECT_EQ(positions(0), 0);
    EXPECT_EQ(positions(32767), 32767);
    try {
        positions(32768);
        FAIL() << "no overflow";
    } catch (const basic::BasicError& e) {
        EXPECT_EQ(e.number(), basic::err::Overflow);
    }
}

TEST_F(EngineRun, AReportWithTooManyFormulaFieldsOverflowsBeforeWritingAny)
{
    rec::ReportScript script;
    for (int i = 0; i < 32768; ++i)
        script.formulaFields.append({QStringLiteral("F%1").arg(i), vt::Number, QString()});
    rt().addReport(QStringLiteral("Big.RPT"), script);
    ORXDLLViewReport request;
    request.setReportName(reportFile(QStringLiteral("Big")));
    request.setMode(0);
    request.Formulas()->Add(QStringLiteral("F1"), QStringLiteral("1"));
    const auto error = errorOf([&] { request.Show(); });
    ASSERT_TRUE(error);
    EXPECT_EQ(error->number(), basic::err::Overflow);
    EXPECT_TRUE(log().actionsMatching(QStringLiteral("Report.FormulaFields")).isEmpty());
}

}  // namespace
