// The run on small reports made for each rule: every group condition on real
// dates and yes/no values, keep-together and page N of M, can-grow texts,
// a sub-report linked to a recordset, formula checks and parameters through
// the runtime's objects.
#include "platform/basic/BasicError.h"
#include "reportrt/ErrorNumbers.h"
#include "reportrt/definition/ReportFile.h"
#include "reportrt/export/CsvExport.h"
#include "reportrt/run/RuntimeObjects.h"
#include "tests/reportrt/ReportTestData.h"

#include <QDir>
#include <QStandardItemModel>
#include <gtest/gtest.h>
#include <map>

using namespace orx;
using namespace orx::reportrt;
using namespace orx::reportrt::definition;
using layout::PageItem;

namespace {

ObjectDef fieldObject(const QString& name, const QString& source, int x = 0, int width = 1500)
{
    ObjectDef o;
    o.kind = ObjectKind::Field;
    o.name = name;
    o.source = source;
    o.x = x;
    o.width = width;
    o.height = 240;
    return o;
}

ObjectDef specialObject(const QString& name, SpecialField f)
{
    ObjectDef o = fieldObject(name, QString());
    o.special = f;
    return o;
}

SectionDef section(SectionKind kind, int height, std::vector<ObjectDef> objects = {}, int group = 0)
{
    SectionDef s;
    s.kind = kind;
    s.height = height;
    s.group = group;
    s.objects = std::move(objects);
    return s;
}

// Saves the definition next to the database and opens it as a program would.
std::shared_ptr<run::RtReport> openReport(const ReportDefinition& def, const QString& folder)
{
    const QString path = QDir(folder).filePath(def.name + QStringLiteral(".RPT"));
    saveReportFile(def, path);
    return run::RtReport::open(path);
}

std::map<QString, std::vector<const PageItem*>> byName(const layout::PageModel& m)
{
    std::map<QString, std::vector<const PageItem*>> out;
    for (const auto* t : m.texts())
        out[t->name].push_back(t);
    return out;
}

int pageOf(const layout::PageModel& m, const PageItem* item)
{
    for (int p = 0; p < m.pageCount(); ++p) {
        for (const auto& i : m.page(p).items) {
            if (&i == item)
                return p + 1;
        }
    }
    return 0;
}

class ReportRunTest : public ::testing::Test {
protected:
    basic::ScopedRegional us{basic::RegionalSettings::unitedStates()};
};

TEST_F(ReportRunTest, EveryGroupConditionOnRealDatesAndFlags)
{
    const QString db = test::makeDatabase(
        QStringLiteral("events.db"),
        {QStringLiteral("CREATE TABLE events (id INTEGER, at TEXT, flag INTEGER)"),
         QStringLiteral("INSERT INTO events VALUES (1, '2024-01-01T08:00:00', 0), (2, '2024-01-01T08:00:30', 0), "
                        "(3, '2024-01-01T08:59:59', 1), (4, '2024-01-01T10:05:00', 1), (5, '2024-01-06T10:00:00', 0), "
                        "(6, '2024-01-07T09:00:00', 1), (7, '2024-01-16T09:00:00', 0), (8, '2024-02-20T09:00:00', 0), "
                        "(9, '2024-04-02T09:00:00', 1), (10, '2024-07-01T09:00:00', 1), (11, '2025-01-01T00:00:00', 0)")});
    const struct {
        GroupCondition condition;
        const char* field;
        std::vector<int> starts;  // the records that begin a group
    } cases[] = {
        {GroupCondition::Daily, "{E.at}", {1, 5, 6, 7, 8, 9, 10, 11}},
        {GroupCondition::Weekly, "{E.at}", {1, 6, 7, 8, 9, 10, 11}},
        {GroupCondition::Biweekly, "{E.at}", {1, 7, 8, 9, 10, 11}},
        {GroupCondition::Semimonthly, "{E.at}", {1, 7, 8, 9, 10, 11}},
        {GroupCondition::Monthly, "{E.at}", {1, 8, 9, 10, 11}},
        {GroupCondition::Quarterly, "{E.at}", {1, 9, 10, 11}},
        {GroupCondition::SemiAnnually, "{E.at}", {1, 10, 11}},
        {GroupCondition::Annually, "{E.at}", {1, 11}},
        {GroupCondition::ToYes, "{E.flag}", {1, 3, 6, 9}},
        {GroupCondition::ToNo, "{E.flag}", {1, 5, 7, 11}},
        {GroupCondition::EveryYes, "{E.flag}", {1, 4, 5, 7, 10, 11}},
        {GroupCondition::EveryNo, "{E.flag}", {1, 2, 3, 6, 8, 9}},
        {GroupCondition::NextIsYes, "{E.flag}", {1, 3, 4, 6, 9, 10}},
        {GroupCondition::NextIsNo, "{E.flag}", {1, 2, 5, 7, 8, 11}},
        {GroupCondition::AnyValue, "{E.flag}", {1, 3, 5, 6, 7, 9, 11}},
        {GroupCondition::BySecond, "{E.at}", {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}},
        {GroupCondition::ByMinute, "{E.at}", {1, 3, 4, 5, 6, 7, 8, 9, 10, 11}},
        {GroupCondition::ByHour, "{E.at}", {1, 4, 5, 6, 7, 8, 9, 10, 11}},
        {GroupCondition::ByAmPm, "{E.at}", {1, 5, 6, 7, 8, 9, 10, 11}},
    };
    ReportDefinition def;
    def.name = QStringLiteral("Events");
    def.tables = {{QStringLiteral("E"), db, QStringLiteral("events"), {},
                   {{QStringLiteral("id"), ValueType::Number}, {QStringLiteral("at"), ValueType::DateTime},
                    {QStringLiteral("flag"), ValueType::Boolean}}}};
    def.sortFields = {{QStringLiteral("{E.id}"), SortDirection::Ascending}};
    def.groups = {{QStringLiteral("{E.at}"), SortDirection::Original, GroupCondition::AnyValue, false, false}};
    def.sections = {section(SectionKind::GroupHeader, 240, {specialObject(QStringLiteral("Start"), SpecialField::RecordNumber)}, 1),
                    section(SectionKind::Details, 240, {fieldObject(QStringLiteral("Id"), QStringLiteral("{E.id}"))}),
                    section(SectionKind::GroupFooter, 240, {[] {
                        ObjectDef o = fieldObject(QStringLiteral("Count"), QStringLiteral("{E.id}"));
                        o.summary = SummaryOp::Count;
                        o.summaryGroup = 1;
                        return o;
                    }()}, 1)};
    auto report = openReport(def, QFileInfo(db).absolutePath());
    ASSERT_EQ(report->Areas().Item(3).Kind(), 3);
    ASSERT_EQ(report->Areas().Item(3).GroupConditionField()->Name(), QStringLiteral("{E.at}"));
    for (const auto& c : cases) {
        // The condition as the engine sets it, on the group's area.
        report->state().def->groups[0].field = QString::fromLatin1(c.field);
        report->Areas().Item(3).setGroupCondition(static_cast<int>(c.condition));
        const auto pages = report->pages();
        auto names = byName(*pages);
        std::vector<int> starts;
        for (const auto* i : names[QStringLiteral("Start")])
            starts.push_back(i->text.toInt());
        EXPECT_EQ(starts, c.starts) << groupConditionName(c.condition).toStdString();
        int counted = 0;
        for (const auto* i : names[QStringLiteral("Count")])
            counted += i->text.toInt();
        EXPECT_EQ(counted, 11) << "every record in exactly one group";
    }
    EXPECT_THROW(report->Areas().Item(3).setGroupCondition(19), basic::BasicError);
}

class Paging : public ReportRunTest {
protected:
    // 30 records in groups of 5 on A5 pages; each group (header, 5 details,
    // footer: 6000 twips) fits a page, two do not.
    ReportDefinition pagedReport(bool keepTogether)
    {
        ReportDefinition def;
        def.name = QStringLiteral("Paged");
        def.page.paperSize = 11;
        def.tables = {{QStringLiteral("T"), db, QStringLiteral("t"), {},
                       {{QStringLiteral("id"), ValueType::Number}, {QStringLiteral("g"), ValueType::Number},
                        {QStringLiteral("remark"), ValueType::String}}}};
        def.groups = {{QStringLiteral("{T.g}"), SortDirection::Ascending, GroupCondition::AnyValue, keepTogether, false}};
        def.sortFields = {{QStringLiteral("{T.id}"), SortDirection::Ascending}};
        ObjectDef remark = fieldObject(QStringLiteral("Remark"), QStringLiteral("{T.remark}"), 2000, 2000);
        remark.canGrow = true;
        def.sections = {section(SectionKind::PageHeader, 300, {[] {
                            ObjectDef o;
                            o.name = QStringLiteral("Title");
                            o.text = QStringLiteral("Paged report");
                            o.width = 3000;
                            o.height = 280;
                            return o;
                        }()}),
                        section(SectionKind::GroupHeader, 500, {fieldObject(QStringLiteral("Group"), QStringLiteral("{T.g}"))}, 1),
                        section(SectionKind::Details, 1000, {fieldObject(QStringLiteral("Id"), QStringLiteral("{T.id}")), remark}),
                        section(SectionKind::GroupFooter, 500, {fieldObject(QStringLiteral("End"), QStringLiteral("{T.g}"))}, 1),
                        section(SectionKind::PageFooter, 300, {specialObject(QStringLiteral("NofM"), SpecialField::PageNofM)})};
        return def;
    }

