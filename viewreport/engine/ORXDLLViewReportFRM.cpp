#include "viewreport/engine/ORXDLLViewReportFRM.h"

#include "platform/basic/BasicError.h"
#include "platform/host/Services.h"
#include "platform/host/Twips.h"
#include "reportrt/Runtime.h"
#include "viewreport/engine/Engine.h"
#include "viewreport/engine/ORXDLLViewReport.h"
#include "viewreport/engine/RunState.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>

#include <algorithm>
#include <cmath>

namespace orx::viewreport {

namespace {

constexpr double InnerWidth = 10980;
constexpr double InnerHeight = 7020;

const QString& caption()
{
    static const QString text = QStringLiteral("Anteprima di stampa");
    return text;
}

}  // namespace

void SetTopMost(QWidget* window, bool on)
{
    if (!window)
        return;
    const QRect geometry = window->geometry();
    host::setTopmost(window, on);
    window->setGeometry(geometry);
}

ORXDLLViewReportFRM::ORXDLLViewReportFRM(QWidget* parent)
    : QWidget(parent, Qt::Window)
{
    setObjectName(QString::fromLatin1(PreviewFormName));
    setWindowTitle(caption());

    container_ = new QWidget(this);
    container_->setObjectName(QStringLiteral("CNT_Report"));
    host::setTwipGeometry(container_, {0, 0, 10980, 6315});
    viewer_ = reportrt::runtime().createViewer(container_);
    viewer_->setObjectName(QStringLiteral("CRV_Preview"));
    host::setTwipGeometry(viewer_, {120, 120, 10695, 6015});

    buttonStrip_ = new QWidget(this);
    buttonStrip_->setObjectName(QStringLiteral("CNT_Tasti"));
    host::setTwipGeometry(buttonStrip_, {0, 6570, 10980, 450});
    report_ = new QPushButton(QStringLiteral("&Stampa"), buttonStrip_);
    report_->setObjectName(QStringLiteral("PB_Report"));
    host::setTwipGeometry(report_, {120, 60, 1080, 315});
    setup_ = new QPushButton(QStringLiteral("&Imposta stampante"), buttonStrip_);
    setup_->setObjectName(QStringLiteral("PB_Setup"));
    // The designed width assumes a narrower font than the platform's; the
    // button grows to hold its whole caption.
    const double setupWidth = std::max(1560.0, host::twipsFromPixelsX(setup_->sizeHint().width()));
    host::setTwipGeometry(setup_, {1440, 60, setupWidth, 315});
    exit_ = new QPushButton(QStringLiteral("&Esci"), buttonStrip_);
    exit_->setObjectName(QStringLiteral("PB_Fine"));
    host::setTwipGeometry(exit_, {9720, 60, 1080, 315});

    connect(report_, &QPushButton::clicked, this, &ORXDLLViewReportFRM::PB_Report_Click);
    connect(setup_, &QPushButton::clicked, this, &ORXDLLViewReportFRM::PB_Setup_Click);
    connect(exit_, &QPushButton::clicked, this, &QWidget::close);

    // The inner area, in the middle of the screen.
    const QSize size(host::pixelsFromTwipsX(InnerWidth), host::pixelsFromTwipsY(InnerHeight));
    resize(size);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect available = screen->availableGeometry();
        move(available.center() - QPoint(size.width() / 2, size.height() / 2));
    }
}

ORXDLLViewReportFRM::~ORXDLLViewReportFRM()
{
    if (!unloaded_) {
        unloaded_ = true;
        notifyFormUnloaded(nullptr);
    }
}

void ORXDLLViewReportFRM::Load()
{
    QPointer<ORXDLLViewReportFRM> self(this);
    loading_ = true;
    // Closed while loading: deleted once the load is over, so that the code
    // of the load never runs on a deleted window.
    struct LoadScope {
        QPointer<ORXDLLViewReportFRM>& window;
        ~LoadScope()
        {
            if (!window)
                return;
            window->loading_ = false;
            if (window->unloaded_)
                window->deleteLater();
        }
    } scope{self};

    show();
    host::yieldToHost();
    if (!self) {
        // Destroyed by the host while it yielded: the run still prints and
        // exports as asked.
        RunReport(nullptr);
        return;
    }
    if (RunState::current().currentRequest().WaitUnload())
        SetTopMost(this, true);
    RunReport(viewer_);
    if (!self)
        return;
    viewer_->zoom(1);
    viewer_->hide();
    viewer_->show();
}

void ORXDLLViewReportFRM::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    try {
        Form_Resize();
    } catch (const std::exception& error) {
        reportError(error);
    }
}

void ORXDLLViewReportFRM::Form_Resize()
{
    const double innerWidth = host::twipsFromPixelsX(width());
    const double innerHeight = host::twipsFromPixelsY(height());
    // The strip is docked to the bottom edge and the report container to the
    // top, both as wide as the window.
    const double stripHeight = host::twipGeometry(buttonStrip_).height;
    host::setTwipGeometry(buttonStrip_, {0, innerHeight - stripHeight, innerWidth, stripHeight});

    const double reportHeight = std::fabs(innerHeight - stripHeight - 30);
    host::setTwipGeometry(container_, {0, 0, innerWidth, reportHeight});
    host::TwipRect fine = host::twipGeometry(exit_);
    fine.left = host::twipGeometry(buttonStrip_).width - fine.width - 120;
    host::setTwipGeometry(exit_, fine);
    host::setTwipGeometry(viewer_, {60, 60, std::fabs(innerWidth - 120), std::fabs(reportHeight - 60)});
    viewer_->zoom(1);
}

void ORXDLLViewReportFRM::PB_Report_Click()
{
    try {
        if (const reportrt::ReportRef report = RunState::current().CurrentReport)
            report->PrintOut();
    } catch (const std::exception& error) {
        reportError(error);
    }
}

void ORXDLLViewReportFRM::PB_Setup_Click()
{
    try {
        if (const reportrt::ReportRef report = RunState::current().CurrentReport)
            report->PrinterSetup(0);
    } catch (const std::exception& error) {
        reportError(error);
    }
}

void ORXDLLViewReportFRM::reportError(const std::exception& error)
{
    const auto* basicError = dynamic_cast<const basic::BasicError*>(&error);
    const QString text = basicError ? QStringLiteral("%1 (%2)").arg(basicError->description()).arg(basicError->number())
                                    : QString::fromLocal8Bit(error.what());
    host::MsgBox(text, host::mb::Critical, caption());
}

void ORXDLLViewReportFRM::closeEvent(QCloseEvent* event)
{
    QWidget::closeEvent(event);
    if (!event->isAccepted() || unloaded_)
        return;
    unloaded_ = true;
    notifyFormUnloaded(this);
    if (!loading_) {
        deleteLater();
        return;
    }
    // Closed while its report loads: the viewer stops, so the load ends now
    // instead of laying out a report nobody will see (printing and export still follow).
    viewer_->cancelLoading();
}

}  // namespace orx::viewreport
