// The viewer lays a long report out in the background: pages show and can be
// browsed while the rest is laid out; closing, destroying and refreshing
// mid-layout; the toolbar's print and export; clicks naming the record's keys.
#include "platform/host/Form.h"
#include "platform/host/Twips.h"
#include "platform/profile/AtomicFile.h"
#include "reportrt/ErrorNumbers.h"
#include "reportrt/Runtime.h"
#include "reportrt/render/Printing.h"
#include "reportrt/run/RuntimeObjects.h"
#include "reportrt/viewer/PageViewer.h"
#include "tests/reportrt/ReportTestData.h"
#include "tests/reportrt/OurRuntimeFixture.h"
#include "viewreport/control/ORXOCXViewReport.h"
#include "viewreport/engine/ORXDLLViewReport.h"
#include "viewreport/engine/ORXDLLViewReportFRM.h"
#include "viewreport/engine/RunState.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QPageSetupDialog>
#include <QPointer>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QRadioButton>
#include <QSqlQuery>
#include <QTest>
#include <QTimer>
#include <cerrno>
#include <QToolBar>

using namespace orx;
using namespace orx::reportrt;

namespace {

const QString kSamples = QStringLiteral(ORX_SAMPLE_REPORTS);

// A grouped report over `rows` records: 40 regions, a key formula and the page count.
// `keyFormula` replaces the key formula's text.
QString bigReport(int rows, const char* keyFormula = "{T.id}")
{
    const QString db = test::makeDatabase(
        QStringLiteral("big.db"),
        {QStringLiteral("CREATE TABLE t (id INTEGER PRIMARY KEY, region TEXT, amount REAL)"),
         QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < %1) "
                        "INSERT INTO t SELECT i, 'Region ' || substr('0' || ((i - 1) * 40 / %1), -2), (i * 37) % 1000 / 10.0 FROM n")
             .arg(rows)});
    const QString path = QFileInfo(db).dir().filePath(QStringLiteral("Big.RPT"));
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(R"(<?xml version="1.0" encoding="UTF-8"?>
<report format-version="1" name="Big" title="Big">
  <tables>
    <table name="T" location="big.db" source="t">
      <field name="id" type="number"/>
      <field name="region" type="string"/>
      <field name="amount" type="number"/>
    </table>
  </tables>
  <sort><sort-field field="{T.id}"/></sort>
  <formulas><formula name="KeyRowId" type="number">@KEY@</formula></formulas>
  <groups><group field="{T.region}"/></groups>
  <sections>
    <section kind="group-header" group="1" height="300">
      <field name="Region" width="4000" height="280" bold="true" source="{T.region}"/>
    </section>
    <section kind="details" height="240">
      <field name="Id" width="1000" height="240" format="0" source="{@KeyRowId}"/>
      <field name="Amount" x="1200" width="1500" height="240" format="0.0" source="{T.amount}"/>
    </section>
    <section kind="group-footer" group="1" height="300">
      <summary name="Total" x="1200" width="2000" height="280" op="sum" source="{T.amount}" group="1"/>
    </section>
    <section kind="page-footer" height="300">
      <special width="2500" height="280" field="page-n-of-m"/>
      <special x="3000" width="1000" height="280" field="total-page-count"/>
    </section>
  </sections>
</report>
)").replace("@KEY@", keyFormula));
    return path;
}

class BackgroundViewer : public test::OurRuntimeFixture {
protected:

    std::shared_ptr<run::RtReport> open(int rows) { return run::RtReport::open(bigReport(rows)); }

    // Shows the report in the viewer and waits for its first pages.
    static void start(viewer::PageViewer& v, const std::shared_ptr<run::RtReport>& report, int pages = 1)
    {
        v.resize(700, 900);
        v.putProperty(viewerid::ReportSource, QVariant::fromValue(ReportRef(report)));
        v.call(viewerid::ViewReport);
        EXPECT_TRUE(QTest::qWaitFor([&] { return v.getProperty(viewerid::PageCount).toInt() >= pages; }, 20000));
    }
    static void finish(viewer::PageViewer& v)
    {
        while (v.isBusy()) {
        }
    }
    // The preview windows open; picked out before any is deleted (deleting one deletes its own
    // top-level children, which the list of top-level widgets still holds).
    static QList<QPointer<viewreport::ORXDLLViewReportFRM>> previewWindows()
    {
        QList<QPointer<viewreport::ORXDLLViewReportFRM>> windows;
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (auto* f = qobject_cast<viewreport::ORXDLLViewReportFRM*>(w))
                windows << f;
        }
        return windows;
    }
    static QString ofText(viewer::PageViewer& v) { return v.findChild<QLabel*>(QStringLiteral("pageCount"))->text().trimmed(); }
};

