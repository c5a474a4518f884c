// The preview window: its layout and resize rules, the load sequence inside
// Show, the wait for every preview window with WaitUnload, its buttons and
// access keys, and windows closed or runs re-entered while a report loads.

#include "platform/host/Twips.h"
#include "tests/viewreport/ReportTestSupport.h"

#include <QPushButton>

using namespace orx;
using namespace orx::viewreport;
using orx::test::ReportFixture;
namespace rec = orx::reportrt::recording;

namespace {

class PreviewWindow : public ReportFixture {
protected:
    // A request for a new report file that previews only.
    void preview(ORXDLLViewReport& request, const QString& file = QStringLiteral("Sales"), bool wait = false)
    {
        request.setReportName(reportFile(file));
        request.setMode(ORXVR_Mode_Viewer);
        request.setWaitUnload(wait);
    }

    ORXDLLViewReportFRM* onlyWindow()
    {
        const auto windows = previewWindows();
        EXPECT_EQ(windows.size(), 1);
        return windows.value(0);
    }
};

TEST_F(PreviewWindow, ShowOpensAWindowThatIsUpBeforeTheRunAndReturnsWhileItIsOpen)
{
    bool upAtOpen = false;
    log().onLine = [&](const QString& line) {
        if (line.startsWith(QLatin1String("Application.OpenReport"))) {
            const auto windows = previewWindows();
            upAtOpen = windows.size() == 1 && windows[0]->isVisible();
        }
    };
    ORXDLLViewReport request;
    preview(request);
    request.Show();

    ORXDLLViewReportFRM* w = onlyWindow();
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(upAtOpen);
    EXPECT_TRUE(w->isVisible());
    EXPECT_FALSE(w->windowFlags() & Qt::WindowStaysOnTopHint) << "a normal window without WaitUnload";
    EXPECT_EQ(w->objectName(), QStringLiteral("ORXDLLViewReportFRM"));
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Anteprima di stampa"));
    EXPECT_EQ(w->PB_Report()->text(), QStringLiteral("&Stampa"));
    EXPECT_EQ(w->PB_Setup()->text(), QStringLiteral("&Imposta stampante"));
    // Its caption is never cut, whatever the platform's font.
    EXPECT_GE(w->PB_Setup()->width(), w->PB_Setup()->sizeHint().width());
    EXPECT_EQ(w->PB_Fine()->text(), QStringLiteral("&Esci"));
    EXPECT_EQ(w->CRV_Preview()->objectName(), QStringLiteral("CRV_Preview"));
    EXPECT_EQ(w->CRV_Preview()->parentWidget(), w->CNT_Report());
    EXPECT_TRUE(w->CRV_Preview()->isVisible());
    EXPECT_EQ(host::twipsFromPixelsX(w->width()), host::twipsFromPixelsX(host::pixelsFromTwipsX(10980)));

    const QString path = request.ReportName() + QStringLiteral(".RPT");
    EXPECT_EQ(log().actions(), (QStringList{
                                   QStringLiteral("Viewer1.Zoom(1)"),  // the resize on showing
                                   QStringLiteral("Runtime.CreateApplication"),
                                   QStringLiteral("Application.OpenReport(\"%1\", 1)").arg(path),
                                   QStringLiteral("Report.EnableParameterPrompting = False"),
                                   QStringLiteral("Report.MorePrintEngineErrorMessages = True"),
                                   QStringLiteral("Viewer1.ReportSource = Report(\"%1\")").arg(path),
                                   QStringLiteral("Viewer1.ViewReport"),
                                   QStringLiteral("Viewer1.Zoom(1)"),
                               }));
}

TEST_F(PreviewWindow, ResizingKeepsTheLayoutRulesWithAbsoluteValues)
{
    ORXDLLViewReport request;
    preview(request);
    request.Show();
    ORXDLLViewReportFRM* w = onlyWindow();
    ASSERT_NE(w, nullptr);
    const double tx = host::twipsPerPixelX(), ty = host::twipsPerPixelY();
    const struct {
        int widthPx, heightPx;
    } sizes[] = {{800, 500}, {1000, 700}, {100, 20}, {4, 2}, {300, 32}};
    for (const auto& s : sizes) {
        log().clear();
        w->resize(s.widthPx, s.heightPx);
        QCoreApplication::processEvents();
        const double innerW = s.widthPx * tx, innerH = s.heightPx * ty;
        const double reportH = std::fabs(innerH - 450 - 30);
        EXPECT_EQ(host::twipGeometry(w->CNT_Report()), (host::TwipRect{0, 0, innerW, reportH})) << s.widthPx << "x" << s.heightPx;
        EXPECT_EQ(host::twipGeometry(w->CNT_Tasti()), (host::TwipRect{0, innerH - 450, innerW, 450}));
        EXPECT_EQ(host::twipGeometry(w->PB_Fine()), (host::TwipRect{innerW - 1080 - 120, 60, 1080, 315}));
        EXPECT_EQ(host::twipGeometry(w->PB_Report()), (host::TwipRect{120, 60, 1080, 315}));
        EXPECT_EQ(host::twipGeometry(w->CRV_Preview()),
                  (host::TwipRect{60, 60, std::fabs(innerW - 120), std::fabs(reportH - 60)}));
        EXPECT_GE(w->CRV_Preview()->width(), 0);
        EXPECT_EQ(log().actions(), QStringList{QStringLiteral("Viewer1.Zoom(1)")});
    }
}

TEST_F(PreviewWindow, WaitUnloadKeepsTheWindowOnTopAndReturnsWhenItIsClosed)
{
    bool topmostAtOpen = false;
    log().onLine = [&](const QString& line) {
        if (line.startsWith(QLatin1String("Application.OpenReport")))
            topmostAtOpen = previewWindows().value(0) && (previewWindows()[0]->windowFlags() & Qt::WindowStaysOnTopHint);
    };
    bool closed = false;
    when([&] { return log().matching(QStringLiteral("Viewer1.ViewReport")).size() == 1 && !previewWindows().isEmpty(); },
         [&] {
             closed = true;
             click(previewWindows()[0]->PB_Fine());
         });
    ORXDLLViewReport request;
    preview(request, QStringLiteral("Sales"), true);
    request.Show();
    EXPECT_TRUE(closed) << "Show returned before the window was closed";
    EXPECT_TRUE(topmostAtOpen);
    EXPECT_FALSE(isFormLoaded(QString::fromLatin1(PreviewFormName)));
}

TEST_F(PreviewWindow, WaitingCoversWindowsLeftOpenByEarlierShows)
{
    ORXDLLViewReport first;
    preview(first, QStringLiteral("First"));
    first.Show();
    QPointer<ORXDLLViewReportFRM> earlier = onlyWindow();
    ASSERT_TRUE(earlier);

    QStringList closings;
    when([&] { return previewWindows().size() == 2 && log().matching(QStringLiteral("Viewer2.Zoom")).size() >= 2; },
         [&] {
             closings << QStringLiteral("newer");
             for (ORXDLLViewReportFRM* w : previewWindows()) {
                 if (w != earlier)
                     w->close();
             }
             when([] { return true; }, [&] {
                 closings << QStringLiteral("earlier");
                 ASSERT_TRUE(earlier);
                 earlier->close();
             });
         });
    ORXDLLViewReport second;
    preview(second, QStringLiteral("Second"), true);
    second.Show();
    EXPECT_EQ(closings, (QStringList{QStringLiteral("newer"), QStringLiteral("earlier")}));
    EXPECT_TRUE(previewWindows().isEmpty());
}

TEST_F(PreviewWindow, ButtonsActOnTheReportOfTheLastRun)
{
    rt().setLabelReportsByFile(true);
    ORXDLLViewReport a, b;
    preview(a, QStringLiteral("A"));
    a.Show();
    QPointer<ORXDLLViewReportFRM> first = onlyWindow();
    preview(b, QStringLiteral("B"));
    b.Show();
    ASSERT_EQ(previewWindows().size(), 2);
    QPointer<ORXDLLViewReportFRM> second = previewWindows()[0] == first ? previewWindows()[1] : previewWindows()[0];
    log().clear();

    click(first->PB_Report());
    click(first->PB_Setup());
    EXPECT_EQ(log().actions(), (QStringList{QStringLiteral("Report[B.RPT].PrintOut()"), QStringLiteral("Report[B.RPT].PrinterSetup(0)")}))
        << "the earlier window acts on the report of the later run";

    click(second->PB_Fine());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(second.isNull()) << "the close button unloads its window";
    ASSERT_EQ(previewWindows().size(), 1);
}

// The access keys reach their buttons (a button pressed by its access key
// shows pressed and clicks a moment later).
TEST_F(PreviewWindow, AccessKeysPressTheirButtons)
{
    ORXDLLViewReport request;
    preview(request);
    request.Show();
    ORXDLLViewReportFRM* w = onlyWindow();
    w->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w));
    const struct {
        Qt::Key key;
        QPushButton* button;
    } keys[] = {{Qt::Key_S, w->PB_Report()}, {Qt::Key_I, w->PB_Setup()}, {Qt::Key_E, w->PB_Fine()}};
    for (const auto& k : keys) {
        EXPECT_FALSE(k.button->isDown());
        QTest::keyClick(w->windowHandle(), k.key, Qt::AltModifier);
        EXPECT_TRUE(k.button->isDown()) << k.button->objectName().toStdString();
    }
    closePreviewWindows();  // before the pressed buttons click
}

