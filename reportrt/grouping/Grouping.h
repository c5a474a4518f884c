#pragma once

#include "reportrt/ReportRTExport.h"

#include "reportrt/definition/ReportDefinition.h"
#include "reportrt/formula/Value.h"

#include <QSet>
#include <vector>

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

// A group in specified order: its named groups, in print order, each with
// its test and values, and what becomes of the records none takes.
class ORX_REPORTRT_EXPORT SpecifiedOrder {
public:
    // `level` (1 outermost) names the group in errors; raises FormulaInvalid
    // when a value or a test does not suit the field's type.
    SpecifiedOrder(const definition::GroupDef& group, int level, formula::Type fieldType);

    int namedCount() const { return static_cast<int>(named_.size()); }
    // The named group taking `value` (0 the first), or namedCount() when none does.
    int rank(const Value& value) const;
    // Whether a record with this value is left out of the report.
    bool discards(const Value& value) const;
    // The two keys records are sorted by: the rank, then, for the others
    // kept in groups of their own, the value's group key (ascending).
    void addSortKeys(const Value& value, std::vector<Value>& keys) const;
    // The key whose change starts a group (compared as any-value).
    Value breakKey(const Value& value) const;
    // The name of the group a value goes to: its named group's, the others'
    // name, or (others kept in their own groups) the value as shown.
    QString groupName(const Value& value) const;

private:
    struct Named {
        definition::NamedGroupTest test;
        std::vector<Value> values;
    };
    bool takes(const Named& n, const Value& value) const;

    std::vector<Named> named_;
    QStringList names_;
    QString othersName_;
    definition::OthersRule others_;
    GroupCondition condition_;
};

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