// Several hundred pages: the first page is there while the rest is laid out, the page count
// grows, the last page is the last laid out so far, and the page count is filled in at the end.
TEST_F(BackgroundViewer, ALongReportIsBrowsedWhileItIsLaidOut)
{
    auto report = open(100000);
    viewer::PageViewer v;
    v.show();
    start(v, report, 3);
    ASSERT_TRUE(v.getProperty(viewerid::IsBusy).toBool()) << "ViewReport returned before the layout was done";
    const int early = v.getProperty(viewerid::PageCount).toInt();
    EXPECT_TRUE(ofText(v).endsWith(QLatin1Char('+'))) << ofText(v).toStdString() << ": more pages are coming";
    EXPECT_EQ(v.currentPage(), 0);
    const auto firstFooter = v.pages()->page(0).items;
    const auto nOfM = std::find_if(firstFooter.begin(), firstFooter.end(),
                                   [](const layout::PageItem& i) { return i.special == definition::SpecialField::PageNofM; });
    ASSERT_NE(nOfM, firstFooter.end());
    EXPECT_EQ(nOfM->text, QStringLiteral("Page 1 of ...")) << "the count is not known yet";

    // Browsing while the layout goes on: next, go to, last (the last page laid out so far).
    QTest::keyClick(&v, Qt::Key_PageDown);
    EXPECT_EQ(v.currentPage(), 1);
    v.call(viewerid::ShowLastPage);
    const int lastSoFar = v.currentPage();
    EXPECT_GE(lastSoFar + 1, early);
    EXPECT_TRUE(v.isBusy()) << "several hundred pages take longer than this";
    EXPECT_TRUE(QTest::qWaitFor([&] { return v.getProperty(viewerid::PageCount).toInt() > lastSoFar + 1; }, 20000))
        << "the page count grows";

    finish(v);
    const int total = v.getProperty(viewerid::PageCount).toInt();
    EXPECT_GT(total, 300);
    EXPECT_EQ(ofText(v), QStringLiteral("of %1").arg(total));
    EXPECT_EQ(v.pages()->page(0).items.size(), firstFooter.size());
    const auto filled = std::find_if(v.pages()->page(0).items.begin(), v.pages()->page(0).items.end(),
                                     [](const layout::PageItem& i) { return i.special == definition::SpecialField::TotalPageCount; });
    EXPECT_EQ(filled->text, QString::number(total)) << "pages shown early get the count at the end";
    EXPECT_EQ(report->laidOut(), v.pages()) << "printing and export use the pages laid out, not a second run";
    v.call(viewerid::ShowLastPage);
    EXPECT_EQ(v.currentPage(), total - 1);
}

// Refresh during the layout starts over on fresh data; destroying the viewer or closing its
// window mid-layout stops the worker (the test would hang, crash or leak otherwise).
TEST_F(BackgroundViewer, RefreshDestroyAndCloseMidLayoutStopCleanly)
{
    const QString path = bigReport(40000);
    {
        auto report = run::RtReport::open(path);
        viewer::PageViewer v;
        start(v, report);
        ASSERT_TRUE(v.isBusy());
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("refresh-edit"));
            db.setDatabaseName(QFileInfo(path).dir().filePath(QStringLiteral("big.db")));
            ASSERT_TRUE(db.open());
            QSqlQuery(db).exec(QStringLiteral("DELETE FROM t WHERE id > 100"));
            db.close();
        }
        QSqlDatabase::removeDatabase(QStringLiteral("refresh-edit"));
        v.call(viewerid::Refresh);
        EXPECT_TRUE(v.layingOut()) << "Refresh returns at once too";
        finish(v);
        const int fresh = run::RtReport::open(path)->pages()->pageCount();
        EXPECT_LT(fresh, 5);
        EXPECT_EQ(v.getProperty(viewerid::PageCount).toInt(), fresh) << "the refresh read the data again: 100 records";
    }
    // Destroyed mid-layout, the viewer stops its worker before it goes.
    for (int i = 0; i < 3; ++i) {
        auto report = run::RtReport::open(path);
        auto* v = new viewer::PageViewer;
        v->putProperty(viewerid::ReportSource, QVariant::fromValue(ReportRef(report)));
        v->call(viewerid::ViewReport);
        delete v;
    }
}

