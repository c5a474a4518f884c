#include "reportrt/data/RecordReader.h"

#include "reportrt/ErrorNumbers.h"
#include "reportrt/RuntimeError.h"
#include "reportrt/data/RowSource.h"
#include "reportrt/data/SavedRecords.h"

#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <cmath>
#include <sqlite3.h>
#include <unordered_map>

namespace orx::reportrt::data {

using definition::TableDef;
using formula::Type;

namespace {

QString locationText(const TableInput& t)
{
    return t.binding.location.isEmpty() ? t.def->location : t.binding.location;
}

QString sourceText(const TableInput& t)
{
    if (!t.binding.source.isEmpty())
        return t.binding.source;
    return t.def->source.isEmpty() ? t.def->name : t.def->source;
}

// The query of a table is used only while the program has not pointed it at another table.
QString queryText(const TableInput& t)
{
    return t.binding.source.isEmpty() ? t.def->query : QString();
}

QString fromClause(const TableInput& t)
{
    const QString q = queryText(t);
    return q.isEmpty() ? quoteIdentifier(sourceText(t)) : QStringLiteral("(%1)").arg(q);
}

[[noreturn]] void dataError(int number, const TableInput& t, const QString& where, const QString& why)
{
    raiseRuntimeError(number, rterr::source(), QStringLiteral("Table %1 at %2: %3").arg(t.def->name, where, why));
}

Value convert(const QVariant& v, Type type, const TableInput& t, const QString& where, int field, qint64 row)
{
    bool ok = true;
    Value out = Value::fromVariant(v, type, &ok);
    if (!ok) {
        dataError(rterr::DataReadFailed, t, where,
                  QStringLiteral("the value \"%1\" of field %2 in row %3 is not %4")
                      .arg(v.toString().left(40), t.def->fields[field].name).arg(row).arg(formula::typeName(type)));
    }
    return out;
}

// Column names of a table or query, checked against the table's fields:
// the position of each field among the columns.
std::vector<int> checkColumns(QSqlDatabase& db, const TableInput& t, const Location& loc)
{
    QSqlQuery probe(db);
    probe.setForwardOnly(true);
    if (!probe.exec(QStringLiteral("SELECT * FROM %1 AS probe WHERE 1 = 0").arg(fromClause(t)))) {
        const QString source = sourceText(t);
        if (queryText(t).isEmpty()) {
            bool found = false;
            const QString last = source.section(QLatin1Char('.'), -1);
            for (const QString& name : db.tables(QSql::AllTables)) {
                if (name.compare(source, Qt::CaseInsensitive) == 0 || name.compare(last, Qt::CaseInsensitive) == 0)
                    found = true;
            }
            if (!found)
                dataError(rterr::TableMissing, t, loc.shown, QStringLiteral("there is no table %1").arg(source));
        }
        dataError(rterr::DataReadFailed, t, loc.shown, probe.lastError().text());
    }
    const QSqlRecord rec = probe.record();
    std::vector<int> positions;
    for (const auto& f : t.def->fields) {
        const int i = rec.indexOf(f.name);
        if (i < 0) {
            QStringList have;
            for (int c = 0; c < rec.count(); ++c)
                have << rec.fieldName(c);
            dataError(rterr::ColumnMissing, t, loc.shown,
                      QStringLiteral("there is no column %1 (the columns are %2)").arg(f.name, have.join(QStringLiteral(", "))));
        }
        positions.push_back(i);
    }
    return positions;
}

}  // namespace

namespace {

class SqlSource : public RowSource {
public:
    // `tables` share one database; the first is read and the others joined.
    SqlSource(QSqlDatabase db, const std::vector<const TableInput*>& tables, const std::vector<int>& offsets,
              const std::vector<definition::LinkDef>& links, const std::vector<std::pair<int, Value>>& filters,
              const std::vector<std::pair<int, bool>>& order, const Location& loc, const QString& tableForErrors)
        : query_(db), tables_(tables), loc_(loc)
    {
        QStringList columns;
        QStringList joins;
        for (std::size_t i = 0; i < tables.size(); ++i) {
            const auto positions = checkColumns(db, *tables[i], loc);
            Q_UNUSED(positions);
            for (const auto& f : tables[i]->def->fields) {
                columns << QStringLiteral("t%1.%2").arg(i).arg(quoteIdentifier(f.name));
                types_.push_back(formula::typeOf(f.type));
                fieldOf_.push_back({static_cast<int>(i), static_cast<int>(&f - tables[i]->def->fields.data())});
            }
        }
        auto alias = [&](const QString& table) {
            for (std::size_t i = 0; i < tables.size(); ++i) {
                if (tables[i]->def->name.compare(table, Qt::CaseInsensitive) == 0)
                    return static_cast<int>(i);
            }
            return -1;
        };
        for (std::size_t i = 1; i < tables.size(); ++i) {
            QStringList on;
            for (const auto& l : links) {
                if (alias(l.toTable) == static_cast<int>(i) && alias(l.fromTable) >= 0)
                    on << QStringLiteral("t%1.%2 = t%3.%4")
                              .arg(alias(l.fromTable)).arg(quoteIdentifier(l.fromField)).arg(i).arg(quoteIdentifier(l.toField));
            }
            joins << QStringLiteral("LEFT JOIN %1 AS t%2 ON %3")
                         .arg(fromClause(*tables[i])).arg(i).arg(on.isEmpty() ? QStringLiteral("1 = 0") : on.join(QStringLiteral(" AND ")));
        }
        auto columnOf = [&](int recordIndex) {
            for (std::size_t i = 0; i < tables.size(); ++i) {
                const int first = offsets[i];
                const int n = static_cast<int>(tables[i]->def->fields.size());
                if (recordIndex >= first && recordIndex < first + n)
                    return QStringLiteral("t%1.%2").arg(i).arg(quoteIdentifier(tables[i]->def->fields[recordIndex - first].name));
            }
            return QString();
        };
        const bool postgres = db.driverName() == QLatin1String("QPSQL");
        QStringList where;
        for (const auto& [index, value] : filters) {
            where << (value.isNull() ? columnOf(index) + QStringLiteral(" IS NULL") : columnOf(index) + QStringLiteral(" = ?"));
        }
        QStringList orderBy;
        for (const auto& [index, descending] : order) {
            const QString collate = postgres && types_[index - offsets[0]] == Type::String ? QStringLiteral(" COLLATE \"C\"") : QString();
            orderBy << columnOf(index) + collate + (descending ? QStringLiteral(" DESC NULLS LAST") : QStringLiteral(" ASC NULLS FIRST"));
        }
        sql_ = QStringLiteral("SELECT %1 FROM %2 AS t0").arg(columns.join(QStringLiteral(", ")), fromClause(*tables[0]));
        if (!joins.isEmpty())
            sql_ += QLatin1Char(' ') + joins.join(QLatin1Char(' '));
        if (!where.isEmpty())
            sql_ += QStringLiteral(" WHERE ") + where.join(QStringLiteral(" AND "));
        if (!orderBy.isEmpty())
            sql_ += QStringLiteral(" ORDER BY ") + orderBy.join(QStringLiteral(", "));
        if (prepareSqlite(db, filters))
            return;
        query_.setForwardOnly(true);
        if (!query_.prepare(sql_))
            dataError(rterr::DataReadFailed, *tables[0], loc.shown, query_.lastError().text());
        for (const auto& [index, value] : filters) {
            if (!value.isNull())
                query_.addBindValue(value.type == Type::String ? QVariant(value.text) : value.toVariant());
        }
        if (!query_.exec())
            dataError(rterr::DataReadFailed, *tables[0], loc.shown, query_.lastError().text());
        Q_UNUSED(tableForErrors);
    }

