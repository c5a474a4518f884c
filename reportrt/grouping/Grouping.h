#pragma once

#include "reportrt/ReportRTExport.h"

#include "reportrt/definition/ReportDefinition.h"
#include "reportrt/formula/Value.h"

#include <QSet>

// Group breaks and summaries. A group starts where its condition says the
// value of its field has moved on (a new day, month, hour..., a change of a
// yes/no field, any change); summaries accumulate over a group or the report.
namespace orx::reportrt::grouping {

using definition::GroupCondition;
using formula::Value;

// The value a date condition groups by: the day, the week's Sunday, the
// month... as a number; any-value and the yes/no conditions group by the
// value itself.
ORX_REPORTRT_EXPORT Value groupKey(const Value& value, GroupCondition condition);

// Whether the record with `current` starts a new group after the record with
// `previous` (its group key for date conditions, its value otherwise).
ORX_REPORTRT_EXPORT bool startsGroup(GroupCondition condition, const Value& previous, const Value& current);

class ORX_REPORTRT_EXPORT Accumulator {
public:
    explicit Accumulator(definition::SummaryOp op = definition::SummaryOp::Sum)
        : op_(op)
    {
    }
    void reset();
    void add(const Value& v);
    // The summary; `type` is the summarised value's type (for minimum,
    // maximum and a sum of currency).
    Value result(formula::Type type) const;

private:
    definition::SummaryOp op_;
    qint64 count_ = 0;
    double sum_ = 0;
    Value min_, max_;
    QSet<QString> distinct_;
};

}  // namespace orx::reportrt::grouping
