#pragma once

#include "apps/orders/Order.h"
#include "platform/host/Form.h"

#include <QString>

class QLabel;

namespace orx::tools {
class ORXTextBox;
class ORXCheckBox;
class ORXOptionButton;
class ORXCommandButton;
}  // namespace orx::tools
namespace orx::viewreport {
class ORXDLLViewReport;
class ORXOCXViewReport;
}  // namespace orx::viewreport

namespace orx::orders {

class OrderStore;

// The order-entry form: one order's fields on ORX text boxes, the payment
// method on an option group, the extra services on a check box group, a row
// of command buttons, and the list of orders in the report viewer control,
// where a click on an order's number opens that order. What the user does
// wrong in a field is told by the field itself; the rules of the whole order
// and a failed write are told in a message box, and the form keeps what was
// typed.
class OrderForm : public host::Form {
    Q_OBJECT
public:
    OrderForm(OrderStore& store, const QString& reportsFolder, QWidget* parent = nullptr);

    // The order as the fields hold it (id: the order on the form, 0 when new).
    Order currentOrder() const;
    void showOrder(const Order& order);
    qint64 currentId() const { return currentId_; }
    OrderStore& store() const { return store_; }
    QString statusText() const;
    bool hasChanges() const { return changed_; }

    // The buttons' actions, also callable by a program.
    void newOrder();
    bool saveOrder();
    bool deleteOrder();
    bool openOrder(qint64 id);
    // The invoice of the order on the form, or the monthly sales, in the
    // preview window.
    bool previewInvoice();
    bool previewMonthlySales();
    bool printInvoice();
    // Exports the invoice as PDF to `path` (asks for a file when empty).
    bool exportInvoice(const QString& path = QString());
    // Before the order on the form is left: when the user changed it, asks
    // whether to save (Yes saves, No drops the changes, Cancel stays); true
    // when the form may go on to another order.
    bool settleChanges();
    // Emits exitRequested once the changes are settled; false when the form stays open.
    bool requestExit();
    // Shows the list of orders again in the viewer control.
    void refreshList();

    tools::ORXTextBox* box(const char* name) const;
    tools::ORXCommandButton* button(const char* name) const;
    tools::ORXCheckBox* flagsGroup() const { return flags_; }
    tools::ORXOptionButton* paymentGroup() const { return payment_; }
    viewreport::ORXOCXViewReport* orderList() const { return list_; }

Q_SIGNALS:
    void exitRequested();

protected:
    // Closing the window settles the changes as Exit does.
    void closeEvent(QCloseEvent* event) override;

private:
    void build();
    void setStatus(const QString& text);
    bool runInvoice(int mode, const QString& exportPath);
    // Shows the request; a failure of the run is told in a message box.
    bool showReport(viewreport::ORXDLLViewReport& request);
    QString reportPath(const char* name) const;

    OrderStore& store_;
    QString reports_;
    qint64 currentId_ = 0;
    int lineCount_ = 1;
    bool changed_ = false;  // the user changed the order since it was shown or saved
    tools::ORXCheckBox* flags_ = nullptr;
    tools::ORXOptionButton* payment_ = nullptr;
    viewreport::ORXOCXViewReport* list_ = nullptr;
    QLabel* status_ = nullptr;
};

}  // namespace orx::orders
