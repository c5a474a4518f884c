#include "apps/orders/Order.h"

#include <QCoreApplication>

#include <cmath>

namespace orx::orders {

namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("Order", text);
}

}  // namespace

QStringList validateOrder(const Order& order)
{
    QStringList problems;
    if (order.customerId <= 0)
        problems << tr("Choose the customer from the list.");
    if (!order.date.isValid())
        problems << tr("Enter the order date.");
    if (order.productId <= 0)
        problems << tr("Choose the product from the list.");
    if (order.quantity < 1)
        problems << tr("The quantity must be at least 1.");
    if (!(order.unitPrice > 0))
        problems << tr("The price must be more than zero.");
    if (order.discount < 0 || order.discount > 100)
        problems << tr("The discount must be between 0% and 100%.");
    if (!kPaymentMethods.contains(order.payment))
        problems << tr("Choose how the order is paid.");
    if (order.flags & ~AllFlags)
        problems << tr("Unknown extra services are ticked.");
    if ((order.flags & ExpressDelivery) && !order.deliveryTime.isValid())
        problems << tr("An express delivery needs a delivery time.");
    if (order.payment == QLatin1String("CASH") && (order.flags & InvoiceByMail))
        problems << tr("An order paid in cash has no invoice by mail.");
    return problems;
}

double orderAmount(const Order& order)
{
    const double gross = double(order.quantity) * order.unitPrice;
    return std::round(gross * (100.0 - order.discount)) / 100.0;
}

}  // namespace orx::orders
