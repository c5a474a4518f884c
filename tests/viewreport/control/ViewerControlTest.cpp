// The report viewer control hosted on a form: its properties and the viewer
// switches, persistence, Show and the page and print methods, resize, the
// click events, design-time painting and late binding.

#include "platform/com/Dispatch.h"
#include "platform/testing/RecordingSurface.h"
#include "platform/host/Extender.h"
#include "platform/host/PropertyBag.h"
#include "platform/host/Twips.h"
#include "tests/viewreport/ReportTestSupport.h"
#include "viewreport/control/ClickRules.h"
#include "viewreport/control/ORXOCXViewReport.h"

#include <QSignalSpy>

using namespace orx;
using namespace orx::viewreport;
using orx::test::ReportFixture;
namespace rec = orx::reportrt::recording;

namespace {

TEST(ViewerClickRules, FieldNamesValuesAndKeys)
{
    const struct {
        const char* name;
        const char* database;  // kind 1
        const char* formula;   // kinds 5 and 100
    } names[] = {
        {"Orders:Total", "Total", "otal"},
        {"Field:@KeyRowId", "@KeyRowId", "KeyRowId"},
        {"Total", "Total", "otal"},
        {"a:b:c", "b:c", ":c"},
        {":x", "x", ""},
        {"a:", "", ""},
        {"", "", ""},
    };
    for (const auto& n : names) {
        EXPECT_EQ(DatabaseFieldName(QString::fromUtf8(n.name)), QString::fromUtf8(n.database)) << n.name;
        EXPECT_EQ(FormulaFieldName(QString::fromUtf8(n.name)), QString::fromUtf8(n.formula)) << n.name;
    }

    const struct {
        const char* field;
        const char* prefix;
        bool key;
    } keys[] = {{"KeyRowId", "KEYROW", true}, {"keyrow", "KEYROW", true}, {"Total", "KEYROW", false},
                {"KEY", "KEYROW", false},     {"Total", "", true},          {"", "", true}};
    for (const auto& k : keys)
        EXPECT_EQ(IsKeyField(QString::fromUtf8(k.field), QString::fromUtf8(k.prefix)), k.key) << k.field << "/" << k.prefix;

    const struct {
        int given, stored;
    } modes[] = {{2, 3}, {5, 5}, {0, 1}, {4, 5}, {6, 7}, {7, 7}, {1, 1}, {-2, -1}};
    for (const auto& m : modes)
        EXPECT_EQ(ModeWithViewer(m.given), m.stored) << m.given;
}

TEST(ViewerClickRules, FormulaValuesBecomeCleanText)
{
    basic::ScopedRegional italian(basic::RegionalSettings::italian());
    const struct {
        QVariant value;
        const char* text;
    } values[] = {
        {QStringLiteral("  \"7\"\r\n"), "\"7\""},
        {12.5, "12,5"},
        {true, "True"},
        {42, "42"},
        {basic::nullVariant(), ""},  // a blank field, not an error
        {QVariant(), ""},
    };
    for (const auto& v : values)
        EXPECT_EQ(FormulaValueText(v.value), QString::fromUtf8(v.text)) << v.value.toString().toStdString();
}

class ViewerControl : public ReportFixture {
protected:
    ORXOCXViewReport* placeViewer(const host::TwipRect& rect = {120, 120, 6000, 4500})
    {
        auto* c = place<ORXOCXViewReport>(QStringLiteral("Viewer1"), rect);
        return c;
    }

    rec::RecordingViewer* recorded(ORXOCXViewReport* c) { return qobject_cast<rec::RecordingViewer*>(c->CRV_Preview()); }

