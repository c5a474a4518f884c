#pragma once

#include <QDate>
#include <QString>
#include <QStringList>
#include <QTime>

// One order as the order-entry form edits it: the customer, the day and the
// delivery time, one product line (quantity and unit price in Euro), the
// discount, the notes, how it is paid and its extra services. Plain data; the
// rules of a whole order are the free functions below.
namespace orx::orders {

// The payment methods, as stored and as the option group's list values.
inline const QStringList kPaymentMethods{QStringLiteral("CARD"), QStringLiteral("CASH"), QStringLiteral("TRANSFER")};

// The extra services, one bit each (the check box group's numeric value).
enum OrderFlag : int {
    GiftWrap = 1,
    ExpressDelivery = 2,
    Insurance = 4,
    InvoiceByMail = 8,
    AllFlags = 15
};

struct Order {
    qint64 id = 0;  // 0 until the order is saved
    qint64 customerId = 0;
    QDate date;
    QTime deliveryTime;  // invalid: any time of the day
    qint64 productId = 0;
    qint64 quantity = 0;
    double unitPrice = 0;  // in `currency`
    QString currency;      // the catalogue name of the price's currency (the form holds prices in Euro)
    double discount = 0;   // percent, 0 to 100
    QString notes;
    QString payment;
    int flags = 0;
    int lineCount = 1;  // lines the order has in the shop; the form edits the first

    bool operator==(const Order&) const = default;
};

// What is wrong with the order as a whole, one sentence each, in the order of
// the form's fields; empty when it can be saved. The single fields were
// already checked by their boxes; these are the rules across fields and the
// ones a box cannot know (a required customer, a product from the list).
QStringList validateOrder(const Order& order);

// The amount of the order in Euro: quantity times price less the discount,
// rounded to the cent (halves away from zero).
double orderAmount(const Order& order);

}  // namespace orx::orders
