// The shop database of the order-entry application: built once from the
// script, only opened afterwards; saves in one transaction that loses
// nothing when the write fails.
#include "apps/orders/OrderStore.h"
#include "tests/support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>

#include <gtest/gtest.h>

using namespace orx::orders;

namespace {

const QString kScript = QStringLiteral(ORX_SAMPLE_REPORTS "/shop.sql");

Order newOrder()
{
    Order o;
    o.customerId = 3;
    o.date = QDate(2024, 6, 15);
    o.deliveryTime = QTime(9, 30);
    o.productId = 11;
    o.quantity = 3;
    o.unitPrice = 29.0;
    o.currency = QStringLiteral("Lira");
    o.discount = 10;
    o.notes = QStringLiteral("Leave At The Desk");
    o.payment = QStringLiteral("TRANSFER");
    o.flags = ExpressDelivery | Insurance;
    return o;
}

// A second connection to the same file, for what another program would see or do.
class Other {
public:
    explicit Other(const QString& path)
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name_);
        db.setDatabaseName(path);
        db.open();
    }
    ~Other()
    {
        QSqlDatabase::database(name_, false).close();
        QSqlDatabase::removeDatabase(name_);
    }
    QVariant value(const QString& sql)
    {
        QSqlQuery q(QSqlDatabase::database(name_));
        return q.exec(sql) && q.next() ? q.value(0) : QVariant();
    }
    bool exec(const QString& sql) { return QSqlQuery(QSqlDatabase::database(name_)).exec(sql); }

private:
    QString name_ = QStringLiteral("other");
};

class OrderStoreTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        path = QDir(orx::test::freshFolder(QStringLiteral("orders-store"))).filePath(QStringLiteral("data/shop.db"));
        QString error;
        ASSERT_TRUE(store.open(path, kScript, &error)) << error.toStdString();
    }
    QString path;
    OrderStore store;
};

}  // namespace

TEST_F(OrderStoreTest, BuiltFromTheScriptOnFirstUseWithTheOwnTables)
{
    EXPECT_TRUE(QFile::exists(path));
    EXPECT_FALSE(QFile::exists(path + QStringLiteral(".building")));
    EXPECT_EQ(store.orderIds().size(), 300);
    EXPECT_EQ(store.customers().size(), 12);
    ASSERT_EQ(store.products().size(), 20);
    EXPECT_EQ(store.products().front().name, QStringLiteral("A3 paper ream")) << "by name";
    EXPECT_DOUBLE_EQ(store.products().front().price, 8.90);
    Other other(path);
    EXPECT_EQ(other.value(QStringLiteral("SELECT COUNT(*) FROM order_entry")).toInt(), 0);
    EXPECT_GT(other.value(QStringLiteral("SELECT COUNT(*) FROM invoice_lines")).toInt(), 300);
}

TEST_F(OrderStoreTest, AnExistingDatabaseIsOpenedNeverReplaced)
{
    QString error;
    const qint64 id = store.save(newOrder(), &error);
    ASSERT_GT(id, 300) << error.toStdString();
    OrderStore again;
    ASSERT_TRUE(again.open(path, kScript, &error)) << error.toStdString();
    EXPECT_TRUE(again.load(id).has_value()) << "the saved order is still there";
    EXPECT_EQ(again.orderIds().size(), 301);
    {
        // Opening reads only: another program's pending write does not stop it.
        Other writer(path);
        ASSERT_TRUE(writer.exec(QStringLiteral("BEGIN IMMEDIATE")));
        OrderStore whileWriting;
        EXPECT_TRUE(whileWriting.open(path, kScript, &error)) << error.toStdString();
        writer.exec(QStringLiteral("ROLLBACK"));
    }

    // Not a shop database, a folder, a broken script: refused with a reason, nothing written.
    const QString folder = orx::test::freshFolder(QStringLiteral("orders-bad"));
    const QString plain = QDir(folder).filePath(QStringLiteral("notes.db"));
    {
        QFile f(plain);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("just some notes\n");
    }
    const QString badScript = QDir(folder).filePath(QStringLiteral("bad.sql"));
    {
        QFile f(badScript);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("CREATE TABLE t (a INTEGER);\nINSERT INTO nowhere VALUES (1);\n");
    }
    struct Case {
        QString path, script;
        const char* says;
    } cases[] = {
        {plain, kScript, "is not a shop database"},
        {folder, kScript, "is not a file"},
        {QDir(folder).filePath(QStringLiteral("new.db")), badScript, "bad.sql:2"},
        {QDir(folder).filePath(QStringLiteral("new.db")), QDir(folder).filePath(QStringLiteral("none.sql")), "cannot read"},
    };
    for (const Case& c : cases) {
        OrderStore s;
        error.clear();
        EXPECT_FALSE(s.open(c.path, c.script, &error)) << c.says;
        EXPECT_TRUE(error.contains(QLatin1String(c.says))) << error.toStdString();
    }
    EXPECT_FALSE(QFile::exists(QDir(folder).filePath(QStringLiteral("new.db")))) << "a failed build leaves nothing";
    QFile f(plain);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArray("just some notes\n")) << "the file is left as it was";
}