    // A control ready to Show a one-page report named Sales.
    ORXOCXViewReport* shownViewer(int pages = 1)
    {
        rec::ReportScript script;
        script.pageCount = pages;
        rt().addReport(QStringLiteral("Sales.RPT"), script);
        ORXOCXViewReport* c = placeViewer();
        c->setReportName(reportFile(QStringLiteral("Sales")) + QStringLiteral(".rpt"));
        c->Show();
        return c;
    }
};

TEST_F(ViewerControl, ANewControlHasItsDefaultsAndAHiddenViewer)
{
    ORXOCXViewReport* c = placeViewer();
    EXPECT_EQ(c->KeyFormulaPrefix(), QStringLiteral("KEYROW"));
    EXPECT_EQ(c->ZoomLevel(), 1);
    EXPECT_TRUE(c->BorderFrameDrop());
    EXPECT_TRUE(c->BorderViewerPop());
    EXPECT_TRUE(c->DisplayToolBar());
    EXPECT_EQ(c->Mode(), 1);
    EXPECT_TRUE(c->CRV_Preview()->isHidden());
    EXPECT_EQ(c->CRV_Preview()->objectName(), QStringLiteral("CRV_Preview"));
    EXPECT_TRUE(log().matching(QStringLiteral("Application")).isEmpty()) << "showing the control runs no report";
}

TEST_F(ViewerControl, ModeAlwaysKeepsTheViewerBit)
{
    ORXOCXViewReport* c = placeViewer();
    const struct {
        int given, read;
    } cases[] = {{2, 3}, {5, 5}, {0, 1}, {4, 5}, {6, 7}};
    for (const auto& m : cases) {
        c->setMode(m.given);
        EXPECT_EQ(c->Mode(), m.read) << m.given;
        EXPECT_EQ(c->request()->Mode(), m.read);
    }
}

TEST_F(ViewerControl, ForwardedPropertiesReadAndWriteTheRequest)
{
    ORXOCXViewReport* c = placeViewer();
    QObject rs;
    c->setReportName(QStringLiteral("/r/Sales.RPT"));
    c->setLocationDB(QStringLiteral("Cust!db"));
    c->setPassWordDB(QStringLiteral(" pw "));
    c->setRecordset(&rs);
    c->setReportWithData(true);
    c->setSelectionFormula(QStringLiteral("{A.B} = 1"));
    ORXDLLViewReport* r = c->request();
    EXPECT_EQ(r->ReportName(), QStringLiteral("/r/Sales"));
    EXPECT_EQ(r->LocationDB(), QStringLiteral("Cust!db"));
    EXPECT_EQ(r->PassWordDB(), QStringLiteral("pw"));
    EXPECT_EQ(r->Recordset(), &rs);
    EXPECT_TRUE(r->ReportWithData());
    EXPECT_EQ(r->SelectionFormula(), QStringLiteral("{A.B} = 1"));
    EXPECT_EQ(c->Formulas(), r->Formulas());
    EXPECT_EQ(c->SubReports(), r->SubReports());
    EXPECT_EQ(c->PrintOptions(), r->PrintOptions());
    EXPECT_EQ(c->ExportOptions(), r->ExportOptions());
    EXPECT_EQ(c->OrderByFields(), r->OrderByFields());
    EXPECT_EQ(c->Parameters(), r->Parameters());

    auto* formulas = new ORXRPTFormulas;
    c->replaceFormulas(formulas);
    EXPECT_EQ(c->Formulas(), formulas);

    // The hidden ones stay out of the host's property browser.
    const QMetaObject* mo = c->metaObject();
    for (const char* hidden : {"LocationDB", "OrderByFields", "Parameters", "ReportName", "SelectionFormula"})
        EXPECT_FALSE(mo->property(mo->indexOfProperty(hidden)).isDesignable()) << hidden;
    for (const char* shown : {"Mode", "PassWordDB", "ZoomLevel", "KeyFormulaPrefix"})
        EXPECT_TRUE(mo->property(mo->indexOfProperty(shown)).isDesignable()) << shown;
}

// The control keeps a report name as a request does: one final ".RPT" goes,
// so the control opens the same file as a request given the same name.
TEST_F(ViewerControl, ReportNamesLoseOneFinalExtensionAsOnTheRequest)
{
    ORXOCXViewReport* c = placeViewer();
    const struct {
        const char* given;
        const char* stored;
    } cases[] = {
        {"/r/Sales.RPT", "/r/Sales"},      {"Sales.rpt", "Sales"},   {"Sales.RPT.RPT", "Sales.RPT"},
        {"Sales.rpt.Rpt", "Sales.rpt"},    {".RPT", ".RPT"},         {"Sales", "Sales"},
        {"Sales.RPTX", "Sales.RPTX"},      {"", ""},
    };
    for (const auto& k : cases) {
        const QString given = QString::fromUtf8(k.given);
        c->setReportName(given);
        ORXDLLViewReport request;
        request.setReportName(given);
        EXPECT_EQ(c->ReportName(), QString::fromUtf8(k.stored)) << k.given;
        EXPECT_EQ(c->ReportName(), request.ReportName()) << k.given;
    }

    // Both files exist: the one named in full is run.
    reportFile(QStringLiteral("Q1"));
    const QString doubled = reportFile(QStringLiteral("Q1.RPT"));
    rt().addReport(QStringLiteral("Q1.RPT.RPT"), rec::ReportScript{});
    c->setReportName(doubled + QStringLiteral(".RPT"));
    log().clear();
    c->Show();
    EXPECT_EQ(log().matching(QStringLiteral("Application.OpenReport")),
              QStringList{QStringLiteral("Application.OpenReport(\"%1.RPT\", 1)").arg(doubled)});
}

TEST_F(ViewerControl, SwitchesReachTheViewerAndNotifyTheHost)
{
    ORXOCXViewReport* c = placeViewer();
    rec::RecordingViewer* v = recorded(c);
    QSignalSpy changes(c, &host::UserControl::propertyChanged);
    log().clear();

    c->setBorderFrameDrop(false);
    EXPECT_FALSE(c->BorderFrameDrop());
    c->setBorderFrameDrop(true);
    EXPECT_TRUE(c->BorderFrameDrop());
    c->setBorderViewerPop(false);
    EXPECT_FALSE(v->borderShown());
    EXPECT_FALSE(c->BorderViewerPop());
    c->setDisplayToolBar(false);
    EXPECT_FALSE(v->toolbarShown());
    EXPECT_FALSE(v->toolbarEnabled());
    EXPECT_FALSE(c->DisplayToolBar());
    c->setKeyFormulaPrefix(QStringLiteral("K"));

    QStringList names;
    for (const QList<QVariant>& args : changes)
        names << args[0].toString();
    EXPECT_EQ(names, (QStringList{QStringLiteral("BorderFrameDrop"), QStringLiteral("BorderFrameDrop"),
                                  QStringLiteral("BorderViewerPop"), QStringLiteral("DisplayToolBar")}))
        << "KeyFormulaPrefix sends no notice";
    EXPECT_TRUE(form().isModified());
    EXPECT_TRUE(log().actions().contains(QStringLiteral("Viewer1.DisplayBorder = False")));
    EXPECT_TRUE(log().actions().contains(QStringLiteral("Viewer1.DisplayToolbar = False")));
    EXPECT_TRUE(log().actions().contains(QStringLiteral("Viewer1.EnableToolbar = False")));
}

TEST_F(ViewerControl, ZoomLevelIsSixteenBits)
{
    ORXOCXViewReport* c = placeViewer();
    const struct {
        int given;
        bool overflow;
    } cases[] = {{100, false}, {32767, false}, {-32768, false}, {32768, true}, {40000, true}, {-32769, true}};
    for (const auto& z : cases) {
        c->setZoomLevel(200);
        const auto error = errorOf([&] { c->setZoomLevel(z.given); });
        EXPECT_EQ(bool(error), z.overflow) << z.given;
        if (error) {
            EXPECT_EQ(error->number(), basic::err::Overflow);
        }
        EXPECT_EQ(c->ZoomLevel(), z.overflow ? 200 : z.given);
    }
    log().clear();
    c->setZoomLevel(150);
    EXPECT_TRUE(log().lines().isEmpty()) << "applied only at the next Show or resize";
}

TEST_F(ViewerControl, PropertiesPersistUnderTheirKeysWithTheirDefaults)
{
    ORXOCXViewReport* c = placeViewer();
    host::PropertyBag defaults;
    c->WriteProperties(defaults);
    EXPECT_EQ(defaults.count(), 0) << "a control with its defaults writes nothing";

    c->setBorderFrameDrop(false);
    c->setBorderViewerPop(false);
    c->setDisplayToolBar(false);
    c->setKeyFormulaPrefix(QStringLiteral("ID"));
    c->setZoomLevel(150);
    host::PropertyBag bag;
    c->WriteProperties(bag);
    EXPECT_EQ(bag.keys(), (QStringList{QStringLiteral("BorderFrameDrop"), QStringLiteral("BorderViewerPop"),
                                       QStringLiteral("DisplayToolBar"), QStringLiteral("KeyFormulaPrefix"),
                                       QStringLiteral("ZoomLevel")}));

    auto* loaded = new ORXOCXViewReport;
    QSignalSpy changes(loaded, &host::UserControl::propertyChanged);
    loaded->ReadProperties(bag);
    EXPECT_FALSE(loaded->BorderFrameDrop());
    EXPECT_FALSE(loaded->BorderViewerPop());
    EXPECT_FALSE(loaded->DisplayToolBar());
    EXPECT_EQ(loaded->KeyFormulaPrefix(), QStringLiteral("ID"));
    EXPECT_EQ(loaded->ZoomLevel(), 150);
    EXPECT_TRUE(loaded->CRV_Preview()->isHidden());
    EXPECT_EQ(changes.count(), 3) << "loading assigns through the properties";

    host::PropertyBag empty;
    auto* plain = new ORXOCXViewReport;
    plain->ReadProperties(empty);
    EXPECT_TRUE(plain->BorderFrameDrop());
    EXPECT_EQ(plain->KeyFormulaPrefix(), QStringLiteral("KEYROW"));
    EXPECT_EQ(plain->ZoomLevel(), 1);
    delete loaded;
    delete plain;
}

TEST_F(ViewerControl, ShowRunsTheReportIntoTheViewerAndZooms)
{
    rt().addReport(QStringLiteral("Sales.RPT"), rec::ReportScript{});
    ORXOCXViewReport* c = placeViewer();
    c->setReportName(reportFile(QStringLiteral("Sales")) + QStringLiteral(".rpt"));
    c->setZoomLevel(150);
    c->setMode(ORXVR_Mode_Printer | ORXVR_Mode_Export);
    log().clear();
    com::invoke(c, 0x60030017);  // Show
    EXPECT_TRUE(c->CRV_Preview()->isVisible());
    const QString path = c->ReportName() + QStringLiteral(".RPT");
    EXPECT_EQ(log().actions(), (QStringList{
                                   QStringLiteral("Runtime.CreateApplication"),
                                   QStringLiteral("Application.OpenReport(\"%1\", 1)").arg(path),
                                   QStringLiteral("Report.EnableParameterPrompting = False"),
                                   QStringLiteral("Report.MorePrintEngineErrorMessages = True"),
                                   QStringLiteral("Viewer1.ReportSource = Report(\"%1\")").arg(path),
                                   QStringLiteral("Viewer1.ViewReport"),
                                   QStringLiteral("Report.PrintOut(False, 1)"),
                                   QStringLiteral("Report.ExportOptions.Reset"),
                                   QStringLiteral("Report.ExportOptions.DiskFileName = \"\""),
                                   QStringLiteral("Report.ExportOptions.DestinationType = 1"),
                                   QStringLiteral("Report.ExportOptions.FormatType = 31"),
                                   QStringLiteral("Report.Export(False)"),
                                   QStringLiteral("Viewer1.Zoom(150)"),
                               }));
    EXPECT_TRUE(previewWindows().isEmpty()) << "the control shows the report itself";
}

TEST_F(ViewerControl, AMissingReportFileLeavesTheViewerHidden)
{
    ORXOCXViewReport* c = placeViewer();
    log().clear();
    c->setReportName(QDir(folder()).filePath(QStringLiteral("Missing")));
    const auto error = errorOf([&] { c->Show(); });
    ASSERT_TRUE(error);
    EXPECT_EQ(error->number(), -2147221503);
    EXPECT_EQ(error->description(), QStringLiteral("Invalid Report Name:\r") + c->ReportName());
    EXPECT_TRUE(c->CRV_Preview()->isHidden());
    EXPECT_TRUE(log().lines().isEmpty());
}

TEST_F(ViewerControl, PrintAndRefreshActOnlyWhileTheViewerIsShown)
{
    ORXOCXViewReport* c = placeViewer();
    log().clear();
    c->PrintOut();
    c->PrinterSetup();
    c->Requery();
    EXPECT_TRUE(log().lines().isEmpty()) << "nothing before Show";

    c->setReportName(reportFile(QStringLiteral("Sales")));
    c->Show();
    log().clear();
    c->PrintOut();
    c->PrinterSetup();
    c->Requery();
    c->LastPage();
    c->FirstPage();
    EXPECT_EQ(log().actions(), (QStringList{QStringLiteral("Report.PrintOut()"), QStringLiteral("Report.PrinterSetup(0)"),
                                            QStringLiteral("Viewer1.Refresh"), QStringLiteral("Viewer1.ShowLastPage"),
                                            QStringLiteral("Viewer1.ShowFirstPage")}));

    log().clear();
    c->Clear();
    EXPECT_TRUE(c->CRV_Preview()->isHidden());
    EXPECT_EQ(c->ReportName(), QString());
    c->PrintOut();
    c->PrinterSetup();
    c->Requery();
    c->LastPage();
    EXPECT_EQ(log().actions(), QStringList{QStringLiteral("Viewer1.ShowLastPage")}) << "paging works whatever the viewer shows";
}

TEST_F(ViewerControl, AControlUnloadedWhileItsReportLoadsEndsTheRunSafely)
{
    rt().setBusyPolls(50);
    QPointer<ORXOCXViewReport> c = placeViewer();
    c->setReportName(reportFile(QStringLiteral("Sales")));
    c->setMode(ORXVR_Mode_Printer);
    when([&] { return !log().matching(QStringLiteral("Viewer1.IsBusy")).isEmpty(); }, [&] { form().removeControl(c); });
    const qsizetype zooms = log().matching(QStringLiteral("Viewer1.Zoom")).size();
    c->Show();
    EXPECT_TRUE(c.isNull());
    EXPECT_LT(log().matching(QStringLiteral("Viewer1.IsBusy")).size(), 50);
    EXPECT_EQ(log().actionsMatching(QStringLiteral("Report.PrintOut")), QStringList{QStringLiteral("Report.PrintOut(False, 1)")});
    EXPECT_EQ(log().matching(QStringLiteral("Viewer1.Zoom")).size(), zooms) << "no zoom on a control that is gone";
}

TEST_F(ViewerControl, PrintOutPrintsTheReportOfTheLastRunOnTheThread)
{
    rt().setLabelReportsByFile(true);
    ORXOCXViewReport* c = placeViewer();
    c->setReportName(reportFile(QStringLiteral("Mine")));
    c->Show();
    ORXDLLViewReport other;
    other.setReportName(reportFile(QStringLiteral("Other")));
    other.setMode(0);
    other.Show();
    log().clear();
    c->PrintOut();
    EXPECT_EQ(log().actions(), QStringList{QStringLiteral("Report[Other.RPT].PrintOut()")});
}

TEST_F(ViewerControl, TotalPageIsTheViewersPageCount)
{
    ORXOCXViewReport* c = placeViewer();
    EXPECT_EQ(c->TotalPage(), 0);
    rec::ReportScript script;
    script.pageCount = 4;
    rt().addReport(QStringLiteral("Sales.RPT"), script);
    c->setReportName(reportFile(QStringLiteral("Sales")));
    c->Show();
    EXPECT_EQ(c->TotalPage(), 4);
    EXPECT_EQ(com::invoke(c, 0x68030000, {}, com::DispatchKind::PropertyGet).toInt(), 4);
    c->LastPage();
    EXPECT_EQ(recorded(c)->currentPage(), 4);
}

TEST_F(ViewerControl, ResizeFillsTheInnerAreaAndZooms)
{
    ORXOCXViewReport* c = placeViewer();
    c->setZoomLevel(ORXVR_Zoom_FitPage);
    const double tx = host::twipsPerPixelX(), ty = host::twipsPerPixelY();
    const struct {
        double width, height;  // twips
        bool border;
    } cases[] = {{3000, 1500, false}, {6000, 4500, true}, {30, 30, true}, {15, 15, true}};
    for (const auto& s : cases) {
        c->setBorderFrameDrop(s.border);
        log().clear();
        c->extender()->setWidth(s.width);
        c->extender()->setHeight(s.height);
        settle();
        const int b = s.border ? 1 : 0;
        const double innerW = std::max(0, host::pixelsFromTwipsX(s.width) - 2 * b) * tx;
        const double innerH = std::max(0, host::pixelsFromTwipsY(s.height) - 2 * b) * ty;
        EXPECT_EQ(host::twipGeometry(c->CRV_Preview()), (host::TwipRect{b * tx, b * ty, innerW, innerH})) << s.width;
        EXPECT_EQ(c->innerWidth(), innerW);
        EXPECT_TRUE(log().actions().contains(QStringLiteral("Viewer1.Zoom(2)"))) << s.width;
    }
}

// Clicks reported by the viewer: kind 1 names a database field, kinds 5 and
// 100 formula fields (key fields by their prefix), other kinds are left to
// the viewer.
TEST_F(ViewerControl, ClicksOnReportFieldsRaiseTheirEvents)
{
    ORXOCXViewReport* c = placeViewer();
    QStringList events;
    QObject::connect(c, &ORXOCXViewReport::DBFieldSelected, [&](const QString& name, const QVariant& value) {
        events << QStringLiteral("DBFieldSelected(%1, %2)").arg(name, rec::describe(value));
    });
    QObject::connect(c, &ORXOCXViewReport::RowSelected, [&](const QString& name, const QVariant& value) {
        events << QStringLiteral("RowSelected(%1, %2)").arg(name, rec::describe(value));
    });
    const struct {
        const char* prefix;
        rec::ClickScript click;
        const char* event;  // "" for none
        bool useDefault;
    } cases[] = {
        {"KEYROW", {1, {{QStringLiteral("Orders:Total"), 12.5}}}, "DBFieldSelected(Total, Double(12.5))", false},
        {"KEYROW", {1, {{QStringLiteral("A:First"), 1}, {QStringLiteral("B:Last"), QStringLiteral(" x ")}}},
         "DBFieldSelected(Last, String(\" x \"))", false},  // the last field, its value as given
        {"KEYROW", {1, {}}, "", false},
        {"KEYROW", {5, {{QStringLiteral("F:@KeyRowId"), QStringLiteral(" \"7\"\r\n")}}}, "RowSelected(KeyRowId, String(\"\"\"7\"\"\"))", false},
        {"KEYROW", {5, {{QStringLiteral("F:@Total"), 3}}}, "DBFieldSelected(Total, String(\"3\"))", false},
        {"KEYROW", {100, {{QStringLiteral("KKeyRowX"), 1.5}}}, "RowSelected(KeyRowX, String(\"1,5\"))", false},
        {"KEYROW", {5, {{QStringLiteral("Total"), 1}}}, "DBFieldSelected(otal, String(\"1\"))", false},
        {"KEYROW", {5, {{QStringLiteral("F:@Total"), basic::nullVariant()}}}, "DBFieldSelected(Total, String(\"\"))", false},
        {"", {5, {{QStringLiteral("F:@Total"), 2}}}, "RowSelected(Total, String(\"2\"))", false},
        {"KEYROW", {5, {}}, "", false},
        {"KEYROW", {3, {{QStringLiteral("Orders:Total"), 1}}}, "", true},
        {"KEYROW", {0, {}}, "", true},
    };
    rec::RecordingViewer* v = recorded(c);
    for (const auto& k : cases) {
        events.clear();
        c->setKeyFormulaPrefix(QString::fromLatin1(k.prefix));
        const bool useDefault = v->simulateClick(10, 10, k.click);
        EXPECT_EQ(events, k.event[0] ? QStringList{QString::fromUtf8(k.event)} : QStringList()) << k.click.kind << " " << k.event;
        EXPECT_EQ(useDefault, k.useDefault) << k.click.kind;
    }
}

TEST_F(ViewerControl, AMouseClickOnTheShownReportReachesTheHost)
{
    ORXOCXViewReport* c = shownViewer();
    QStringList events;
    QObject::connect(c, &ORXOCXViewReport::RowSelected, [&](const QString& name, const QVariant& value) {
        events << name + QLatin1Char('=') + value.toString();
    });
    recorded(c)->setNextClick({5, {{QStringLiteral("F:@KEYROW_ID"), 17}}});
    click(c->CRV_Preview(), QPoint(20, 30));
    EXPECT_EQ(events, QStringList{QStringLiteral("KEYROW_ID=17")});
    EXPECT_EQ(recorded(c)->lastUseDefault(), false);
    EXPECT_EQ(log().actions().last(), QStringLiteral("Viewer1.Clicked(20, 30, kind 5) -> UseDefault = False"));
}

TEST_F(ViewerControl, DesignModePaintsTheNameAndWithoutBorderAnOutline)
{
    ORXOCXViewReport* c = placeViewer(host::TwipRect{0, 0, 3000, 1500});
    draw::RecordingSurface runTime;
    c->Paint(runTime);
    EXPECT_TRUE(runTime.calls.isEmpty()) << "nothing is painted at run time";

    setUserMode(false);
    const struct {
        bool border;
        int outlines;
    } cases[] = {{true, 0}, {false, 1}};
    for (const auto& k : cases) {
        c->setBorderFrameDrop(k.border);
        draw::RecordingSurface s;
        c->Paint(s);
        const QList<draw::DrawCall> texts = s.callsOf(draw::Op::Text);
        ASSERT_EQ(texts.size(), 1);
        EXPECT_EQ(texts[0].text, QStringLiteral("Viewer1"));
        EXPECT_EQ(texts[0].x1, 150);
        EXPECT_EQ(texts[0].y1, 150);
        EXPECT_EQ(texts[0].color, (host::OleColor{host::syscolor::ButtonText}));
        EXPECT_EQ(texts[0].font, form().ambientFont());
        const QList<draw::DrawCall> boxes = s.callsOf(draw::Op::Rectangle);
        ASSERT_EQ(boxes.size(), k.outlines);
        if (k.outlines) {
            EXPECT_EQ(boxes[0].x1, 0);
            EXPECT_EQ(boxes[0].y1, 0);
            EXPECT_EQ(boxes[0].x2, c->innerWidth() - 15);
            EXPECT_EQ(boxes[0].y2, c->innerHeight() - 15);
            EXPECT_EQ(c->innerWidth(), 3000);
        }
    }
    EXPECT_FALSE(c->grab().isNull()) << "the paint event paints through QPainter";
}

TEST_F(ViewerControl, TheHostCreatesTheControlByItsProgrammaticName)
{
    host::UserControl* u = form().addControl(QStringLiteral("ORXOCX_ViewReport.ORXOCXViewReport"), QStringLiteral("Report1"),
                                             host::TwipRect{0, 0, 4000, 3000});
    auto* c = qobject_cast<ORXOCXViewReport*>(u);
    ASSERT_NE(c, nullptr);
    settle();
    EXPECT_EQ(c->KeyFormulaPrefix(), QStringLiteral("KEYROW")) << "InitProperties ran";
    EXPECT_TRUE(c->CRV_Preview()->isHidden());
    EXPECT_TRUE(log().matching(QStringLiteral("Application")).isEmpty());

    com::invoke(c, 0x6803000B, {4}, com::DispatchKind::PropertyPut);  // Mode
    EXPECT_EQ(com::invoke(c, QStringLiteral("mode"), {}, com::DispatchKind::PropertyGet).toInt(), 5);
    com::invoke(c, 0x6803000D, {QStringLiteral("ID")}, com::DispatchKind::PropertyPut);  // KeyFormulaPrefix
    EXPECT_EQ(c->KeyFormulaPrefix(), QStringLiteral("ID"));
    const auto error = errorOf([&] { com::invoke(c, 0x68030001, {70000}, com::DispatchKind::PropertyPut); });
    ASSERT_TRUE(error);
    EXPECT_EQ(error->number(), basic::err::Overflow);
}

}  // namespace
