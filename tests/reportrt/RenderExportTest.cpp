// The page painter, the exports from the page model and the viewer's
// toolbar and keys, on hand-made pages and on the grouped sample report.
#include "platform/basic/BasicError.h"
#include "reportrt/ErrorNumbers.h"
#include "reportrt/Runtime.h"
#include "reportrt/export/Exporters.h"
#include "reportrt/export/PageTextExport.h"
#include "reportrt/render/PagePainter.h"
#include "reportrt/run/RuntimeObjects.h"
#include "reportrt/viewer/PageViewer.h"
#include "tests/reportrt/SampleReportFixture.h"
#include "tests/support/HostFixture.h"
#include "tests/support/TestSupport.h"

#include <QComboBox>
#include <QPageLayout>
#include <QPrinter>
#include <QPrinterInfo>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QTimer>
#include <QFile>
#include <QProcess>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTest>
#include <QToolBar>
#include <QAction>
#include <gtest/gtest.h>

using namespace orx;
using namespace orx::reportrt;
using layout::PageItem;

namespace {

// Half an inch is 720 twips; at 144 dpi one pixel is 10 twips.
constexpr double kDpi = 144.0;
constexpr int kTwipsPerPixel = 10;

PageItem text(const QString& t, QRect rect, int style, qint64 record = 0)
{
    PageItem i;
    i.kind = PageItem::Kind::Text;
    i.text = t;
    i.rect = rect;
    i.style = style;
    i.record = record;
    return i;
}

PageItem shape(PageItem::Kind kind, QRect rect, QRgb color, int thickness, QRgb fill = 0)
{
    PageItem i;
    i.kind = kind;
    i.rect = rect;
    i.color = color;
    i.thickness = thickness;
    i.fill = fill;
    return i;
}

// A letter-size model with the styles given and one page per item list.
layout::PageModel model(std::vector<layout::TextStyle> styles, std::vector<std::vector<PageItem>> pages)
{
    layout::PageModel m;
    m.paperSize = layout::paperSizeTwips(1, 1);
    m.setStyles(std::move(styles));
    for (auto& items : pages) {
        layout::Page p;
        p.items = std::move(items);
        m.addPage(std::move(p));
    }
    return m;
}

layout::TextStyle style(definition::Alignment a = definition::Alignment::Left, QRgb color = 0xff000000, int size = 12)
{
    layout::TextStyle s;
    s.family = QStringLiteral("DejaVu Sans");
    s.size = size;
    s.alignment = a;
    s.color = color;
    return s;
}

// Pixels of the rectangle (in twips) that are not white; their mean x in twips.
struct Ink {
    int count = 0;
    double meanX = 0;
    bool anyOf(QRgb) const;
};

Ink inkIn(const QImage& image, const QRect& twips)
{
    Ink ink;
    double sumX = 0;
    const QRect px(twips.left() / kTwipsPerPixel, twips.top() / kTwipsPerPixel, twips.width() / kTwipsPerPixel,
                   twips.height() / kTwipsPerPixel);
    for (int y = px.top(); y <= px.bottom(); ++y)
        for (int x = px.left(); x <= px.right(); ++x)
            if (qGray(image.pixel(x, y)) < 160) {
                ++ink.count;
                sumX += x * kTwipsPerPixel;
            }
    ink.meanX = ink.count ? sumX / ink.count : 0;
    return ink;
}

QString tool(const QString& name)
{
    return QStandardPaths::findExecutable(name);
}

// Runs a poppler tool over a file; its standard output.
QString poppler(const QString& name, const QStringList& args)
{
    QProcess p;
    p.start(tool(name), args);
    EXPECT_TRUE(p.waitForFinished(30000)) << name.toStdString();
    EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
    return QString::fromUtf8(p.readAllStandardOutput());
}

QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Shows the sample report in a viewer of the given size, once it is laid out
// (in the background).
void showSample(viewer::PageViewer& v, int width, int height, const ReportRef& report)
{
    v.resize(width, height);
    v.putProperty(viewerid::ReportSource, QVariant::fromValue(report));
    v.call(viewerid::ViewReport);
    while (v.isBusy()) {
    }
    v.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&v));
}

}  // namespace

