// Records from SQLite files and item models: joins, filters and sorts in the
// database or in memory, the external sort, and errors that name the table
// and location.
#include "platform/basic/BasicError.h"
#include "reportrt/ErrorNumbers.h"
#include "reportrt/data/RecordReader.h"
#include "reportrt/data/Sorter.h"
#include "tests/reportrt/ReportTestData.h"

#include <QFileInfo>
#include <QSqlQueryModel>
#include <QStandardItemModel>
#include <gtest/gtest.h>

using namespace orx;
using namespace orx::reportrt;
using namespace orx::reportrt::data;
using definition::FieldDef;
using definition::TableDef;
using definition::ValueType;

namespace {

TableDef ordersTable(const QString& location)
{
    return {QStringLiteral("Orders"), location, QStringLiteral("orders"), {},
            {{QStringLiteral("id"), ValueType::Number}, {QStringLiteral("customer_id"), ValueType::Number},
             {QStringLiteral("order_date"), ValueType::Date}, {QStringLiteral("total"), ValueType::Currency}}};
}

TableDef customersTable(const QString& location)
{
    return {QStringLiteral("Customers"), location, QStringLiteral("customers"), {},
            {{QStringLiteral("id"), ValueType::Number}, {QStringLiteral("name"), ValueType::String},
             {QStringLiteral("vip"), ValueType::Boolean}}};
}

QStringList readAll(const ReadPlan& plan, bool* sorted = nullptr)
{
    Connections connections;
    RecordReader reader(plan, connections);
    if (sorted)
        *sorted = reader.sortedInSource();
    QStringList rows;
    std::vector<Value> r;
    while (reader.next(r)) {
        QStringList cells;
        for (const auto& v : r)
            cells << (v.isNull() ? QStringLiteral("-") : v.type == formula::Type::Date ? v.display(QStringLiteral("yyyy-mm-dd")) : v.display());
        rows << cells.join(QLatin1Char('|'));
    }
    return rows;
}

template <class F>
QString errorOf(F&& f, int* number = nullptr)
{
    try {
        f();
    } catch (const basic::BasicError& e) {
        if (number)
            *number = e.number();
        return e.description();
    }
    return {};
}

class RecordReaderTest : public ::testing::Test {
protected:
    basic::ScopedRegional us{basic::RegionalSettings::unitedStates()};
    QString db = test::makeDatabase(QStringLiteral("shop.db"), test::shopStatements());
};

TEST_F(RecordReaderTest, OneDatabaseJoinsFiltersAndSortsInSql)
{
    const TableDef orders = ordersTable(db), customers = customersTable(db);
    ReadPlan plan;
    plan.tables = {{&orders, {}}, {&customers, {}}};
    plan.links = {{QStringLiteral("Orders"), QStringLiteral("customer_id"), QStringLiteral("Customers"), QStringLiteral("id")}};
    plan.order = {{5, false}, {3, true}};  // customer name, then total descending
    plan.filters = {{6, Value::ofBoolean(true)}};
    bool sorted = false;
    EXPECT_EQ(readAll(plan, &sorted),
              (QStringList{QStringLiteral("1|1|2024-01-05|100|1|Rossi|True"), QStringLiteral("3|1|2024-02-02|20|1|Rossi|True"),
                           QStringLiteral("6|1|2024-01-31|5|1|Rossi|True"), QStringLiteral("4|3|2024-02-14|75|3|Verdi|True")}));
    EXPECT_TRUE(sorted);
}

TEST_F(RecordReaderTest, AModelJoinedToADatabaseTableIsLookedUp)
{
    const TableDef orders = ordersTable(db), customers = customersTable(db);
    QStandardItemModel model(0, 4);
    model.setHorizontalHeaderLabels({QStringLiteral("TOTAL"), QStringLiteral("id"), QStringLiteral("customer_id"), QStringLiteral("order_date")});
    model.appendRow({new QStandardItem(QStringLiteral("12.5")), new QStandardItem(QStringLiteral("9")),
                     new QStandardItem(QStringLiteral("3")), new QStandardItem(QStringLiteral("2024-03-01"))});
    model.appendRow({new QStandardItem(QStringLiteral("1")), new QStandardItem(QStringLiteral("8")),
                     new QStandardItem(QStringLiteral("7")), new QStandardItem(QString())});
    ReadPlan plan;
    TableBinding b;
    b.model = &model;
    b.hasModel = true;
    plan.tables = {{&orders, b}, {&customers, {}}};
    plan.links = {{QStringLiteral("Orders"), QStringLiteral("customer_id"), QStringLiteral("Customers"), QStringLiteral("id")}};
    plan.order = {{0, true}};
    bool sorted = true;
    EXPECT_EQ(readAll(plan, &sorted),
              (QStringList{QStringLiteral("9|3|2024-03-01|12.5|3|Verdi|True"), QStringLiteral("8|7|-|1|-|-|-")}));
    EXPECT_FALSE(sorted) << "a model cannot sort in a database; the run sorts";
}

TEST_F(RecordReaderTest, ASqlQueryModelIsReadThroughAllItsRows)
{
    QSqlDatabase source = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("model-source"));
    source.setDatabaseName(db);
    ASSERT_TRUE(source.open());
    {
        QSqlQueryModel model;
        model.setQuery(QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 700) "
                                      "SELECT i AS id, 1 AS customer_id, '2024-01-01' AS order_date, i * 0.5 AS total FROM n"),
                       source);
        const TableDef orders = ordersTable(db);
        ReadPlan plan;
        TableBinding b;
        b.model = &model;
        b.hasModel = true;
        plan.tables = {{&orders, b}};
        const QStringList rows = readAll(plan);
        ASSERT_EQ(rows.size(), 700) << "rows beyond the model's first fetch are read too";
        EXPECT_EQ(rows.last(), QStringLiteral("700|1|2024-01-01|350"));
    }
    source.close();
    source = QSqlDatabase();
    QSqlDatabase::removeDatabase(QStringLiteral("model-source"));
}

