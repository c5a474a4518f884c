#pragma once

// Test data for the report runtime: small SQLite databases made from SQL,
// and the parts of report definitions many tests share.
#include "reportrt/definition/ReportFile.h"
#include "reportrt/run/RuntimeObjects.h"
#include "tests/support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <gtest/gtest.h>

namespace orx::test {

// Creates `name` in a fresh folder with the statements run in order; the path.
inline QString makeDatabase(const QString& name, const QStringList& statements)
{
    const QString path = QDir(freshFolder(QStringLiteral("db"))).filePath(name);
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("test-maker"));
        db.setDatabaseName(path);
        EXPECT_TRUE(db.open());
        QSqlQuery q(db);
        q.exec(QStringLiteral("BEGIN"));
        for (const QString& s : statements)
            EXPECT_TRUE(q.exec(s)) << s.toStdString() << ": " << q.lastError().text().toStdString();
        q.exec(QStringLiteral("COMMIT"));
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("test-maker"));
    return path;
}

// Customers, orders and order lines: 3 customers, 6 orders over two months, 9 lines.
inline QStringList shopStatements()
{
    return {
        QStringLiteral("CREATE TABLE customers (id INTEGER PRIMARY KEY, name TEXT, vip INTEGER)"),
        QStringLiteral("CREATE TABLE orders (id INTEGER PRIMARY KEY, customer_id INTEGER, order_date TEXT, total REAL)"),
        QStringLiteral("CREATE TABLE lines (order_id INTEGER, product TEXT, quantity INTEGER)"),
        QStringLiteral("INSERT INTO customers VALUES (1, 'Rossi', 1), (2, 'Bianchi', 0), (3, 'Verdi', 1)"),
        QStringLiteral("INSERT INTO orders VALUES (1, 1, '2024-01-05', 100), (2, 2, '2024-01-20', 50.5), "
                       "(3, 1, '2024-02-02', 20), (4, 3, '2024-02-14', 75), (5, 2, '2024-02-28', 10), "
                       "(6, 1, '2024-01-31', 5)"),
        QStringLiteral("INSERT INTO lines VALUES (1, 'Pen', 10), (1, 'Ink', 2), (2, 'Paper', 5), (3, 'Pen', 1), "
                       "(4, 'Desk', 1), (4, 'Lamp', 2), (5, 'Ink', 1), (6, 'Pen', 3), (6, 'Clip', 100)"),
    };
}

// The ```xml example of docs/report-format.md that begins with `head`.
inline QByteArray documentedExample(const QByteArray& head)
{
    QFile doc(QStringLiteral(ORX_SAMPLE_REPORTS "/../../docs/report-format.md"));
    EXPECT_TRUE(doc.open(QIODevice::ReadOnly));
    const QByteArray text = doc.readAll();
    const qsizetype start = text.indexOf("```xml\n" + head);
    EXPECT_GE(start, 0) << head.toStdString();
    if (start < 0)
        return {};
    const qsizetype end = text.indexOf("```", start + 7);
    return text.mid(start + 7, end - start - 7);
}

// The shop's orders (O) with the fields given, linked to their customers (C: id, name), at `location`.
inline void ordersWithCustomers(reportrt::definition::ReportDefinition& def, const QString& location,
                                std::vector<reportrt::definition::FieldDef> orderFields)
{
    using reportrt::definition::ValueType;
    def.tables = {{QStringLiteral("O"), location, QStringLiteral("orders"), {}, std::move(orderFields)},
                  {QStringLiteral("C"), location, QStringLiteral("customers"), {},
                   {{QStringLiteral("id"), ValueType::Number}, {QStringLiteral("name"), ValueType::String}}}};
    def.links = {{QStringLiteral("O"), QStringLiteral("customer_id"), QStringLiteral("C"), QStringLiteral("id")}};
}

// A field object showing `source`, one line high.
inline reportrt::definition::ObjectDef fieldAt(const QString& name, const QString& source, int x = 0, int width = 1500,
                                               const QString& format = {})
{
    reportrt::definition::ObjectDef o;
    o.kind = reportrt::definition::ObjectKind::Field;
    o.name = name;
    o.source = source;
    o.x = x;
    o.width = width;
    o.height = 240;
    o.format = format;
    return o;
}

// Saves the definition as its name followed by .RPT in `folder` and opens it as a program would.
inline std::shared_ptr<reportrt::run::RtReport> saveAndOpen(const reportrt::definition::ReportDefinition& def,
                                                              const QString& folder)
{
    const QString path = QDir(folder).filePath(def.name + QStringLiteral(".RPT"));
    reportrt::definition::saveReportFile(def, path);
    return reportrt::run::RtReport::open(path);
}

}  // namespace orx::test