TEST(PagePainter, DrawsTextsBoxesAndLinesWhereTheModelPutsThem)
{
    const QRect box(1440, 1440, 1440, 720), line(1440, 2880, 2880, 40);
    const auto m = model({style()}, {{shape(PageItem::Kind::Box, box, 0xff000000, 20, 0xffff0000),
                                      shape(PageItem::Kind::Line, line, 0xff0000ff, 40)}});
    const QImage image = render::pageImage(m, 0, kDpi);
    EXPECT_EQ(image.size(), QSize(12240 / kTwipsPerPixel, 15840 / kTwipsPerPixel)) << "letter paper at 144 dpi";
    EXPECT_EQ(image.pixel(box.center() / kTwipsPerPixel), qRgb(255, 0, 0)) << "the box's fill";
    EXPECT_EQ(image.pixel((box.topLeft() + QPoint(720, 0)) / kTwipsPerPixel), qRgb(0, 0, 0)) << "the box's border";
    EXPECT_EQ(image.pixel(line.center() / kTwipsPerPixel), qRgb(0, 0, 255)) << "the line";
    EXPECT_EQ(image.pixel(QPoint(7200, 7200) / kTwipsPerPixel), qRgb(255, 255, 255)) << "paper elsewhere";
}

TEST(PagePainter, PlacesTextByItsAlignmentAndColour)
{
    struct Case {
        definition::Alignment alignment;
        double from, to;  // where the ink's mean x lies, as a fraction of the rectangle's width
    } const cases[] = {
        {definition::Alignment::Left, 0.0, 0.35},
        {definition::Alignment::Center, 0.35, 0.65},
        {definition::Alignment::Right, 0.65, 1.0},
    };
    for (const auto& c : cases) {
        const QRect r(1440, 1440, 7200, 400);
        const auto m = model({style(c.alignment, 0xff008000)}, {{text(QStringLiteral("WWW"), r, 0)}});
        const QImage image = render::pageImage(m, 0, kDpi);
        const Ink ink = inkIn(image, r);
        ASSERT_GT(ink.count, 20) << "the text is drawn";
        const double at = (ink.meanX - r.left()) / r.width();
        EXPECT_GE(at, c.from) << static_cast<int>(c.alignment);
        EXPECT_LE(at, c.to) << static_cast<int>(c.alignment);
        bool green = false;
        for (int y = r.top() / kTwipsPerPixel; y < r.bottom() / kTwipsPerPixel && !green; ++y)
            for (int x = r.left() / kTwipsPerPixel; x < r.right() / kTwipsPerPixel && !green; ++x)
                green = image.pixel(x, y) == qRgb(0, 128, 0);
        EXPECT_TRUE(green) << "the style's colour";
    }
}

TEST(PagePainter, TextSizeFollowsThePointSizeOnEveryResolution)
{
    // A 36-point text is half an inch high at any resolution.
    const QRect r(720, 720, 10000, 1440);
    const auto m = model({style(definition::Alignment::Left, 0xff000000, 36)}, {{text(QStringLiteral("H"), r, 0)}});
    for (const double dpi : {72.0, 144.0, 288.0}) {
        const QImage image = render::pageImage(m, 0, dpi);
        int top = -1, bottom = -1;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width() / 2; ++x)
                if (qGray(image.pixel(x, y)) < 128) {
                    if (top < 0)
                        top = y;
                    bottom = y;
                }
        ASSERT_GE(top, 0);
        const double capInches = (bottom - top + 1) / dpi;
        // A capital of a 36-point font is about 0.35 inch (0.7 of the em).
        EXPECT_NEAR(capInches, 0.36, 0.06) << dpi;
    }
}

TEST(PageExports, TextPlacesEachTextAtItsColumnRowByRow)
{
    const auto right = style(definition::Alignment::Right);
    const auto m = model({style(), right},
                         {{text(QStringLiteral("Name"), {0, 0, 1200, 240}, 0), text(QStringLiteral("Total"), {2400, 0, 1200, 240}, 1),
                           // 100 twips lower: still the same row
                           text(QStringLiteral("Rossi"), {0, 300, 1200, 240}, 0), text(QStringLiteral("12.50"), {2400, 400, 1200, 240}, 1),
                           // overlapping the text before it: one space apart
                           text(QStringLiteral("A long name"), {0, 700, 600, 240}, 0), text(QStringLiteral("x"), {240, 700, 600, 240}, 0)},
                          {text(QStringLiteral("Page 2"), {0, 0, 1200, 240}, 0)}});
    EXPECT_EQ(QString::fromUtf8(exporting::pagesText(m)),
              QStringLiteral("Name                     Total\n"
                             "Rossi                    12.50\n"
                             "A long name x\n"
                             "\fPage 2\n"));
}

