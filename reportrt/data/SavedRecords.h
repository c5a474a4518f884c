#pragma once

#include "reportrt/ReportRTExport.h"

#include "reportrt/data/RecordReader.h"
#include "reportrt/data/RowSource.h"
#include "reportrt/definition/ReportDefinition.h"

#include <memory>

// Records saved in a report file (the report with its data): reading them
// back in place of the report's tables, and reading a report's tables whole
// to save them.
namespace orx::reportrt::data {

// A saved value as a record holds it.
ORX_REPORTRT_EXPORT Value savedValue(const std::optional<QString>& text, definition::ValueType type);
// A record's value as the file keeps it (no text for null).
ORX_REPORTRT_EXPORT std::optional<QString> savedText(const Value& value);

// The saved records in the order they were saved, each the whole joined
// record of `width` fields; the reader applies link filters to them itself.
// Saved data whose columns are not that many raises DataUnavailable.
ORX_REPORTRT_EXPORT std::unique_ptr<RowSource> openSavedRecords(std::shared_ptr<const definition::SavedData> data, int width);

// Reads every record of the plan's tables, joined as a run joins them, with
// no filter and no order, and keeps them for saving. `savedAt` is written as given.
ORX_REPORTRT_EXPORT std::shared_ptr<definition::SavedData> saveRecords(const ReadPlan& plan, Connections& connections,
                                                                       const QString& savedAt);

}  // namespace orx::reportrt::data
