// The rules of a whole order and its amount.
#include "apps/orders/Order.h"

#include <gtest/gtest.h>

using namespace orx::orders;

namespace {

Order complete()
{
    Order o;
    o.customerId = 3;
    o.date = QDate(2024, 6, 15);
    o.productId = 11;
    o.quantity = 3;
    o.unitPrice = 29.0;
    o.discount = 10;
    o.payment = QStringLiteral("TRANSFER");
    return o;
}

}  // namespace

TEST(OrderRules, WholeOrderChecks)
{
    struct Case {
        const char* name;
        void (*change)(Order&);
        QStringList problems;
    } cases[] = {
        {"complete", [](Order&) {}, {}},
        {"no customer", [](Order& o) { o.customerId = 0; }, {"Choose the customer from the list."}},
        {"no date", [](Order& o) { o.date = QDate(); }, {"Enter the order date."}},
        {"no product", [](Order& o) { o.productId = 0; }, {"Choose the product from the list."}},
        {"zero quantity", [](Order& o) { o.quantity = 0; }, {"The quantity must be at least 1."}},
        {"free", [](Order& o) { o.unitPrice = 0; }, {"The price must be more than zero."}},
        {"price not a number", [](Order& o) { o.unitPrice = std::nan(""); }, {"The price must be more than zero."}},
        {"discount over 100", [](Order& o) { o.discount = 100.5; }, {"The discount must be between 0% and 100%."}},
        {"negative discount", [](Order& o) { o.discount = -1; }, {"The discount must be between 0% and 100%."}},
        {"whole discount", [](Order& o) { o.discount = 100; }, {}},
        {"unknown payment", [](Order& o) { o.payment = QStringLiteral("card"); }, {"Choose how the order is paid."}},
        {"unknown flag", [](Order& o) { o.flags = 16; }, {"Unknown extra services are ticked."}},
        {"express without time", [](Order& o) { o.flags = ExpressDelivery; }, {"An express delivery needs a delivery time."}},
        {"express with time",
         [](Order& o) {
             o.flags = ExpressDelivery;
             o.deliveryTime = QTime(9, 30);
         },
         {}},
        {"cash and invoice by mail",
         [](Order& o) {
             o.payment = QStringLiteral("CASH");
             o.flags = InvoiceByMail | GiftWrap;
         },
         {"An order paid in cash has no invoice by mail."}},
        {"everything missing, in the form's order",
         [](Order& o) { o = Order(); },
         {"Choose the customer from the list.", "Enter the order date.", "Choose the product from the list.",
          "The quantity must be at least 1.", "The price must be more than zero.", "Choose how the order is paid."}},
    };
    for (const Case& c : cases) {
        Order o = complete();
        c.change(o);
        EXPECT_EQ(validateOrder(o), c.problems) << c.name;
    }
}

TEST(OrderRules, AmountLessDiscountToTheCent)
{
    struct Case {
        qint64 quantity;
        double price, discount, amount;
    } cases[] = {
        {3, 29.0, 10, 78.30},
        {2, 119.90, 0, 239.80},
        {40, 4.20, 0, 168.00},
        {1, 0.05, 50, 0.03},  // half a cent rounds away from zero
        {7, 1.10, 12.5, 6.74},
        {1, 10.0, 100, 0.0},
    };
    for (const Case& c : cases) {
        Order o = complete();
        o.quantity = c.quantity;
        o.unitPrice = c.price;
        o.discount = c.discount;
        EXPECT_DOUBLE_EQ(orderAmount(o), c.amount) << c.quantity << " x " << c.price << " less " << c.discount << "%";
    }
}
