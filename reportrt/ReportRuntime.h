#pragma once

#include "reportrt/ReportRTExport.h"

#include <QMetaType>
#include <QString>
#include <QVariant>
#include <cstdint>
#include <memory>
#include <optional>

class QObject;

// The report runtime as the report engine sees it: the objects and calls the
// engine makes, and nothing else. Member names are those of the runtime's
// object model (OpenReport, Database, Tables, SetTableLocation, ...), so that
// the engine reads like the behaviour it implements. Positions are 1-based and
// 16-bit, as the runtime takes them; counts are returned as they are, and the
// engine refuses collections it cannot walk with 16-bit positions.
//
// Ownership: the application and reports are shared (the engine keeps the
// last report after a run); every other object belongs to the report it was
// reached from and lives as long as that report.
//
// Errors: every call may raise a reportrt::RuntimeError (or any BasicError),
// which the engine lets pass to its caller unchanged.
namespace orx::reportrt {

// Constants of the runtime the engine relies on.
namespace kind {
inline constexpr int SubreportObject = 5;  // report object kind
inline constexpr int GroupHeader = 3;      // area kind
}  // namespace kind

namespace valuetype {
inline constexpr int Number = 7;
inline constexpr int Boolean = 9;
inline constexpr int String = 12;
inline constexpr int Date = 10;
inline constexpr int Currency = 8;
}  // namespace valuetype

inline constexpr int ExportToDiskFile = 1;  // export destination
inline constexpr std::int16_t OpenReportDefault = 1;  // report open method

template <class T>
class Collection {
public:
    virtual ~Collection() = default;
    virtual int Count() = 0;
    // The element at a 1-based position; raises the runtime's error for a
    // position outside 1..Count.
    virtual T& Item(std::int16_t position) = 0;
};

// A field of a table (the runtime's field definition, as far as the engine
// uses one: by its name, and as the field a sort or a group is on).
class ORX_REPORTRT_EXPORT FieldDefinition {
public:
    virtual ~FieldDefinition() = default;
    virtual QString Name() = 0;
};

using DatabaseFieldDefinitions = Collection<FieldDefinition>;

class ORX_REPORTRT_EXPORT DatabaseTable {
public:
    virtual ~DatabaseTable() = default;
    // Log-on information for the table's data.
    virtual void SetSessionInfo(const QString& user, const QString& password) = 0;
    // Location (write): where the table reads from.
    virtual void setLocation(const QString& location) = 0;
    virtual void SetTableLocation(const QString& location, const QString& subLocation,
                                  const QString& connectBufferString) = 0;
    // The table reads a caller recordset, passed through untouched.
    virtual void SetDataSource(QObject* recordset) = 0;
    virtual bool TestConnectivity() = 0;
    virtual DatabaseFieldDefinitions& Fields() = 0;
};

using DatabaseTables = Collection<DatabaseTable>;

class ORX_REPORTRT_EXPORT Database {
public:
    virtual ~Database() = default;
    virtual DatabaseTables& Tables() = 0;
};

// An object placed in a section. The engine reads its members by name
// ("Kind", "SubreportName"), as a late-bound caller does.
class ORX_REPORTRT_EXPORT ReportObject {
public:
    virtual ~ReportObject() = default;
    virtual QVariant member(const QString& name) = 0;
};

using ReportObjects = Collection<ReportObject>;

class ORX_REPORTRT_EXPORT Section {
public:
    virtual ~Section() = default;
    virtual reportrt::ReportObjects& ReportObjects() = 0;
};

using Sections = Collection<Section>;

class ORX_REPORTRT_EXPORT Area {
public:
    virtual ~Area() = default;
    virtual int Kind() = 0;
    // The field a group area breaks on; null for an area that is not a group.
    virtual FieldDefinition* GroupConditionField() = 0;
    virtual void setSortDirection(int direction) = 0;
    virtual void setGroupCondition(int condition) = 0;
};

using Areas = Collection<Area>;

class ORX_REPORTRT_EXPORT SortFields {
public:
    virtual ~SortFields() = default;
    virtual int Count() = 0;
    virtual void Delete(std::int16_t position) = 0;
    virtual void Add(FieldDefinition& field, int sortDirection) = 0;
};

class ORX_REPORTRT_EXPORT FormulaFieldDefinition {
public:
    virtual ~FormulaFieldDefinition() = default;
    virtual QString FormulaFieldName() = 0;
    virtual int ValueType() = 0;
    virtual QString Text() = 0;
    virtual void setText(const QString& text) = 0;
    // Whether the current text is a valid formula; on failure `errorText`
    // receives the runtime's explanation.
    virtual bool Check(QString& errorText) = 0;
};

using FormulaFieldDefinitions = Collection<FormulaFieldDefinition>;

class ORX_REPORTRT_EXPORT ParameterFieldDefinition {
public:
    virtual ~ParameterFieldDefinition() = default;
    virtual QString ParameterFieldName() = 0;
    virtual int ValueType() = 0;
    virtual void ClearCurrentValueAndRange() = 0;
    virtual void AddCurrentValue(const QVariant& value) = 0;
    // The single-value setter, for value types other than number, boolean
    // and string: the value is given as the caller holds it.
    virtual void SetCurrentValue(const QVariant& value) = 0;
};

using ParameterFieldDefinitions = Collection<ParameterFieldDefinition>;

class ORX_REPORTRT_EXPORT ExportOptions {
public:
    virtual ~ExportOptions() = default;
    virtual void Reset() = 0;
    virtual void setDiskFileName(const QString& fileName) = 0;
    virtual void setDestinationType(int destination) = 0;
    virtual void setFormatType(int format) = 0;
};

class ORX_REPORTRT_EXPORT Report {
public:
    virtual ~Report() = default;

