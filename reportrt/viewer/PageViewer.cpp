#include "reportrt/viewer/PageViewer.h"

#include "platform/basic/BasicError.h"
#include "platform/basic/Logging.h"
#include "platform/host/Services.h"
#include "reportrt/ErrorNumbers.h"
#include "reportrt/RuntimeError.h"
#include "reportrt/render/PagePainter.h"
#include "reportrt/run/BackgroundLayout.h"
#include "reportrt/run/RuntimeObjects.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QSpinBox>
#include <QToolBar>
#include <QWheelEvent>

namespace orx::reportrt::viewer {

namespace {

constexpr int kNoSuchMember = 438;
constexpr int kMargin = 8;  // pixels of grey around the page
constexpr int kMinZoom = 10, kMaxZoom = 800;

// The zoom box: its entries and the level each stands for.
struct ZoomChoice {
    const char* label;
    int level;
};
constexpr ZoomChoice kZoomChoices[] = {{"Page width", 1}, {"Whole page", 2}, {"50%", 50},  {"75%", 75},
                                       {"100%", 100},     {"150%", 150},     {"200%", 200}, {"400%", 400}};

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

// Object kinds a click reports, and the names fields carry: a kind word, ":",
// then the field as the report refers to it without its braces.
constexpr int kKindDatabaseField = 1;
constexpr int kKindText = 2;
constexpr int kKindFormulaField = 5;
constexpr int kKindOtherField = 100;  // summaries, parameters and special fields

std::pair<int, QString> fieldOf(const QString& source)
{
    if (source.startsWith(QLatin1String("{@")) && source.endsWith(QLatin1Char('}')))
        return {kKindFormulaField, QStringLiteral("Formula:") + source.mid(1, source.size() - 2)};
    if (source.startsWith(QLatin1String("{?")) && source.endsWith(QLatin1Char('}')))
        return {kKindOtherField, QStringLiteral("Parameter:") + source.mid(1, source.size() - 2)};
    if (source.startsWith(QLatin1Char('{')) && source.endsWith(QLatin1Char('}')))
        return {kKindDatabaseField, QStringLiteral("Field:") + source.mid(1, source.size() - 2)};
    if (source.contains(QLatin1Char('(')))
        return {kKindOtherField, QStringLiteral("Summary: ") + source};
    return {kKindOtherField, QStringLiteral("Special: ") + source};
}

}  // namespace

PageViewer::PageViewer(QWidget* parent)
    : Viewer(parent)
{
    setAutoFillBackground(true);
    setFocusPolicy(Qt::StrongFocus);
    bar_ = new QToolBar(this);
    bar_->setObjectName(QStringLiteral("viewerToolBar"));
    bar_->setFocusPolicy(Qt::NoFocus);
    first_ = bar_->addAction(QStringLiteral("|<"), this, [this] { showPage(0); });
    first_->setObjectName(QStringLiteral("firstPage"));
    first_->setToolTip(tr("First page (Home)"));
    previous_ = bar_->addAction(QStringLiteral("<"), this, [this] { showPage(page_ - 1); });
    previous_->setObjectName(QStringLiteral("previousPage"));
    previous_->setToolTip(tr("Previous page (PgUp)"));
    goTo_ = new QSpinBox(bar_);
    goTo_->setObjectName(QStringLiteral("goToPage"));
    goTo_->setToolTip(tr("Go to page"));
    goTo_->setKeyboardTracking(false);
    connect(goTo_, &QSpinBox::valueChanged, this, [this](int v) { showPage(v - 1); });
    bar_->addWidget(goTo_);
    of_ = new QLabel(bar_);
    of_->setObjectName(QStringLiteral("pageCount"));
    bar_->addWidget(of_);
    next_ = bar_->addAction(QStringLiteral(">"), this, [this] { showPage(page_ + 1); });
    next_->setObjectName(QStringLiteral("nextPage"));
    next_->setToolTip(tr("Next page (PgDn)"));
    last_ = bar_->addAction(QStringLiteral(">|"), this, [this] { showPage(pages_ ? pages_->pageCount() - 1 : 0); });
    last_->setObjectName(QStringLiteral("lastPage"));
    last_->setToolTip(tr("Last page (End)"));
    bar_->addSeparator();
    zoomBox_ = new QComboBox(bar_);
    zoomBox_->setObjectName(QStringLiteral("zoom"));
    zoomBox_->setToolTip(tr("Zoom (Ctrl+wheel)"));
    for (const auto& z : kZoomChoices)
        zoomBox_->addItem(tr(z.label), z.level);
    connect(zoomBox_, &QComboBox::activated, this, [this](int i) { setZoom(zoomBox_->itemData(i).toInt()); });
    bar_->addWidget(zoomBox_);
    bar_->addSeparator();
    search_ = new QLineEdit(bar_);
    search_->setObjectName(QStringLiteral("search"));
    search_->setPlaceholderText(tr("Find (Ctrl+F)"));
    search_->setClearButtonEnabled(true);
    search_->setMaximumWidth(160);
    connect(search_, &QLineEdit::returnPressed, this, [this] { find(search_->text(), true); });
    bar_->addWidget(search_);
    bar_->addAction(QStringLiteral("\u2193"), this, [this] { find(search_->text(), true); })->setObjectName(QStringLiteral("findNext"));
    bar_->addAction(QStringLiteral("\u2191"), this, [this] { find(search_->text(), false); })->setObjectName(QStringLiteral("findPrevious"));
    bar_->addSeparator();
    print_ = bar_->addAction(tr("Print"), this, [this] { guarded("print", [this] { printReport(); }); });
    print_->setObjectName(QStringLiteral("print"));
    print_->setToolTip(tr("Print (Ctrl+P)"));
    export_ = bar_->addAction(tr("Export"), this, [this] { guarded("export", [this] { exportReport(); }); });
    export_->setObjectName(QStringLiteral("export"));
    export_->setToolTip(tr("Export to a file"));
    refresh_ = bar_->addAction(tr("Refresh"), this, [this] { guarded("refresh", [this] { call(viewerid::Refresh); }); });
    refresh_->setObjectName(QStringLiteral("refresh"));
    updateBar();
}

PageViewer::~PageViewer()
{
    // Stops the worker before the pages and widgets it reports to go.
    layout_.reset();
}

template <class F>
void PageViewer::guarded(const char* what, F&& f)
{
    // A toolbar command has no caller to hand its error to: the user is told,
    // and the log keeps it. A dialog the user cancelled is no failure.
    QString text;
    try {
        f();
        return;
    } catch (const basic::BasicError& e) {
        if (e.number() == rterr::Cancelled)
            return;
        qCWarning(lcReport).noquote() << "The viewer's" << what << "failed:" << e.description() << "(" << e.number() << ")";
        text = e.description();
    } catch (const std::exception& e) {
        qCWarning(lcReport) << "The viewer's" << what << "failed:" << e.what();
        text = QString::fromLocal8Bit(e.what());
    }
    host::messages().messageBox(text, host::mb::Exclamation, windowTitle().isEmpty() ? tr("Report") : windowTitle());
}

void PageViewer::cancelLoading()
{
    if (!layingOut())
        return;
    layout_->stop();
    updateBar();
    update();
}

bool PageViewer::layingOut() const
{
    return layout_ && layout_->busy();
}

run::RtReport* PageViewer::ourReport(bool raise)
{
    auto* ours = dynamic_cast<run::RtReport*>(report_.get());
    if (!ours && raise)
        raiseRuntimeError(rterr::NotAvailable, rterr::source(),
                          report_ ? QStringLiteral("The viewer shows only reports of this runtime")
                                  : QStringLiteral("The viewer has no report to show (ReportSource is not set)"));
    return ours;
}

QVariant PageViewer::getProperty(int dispid)
{
    switch (dispid) {
    case viewerid::ReportSource: return QVariant::fromValue(report_);
    case viewerid::DisplayToolbar: return toolbar_;
    case viewerid::DisplayBorder: return border_;
    case viewerid::EnableToolbar: return toolbarEnabled_;
    case viewerid::PageCount: return pages_ ? pages_->pageCount() : 0;
    case viewerid::IsBusy: {
        // A caller polling IsBusy waits a little for the next page instead of spinning.
        if (layingOut())
            layout_->takePages(10);
        if (pendingError_) {
            // The error that ended the layout reaches the one waiting for it, once.
            const std::exception_ptr error = std::exchange(pendingError_, nullptr);
            std::rethrow_exception(error);
        }
        return layingOut();
    }
    default: break;
    }
    raiseRuntimeError(kNoSuchMember, rterr::source(), QStringLiteral("The viewer has no property %1").arg(dispid));
}

void PageViewer::putProperty(int dispid, const QVariant& value)
{
    switch (dispid) {
    case viewerid::ReportSource:
        layout_.reset();
        pendingError_ = nullptr;
        failure_.clear();
        report_ = value.value<ReportRef>();
        pages_.reset();
        updateBar();
        update();
        return;
    case viewerid::DisplayToolbar:
        toolbar_ = value.toBool();
        updateBar();
        update();
        return;
    case viewerid::DisplayBorder: border_ = value.toBool(); update(); return;
    case viewerid::EnableToolbar: toolbarEnabled_ = value.toBool(); updateBar(); return;
    default: break;
    }
    raiseRuntimeError(kNoSuchMember, rterr::source(), QStringLiteral("The viewer has no property %1 to set").arg(dispid));
}

void PageViewer::load()
{
    run::RtReport* ours = ourReport(true);
    layout_.reset();
    pendingError_ = nullptr;
    failure_.clear();
    matchPage_ = matchItem_ = -1;
    scrollY_ = 0;
    if (auto done = ours->laidOut()) {
        pages_ = std::move(done);
    } else if (run::BackgroundLayout::canRunInBackground(*ours)) {
        layout_ = std::make_unique<run::BackgroundLayout>(std::static_pointer_cast<run::RtReport>(ours->shared_from_this()));
        connect(layout_.get(), &run::BackgroundLayout::pagesAdded, this, &PageViewer::pagesArrived);
        connect(layout_.get(), &run::BackgroundLayout::done, this, &PageViewer::layoutDone);
        pages_ = layout_->model();
    } else {
        pages_ = ours->pages();
    }
    if (!layingOut())
        page_ = std::clamp(page_, 0, std::max(0, pages_->pageCount() - 1));
    updateBar();
    update();
}

void PageViewer::pagesArrived(int count)
{
    updateBar();
    // Repainted when the page shown has just come in (or changed: the page count is filled in at the end).
    if (page_ < count)
        update();
}

void PageViewer::layoutDone()
{
    if (const std::exception_ptr error = layout_->error()) {
        pendingError_ = error;
        try {
            std::rethrow_exception(error);
        } catch (const basic::BasicError& e) {
            failure_ = e.description();
        } catch (const std::exception& e) {
            failure_ = QString::fromLocal8Bit(e.what());
        }
        qCWarning(lcReport).noquote() << "The report could not be laid out:" << failure_;
    }
    // A page asked for while the layout went on (Refresh keeps the page shown) is there now or never.
    page_ = std::clamp(page_, 0, std::max(0, pages_->pageCount() - 1));
    updateBar();
    update();
}

void PageViewer::printReport()
{
    run::RtReport* ours = ourReport(true);
    if (layingOut())
        return;  // the button is off until the last page is laid out
    const QPrinterInfo info = ours->printerName().isEmpty() ? QPrinterInfo::defaultPrinter() : QPrinterInfo::printerInfo(ours->printerName());
    QPrinter printer(QPrinter::HighResolution);
    if (info.isNull()) {
        // No printer: the printout goes into a PDF file, which the print dialog shows and may change.
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(!printFile_.isEmpty() ? printFile_
                                                        : QDir::home().filePath(QFileInfo(ours->state().filePath).completeBaseName()
                                                                                + QStringLiteral(".pdf")));
    } else {
        printer.setPrinterName(info.printerName());
    }
    ours->printOn(printer, true, 1);
}

void PageViewer::exportReport()
{
    run::RtReport* ours = ourReport(true);
    if (layingOut())
        return;
    ours->exportAsked();
}

QVariant PageViewer::call(int dispid, const QVariantList& args)
{
    switch (dispid) {
    case viewerid::ViewReport:
        page_ = 0;
        load();
        return {};
    case viewerid::Refresh:
        // The layout under way (if any) stops; the data is read again from the start.
        layout_.reset();
        if (auto* ours = ourReport(false))
            ours->changed();
        load();
        return {};
    case viewerid::ShowFirstPage: showPage(0); return {};
    case viewerid::ShowLastPage: showPage(pages_ ? pages_->pageCount() - 1 : 0); return {};
    case viewerid::Zoom: {
        const int level = args.isEmpty() ? 1 : args.first().toInt();
        if (level != 1 && level != 2 && (level < kMinZoom || level > kMaxZoom))
            raiseRuntimeError(basic::err::InvalidProcedureCall, rterr::source(),
                              QStringLiteral("Zoom %1: the level is 1 (page width), 2 (whole page) or a percentage from %2 to %3")
                                  .arg(level)
                                  .arg(kMinZoom)
                                  .arg(kMaxZoom));
        setZoom(level);
        return {};
    }
    default: break;
    }
    raiseRuntimeError(kNoSuchMember, rterr::source(), QStringLiteral("The viewer has no method %1").arg(dispid));
}

void PageViewer::showPage(int index)
{
    const int last = pages_ ? std::max(0, pages_->pageCount() - 1) : 0;
    const int to = std::clamp(index, 0, last);
    if (to != page_)
        scrollY_ = 0;
    page_ = to;
    updateBar();
    update();
}

void PageViewer::setZoom(int level)
{
    zoom_ = level;
    scrollY_ = 0;
    updateBar();
    update();
}

void PageViewer::updateBar()
{
    bar_->setVisible(toolbar_);
    bar_->setEnabled(toolbarEnabled_);
    bar_->setGeometry(0, 0, width(), bar_->sizeHint().height());
    const int count = pages_ ? pages_->pageCount() : 0;
    const QSignalBlocker block(goTo_);
    goTo_->setRange(count > 0 ? 1 : 0, count);
    goTo_->setValue(count > 0 ? page_ + 1 : 0);
    // While the layout goes on, the count shows that more pages are coming.
    of_->setText(layingOut()                          ? tr(" of %1+ ").arg(count)
                 : layout_ && layout_->stopped() ? tr(" of %1 (stopped) ").arg(count)
                                                 : tr(" of %1 ").arg(count));
    first_->setEnabled(page_ > 0);
    previous_->setEnabled(page_ > 0);
    next_->setEnabled(page_ + 1 < count);
    last_->setEnabled(page_ + 1 < count);
    print_->setEnabled(report_ && !layingOut() && failure_.isEmpty());
    export_->setEnabled(report_ && !layingOut() && failure_.isEmpty());
    const QSignalBlocker blockZoom(zoomBox_);
    int at = zoomBox_->findData(zoom_);
    if (at < 0) {
        zoomBox_->addItem(QStringLiteral("%1%").arg(zoom_), zoom_);
        at = zoomBox_->count() - 1;
    }
    zoomBox_->setCurrentIndex(at);
}

QRect PageViewer::pageArea() const
{
    const int top = toolbar_ ? bar_->height() : 0;
    return QRect(0, top, width(), std::max(0, height() - top));
}

double PageViewer::scale() const
{
    if (!pages_ || pages_->paperSize.isEmpty())
        return 96.0 / 1440.0;
    const QRect area = pageArea();
    const double w = std::max(1, area.width() - 2 * kMargin), h = std::max(1, area.height() - 2 * kMargin);
    if (zoom_ == 1)
        return w / pages_->paperSize.width();
    if (zoom_ == 2)
        return std::min(w / pages_->paperSize.width(), h / pages_->paperSize.height());
    return zoom_ / 100.0 * logicalDpiX() / 1440.0;
}

QPointF PageViewer::pageOrigin() const
{
    const QRect area = pageArea();
    const double pageWidth = pages_ ? pages_->paperSize.width() * scale() : 0;
    const double x = std::max<double>(kMargin, (area.width() - pageWidth) / 2);
    return QPointF(area.left() + x, area.top() + kMargin - scrollY_);
}

QPoint PageViewer::viewerPoint(const QPointF& twips) const
{
    return (pageOrigin() + twips * scale()).toPoint();
}

void PageViewer::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const QRect area = pageArea();
    p.fillRect(area, palette().mid());
    if (!pages_ || page_ >= pages_->pageCount()) {
        // No page to show yet: say why.
        const QString note = !failure_.isEmpty() ? tr("The report could not be laid out: %1").arg(failure_)
                             : layingOut()       ? tr("Laying out the report...")
                                                 : QString();
        if (!note.isEmpty()) {
            p.setPen(palette().text().color());
            p.drawText(area.adjusted(kMargin, kMargin, -kMargin, -kMargin), Qt::AlignCenter | Qt::TextWordWrap, note);
        }
        return;
    }
    p.setClipRect(area);
    const double s = scale();
    const QRectF paper(pageOrigin(), QSizeF(pages_->paperSize.width() * s, pages_->paperSize.height() * s));
    if (border_) {
        p.setPen(palette().shadow().color());
        p.drawRect(paper.adjusted(-1, -1, 0, 0));
    }
    // Painted as vectors and text at the device's own resolution: sharp on high-DPI screens too.
    render::paintPageInto(p, *pages_, page_, paper);
    if (matchPage_ == page_) {
        const QRectF r = matchRect();
        p.fillRect(QRectF(paper.topLeft() + r.topLeft() * s, r.size() * s), QColor(255, 200, 0, 110));
    }
}