TEST_F(PreviewWindow, ButtonErrorsAreShownInAMessageBox)
{
    ORXDLLViewReport request;
    preview(request);
    request.Show();
    ORXDLLViewReportFRM* w = onlyWindow();
    log().failAt(QStringLiteral("Report.PrintOut"), -2147206404, QStringLiteral("No printer is available."));
    click(w->PB_Report());
    ASSERT_EQ(messages().messages.size(), 1);
    EXPECT_TRUE(messages().messages[0].text.contains(QStringLiteral("No printer is available.")));
    EXPECT_EQ(messages().messages[0].title, QStringLiteral("Anteprima di stampa"));
    EXPECT_TRUE(w->isVisible());
}

TEST_F(PreviewWindow, ALoadErrorReachesTheCallerAndLeavesTheWindowOpen)
{
    rt().failToOpen(QStringLiteral("Sales.RPT"), -2147206461, QStringLiteral("Invalid file name."));
    ORXDLLViewReport request;
    preview(request, QStringLiteral("Sales"), true);
    const auto error = errorOf([&] { request.Show(); });
    ASSERT_TRUE(error);
    EXPECT_EQ(error->number(), -2147206461);
    ORXDLLViewReportFRM* w = onlyWindow();
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(w->isVisible());
    w->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(previewWindows().isEmpty()) << "a window whose load failed still closes";
}