TEST(PageExports, Html40PositionsEveryItemInPointsAndEscapesTexts)
{
    const auto m = model({style(definition::Alignment::Center, 0xff336699)},
                         {{text(QStringLiteral("Smith & <Sons>"), {200, 400, 2000, 240}, 0),
                           shape(PageItem::Kind::Box, {0, 1000, 400, 200}, 0xff000000, 20, 0xffffff00)},
                          {text(QStringLiteral("second"), {0, 0, 1000, 240}, 0)}});
    const QString html = QString::fromUtf8(exporting::pagesHtml40(m, QStringLiteral("Orders")));
    EXPECT_TRUE(html.startsWith(QStringLiteral("<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01//EN\"")));
    EXPECT_TRUE(html.contains(QStringLiteral("<title>Orders</title>")));
    EXPECT_EQ(html.count(QStringLiteral("<div class=\"page\"")), 2);
    EXPECT_TRUE(html.contains(QStringLiteral("width:612pt;height:792pt"))) << "letter paper";
    EXPECT_TRUE(html.contains(QStringLiteral("style=\"left:10pt;top:20pt;width:100pt;height:12pt\">Smith &amp; &lt;Sons&gt;</div>")));
    EXPECT_TRUE(html.contains(QStringLiteral("text-align: center; color: #336699")));
    EXPECT_TRUE(html.contains(QStringLiteral("border:1pt solid #000000;background:#ffff00")));
    EXPECT_LT(html.indexOf(QStringLiteral("Smith")), html.indexOf(QStringLiteral("second"))) << "pages in order";
}

TEST(PageExports, PdfHasTheTextsAsTextAndThePaperSize)
{
    if (tool(QStringLiteral("pdftotext")).isEmpty() || tool(QStringLiteral("pdfinfo")).isEmpty())
        GTEST_SKIP() << "pdftotext and pdfinfo (poppler-utils) are not installed; the PDF is not read back";
    auto m = model({style()}, {{text(QStringLiteral("First page text"), {1440, 1440, 5000, 300}, 0)},
                               {text(QStringLiteral("Zweite Seite äöü"), {1440, 1440, 5000, 300}, 0)}});
    m.paperSize = layout::paperSizeTwips(9, 2);  // A4 landscape
    const QString path = QDir(test::freshFolder(QStringLiteral("pdf"))).filePath(QStringLiteral("out.pdf"));
    exporting::exportPages(exporting::format::Pdf, m, path, QStringLiteral("Test"));
    const QString info = poppler(QStringLiteral("pdfinfo"), {path});
    EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+2\\n")))) << info.toStdString();
    const QSize a4 = layout::paperSizeTwips(9, 2);
    EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Page size:\\s+%1(\\.\\d+)? x %2(\\.\\d+)? pts")
                                                     .arg(qRound(a4.width() / 20.0))
                                                     .arg(qRound(a4.height() / 20.0)))))
        << info.toStdString();
    const QStringList pages = poppler(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")})
                                  .split(QLatin1Char('\f'));
    ASSERT_GE(pages.size(), 2);
    EXPECT_TRUE(pages[0].contains(QStringLiteral("First page text"))) << pages[0].toStdString();
    EXPECT_TRUE(pages[1].contains(QStringLiteral("Zweite Seite äöü"))) << pages[1].toStdString();
}

