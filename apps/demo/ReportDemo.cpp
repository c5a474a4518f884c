#include "apps/demo/ReportDemo.h"

#include "apps/demo/DemoWindow.h"
#include "platform/basic/BasicError.h"
#include "platform/host/Form.h"
#include "platform/host/Twips.h"
#include "reportrt/Viewer.h"
#include "reportrt/export/Exporters.h"
#include "reportrt/viewer/PageViewer.h"
#include "viewreport/control/ORXOCXViewReport.h"
#include "viewreport/engine/ORXDLLViewReport.h"
#include "viewreport/engine/ORXDLLViewReportFRM.h"
#include "viewreport/engine/RunState.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QTest>
#include <QTextStream>

namespace {

using namespace orx;

viewreport::ORXDLLViewReportFRM* previewWindow()
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* frm = qobject_cast<viewreport::ORXDLLViewReportFRM*>(w); frm && !frm->isUnloaded())
            return frm;
    return nullptr;
}

void listFile(QTextStream& out, const QString& path)
{
    const QFileInfo info(path);
    if (info.isFile())
        out << "  " << info.absoluteFilePath() << "  " << info.size() << " bytes\n";
    else
        out << "  " << path << "  NOT WRITTEN\n";
}

// The viewer control on a host form: the grouped report shown inside the form, a page
// turned, a field clicked (the control's event with the field's name and value), a picture.
void runControlDemo(QTextStream& out, const QString& reportPath)
{
    out << "\nReport " << reportPath << " in the viewer control ORXOCXViewReport on a host form:\n";
    host::Form form;
    form.setWindowTitle(QStringLiteral("ORXOCXViewReport"));
    form.resize(900, 1000);
    auto* control = new viewreport::ORXOCXViewReport;
    form.placeControl(control, QStringLiteral("ORXOCX_ViewReport.ORXOCXViewReport"), QStringLiteral("Report1"),
                      host::TwipRect{120, 120, host::twipsFromPixelsX(860), host::twipsFromPixelsY(960)});
    form.show();
    QStringList heard;
    QObject::connect(control, &viewreport::ORXOCXViewReport::DBFieldSelected, &form, [&](const QString& name, const QVariant& value) {
        heard << QStringLiteral("DBFieldSelected(%1, %2)").arg(name, value.toString());
    });
    QObject::connect(control, &viewreport::ORXOCXViewReport::RowSelected, &form, [&](const QString& name, const QVariant& value) {
        heard << QStringLiteral("RowSelected(%1, %2)").arg(name, value.toString());
    });
    try {
        control->setReportName(reportPath.chopped(4));
        control->Show();
    } catch (const basic::BasicError& e) {
        out << "  the report did not run: " << e.description() << "\n";
        return;
    }
    auto* viewer = qobject_cast<reportrt::viewer::PageViewer*>(control->CRV_Preview());
    if (!viewer || !viewer->pages()) {
        out << "  the control shows no pages\n";
        return;
    }
    out << "  " << control->TotalPage() << " pages\n";
    // The page turned with the viewer's own key, as a user would press it.
    QKeyEvent next(QEvent::KeyPress, Qt::Key_PageDown, Qt::NoModifier);
    QApplication::sendEvent(viewer, &next);
    QApplication::processEvents();
    out << "  page " << viewer->currentPage() + 1 << " shown\n";
    // A click on the first amount of a detail record on that page.
    for (const auto& item : viewer->pages()->page(viewer->currentPage()).items) {
        if (item.section != reportrt::definition::SectionKind::Details || item.source.isEmpty() || item.record == 0)
            continue;
        QTest::mouseClick(viewer, Qt::LeftButton, {}, viewer->viewerPoint(QRectF(item.rect).center()));
        break;
    }
    out << "  " << (heard.isEmpty() ? QStringLiteral("no event was raised") : heard.join(QStringLiteral(", "))) << "\n";
    listFile(out, saveSnapshot(form, QStringLiteral("report/Control-page%1").arg(viewer->currentPage() + 1)));
}

}  // namespace

