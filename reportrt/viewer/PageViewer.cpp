#include "reportrt/viewer/PageViewer.h"

#include "reportrt/ErrorNumbers.h"
#include "reportrt/RuntimeError.h"
#include "reportrt/run/RuntimeObjects.h"

#include <QFont>
#include <QMouseEvent>
#include <QPainter>

namespace orx::reportrt::viewer {

namespace {

constexpr int kNoSuchMember = 438;

class OneField : public ViewerField {
public:
    OneField(QString name, QVariant value)
        : name_(std::move(name)), value_(std::move(value))
    {
    }
    QString Name() override { return name_; }
    QVariant Value() override { return value_; }

private:
    QString name_;
    QVariant value_;
};

class FieldList : public ViewerFieldList {
public:
    int Count() override { return static_cast<int>(fields.size()); }
    ViewerField& Item(int position) override
    {
        if (position < 1 || position > Count())
            raiseRuntimeError(rterr::BadIndex, rterr::source(), QStringLiteral("Subscript out of range"));
        return *fields[static_cast<std::size_t>(position - 1)];
    }
    std::vector<std::unique_ptr<OneField>> fields;
};

class EventInfo : public ViewerEventInfo {
public:
    int ObjectKind() override { return kind; }
    ViewerFieldList& Fields() override { return list; }
    int kind = 0;
    FieldList list;
};

}  // namespace

PageViewer::PageViewer(QWidget* parent)
    : Viewer(parent)
{
    setAutoFillBackground(true);
}

PageViewer::~PageViewer() = default;

QVariant PageViewer::getProperty(int dispid)
{
    switch (dispid) {
    case viewerid::ReportSource: return QVariant::fromValue(report_);
    case viewerid::DisplayToolbar: return toolbar_;
    case viewerid::DisplayBorder: return border_;
    case viewerid::EnableToolbar: return toolbarEnabled_;
    case viewerid::PageCount: return pages_ ? pages_->pageCount() : 0;
    case viewerid::IsBusy: return false;  // the report is laid out before ViewReport returns
    default: break;
    }
    raiseRuntimeError(kNoSuchMember, rterr::source(), QStringLiteral("The viewer has no property %1").arg(dispid));
}

void PageViewer::putProperty(int dispid, const QVariant& value)
{
    switch (dispid) {
    case viewerid::ReportSource:
        report_ = value.value<ReportRef>();
        pages_.reset();
        update();
        return;
    case viewerid::DisplayToolbar: toolbar_ = value.toBool(); return;
    case viewerid::DisplayBorder: border_ = value.toBool(); update(); return;
    case viewerid::EnableToolbar: toolbarEnabled_ = value.toBool(); return;
    default: break;
    }
    raiseRuntimeError(kNoSuchMember, rterr::source(), QStringLiteral("The viewer has no property %1 to set").arg(dispid));
}

void PageViewer::load()
{
    auto* ours = dynamic_cast<run::RtReport*>(report_.get());
    if (!ours)
        raiseRuntimeError(rterr::NotAvailable, rterr::source(),
                          report_ ? QStringLiteral("The viewer shows only reports of this runtime")
                                  : QStringLiteral("The viewer has no report to show (ReportSource is not set)"));
    pages_ = ours->pages();
    page_ = std::clamp(page_, 0, std::max(0, pages_->pageCount() - 1));
    update();
}

QVariant PageViewer::call(int dispid, const QVariantList& args)
{
    switch (dispid) {
    case viewerid::ViewReport:
        page_ = 0;
        load();
        return {};
    case viewerid::Refresh:
        if (auto* ours = dynamic_cast<run::RtReport*>(report_.get()))
            ours->changed();
        load();
        return {};
    case viewerid::ShowFirstPage:
        page_ = 0;
        update();
        return {};
    case viewerid::ShowLastPage:
        page_ = pages_ ? std::max(0, pages_->pageCount() - 1) : 0;
        update();
        return {};
    case viewerid::Zoom:
        zoom_ = args.isEmpty() ? 1 : args.first().toInt();
        update();
        return {};
    default: break;
    }
    raiseRuntimeError(kNoSuchMember, rterr::source(), QStringLiteral("The viewer has no method %1").arg(dispid));
}

double PageViewer::scale() const
{
    if (!pages_ || pages_->paperSize.isEmpty())
        return 96.0 / 1440.0;
    const double w = std::max(1, width() - 16), h = std::max(1, height() - 16);
    if (zoom_ == 1)
        return w / pages_->paperSize.width();
    if (zoom_ == 2)
        return std::min(w / pages_->paperSize.width(), h / pages_->paperSize.height());
    return zoom_ / 100.0 * logicalDpiX() / 1440.0;
}

void PageViewer::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), palette().window());
    if (!pages_ || pages_->pageCount() == 0)
        return;
    const double s = scale();
    p.translate(8, 8);
    p.fillRect(QRectF(0, 0, pages_->paperSize.width() * s, pages_->paperSize.height() * s), Qt::white);
    p.scale(s, s);
    for (const auto& item : pages_->page(page_).items) {
        switch (item.kind) {
        case layout::PageItem::Kind::Line:
            p.setPen(QPen(QColor::fromRgba(item.color), std::max(1, item.thickness)));
            p.drawLine(item.rect.topLeft(), item.rect.topLeft() + QPoint(item.rect.width(), item.rect.height() - 1));
            break;
        case layout::PageItem::Kind::Box:
            p.setPen(QPen(QColor::fromRgba(item.color), std::max(1, item.thickness)));
            p.setBrush(item.fill ? QBrush(QColor::fromRgba(item.fill)) : QBrush());
            p.drawRect(item.rect);
            break;
        case layout::PageItem::Kind::Picture: p.drawImage(QRectF(item.rect), QImage(item.text)); break;
        case layout::PageItem::Kind::Text: {
            const auto& st = pages_->styles().at(static_cast<std::size_t>(item.style));
            QFont f(st.family);
            f.setPixelSize(st.size * 20);
            f.setBold(st.bold);
            f.setItalic(st.italic);
            f.setUnderline(st.underline);
            p.setFont(f);
            p.setPen(QColor::fromRgba(st.color));
            const int align = st.alignment == definition::Alignment::Right    ? Qt::AlignRight
                              : st.alignment == definition::Alignment::Center ? Qt::AlignHCenter
                              : st.alignment == definition::Alignment::Justify ? Qt::AlignJustify
                                                                              : Qt::AlignLeft;
            p.drawText(item.rect, align | Qt::AlignTop | (item.canGrow ? Qt::TextWordWrap : 0), item.text);
            break;
        }
        }
    }
}

void PageViewer::mousePressEvent(QMouseEvent* event)
{
    if (!pages_ || pages_->pageCount() == 0)
        return;
    const double s = scale();
    const QPointF at = (event->position() - QPointF(8, 8)) / s;
    EventInfo info;
    for (const auto& item : pages_->page(page_).items) {
        if (item.kind == layout::PageItem::Kind::Text && QRectF(item.rect).contains(at)) {
            info.kind = item.source.isEmpty() ? 2 : 1;
            if (!item.source.isEmpty())
                info.list.fields.push_back(std::make_unique<OneField>(item.source, item.value.toVariant()));
        }
    }
    bool useDefault = true;
    Q_EMIT Clicked(qRound(event->position().x()), qRound(event->position().y()), &info, useDefault);
}

}  // namespace orx::reportrt::viewer