TEST(PageExports, FormatNumbersThatAreUnknownOrNotWrittenAreClearErrorsAndLeaveTheOldFile)
{
    const auto m = model({style()}, {{text(QStringLiteral("x"), {0, 0, 100, 100}, 0)}});
    const QString path = QDir(test::freshFolder(QStringLiteral("formats"))).filePath(QStringLiteral("old.out"));
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("old");
    }
    struct Case {
        int format;
        int error;
        const char* says;
    } const cases[] = {
        {0, basic::err::InvalidProcedureCall, "0 is not an export format number"},
        {99, basic::err::InvalidProcedureCall, "99 is not an export format number"},
        {-1, basic::err::InvalidProcedureCall, "-1 is not an export format number"},
        {exporting::format::OwnFormat, rterr::NotAvailable, "(format 1) needs the report and its records"},
    };
    for (const auto& c : cases) {
        try {
            exporting::exportPages(c.format, m, path);
            ADD_FAILURE() << "format " << c.format << " exported";
        } catch (const basic::BasicError& e) {
            EXPECT_EQ(e.number(), c.error) << c.format;
            EXPECT_TRUE(e.description().contains(QLatin1String(c.says))) << e.description().toStdString();
        }
        EXPECT_EQ(readAll(path), QByteArray("old")) << c.format;
    }
    // A folder that does not exist: the error names the file, nothing is left behind.
    const QString nowhere = QDir(test::freshFolder(QStringLiteral("formats2"))).filePath(QStringLiteral("no/such/out.txt"));
    try {
        exporting::exportPages(exporting::format::Text, m, nowhere);
        ADD_FAILURE() << "wrote into a missing folder";
    } catch (const basic::BasicError& e) {
        EXPECT_EQ(e.number(), rterr::ReportFileUnwritable);
        EXPECT_TRUE(e.description().contains(nowhere)) << e.description().toStdString();
    }
    EXPECT_FALSE(QFile::exists(nowhere));
}

TEST_F(SampleReport, ExportsThroughTheReportWriteEachFormatWithTheReportsTexts)
{
    const auto pages = report->pages();
    ASSERT_GT(pages->pageCount(), 0);
    const QString firstText = pages->texts().front()->text;
    const QString lastText = pages->texts().back()->text;
    const QDir out(test::freshFolder(QStringLiteral("exports")));
    struct Case {
        int format;
        const char* file;
    } const cases[] = {{exporting::format::Text, "orders.txt"}, {exporting::format::Html40, "orders.htm"},
                       {exporting::format::Pdf, "orders.pdf"}, {exporting::format::Csv, "orders.csv"}};
    for (const auto& c : cases) {
        const QString path = out.filePath(QLatin1String(c.file));
        report->ExportOptions().Reset();
        report->ExportOptions().setFormatType(c.format);
        report->ExportOptions().setDestinationType(1);
        report->ExportOptions().setDiskFileName(path);
        report->Export(false);
        ASSERT_TRUE(QFile::exists(path)) << c.file;
        QString content;
        if (c.format == exporting::format::Pdf) {
            if (tool(QStringLiteral("pdftotext")).isEmpty()) {
                std::cout << "[ SKIPPED  ] reading the PDF back: pdftotext (poppler-utils) is not installed\n";
                continue;
            }
            content = poppler(QStringLiteral("pdftotext"), {path, QStringLiteral("-")});
            EXPECT_EQ(content.count(QLatin1Char('\f')), pages->pageCount()) << "one PDF page per report page";
        } else {
            content = QString::fromUtf8(readAll(path));
        }
        if (c.format == exporting::format::Csv)
            continue;  // the CSV has the detail records only; its own tests read it
        const QString escaped = c.format == exporting::format::Html40 ? firstText.toHtmlEscaped() : firstText;
        EXPECT_TRUE(content.contains(escaped)) << c.file << ": " << firstText.toStdString();
        EXPECT_TRUE(content.contains(c.format == exporting::format::Html40 ? lastText.toHtmlEscaped() : lastText))
            << c.file << ": " << lastText.toStdString();
    }
}