TEST_F(BackgroundViewer, APreviewWindowClosedMidLayoutEndsTheLoadAndItsWait)
{
    viewreport::ORXDLLViewReport request;
    request.setReportName(QFileInfo(bigReport(60000)).absoluteDir().filePath(QStringLiteral("Big")));
    request.setMode(1);
    request.setWaitUnload(true);
    QPointer<viewreport::ORXDLLViewReportFRM> window;
    int closedAtPages = -1;
    // Closed as soon as its viewer shows pages: the engine's wait for the viewer and for the window end.
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (!window && !previewWindows().isEmpty())
            window = previewWindows().front();
        auto* v = window ? window->findChild<viewer::PageViewer*>() : nullptr;
        if (v && v->pages() && v->pages()->pageCount() > 0 && closedAtPages < 0) {
            closedAtPages = v->pages()->pageCount();
            EXPECT_TRUE(v->layingOut());
            window->close();
        }
    });
    poll.start(5);
    request.Show();
    poll.stop();
    EXPECT_GT(closedAtPages, 0);
    QTest::qWait(50);
    EXPECT_TRUE(window.isNull()) << "the window is deleted after its load";
}

// Show with the viewer and the export bit: the export runs on the whole report, after the
// background layout is done; a formula failing on a record far down the report reaches the
// caller of Show, as it did when the viewer laid the report out before returning.
TEST_F(BackgroundViewer, ShowWaitsForTheWholeLayoutAndItsError)
{
    const QString csv = QDir(test::freshFolder(QStringLiteral("mode5"))).filePath(QStringLiteral("all.csv"));
    {
        viewreport::ORXDLLViewReport request;
        request.setReportName(QFileInfo(bigReport(30000)).absoluteDir().filePath(QStringLiteral("Big")));
        request.setMode(1 | 4);
        request.ExportOptions()->setFormatType(5);
        request.ExportOptions()->setFileName(csv);
        request.ExportOptions()->setSilent(true);
        request.Show();
        QFile file(csv);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(file.readAll().count('\n'), 30001) << "a heading and every record";
        const auto windows = previewWindows();
        ASSERT_EQ(windows.size(), 1);
        auto* v = windows.front()->findChild<viewer::PageViewer*>();
        ASSERT_NE(v, nullptr);
        EXPECT_FALSE(v->layingOut());
        EXPECT_EQ(std::dynamic_pointer_cast<run::RtReport>(viewreport::RunState::current().CurrentReport)->laidOut(), v->pages())
            << "the export used the viewer's pages";
        delete windows.front().data();
    }
    viewreport::ORXDLLViewReport failing;
    failing.setReportName(QFileInfo(bigReport(30000, "1 / ({T.id} - 20000)")).absoluteDir().filePath(QStringLiteral("Big")));
    failing.setMode(1);
    try {
        failing.Show();
        ADD_FAILURE() << "the failing formula went unnoticed";
    } catch (const basic::BasicError& e) {
        EXPECT_EQ(e.number(), rterr::FormulaFailed);
        EXPECT_TRUE(e.description().contains(QStringLiteral("record 20000"))) << e.description().toStdString();
    }
    const auto windows = previewWindows();
    ASSERT_EQ(windows.size(), 1);
    auto* v = windows.front()->findChild<viewer::PageViewer*>();
    ASSERT_NE(v, nullptr);
    EXPECT_GT(v->getProperty(viewerid::PageCount).toInt(), 100) << "the pages before the failure stay shown";
    EXPECT_FALSE(v->isBusy()) << "the error is raised once";
    delete windows.front().data();
}

