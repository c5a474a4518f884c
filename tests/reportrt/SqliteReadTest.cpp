// SQLite files are read through SQLite's own interface: every storage class
// in every field type gives the value (or the refusal) that Qt's SQLite
// driver gives, read here through a QSqlQueryModel of the same query.
#include "platform/basic/BasicError.h"
#include "reportrt/data/RecordReader.h"
#include "tests/reportrt/ReportTestData.h"

#include <QSqlQueryModel>
#include <gtest/gtest.h>

using namespace orx;
using namespace orx::reportrt;
using namespace orx::reportrt::definition;

namespace {

// The values of the one field, each as type:text:null-text, or the error.
QStringList readColumn(const TableDef& def, const data::TableBinding& binding, data::Connections& connections)
{
    data::ReadPlan plan;
    plan.tables.push_back({&def, binding});
    QStringList out;
    try {
        data::RecordReader reader(plan, connections);
        std::vector<formula::Value> record;
        while (reader.next(record))
            out << QStringLiteral("%1:%2:%3").arg(static_cast<int>(record[0].type)).arg(record[0].display()).arg(record[0].text.isNull());
    } catch (const basic::BasicError& e) {
        out << QStringLiteral("error %1: %2").arg(e.number()).arg(e.description().section(QLatin1Char(':'), 2));
    }
    return out;
}

TEST(SqliteRead, EveryStorageClassReadsAsQtsDriverGivesIt)
{
    basic::ScopedRegional us{basic::RegionalSettings::unitedStates()};
    const QString db = test::makeDatabase(
        QStringLiteral("kinds.db"),
        {QStringLiteral("CREATE TABLE k (id INTEGER PRIMARY KEY, v)"),
         QStringLiteral("INSERT INTO k (v) VALUES (42), (-7), (2.5), (1e300), ('12.5'), ('2024-03-15'), "
                        "('2024-03-15T14:30:00'), ('true'), (''), ('  '), (NULL), (x'414243'), ('Città'), (0), (1)")});
    const ValueType types[] = {ValueType::Number, ValueType::Currency, ValueType::String, ValueType::Date,
                               ValueType::DateTime, ValueType::Boolean};
    data::Connections connections;
    for (const ValueType type : types) {
        // One row at a time, so that a value a type refuses does not hide the rest.
        for (int id = 1; id <= 15; ++id) {
            TableDef def{QStringLiteral("K"), db, {}, QStringLiteral("SELECT v FROM k WHERE id = %1").arg(id),
                         {{QStringLiteral("v"), type}}};
            const QStringList direct = readColumn(def, {}, connections);
            QSqlDatabase qt = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("kinds-model"));
            qt.setDatabaseName(db);
            ASSERT_TRUE(qt.open());
            QStringList throughQt;
            {
                QSqlQueryModel model;
                model.setQuery(QStringLiteral("SELECT v FROM k WHERE id = %1").arg(id), qt);
                data::TableBinding binding;
                binding.model = &model;
                binding.hasModel = true;
                throughQt = readColumn(def, binding, connections);
            }
            qt.close();
            qt = QSqlDatabase();
            QSqlDatabase::removeDatabase(QStringLiteral("kinds-model"));
            if (type == ValueType::Number && id == 5) {
                EXPECT_EQ(direct, QStringList{QStringLiteral("1:12.5:1")});  // text read as a number
            }
            if (type == ValueType::String && id == 11) {
                EXPECT_EQ(direct, QStringList{QStringLiteral("4::1")});  // NULL in a string field: an empty text
            }
            if (type == ValueType::Date && id == 13) {
                ASSERT_EQ(direct.size(), 1);
                EXPECT_TRUE(direct[0].startsWith(QStringLiteral("error "))) << direct[0].toStdString();
            }
            // Errors name the place differently (a location, a recordset): the reason must agree.
            EXPECT_EQ(direct.join(QLatin1Char('|')).section(QStringLiteral(" in row "), 0, 0),
                      throughQt.join(QLatin1Char('|')).section(QStringLiteral(" in row "), 0, 0))
                << valueTypeName(type).toStdString() << " row " << id;
        }
    }
}

}  // namespace