    ~SqlSource() override
    {
        if (stmt_)
            sqlite3_finalize(stmt_);
    }

    bool next(std::vector<Value>& row, int offset) override
    {
        if (stmt_)
            return nextSqlite(row, offset);
        if (!query_.next()) {
            if (query_.lastError().isValid())
                dataError(rterr::DataReadFailed, *tables_[0], loc_.shown, query_.lastError().text());
            return false;
        }
        ++row_;
        for (int c = 0; c < static_cast<int>(types_.size()); ++c) {
            const auto [t, f] = fieldOf_[c];
            row[offset + c] = convert(query_.value(c), types_[c], *tables_[t], loc_.shown, f, row_);
        }
        return true;
    }

private:
    // An SQLite file is read through SQLite's own interface, on the
    // connection Qt SQL opened: no row cache and no variant per value.
    // Values come out as Qt's SQLite driver gives them. A statement SQLite
    // refuses, or a filter value other than text or a number, is left to
    // Qt SQL (and its error texts).
    bool prepareSqlite(const QSqlDatabase& db, const std::vector<std::pair<int, Value>>& filters)
    {
        if (db.driverName() != QLatin1String("QSQLITE"))
            return false;
        const QVariant handle = db.driver()->handle();
        if (!handle.isValid() || qstrcmp(handle.typeName(), "sqlite3*") != 0)
            return false;
        sqlite3* connection = *static_cast<sqlite3* const*>(handle.constData());
        for (const auto& f : filters) {
            if (!f.second.isNull() && f.second.type != Type::String && !formula::isNumeric(f.second.type))
                return false;
        }
        const QByteArray sql = sql_.toUtf8();
        if (!connection || sqlite3_prepare_v2(connection, sql.constData(), static_cast<int>(sql.size()), &stmt_, nullptr) != SQLITE_OK) {
            sqlite3_finalize(stmt_);
            stmt_ = nullptr;
            return false;
        }
        int position = 1;
        for (const auto& [index, value] : filters) {
            if (value.isNull())
                continue;
            if (value.type == Type::String)
                sqlite3_bind_text16(stmt_, position++, value.text.utf16(), static_cast<int>(value.text.size() * 2), SQLITE_TRANSIENT);
            else
                sqlite3_bind_double(stmt_, position++, value.number);
        }
        return true;
    }

