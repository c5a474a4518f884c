#pragma once

#include "reportrt/ReportRTExport.h"

#include <QString>
#include <QStringList>
#include <memory>
#include <optional>
#include <vector>

// A report as its file describes it: page set-up, tables and their links,
// record sort and selection, formula and parameter fields, groups, sections
// in print order and the objects placed in them, and the sub-reports. Plain
// data: the reader and writer (ReportFile.h) turn it into text and back, the
// boundary objects edit it, and the run reads it. Measures are in twips
// (1/1440 inch).
namespace orx::reportrt::definition {

// Value types, numbered as the runtime's field value types.
enum class ValueType {
    Number = 7,
    Currency = 8,
    Boolean = 9,
    Date = 10,
    String = 12,
    DateTime = 15,
};

struct ORX_REPORTRT_EXPORT PageSetup {
    int paperSize = 9;    // 9 A4, 1 Letter, 5 Legal, 8 A3, 11 A5
    int orientation = 1;  // 1 portrait, 2 landscape
    int paperSource = 7;  // tray number, kept for the printer
    int marginLeft = 1134;
    int marginTop = 1134;
    int marginRight = 1134;
    int marginBottom = 1134;

    bool operator==(const PageSetup&) const = default;
};

struct ORX_REPORTRT_EXPORT FieldDef {
    QString name;
    ValueType type = ValueType::String;
    bool operator==(const FieldDef&) const = default;
};

struct ORX_REPORTRT_EXPORT TableDef {
    QString name;      // the name formulas use: {Name.Field}
    QString location;  // an SQLite file, or a server URL
    QString source;    // the table read at the location (defaults to name)
    QString query;     // an SQL query read instead of `source`
    std::vector<FieldDef> fields;
    bool operator==(const TableDef&) const = default;
};

// A link joins every row of `fromTable` to the row of `toTable` whose
// `toField` equals its `fromField` (a left outer join).
struct ORX_REPORTRT_EXPORT LinkDef {
    QString fromTable, fromField, toTable, toField;
    bool operator==(const LinkDef&) const = default;
};

enum class SortDirection { Ascending = 0, Descending = 1, Original = 2, Specified = 3 };

struct ORX_REPORTRT_EXPORT SortDef {
    QString field;  // a reference as formulas write it: {Table.Field} or {@Formula}
    SortDirection direction = SortDirection::Ascending;
    bool operator==(const SortDef&) const = default;
};

struct ORX_REPORTRT_EXPORT FormulaDef {
    QString name;
    ValueType type = ValueType::String;
    QString text;
    bool operator==(const FormulaDef&) const = default;
};

struct ORX_REPORTRT_EXPORT ParameterDef {
    QString name;
    ValueType type = ValueType::String;
    QString prompt;
    QString defaultValue;  // as written in the file; empty for none
    bool hasDefault = false;
    bool multiple = false;  // takes a list of values: formulas see them all
    bool operator==(const ParameterDef&) const = default;
};

// The group conditions, numbered as the request's group condition values.
enum class GroupCondition {
    Daily = 0, Weekly, Biweekly, Semimonthly, Monthly, Quarterly, SemiAnnually, Annually,
    ToYes, ToNo, EveryYes, EveryNo, NextIsYes, NextIsNo, AnyValue,
    BySecond, ByMinute, ByHour, ByAmPm,
};
inline constexpr int kGroupConditionCount = 19;

// A named group of a group in specified order: the records whose field
// value meets the test against the values (written as in a parameter
// default, read as the field's type).
enum class NamedGroupTest { OneOf, NotOneOf, Between, NotBetween, Less, LessEqual, Greater, GreaterEqual,
                            StartsWith, NotStartsWith };

struct ORX_REPORTRT_EXPORT NamedGroupDef {
    QString name;
    NamedGroupTest test = NamedGroupTest::OneOf;
    QStringList values;
    bool operator==(const NamedGroupDef&) const = default;
};

// What becomes of the records no named group takes.
enum class OthersRule { Together, Discard, Keep };

struct ORX_REPORTRT_EXPORT GroupDef {
    QString field;  // {Table.Field} or {@Formula}
    SortDirection direction = SortDirection::Ascending;
    GroupCondition condition = GroupCondition::AnyValue;
    bool keepTogether = false;  // start the group on a new page rather than split it
    bool repeatHeader = false;  // print the group header again on each page it continues on
    // In specified order: the named groups, in the order they print; a record
    // goes to the first that takes it. The rest are put together under
    // `othersName`, discarded, or kept in groups of their own after them.
    std::vector<NamedGroupDef> namedGroups;
    OthersRule others = OthersRule::Together;
    QString othersName = QStringLiteral("Others");
    bool operator==(const GroupDef&) const = default;
};

// Report object kinds, as the object's "Kind" member gives them.
enum class ObjectKind { Field = 1, Text = 2, Line = 3, Box = 4, Subreport = 5, Picture = 6 };

enum class Alignment { Left, Center, Right, Justify };

enum class SpecialField { None, PageNumber, TotalPageCount, PageNofM, PrintDate, RecordNumber };

enum class SummaryOp { None, Sum, Count, Average, Minimum, Maximum, DistinctCount };

struct ORX_REPORTRT_EXPORT FontDef {
    QString family = QStringLiteral("Arial");
    int size = 10;  // points
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool operator==(const FontDef&) const = default;
};

struct ORX_REPORTRT_EXPORT SubreportLink {
    QString parentField;  // a reference in the parent report
    QString childField;   // {Table.Field} of the sub-report
    bool operator==(const SubreportLink&) const = default;
};

struct ORX_REPORTRT_EXPORT ObjectDef {
    ObjectKind kind = ObjectKind::Text;
    QString name;
    int x = 0, y = 0, width = 0, height = 0;
    FontDef font;
    Alignment alignment = Alignment::Left;
    QString color = QStringLiteral("#000000");
    bool canGrow = false;
    QString format;  // a display pattern of Format