// The toolbar's print and export, and Ctrl+P, through their dialogs, into files.
TEST_F(BackgroundViewer, ToolbarPrintExportAndCtrlPGoThroughTheirDialogs)
{
    auto report = run::RtReport::open(kSamples + QStringLiteral("/Orders.RPT"));
    viewer::PageViewer v;
    v.show();
    start(v, report);
    finish(v);
    const QDir out(test::freshFolder(QStringLiteral("toolbar")));
    auto* bar = v.toolBar();
    auto button = [&](const char* action) { return bar->widgetForAction(bar->findChild<QAction*>(QLatin1String(action))); };
    if (!QPrinterInfo::defaultPrinter().isNull())
        GTEST_SKIP() << "this machine has a printer; the printout would go to it";

    struct Case {
        const char* what;
        std::function<void()> act;
        bool accept;
        const char* file;
    } const cases[] = {
        {"print button, cancelled", [&] { QTest::mouseClick(button("print"), Qt::LeftButton); }, false, "cancelled.pdf"},
        {"print button", [&] { QTest::mouseClick(button("print"), Qt::LeftButton); }, true, "button.pdf"},
        {"Ctrl+P", [&] { QTest::keyClick(&v, Qt::Key_P, Qt::ControlModifier); }, true, "keys.pdf"},
    };
    for (const auto& c : cases) {
        v.setPrintFileName(out.filePath(QLatin1String(c.file)));
        bool seen = false;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget());
            seen = dialog != nullptr;
            if (dialog)
                c.accept ? dialog->accept() : dialog->reject();
        });
        c.act();
        EXPECT_TRUE(seen) << c.what << ": the print dialog came up";
        EXPECT_EQ(QFile::exists(out.filePath(QLatin1String(c.file))), c.accept) << c.what;
    }
    EXPECT_GT(QFile(out.filePath(QStringLiteral("keys.pdf"))).size(), 1000);

    // Export: the dialog offers every format written; choosing HTML writes HTML.
    QStringList offered;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        offered = dialog->nameFilters();
        const QString html = offered.filter(QStringLiteral("HTML 4.0")).value(0);
        dialog->selectNameFilter(html);
        Q_EMIT dialog->filterSelected(html);
        dialog->selectFile(out.filePath(QStringLiteral("exported")));
        static_cast<QDialog*>(dialog)->accept();
    });
    QTest::mouseClick(button("export"), Qt::LeftButton);
    EXPECT_TRUE(offered.contains(QStringLiteral("PDF (*.pdf)"))) << offered.join(QLatin1Char(';')).toStdString();
    EXPECT_TRUE(offered.contains(QStringLiteral("comma-separated values (*.csv)")));
    QFile html(out.filePath(QStringLiteral("exported.htm")));
    ASSERT_TRUE(html.open(QIODevice::ReadOnly)) << "the filter chosen set the format and the suffix";
    EXPECT_TRUE(html.readAll().contains("<html"));

    // A failed export (here a full disk) is told to the user, since the
    // toolbar has no caller to raise it to; a cancelled dialog is not.
    const qsizetype before = messages().messages.size();
    for (const bool accept : {false, true}) {
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            const QString pdf = dialog->nameFilters().filter(QStringLiteral("PDF")).value(0);
            dialog->selectNameFilter(pdf);
            Q_EMIT dialog->filterSelected(pdf);
            dialog->selectFile(out.filePath(QStringLiteral("full.pdf")));
            accept ? static_cast<QDialog*>(dialog)->accept() : static_cast<QDialog*>(dialog)->reject();
        });
        profile::injectWriteFailureForTesting(ENOSPC);
        QTest::mouseClick(button("export"), Qt::LeftButton);
        profile::injectWriteFailureForTesting(0);
        ASSERT_EQ(messages().messages.size(), before + (accept ? 1 : 0)) << (accept ? "accepted" : "cancelled");
    }
    EXPECT_EQ(messages().messages.last().style, host::mb::Exclamation);
    EXPECT_FALSE(QFile::exists(out.filePath(QStringLiteral("full.pdf"))));
}

// The page set-up's paper source goes to the printer and comes back from the set-up dialog.
TEST_F(BackgroundViewer, ThePaperSourceGoesToThePrinterAndBack)
{
    auto report = run::RtReport::open(kSamples + QStringLiteral("/Orders.RPT"));
    for (const int tray : {1, 2, 4, 7, 15}) {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        report->setPaperSource(std::int16_t(tray));
        layout::PageModel model;
        model.setup.paperSource = report->PaperSource();
        render::setPrinterPaper(printer, model);
        EXPECT_EQ(render::printerPaperSource(printer), tray);
        report->setPaperSource(7);
        report->applyPrinterPaper(printer);
        EXPECT_EQ(report->PaperSource(), tray) << "read back from the printer's set-up";
    }
    // Printing through the print dialog, accepted, into a PDF file: the tray set is the printer's.
    const QString pdf = QDir(test::freshFolder(QStringLiteral("tray"))).filePath(QStringLiteral("tray.pdf"));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    report->setPaperSource(2);
    QTimer::singleShot(0, [] {
        if (auto* dialog = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget()))
            dialog->accept();
    });
    EXPECT_TRUE(report->printOn(printer, true, 1));
    EXPECT_EQ(render::printerPaperSource(printer), 2);
    EXPECT_TRUE(QFile::exists(pdf));

    // The page set-up dialog, driven: cancelled it changes nothing; landscape chosen and
    // accepted, the report lays out on it and keeps its tray.
    const int portraitWidth = report->pages()->paperSize.width();
    for (const bool accept : {false, true}) {
        QPrinter setUp(QPrinter::HighResolution);
        setUp.setOutputFormat(QPrinter::PdfFormat);
        bool seen = false;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QPageSetupDialog*>(QApplication::activeModalWidget());
            auto* landscape = dialog ? dialog->findChild<QRadioButton*>(QStringLiteral("landscape")) : nullptr;
            seen = landscape != nullptr;
            if (landscape)
                landscape->click();
            if (dialog)
                accept ? dialog->accept() : dialog->reject();
        });
        EXPECT_EQ(report->setUpPageOn(setUp), accept);
        EXPECT_TRUE(seen) << "the set-up dialog came up with its orientation buttons";
        EXPECT_EQ(report->PaperOrientation(), accept ? 2 : 1);
        EXPECT_EQ(report->PaperSource(), 2);
    }
    EXPECT_GT(report->pages()->paperSize.width(), portraitWidth) << "the next run lays out on landscape paper";
}

