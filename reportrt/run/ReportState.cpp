#include "reportrt/run/ReportState.h"

namespace orx::reportrt::run {

std::shared_ptr<ReportState> ReportState::make(std::shared_ptr<definition::ReportDefinition> def, QString filePath,
                                               QString baseDir)
{
    auto s = std::make_shared<ReportState>();
    s->filePath = std::move(filePath);
    s->baseDir = std::move(baseDir);
    s->bindings.resize(def->tables.size());
    s->parameterValues.resize(def->parameters.size());
    s->def = std::move(def);
    s->useSavedData(true);
    return s;
}

std::shared_ptr<ReportState> ReportState::subreport(const QString& name)
{
    const QString key = name.toUpper();
    if (const auto it = subreports.find(key); it != subreports.end())
        return it->second;
    auto sub = def->subreport(name);
    if (!sub)
        return nullptr;
    auto s = make(sub, filePath, baseDir);
    s->useSavedData(readSavedData);
    subreports.emplace(key, s);
    return s;
}

void ReportState::useSavedData(bool on)
{
    readSavedData = on;
    if (!bindings.empty())
        bindings.front().saved = on ? def->savedData : nullptr;
    for (auto& [name, sub] : subreports)
        sub->useSavedData(on);
}

namespace {

std::shared_ptr<definition::ReportDefinition> copyDefinition(const definition::ReportDefinition& def)
{
    auto c = std::make_shared<definition::ReportDefinition>(def);
    for (auto& sub : c->subreports)
        sub = copyDefinition(*sub);
    return c;
}

std::shared_ptr<ReportState> copyWith(const ReportState& from, std::shared_ptr<definition::ReportDefinition> def)
{
    auto c = std::make_shared<ReportState>(from);
    c->def = std::move(def);
    for (auto& [key, sub] : c->subreports) {
        auto subDef = c->def->subreport(key);
        sub = copyWith(*sub, subDef ? subDef : copyDefinition(*sub->def));
    }
    return c;
}

}  // namespace

std::shared_ptr<ReportState> ReportState::copy() const
{
    return copyWith(*this, copyDefinition(*def));
}

bool ReportState::readsItemModels() const
{
    for (const auto& b : bindings) {
        if (b.hasModel)
            return true;
    }
    for (const auto& [key, sub] : subreports) {
        if (sub->readsItemModels())
            return true;
    }
    return false;
}

}  // namespace orx::reportrt::run
