#include "reportrt/data/SavedRecords.h"

#include "reportrt/ErrorNumbers.h"
#include "reportrt/RuntimeError.h"

namespace orx::reportrt::data {

using definition::ValueType;
using formula::Type;

Value savedValue(const std::optional<QString>& text, ValueType type)
{
    if (!text)
        return Value::null();
    if (type == ValueType::String)
        return Value::ofString(*text);
    double n = 0;
    if (!definition::savedNumber(*text, type, n))
        return Value::null();  // the file's reader has refused such a value already
    return {formula::typeOf(type), n, {}};
}

std::optional<QString> savedText(const Value& value)
{
    if (value.isNull())
        return std::nullopt;
    if (value.type == Type::String)
        return value.text;
    return definition::savedText(value.number, formula::valueTypeOf(value.type));
}

namespace {

class SavedSource : public RowSource {
public:
    explicit SavedSource(std::shared_ptr<const definition::SavedData> data)
        : data_(std::move(data))
    {
    }

    bool next(std::vector<Value>& row, int offset) override
    {
        if (next_ >= data_->records.size())
            return false;
        const auto& record = data_->records[next_++];
        for (std::size_t c = 0; c < record.size(); ++c)
            row[static_cast<std::size_t>(offset) + c] = savedValue(record[c], data_->columns[c].type);
        return true;
    }

private:
    std::shared_ptr<const definition::SavedData> data_;
    std::size_t next_ = 0;
};

}  // namespace

std::unique_ptr<RowSource> openSavedRecords(std::shared_ptr<const definition::SavedData> data, int width)
{
    if (static_cast<int>(data->columns.size()) != width)
        raiseRuntimeError(rterr::DataUnavailable, rterr::source(),
                          QStringLiteral("The saved data has %1 columns where the report's tables have %2 fields")
                              .arg(data->columns.size())
                              .arg(width));
    return std::make_unique<SavedSource>(std::move(data));
}

std::shared_ptr<definition::SavedData> saveRecords(const ReadPlan& plan, Connections& connections, const QString& savedAt)
{
    auto data = std::make_shared<definition::SavedData>();
    data->savedAt = savedAt;
    std::vector<definition::TableDef> tables;
    for (const auto& t : plan.tables)
        tables.push_back(*t.def);
    data->columns = definition::SavedData::columnsOf(tables);
    if (plan.tables.empty())
        return data;
    ReadPlan all = plan;
    all.filters.clear();
    all.order.clear();
    RecordReader reader(all, connections);
    std::vector<Value> record;
    while (reader.next(record)) {
        std::vector<std::optional<QString>> saved;
        saved.reserve(record.size());
        for (const auto& v : record)
            saved.push_back(savedText(v));
        data->records.push_back(std::move(saved));
    }
    return data;
}

}  // namespace orx::reportrt::data