QRect PageViewer::matchRect() const
{
    if (!pages_ || matchPage_ < 0 || matchPage_ >= pages_->pageCount())
        return {};
    return pages_->page(matchPage_).items.at(static_cast<std::size_t>(matchItem_)).rect;
}

bool PageViewer::find(const QString& text, bool forward)
{
    if (!pages_ || pages_->pageCount() == 0 || text.isEmpty())
        return false;
    // Positions run over every item of every page; the search starts beside the match shown,
    // or at the start (end, going back) of the page shown.
    std::vector<std::size_t> firstOfPage;
    std::size_t total = 0;
    for (const auto& page : pages_->pages()) {
        firstOfPage.push_back(total);
        total += page.items.size();
    }
    if (total == 0)
        return false;
    const auto at = [&](std::size_t position) {
        const auto page = static_cast<int>(std::upper_bound(firstOfPage.begin(), firstOfPage.end(), position) - firstOfPage.begin()) - 1;
        return std::pair{page, static_cast<int>(position - firstOfPage[static_cast<std::size_t>(page)])};
    };
    std::size_t start;
    if (matchPage_ >= 0)
        start = firstOfPage[static_cast<std::size_t>(matchPage_)] + static_cast<std::size_t>(matchItem_) + (forward ? 1 : total - 1);
    else
        start = firstOfPage[static_cast<std::size_t>(page_)]
            + (forward ? 0 : pages_->page(page_).items.size() + total - 1);
    for (std::size_t step = 0; step < total; ++step) {
        const std::size_t position = forward ? (start + step) % total : (start + total - step % total) % total;
        const auto [page, item] = at(position);
        const auto& i = pages_->page(page).items[static_cast<std::size_t>(item)];
        if (i.kind == layout::PageItem::Kind::Text && i.text.contains(text, Qt::CaseInsensitive)) {
            matchPage_ = page;
            matchItem_ = item;
            showPage(page);
            update();
            return true;
        }
    }
    return false;
}

