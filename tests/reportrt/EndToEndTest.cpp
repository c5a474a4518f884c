// ORXDLLViewReport.Show with Mode 0 over the sample reports, through the
// engine and our runtime (installed by default), checked against the page
// model and against the same figures computed by SQLite.
#include "platform/basic/BasicError.h"
#include "platform/basic/Convert.h"
#include "reportrt/ErrorNumbers.h"
#include "reportrt/Runtime.h"
#include "reportrt/export/CsvExport.h"
#include "reportrt/run/RuntimeObjects.h"
#include "tests/support/HostFixture.h"
#include "tests/support/TestSupport.h"
#include "reportrt/viewer/PageViewer.h"
#include "viewreport/engine/ORXDLLViewReport.h"
#include "viewreport/engine/ORXDLLViewReportFRM.h"
#include "viewreport/engine/RequestCollections.h"
#include "viewreport/engine/RunState.h"
#include "tests/reportrt/SampleReportFixture.h"

#include <QApplication>
#include <QDir>
#include <QTest>
#include <QFile>
#include <QPointer>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QStandardItemModel>
#include <gtest/gtest.h>

using namespace orx;
using namespace orx::reportrt;
using layout::PageItem;

namespace {

const QString kSamples = QStringLiteral(ORX_SAMPLE_REPORTS);

// A figure from the sample database, as the oracle for the report's.
QVariant sql(const QString& statement, const QString& db = kSamples + QStringLiteral("/shop.db"))
{
    QVariant v;
    {
        QSqlDatabase c = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("oracle"));
        c.setDatabaseName(db);
        EXPECT_TRUE(c.open());
        QSqlQuery q(c);
        EXPECT_TRUE(q.exec(statement)) << statement.toStdString();
        if (q.next())
            v = q.value(0);
    }
    QSqlDatabase::removeDatabase(QStringLiteral("oracle"));
    return v;
}

class EndToEnd : public EngineRuns {
protected:
    // Runs the request with Mode 0 and returns the pages of the report it ran.
    std::shared_ptr<const layout::PageModel> show(viewreport::ORXDLLViewReport& request)
    {
        request.setMode(0);
        request.Show();
        return pagesOfTheRun();
    }

    static std::vector<const PageItem*> named(const layout::PageModel& m, const QString& name, bool subreport = false)
    {
        std::vector<const PageItem*> out;
        for (const auto* t : m.texts()) {
            if (t->name == name && t->fromSubreport == subreport)
                out.push_back(t);
        }
        return out;
    }

    static QStringList texts(const std::vector<const PageItem*>& items)
    {
        QStringList out;
        for (const auto* i : items)
            out << i->text;
        return out;
    }
};

