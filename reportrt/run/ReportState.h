#pragma once

#include "reportrt/ReportRTExport.h"

#include "reportrt/data/RecordReader.h"
#include "reportrt/definition/ReportDefinition.h"

#include <QVariant>
#include <map>
#include <memory>
#include <vector>

// A report as a program has set it up for its next run: the definition read
// from its file (with the program's changes to sort fields, groups and
// formula texts written into it), where each table reads, the parameter
// values given, and the sub-reports the program opened.
namespace orx::reportrt::run {

struct ORX_REPORTRT_EXPORT ReportState {
    QString filePath;
    QString baseDir;  // the report file's folder, for relative locations
    std::shared_ptr<definition::ReportDefinition> def;
    std::vector<data::TableBinding> bindings;             // one per table of def
    std::vector<std::vector<QVariant>> parameterValues;   // one list per parameter of def; empty: its default
    QString extraSelection;                               // a program's selection formula, added with and
    std::map<QString, std::shared_ptr<ReportState>> subreports;  // by upper-case name, once opened
    bool readSavedData = true;  // read the records saved in the file (where there are some) instead of the tables

    // A state for a definition as its file has it.
    static std::shared_ptr<ReportState> make(std::shared_ptr<definition::ReportDefinition> def, QString filePath,
                                             QString baseDir);
    // The state of a sub-report: the one a program opened, or a fresh one.
    std::shared_ptr<ReportState> subreport(const QString& name);
    // Reads the saved records, or the tables, here and in the sub-reports.
    void useSavedData(bool on);
    // A copy that shares nothing the program may change (the definitions of
    // the report and its sub-reports are copied too), for a run on another
    // thread while the program goes on editing this one.
    std::shared_ptr<ReportState> copy() const;
    // Whether a table of the report or of an opened sub-report reads an item
    // model (which only its own thread may read).
    bool readsItemModels() const;
};

}  // namespace orx::reportrt::run