    bool nextSqlite(std::vector<Value>& row, int offset)
    {
        const int rc = sqlite3_step(stmt_);
        if (rc == SQLITE_DONE)
            return false;
        if (rc != SQLITE_ROW)
            dataError(rterr::DataReadFailed, *tables_[0], loc_.shown, QString::fromUtf8(sqlite3_errmsg(sqlite3_db_handle(stmt_))));
        ++row_;
        for (int c = 0; c < static_cast<int>(types_.size()); ++c)
            row[offset + c] = sqliteValue(c);
        return true;
    }

    Value sqliteValue(int c) const
    {
        const Type type = types_[c];
        const bool number = type == Type::Number || type == Type::Currency;
        QVariant v;
        switch (sqlite3_column_type(stmt_, c)) {
        case SQLITE_INTEGER: {
            const qint64 n = sqlite3_column_int64(stmt_, c);
            if (number)
                return {type, static_cast<double>(n), {}};
            v = QVariant(static_cast<qlonglong>(n));
            break;
        }
        case SQLITE_FLOAT: {
            const double d = sqlite3_column_double(stmt_, c);
            if (number && std::isfinite(d))
                return {type, d, {}};
            v = QVariant(d);
            break;
        }
        case SQLITE_NULL:
            return type == Type::String ? Value::ofString(QString()) : Value::null();
        case SQLITE_BLOB:
            v = QByteArray(static_cast<const char*>(sqlite3_column_blob(stmt_, c)), sqlite3_column_bytes(stmt_, c));
            break;
        default: {
            const auto* text = static_cast<const QChar*>(sqlite3_column_text16(stmt_, c));
            QString s(text, sqlite3_column_bytes16(stmt_, c) / 2);
            if (type == Type::String)
                return Value::ofString(std::move(s));
            v = std::move(s);
            break;
        }
        }
        const auto [t, f] = fieldOf_[c];
        return convert(v, type, *tables_[t], loc_.shown, f, row_);
    }