TEST_F(EndToEnd, OrdersByCustomerAndMonthWithLinesAndPageNofM)
{
    viewreport::ORXDLLViewReport request;
    request.setReportName(kSamples + QStringLiteral("/Orders"));
    const auto pages = show(request);
    ASSERT_GT(pages->pageCount(), 5);

    // Every order once, in customer-name order, with the customers' totals right.
    EXPECT_EQ(static_cast<int>(named(*pages, QStringLiteral("Order")).size()), sql(QStringLiteral("SELECT COUNT(*) FROM orders")).toInt());
    const QStringList customers = texts(named(*pages, QStringLiteral("Customer")));
    ASSERT_FALSE(customers.isEmpty());
    EXPECT_EQ(customers.first(), sql(QStringLiteral("SELECT MIN(name) FROM customers JOIN orders USING (customer_id)")).toString());
    EXPECT_EQ(sql(QStringLiteral("SELECT COUNT(DISTINCT customer_id) FROM orders")).toInt(), 12);
    const auto grand = named(*pages, QStringLiteral("GrandTotal"));
    ASSERT_EQ(grand.size(), 1u);
    EXPECT_NEAR(grand[0]->value.number, sql(QStringLiteral("SELECT SUM(total) FROM order_totals")).toDouble(), 0.005);
    // The customer total is printed in the header, before its orders: known ahead.
    const auto firstTotal = named(*pages, QStringLiteral("CustomerTotal")).front();
    EXPECT_NEAR(firstTotal->value.number,
                sql(QStringLiteral("SELECT SUM(t.total) FROM order_totals t JOIN customers c USING (customer_id) "
                                   "WHERE c.name = (SELECT MIN(name) FROM customers)")).toDouble(), 0.005);
    EXPECT_EQ(grand[0]->text, QStringLiteral("214,044.00")) << "the sample data is fixed";
    // Month groups: one header per customer and month.
    EXPECT_EQ(static_cast<int>(named(*pages, QStringLiteral("Month")).size()),
              sql(QStringLiteral("SELECT COUNT(*) FROM (SELECT DISTINCT customer_id, substr(order_date, 1, 7) FROM orders)")).toInt());
    // The sub-report prints each order's own lines.
    EXPECT_EQ(static_cast<int>(named(*pages, QStringLiteral("Product"), true).size()),
              sql(QStringLiteral("SELECT COUNT(*) FROM order_lines")).toInt());
    const auto orderItems = named(*pages, QStringLiteral("Order"));
    const auto products = named(*pages, QStringLiteral("Product"), true);
    // The first order printed is followed, on its page, by the lines of that order.
    const int firstOrder = orderItems.front()->text.toInt();
    const QString firstProduct = sql(QStringLiteral("SELECT p.name FROM order_lines l JOIN products p USING (product_id) "
                                                    "WHERE l.order_id = %1 ORDER BY l.line_no").arg(firstOrder)).toString();
    EXPECT_EQ(products.front()->text, firstProduct);

    // Page N of M on every page, M the page count.
    for (int p = 0; p < pages->pageCount(); ++p) {
        QStringList found;
        for (const auto& i : pages->page(p).items) {
            if (i.special == definition::SpecialField::PageNofM)
                found << i.text;
        }
        EXPECT_EQ(found, QStringList{QStringLiteral("Page %1 of %2").arg(p + 1).arg(pages->pageCount())}) << "page " << p + 1;
    }
    // The page header is on every page; the report header only on the first.
    int titles = 0;
    for (const auto* t : pages->texts())
        titles += t->text == QLatin1String("Orders by customer and month") ? 1 : 0;
    EXPECT_EQ(titles, 1);
}

TEST_F(EndToEnd, ParametersOfEachTypeSelectTheRecords)
{
    const struct {
        QString from, to, customer;
        double minimum;
        bool unshipped;
    } cases[] = {
        {QStringLiteral("2024-03-01"), QStringLiteral("2024-03-31"), QString(), 0, true},
        {QStringLiteral("2023-01-01"), QStringLiteral("2024-12-31"), QStringLiteral("Rossi Forniture"), 0, true},
        {QStringLiteral("2023-06-01"), QStringLiteral("2023-12-31"), QString(), 500, false},
    };
    for (const auto& c : cases) {
        viewreport::ORXDLLViewReport request;
        request.setReportName(kSamples + QStringLiteral("/OrdersInPeriod"));
        request.Parameters()->Add(QStringLiteral("From"), QVariant(QDate::fromString(c.from, Qt::ISODate).startOfDay(Qt::UTC)));
        request.Parameters()->Add(QStringLiteral("To"), QVariant(QDate::fromString(c.to, Qt::ISODate).startOfDay(Qt::UTC)));
        request.Parameters()->Add(QStringLiteral("Customer"), QVariant(c.customer));
        request.Parameters()->Add(QStringLiteral("MinimumTotal"), QVariant(c.minimum));
        request.Parameters()->Add(QStringLiteral("IncludeUnshipped"), QVariant(c.unshipped));
        const auto pages = show(request);
        const int expected = sql(QStringLiteral("SELECT COUNT(*) FROM order_totals t JOIN customers c USING (customer_id) "
                                                "WHERE order_date BETWEEN '%1' AND '%2' AND ('%3' = '' OR c.name = '%3') "
                                                "AND total >= %4 AND (%5 OR shipped)")
                                     .arg(c.from, c.to, c.customer).arg(c.minimum).arg(c.unshipped ? 1 : 0)).toInt();
        ASSERT_GT(expected, 0);
        EXPECT_EQ(static_cast<int>(named(*pages, QStringLiteral("Order")).size()), expected) << c.from.toStdString();
        EXPECT_EQ(named(*pages, QStringLiteral("Count")).front()->text, QString::number(expected));
    }
}