TEST_F(OrderStoreTest, SavedOrdersReadBackAsTyped)
{
    QString error;
    Order order = newOrder();
    order.id = store.save(order, &error);
    ASSERT_GT(order.id, 0) << error.toStdString();
    EXPECT_EQ(store.load(order.id), order);

    // An update, with nothing optional: the delivery time and notes empty.
    order.quantity = 5;
    order.notes.clear();
    order.deliveryTime = QTime();
    order.flags = 0;
    order.currency.clear();
    EXPECT_EQ(store.save(order, &error), order.id) << error.toStdString();
    EXPECT_EQ(store.load(order.id), order);
    Other other(path);
    EXPECT_TRUE(other.value(QStringLiteral("SELECT note FROM orders WHERE order_id = %1").arg(order.id)).isNull());
    EXPECT_DOUBLE_EQ(other.value(QStringLiteral("SELECT total FROM order_totals WHERE order_id = %1").arg(order.id)).toDouble(), 145.0);
    EXPECT_DOUBLE_EQ(other.value(QStringLiteral("SELECT SUM(net) FROM invoice_lines WHERE order_id = %1").arg(order.id)).toDouble(), 130.5);
}

TEST_F(OrderStoreTest, AnOrderWithSeveralLinesKeepsTheLinesTheFormDoesNotShow)
{
    // Order 3 of the sample has four lines.
    std::optional<Order> order = store.load(3);
    ASSERT_TRUE(order.has_value());
    ASSERT_EQ(order->lineCount, 4);
    EXPECT_EQ(order->payment, QString()) << "entered elsewhere: no row of its own";
    Other other(path);
    const double before = other.value(QStringLiteral("SELECT SUM(quantity * unit_price) FROM order_lines WHERE order_id = 3 AND line_no > 1")).toDouble();
    order->quantity = 99;
    order->payment = QStringLiteral("CASH");
    QString error;
    ASSERT_EQ(store.save(*order, &error), 3) << error.toStdString();
    EXPECT_EQ(other.value(QStringLiteral("SELECT COUNT(*) FROM order_lines WHERE order_id = 3")).toInt(), 4);
    EXPECT_EQ(other.value(QStringLiteral("SELECT quantity FROM order_lines WHERE order_id = 3 AND line_no = 1")).toInt(), 99);
    EXPECT_DOUBLE_EQ(other.value(QStringLiteral("SELECT SUM(quantity * unit_price) FROM order_lines WHERE order_id = 3 AND line_no > 1")).toDouble(), before);
    EXPECT_EQ(store.load(3)->payment, QStringLiteral("CASH"));
}

TEST_F(OrderStoreTest, AFailedWriteLosesNothing)
{
    QString error;
    Order stored = newOrder();
    stored.id = store.save(stored, &error);
    ASSERT_GT(stored.id, 0);
    const int orders = store.orderIds().size();

    enum How { Locked, ReadOnly, Vanished };
    for (const How how : {Locked, ReadOnly, Vanished}) {
        Order changed = stored;
        changed.notes = QStringLiteral("Changed");
        Order fresh = newOrder();
        error.clear();
        if (how == Locked) {
            Other other(path);
            ASSERT_TRUE(other.exec(QStringLiteral("BEGIN EXCLUSIVE")));
            store.setBusyTimeout(100);
            EXPECT_EQ(store.save(changed, &error), 0);
            EXPECT_TRUE(error.contains(QLatin1String("locked"))) << error.toStdString();
            error.clear();
            EXPECT_EQ(store.save(fresh, &error), 0) << "locked";
            EXPECT_FALSE(store.remove(stored.id, &error)) << "locked";
            other.exec(QStringLiteral("ROLLBACK"));
            store.setBusyTimeout(2000);
        } else if (how == ReadOnly) {
            OrderStore reader;
            ASSERT_TRUE(reader.open(path, kScript, &error, true)) << error.toStdString();
            EXPECT_EQ(reader.save(changed, &error), 0);
            EXPECT_TRUE(error.contains(QLatin1String("readonly"))) << error.toStdString();
            EXPECT_EQ(reader.save(fresh, &error), 0) << "read-only";
        } else {
            changed.id = 999999;
            EXPECT_EQ(store.save(changed, &error), 0);
            EXPECT_TRUE(error.contains(QLatin1String("no longer in the database"))) << error.toStdString();
            EXPECT_FALSE(store.load(999999).has_value()) << "not created by the update";
            changed.id = stored.id;
        }
        EXPECT_FALSE(error.isEmpty()) << how;
        EXPECT_EQ(store.load(stored.id), stored) << how << ": the stored order is unchanged";
        EXPECT_EQ(store.orderIds().size(), orders) << how << ": no half-written order";
        Other other(path);
        EXPECT_EQ(other.value(QStringLiteral("SELECT COUNT(*) FROM order_lines l LEFT JOIN orders o ON o.order_id = l.order_id"
                                             " WHERE o.order_id IS NULL")).toInt(), 0) << how << ": no orphan lines";
    }
    // Once the lock is gone the same order saves.
    Order changed = stored;
    changed.notes = QStringLiteral("Changed");
    EXPECT_EQ(store.save(changed, &error), stored.id) << error.toStdString();
    EXPECT_EQ(store.load(stored.id)->notes, QStringLiteral("Changed"));
}

TEST_F(OrderStoreTest, RemoveTakesTheOrderWithItsLines)
{
    QString error;
    const qint64 id = store.save(newOrder(), &error);
    ASSERT_GT(id, 0);
    EXPECT_TRUE(store.remove(id, &error)) << error.toStdString();
    EXPECT_FALSE(store.load(id).has_value());
    Other other(path);
    EXPECT_EQ(other.value(QStringLiteral("SELECT COUNT(*) FROM order_lines WHERE order_id = %1").arg(id)).toInt(), 0);
    EXPECT_EQ(other.value(QStringLiteral("SELECT COUNT(*) FROM order_entry WHERE order_id = %1").arg(id)).toInt(), 0);
    error.clear();
    EXPECT_FALSE(store.remove(id, &error)) << "already gone";
    EXPECT_TRUE(error.contains(QLatin1String("not in the database"))) << error.toStdString();
}