bool runReportDemo()
{
    QTextStream out(stdout);
    const QString samples = samplesFolder();
    if (samples.isEmpty()) {
        out << "\nReport: the sample folder is not found; set ORX_SAMPLES\n";
        return false;
    }
    const QString reportPath = QDir(samples).filePath(QStringLiteral("reports/Orders.RPT"));
    out << "\nReport " << reportPath << " through the preview window (Show, Mode 1):\n";

    viewreport::ORXDLLViewReport request;
    request.setReportName(reportPath.chopped(4));
    request.setMode(1);
    try {
        request.Show();
    } catch (const basic::BasicError& e) {
        out << "  the report did not run: " << e.description() << "\n";
        return false;
    }
    QApplication::processEvents();
    auto* frm = previewWindow();
    if (!frm || !frm->CRV_Preview()) {
        out << "  no preview window opened\n";
        return false;
    }
    if (!headless())
        return true;

    frm->resize(900, 1100);
    QApplication::processEvents();
    reportrt::Viewer* viewer = frm->CRV_Preview();
    const int pages = viewer->getProperty(reportrt::viewerid::PageCount).toInt();
    out << "  " << pages << " pages\n";
    const QString folder = QDir(demoOutFolder()).filePath(QStringLiteral("report"));
    QDir().mkpath(folder);
    viewer->call(reportrt::viewerid::ShowFirstPage);
    for (int page = 1; page <= std::min(2, pages); ++page) {
        QApplication::processEvents();
        listFile(out, saveSnapshot(*frm, QStringLiteral("report/Orders-page%1").arg(page)));
        // The viewer's own key for the next page, as a user would press it.
        QKeyEvent next(QEvent::KeyPress, Qt::Key_PageDown, Qt::NoModifier);
        QApplication::sendEvent(viewer, &next);
    }

    // A click on the first field of page 1, as a user would make it: the viewer names the field and its value.
    viewer->call(reportrt::viewerid::ShowFirstPage);
    if (auto* pageViewer = qobject_cast<reportrt::viewer::PageViewer*>(viewer)) {
        for (const auto* text : pageViewer->pages()->texts()) {
            if (text->source.isEmpty() || text->record == 0)
                continue;
            QString heard;
            const auto connection = QObject::connect(viewer, &reportrt::Viewer::Clicked, viewer,
                                                     [&](int x, int y, reportrt::ViewerEventInfo* info, bool&) {
                                                         heard = QStringLiteral("click at (%1, %2): kind %3").arg(x).arg(y).arg(info->ObjectKind());
                                                         for (int i = 1; i <= info->Fields().Count(); ++i)
                                                             heard += QStringLiteral(", %1 = %2").arg(info->Fields().Item(i).Name(),
                                                                                                      info->Fields().Item(i).Value().toString());
                                                     });
            QTest::mouseClick(viewer, Qt::LeftButton, {}, pageViewer->viewerPoint(QRectF(text->rect).center()));
            QObject::disconnect(connection);
            out << "  " << (heard.isEmpty() ? QStringLiteral("the click was not heard") : heard) << "\n";
            break;
        }
    }

    auto report = viewreport::RunState::current().CurrentReport;
    namespace fmt = reportrt::exporting::format;
    for (const int format : {fmt::Pdf, fmt::Csv, fmt::Text, fmt::Html40, fmt::Html32, fmt::RichText, fmt::Word,
                             fmt::Excel50, fmt::Excel70, fmt::Excel80, fmt::OwnFormat}) {
        // Formats that share a suffix with one before them carry their number.
        const bool shared = format == fmt::Html32 || format == fmt::Excel50 || format == fmt::Excel70;
        const QString name = shared ? QStringLiteral("Orders-%1.").arg(format) : QStringLiteral("Orders.");
        const QString path = QDir(folder).filePath(name + reportrt::exporting::formatSuffix(format));
        try {
            report->ExportOptions().Reset();
            report->ExportOptions().setFormatType(format);
            report->ExportOptions().setDestinationType(1);
            report->ExportOptions().setDiskFileName(path);
            report->Export(false);
        } catch (const basic::BasicError& e) {
            out << "  " << reportrt::exporting::formatName(format) << ": " << e.description() << "\n";
        }
        listFile(out, path);
    }
    frm->close();
    QApplication::processEvents();
    runControlDemo(out, reportPath);
    return false;
}