TEST_F(EndToEnd, SortAndGroupOverridesFromTheRequest)
{
    viewreport::ORXDLLViewReport request;
    request.setReportName(kSamples + QStringLiteral("/Orders"));
    // The customer group descending; the month group becomes a year group.
    request.OrderByFields()->Add(QStringLiteral("Customers.name"), 1);
    request.OrderByFields()->Add(QStringLiteral("Orders.order_date"), 0, 7);
    const auto pages = show(request);
    const QStringList customers = texts(named(*pages, QStringLiteral("Customer")));
    EXPECT_EQ(customers.first(), sql(QStringLiteral("SELECT MAX(name) FROM customers")).toString());
    QStringList months = texts(named(*pages, QStringLiteral("Month")));
    EXPECT_EQ(months.size(), sql(QStringLiteral("SELECT COUNT(*) FROM (SELECT DISTINCT customer_id, substr(order_date, 1, 4) FROM orders)")).toInt());

    // A record sort field from the request replaces the report's own.
    viewreport::ORXDLLViewReport list;
    list.setReportName(kSamples + QStringLiteral("/CustomerList"));
    list.OrderByFields()->Add(QStringLiteral("Customers.city"), 1);
    const auto listPages = show(list);
    EXPECT_EQ(texts(named(*listPages, QStringLiteral("City"))).first(), sql(QStringLiteral("SELECT MAX(city) FROM customers")).toString());
}

TEST_F(EndToEnd, TheRequestSelectionFormulaFiltersTheRecords)
{
    viewreport::ORXDLLViewReport request;
    request.setReportName(kSamples + QStringLiteral("/OrdersInPeriod"));
    request.setSelectionFormula(QStringLiteral("{Orders.total} > 1000"));
    const auto pages = show(request);
    EXPECT_EQ(static_cast<int>(named(*pages, QStringLiteral("Order")).size()),
              sql(QStringLiteral("SELECT COUNT(*) FROM order_totals WHERE order_date BETWEEN '2024-01-01' AND '2024-12-31' "
                                 "AND total > 1000")).toInt());
    // The next request without one sees every record of the period again.
    viewreport::ORXDLLViewReport plain;
    plain.setReportName(kSamples + QStringLiteral("/OrdersInPeriod"));
    EXPECT_EQ(static_cast<int>(named(*show(plain), QStringLiteral("Order")).size()),
              sql(QStringLiteral("SELECT COUNT(*) FROM orders WHERE order_date BETWEEN '2024-01-01' AND '2024-12-31'")).toInt());
}

TEST_F(EndToEnd, LocationAndRecordsetFromTheRequest)
{
    // LocationDB points every table at another copy of the database.
    const QString folder = test::freshFolder(QStringLiteral("elsewhere"));
    const QString copy = QDir(folder).filePath(QStringLiteral("other.db"));
    ASSERT_TRUE(QFile::copy(kSamples + QStringLiteral("/shop.db"), copy));
    QFile::setPermissions(copy, QFile::ReadOwner | QFile::WriteOwner);
    {
        QSqlDatabase c = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("edit"));
        c.setDatabaseName(copy);
        ASSERT_TRUE(c.open());
        QSqlQuery(c).exec(QStringLiteral("UPDATE customers SET name = 'Aaa Moved' WHERE customer_id = 5"));
    }
    QSqlDatabase::removeDatabase(QStringLiteral("edit"));
    viewreport::ORXDLLViewReport request;
    request.setReportName(kSamples + QStringLiteral("/CustomerList"));
    request.setLocationDB(copy);
    EXPECT_EQ(texts(named(*show(request), QStringLiteral("Name"))).first(), QStringLiteral("Aaa Moved"));

    // A recordset replaces the data of the tables; columns are matched by header name.
    QStandardItemModel model(0, 4);
    model.setHorizontalHeaderLabels({QStringLiteral("city"), QStringLiteral("name"), QStringLiteral("customer_id"), QStringLiteral("vip")});
    model.appendRow({new QStandardItem(QStringLiteral("Lecce")), new QStandardItem(QStringLiteral("Zeta")),
                     new QStandardItem(QStringLiteral("41")), new QStandardItem(QStringLiteral("true"))});
    model.appendRow({new QStandardItem(QStringLiteral("Pisa")), new QStandardItem(QStringLiteral("Alfa")),
                     new QStandardItem(QStringLiteral("40")), new QStandardItem(QStringLiteral("false"))});
    viewreport::ORXDLLViewReport fromModel;
    fromModel.setReportName(kSamples + QStringLiteral("/CustomerList"));
    fromModel.setRecordset(&model);
    const auto pages = show(fromModel);
    EXPECT_EQ(exporting::detailsCsv(*pages),
              QByteArray("No,Name,City,VIP\r\n40,Alfa,Pisa,False\r\n41,Zeta,Lecce,True\r\n"));
}