// A click on a detail field names the field, its value, and the record it came from: the group's
// condition field and the record's other fields; the control turns it into its events.
TEST_F(BackgroundViewer, AClickListsTheRecordsKeysAndTheControlRaisesRealNames)
{
    form().resize(900, 1000);
    auto* control = new viewreport::ORXOCXViewReport;
    form().placeControl(control, QStringLiteral("ORXOCX_ViewReport.ORXOCXViewReport"), QStringLiteral("Viewer"),
                        host::TwipRect{0, 0, 12000, 14000});
    form().show();
    control->setReportName(QFileInfo(bigReport(300)).absoluteDir().filePath(QStringLiteral("Big")));
    control->Show();
    auto* v = control->findChild<viewer::PageViewer*>();
    ASSERT_NE(v, nullptr);
    EXPECT_FALSE(v->isBusy()) << "Show waits for the layout";
    QStringList events;
    QObject::connect(control, &viewreport::ORXOCXViewReport::DBFieldSelected, control,
                     [&](const QString& n, const QVariant& value) { events << QStringLiteral("DBFieldSelected %1=%2").arg(n, value.toString()); });
    QObject::connect(control, &viewreport::ORXOCXViewReport::RowSelected, control,
                     [&](const QString& n, const QVariant& value) { events << QStringLiteral("RowSelected %1=%2").arg(n, value.toString()); });
    QStringList listed;
    int kind = 0;
    QObject::connect(v, &Viewer::Clicked, v, [&](int, int, ViewerEventInfo* info, bool&) {
        kind = info->ObjectKind();
        listed.clear();
        for (int i = 1; i <= info->Fields().Count(); ++i)
            listed << info->Fields().Item(i).Name() + QLatin1Char('=') + info->Fields().Item(i).Value().toString();
    });
    v->call(viewerid::ShowFirstPage);
    QTest::keyClick(v, Qt::Key_PageDown);  // a page turned
    const auto& items = v->pages()->page(1).items;
    const auto named = [&](const char* name) {
        return std::find_if(items.begin(), items.end(), [&](const layout::PageItem& i) { return i.name == QLatin1String(name); });
    };
    const auto amount = named("Amount");
    const auto id = named("Id");
    ASSERT_NE(amount, items.end());
    struct Case {
        layout::PageItem item;
        int kind;
        QStringList listed;
        const char* event;
    } const cases[] = {
        {*amount, 1,
         {QStringLiteral("Field:T.region=") + amount->keys->front().value.toVariant().toString(),
          QStringLiteral("Formula:@KeyRowId=%1").arg(amount->record), QStringLiteral("Field:T.amount=") + amount->value.toVariant().toString()},
         "DBFieldSelected T.amount="},
        {*id, 5,
         {QStringLiteral("Field:T.region=") + id->keys->front().value.toVariant().toString(),
          QStringLiteral("Field:T.amount=") + amount->value.toVariant().toString(),
          QStringLiteral("Formula:@KeyRowId=%1").arg(id->record)},
         "RowSelected KeyRowId="},
    };
    for (const auto& c : cases) {
        events.clear();
        QTest::mouseClick(v, Qt::LeftButton, {}, v->viewerPoint(QRectF(c.item.rect).center()));
        EXPECT_EQ(kind, c.kind) << c.item.name.toStdString();
        EXPECT_EQ(listed, c.listed);
        ASSERT_EQ(events.size(), 1);
        EXPECT_TRUE(events.front().startsWith(QLatin1String(c.event))) << events.front().toStdString();
        EXPECT_EQ(events.front().mid(events.front().indexOf(QLatin1Char('=')) + 1), c.listed.back().section(QLatin1Char('='), 1))
            << "the value of the field clicked";
    }
}

}  // namespace