TEST_F(SampleReport, TheViewerPagesByToolbarKeysAndDispatch)
{
    viewer::PageViewer v;
    ASSERT_NO_FATAL_FAILURE(showSample(v, 700, 900, ReportRef(report)));
    const int count = v.getProperty(viewerid::PageCount).toInt();
    ASSERT_GE(count, 3) << "the sample report spans several pages";
    auto* bar = v.toolBar();
    ASSERT_NE(bar, nullptr);
    auto button = [&](const char* action) {
        return bar->widgetForAction(bar->findChild<QAction*>(QLatin1String(action)));
    };
    auto* goTo = v.findChild<QSpinBox*>(QStringLiteral("goToPage"));
    ASSERT_NE(goTo, nullptr);
    EXPECT_EQ(goTo->maximum(), count);

    struct Step {
        const char* what;
        std::function<void()> act;
        int page;  // expected, 0-based; -1 the last
    } const steps[] = {
        {"next button", [&] { QTest::mouseClick(button("nextPage"), Qt::LeftButton); }, 1},
        {"PgDn", [&] { QTest::keyClick(&v, Qt::Key_PageDown); }, 2},
        {"PgUp", [&] { QTest::keyClick(&v, Qt::Key_PageUp); }, 1},
        {"last button", [&] { QTest::mouseClick(button("lastPage"), Qt::LeftButton); }, -1},
        {"next past the end stays", [&] { QTest::keyClick(&v, Qt::Key_PageDown); }, -1},
        {"Home", [&] { QTest::keyClick(&v, Qt::Key_Home); }, 0},
        {"End", [&] { QTest::keyClick(&v, Qt::Key_End); }, -1},
        {"first button", [&] { QTest::mouseClick(button("firstPage"), Qt::LeftButton); }, 0},
        {"go to page 3", [&] { goTo->setValue(3); }, 2},
        {"ShowLastPage", [&] { v.call(viewerid::ShowLastPage); }, -1},
        {"ShowFirstPage", [&] { v.call(viewerid::ShowFirstPage); }, 0},
    };
    for (const auto& s : steps) {
        s.act();
        EXPECT_EQ(v.currentPage(), s.page < 0 ? count - 1 : s.page) << s.what;
        EXPECT_EQ(goTo->value(), v.currentPage() + 1) << s.what << ": the toolbar shows the page";
    }
    // Toolbar switched off through dispatch: the page moves up into its place.
    const QPoint withBar = v.viewerPoint({0, 0});
    v.putProperty(viewerid::DisplayToolbar, false);
    EXPECT_FALSE(bar->isVisible());
    EXPECT_LT(v.viewerPoint({0, 0}).y(), withBar.y());
    v.putProperty(viewerid::DisplayToolbar, true);
}

TEST_F(SampleReport, TheViewerZoomsByDispatchBoxAndCtrlWheelAndRejectsBadLevels)
{
    viewer::PageViewer v;
    ASSERT_NO_FATAL_FAILURE(showSample(v, 600, 700, ReportRef(report)));
    const QSize paper = v.pages()->paperSize;
    auto pageWidth = [&] { return v.viewerPoint({static_cast<double>(paper.width()), 0}).x() - v.viewerPoint({0, 0}).x(); };
    v.zoom(1);
    EXPECT_NEAR(pageWidth(), 600 - 16, 2) << "fit width";
    v.zoom(2);
    EXPECT_LT(pageWidth(), 600 - 16) << "fit page is narrower on a tall window";
    v.zoom(100);
    EXPECT_NEAR(pageWidth(), paper.width() / 1440.0 * v.logicalDpiX(), 2) << "100% is the paper's size";
    auto* box = v.findChild<QComboBox*>(QStringLiteral("zoom"));
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->currentData().toInt(), 100);
    box->setCurrentIndex(box->findData(200));
    Q_EMIT box->activated(box->currentIndex());
    EXPECT_EQ(v.zoomLevel(), 200);
    QWheelEvent wheel(QPointF(300, 400), v.mapToGlobal(QPointF(300, 400)), {}, {0, 120}, Qt::NoButton, Qt::ControlModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(&v, &wheel);
    EXPECT_EQ(v.zoomLevel(), 250) << "Ctrl+wheel zooms in by a quarter";
    for (const int bad : {0, 3, 9, 801, -5}) {
        try {
            v.zoom(static_cast<std::int16_t>(bad));
            ADD_FAILURE() << "zoom " << bad << " accepted";
        } catch (const basic::BasicError& e) {
            EXPECT_EQ(e.number(), basic::err::InvalidProcedureCall) << bad;
        }
    }
    EXPECT_EQ(v.zoomLevel(), 250) << "a rejected level changes nothing";
}