TEST_F(RecordReaderTest, AQueryTableAndAnotherSourceTable)
{
    TableDef big = ordersTable(db);
    big.name = QStringLiteral("Big");
    big.query = QStringLiteral("SELECT * FROM orders WHERE total >= 50");
    ReadPlan plan;
    plan.tables = {{&big, {}}};
    plan.order = {{0, false}};
    EXPECT_EQ(readAll(plan), (QStringList{QStringLiteral("1|1|2024-01-05|100"), QStringLiteral("2|2|2024-01-20|50.5"),
                                          QStringLiteral("4|3|2024-02-14|75")}));
    // A program pointing the table at another source replaces the query.
    TableBinding b;
    b.source = QStringLiteral("orders");
    plan.tables = {{&big, b}};
    EXPECT_EQ(readAll(plan).size(), 6);
}

TEST_F(RecordReaderTest, ErrorsNameTableAndLocationAndNeverThePassword)
{
    const TableDef orders = ordersTable(db);
    TableDef noTable = orders;
    noTable.source = QStringLiteral("orderz");
    TableDef noColumn = orders;
    noColumn.fields.push_back({QStringLiteral("discount"), ValueType::Number});
    TableDef badValue = customersTable(db);
    badValue.fields[1].type = ValueType::Date;
    QStandardItemModel model(1, 1);
    model.setHorizontalHeaderLabels({QStringLiteral("id")});
    auto* gone = new QStandardItemModel(1, 1);
    TableBinding goneBinding;
    goneBinding.model = gone;
    goneBinding.hasModel = true;
    delete gone;
    TableBinding modelBinding;
    modelBinding.model = &model;
    modelBinding.hasModel = true;
    TableBinding missingFile;
    missingFile.location = QStringLiteral("nowhere.db");
    TableBinding server;
    server.location = QStringLiteral("postgresql://report@127.0.0.1:1/shop");
    server.password = QStringLiteral("s3cret-pw");

    const struct {
        const char* what;
        TableInput input;
        int number;
        QString text;
    } cases[] = {
        {"missing table", {&noTable, {}}, rterr::TableMissing, QStringLiteral("Table Orders at %1: there is no table orderz").arg(db)},
        {"missing column", {&noColumn, {}}, rterr::ColumnMissing,
         QStringLiteral("Table Orders at %1: there is no column discount (the columns are id, customer_id, order_date, total)").arg(db)},
        {"value of the wrong type", {&badValue, {}}, rterr::DataReadFailed,
         QStringLiteral("Table Customers at %1: the value \"Rossi\" of field name in row 1 is not a date").arg(db)},
        {"missing model column", {&orders, modelBinding}, rterr::ColumnMissing,
         QStringLiteral("Table Orders at a recordset: there is no column customer_id (the columns are id)")},
        {"destroyed model", {&orders, goneBinding}, rterr::DataUnavailable,
         QStringLiteral("Table Orders at a recordset: the recordset given for it no longer exists")},
        {"missing file", {&orders, missingFile}, rterr::DataUnavailable,
         QStringLiteral("Cannot open the data of table Orders at %1: the database file does not exist")
             .arg(QDir::cleanPath(QFileInfo(db).absolutePath() + QStringLiteral("/nowhere.db")))},
        {"server", {&orders, server}, rterr::DataUnavailable,
         QStringLiteral("Cannot open the data of table Orders at postgresql://report@127.0.0.1:1/shop: ")},
    };
    for (const auto& c : cases) {
        ReadPlan plan;
        plan.tables = {c.input};
        plan.baseDir = QFileInfo(db).absolutePath();
        int number = 0;
        const QString e = errorOf([&] { readAll(plan); }, &number);
        EXPECT_EQ(number, c.number) << c.what << ": " << e.toStdString();
        EXPECT_TRUE(e.startsWith(c.text)) << c.what << ": " << e.toStdString();
        EXPECT_FALSE(e.contains(QStringLiteral("s3cret"))) << c.what;
        if (c.number != rterr::DataReadFailed && c.number != rterr::DataUnavailable) {
            Connections connections;
            EXPECT_EQ(errorOf([&] { testTable(c.input, plan.baseDir, connections); }), e) << c.what;
        }
    }
}

TEST(ExternalSort, RunsOnDiskMergeInOrderAndKeepEqualKeysInArrivalOrder)
{
    for (const std::size_t runLength : {std::size_t(1000), std::size_t(7)}) {
        Sorter sorter({false, true}, runLength);
        for (int i = 0; i < 100; ++i) {
            sorter.add({Value::ofNumber(i % 5), i % 3 == 0 ? Value::null() : Value::ofString(QString::number(i % 4))},
                       {Value::ofNumber(i)});
        }
        sorter.finish();
        EXPECT_EQ(sorter.runsOnDisk() > 0, runLength == 7);
        std::vector<Value> r;
        std::vector<int> order;
        while (sorter.next(r))
            order.push_back(static_cast<int>(r[0].number));
        ASSERT_EQ(order.size(), 100u);
        for (std::size_t k = 1; k < order.size(); ++k) {
            const int a = order[k - 1], b = order[k];
            const auto keyB = [](int i) { return i % 3 == 0 ? -1 : i % 4; };
            if (a % 5 != b % 5) {
                EXPECT_LT(a % 5, b % 5);
            } else if (keyB(a) != keyB(b)) {
                EXPECT_GT(keyB(a), keyB(b)) << "descending, null last";
            } else {
                EXPECT_LT(a, b) << "stable";
            }
        }
    }
}

}  // namespace
