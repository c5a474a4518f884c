#include "apps/orders/OrderStore.h"

#include "samples/SqlScript.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QUuid>
#include <QVariant>

namespace orx::orders {

namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("OrderStore", text);
}

// The application's own table and the invoice view, each created only when
// missing (so a database that has them is never written on opening).
struct OwnObject {
    const char* name;
    const char* create;
};
const OwnObject kOwnSchema[] = {
    {"order_entry", "CREATE TABLE IF NOT EXISTS order_entry ("
    " order_id INTEGER PRIMARY KEY REFERENCES orders (order_id),"
    " delivery_time TEXT, currency TEXT, discount REAL NOT NULL DEFAULT 0,"
    " payment TEXT, flags INTEGER NOT NULL DEFAULT 0)"},
    {"invoice_lines", "CREATE VIEW IF NOT EXISTS invoice_lines AS"
    " SELECT o.order_id, o.order_date, c.name AS customer, c.city, l.line_no, p.name AS product,"
    " l.quantity, l.unit_price, ROUND(l.quantity * l.unit_price, 2) AS amount,"
    " COALESCE(e.discount, 0) AS discount,"
    " ROUND(l.quantity * l.unit_price * (100 - COALESCE(e.discount, 0)) / 100, 2) AS net,"
    " COALESCE(e.payment, '') AS payment, COALESCE(e.delivery_time, '') AS delivery_time, o.note"
    " FROM orders o JOIN customers c ON c.customer_id = o.customer_id"
    " JOIN order_lines l ON l.order_id = o.order_id"
    " JOIN products p ON p.product_id = l.product_id"
    " LEFT JOIN order_entry e ON e.order_id = o.order_id"},
};

QString failure(const char* what, const QSqlError& error)
{
    return tr(what) + QStringLiteral(": ") + error.text();
}

// A transaction that rolls back unless committed.
class Transaction {
public:
    explicit Transaction(QSqlDatabase db) : db_(std::move(db)) { open_ = db_.transaction(); }
    ~Transaction()
    {
        if (open_)
            db_.rollback();
    }
    bool isOpen() const { return open_; }
    bool commit()
    {
        if (!db_.commit())
            return false;
        open_ = false;
        return true;
    }

private:
    QSqlDatabase db_;
    bool open_ = false;
};

}  // namespace

OrderStore::OrderStore() : connection_(QStringLiteral("orders-") + QUuid::createUuid().toString(QUuid::WithoutBraces)) {}

OrderStore::~OrderStore()
{
    if (QSqlDatabase::contains(connection_)) {
        QSqlDatabase::database(connection_, false).close();
        QSqlDatabase::removeDatabase(connection_);
    }
}

QString OrderStore::defaultPath()
{
    const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return QDir(data).filePath(QStringLiteral("orx-orders/shop.db"));
}

bool OrderStore::isOpen() const
{
    return QSqlDatabase::contains(connection_) && QSqlDatabase::database(connection_, false).isOpen();
}

bool OrderStore::open(const QString& path, const QString& script, QString* error, bool readOnly)
{
    path_ = QFileInfo(path).absoluteFilePath();
    const QFileInfo info(path_);
    if (info.exists() && !info.isFile()) {
        *error = tr("The database %1 is not a file.").arg(path_);
        return false;
    }
    if (!info.exists()) {
        if (readOnly) {
            *error = tr("The database %1 does not exist.").arg(path_);
            return false;
        }
        QDir().mkpath(info.absolutePath());
        const QString built = buildDatabaseFromScript(script, path_);
        if (!built.isEmpty()) {
            *error = tr("The shop database could not be created: %1").arg(built);
            return false;
        }
    }
    QSqlDatabase db = QSqlDatabase::contains(connection_) ? QSqlDatabase::database(connection_, false)
                                                          : QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection_);
    db.close();
    db.setDatabaseName(path_);
    db.setConnectOptions(readOnly ? QStringLiteral("QSQLITE_OPEN_READONLY;QSQLITE_BUSY_TIMEOUT=2000")
                                  : QStringLiteral("QSQLITE_BUSY_TIMEOUT=2000"));
    if (!db.open()) {
        *error = failure("The database could not be opened", db.lastError());
        return false;
    }
    QSqlQuery check(db);
    if (!check.exec(QStringLiteral("SELECT COUNT(*) FROM orders"))) {
        *error = tr("%1 is not a shop database: %2").arg(path_, check.lastError().text());
        db.close();
        return false;
    }
    // A database opened for reading may lack the application's tables; it is
    // not changed, and saving fails with the database's reason.
    if (!readOnly && !ensureOwnTables(error)) {
        db.close();
        return false;
    }
    return true;
}