    QString text;                              // Text: what is printed
    QString source;                            // Field: {T.F}, {@F}, {?P}; the summarised field for summaries
    SpecialField special = SpecialField::None;  // Field: a special field
    SummaryOp summary = SummaryOp::None;        // Field: a summary of `source`
    int summaryGroup = 0;                       // 0 the whole report, n the group n (1 outermost)

    int thickness = 20;  // Line and Box: pen width
    QString fill;        // Box: fill colour, empty for none
    QString picture;     // Picture: image file, relative to the report file

    QString subreport;  // Subreport: the name of the sub-report it shows
    std::vector<SubreportLink> links;

    bool operator==(const ObjectDef&) const = default;
};

enum class SectionKind { ReportHeader = 1, PageHeader = 2, GroupHeader = 3, Details = 4, GroupFooter = 5,
                         PageFooter = 7, ReportFooter = 8 };

struct ORX_REPORTRT_EXPORT SectionDef {
    SectionKind kind = SectionKind::Details;
    int group = 0;  // for group headers and footers: the group, 1 outermost
    QString name;
    int height = 0;
    QString suppressWhen;  // a boolean formula; the section is left out where it is true
    bool suppress = false;
    bool keepTogether = true;
    bool newPageBefore = false;
    bool newPageAfter = false;
    std::vector<ObjectDef> objects;
    bool operator==(const SectionDef&) const = default;
};

// One column of saved records: a field of one of the report's tables.
struct ORX_REPORTRT_EXPORT SavedColumn {
    QString table;
    QString field;
    ValueType type = ValueType::String;
    bool operator==(const SavedColumn&) const = default;
};

// Records saved in the report file with the report (the report with its
// data): the records a run reads, joined across the report's tables, before
// selection and sort. The columns are the fields of the tables, in the order
// of the tables and their fields. Each value is kept as the file writes it
// (savedText); no value is null.
struct ORX_REPORTRT_EXPORT SavedData {
    static constexpr int kVersion = 1;
    QString savedAt;  // yyyy-mm-ddThh:mm:ss, local time
    std::vector<SavedColumn> columns;
    std::vector<std::vector<std::optional<QString>>> records;
    bool operator==(const SavedData&) const = default;
    // The columns a report's tables give, in order.
    static std::vector<SavedColumn> columnsOf(const std::vector<TableDef>& tables);
};

// The text of a saved value that is not a string, and back: numbers and
// currency amounts in C notation with as many digits as they need, booleans
// true and false, dates yyyy-mm-dd, date-times yyyy-mm-ddThh:mm:ss.zzz.
// `number` is the value, 0 or 1 for a boolean, the date serial for dates.
ORX_REPORTRT_EXPORT QString savedText(double number, ValueType type);
ORX_REPORTRT_EXPORT bool savedNumber(const QString& text, ValueType type, double& number);

struct ORX_REPORTRT_EXPORT ReportDefinition {
    // Version 2 adds the saved data; a file without saved data is written as version 1.
    static constexpr int kFormatVersion = 1;
    static constexpr int kFormatVersionWithData = 2;