TEST_F(PreviewWindow, TheRunWaitsWhileTheViewerIsBusy)
{
    rt().setBusyPolls(3);
    ORXDLLViewReport request;
    preview(request);
    request.Show();
    EXPECT_EQ(log().matching(QStringLiteral("Viewer1.IsBusy")),
              (QStringList{QStringLiteral("Viewer1.IsBusy -> True"), QStringLiteral("Viewer1.IsBusy -> True"),
                           QStringLiteral("Viewer1.IsBusy -> True"), QStringLiteral("Viewer1.IsBusy -> False")}));
    EXPECT_EQ(log().lines().last(), QStringLiteral("Viewer1.Zoom(1)")) << "zoomed once loaded";
}

TEST_F(PreviewWindow, AWindowClosedWhileItLoadsIsReleasedAfterTheLoad)
{
    rt().setBusyPolls(50);
    QPointer<ORXDLLViewReportFRM> window;
    when([&] { return !log().matching(QStringLiteral("Viewer1.IsBusy")).isEmpty(); },
         [&] {
             window = previewWindows().value(0);
             window->close();
         });
    ORXDLLViewReport request;
    preview(request, QStringLiteral("Sales"), true);
    request.setMode(ORXVR_Mode_Viewer | ORXVR_Mode_Printer);
    request.Show();  // returns: the only window was closed
    ASSERT_FALSE(window.isNull()) << "not deleted under the running load";
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(log().actionsMatching(QStringLiteral("Report.PrintOut")), QStringList{QStringLiteral("Report.PrintOut(False, 1)")});
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(window.isNull()) << "released once the load is over";
}

TEST_F(PreviewWindow, AWindowDestroyedWhileItLoadsEndsTheWaitSafely)
{
    rt().setBusyPolls(50);
    when([&] { return !log().matching(QStringLiteral("Viewer1.IsBusy")).isEmpty(); },
         [&] { delete previewWindows().value(0); });
    ORXDLLViewReport request;
    preview(request);
    request.setMode(ORXVR_Mode_Viewer | ORXVR_Mode_Export);
    request.Show();
    EXPECT_LT(log().matching(QStringLiteral("Viewer1.IsBusy")).size(), 50) << "the wait ended with the viewer";
    EXPECT_EQ(log().actionsMatching(QStringLiteral("Report.Export(")), QStringList{QStringLiteral("Report.Export(False)")});
}

// A Show re-entered while the first run's viewer loads replaces the run
// state; the first run still prints its own report as its own request asked.
TEST_F(PreviewWindow, ARunReenteredWhileItsViewerLoadsPrintsItsOwnReport)
{
    rt().setLabelReportsByFile(true);
    rt().setBusyPolls(3);
    ORXDLLViewReport inner;
    inner.setReportName(reportFile(QStringLiteral("Inner")));
    inner.setMode(ORXVR_Mode_Printer);
    inner.PrintOptions()->setCopies(5);
    log().onLine = [&](const QString& line) {
        if (line == QLatin1String("Viewer1.ViewReport"))
            QTimer::singleShot(0, [&] { inner.Show(); });
    };
    ORXDLLViewReport outer;
    preview(outer, QStringLiteral("Outer"));
    outer.setMode(ORXVR_Mode_Viewer | ORXVR_Mode_Printer);
    outer.PrintOptions()->setCopies(2);
    outer.Show();
    EXPECT_EQ(log().actionsMatching(QStringLiteral("Report[")).filter(QStringLiteral("PrintOut")),
              (QStringList{QStringLiteral("Report[Inner.RPT].PrintOut(False, 5)"),
                           QStringLiteral("Report[Outer.RPT].PrintOut(False, 2)")}));
    EXPECT_EQ(rec::recordedFilePath(RunState::current().CurrentReport), inner.ReportName() + QStringLiteral(".RPT"))
        << "the last run to open a report is the current one";
}

TEST_F(PreviewWindow, SetTopMostKeepsPositionAndSize)
{
    ORXDLLViewReport request;
    preview(request);
    request.Show();
    ORXDLLViewReportFRM* w = onlyWindow();
    const QRect before = w->geometry();
    SetTopMost(w, true);
    EXPECT_TRUE(w->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(w->geometry(), before);
    SetTopMost(w, false);
    EXPECT_FALSE(w->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(w->geometry(), before);
    EXPECT_TRUE(w->isVisible());
}

}  // namespace
