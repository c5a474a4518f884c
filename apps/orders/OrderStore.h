#pragma once

#include "apps/orders/Order.h"

#include <QList>
#include <QString>

#include <optional>

// The shop database of the order-entry application. It is created on first
// use from the shop's SQL script and from then on only opened: an existing
// database is never replaced. The application keeps what the shop's tables
// have no column for in its own table, order_entry, and reads the invoice
// from the view invoice_lines; both are added when missing.
//
// Every change runs in one transaction. A failed write rolls back, returns
// the database's reason and leaves both the stored orders and the caller's
// order untouched.
namespace orx::orders {

struct NamedKey {
    qint64 key = 0;
    QString name;
    double price = 0;  // products only
};

class OrderStore {
public:
    OrderStore();
    ~OrderStore();
    OrderStore(const OrderStore&) = delete;
    OrderStore& operator=(const OrderStore&) = delete;

    // The database file in the user's data folder.
    static QString defaultPath();

    // Opens `path`, first building it from `script` when no file is there.
    // `readOnly` opens it for reading only. Returns false with `error` set.
    bool open(const QString& path, const QString& script, QString* error, bool readOnly = false);
    bool isOpen() const;
    QString path() const { return path_; }
    // Milliseconds a write waits for another writer's lock before it fails.
    void setBusyTimeout(int milliseconds);

    QList<NamedKey> customers() const;
    QList<NamedKey> products() const;
    QList<qint64> orderIds() const;
    std::optional<Order> load(qint64 id) const;

    // Inserts a new order (id 0) or updates a stored one; returns the order's
    // id, or 0 with `error` set when nothing was written.
    qint64 save(const Order& order, QString* error);
    // Removes the order with its lines; false with `error` set when it could not.
    bool remove(qint64 id, QString* error);

private:
    bool ensureOwnTables(QString* error);
    // Key, name and price (0 when the query has none) of each row of `sql`.
    QList<NamedKey> namedKeys(const char* sql) const;
    QString connection_;
    QString path_;
};

}  // namespace orx::orders
