#pragma once

#include "reportrt/ReportRTExport.h"

#include "reportrt/definition/ReportDefinition.h"
#include "reportrt/formula/Value.h"

#include <QString>
#include <memory>
#include <optional>
#include <stdexcept>
#include <vector>

// The formula language (docs/report-formulas.md). A formula is parsed and
// type-checked once against a Scope (the fields, formulas, parameters and
// groups of a report) into a typed expression tree, which is then evaluated
// per record against an Env without parsing again.
namespace orx::reportrt::formula {

struct ORX_REPORTRT_EXPORT Symbol {
    int index = 0;
    Type type = Type::Null;
    // A parameter holding a list: its values (each of `type`), known when
    // the formula is compiled.
    bool list = false;
    std::vector<Value> values;
};

// What a formula may name, resolved while compiling.
class ORX_REPORTRT_EXPORT Scope {
public:
    virtual ~Scope() = default;
    virtual std::optional<Symbol> field(const QString& table, const QString& name) = 0;
    virtual std::optional<Symbol> formula(const QString& name) = 0;
    virtual std::optional<Symbol> parameter(const QString& name) = 0;
    // The group (1 outermost) whose field is this reference, if any.
    virtual std::optional<int> groupLevel(const QString& reference) = 0;
    // A summary slot the run fills: `op` of `reference` over group `level`
    // (0 the whole report).
    virtual int summary(definition::SummaryOp op, const QString& reference, int level) = 0;
};

// What a formula reads while it is evaluated.
class ORX_REPORTRT_EXPORT Env {
public:
    virtual ~Env() = default;
    virtual const Value& field(int index) = 0;
    virtual Value formula(int index) = 0;
    virtual const Value& parameter(int index) = 0;
    virtual Value summary(int slot) = 0;
    virtual int pageNumber() = 0;
    virtual int totalPageCount() = 0;
    virtual qint64 recordNumber() = 0;
    // The name of the current group of group `level` (1 outermost): a named
    // group's name in specified order, otherwise its value as shown.
    virtual QString groupName(int level)
    {
        Q_UNUSED(level);
        return {};
    }
};

struct ORX_REPORTRT_EXPORT CompileError {
    int offset = 0;  // into the formula text
    QString message;
    // "message (line L, column C)" for the formula text it came from.
    QString describe(const QString& text) const;
};

// A failure while evaluating (division by zero, a value out of range).
class ORX_REPORTRT_EXPORT EvalError : public std::runtime_error {
public:
    EvalError(int offset, QString message)
        : std::runtime_error(message.toStdString()), offset_(offset), message_(std::move(message))
    {
    }
    int offset() const { return offset_; }
    const QString& message() const { return message_; }

private:
    int offset_;
    QString message_;
};

struct Node;

class ORX_REPORTRT_EXPORT Formula {
public:
    ~Formula();
    // Null (with `error` set) when the text is not a valid formula.
    static std::unique_ptr<Formula> compile(const QString& text, Scope& scope, CompileError& error);

    Type type() const { return type_; }
    Value evaluate(Env& env) const;

    // Formula fields this formula reads, by index (for cycle checks).
    const std::vector<int>& formulaRefs() const { return formulaRefs_; }
    bool usesTotalPageCount() const { return usesTotalPageCount_; }
    bool usesPageNumber() const { return usesPageNumber_; }
    bool usesSummaries() const { return usesSummaries_; }

private:
    Formula() = default;
    friend class Parser;
    std::unique_ptr<Node> root_;
    Type type_ = Type::Null;
    std::vector<int> formulaRefs_;
    bool usesTotalPageCount_ = false;
    bool usesPageNumber_ = false;
    bool usesSummaries_ = false;
};

// 1-based line and column of an offset in a text.
ORX_REPORTRT_EXPORT std::pair<int, int> lineAndColumn(const QString& text, int offset);

}  // namespace orx::reportrt::formula
