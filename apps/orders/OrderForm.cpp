#include "apps/orders/OrderForm.h"

#include "apps/orders/OrderStore.h"
#include "platform/basic/BasicError.h"
#include "platform/basic/Clock.h"
#include "platform/basic/Convert.h"
#include "platform/basic/Variant.h"
#include "platform/host/Extender.h"
#include "platform/host/Services.h"
#include "platform/host/Twips.h"
#include "reportrt/export/Exporters.h"
#include "tools/button/ORXCommandButton.h"
#include "tools/checkgroup/ORXCheckBox.h"
#include "tools/optiongroup/ORXOptionButton.h"
#include "tools/textbox/ORXTextBox.h"
#include "viewreport/control/ORXOCXViewReport.h"
#include "viewreport/engine/ORXDLLViewReport.h"
#include "viewreport/engine/RequestItems.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QPushButton>

namespace orx::orders {

using tools::ORXCheckBox;
using tools::ORXCommandButton;
using tools::ORXOptionButton;
using tools::ORXTextBox;
using CB = ORXCommandButton;

namespace {

constexpr double kLeft = 240, kTop = 240, kRow = 420, kHeight = 345, kCaption = 1500, kBoxWidth = 5400;
constexpr double kRight = kLeft + kBoxWidth + 360, kGroupWidth = 4200;
constexpr double kButtonWidth = 1110, kButtonHeight = 420, kButtonGap = 120;
constexpr double kFormWidth = kRight + kGroupWidth + kLeft;

const char* const kTextBox = "ORX_Tools_OCXs.ORXTextBox";

// The boxes of the form, top to bottom.
struct Field {
    const char* name;
    const char* caption;
    int templ;
};
const Field kFields[] = {
    {"Customer", "Customer", ORXTextBox::ORXTX_String},
    {"OrderDate", "Order date", ORXTextBox::ORXTX_Day_Month_Year},
    {"DeliveryTime", "Delivery at", ORXTextBox::ORXTX_Hour_Minute},
    {"Product", "Product", ORXTextBox::ORXTX_String},
    {"Quantity", "Quantity", ORXTextBox::ORXTX_Numeric},
    {"Price", "Unit price", ORXTextBox::ORXTX_Currency},
    {"Discount", "Discount", ORXTextBox::ORXTX_Percent},
    {"Notes", "Notes", ORXTextBox::ORXTX_String},
};

// The buttons, left to right, each in one of the looks.
struct Button {
    const char* name;
    const char* caption;
    int appearance;
    int shape;
};
const Button kButtons[] = {
    {"New", "&New", CB::ORXCM_3D, CB::ORXCM_Square},
    {"Save", "&Save", CB::ORXCM_3D, CB::ORXCM_Rounded},
    {"Delete", "&Delete", CB::ORXCM_Flat, CB::ORXCM_Square},
    {"Preview", "Pre&view", CB::ORXCM_Flat, CB::ORXCM_Rounded},
    {"Print", "&Print", CB::ORXCM_Switch_Flat, CB::ORXCM_Square},
    {"Export", "Expor&t", CB::ORXCM_Switch_3D, CB::ORXCM_Square},
    {"Sales", "S&ales", CB::ORXCM_Flat, CB::ORXCM_Rounded},
    {"Exit", "E&xit", CB::ORXCM_3D, CB::ORXCM_Square},
};

bool isBlank(const QVariant& v)
{
    return basic::isNull(v) || basic::isEmpty(v) || v.toString().trimmed().isEmpty();
}

double number(const QVariant& v)
{
    return isBlank(v) ? 0.0 : basic::cdbl(v);
}

void fillList(ORXTextBox* box, const QList<NamedKey>& items)
{
    QStringList names, keys;
    for (const NamedKey& item : items) {
        names << item.name;
        keys << QString::number(item.key);
    }
    box->setComboItems(names.join(QLatin1Char('|')));
    box->setComboItemKeys(keys.join(QLatin1Char('|')));
}

// The position of `key` in the box's drop-down list (from 1), or 0.
int indexOfKey(const ORXTextBox* box, qint64 key)
{
    for (int i = 1; i <= box->ComboCount(); ++i)
        if (box->ComboItemKey(i).toLongLong() == key)
            return i;
    return 0;
}

// The key of the item the box shows, or 0 when it shows none.
qint64 pickedKey(const ORXTextBox* box)
{
    const QString text = box->Text().toString();
    for (int i = 1; !text.isEmpty() && i <= box->ComboCount(); ++i)
        if (box->ComboItem(i).toString() == text)
            return box->ComboItemKey(i).toLongLong();
    return 0;
}

}  // namespace

OrderForm::OrderForm(OrderStore& store, const QString& reportsFolder, QWidget* parent)
    : host::Form(parent), store_(store), reports_(reportsFolder)
{
    setWindowTitle(tr("ORX orders"));
    setUserMode(true);
    build();
    newOrder();
    refreshList();
}

ORXTextBox* OrderForm::box(const char* name) const
{
    return qobject_cast<ORXTextBox*>(control(QLatin1String(name)));
}

ORXCommandButton* OrderForm::button(const char* name) const
{
    return qobject_cast<ORXCommandButton*>(control(QLatin1String(name)));
}

void OrderForm::build()
{
    double top = kTop;
    for (const Field& f : kFields) {
        auto* b = new ORXTextBox();
        placeControl(b, QLatin1String(kTextBox), QLatin1String(f.name), {kLeft, top, kBoxWidth, kHeight});
        b->setTemplate(ORXTextBox::ORXTX_Template_Constants(f.templ));
        b->setCaption(tr(f.caption));
        b->setCapWidth(float(kCaption));
        b->setCapAlignment(ORXTextBox::ORXTX_MiddleLeft_CaptAlign);
        top += kRow;
    }
    // Whatever the user changes marks the order as changed.
    for (const Field& f : kFields)
        connect(box(f.name), &ORXTextBox::Change, this, [this] { changed_ = true; });
    ORXTextBox* customer = box("Customer");
    fillList(customer, store_.customers());
    customer->setComboType(ORXTextBox::ORXTX_List_Type);
    customer->setComboButtonVisible(true);
    ORXTextBox* product = box("Product");
    fillList(product, store_.products());
    product->setComboType(ORXTextBox::ORXTX_List_Type);
    product->setComboButtonVisible(true);
    // A picked product brings its list price.
    connect(product, &ORXTextBox::ComboSelected, this, [this](const QVariant&, const QVariant& key, int) {
        for (const NamedKey& p : store_.products())
            if (p.key == key.toLongLong())
                box("Price")->setText(basic::cstr(p.price));
    });
    ORXTextBox* date = box("OrderDate");
    date->setSpinButtons(true);
    date->setSpinDateType(ORXTextBox::ORXTX_DI_Days);
    box("DeliveryTime")->setSpinButtons(true);
    box("DeliveryTime")->setSpinTimeType(ORXTextBox::ORXTX_TI_Minutes);
    ORXTextBox* quantity = box("Quantity");
    quantity->setMinValue(QStringLiteral("1"));
    quantity->setMaxValue(QStringLiteral("9999"));
    ORXTextBox* price = box("Price");
    price->setSelCurrency(QStringLiteral("Euro"));
    price->setHandleCurrencyChanges(true);
    ORXTextBox* discount = box("Discount");
    discount->setMinValue(QStringLiteral("0"));
    discount->setMaxValue(QStringLiteral("100"));
    ORXTextBox* notes = box("Notes");
    notes->setCharacters(ORXTextBox::ORXTX_KB_Ok_All + ORXTextBox::ORXTX_KB_Set_UFirst);
    notes->setMaxLength(200);

    auto* paymentCaption = new QLabel(tr("Payment"), this);
    host::setTwipGeometry(paymentCaption, {kRight, kTop, kGroupWidth, 255});
    payment_ = new ORXOptionButton();
    placeControl(payment_, QStringLiteral("ORX_Tools_OCXs.ORXOptionButton"), QStringLiteral("Payment"),
                 {kRight, kTop + 285, kGroupWidth, 1020});
    payment_->setNumOptions(3);
    payment_->setCaptions(tr("Card|Cash|Bank transfer"));
    payment_->setListValues(kPaymentMethods.join(QLatin1Char('|')));
    auto* flagsCaption = new QLabel(tr("Extra services"), this);
    const double flagsTop = kTop + 285 + 1020 + 180;
    host::setTwipGeometry(flagsCaption, {kRight, flagsTop, kGroupWidth, 255});
    flags_ = new ORXCheckBox();
    placeControl(flags_, QStringLiteral("ORX_Tools_OCXs.ORXCheckBox"), QStringLiteral("Flags"),
                 {kRight, flagsTop + 285, kGroupWidth, 1320});
    flags_->setNumChecks(4);
    flags_->setCaptions(tr("Gift wrap|Express delivery|Insurance|Invoice by mail"));
    connect(payment_, &ORXOptionButton::Click, this, [this] { changed_ = true; });
    connect(flags_, &ORXCheckBox::Click, this, [this](int&, bool&) { changed_ = true; });

    top += kRow / 2;
    double left = kLeft;
    for (const Button& b : kButtons) {
        auto* cb = new CB();
        placeControl(cb, QStringLiteral("ORX_Tools_OCXs.ORXCommandButton"), QLatin1String(b.name),
                     {left, top, kButtonWidth, kButtonHeight});
        if (b.shape == CB::ORXCM_Rounded)
            cb->setShape(CB::ORXCM_Shape_Constants(b.shape));
        cb->setAppearance(CB::ORXCM_Appearance_Constants(b.appearance));
        cb->setCaptions(tr(b.caption));
        left += kButtonWidth + kButtonGap;
    }
    button("Save")->setDefault(true);
    button("Exit")->setCancel(true);
    connect(button("New"), &CB::Click, this, [this] {
        if (settleChanges())
            newOrder();
    });
    connect(button("Save"), &CB::Click, this, [this] { saveOrder(); });
    connect(button("Delete"), &CB::Click, this, [this] { deleteOrder(); });
    connect(button("Preview"), &CB::Click, this, [this] { previewInvoice(); });
    connect(button("Print"), &CB::Click, this, [this] { printInvoice(); });
    connect(button("Export"), &CB::Click, this, [this] { exportInvoice(); });
    connect(button("Sales"), &CB::Click, this, [this] { previewMonthlySales(); });
    connect(button("Exit"), &CB::Click, this, [this] { requestExit(); });
    top += kButtonHeight + 120;

    status_ = new QLabel(this);
    status_->setObjectName(QStringLiteral("status"));
    host::setTwipGeometry(status_, {kLeft, top, kFormWidth - 2 * kLeft, 285});
    top += 360;

    list_ = new viewreport::ORXOCXViewReport();
    placeControl(list_, QStringLiteral("ORXOCX_ViewReport.ORXOCXViewReport"), QStringLiteral("OrderList"),
                 {kLeft, top, kFormWidth - 2 * kLeft, 5400});
    // A click on an order's number opens that order.
    connect(list_, &viewreport::ORXOCXViewReport::DBFieldSelected, this, [this](const QString& field, const QVariant& value) {
        if (!field.contains(QLatin1String("order_id"), Qt::CaseInsensitive))
            setStatus(tr("Click an order's number to open it."));
        else if (settleChanges())
            openOrder(qint64(number(value)));
    });
    top += 5400 + kTop;
    resize(host::pixelsFromTwipsX(kFormWidth), host::pixelsFromTwipsY(top));
}

QString OrderForm::reportPath(const char* name) const
{
    return QDir(reports_).filePath(QLatin1String(name));
}

void OrderForm::setStatus(const QString& text)
{
    status_->setText(text);
}

QString OrderForm::statusText() const
{
    return status_->text();
}

Order OrderForm::currentOrder() const
{
    Order order;
    order.id = currentId_;
    order.lineCount = lineCount_;
    order.customerId = pickedKey(box("Customer"));
    const QVariant date = box("OrderDate")->Text();
    if (!isBlank(date))
        order.date = basic::cdate(date).date();
    const QVariant time = box("DeliveryTime")->Text();
    if (!isBlank(time))
        order.deliveryTime = basic::cdate(time).time();
    order.productId = pickedKey(box("Product"));
    order.quantity = qint64(number(box("Quantity")->Text()));
    order.unitPrice = number(box("Price")->Text());
    // The amount is held in the box's own currency whichever one it is shown in.
    order.currency = box("Price")->SelCurrency();
    order.discount = number(box("Discount")->Text().toString().remove(QLatin1Char('%')));
    order.notes = box("Notes")->Text().toString();
    order.payment = payment_->Value();
    order.flags = flags_->NumericValue();
    return order;
}

void OrderForm::showOrder(const Order& order)
{
    currentId_ = order.id;
    lineCount_ = order.lineCount;
    ORXTextBox* customer = box("Customer");
    if (const int at = indexOfKey(customer, order.customerId))
        customer->setComboIndex(at);
    else
        customer->setText(QVariant());
    ORXTextBox* date = box("OrderDate");
    if (order.date.isValid())
        date->setText(basic::cstr(QDateTime(order.date, QTime())));
    else
        date->Clear();
    ORXTextBox* time = box("DeliveryTime");
    if (order.deliveryTime.isValid())
        time->setText(order.deliveryTime.toString(QStringLiteral("HH:mm")));
    else
        time->setText(QVariant());  // Clear would put the time of now
    ORXTextBox* product = box("Product");
    if (const int at = indexOfKey(product, order.productId))
        product->setComboIndex(at);
    else
        product->setText(QVariant());
    box("Quantity")->setText(order.quantity ? QVariant(basic::cstr(double(order.quantity))) : QVariant());
    box("Price")->setText(order.unitPrice ? QVariant(basic::cstr(order.unitPrice)) : QVariant());
    box("Discount")->setText(basic::cstr(order.discount) + QLatin1Char('%'));
    box("Notes")->setText(order.notes);
    payment_->setValue(order.payment.isEmpty() ? kPaymentMethods.front() : order.payment);
    flags_->setNumericValue(order.flags);
    changed_ = false;
    if (order.id == 0)
        setStatus(tr("New order"));
    else if (order.lineCount > 1)
        setStatus(tr("Order %1 (the first of its %2 lines is shown)").arg(order.id).arg(order.lineCount));
    else
        setStatus(tr("Order %1").arg(order.id));
}

void OrderForm::newOrder()
{
    Order order;
    order.date = basic::Clock::today();
    order.quantity = 1;
    order.payment = kPaymentMethods.front();
    showOrder(order);
    box("Customer")->setFocus(Qt::OtherFocusReason);
}

bool OrderForm::openOrder(qint64 id)
{
    const std::optional<Order> order = store_.load(id);
    if (!order) {
        host::MsgBox(tr("The order %1 is not in the database.").arg(id), host::mb::Exclamation, windowTitle());
        return false;
    }
    showOrder(*order);
    return true;
}

bool OrderForm::saveOrder()
{
    const Order order = currentOrder();
    const QStringList problems = validateOrder(order);
    if (!problems.isEmpty()) {
        host::MsgBox(tr("The order cannot be saved:\n") + problems.join(QLatin1Char('\n')), host::mb::Exclamation,
                     windowTitle());
        return false;
    }
    QString error;
    const qint64 id = store_.save(order, &error);
    if (id == 0) {
        // The form keeps what was typed, so the user can try again.
        host::MsgBox(error + tr("\nThe order is still on the form; nothing was lost."), host::mb::Critical, windowTitle());
        setStatus(tr("Not saved: %1").arg(error));
        return false;
    }
    currentId_ = id;
    changed_ = false;
    setStatus(tr("Order %1 saved").arg(id));
    refreshList();
    return true;
}

bool OrderForm::deleteOrder()
{
    if (currentId_ == 0) {
        newOrder();
        return false;
    }
    if (host::MsgBox(tr("Delete the order %1?").arg(currentId_), host::mb::YesNo + host::mb::Question + host::mb::DefaultButton2,
                     windowTitle()) != host::mb::Yes)
        return false;
    QString error;
    if (!store_.remove(currentId_, &error)) {
        host::MsgBox(error, host::mb::Critical, windowTitle());
        return false;
    }
    const qint64 gone = currentId_;
    newOrder();
    setStatus(tr("Order %1 deleted").arg(gone));
    refreshList();
    return true;
}

void OrderForm::refreshList()
{
    list_->setReportName(reportPath("OrderList.RPT"));
    list_->setLocationDB(store_.path());
    try {
        list_->Show();
    } catch (const basic::BasicError& e) {
        setStatus(tr("The order list cannot be shown: %1").arg(e.description()));
    }
}

bool OrderForm::runInvoice(int mode, const QString& exportPath)
{
    if (currentId_ == 0) {
        host::MsgBox(tr("Save the order first."), host::mb::Exclamation, windowTitle());
        return false;
    }
    viewreport::ORXDLLViewReport request;
    request.setReportName(reportPath("Invoice.RPT"));
    request.setLocationDB(store_.path());
    request.setSelectionFormula(QStringLiteral("{Invoice.order_id} = %1").arg(currentId_));
    request.setMode(mode);
    // Printing asks for the printer, as the print button of the preview does.
    request.PrintOptions()->setSilent(false);
    if (!exportPath.isEmpty()) {
        request.ExportOptions()->setFormatType(reportrt::exporting::format::Pdf);
        request.ExportOptions()->setFileName(exportPath);
        request.ExportOptions()->setSilent(true);
    }
    return showReport(request);
}

bool OrderForm::showReport(viewreport::ORXDLLViewReport& request)
{
    try {
        request.Show();
    } catch (const basic::BasicError& e) {
        host::MsgBox(e.description(), host::mb::Critical, windowTitle());
        return false;
    }
    return true;
}

bool OrderForm::previewInvoice()
{
    return runInvoice(1, QString());
}

bool OrderForm::printInvoice()
{
    return runInvoice(2, QString());
}

bool OrderForm::exportInvoice(const QString& path)
{
    QString target = path;
    if (target.isEmpty()) {
        target = QFileDialog::getSaveFileName(this, tr("Export the invoice"),
                                              QStringLiteral("Invoice-%1.pdf").arg(currentId_), tr("PDF (*.pdf)"));
        if (target.isEmpty())
            return false;
    }
    if (!runInvoice(4, target))
        return false;
    setStatus(tr("Invoice %1 exported to %2").arg(currentId_).arg(target));
    return true;
}

bool OrderForm::settleChanges()
{
    if (!changed_)
        return true;
    const int answer = host::MsgBox(tr("Save the changes to this order?"), host::mb::YesNoCancel + host::mb::Question,
                                    windowTitle());
    if (answer == host::mb::No) {
        changed_ = false;  // dropped: not asked again on the way out
        return true;
    }
    return answer == host::mb::Yes && saveOrder();
}

void OrderForm::closeEvent(QCloseEvent* event)
{
    if (settleChanges())
        event->accept();
    else
        event->ignore();
}

bool OrderForm::requestExit()
{
    if (!settleChanges())
        return false;
    Q_EMIT exitRequested();
    return true;
}

bool OrderForm::previewMonthlySales()
{
    viewreport::ORXDLLViewReport request;
    request.setReportName(reportPath("MonthlySales.RPT"));
    request.setLocationDB(store_.path());
    request.setMode(1);
    return showReport(request);
}

}  // namespace orx::orders
