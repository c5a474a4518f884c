#pragma once

#include "reportrt/ReportRTExport.h"

#include "reportrt/data/Connections.h"
#include "reportrt/definition/ReportDefinition.h"
#include "reportrt/formula/Value.h"

#include <QAbstractItemModel>
#include <QPointer>
#include <memory>
#include <vector>

// The records of a report: the rows of its main table joined to its linked
// tables, read one at a time. Each table reads from its report file's
// location, from a location a program set, or from a program's item model
// (columns matched to fields by header name). When every table is in one
// database the join, the link filters of a sub-report and the sort are done
// by that database in one query; otherwise the main table is streamed and
// each linked table is read once into a lookup by its link field.
namespace orx::reportrt::data {

using formula::Value;

// Where a program pointed one table.
struct ORX_REPORTRT_EXPORT TableBinding {
    QString location;  // empty: the report file's location
    QString source;    // empty: the report file's source table
    QPointer<QAbstractItemModel> model;
    bool hasModel = false;  // a model was given (it may since have been destroyed)
    QString user;
    QString password;
    // The records saved in the report file, read instead of the tables when
    // set (on the main table's binding; they hold every table's fields).
    std::shared_ptr<const definition::SavedData> saved;
};

struct ORX_REPORTRT_EXPORT TableInput {
    const definition::TableDef* def = nullptr;
    TableBinding binding;
};

struct ORX_REPORTRT_EXPORT ReadPlan {
    std::vector<TableInput> tables;  // the main table first
    std::vector<definition::LinkDef> links;
    QString baseDir;  // the report file's folder, for relative locations
    // Only records whose field (index into the record) equals the value.
    std::vector<std::pair<int, Value>> filters;
    // The order wanted: record field index and descending. The database
    // applies it when it can (sortedInSource()).
    std::vector<std::pair<int, bool>> order;
};

class RowSource;

class ORX_REPORTRT_EXPORT RecordReader {
public:
    RecordReader(const ReadPlan& plan, Connections& connections);
    ~RecordReader();

    bool next(std::vector<Value>& record);
    bool sortedInSource() const { return sortedInSource_; }
    // The index in a record of the first field of each table.
    const std::vector<int>& offsets() const { return offsets_; }

private:
    struct Lookup;
    ReadPlan plan_;  // the sources keep references into it
    std::unique_ptr<RowSource> main_;
    std::vector<std::unique_ptr<Lookup>> lookups_;
    std::vector<std::pair<int, Value>> filters_;
    std::vector<int> offsets_;
    int width_ = 0;
    bool sortedInSource_ = false;
    std::vector<Value> buffer_;
};

// Opens a table's data and checks its fields are there; raises the error a
// run would.
ORX_REPORTRT_EXPORT void testTable(const TableInput& table, const QString& baseDir, Connections& connections);

}  // namespace orx::reportrt::data