    virtual reportrt::Database& Database() = 0;
    virtual reportrt::Sections& Sections() = 0;
    virtual reportrt::Areas& Areas() = 0;
    virtual FormulaFieldDefinitions& FormulaFields() = 0;
    virtual ParameterFieldDefinitions& ParameterFields() = 0;
    virtual SortFields& RecordSortFields() = 0;
    virtual reportrt::ExportOptions& ExportOptions() = 0;

    // A sub-report by the name its report object gives; itself a report.
    virtual std::shared_ptr<Report> OpenSubreport(const QString& name) = 0;

    // Options written by the run: the user is not asked for parameter values
    // (the request supplies them), the engine's errors are raised in full,
    // and a sub-report that gets data from the run drops the data saved in it.
    virtual void setEnableParameterPrompting(bool on) = 0;
    virtual void setMorePrintEngineErrorMessages(bool on) = 0;
    virtual void setDiscardSavedData(bool on) = 0;

    // Printer.
    virtual QString DriverName() = 0;
    virtual QString PortName() = 0;
    // The page set-up that choosing a printer resets; the run keeps it.
    virtual std::int16_t PaperOrientation() = 0;
    virtual void setPaperOrientation(std::int16_t value) = 0;
    virtual std::int16_t PaperSize() = 0;
    virtual void setPaperSize(std::int16_t value) = 0;
    virtual std::int16_t PaperSource() = 0;
    virtual void setPaperSource(std::int16_t value) = 0;
    virtual void SelectPrinter(const QString& driverName, const QString& printerName, const QString& portName) = 0;
    // Arguments left out take the runtime's defaults (which ask the user).
    virtual void PrintOut(std::optional<bool> promptUser = std::nullopt,
                          std::optional<std::int16_t> numberOfCopies = std::nullopt) = 0;
    virtual void PrinterSetup(qintptr windowHandle) = 0;
    virtual void Export(std::optional<bool> promptUser = std::nullopt) = 0;
};

using ReportRef = std::shared_ptr<Report>;

class ORX_REPORTRT_EXPORT Application {
public:
    virtual ~Application() = default;
    virtual ReportRef OpenReport(const QString& filePath, std::int16_t openMethod) = 0;
};

}  // namespace orx::reportrt

Q_DECLARE_METATYPE(orx::reportrt::ReportRef)