void OrderStore::setBusyTimeout(int milliseconds)
{
    QSqlQuery q(QSqlDatabase::database(connection_, false));
    q.exec(QStringLiteral("PRAGMA busy_timeout = %1").arg(milliseconds));
}

bool OrderStore::ensureOwnTables(QString* error)
{
    QSqlDatabase db = QSqlDatabase::database(connection_, false);
    QSqlQuery q(db);
    for (const OwnObject& object : kOwnSchema) {
        q.prepare(QStringLiteral("SELECT COUNT(*) FROM sqlite_master WHERE name = ?"));
        q.addBindValue(QString::fromLatin1(object.name));
        if (q.exec() && q.next() && q.value(0).toInt() > 0)
            continue;
        if (!q.exec(QString::fromLatin1(object.create))) {
            *error = failure("The order tables could not be added", q.lastError());
            return false;
        }
    }
    return true;
}

QList<NamedKey> OrderStore::namedKeys(const char* sql) const
{
    QList<NamedKey> out;
    QSqlQuery q(QSqlDatabase::database(connection_, false));
    q.exec(QString::fromLatin1(sql));
    while (q.next())
        out.push_back({q.value(0).toLongLong(), q.value(1).toString(), q.value(2).toDouble()});
    return out;
}

QList<NamedKey> OrderStore::customers() const
{
    return namedKeys("SELECT customer_id, name, 0 FROM customers ORDER BY name");
}

QList<NamedKey> OrderStore::products() const
{
    return namedKeys("SELECT product_id, name, price FROM products ORDER BY name");
}

QList<qint64> OrderStore::orderIds() const
{
    QList<qint64> out;
    QSqlQuery q(QSqlDatabase::database(connection_, false));
    q.exec(QStringLiteral("SELECT order_id FROM orders ORDER BY order_id"));
    while (q.next())
        out.push_back(q.value(0).toLongLong());
    return out;
}

std::optional<Order> OrderStore::load(qint64 id) const
{
    QSqlDatabase db = QSqlDatabase::database(connection_, false);
    QSqlQuery q(db);
    q.prepare(QStringLiteral("SELECT o.customer_id, o.order_date, o.note,"
                             " (SELECT COUNT(*) FROM order_lines WHERE order_id = o.order_id)"
                             " FROM orders o WHERE o.order_id = ?"));
    q.addBindValue(id);
    if (!q.exec() || !q.next())
        return std::nullopt;
    Order order;
    order.id = id;
    order.customerId = q.value(0).toLongLong();
    order.date = QDate::fromString(q.value(1).toString(), Qt::ISODate);
    order.notes = q.value(2).toString();
    order.lineCount = q.value(3).toInt();
    q.prepare(QStringLiteral("SELECT product_id, quantity, unit_price FROM order_lines WHERE order_id = ?"
                             " ORDER BY line_no LIMIT 1"));
    q.addBindValue(id);
    if (q.exec() && q.next()) {
        order.productId = q.value(0).toLongLong();
        order.quantity = q.value(1).toLongLong();
        order.unitPrice = q.value(2).toDouble();
    }
    // Orders entered elsewhere have no row of their own here: the defaults stay.
    q.prepare(QStringLiteral("SELECT delivery_time, currency, discount, payment, flags FROM order_entry WHERE order_id = ?"));
    q.addBindValue(id);
    if (q.exec() && q.next()) {
        order.deliveryTime = QTime::fromString(q.value(0).toString(), QStringLiteral("HH:mm"));
        order.currency = q.value(1).toString();
        order.discount = q.value(2).toDouble();
        order.payment = q.value(3).toString();
        order.flags = q.value(4).toInt();
    }
    return order;
}

