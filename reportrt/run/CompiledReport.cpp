#include "reportrt/run/CompiledReport.h"

#include "reportrt/ErrorNumbers.h"
#include "reportrt/RuntimeError.h"

#include <QColor>
#include <functional>

namespace orx::reportrt::run {

using definition::FieldRef;

namespace {

bool sameName(const QString& a, const QString& b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

[[noreturn]] void invalid(const QString& text)
{
    raiseRuntimeError(rterr::FormulaInvalid, rterr::source(), text);
}

QString sectionName(const definition::SectionDef& s)
{
    if (!s.name.isEmpty())
        return s.name;
    static const char* names[] = {"", "report header", "page header", "group header", "details", "group footer", "", "page footer",
                                  "report footer"};
    QString n = QString::fromLatin1(names[static_cast<int>(s.kind)]);
    if (s.group > 0)
        n += QStringLiteral(" %1").arg(s.group);
    return n;
}

}  // namespace

bool suits(Type declared, Type given)
{
    if (given == Type::Null || declared == given)
        return true;
    if (formula::isNumeric(declared) && formula::isNumeric(given))
        return true;
    return formula::isDateLike(declared) && formula::isDateLike(given);
}

CompiledReport::CompiledReport(const ReportState& state)
    : state_(state)
{
    const auto& d = *state.def;
    for (const auto& t : d.tables) {
        tableOffsets_.push_back(static_cast<int>(fieldTypes_.size()));
        for (const auto& f : t.fields)
            fieldTypes_.push_back(formula::typeOf(f.type));
    }
    // Parameters: the program's values, else the report's default. A
    // parameter declared multiple, or given more than one value, is a list.
    parameterUsed_.assign(d.parameters.size(), false);
    parameterLists_.resize(d.parameters.size());
    for (std::size_t i = 0; i < d.parameters.size(); ++i) {
        const auto& p = d.parameters[i];
        Value v;
        const auto& given = i < state.parameterValues.size() ? state.parameterValues[i] : std::vector<QVariant>{};
        if (!given.empty()) {
            for (const QVariant& g : given) {
                if (!Value::parse(g, formula::typeOf(p.type), v))
                    raiseRuntimeError(rterr::ParameterInvalid, rterr::source(),
                                      QStringLiteral("The value \"%1\" does not suit the parameter %2, which takes %3")
                                          .arg(g.toString(), p.name, formula::typeName(formula::typeOf(p.type))));
                parameterLists_[i].push_back(v);
            }
            v = parameterLists_[i].front();
        } else if (p.hasDefault) {
            if (!Value::parse(p.defaultValue, formula::typeOf(p.type), v))
                raiseRuntimeError(rterr::ParameterInvalid, rterr::source(),
                                  QStringLiteral("The default \"%1\" of the parameter %2 is not %3")
                                      .arg(p.defaultValue, p.name, formula::typeName(formula::typeOf(p.type))));
        } else {
            v = Value::null();
        }
        parameters_.push_back(v);
    }
    // Formulas first (others refer to them), then the cycles they make.
    formulas_.resize(d.formulas.size());
    for (std::size_t i = 0; i < d.formulas.size(); ++i) {
        const auto& f = d.formulas[i];
        formulas_[i] = compileOrRaise(f.text, QStringLiteral("The formula %1").arg(f.name));
        if (!suits(formula::typeOf(f.type), formulas_[i]->type()))
            invalid(QStringLiteral("The formula %1 is not valid: it gives %2, but it is declared as %3")
                        .arg(f.name, formula::typeName(formulas_[i]->type()), formula::typeName(formula::typeOf(f.type))));
        if (formulas_[i]->usesSummaries())
            summariesAhead_ = true;
        usesTotalPageCount_ = usesTotalPageCount_ || formulas_[i]->usesTotalPageCount();
    }
    checkCycles();

    QString selection = d.selection.trimmed();
    if (!state.extraSelection.trimmed().isEmpty())
        selection = selection.isEmpty() ? state.extraSelection
                                        : QStringLiteral("(%1) and (%2)").arg(selection, state.extraSelection);
    if (!selection.isEmpty()) {
        selection_ = compileOrRaise(selection, QStringLiteral("The record selection formula"));
        if (selection_->type() != Type::Boolean && selection_->type() != Type::Null)
            invalid(QStringLiteral("The record selection formula is not valid: it gives %1; a boolean is expected")
                        .arg(formula::typeName(selection_->type())));
        if (selection_->usesSummaries() || selection_->usesTotalPageCount())
            invalid(QStringLiteral("The record selection formula is not valid: it cannot use summaries or page counts"));
    }
    for (std::size_t g = 0; g < d.groups.size(); ++g) {
        groupFields_.push_back(compileOrRaise(d.groups[g].field, QStringLiteral("The field of group %1").arg(g + 1)));
        // Specified order without named groups keeps the data's order, as original.
        const bool specified = d.groups[g].direction == definition::SortDirection::Specified && !d.groups[g].namedGroups.empty();
        specifiedOrders_.push_back(specified ? std::make_unique<grouping::SpecifiedOrder>(d.groups[g], static_cast<int>(g) + 1,
                                                                                           groupFields_.back()->type())
                                             : nullptr);
    }
    for (const auto& s : d.sortFields)
        sortFields_.push_back(compileOrRaise(s.field, QStringLiteral("The sort field %1").arg(s.field)));

    for (const auto& s : d.sections) {
        CompiledSection cs;
        cs.def = &s;
        if (!s.suppressWhen.trimmed().isEmpty()) {
            cs.suppressWhen = compileOrRaise(s.suppressWhen, QStringLiteral("The suppress condition of the %1").arg(sectionName(s)));
            if (cs.suppressWhen->type() != Type::Boolean && cs.suppressWhen->type() != Type::Null)
                invalid(QStringLiteral("The suppress condition of the %1 is not valid: a boolean is expected").arg(sectionName(s)));
            summariesAhead_ = summariesAhead_ || cs.suppressWhen->usesSummaries();
        }
        const bool footer = s.kind == definition::SectionKind::GroupFooter || s.kind == definition::SectionKind::ReportFooter;
        for (const auto& o : s.objects) {
            CompiledObject co;
            co.def = &o;
            const QColor color(o.color);
            co.color = color.isValid() ? color.rgba() : 0xff000000;
            const QColor fill(o.fill);
            co.fill = o.fill.isEmpty() || !fill.isValid() ? 0 : fill.rgba();
            if (o.kind == definition::ObjectKind::Field && o.summary != definition::SummaryOp::None) {
                co.summary = summary(o.summary, o.source, o.summaryGroup);
                // A summary printed before its group has ended needs the group's records first.
                const bool ahead = !footer
                                   || (s.kind == definition::SectionKind::GroupFooter && o.summaryGroup != 0 && o.summaryGroup < s.group)
                                   || (s.kind == definition::SectionKind::GroupFooter && o.summaryGroup == 0);
                summariesAhead_ = summariesAhead_ || ahead;
            } else if (o.kind == definition::ObjectKind::Field && o.special == definition::SpecialField::None) {
                co.value = compileOrRaise(o.source, QStringLiteral("The field %1 of the %2").arg(o.source, sectionName(s)));
            }
            if (o.kind == definition::ObjectKind::Subreport)
                cs.hasSubreport = true;
            cs.objects.push_back(std::move(co));
        }
        sections_.push_back(std::move(cs));
    }
    for (std::size_t i = 0; i < parameterUsed_.size(); ++i) {
        if (parameterUsed_[i] && parameters_[i].isNull() && state.parameterValues[i].empty() && !d.parameters[i].hasDefault) {
            const auto& p = d.parameters[i];
            raiseRuntimeError(rterr::ParameterInvalid, rterr::source(),
                              QStringLiteral("The report needs a value for the parameter %1%2")
                                  .arg(p.name, p.prompt.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(p.prompt)));
        }
    }
}

CompiledReport::~CompiledReport() = default;

std::unique_ptr<Formula> CompiledReport::compileOrRaise(const QString& text, const QString& what)
{
    formula::CompileError e;
    auto f = Formula::compile(text, *this, e);
    if (!f)
        invalid(QStringLiteral("%1 is not valid: %2").arg(what, e.describe(text)));
    return f;
}

void CompiledReport::checkCycles()
{
    const auto& d = *state_.def;
    std::vector<int> mark(formulas_.size(), 0);  // 0 new, 1 on the path, 2 done
    std::vector<int> path;
    std::function<void(int)> visit = [&](int i) {
        if (mark[i] == 2)
            return;
        if (mark[i] == 1) {
            QStringList chain;
            bool on = false;
            for (int p : path) {
                on = on || p == i;
                if (on)
                    chain << d.formulas[p].name;
            }
            chain << d.formulas[i].name;
            invalid(QStringLiteral("The formula %1 refers to itself: %2").arg(d.formulas[i].name, chain.join(QStringLiteral(" -> "))));
        }
        mark[i] = 1;
        path.push_back(i);
        for (int r : formulas_[i]->formulaRefs())
            visit(r);
        path.pop_back();
        mark[i] = 2;
    };
    for (std::size_t i = 0; i < formulas_.size(); ++i)
        visit(static_cast<int>(i));
}

int CompiledReport::fieldIndex(const QString& table, const QString& name) const
{
    const auto& d = *state_.def;
    for (std::size_t t = 0; t < d.tables.size(); ++t) {
        if (!sameName(d.tables[t].name, table))
            continue;
        for (std::size_t f = 0; f < d.tables[t].fields.size(); ++f) {
            if (sameName(d.tables[t].fields[f].name, name))
                return tableOffsets_[t] + static_cast<int>(f);
        }
    }
    return -1;
}

std::optional<formula::Symbol> CompiledReport::field(const QString& table, const QString& name)
{
    const int i = fieldIndex(table, name);
    if (i < 0)
        return std::nullopt;
    return formula::Symbol{i, fieldTypes_[i]};
}

std::optional<formula::Symbol> CompiledReport::formula(const QString& name)
{
    const auto& d = *state_.def;
    for (std::size_t i = 0; i < d.formulas.size(); ++i) {
        if (sameName(d.formulas[i].name, name))
            return formula::Symbol{static_cast<int>(i), formula::typeOf(d.formulas[i].type)};
    }
    return std::nullopt;
}

std::optional<formula::Symbol> CompiledReport::parameter(const QString& name)
{
    const auto& d = *state_.def;
    for (std::size_t i = 0; i < d.parameters.size(); ++i) {
        if (sameName(d.parameters[i].name, name)) {
            parameterUsed_[i] = true;
            formula::Symbol s{static_cast<int>(i), formula::typeOf(d.parameters[i].type)};
            s.list = d.parameters[i].multiple || parameterLists_[i].size() > 1;
            if (s.list)
                s.values = parameterLists_[i].empty() && !parameters_[i].isNull() ? std::vector<Value>{parameters_[i]}
                                                                                  : parameterLists_[i];
            return s;
        }
    }
    return std::nullopt;
}

std::optional<int> CompiledReport::groupLevel(const QString& reference)
{
    const auto wanted = FieldRef::parse(reference);
    const auto& d = *state_.def;
    for (std::size_t g = 0; g < d.groups.size(); ++g) {
        const auto have = FieldRef::parse(d.groups[g].field);
        if (have.kind == wanted.kind && sameName(have.table, wanted.table) && sameName(have.name, wanted.name))
            return static_cast<int>(g) + 1;
    }
    return std::nullopt;
}

int CompiledReport::summary(definition::SummaryOp op, const QString& reference, int level)
{
    for (std::size_t i = 0; i < summaries_.size(); ++i) {
        const auto& s = summaries_[i];
        if (s.op == op && s.level == level && sameName(s.reference, reference))
            return static_cast<int>(i);
    }
    SummarySlot slot;
    slot.op = op;
    slot.reference = reference;
    slot.level = level;
    if (compilingSummaryValue_)
        invalid(QStringLiteral("A summary of %1 cannot itself use a summary").arg(reference));
    compilingSummaryValue_ = true;
    formula::CompileError e;
    slot.value = Formula::compile(reference, *this, e);
    compilingSummaryValue_ = false;
    if (!slot.value)
        invalid(QStringLiteral("The summary of %1 is not valid: %2").arg(reference, e.describe(reference)));
    if (slot.value->usesSummaries())
        invalid(QStringLiteral("The summary of %1 is not valid: a summary cannot summarise a summary").arg(reference));
    slot.type = slot.value->type();
    summaries_.push_back(std::move(slot));
    return static_cast<int>(summaries_.size()) - 1;
}

QString CompiledReport::check(const ReportState& state, int index, const QString& text)
{
    ReportState copy = state;
    auto def = std::make_shared<definition::ReportDefinition>(*state.def);
    def->formulas.at(static_cast<std::size_t>(index)).text = text;
    // Only the formulas matter here: the rest of the report is checked when it runs.
    def->sections.clear();
    def->selection.clear();
    def->sortFields.clear();
    copy.def = def;
    copy.extraSelection.clear();
    // Parameters without values are fine while checking; one given several is a list.
    for (std::size_t i = 0; i < def->parameters.size(); ++i) {
        auto& p = def->parameters[i];
        p.hasDefault = true;
        p.defaultValue.clear();
        p.multiple = p.multiple || (i < state.parameterValues.size() && state.parameterValues[i].size() > 1);
    }
    copy.parameterValues.assign(def->parameters.size(), {});
    try {
        CompiledReport compiled(copy);
    } catch (const basic::BasicError& e) {
        QString d = e.description();
        const QString prefix = QStringLiteral("The formula %1 is not valid: ").arg(def->formulas[index].name);
        if (d.startsWith(prefix))
            d = d.mid(prefix.size());
        return d;
    }
    return {};
}

void compileForCheck(ReportState& state)
{
    for (auto& values : state.parameterValues)
        values.clear();
    for (auto& p : state.def->parameters) {
        if (!p.hasDefault) {
            p.hasDefault = true;
            p.defaultValue.clear();
        }
    }
    CompiledReport compiled(state);
    for (const auto& sub : state.def->subreports) {
        auto subState = state.subreport(sub->name);
        CompiledReport subCompiled(*subState);
    }
}

}  // namespace orx::reportrt::run