TEST_F(SampleReport, PrintingToAPdfFileGivesEveryPageAtThePaperSizeOncePerCopy)
{
    if (tool(QStringLiteral("pdftotext")).isEmpty() || tool(QStringLiteral("pdfinfo")).isEmpty())
        GTEST_SKIP() << "pdftotext and pdfinfo (poppler-utils) are not installed; the printout is not read back";
    const auto pages = report->pages();
    const QString path = QDir(test::freshFolder(QStringLiteral("print"))).filePath(QStringLiteral("printed.pdf"));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    ASSERT_TRUE(report->printOn(printer, false, 2));
    const QString info = poppler(QStringLiteral("pdfinfo"), {path});
    EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+%1\\n").arg(2 * pages->pageCount())))) << info.toStdString();
    EXPECT_TRUE(info.contains(QStringLiteral("(A4)"))) << "the sample report is on A4: " << info.toStdString();
    const QStringList printed = poppler(QStringLiteral("pdftotext"), {path, QStringLiteral("-")}).split(QLatin1Char('\f'));
    const QString lastOfFirst = pages->texts().back()->text;
    EXPECT_TRUE(printed.at(pages->pageCount() - 1).contains(lastOfFirst)) << "the first copy ends with the last page";
    EXPECT_TRUE(printed.at(2 * pages->pageCount() - 1).contains(lastOfFirst)) << "so does the second";
}

TEST_F(SampleReport, PrinterChoicesThatCannotBeMetAreClearErrors)
{
    try {
        report->SelectPrinter(QStringLiteral("drv"), QStringLiteral("No Such Printer 4711"), QStringLiteral("LPT1:"));
        ADD_FAILURE() << "an unknown printer was selected";
    } catch (const basic::BasicError& e) {
        EXPECT_EQ(e.number(), rterr::PrinterUnavailable);
        EXPECT_TRUE(e.description().contains(QStringLiteral("\"No Such Printer 4711\""))) << e.description().toStdString();
    }
    EXPECT_TRUE(report->printerName().isEmpty()) << "the failed choice is not kept";
    try {
        report->PrintOut(false, std::int16_t(0));
        ADD_FAILURE() << "printed no copies";
    } catch (const basic::BasicError& e) {
        EXPECT_EQ(e.number(), basic::err::InvalidProcedureCall);
    }
    if (!QPrinterInfo::availablePrinterNames().isEmpty())
        GTEST_SKIP() << "this machine has printers; printing without one is not tried";
    for (const auto& act : std::vector<std::function<void()>>{[&] { report->PrintOut(false, std::int16_t(1)); },
                                                              [&] { report->PrinterSetup(0); }}) {
        try {
            act();
            ADD_FAILURE() << "printed without a printer";
        } catch (const basic::BasicError& e) {
            EXPECT_EQ(e.number(), rterr::PrinterUnavailable);
            EXPECT_TRUE(e.description().contains(QStringLiteral("no printer is installed"))) << e.description().toStdString();
        }
    }
}

TEST_F(SampleReport, ThePageSetUpTakesThePrintersPaperAndOrientation)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    struct Case {
        QPageSize::PageSizeId paper;
        QPageLayout::Orientation orientation;
        int paperSize, paperOrientation;
    } const cases[] = {{QPageSize::Letter, QPageLayout::Landscape, 1, 2}, {QPageSize::A5, QPageLayout::Portrait, 11, 1},
                       {QPageSize::A4, QPageLayout::Landscape, 9, 2}};
    for (const auto& c : cases) {
        printer.setPageLayout(QPageLayout(QPageSize(c.paper), c.orientation, QMarginsF()));
        report->applyPrinterPaper(printer);
        EXPECT_EQ(report->PaperSize(), c.paperSize);
        EXPECT_EQ(report->PaperOrientation(), c.paperOrientation);
        EXPECT_EQ(report->pages()->paperSize, layout::paperSizeTwips(c.paperSize, c.paperOrientation)) << "the next run lays out on it";
    }
}

