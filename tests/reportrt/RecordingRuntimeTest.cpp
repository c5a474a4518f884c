// The runtime boundary's own rules (the runtime in use, the default when none
// is installed) and the recording runtime the engine tests stand on: its log
// format, scripted failures, collections, sub-reports and viewer.

#include "platform/basic/BasicError.h"
#include "platform/basic/Variant.h"
#include "reportrt/Runtime.h"
#include "reportrt/RuntimeError.h"
#include "reportrt/recording/RecordingRuntime.h"

#include <QDate>
#include <gtest/gtest.h>
#include <optional>

using namespace orx;
using namespace orx::reportrt;
using namespace orx::reportrt::recording;

namespace {

template <class F>
std::optional<basic::BasicError> errorOf(F&& call)
{
    try {
        call();
    } catch (const basic::BasicError& e) {
        return e;
    }
    return std::nullopt;
}

TEST(RecordingLogFormat, TextsAndValuesShowEveryCharacter)
{
    const struct {
        QString text;
        const char* shown;
    } texts[] = {
        {QStringLiteral("C:\\Data\\Shop.mdb"), "\"C:\\Data\\Shop.mdb\""},
        {QChar(10) + QStringLiteral("pw"), "\"<LF>pw\""},
        {QStringLiteral("say \"hi\""), "\"say \"\"hi\"\"\""},
        {QStringLiteral("a\r\n\tb") + QChar(12) + QChar(0) + QChar(1), "\"a<CR><LF><TAB>b<FF><NUL><#1>\""},
        {QString(), "\"\""},
    };
    for (const auto& t : texts)
        EXPECT_EQ(quoted(t.text), QString::fromUtf8(t.shown));

    const struct {
        QVariant value;
        const char* shown;
    } values[] = {
        {12.5, "Double(12.5)"},         {true, "Boolean(True)"},   {QStringLiteral("x"), "String(\"x\")"},
        {QDate(2010, 6, 15), "Date(2010-06-15)"}, {42, "Long(42)"}, {QVariant::fromValue<short>(3), "Integer(3)"},
        {QVariant(), "Empty"},          {basic::nullVariant(), "Null"},
    };
    for (const auto& v : values)
        EXPECT_EQ(describe(v.value), QString::fromUtf8(v.shown));
}

TEST(RecordingLogFormat, FailuresFireOnceAtTheFirstMatchingLine)
{
    RecordingLog log;
    log.failAt(QStringLiteral("Report.PrintOut"), -5, QStringLiteral("No printer"), QStringLiteral("CRPE"));
    log.call(QStringLiteral("Report.Export(False)"));
    const auto error = errorOf([&] { log.call(QStringLiteral("Report.PrintOut(True, 1)")); });
    ASSERT_TRUE(error);
    EXPECT_EQ(error->number(), -5);
    EXPECT_EQ(error->source(), QStringLiteral("CRPE"));
    EXPECT_EQ(error->description(), QStringLiteral("No printer"));
    EXPECT_FALSE(errorOf([&] { log.call(QStringLiteral("Report.PrintOut(True, 1)")); })) << "once";
    log.read(QStringLiteral("Report.DriverName -> \"x\""));
    EXPECT_EQ(log.lines().size(), 4) << "the failing call is logged too";
    EXPECT_EQ(log.actions().size(), 3);
    EXPECT_EQ(log.matching(QStringLiteral("Report.PrintOut")).size(), 2);
}

TEST(RecordingReports, CollectionsPositionsAndSubreports)
{
    auto log = std::make_shared<RecordingLog>();
    ReportScript script;
    script.tables = {{QStringLiteral("T"), {QStringLiteral("{T.A}")}}};
    ReportScript sub;
    sub.subreportName = QStringLiteral("Lines");
    script.subreports = {sub};
    const ReportRef r = makeRecordedReport(log, script, QStringLiteral("Report"), QStringLiteral("/x/R.RPT"));

    EXPECT_EQ(r->Database().Tables().Count(), 1);
    r->Database().Tables().Item(1).setLocation(QStringLiteral("db"));
    for (std::int16_t bad : {std::int16_t(0), std::int16_t(2), std::int16_t(-1)}) {
        const auto error = errorOf([&] { r->Database().Tables().Item(bad); });
        ASSERT_TRUE(error) << bad;
        EXPECT_EQ(error->number(), rterr::SubscriptOutOfRange);
    }
    EXPECT_EQ(errorOf([&] { r->OpenSubreport(QStringLiteral("Nope")); })->number(), rterr::NoSuchSubreport);
    const ReportRef s = r->OpenSubreport(QStringLiteral("LINES"));
    s->setDiscardSavedData(true);
    EXPECT_EQ(log->actions(), (QStringList{QStringLiteral("Report.Database.Tables(1).Location = \"db\""),
                                           QStringLiteral("Report.OpenSubreport(\"Nope\")"),
                                           QStringLiteral("Report.OpenSubreport(\"LINES\")"),
                                           QStringLiteral("Subreport(Lines).DiscardSavedData = True")}));

    // Sort fields shrink as they are deleted; choosing a printer resets the page set-up.
    ReportScript sorted;
    sorted.recordSortFields = {QStringLiteral("{A}"), QStringLiteral("{B}")};
    sorted.paperSize = 9;
    const ReportRef t = makeRecordedReport(log, sorted, QStringLiteral("Report"), QString());
    t->RecordSortFields().Delete(1);
    EXPECT_EQ(t->RecordSortFields().Count(), 1);
    EXPECT_TRUE(errorOf([&] { t->RecordSortFields().Delete(2); }));
    t->SelectPrinter(QStringLiteral("d"), QStringLiteral("p"), QStringLiteral("o"));
    EXPECT_NE(t->PaperSize(), 9);
}

TEST(RecordingReports, FormulaCheckFollowsTheScriptOrTheDefaultRule)
{
    const struct {
        const char* text;
        bool accepted;
    } texts[] = {{"", true}, {"\"Orders\"", true}, {"'Orders'", true}, {"{Orders.Date}", true},
                 {"Orders", false}, {"\"Orders", false}, {"1 + 2", false}};
    for (const auto& t : texts)
        EXPECT_EQ(acceptedByDefault(QString::fromUtf8(t.text)), t.accepted) << t.text;

    auto log = std::make_shared<RecordingLog>();
    ReportScript script;
    script.formulaFields = {{QStringLiteral("F"), valuetype::Number, QString(), [](const QString& text) { return text == "1"; }}};
    const ReportRef r = makeRecordedReport(log, script, QStringLiteral("Report"), QString());
    FormulaFieldDefinition& f = r->FormulaFields().Item(1);
    QString why;
    f.setText(QStringLiteral("2"));
    EXPECT_FALSE(f.Check(why));
    EXPECT_FALSE(why.isEmpty());
    f.setText(QStringLiteral("1"));
    EXPECT_TRUE(f.Check(why));
    EXPECT_EQ(f.Text(), QStringLiteral("1"));
}

TEST(RecordingRuntimes, ReportsOpenByFileNameAndFailuresAreScripted)
{
    RecordingRuntime rt;
    ReportScript sales;
    sales.pageCount = 3;
    rt.addReport(QStringLiteral("Sales.RPT"), sales);
    rt.failToOpen(QStringLiteral("Bad.RPT"), -7, QStringLiteral("Cannot open"));
    const std::shared_ptr<Application> app = rt.createApplication();
    EXPECT_EQ(recordedPageCount(app->OpenReport(QStringLiteral("/a/b/Sales.RPT"), 1)), 3);
    EXPECT_EQ(recordedPageCount(app->OpenReport(QStringLiteral("/a/b/Other.RPT"), 1)), 1) << "the default report";
    const auto error = errorOf([&] { app->OpenReport(QStringLiteral("Bad.RPT"), 1); });
    ASSERT_TRUE(error);
    EXPECT_EQ(error->number(), -7);
    EXPECT_EQ(rt.applicationsCreated(), 1);
}

TEST(RecordingRuntimes, ViewersKeepTheirStateByDispatchIdentifier)
{
    RecordingRuntime rt;
    rt.setBusyPolls(2);
    std::unique_ptr<Viewer> v(rt.createViewer(nullptr));
    auto* rv = qobject_cast<RecordingViewer*>(v.get());
    ASSERT_NE(rv, nullptr);
    EXPECT_EQ(rv->label(), QStringLiteral("Viewer1"));

    EXPECT_EQ(errorOf([&] { v->call(viewerid::ViewReport); })->number(), rterr::NoReportSource);
    EXPECT_EQ(errorOf([&] { v->getProperty(999); })->number(), 438);
    EXPECT_EQ(errorOf([&] { v->putProperty(viewerid::PageCount, 3); })->number(), 383);

    ReportScript script;
    script.pageCount = 5;
    v->putProperty(viewerid::ReportSource, QVariant::fromValue(makeRecordedReport(rt.sharedLog(), script, QStringLiteral("Report"), QStringLiteral("S.RPT"))));
    EXPECT_EQ(v->getProperty(viewerid::PageCount).toInt(), 0) << "no pages before it is viewed";
    v->call(viewerid::ViewReport);
    EXPECT_TRUE(v->isBusy());
    EXPECT_TRUE(v->isBusy());
    EXPECT_FALSE(v->isBusy());
    EXPECT_EQ(v->getProperty(viewerid::PageCount).toInt(), 5);
    v->call(viewerid::ShowLastPage);
    EXPECT_EQ(rv->currentPage(), 5);
    v->zoom(75);
    EXPECT_EQ(rv->zoomLevel(), 75);
    v->putProperty(viewerid::DisplayToolbar, false);
    EXPECT_FALSE(v->getProperty(viewerid::DisplayToolbar).toBool());
    EXPECT_TRUE(rv->stateText().contains(QStringLiteral("Page 5 of 5")));
    EXPECT_TRUE(rv->stateText().contains(QStringLiteral("Toolbar hidden")));
    EXPECT_FALSE(rv->grab().isNull());
}

TEST(RecordingRuntimes, ClicksCarryTheirKindAndFields)
{
    RecordingRuntime rt;
    std::unique_ptr<Viewer> v(rt.createViewer(nullptr));
    auto* rv = qobject_cast<RecordingViewer*>(v.get());
    int kind = -1;
    QStringList fields;
    QObject::connect(v.get(), &Viewer::Clicked, [&](int, int, ViewerEventInfo* info, bool& useDefault) {
        kind = info->ObjectKind();
        for (int i = 1; i <= info->Fields().Count(); ++i)
            fields << info->Fields().Item(i).Name() + QLatin1Char('=') + info->Fields().Item(i).Value().toString();
        EXPECT_TRUE(errorOf([&] { info->Fields().Item(info->Fields().Count() + 1); }));
        useDefault = false;
    });
    EXPECT_FALSE(rv->simulateClick(1, 2, {5, {{QStringLiteral("a:b"), 1}, {QStringLiteral("c"), QStringLiteral("x")}}}));
    EXPECT_EQ(kind, 5);
    EXPECT_EQ(fields, (QStringList{QStringLiteral("a:b=1"), QStringLiteral("c=x")}));
    EXPECT_EQ(rv->lastUseDefault(), false);
}

TEST(RuntimeInUse, TheDefaultIsOurRuntimeAndAScopeReplacesIt)
{
    setRuntime(nullptr);
    const std::uint64_t before = runtimeGeneration();
    EXPECT_EQ(runtime().name(), QStringLiteral("ORX report runtime"));
    EXPECT_NE(runtime().createApplication(), nullptr) << "reports run with no set-up";
    std::unique_ptr<Viewer> v(runtime().createViewer(nullptr));
    ASSERT_NE(v, nullptr);
    v->zoom(1);
    EXPECT_EQ(v->getProperty(viewerid::PageCount).toInt(), 0);

    RecordingRuntime rt;
    {
        ScopedRuntime scope(rt);
        EXPECT_EQ(&runtime(), &rt);
        EXPECT_NE(runtimeGeneration(), before);
    }
    EXPECT_NE(&runtime(), &rt) << "the scope restores the previous runtime";
    EXPECT_EQ(runtime().name(), QStringLiteral("ORX report runtime"));
}

}  // namespace
