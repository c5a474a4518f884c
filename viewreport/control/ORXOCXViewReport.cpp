#include "viewreport/control/ORXOCXViewReport.h"

#include "platform/basic/BasicError.h"
#include "platform/draw/PainterSurface.h"
#include "platform/host/Extender.h"
#include "platform/host/PropertyBag.h"
#include "platform/host/Services.h"
#include "platform/host/Twips.h"
#include "reportrt/Runtime.h"
#include "viewreport/control/ClickRules.h"
#include "viewreport/engine/Constants.h"
#include "viewreport/engine/Engine.h"
#include "viewreport/engine/RunState.h"

#include <QPainter>
#include <limits>

namespace orx::viewreport {

namespace {

// Persistence keys and their defaults.
constexpr const char* KeyBorderFrameDrop = "BorderFrameDrop";
constexpr const char* KeyBorderViewerPop = "BorderViewerPop";
constexpr const char* KeyDisplayToolBar = "DisplayToolBar";
constexpr const char* KeyKeyFormulaPrefix = "KeyFormulaPrefix";
constexpr const char* KeyZoomLevel = "ZoomLevel";
const QString DefaultKeyFormulaPrefix = QStringLiteral("KEYROW");
constexpr int DefaultZoomLevel = ORXVR_Zoom_FitWidth;

// Viewer object kinds a click may report.
constexpr int KindDatabaseField = 1;
constexpr int KindFormulaField = 5;
constexpr int KindFormulaFieldAlt = 100;

const host::OleColor ForeColor{host::syscolor::ButtonText};

}  // namespace

ORXOCXViewReport::ORXOCXViewReport(QWidget* parent)
    : host::UserControl(parent)
{
    viewer_ = reportrt::runtime().createViewer(this);
    viewer_->setObjectName(QStringLiteral("CRV_Preview"));
    viewer_->hide();
    connect(viewer_, &reportrt::Viewer::Clicked, this, &ORXOCXViewReport::CRV_Preview_Clicked, Qt::DirectConnection);
}

ORXOCXViewReport::~ORXOCXViewReport() = default;

ORXDLLViewReport* ORXOCXViewReport::request()
{
    if (!request_)
        request_ = new ORXDLLViewReport(this);
    return request_.data();
}

void ORXOCXViewReport::setBorderFrameDrop(bool on)
{
    borderStyle_ = on ? 1 : 0;
    PropertyChanged(QString::fromLatin1(KeyBorderFrameDrop));
    Resize();
    update();
}

bool ORXOCXViewReport::BorderViewerPop() const
{
    return viewer_->getProperty(reportrt::viewerid::DisplayBorder).toBool();
}

void ORXOCXViewReport::setBorderViewerPop(bool on)
{
    viewer_->putProperty(reportrt::viewerid::DisplayBorder, on);
    PropertyChanged(QString::fromLatin1(KeyBorderViewerPop));
    update();
}

bool ORXOCXViewReport::DisplayToolBar() const
{
    return viewer_->getProperty(reportrt::viewerid::DisplayToolbar).toBool();
}

void ORXOCXViewReport::setDisplayToolBar(bool on)
{
    viewer_->putProperty(reportrt::viewerid::DisplayToolbar, on);
    viewer_->putProperty(reportrt::viewerid::EnableToolbar, on);
    PropertyChanged(QString::fromLatin1(KeyDisplayToolBar));
    update();
}

void ORXOCXViewReport::setZoomLevel(int level)
{
    if (level < std::numeric_limits<std::int16_t>::min() || level > std::numeric_limits<std::int16_t>::max())
        basic::raiseError(basic::err::Overflow, QString::fromLatin1(ProductName));
    zoomLevel_ = level;
}

int ORXOCXViewReport::TotalPage() const
{
    return viewer_->getProperty(reportrt::viewerid::PageCount).toInt();
}

void ORXOCXViewReport::setMode(int mode)
{
    request()->setMode(ModeWithViewer(mode));
}

void ORXOCXViewReport::Clear()
{
    request()->Clear();
    viewer_->hide();
}

void ORXOCXViewReport::PrintOut()
{
    if (viewer_->isHidden())
        return;
    if (const reportrt::ReportRef report = RunState::current().CurrentReport)
        report->PrintOut();
}

void ORXOCXViewReport::PrinterSetup()
{
    if (viewer_->isHidden())
        return;
    if (const reportrt::ReportRef report = RunState::current().CurrentReport)
        report->PrinterSetup(0);
}

void ORXOCXViewReport::Requery()
{
    if (!viewer_->isHidden())
        viewer_->call(reportrt::viewerid::Refresh);
}

void ORXOCXViewReport::Show()
{
    CheckReportFile(request()->ReportName());
    CopyRequest(*request(), RunState::current().currentRequest());
    RunState::current().CurrentSelectionFormula = request()->SelectionFormula();
    viewer_->show();
    QPointer<ORXOCXViewReport> self(this);
    RunReport(viewer_);
    // The host may have unloaded the control while the report loaded.
    if (self)
        viewer_->zoom(std::int16_t(zoomLevel_));
}

void ORXOCXViewReport::LastPage()
{
    viewer_->call(reportrt::viewerid::ShowLastPage);
}

void ORXOCXViewReport::FirstPage()
{
    viewer_->call(reportrt::viewerid::ShowFirstPage);
}

void ORXOCXViewReport::CRV_Preview_Clicked(int, int, reportrt::ViewerEventInfo* info, bool& useDefault)
{
    try {
        const int kind = info->ObjectKind();
        if (kind == KindDatabaseField) {
            reportrt::ViewerFieldList& fields = info->Fields();
            const int count = fields.Count();
            if (count >= 1) {
                reportrt::ViewerField& field = fields.Item(count);
                const QString name = DatabaseFieldName(field.Name());
                const QVariant value = field.Value();
                Q_EMIT DBFieldSelected(name, value);
            }
            useDefault = false;
        } else if (kind == KindFormulaField || kind == KindFormulaFieldAlt) {
            reportrt::ViewerFieldList& fields = info->Fields();
            const int count = fields.Count();
            // No field under the click: nothing to report, as for kind 1.
            if (count >= 1) {
                reportrt::ViewerField& field = fields.Item(count);
                const QString name = FormulaFieldName(field.Name());
                const QVariant value(FormulaValueText(field.Value()));
                if (IsKeyField(name, keyFormulaPrefix_))
                    Q_EMIT RowSelected(name, value);
                else
                    Q_EMIT DBFieldSelected(name, value);
            }
            useDefault = false;
        } else {
            useDefault = true;
        }
    } catch (const std::exception& error) {
        reportError(error);
    }
}

double ORXOCXViewReport::innerWidth() const
{
    return host::twipsFromPixelsX(std::max(0, width() - 2 * borderPixels()));
}

double ORXOCXViewReport::innerHeight() const
{
    return host::twipsFromPixelsY(std::max(0, height() - 2 * borderPixels()));
}

void ORXOCXViewReport::Resize()
{
    try {
        const int b = borderPixels();
        host::setTwipGeometry(viewer_, {host::twipsFromPixelsX(b), host::twipsFromPixelsY(b), innerWidth(), innerHeight()});
        viewer_->zoom(std::int16_t(zoomLevel_));
    } catch (const std::exception& error) {
        reportError(error);
    }
}

void ORXOCXViewReport::InitProperties()
{
    keyFormulaPrefix_ = DefaultKeyFormulaPrefix;
    // A new control zooms to the page width, as a loaded one without a saved
    // zoom does.
    zoomLevel_ = DefaultZoomLevel;
    viewer_->hide();
}

void ORXOCXViewReport::ReadProperties(host::PropertyBag& bag)
{
    setBorderFrameDrop(bag.ReadProperty(QString::fromLatin1(KeyBorderFrameDrop), true).toBool());
    setBorderViewerPop(bag.ReadProperty(QString::fromLatin1(KeyBorderViewerPop), true).toBool());
    setDisplayToolBar(bag.ReadProperty(QString::fromLatin1(KeyDisplayToolBar), true).toBool());
    setKeyFormulaPrefix(bag.ReadProperty(QString::fromLatin1(KeyKeyFormulaPrefix), DefaultKeyFormulaPrefix).toString());
    setZoomLevel(bag.ReadProperty(QString::fromLatin1(KeyZoomLevel), DefaultZoomLevel).toInt());
    viewer_->hide();
}

void ORXOCXViewReport::WriteProperties(host::PropertyBag& bag)
{
    bag.WriteProperty(QString::fromLatin1(KeyBorderFrameDrop), BorderFrameDrop(), true);
    bag.WriteProperty(QString::fromLatin1(KeyBorderViewerPop), BorderViewerPop(), true);
    bag.WriteProperty(QString::fromLatin1(KeyDisplayToolBar), DisplayToolBar(), true);
    bag.WriteProperty(QString::fromLatin1(KeyKeyFormulaPrefix), KeyFormulaPrefix(), DefaultKeyFormulaPrefix);
    bag.WriteProperty(QString::fromLatin1(KeyZoomLevel), ZoomLevel(), DefaultZoomLevel);
}

void ORXOCXViewReport::AmbientChanged(const QString& name)
{
    if (name.compare(QLatin1String("DisplayName"), Qt::CaseInsensitive) == 0
        || name.compare(QLatin1String("UserMode"), Qt::CaseInsensitive) == 0)
        update();
}

void ORXOCXViewReport::Paint(draw::Surface& surface)
{
    if (ambientUserMode())
        return;
    surface.setSize(innerWidth(), innerHeight());
    surface.setFont(ambientFont());
    surface.setForeColor(ForeColor);
    surface.setCurrentX(150);
    surface.setCurrentY(150);
    surface.Print(extender()->name());
    if (borderStyle_ == 0)
        surface.Rectangle(0, 0, innerWidth() - 15, innerHeight() - 15, ForeColor);
}

void ORXOCXViewReport::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const int b = borderPixels();
    if (b > 0) {
        painter.setPen(QPen(host::resolveColor(host::OleColor{host::syscolor::WindowFrame}, palette()), 1));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
    if (ambientUserMode())
        return;
    painter.translate(b, b);
    draw::PainterSurface surface(&painter, palette());
    Paint(surface);
}

void ORXOCXViewReport::reportError(const std::exception& error)
{
    const auto* basicError = dynamic_cast<const basic::BasicError*>(&error);
    host::MsgBox(basicError ? basicError->description() : QString::fromLocal8Bit(error.what()), host::mb::Critical,
                 extender()->name());
}

}  // namespace orx::viewreport