    QString db = [] {
        QStringList rows;
        for (int i = 1; i <= 30; ++i)
            rows << QStringLiteral("(%1, %2, %3)").arg(i).arg((i - 1) / 5)
                        .arg(i == 7 ? QStringLiteral("'%1'").arg(QString(QStringLiteral("long words ")).repeated(12)) : QStringLiteral("'short'"));
        return test::makeDatabase(QStringLiteral("paged.db"), {QStringLiteral("CREATE TABLE t (id INTEGER, g INTEGER, remark TEXT)"),
                                                                QStringLiteral("INSERT INTO t VALUES ") + rows.join(QStringLiteral(", "))});
    }();
};

TEST_F(Paging, KeepTogetherGroupsPageNofMAndCanGrow)
{
    for (const bool keep : {true, false}) {
        auto report = openReport(pagedReport(keep), QFileInfo(db).absolutePath());
        const auto pages = report->pages();
        auto names = byName(*pages);
        ASSERT_EQ(names[QStringLiteral("Id")].size(), 30u);
        // Each group on one page when kept together; some group split otherwise.
        bool anySplit = false;
        for (std::size_t g = 0; g < 6; ++g) {
            const int first = pageOf(*pages, names[QStringLiteral("Group")][g]);
            const int last = pageOf(*pages, names[QStringLiteral("End")][g]);
            anySplit = anySplit || first != last;
            if (keep) {
                EXPECT_EQ(first, last) << "group " << g;
            }
        }
        EXPECT_EQ(anySplit, !keep);
        // Page header and "Page n of m" on every page.
        ASSERT_EQ(names[QStringLiteral("Title")].size(), static_cast<std::size_t>(pages->pageCount()));
        for (int p = 0; p < pages->pageCount(); ++p) {
            EXPECT_EQ(pageOf(*pages, names[QStringLiteral("NofM")][p]), p + 1);
            EXPECT_EQ(names[QStringLiteral("NofM")][p]->text, QStringLiteral("Page %1 of %2").arg(p + 1).arg(pages->pageCount()));
        }
        // Nothing overlaps the page footer or runs off the paper.
        for (int p = 0; p < pages->pageCount(); ++p) {
            const auto* footer = names[QStringLiteral("NofM")][p];
            for (const auto& i : pages->page(p).items) {
                if (&i != footer && i.name != QLatin1String("NofM")) {
                    EXPECT_LE(i.rect.bottom(), footer->rect.top()) << i.name.toStdString() << " on page " << p + 1;
                }
            }
        }
        // The long remark grew (a line per item), and the next record moved down below it.
        std::vector<const PageItem*> remark;
        for (const auto* i : names[QStringLiteral("Remark")]) {
            if (i->record == 7)
                remark.push_back(i);
        }
        ASSERT_GT(remark.size(), 1u);
        EXPECT_GT(remark.back()->rect.bottom() - remark.front()->rect.top(), 1000);
        const auto* next = names[QStringLiteral("Id")][7];
        if (pageOf(*pages, next) == pageOf(*pages, remark.back())) {
            EXPECT_GT(next->rect.top(), remark.back()->rect.bottom());
        }
    }
}

TEST_F(Paging, ACanGrowTextLongerThanAPageGoesOnOverThePageBreak)
{
    ReportDefinition def = pagedReport(false);
    const QString words = [] {
        QStringList w;
        for (int i = 1; i <= 400; ++i)
            w << QStringLiteral("word%1").arg(i);
        return w.join(QLatin1Char(' '));
    }();
    def.tables[0].query = QStringLiteral("SELECT id, g, CASE WHEN id = 3 THEN '%1' ELSE remark END AS remark FROM t").arg(words);
    auto report = openReport(def, QFileInfo(db).absolutePath());
    const auto pages = report->pages();
    QStringList text;
    QSet<int> pagesUsed;
    for (int p = 0; p < pages->pageCount(); ++p) {
        int footerTop = 0;
        for (const auto& i : pages->page(p).items) {
            if (i.name == QLatin1String("NofM"))
                footerTop = i.rect.top();
        }
        for (const auto& i : pages->page(p).items) {
            if (i.name == QLatin1String("Remark") && i.record == 3) {
                text << i.text;
                pagesUsed.insert(p);
                EXPECT_LE(i.rect.bottom(), footerTop) << "a line runs into the footer on page " << p + 1;
            }
        }
    }
    EXPECT_EQ(text.join(QLatin1Char(' ')), words) << "every word, in order";
    EXPECT_GT(pagesUsed.size(), 1) << "the text went on over a page break";
    // In the CSV the record's text is whole again.
    EXPECT_TRUE(exporting::detailsCsv(*pages).contains(words.toUtf8()));
}

TEST_F(Paging, NewPageBeforeAndAfterAndSuppressedSections)
{
    ReportDefinition def = pagedReport(false);
    def.sections[1].newPageBefore = true;                             // each group header starts a page
    def.sections[2].suppressWhen = QStringLiteral("{T.id} mod 5 = 0");  // the fifth record of each group is left out
    def.sections[3].newPageAfter = true;                              // and each footer ends one
    def.sections[3].keepTogether = true;
    auto report = openReport(def, QFileInfo(db).absolutePath());
    const auto pages = report->pages();
    auto names = byName(*pages);
    ASSERT_EQ(names[QStringLiteral("Group")].size(), 6u);
    EXPECT_EQ(names[QStringLiteral("Id")].size(), 24u);
    int lastPage = 0;
    for (std::size_t g = 0; g < 6; ++g) {
        const int page = pageOf(*pages, names[QStringLiteral("Group")][g]);
        EXPECT_GT(page, lastPage) << "group " << g << " starts a page of its own";
        lastPage = pageOf(*pages, names[QStringLiteral("End")][g]);
    }
    EXPECT_EQ(pages->pageCount(), lastPage) << "no empty page after the last footer";
}

TEST_F(ReportRunTest, ASubreportLinkedToItsParentReadsARecordset)
{
    const QString db = test::makeDatabase(QStringLiteral("shop.db"), test::shopStatements());
    ReportDefinition lines;
    lines.name = QStringLiteral("Lines");
    lines.tables = {{QStringLiteral("L"), db, QStringLiteral("lines"), {},
                     {{QStringLiteral("order_id"), ValueType::Number}, {QStringLiteral("product"), ValueType::String}}}};
    lines.sections = {section(SectionKind::Details, 200, {fieldObject(QStringLiteral("Product"), QStringLiteral("{L.product}"))}),
                      section(SectionKind::ReportFooter, 200, {[] {
                          ObjectDef o = fieldObject(QStringLiteral("Lines"), QStringLiteral("{L.product}"));
                          o.summary = SummaryOp::Count;
                          return o;
                      }()})};
    ReportDefinition def;
    def.name = QStringLiteral("Parent");
    def.tables = {{QStringLiteral("O"), db, QStringLiteral("orders"), {}, {{QStringLiteral("id"), ValueType::Number}}}};
    def.sortFields = {{QStringLiteral("{O.id}"), SortDirection::Ascending}};
    ObjectDef sub;
    sub.kind = ObjectKind::Subreport;
    sub.name = QStringLiteral("LinesObject");
    sub.x = 500;
    sub.subreport = QStringLiteral("Lines");
    sub.links = {{QStringLiteral("{O.id}"), QStringLiteral("{L.order_id}")}};
    def.sections = {section(SectionKind::Details, 240, {fieldObject(QStringLiteral("Order"), QStringLiteral("{O.id}")), sub})};
    def.subreports = {std::make_shared<ReportDefinition>(lines)};
    auto report = openReport(def, QFileInfo(db).absolutePath());
    ASSERT_EQ(report->Sections().Item(1).ReportObjects().Item(2).member(QStringLiteral("Kind")).toInt(), kind::SubreportObject);
    ASSERT_EQ(report->Sections().Item(1).ReportObjects().Item(2).member(QStringLiteral("SubreportName")).toString(), QStringLiteral("Lines"));

    // The sub-report's table reads a recordset: the link filters it in memory.
    QStandardItemModel model(0, 2);
    model.setHorizontalHeaderLabels({QStringLiteral("product"), QStringLiteral("order_id")});
    for (const auto& [product, order] : std::vector<std::pair<const char*, int>>{{"Pen", 2}, {"Ink", 1}, {"Cap", 2}, {"Box", 9}})
        model.appendRow({new QStandardItem(QString::fromLatin1(product)), new QStandardItem(QString::number(order))});
    report->OpenSubreport(QStringLiteral("Lines"))->Database().Tables().Item(1).SetDataSource(&model);
    const auto pages = report->pages();
    QStringList flow;
    for (const auto* t : pages->texts())
        flow << (t->fromSubreport ? QStringLiteral("  ") : QString()) + t->text;
    EXPECT_EQ(flow, (QStringList{QStringLiteral("1"), QStringLiteral("  Ink"), QStringLiteral("  1"),
                                 QStringLiteral("2"), QStringLiteral("  Pen"), QStringLiteral("  Cap"), QStringLiteral("  2"),
                                 QStringLiteral("3"), QStringLiteral("  0"), QStringLiteral("4"), QStringLiteral("  0"),
                                 QStringLiteral("5"), QStringLiteral("  0"), QStringLiteral("6"), QStringLiteral("  0")}));
    // The sub-report's lines are indented by the object's position.
    for (const auto* t : pages->texts()) {
        if (t->fromSubreport) {
            EXPECT_EQ(t->rect.left(), def.page.marginLeft + 500);
        }
    }
}

TEST_F(ReportRunTest, FormulaChecksAndParametersThroughTheRuntimeObjects)
{
    const QString db = test::makeDatabase(QStringLiteral("shop.db"), test::shopStatements());
    ReportDefinition def;
    def.name = QStringLiteral("Params");
    def.tables = {{QStringLiteral("O"), db, QStringLiteral("orders"), {},
                   {{QStringLiteral("id"), ValueType::Number}, {QStringLiteral("order_date"), ValueType::Date},
                    {QStringLiteral("total"), ValueType::Currency}}}};
    def.parameters = {{QStringLiteral("Since"), ValueType::Date, QStringLiteral("From"), {}, false},
                      {QStringLiteral("Least"), ValueType::Number, {}, QStringLiteral("0"), true},
                      {QStringLiteral("All"), ValueType::Boolean, {}, QStringLiteral("false"), true},
                      {QStringLiteral("Tag"), ValueType::String, {}, QStringLiteral("x"), true}};
    def.formulas = {{QStringLiteral("Label"), ValueType::String, QStringLiteral("{?Tag} & ToText({O.id}, \"0\")")},
                    {QStringLiteral("Net"), ValueType::Number, QStringLiteral("{O.total} / 2")}};
    def.selection = QStringLiteral("{?All} or ({O.order_date} >= {?Since} and {O.total} >= {?Least})");
    def.sortFields = {{QStringLiteral("{O.id}"), SortDirection::Ascending}};
    def.sections = {section(SectionKind::Details, 240, {fieldObject(QStringLiteral("Label"), QStringLiteral("{@Label}"))})};
    auto report = openReport(def, QFileInfo(db).absolutePath());

    // Check: the error and its column; a string formula giving a number is refused.
    auto& label = report->FormulaFields().Item(1);
    auto& net = report->FormulaFields().Item(2);
    QString error;
    EXPECT_TRUE(label.Check(error)) << error.toStdString();
    const struct {
        FormulaFieldDefinition* field;
        const char* text;
        const char* error;
    } checks[] = {
        {&net, "{O.total} / 'a'", "a number is expected here (column 13)"},
        {&label, "{O.id} + 1", "it gives a number, but it is declared as a string"},
        {&net, "{@Net} + 1", "The formula Net refers to itself: Net -> Net"},
        {&label, "Customer", "a function, field or value is expected here; Customer is not a function (column 1)"},
    };
    for (const auto& c : checks) {
        const QString saved = c.field->Text();
        c.field->setText(QString::fromLatin1(c.text));
        EXPECT_FALSE(c.field->Check(error)) << c.text;
        EXPECT_TRUE(error.endsWith(QString::fromLatin1(c.error))) << error.toStdString();
        c.field->setText(saved);
    }

    // A date parameter without a default must be given.
    try {
        report->pages();
        ADD_FAILURE() << "ran without its parameter";
    } catch (const basic::BasicError& e) {
        EXPECT_EQ(e.number(), rterr::ParameterInvalid);
        EXPECT_EQ(e.description(), QStringLiteral("The report needs a value for the parameter Since (From)"));
    }
    auto& params = report->ParameterFields();
    params.Item(1).SetCurrentValue(QDateTime(QDate(2024, 2, 1), QTime(0, 0), Qt::UTC));
    params.Item(2).AddCurrentValue(20.0);
    params.Item(4).AddCurrentValue(QStringLiteral("#"));
    QStringList labels;
    for (const auto* t : report->pages()->texts())
        labels << t->text;
    EXPECT_EQ(labels, (QStringList{QStringLiteral("#3"), QStringLiteral("#4")}));
    params.Item(3).ClearCurrentValueAndRange();
    params.Item(3).AddCurrentValue(true);
    EXPECT_EQ(report->pages()->texts().size(), 6u);
    EXPECT_THROW(params.Item(1).SetCurrentValue(QStringLiteral("not a date")), basic::BasicError);
    EXPECT_THROW(params.Item(2).AddCurrentValue(QStringLiteral("ten")), basic::BasicError);
}

}  // namespace