    sqlite3_stmt* stmt_ = nullptr;
    QSqlQuery query_;
    std::vector<const TableInput*> tables_;
    Location loc_;
    QString sql_;
    std::vector<Type> types_;
    std::vector<std::pair<int, int>> fieldOf_;  // column -> table, field
    qint64 row_ = 0;
};

class ModelSource : public RowSource {
public:
    explicit ModelSource(const TableInput& t)
        : table_(t), model_(t.binding.model)
    {
        if (!model_)
            dataError(rterr::DataUnavailable, t, where(), QStringLiteral("the recordset given for it no longer exists"));
        const int columns = model_->columnCount();
        for (const auto& f : t.def->fields) {
            int found = -1;
            QStringList have;
            for (int c = 0; c < columns; ++c) {
                const QString header = model_->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString();
                have << header;
                if (found < 0 && header.compare(f.name, Qt::CaseInsensitive) == 0)
                    found = c;
            }
            if (found < 0)
                dataError(rterr::ColumnMissing, t, where(),
                          QStringLiteral("there is no column %1 (the columns are %2)").arg(f.name, have.join(QStringLiteral(", "))));
            columns_.push_back(found);
            types_.push_back(formula::typeOf(f.type));
        }
    }

    bool next(std::vector<Value>& row, int offset) override
    {
        if (!model_)
            dataError(rterr::DataUnavailable, table_, where(), QStringLiteral("the recordset was destroyed while it was read"));
        // Models that load lazily (QSqlQueryModel) are fetched as they are read.
        while (row_ >= model_->rowCount() && model_->canFetchMore(QModelIndex()))
            model_->fetchMore(QModelIndex());
        if (row_ >= model_->rowCount())
            return false;
        for (int c = 0; c < static_cast<int>(columns_.size()); ++c)
            row[offset + c] = convert(model_->index(row_, columns_[c]).data(Qt::EditRole), types_[c], table_, where(), c, row_ + 1);
        ++row_;
        return true;
    }

private:
    QString where() const { return QStringLiteral("a recordset"); }