TEST_F(EndToEnd, FormulaTextsFromTheRequestAndFailuresThatNameTheirCause)
{
    viewreport::ORXDLLViewReport request;
    request.setReportName(kSamples + QStringLiteral("/ProductSales"));
    request.Formulas()->Add(QStringLiteral("Discount"), QStringLiteral("0"));
    const auto pages = show(request);
    const auto amounts = named(*pages, QStringLiteral("Amount"));
    const auto nets = named(*pages, QStringLiteral("Net"));
    ASSERT_EQ(amounts.size(), nets.size());
    ASSERT_FALSE(amounts.empty());
    for (std::size_t i = 0; i < amounts.size(); ++i)
        EXPECT_EQ(amounts[i]->text, nets[i]->text);
    // Summaries in a group header and a formula over the group: the shares of a category add up to 100.
    EXPECT_EQ(static_cast<int>(amounts.size()), sql(QStringLiteral("SELECT COUNT(*) FROM order_lines WHERE quantity * unit_price >= 5")).toInt());

    const struct {
        const char* formula;
        const char* text;
        int number;
        const char* message;
    } failures[] = {
        {"Discount", "1 / ({Lines.quantity} - {Lines.quantity})", rterr::FormulaFailed,
         "The formula Discount failed on record 1: division by zero (column 5)"},
        {"Discount", "{@Net}", rterr::FormulaInvalid, "The formula Discount refers to itself: Discount -> Net -> Discount"},
        {"Amount", "{Lines.nothing}", rterr::FormulaInvalid, "The formula Amount is not valid: a field of the report's tables is expected here; there is no {Lines.nothing} (column 1)"},
    };
    for (const auto& f : failures) {
        viewreport::ORXDLLViewReport bad;
        bad.setReportName(kSamples + QStringLiteral("/ProductSales"));
        bad.Formulas()->Add(QString::fromLatin1(f.formula), QString::fromLatin1(f.text));
        try {
            show(bad);
            ADD_FAILURE() << f.text << " ran";
        } catch (const basic::BasicError& e) {
            EXPECT_EQ(e.number(), f.number) << e.description().toStdString();
            EXPECT_EQ(e.description().toStdString(), f.message);
        }
    }
}

