#include "reportrt/run/SaveWithData.h"

#include "reportrt/data/SavedRecords.h"
#include "reportrt/definition/ReportFile.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>

namespace orx::reportrt::run {

namespace {

data::ReadPlan planOf(const ReportState& state)
{
    data::ReadPlan plan;
    const auto& d = *state.def;
    for (std::size_t t = 0; t < d.tables.size(); ++t)
        plan.tables.push_back({&d.tables[t], state.bindings.at(t)});
    plan.links = d.links;
    plan.baseDir = state.baseDir;
    return plan;
}

// The definition to save for a state: where its tables read, paths made
// relative to the folder of the new file, the records saved.
std::shared_ptr<definition::ReportDefinition> withData(const ReportState& state, const QDir& to, data::Connections& connections,
                                                       const QString& savedAt)
{
    auto copy = std::make_shared<definition::ReportDefinition>(*state.def);
    copy->savedData = data::saveRecords(planOf(state), connections, savedAt);
    for (std::size_t t = 0; t < copy->tables.size(); ++t) {
        auto& table = copy->tables[t];
        const auto& binding = state.bindings.at(t);
        if (binding.hasModel)
            continue;
        if (!binding.source.isEmpty()) {
            table.source = binding.source;
            table.query.clear();  // a program's table replaces the file's query, as the run does
        }
        const QString location = binding.location.isEmpty() ? table.location : binding.location;
        if (location.isEmpty())
            continue;
        const auto parsed = data::Location::parse(location, state.baseDir);
        table.location = parsed.kind == data::Location::Kind::SQLite ? to.relativeFilePath(parsed.database) : parsed.shown;
        if (binding.location.isEmpty() && parsed.kind != data::Location::Kind::SQLite)
            table.location = location;  // as the file had it
    }
    for (auto& section : copy->sections) {
        for (auto& object : section.objects) {
            if (object.kind == definition::ObjectKind::Picture && !object.picture.isEmpty() && QFileInfo(object.picture).isRelative())
                object.picture = to.relativeFilePath(QDir(state.baseDir).absoluteFilePath(object.picture));
        }
    }
    return copy;
}

}  // namespace

void saveReportWithData(ReportState& state, const QString& path)
{
    const QDir to = QFileInfo(path).absoluteDir();
    const QString savedAt = QDateTime::currentDateTime().toString(Qt::ISODate);
    data::Connections connections;
    auto report = withData(state, to, connections, savedAt);
    for (auto& sub : report->subreports) {
        if (const auto subState = state.subreport(sub->name)) {
            auto saved = withData(*subState, to, connections, savedAt);
            saved->subreports.clear();
            sub = std::move(saved);
        }
    }
    definition::saveReportFile(*report, path);
}

}  // namespace orx::reportrt::run