void PageViewer::resizeEvent(QResizeEvent* event)
{
    Viewer::resizeEvent(event);
    updateBar();
}

void PageViewer::scrollBy(int pixels)
{
    if (!pages_ || pages_->pageCount() == 0)
        return;
    const int pageHeight = qRound(pages_->paperSize.height() * scale()) + 2 * kMargin;
    const int room = std::max(0, pageHeight - pageArea().height());
    const int to = scrollY_ + pixels;
    if (to < 0 && scrollY_ == 0 && page_ > 0) {
        showPage(page_ - 1);
        scrollY_ = room;  // the previous page shows from its foot
    } else if (to > room && scrollY_ == room && page_ + 1 < pages_->pageCount()) {
        showPage(page_ + 1);
    } else {
        scrollY_ = std::clamp(to, 0, room);
    }
    update();
}

void PageViewer::keyPressEvent(QKeyEvent* event)
{
    if (event->matches(QKeySequence::Find)) {
        search_->setFocus(Qt::ShortcutFocusReason);
        search_->selectAll();
        return;
    }
    if (event->matches(QKeySequence::Print)) {
        if (print_->isEnabled() && toolbarEnabled_)
            print_->trigger();
        return;
    }
    switch (event->key()) {
    case Qt::Key_PageUp: showPage(page_ - 1); return;
    case Qt::Key_PageDown: showPage(page_ + 1); return;
    case Qt::Key_Home: showPage(0); return;
    case Qt::Key_End: showPage(pages_ ? pages_->pageCount() - 1 : 0); return;
    case Qt::Key_F3: find(search_->text(), !(event->modifiers() & Qt::ShiftModifier)); return;
    case Qt::Key_Up: scrollBy(-40); return;
    case Qt::Key_Down: scrollBy(40); return;
    default: break;
    }
    Viewer::keyPressEvent(event);
}