TEST_F(SampleReport, ExportWithPromptAsksForTheFileInTheFormatChosen)
{
    const QDir out(test::freshFolder(QStringLiteral("asked")));
    report->ExportOptions().setFormatType(exporting::format::Text);
    report->ExportOptions().setDestinationType(1);
    report->ExportOptions().setDiskFileName(out.filePath(QStringLiteral("given.txt")));
    struct Case {
        const char* typed;  // empty: the dialog is cancelled
        const char* written;
    } const cases[] = {{"", nullptr}, {"chosen", "chosen.txt"}, {"other.txt", "other.txt"}};
    for (const auto& c : cases) {
        QString filter;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            if (!dialog) {
                ADD_FAILURE() << "no file dialog";
                return;
            }
            filter = dialog->selectedNameFilter();
            if (*c.typed == 0) {
                dialog->reject();
                return;
            }
            dialog->selectFile(out.filePath(QLatin1String(c.typed)));
            static_cast<QDialog*>(dialog)->accept();  // the file dialog checks the name as on a click
        });
        report->Export(true);
        EXPECT_EQ(filter, QStringLiteral("text (*.txt)")) << c.typed;
        if (c.written) {
            EXPECT_TRUE(QFile::exists(out.filePath(QLatin1String(c.written)))) << c.typed;
        }
    }
    EXPECT_FALSE(QFile::exists(out.filePath(QStringLiteral("given.txt")))) << "the dialog's choice replaced the given name";
    EXPECT_EQ(out.entryList(QDir::Files).size(), 2) << "the cancelled dialog wrote nothing";
}

TEST_F(SampleReport, TheViewerFindsTextsForwardAndBackWrappingAndHighlightsThem)
{
    viewer::PageViewer v;
    ASSERT_NO_FATAL_FAILURE(showSample(v, 700, 900, ReportRef(report)));
    const auto pages = v.pages();
    // Where "month total" shows (any case), in reading order.
    std::vector<std::pair<int, QRect>> expected;
    for (int p = 0; p < pages->pageCount(); ++p)
        for (const auto& i : pages->page(p).items)
            if (i.kind == PageItem::Kind::Text && i.text.contains(QStringLiteral("month total"), Qt::CaseInsensitive))
                expected.emplace_back(p, i.rect);
    ASSERT_GE(expected.size(), 3u);

    // Typed into the search box through Ctrl+F and Enter: the first match, then F3 the next.
    QTest::keyClick(&v, Qt::Key_F, Qt::ControlModifier);
    auto* box = v.findChild<QLineEdit*>(QStringLiteral("search"));
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(box->hasFocus());
    QTest::keyClicks(box, QStringLiteral("MONTH total"));
    QTest::keyClick(box, Qt::Key_Return);
    EXPECT_EQ(std::pair(v.matchPage(), v.matchRect()), expected[0]);
    EXPECT_EQ(v.currentPage(), expected[0].first);
    QTest::keyClick(&v, Qt::Key_F3);
    EXPECT_EQ(std::pair(v.matchPage(), v.matchRect()), expected[1]);
    QTest::keyClick(&v, Qt::Key_F3, Qt::ShiftModifier);
    EXPECT_EQ(std::pair(v.matchPage(), v.matchRect()), expected[0]);
    // Back from the first wraps to the last; on from the last wraps to the first.
    EXPECT_TRUE(v.find(QStringLiteral("month total"), false));
    EXPECT_EQ(std::pair(v.matchPage(), v.matchRect()), expected.back());
    EXPECT_EQ(v.currentPage(), expected.back().first) << "the match's page is shown";
    EXPECT_TRUE(v.find(QStringLiteral("month total"), true));
    EXPECT_EQ(std::pair(v.matchPage(), v.matchRect()), expected[0]);
    // The highlight is painted over the match.
    const QImage shot = v.grab().toImage();
    const QPoint corner = v.viewerPoint(QPointF(expected[0].second.topLeft()) + QPointF(15, 15));
    const QColor c = shot.pixelColor(corner * shot.devicePixelRatio());
    EXPECT_GT(c.red(), c.blue() + 60) << "orange-yellow over the paper: " << c.name().toStdString();
    // A text that is nowhere keeps the match and the page.
    EXPECT_FALSE(v.find(QStringLiteral("no such words anywhere")));
    EXPECT_EQ(v.matchPage(), expected[0].first);
}