    QString name;
    QString title;
    PageSetup page;
    std::vector<TableDef> tables;
    std::vector<LinkDef> links;
    std::vector<SortDef> sortFields;
    QString selection;  // the record selection formula; empty selects every record
    std::vector<FormulaDef> formulas;
    std::vector<ParameterDef> parameters;
    std::vector<GroupDef> groups;
    std::vector<SectionDef> sections;  // in print order
    // Sub-reports, each a report of its own (without sub-reports of its own).
    std::vector<std::shared_ptr<ReportDefinition>> subreports;
    // The records saved with the report; null when it has none.
    std::shared_ptr<const SavedData> savedData;

    bool operator==(const ReportDefinition& other) const;

    const TableDef* table(const QString& name) const;
    const FormulaDef* formula(const QString& name) const;
    const ParameterDef* parameter(const QString& name) const;
    std::shared_ptr<ReportDefinition> subreport(const QString& name) const;
    // The sections of one kind (and group), in print order.
    std::vector<const SectionDef*> sectionsOf(SectionKind kind, int group = 0) const;
    // Whether it or a sub-report carries saved data.
    bool hasSavedData() const;
};

// Names used in the file and in messages.
ORX_REPORTRT_EXPORT QString valueTypeName(ValueType type);
ORX_REPORTRT_EXPORT bool valueTypeFromName(const QString& name, ValueType& type);
ORX_REPORTRT_EXPORT bool valueTypeFromNumber(int number, ValueType& type);
ORX_REPORTRT_EXPORT QString groupConditionName(GroupCondition condition);
ORX_REPORTRT_EXPORT bool groupConditionFromName(const QString& name, GroupCondition& condition);
ORX_REPORTRT_EXPORT QString sortDirectionName(SortDirection direction);
ORX_REPORTRT_EXPORT bool sortDirectionFromName(const QString& name, SortDirection& direction);
ORX_REPORTRT_EXPORT QString namedGroupTestName(NamedGroupTest test);
ORX_REPORTRT_EXPORT bool namedGroupTestFromName(const QString& name, NamedGroupTest& test);
// How many values a test takes: {least, most} (most -1: any number).
ORX_REPORTRT_EXPORT std::pair<int, int> namedGroupTestArity(NamedGroupTest test);
ORX_REPORTRT_EXPORT QString othersRuleName(OthersRule rule);
ORX_REPORTRT_EXPORT bool othersRuleFromName(const QString& name, OthersRule& rule);

// A reference written in braces: {Table.Field}, {@Formula}, {?Parameter}.
struct ORX_REPORTRT_EXPORT FieldRef {
    enum class Kind { Invalid, Database, Formula, Parameter } kind = Kind::Invalid;
    QString table;  // Database only
    QString name;
    static FieldRef parse(const QString& text);
    QString text() const;
};

}  // namespace orx::reportrt::definition