void PageViewer::wheelEvent(QWheelEvent* event)
{
    const int steps = event->angleDelta().y() / 120;
    if (steps == 0)
        return;
    if (event->modifiers() & Qt::ControlModifier) {
        // From a fitted zoom, the wheel goes on from the percentage it shows.
        const int now = zoom_ > 2 ? zoom_ : qRound(scale() * 1440.0 / logicalDpiX() * 100);
        setZoom(std::clamp(steps > 0 ? now * 5 / 4 : now * 4 / 5, kMinZoom, kMaxZoom));
    } else {
        scrollBy(-steps * 60);
    }
    event->accept();
}

void PageViewer::mousePressEvent(QMouseEvent* event)
{
    setFocus(Qt::MouseFocusReason);
    if (!pages_ || page_ >= pages_->pageCount() || !pageArea().contains(event->position().toPoint()))
        return;
    const QPointF at = (event->position() - pageOrigin()) / scale();
    const auto& items = pages_->page(page_).items;
    const layout::PageItem* hit = nullptr;
    for (const auto& item : items) {
        if (item.kind == layout::PageItem::Kind::Text && QRectF(item.rect).contains(at))
            hit = &item;  // the topmost: drawn last
    }
    EventInfo info;
    if (hit) {
        info.kind = hit->source.isEmpty() ? kKindText : fieldOf(hit->source).first;
        if (!hit->source.isEmpty()) {
            // Which record the text came from: the condition fields of its groups (outermost
            // first), then the other fields printed for the same record, then the field clicked, last.
            QStringList listed;
            const auto add = [&](const QString& source, const formula::Value& value) {
                if (source == hit->source || listed.contains(source))
                    return;
                listed << source;
                info.list.fields.push_back(std::make_unique<OneField>(fieldOf(source).second, value.toVariant()));
            };
            if (hit->keys) {
                for (const auto& k : *hit->keys)
                    add(k.source, k.value);
            }
            if (hit->record > 0 && hit->section == definition::SectionKind::Details && !hit->fromSubreport) {
                for (const auto& item : items) {
                    if (&item != hit && item.record == hit->record && item.section == hit->section && !item.fromSubreport
                        && !item.continued && !item.source.isEmpty() && item.special == definition::SpecialField::None)
                        add(item.source, item.value);
                }
            }
            info.list.fields.push_back(std::make_unique<OneField>(fieldOf(hit->source).second, hit->value.toVariant()));
        }
    }
    bool useDefault = true;
    Q_EMIT Clicked(qRound(event->position().x()), qRound(event->position().y()), &info, useDefault);
}

}  // namespace orx::reportrt::viewer
