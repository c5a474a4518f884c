// The order-entry program's scripted session, run as a user would start it
// without a display: it must save its three orders, write a picture of each
// step, the invoice PDF and the transcript, and leave the database whole.
#include "tests/support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>

#include <gtest/gtest.h>

namespace {

struct SessionRun {
    int exitCode = -1;
    QString output;
};

SessionRun runSession(const QString& out)
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("ORX_DEMO_OUT"), out);
    env.insert(QStringLiteral("ORX_SAMPLES"), QStringLiteral(ORX_SAMPLES));
    p.setProcessEnvironment(env);
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(QStringLiteral(ORX_ORDERS_PROGRAM), {});
    SessionRun r;
    if (!p.waitForFinished(100000)) {
        p.kill();
        p.waitForFinished();
        r.output = QStringLiteral("timed out");
        return r;
    }
    r.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -2;
    r.output = QString::fromUtf8(p.readAll());
    return r;
}

QVariant value(const QString& db, const QString& sql)
{
    QVariant v;
    {
        QSqlDatabase c = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("session-check"));
        c.setDatabaseName(db);
        c.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        if (c.open()) {
            QSqlQuery q(c);
            if (q.exec(sql) && q.next())
                v = q.value(0);
        }
        c.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("session-check"));
    return v;
}

}  // namespace

TEST(OrdersScriptedSession, SavesThreeOrdersAndWritesEveryFile)
{
    const QString out = orx::test::freshFolder(QStringLiteral("orders-session"));
    const SessionRun first = runSession(out);
    ASSERT_EQ(first.exitCode, 0) << first.output.toStdString();
    const QDir folder(QDir(out).filePath(QStringLiteral("orders")));
    const QString db = folder.filePath(QStringLiteral("data/orx-orders/shop.db"));
    ASSERT_TRUE(QFileInfo(db).isFile()) << "the database is made in the session's data folder";

    EXPECT_EQ(value(db, QStringLiteral("SELECT COUNT(*) FROM orders")).toInt(), 303);
    EXPECT_EQ(value(db, QStringLiteral("SELECT COUNT(*) FROM order_entry")).toInt(), 3);
    // The first order as typed: Verdi Ufficio, 14/06/24 spun one day, 09:30, 3 desk lamps less 10%, by transfer, express.
    const QString first301 = QStringLiteral(
        "SELECT c.name || '|' || o.order_date || '|' || e.delivery_time || '|' || p.name || '|' || l.quantity || '|'"
        " || l.unit_price || '|' || e.discount || '|' || e.payment || '|' || e.flags || '|' || o.note"
        " FROM orders o JOIN customers c USING (customer_id) JOIN order_lines l USING (order_id)"
        " JOIN products p USING (product_id) JOIN order_entry e USING (order_id) WHERE o.order_id = 301");
    EXPECT_EQ(value(db, first301).toString().toStdString(),
              "Verdi Ufficio|2024-06-15|09:30|Desk lamp|3|29.0|10.0|TRANSFER|2|Ring Before Noon");
    EXPECT_EQ(value(db, QStringLiteral("SELECT c.name || '|' || l.unit_price || '|' || e.currency || '|' || e.flags"
                                      " FROM orders o JOIN customers c USING (customer_id) JOIN order_lines l USING (order_id)"
                                      " JOIN order_entry e USING (order_id) WHERE o.order_id = 302")).toString().toStdString(),
              "Rossi Forniture|119.9|Euro|5");
    EXPECT_EQ(value(db, QStringLiteral("SELECT order_date || '|' || payment || '|' || note FROM orders JOIN order_entry USING (order_id)"
                                      " WHERE order_id = 303")).toString().toStdString(),
              "2024-07-01|CASH|Two Boxes Per Pallet");

    for (const char* name : {"00-new-order.png", "01-first-order.png", "02-saved.png", "03-refused.png", "04-opened-from-list.png",
                             "05-invoice-preview.png", "06-monthly-sales.png", "08-saved-after-lock.png", "Invoice-301.pdf",
                             "transcript.txt"}) {
        const QFileInfo f(folder.filePath(QLatin1String(name)));
        EXPECT_TRUE(f.isFile() && f.size() > 100) << name;
    }
    QFile pdf(folder.filePath(QStringLiteral("Invoice-301.pdf")));
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.read(5) == "%PDF-");
    QFile transcript(folder.filePath(QStringLiteral("transcript.txt")));
    ASSERT_TRUE(transcript.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(transcript.readAll());
    for (const char* line : {"Order 301 saved", "Order 302 saved", "Order 303 saved", "Choose the customer from the list.",
                             "database is locked", "nothing was lost", "Save the changes to this order?",
                             "answered Cancel: the form stays", "answered No: the order is kept", "Order 304 deleted",
                             "The session ended as expected."})
        EXPECT_TRUE(text.contains(QLatin1String(line))) << line << "\n" << text.toStdString();

    // A second run opens the same database and adds to it.
    const SessionRun second = runSession(out);
    ASSERT_EQ(second.exitCode, 0) << second.output.toStdString();
    EXPECT_EQ(value(db, QStringLiteral("SELECT COUNT(*) FROM orders")).toInt(), 306);
}
