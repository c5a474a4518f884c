#pragma once

#include "reportrt/ReportRuntime.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <functional>
#include <vector>

// What a report of the recording runtime contains, as a test describes it:
// tables with their fields, sections with report objects (sub-report objects
// among them), areas (group headers with the field they break on), record
// sort fields, formula fields (with a rule for which texts pass Check) and
// parameter fields, and the sub-reports themselves.
namespace orx::reportrt::recording {

struct TableScript {
    QString name;
    QStringList fields;  // field names as the runtime gives them: "{Orders.Date}"
};

struct ReportObjectScript {
    int kind = 0;  // kind::SubreportObject for a sub-report
    QString subreportName;
};

struct SectionScript {
    QList<ReportObjectScript> objects;
};

struct AreaScript {
    int kind = 0;                 // kind::GroupHeader for a group
    QString groupConditionField;  // empty: no field
};

struct FormulaScript {
    QString name;
    int valueType = valuetype::String;
    QString text;
    // Whether Check accepts a text; unset: the default rule below.
    std::function<bool(const QString&)> accepts;
};

struct ParameterScript {
    QString name;
    int valueType = valuetype::String;
};

struct ReportScript {
    QString subreportName;  // for a sub-report: the name OpenSubreport takes
    QList<TableScript> tables;
    QList<SectionScript> sections;
    QList<AreaScript> areas;
    QStringList recordSortFields;
    QList<FormulaScript> formulaFields;
    QList<ParameterScript> parameterFields;
    std::vector<ReportScript> subreports;
    QString driverName = QStringLiteral("winspool");
    QString portName = QStringLiteral("LPT1:");
    std::int16_t paperOrientation = 1;
    std::int16_t paperSize = 9;
    std::int16_t paperSource = 15;
    int pageCount = 1;
};

// The default Check rule: an empty text, a text in double or single quotes,
// or a field or formula reference in braces.
bool acceptedByDefault(const QString& text);

}  // namespace orx::reportrt::recording
