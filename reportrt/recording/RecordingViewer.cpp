#include "reportrt/recording/RecordingViewer.h"

#include "reportrt/RuntimeError.h"
#include "reportrt/recording/RecordingRuntime.h"

#include <QFileInfo>
#include <QMouseEvent>
#include <QPainter>

namespace orx::reportrt::recording {

namespace {

class ClickField : public ViewerField {
public:
    ClickField(QString name, QVariant value)
        : name_(std::move(name)), value_(std::move(value))
    {
    }
    QString Name() override { return name_; }
    QVariant Value() override { return value_; }

private:
    QString name_;
    QVariant value_;
};

class ClickFields : public ViewerFieldList {
public:
    explicit ClickFields(const ClickScript& click)
    {
        for (const auto& f : click.fields)
            fields_.push_back(std::make_unique<ClickField>(f.first, f.second));
    }
    int Count() override { return int(fields_.size()); }
    ViewerField& Item(int position) override
    {
        if (position < 1 || position > int(fields_.size()))
            raiseRuntimeError(rterr::SubscriptOutOfRange, QStringLiteral("Recording report viewer"),
                              QStringLiteral("Subscript out of range: Fields(%1)").arg(position));
        return *fields_[size_t(position - 1)];
    }

private:
    std::vector<std::unique_ptr<ClickField>> fields_;
};

class ClickInfo : public ViewerEventInfo {
public:
    explicit ClickInfo(const ClickScript& click)
        : kind_(click.kind), fields_(click)
    {
    }
    int ObjectKind() override { return kind_; }
    ViewerFieldList& Fields() override { return fields_; }

private:
    int kind_;
    ClickFields fields_;
};

QString boolText(bool b)
{
    return b ? QStringLiteral("True") : QStringLiteral("False");
}

}  // namespace

RecordingViewer::RecordingViewer(std::shared_ptr<RecordingLog> log, QString label, QWidget* parent)
    : Viewer(parent), log_(std::move(log)), label_(std::move(label))
{
    setAutoFillBackground(false);
}

QString RecordingViewer::name(int dispid) const
{
    switch (dispid) {
    case viewerid::ReportSource: return QStringLiteral("ReportSource");
    case viewerid::DisplayToolbar: return QStringLiteral("DisplayToolbar");
    case viewerid::ViewReport: return QStringLiteral("ViewReport");
    case viewerid::DisplayBorder: return QStringLiteral("DisplayBorder");
    case viewerid::EnableToolbar: return QStringLiteral("EnableToolbar");
    case viewerid::Refresh: return QStringLiteral("Refresh");
    case viewerid::ShowFirstPage: return QStringLiteral("ShowFirstPage");
    case viewerid::ShowLastPage: return QStringLiteral("ShowLastPage");
    case viewerid::Zoom: return QStringLiteral("Zoom");
    case viewerid::PageCount: return QStringLiteral("PageCount");
    case viewerid::IsBusy: return QStringLiteral("IsBusy");
    default: break;
    }
    raiseRuntimeError(438, QStringLiteral("Recording report viewer"),
                      QStringLiteral("Object doesn't support this property or method: dispatch identifier %1").arg(dispid));
}

int RecordingViewer::pageCount() const
{
    return viewed_ ? recordedPageCount(report_) : 0;
}

QVariant RecordingViewer::getProperty(int dispid)
{
    const QString member = label_ + QLatin1Char('.') + name(dispid);
    QVariant v;
    QString shown;
    switch (dispid) {
    case viewerid::ReportSource:
        v = QVariant::fromValue(report_);
        shown = report_ ? QStringLiteral("Report(%1)").arg(quoted(recordedFilePath(report_))) : QStringLiteral("Nothing");
        break;
    case viewerid::DisplayToolbar: v = toolbar_; break;
    case viewerid::DisplayBorder: v = border_; break;
    case viewerid::EnableToolbar: v = toolbarEnabled_; break;
    case viewerid::PageCount: v = pageCount(); break;
    case viewerid::IsBusy:
        v = busyLeft_ > 0;
        if (busyLeft_ > 0)
            --busyLeft_;
        break;
    default:
        raiseRuntimeError(438, QStringLiteral("Recording report viewer"),
                          QStringLiteral("%1 is not a property").arg(member));
    }
    if (shown.isEmpty())
        shown = v.typeId() == QMetaType::Bool ? boolText(v.toBool()) : v.toString();
    log_->read(QStringLiteral("%1 -> %2").arg(member, shown));
    update();
    return v;
}

void RecordingViewer::putProperty(int dispid, const QVariant& value)
{
    const QString member = label_ + QLatin1Char('.') + name(dispid);
    switch (dispid) {
    case viewerid::ReportSource: {
        const ReportRef report = value.value<ReportRef>();
        log_->call(QStringLiteral("%1 = %2").arg(member, report ? QStringLiteral("Report(%1)").arg(quoted(recordedFilePath(report)))
                                                               : QStringLiteral("Nothing")));
        report_ = report;
        viewed_ = false;
        page_ = 0;
        break;
    }
    case viewerid::DisplayToolbar:
    case viewerid::DisplayBorder:
    case viewerid::EnableToolbar: {
        const bool on = value.toBool();
        log_->call(QStringLiteral("%1 = %2").arg(member, boolText(on)));
        (dispid == viewerid::DisplayToolbar ? toolbar_ : dispid == viewerid::DisplayBorder ? border_ : toolbarEnabled_) = on;
        break;
    }
    default:
        raiseRuntimeError(383, QStringLiteral("Recording report viewer"), QStringLiteral("%1 is read-only").arg(member));
    }
    update();
}

QVariant RecordingViewer::call(int dispid, const QVariantList& args)
{
    const QString member = label_ + QLatin1Char('.') + name(dispid);
    switch (dispid) {
    case viewerid::ViewReport:
        log_->call(member);
        if (!report_)
            raiseRuntimeError(rterr::NoReportSource, QStringLiteral("Recording report viewer"),
                              QStringLiteral("No report source to view"));
        viewed_ = true;
        page_ = 1;
        busyLeft_ = busyPolls_;
        break;
    case viewerid::Refresh:
        log_->call(member);
        break;
    case viewerid::ShowFirstPage:
        log_->call(member);
        if (viewed_)
            page_ = 1;
        break;
    case viewerid::ShowLastPage:
        log_->call(member);
        if (viewed_)
            page_ = pageCount();
        break;
    case viewerid::Zoom: {
        const int level = args.isEmpty() ? 0 : args.first().toInt();
        log_->call(QStringLiteral("%1(%2)").arg(member).arg(level));
        zoom_ = level;
        break;
    }
    default:
        raiseRuntimeError(438, QStringLiteral("Recording report viewer"), QStringLiteral("%1 is not a method").arg(member));
    }
    update();
    return QVariant();
}

bool RecordingViewer::simulateClick(int x, int y, const ClickScript& click)
{
    ClickInfo info(click);
    bool useDefault = true;
    Q_EMIT Clicked(x, y, &info, useDefault);
    log_->call(QStringLiteral("%1.Clicked(%2, %3, kind %4) -> UseDefault = %5")
                   .arg(label_)
                   .arg(x)
                   .arg(y)
                   .arg(click.kind)
                   .arg(boolText(useDefault)));
    lastUseDefault_ = useDefault;
    return useDefault;
}

void RecordingViewer::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !nextClick_) {
        Viewer::mousePressEvent(event);
        return;
    }
    const ClickScript click = *nextClick_;
    nextClick_.reset();
    const QPoint at = event->position().toPoint();
    simulateClick(at.x(), at.y(), click);
}

QString RecordingViewer::stateText() const
{
    QStringList lines;
    lines << label_;
    if (report_) {
        lines << QStringLiteral("Report: %1").arg(QFileInfo(recordedFilePath(report_)).fileName());
        if (viewed_)
            lines << QStringLiteral("Page %1 of %2").arg(page_).arg(pageCount());
        if (busyLeft_ > 0)
            lines << QStringLiteral("Loading...");
    } else {
        lines << QStringLiteral("No report");
    }
    lines << QStringLiteral("Zoom %1").arg(zoom_);
    lines << (toolbar_ ? QStringLiteral("Toolbar shown") : QStringLiteral("Toolbar hidden"));
    return lines.join(QLatin1Char('\n'));
}

void RecordingViewer::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), palette().base());
    if (border_) {
        p.setPen(palette().color(QPalette::Dark));
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
    p.setPen(palette().color(QPalette::Text));
    p.drawText(rect().adjusted(6, 6, -6, -6), Qt::AlignLeft | Qt::AlignTop, stateText());
}

}  // namespace orx::reportrt::recording