qint64 OrderStore::save(const Order& order, QString* error)
{
    QSqlDatabase db = QSqlDatabase::database(connection_, false);
    if (!db.isOpen()) {
        *error = tr("The database is not open.");
        return 0;
    }
    Transaction transaction(db);
    if (!transaction.isOpen()) {
        *error = failure("The order could not be saved", db.lastError());
        return 0;
    }
    QSqlQuery q(db);
    const auto run = [&](const QString& sql, const QVariantList& values) {
        q.prepare(sql);
        for (const QVariant& v : values)
            q.addBindValue(v);
        return q.exec();
    };
    const QVariant note = order.notes.isEmpty() ? QVariant() : QVariant(order.notes);
    const QString date = order.date.toString(Qt::ISODate);
    qint64 id = order.id;
    bool ok = true;
    if (id == 0) {
        ok = run(QStringLiteral("INSERT INTO orders (customer_id, order_date, shipped, note) VALUES (?, ?, 0, ?)"),
                 {order.customerId, date, note});
        id = ok ? q.lastInsertId().toLongLong() : 0;
        ok = ok && run(QStringLiteral("INSERT INTO order_lines (order_id, line_no, product_id, quantity, unit_price)"
                                      " VALUES (?, 1, ?, ?, ?)"),
                       {id, order.productId, order.quantity, order.unitPrice});
    } else {
        ok = run(QStringLiteral("UPDATE orders SET customer_id = ?, order_date = ?, note = ? WHERE order_id = ?"),
                 {order.customerId, date, note, id});
        if (ok && q.numRowsAffected() != 1) {
            *error = tr("The order %1 is no longer in the database; nothing was saved.").arg(id);
            return 0;
        }
        // Only the first line is on the form; the order's other lines stay as they are.
        ok = ok && run(QStringLiteral("INSERT INTO order_lines (order_id, line_no, product_id, quantity, unit_price)"
                                      " VALUES (?, 1, ?, ?, ?) ON CONFLICT (order_id, line_no) DO UPDATE SET"
                                      " product_id = excluded.product_id, quantity = excluded.quantity,"
                                      " unit_price = excluded.unit_price"),
                       {id, order.productId, order.quantity, order.unitPrice});
    }
    ok = ok && run(QStringLiteral("INSERT OR REPLACE INTO order_entry (order_id, delivery_time, currency, discount, payment, flags)"
                                  " VALUES (?, ?, ?, ?, ?, ?)"),
                   {id, order.deliveryTime.isValid() ? QVariant(order.deliveryTime.toString(QStringLiteral("HH:mm"))) : QVariant(),
                    order.currency, order.discount, order.payment, order.flags});
    if (!ok) {
        *error = failure("The order could not be saved", q.lastError());
        return 0;
    }
    if (!transaction.commit()) {
        *error = failure("The order could not be saved", db.lastError());
        return 0;
    }
    return id;
}

bool OrderStore::remove(qint64 id, QString* error)
{
    QSqlDatabase db = QSqlDatabase::database(connection_, false);
    Transaction transaction(db);
    if (!transaction.isOpen()) {
        *error = failure("The order could not be deleted", db.lastError());
        return false;
    }
    QSqlQuery q(db);
    for (const char* sql : {"DELETE FROM order_entry WHERE order_id = ?", "DELETE FROM order_lines WHERE order_id = ?",
                            "DELETE FROM orders WHERE order_id = ?"}) {
        q.prepare(QString::fromLatin1(sql));
        q.addBindValue(id);
        if (!q.exec()) {
            *error = failure("The order could not be deleted", q.lastError());
            return false;
        }
    }
    if (q.numRowsAffected() != 1) {
        *error = tr("The order %1 is not in the database.").arg(id);
        return false;
    }
    if (!transaction.commit()) {
        *error = failure("The order could not be deleted", db.lastError());
        return false;
    }
    return true;
}

}  // namespace orx::orders