TEST_F(EndToEnd, ThePreviewWindowShowsThePagesInOurViewer)
{
    viewreport::ORXDLLViewReport request;
    request.setReportName(kSamples + QStringLiteral("/CustomerList"));
    request.setMode(1);
    request.Show();
    settle();
    viewer::PageViewer* shown = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (qobject_cast<viewreport::ORXDLLViewReportFRM*>(w))
            shown = w->findChild<viewer::PageViewer*>();
    }
    ASSERT_NE(shown, nullptr);
    ASSERT_NE(shown->pages(), nullptr) << "ViewReport laid the report out";
    EXPECT_EQ(shown->getProperty(viewerid::PageCount).toInt(), shown->pages()->pageCount());
    EXPECT_FALSE(shown->getProperty(viewerid::IsBusy).toBool());
    shown->call(viewerid::ShowLastPage);
    EXPECT_EQ(shown->currentPage(), shown->pages()->pageCount() - 1);
    // A click on a field tells the host the field and its value.
    QString clicked;
    QObject::connect(shown, &Viewer::Clicked, shown, [&](int, int, ViewerEventInfo* info, bool&) {
        const int last = info->Fields().Count();
        if (last > 0)
            clicked = info->Fields().Item(last).Name() + QLatin1Char('=') + info->Fields().Item(last).Value().toString();
    });
    shown->call(viewerid::ShowFirstPage);
    shown->resize(800, 1100);
    const auto* name = named(*shown->pages(), QStringLiteral("Name")).front();
    QTest::mouseClick(shown, Qt::LeftButton, {}, shown->viewerPoint(QRectF(name->rect).center()));
    EXPECT_EQ(clicked, QStringLiteral("Field:Customers.name=") + name->text) << "the field clicked comes last";
    // The windows are picked out before any is deleted: deleting one deletes its own
    // top-level children (the zoom box's pop-up), which the list still holds.
    QList<QPointer<QWidget>> windows;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (qobject_cast<viewreport::ORXDLLViewReportFRM*>(w))
            windows << w;
    }
    for (const QPointer<QWidget>& w : windows)
        delete w.data();
}

TEST_F(EndToEnd, ASubreportTakesTheRecordsetTheRequestGivesForIt)
{
    // The sub-report's key formula ORXSubReportName names it "Lines"; both its tables read this
    // model (the request gives one recordset for all of them), its products looked up by product_id.
    QStandardItemModel lines(0, 7);
    lines.setHorizontalHeaderLabels({QStringLiteral("order_id"), QStringLiteral("line_no"), QStringLiteral("product_id"),
                                     QStringLiteral("quantity"), QStringLiteral("unit_price"), QStringLiteral("name"), QStringLiteral("other")});
    for (int order = 1; order <= 300; ++order) {
        lines.appendRow({new QStandardItem(QString::number(order)), new QStandardItem(QStringLiteral("1")),
                         new QStandardItem(QString::number(order)), new QStandardItem(QStringLiteral("2")),
                         new QStandardItem(QStringLiteral("1.5")), new QStandardItem(QStringLiteral("Gift %1").arg(order)),
                         new QStandardItem()});
    }
    viewreport::ORXDLLViewReport request;
    request.setReportName(kSamples + QStringLiteral("/Orders"));
    request.SubReports()->Add(QStringLiteral("Lines"), &lines);
    const auto pages = show(request);
    const auto orders = named(*pages, QStringLiteral("Order"));
    const auto products = named(*pages, QStringLiteral("Product"), true);
    ASSERT_EQ(products.size(), orders.size()) << "one line per order, from the recordset";
    for (std::size_t i = 0; i < orders.size(); ++i)
        EXPECT_EQ(products[i]->text, QStringLiteral("Gift ") + orders[i]->text);
}

TEST_F(EndToEnd, AMissingTableEndsTheRunNamingTableAndLocation)
{
    const QString folder = test::freshFolder(QStringLiteral("empty"));
    const QString db = QDir(folder).filePath(QStringLiteral("empty.db"));
    {
        QSqlDatabase c = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("mk"));
        c.setDatabaseName(db);
        ASSERT_TRUE(c.open());
        QSqlQuery(c).exec(QStringLiteral("CREATE TABLE other (x INTEGER)"));
    }
    QSqlDatabase::removeDatabase(QStringLiteral("mk"));
    viewreport::ORXDLLViewReport request;
    request.setReportName(kSamples + QStringLiteral("/CustomerList"));
    request.setLocationDB(db);
    request.setPassWordDB(QStringLiteral("hunter2"));
    try {
        show(request);
        FAIL() << "the run went on without its table";
    } catch (const basic::BasicError& e) {
        EXPECT_EQ(e.number(), rterr::TableMissing);
        EXPECT_EQ(e.description(), QStringLiteral("Table Customers at %1: there is no table customers").arg(db));
        EXPECT_FALSE(e.description().contains(QStringLiteral("hunter2")));
    }
}

}  // namespace
