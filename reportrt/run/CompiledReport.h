#pragma once

#include "reportrt/ReportRTExport.h"

#include "reportrt/formula/Formula.h"
#include "reportrt/grouping/Grouping.h"
#include "reportrt/run/ReportState.h"

#include <QRgb>

#include <memory>
#include <vector>

// A report ready to run: every formula, reference, selection and condition
// compiled once against the report's fields, formulas, parameters and
// groups; formula cycles refused; parameter values converted to their types.
namespace orx::reportrt::run {

using formula::Formula;
using formula::Type;
using formula::Value;

struct ORX_REPORTRT_EXPORT SummarySlot {
    definition::SummaryOp op;
    QString reference;
    int level = 0;  // 0 the report, n the group n
    std::unique_ptr<Formula> value;
    Type type = Type::Number;  // of the summarised value
};

struct ORX_REPORTRT_EXPORT CompiledObject {
    const definition::ObjectDef* def = nullptr;
    std::unique_ptr<Formula> value;  // Field objects showing a reference
    int summary = -1;                // summary objects: the slot
    int style = -1;                  // texts: the style, once known
    QRgb color = 0xff000000;
    QRgb fill = 0;
};

struct ORX_REPORTRT_EXPORT CompiledSection {
    const definition::SectionDef* def = nullptr;
    std::unique_ptr<Formula> suppressWhen;
    std::vector<CompiledObject> objects;
    bool hasSubreport = false;
};

class ORX_REPORTRT_EXPORT CompiledReport : public formula::Scope {
public:
    // Raises FormulaInvalid or ParameterInvalid naming what is wrong.
    explicit CompiledReport(const ReportState& state);
    ~CompiledReport() override;

    const ReportState& state() const { return state_; }
    const definition::ReportDefinition& def() const { return *state_.def; }

    int fieldCount() const { return static_cast<int>(fieldTypes_.size()); }
    int fieldIndex(const QString& table, const QString& name) const;  // -1 when absent
    const std::vector<std::unique_ptr<Formula>>& formulas() const { return formulas_; }
    const std::vector<Value>& parameters() const { return parameters_; }
    Formula* selection() const { return selection_.get(); }
    const std::vector<std::unique_ptr<Formula>>& groupFields() const { return groupFields_; }
    const std::vector<std::unique_ptr<Formula>>& sortFields() const { return sortFields_; }
    // The named groups of group `g` (0 outermost) when it is in specified order; null otherwise.
    const grouping::SpecifiedOrder* specifiedOrder(int g) const { return specifiedOrders_[static_cast<std::size_t>(g)].get(); }
    std::vector<SummarySlot>& summaries() { return summaries_; }
    std::vector<CompiledSection>& sections() { return sections_; }
    // Summaries are needed before their group ends (in a header, in a formula).
    bool needsSummariesAhead() const { return summariesAhead_; }
    bool usesTotalPageCount() const { return usesTotalPageCount_; }

    // formula::Scope
    std::optional<formula::Symbol> field(const QString& table, const QString& name) override;
    std::optional<formula::Symbol> formula(const QString& name) override;
    std::optional<formula::Symbol> parameter(const QString& name) override;
    std::optional<int> groupLevel(const QString& reference) override;
    int summary(definition::SummaryOp op, const QString& reference, int level) override;

    // The explanation of what is wrong with `text` as the text of formula
    // `index` of `state` (its type, its references, a cycle it would make);
    // empty when it is a valid formula.
    static QString check(const ReportState& state, int index, const QString& text);

private:
    std::unique_ptr<Formula> compileOrRaise(const QString& text, const QString& what);
    void checkCycles();

    const ReportState& state_;
    std::vector<int> tableOffsets_;
    std::vector<Type> fieldTypes_;
    std::vector<std::unique_ptr<Formula>> formulas_;
    std::vector<Value> parameters_;                  // the first value (or the default)
    std::vector<std::vector<Value>> parameterLists_;  // every value given
    std::vector<bool> parameterUsed_;
    std::unique_ptr<Formula> selection_;
    std::vector<std::unique_ptr<Formula>> groupFields_;
    std::vector<std::unique_ptr<Formula>> sortFields_;
    std::vector<std::unique_ptr<grouping::SpecifiedOrder>> specifiedOrders_;
    std::vector<SummarySlot> summaries_;
    std::vector<CompiledSection> sections_;
    bool summariesAhead_ = false;
    bool usesTotalPageCount_ = false;
    bool compilingSummaryValue_ = false;
};

// Whether a formula result of type `given` suits a formula declared `declared`.
ORX_REPORTRT_EXPORT bool suits(Type declared, Type given);

// Checks a report as a whole without reading data: compiles it and each of
// its sub-reports, raising the first error. The values set for parameters are
// cleared and a parameter without a default is given an empty one, so every
// formula is compiled whatever the caller would be asked.
ORX_REPORTRT_EXPORT void compileForCheck(ReportState& state);

}  // namespace orx::reportrt::run