    const TableInput& table_;
    QPointer<QAbstractItemModel> model_;
    std::vector<int> columns_;
    std::vector<Type> types_;
    int row_ = 0;
};

std::unique_ptr<RowSource> openSingle(const TableInput& t, const QString& baseDir, Connections& connections,
                                      const std::vector<std::pair<int, Value>>& filters,
                                      const std::vector<std::pair<int, bool>>& order, int offset)
{
    if (t.binding.hasModel)
        return std::make_unique<ModelSource>(t);
    const Location loc = Location::parse(locationText(t), baseDir);
    QSqlDatabase db = connections.open(loc, t.binding.user, t.binding.password, t.def->name);
    return std::make_unique<SqlSource>(db, std::vector<const TableInput*>{&t}, std::vector<int>{offset}, std::vector<definition::LinkDef>{},
                                       filters, order, loc, t.def->name);
}

QString keyOf(const Value& v)
{
    if (v.isNull())
        return {};
    if (v.type == Type::String)
        return QLatin1Char('s') + v.text;
    return QLatin1Char('n') + QString::number(v.number, 'g', 17);
}

}  // namespace

// A linked table read into memory, by the value of its link field.
struct RecordReader::Lookup {
    int fromIndex = 0;  // the record field holding the value to look up
    int offset = 0;     // where the table's fields go in the record
    int width = 0;
    std::unordered_map<QString, std::vector<Value>> rows;
};

RecordReader::RecordReader(const ReadPlan& givenPlan, Connections& connections)
    : plan_(givenPlan)
{
    const ReadPlan& plan = plan_;
    for (const auto& t : plan.tables) {
        offsets_.push_back(width_);
        width_ += static_cast<int>(t.def->fields.size());
    }
    buffer_.resize(width_);
    auto tableIndex = [&](const QString& name) {
        for (std::size_t i = 0; i < plan.tables.size(); ++i) {
            if (plan.tables[i].def->name.compare(name, Qt::CaseInsensitive) == 0)
                return static_cast<int>(i);
        }
        return -1;
    };
    auto fieldIndex = [&](int table, const QString& field) {
        const auto& fields = plan.tables[table].def->fields;
        for (std::size_t f = 0; f < fields.size(); ++f) {
            if (fields[f].name.compare(field, Qt::CaseInsensitive) == 0)
                return offsets_[table] + static_cast<int>(f);
        }
        raiseRuntimeError(rterr::ColumnMissing, rterr::source(),
                          QStringLiteral("Table %1: the link names the field %2, which the table does not declare")
                              .arg(plan.tables[table].def->name, field));
    };

    // Records saved in the report file: read in the order saved, filtered here.
    if (!plan.tables.empty() && plan.tables.front().binding.saved) {
        main_ = openSavedRecords(plan.tables.front().binding.saved, width_);
        filters_ = plan.filters;
        return;
    }

    // One database for every table: the database joins, filters and sorts.
    bool oneDatabase = !plan.tables.empty();
    QString firstKey;
    for (const auto& t : plan.tables) {
        if (t.binding.hasModel) {
            oneDatabase = false;
            break;
        }
        const Location loc = Location::parse(locationText(t), plan.baseDir);
        const QString key = loc.driver + QLatin1Char('|') + loc.database + QLatin1Char('|') + loc.host + QLatin1Char('|')
                            + QString::number(loc.port) + QLatin1Char('|') + t.binding.user;
        if (firstKey.isEmpty())
            firstKey = key;
        else if (key != firstKey)
            oneDatabase = false;
    }
    if (oneDatabase) {
        const TableInput& first = plan.tables.front();
        const Location loc = Location::parse(locationText(first), plan.baseDir);
        QSqlDatabase db = connections.open(loc, first.binding.user, first.binding.password, first.def->name);
        std::vector<const TableInput*> all;
        for (const auto& t : plan.tables)
            all.push_back(&t);
        for (const auto& l : plan.links) {
            if (tableIndex(l.fromTable) < 0 || tableIndex(l.toTable) < 0)
                continue;
            fieldIndex(tableIndex(l.fromTable), l.fromField);
            fieldIndex(tableIndex(l.toTable), l.toField);
        }
        main_ = std::make_unique<SqlSource>(db, all, offsets_, plan.links, plan.filters, plan.order, loc, first.def->name);
        sortedInSource_ = true;
        return;
    }

    // Otherwise the main table is streamed and the others are looked up.
    std::vector<std::pair<int, Value>> mainFilters;
    for (const auto& f : plan.filters) {
        if (f.first < width_ && f.first < static_cast<int>(plan.tables[0].def->fields.size()) && !plan.tables[0].binding.hasModel)
            mainFilters.push_back(f);
        else
            filters_.push_back(f);
    }
    main_ = openSingle(plan.tables[0], plan.baseDir, connections, mainFilters, {}, 0);
    for (const auto& l : plan.links) {
        const int from = tableIndex(l.fromTable);
        const int to = tableIndex(l.toTable);
        if (from < 0 || to <= 0)
            continue;
        auto lookup = std::make_unique<Lookup>();
        lookup->fromIndex = fieldIndex(from, l.fromField);
        lookup->offset = offsets_[to];
        lookup->width = static_cast<int>(plan.tables[to].def->fields.size());
        const int keyIndex = fieldIndex(to, l.toField) - offsets_[to];
        auto source = openSingle(plan.tables[to], plan.baseDir, connections, {}, {}, 0);
        std::vector<Value> row(lookup->width);
        while (source->next(row, 0))
            lookup->rows.emplace(keyOf(row[keyIndex]), row);  // the first row of a key wins
        lookups_.push_back(std::move(lookup));
    }
}

RecordReader::~RecordReader() = default;

bool RecordReader::next(std::vector<Value>& record)
{
    record.resize(width_);
    for (;;) {
        if (!main_->next(record, 0))
            return false;
        for (const auto& l : lookups_) {
            const auto it = l->rows.find(keyOf(record[l->fromIndex]));
            for (int i = 0; i < l->width; ++i)
                record[l->offset + i] = it == l->rows.end() ? Value::null() : it->second[i];
        }
        bool keep = true;
        for (const auto& [index, value] : filters_) {
            if (!(record[index] == value) || record[index].isNull() != value.isNull())
                keep = false;
        }
        if (keep)
            return true;
    }
}

void testTable(const TableInput& table, const QString& baseDir, Connections& connections)
{
    if (table.binding.saved)
        return;  // the saved records are there; the table is not read
    if (table.binding.hasModel) {
        ModelSource probe(table);
        return;
    }
    const Location loc = Location::parse(locationText(table), baseDir);
    QSqlDatabase db = connections.open(loc, table.binding.user, table.binding.password, table.def->name);
    checkColumns(db, table, loc);
}

}  // namespace orx::reportrt::data
