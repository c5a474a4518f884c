// Groups in specified order: named groups with their tests and values, in
// the order given, and the others put together, discarded or kept in their
// own groups; in the report file, in the run, and through the sort direction
// the engine writes on a group area.
#include "platform/basic/BasicError.h"
#include "reportrt/ErrorNumbers.h"
#include "reportrt/definition/ReportFile.h"
#include "reportrt/Runtime.h"
#include "reportrt/run/RuntimeObjects.h"
#include "tests/reportrt/OurRuntimeFixture.h"
#include "tests/reportrt/ReportTestData.h"
#include "tests/support/HostFixture.h"
#include "viewreport/engine/ORXDLLViewReport.h"
#include "viewreport/engine/RequestCollections.h"
#include "viewreport/engine/RunState.h"

#include <QDir>
#include <gtest/gtest.h>

using namespace orx;
using namespace orx::reportrt;
using namespace orx::reportrt::definition;

namespace {

NamedGroupDef named(const char* name, NamedGroupTest test, QStringList values)
{
    return {QString::fromLatin1(name), test, std::move(values)};
}

class SpecifiedOrder : public ::testing::Test {
protected:
    void SetUp() override { db_ = test::makeDatabase(QStringLiteral("shop.db"), test::shopStatements()); }

    // Orders grouped by `field`; details print the order id, the group footer
    // the count of the group's orders.
    ReportDefinition report(const GroupDef& group) const
    {
        ReportDefinition def;
        def.name = QStringLiteral("Specified");
        test::ordersWithCustomers(def, db_,
                                  {{QStringLiteral("id"), ValueType::Number}, {QStringLiteral("customer_id"), ValueType::Number},
                                   {QStringLiteral("order_date"), ValueType::Date}, {QStringLiteral("total"), ValueType::Number}});
        def.groups = {group};
        def.sortFields = {{QStringLiteral("{O.id}"), SortDirection::Ascending}};
        const ObjectDef id = test::fieldAt(QStringLiteral("D"), QStringLiteral("{O.id}"), 0, 1000, QStringLiteral("0"));
        ObjectDef count = id;
        count.name = QStringLiteral("N");
        count.summary = SummaryOp::Count;
        count.summaryGroup = 1;
        SectionDef details{SectionKind::Details, 0, {}, 240, {}, false, true, false, false, {id}};
        SectionDef footer{SectionKind::GroupFooter, 1, {}, 240, {}, false, true, false, false, {count}};
        def.sections = {details, footer};
        return def;
    }

    std::shared_ptr<run::RtReport> open(const ReportDefinition& def) const
    {
        return test::saveAndOpen(def, QFileInfo(db_).absolutePath());
    }

    // "1 4 | 5 6 |": the ids of each group, a bar where a group ends.
    static QString groups(run::RtReport& r)
    {
        QStringList out;
        for (const auto* t : r.pages()->texts())
            out << (t->name == QLatin1String("N") ? QStringLiteral("|") : t->text);
        return out.join(QLatin1Char(' '));
    }

    QString db_;
    basic::ScopedRegional us{basic::RegionalSettings::unitedStates()};
};

// Totals by id: 1 100, 2 50.5, 3 20, 4 75, 5 10, 6 5. Customers: 1 Rossi (orders 1 3 6), 2 Bianchi (2 5), 3 Verdi (4).
TEST_F(SpecifiedOrder, NamedGroupsInTheirOrderAndTheOthersAsTheReportSays)
{
    using T = NamedGroupTest;
    const std::vector<NamedGroupDef> bySize = {named("Big", T::GreaterEqual, {"75"}), named("Small", T::Less, {"20"})};
    const struct {
        const char* what;
        const char* field;
        std::vector<NamedGroupDef> named;
        OthersRule others;
        const char* expected;
    } cases[] = {
        {"others together", "{O.total}", bySize, OthersRule::Together, "1 4 | 5 6 | 2 3 |"},
        {"others discarded", "{O.total}", bySize, OthersRule::Discard, "1 4 | 5 6 |"},
        {"others in their own groups, by value", "{O.total}", bySize, OthersRule::Keep, "1 4 | 5 6 | 3 | 2 |"},
        {"a record goes to the first group that takes it", "{O.total}",
         {named("Mid", T::Between, {"10", "50.5"}), named("Low", T::Less, {"30"})}, OthersRule::Together,
         "2 3 5 | 6 | 1 4 |"},
        {"not between, not one of", "{O.total}",
         {named("Outer", T::NotBetween, {"10", "75"}), named("NotTwenty", T::NotOneOf, {"20"})}, OthersRule::Together,
         "1 6 | 2 4 5 | 3 |"},
        {"one of, by name", "{C.name}",
         {named("Verdi", T::OneOf, {"Verdi"}), named("RB", T::OneOf, {"Rossi", "Bianchi"})}, OthersRule::Discard,
         "4 | 1 2 3 5 6 |"},
        {"starts with, the others kept by name", "{C.name}", {named("V", T::StartsWith, {"V", "X"})}, OthersRule::Keep,
         "4 | 2 5 | 1 3 6 |"},
        {"not starts with", "{C.name}", {named("NotR", T::NotStartsWith, {"R"})}, OthersRule::Together,
         "2 4 5 | 1 3 6 |"},
        {"a named group nothing falls in prints nothing", "{C.name}",
         {named("Nobody", T::OneOf, {"Neri"}), named("Rossi", T::OneOf, {"Rossi"})}, OthersRule::Together,
         "1 3 6 | 2 4 5 |"},
    };
    for (const auto& c : cases) {
        GroupDef g{QString::fromLatin1(c.field), SortDirection::Specified};
        g.namedGroups = c.named;
        g.others = c.others;
        auto r = open(report(g));
        try {
            EXPECT_EQ(groups(*r), QString::fromLatin1(c.expected)) << c.what;
        } catch (const basic::BasicError& e) {
            ADD_FAILURE() << c.what << ": " << e.description().toStdString();
        }
    }
}

TEST_F(SpecifiedOrder, TheEngineTurnsItOnThroughTheGroupArea)
{
    GroupDef g{QStringLiteral("{O.total}"), SortDirection::Descending};
    g.namedGroups = {named("Small", NamedGroupTest::Less, {"20"})};
    g.others = OthersRule::Discard;
    auto r = open(report(g));
    auto& areas = r->Areas();
    Area* area = nullptr;
    for (std::int16_t i = 1; i <= areas.Count(); ++i) {
        if (areas.Item(i).Kind() == 3)
            area = &areas.Item(i);
    }
    ASSERT_NE(area, nullptr);
    const struct {
        int direction;
        const char* expected;
    } steps[] = {
        {1, "1 | 4 | 2 | 3 | 5 | 6 |"},  // as designed: descending
        {3, "5 6 |"},                    // specified: the named group only
        {2, "1 | 2 | 3 | 4 | 5 | 6 |"},  // original
        {0, "6 | 5 | 3 | 2 | 4 | 1 |"},  // ascending
    };
    for (const auto& s : steps) {
        area->setSortDirection(s.direction);
        EXPECT_EQ(groups(*r), QString::fromLatin1(s.expected)) << "direction " << s.direction;
    }
    // Specified order without named groups keeps the data's order, as original does.
    GroupDef plain{QStringLiteral("{C.name}"), SortDirection::Specified};
    EXPECT_EQ(groups(*open(report(plain))), QStringLiteral("1 | 2 | 3 | 4 | 5 | 6 |"));
}

TEST_F(SpecifiedOrder, GroupNameGivesTheNamedGroupsAndTheOthersName)
{
    using T = NamedGroupTest;
    const struct {
        const char* what;
        SortDirection direction;
        OthersRule others;
        const char* expected;  // the group headers, in order
    } cases[] = {
        {"others together", SortDirection::Specified, OthersRule::Together, "Big Small Rest"},
        {"others kept", SortDirection::Specified, OthersRule::Keep, "Big Small 20 50.5"},
        {"not in specified order: the value", SortDirection::Ascending, OthersRule::Together, "5 10 20 50.5 75 100"},
    };
    for (const auto& c : cases) {
        GroupDef g{QStringLiteral("{O.total}"), c.direction};
        g.namedGroups = {named("Big", T::GreaterEqual, {"75"}), named("Small", T::Less, {"20"})};
        g.others = c.others;
        g.othersName = QStringLiteral("Rest");
        ReportDefinition def = report(g);
        def.formulas = {{QStringLiteral("Name"), ValueType::String, QStringLiteral("GroupName({O.total})")}};
        const ObjectDef name = test::fieldAt(QStringLiteral("H"), QStringLiteral("{@Name}"), 0, 2000);
        def.sections.insert(def.sections.begin(), SectionDef{SectionKind::GroupHeader, 1, {}, 240, {}, false, true, false, false, {name}});
        auto r = open(def);
        QStringList headers;
        for (const auto* t : r->pages()->texts()) {
            if (t->name == QLatin1String("H"))
                headers << t->text;
        }
        EXPECT_EQ(headers.join(QLatin1Char(' ')), QString::fromLatin1(c.expected)) << c.what;
    }
    // Only the field of a group has a group name.
    ReportDefinition def = report(GroupDef{QStringLiteral("{O.total}")});
    def.formulas = {{QStringLiteral("Name"), ValueType::String, QStringLiteral("GroupName({O.id})")}};
    auto r = open(def);
    QString error;
    EXPECT_FALSE(r->FormulaFields().Item(1).Check(error));
    EXPECT_EQ(error, QStringLiteral("the field of a group is expected here; the report has no group on {O.id} (column 11)"));
}

TEST_F(SpecifiedOrder, ValuesThatDoNotSuitTheFieldAreRefused)
{
    const struct {
        const char* field;
        NamedGroupDef named;
        const char* error;
    } cases[] = {
        {"{O.total}", named("Big", NamedGroupTest::Greater, {"lots"}),
         "The named group Big of group 1 is not valid: \"lots\" is not a number, as the group's field is"},
        {"{O.order_date}", named("Q1", NamedGroupTest::Between, {"2024-01-01", "March"}),
         "The named group Q1 of group 1 is not valid: \"March\" is not a date, as the group's field is"},
        {"{O.total}", named("One", NamedGroupTest::StartsWith, {"1"}),
         "The named group One of group 1 is not valid: starts-with takes a string field, and the group's field is a number"},
    };
    for (const auto& c : cases) {
        GroupDef g{QString::fromLatin1(c.field), SortDirection::Specified};
        g.namedGroups = {c.named};
        auto r = open(report(g));
        try {
            r->pages();
            ADD_FAILURE() << c.error << ": the run went on";
        } catch (const basic::BasicError& e) {
            EXPECT_EQ(e.number(), rterr::FormulaInvalid);
            EXPECT_EQ(e.description(), QString::fromLatin1(c.error));
        }
    }
}

TEST(SpecifiedOrderFile, NamedGroupsAreWrittenReadAndChecked)
{
    ReportDefinition def;
    def.name = QStringLiteral("F");
    def.tables = {{QStringLiteral("T"), QStringLiteral("x.db"), {}, {}, {{QStringLiteral("N"), ValueType::String}}}};
    GroupDef g{QStringLiteral("{T.N}"), SortDirection::Specified};
    g.namedGroups = {named("A & B", NamedGroupTest::OneOf, {"A", "B"}), named("Mid", NamedGroupTest::Between, {"C", "M"})};
    g.others = OthersRule::Keep;
    g.othersName = QStringLiteral("Rest");
    def.groups = {g, GroupDef{QStringLiteral("{T.N}")}};
    const QByteArray xml = writeReport(def);
    EXPECT_TRUE(xml.contains("<group field=\"{T.N}\" direction=\"specified\" others=\"keep\" others-name=\"Rest\">\n"
                             "      <named-group name=\"A &amp; B\">\n        <value>A</value>\n        <value>B</value>\n"
                             "      </named-group>\n      <named-group name=\"Mid\" test=\"between\">"))
        << xml.toStdString();
    EXPECT_TRUE(xml.contains("<group field=\"{T.N}\"/>")) << xml.toStdString();
    EXPECT_EQ(parseReport(xml, QStringLiteral("F.RPT")), def);
    EXPECT_EQ(writeReport(parseReport(xml, QStringLiteral("F.RPT"))), xml);

    const QByteArray head = "<report format-version=\"1\"><tables><table name=\"T\"><field name=\"N\" type=\"string\"/>"
                            "</table></tables><groups><group field=\"{T.N}\" direction=\"specified\"";
    const struct {
        const char* body;
        const char* error;
    } bad[] = {
        {" others=\"all\"/>", "expected together, discard or keep for others, found \"all\""},
        {"><named-group name=\"A\" test=\"between\"><value>A</value></named-group></group>",
         "expected 2 <value> for the test between of the named group A, found 1"},
        {"><named-group name=\"A\" test=\"less\"/></group>", "expected 1 <value> for the test less of the named group A, found 0"},
        {"><named-group name=\"A\"><value>A</value></named-group><named-group name=\"A\"><value>B</value></named-group></group>",
         "expected a named group name not used before in this group, found A"},
        {"><named-group name=\"A\" test=\"like\"><value>A</value></named-group></group>",
         "expected one-of, not-one-of, between, not-between, less, less-equal, greater, greater-equal, starts-with or "
         "not-starts-with for test, found \"like\""},
        {"><value>A</value></group>", "expected <named-group> or </group>"},
    };
    for (const auto& b : bad) {
        try {
            parseReport(head + b.body + "</groups></report>", QStringLiteral("Bad.RPT"));
            ADD_FAILURE() << b.body << ": read";
        } catch (const basic::BasicError& e) {
            EXPECT_TRUE(e.description().contains(QString::fromLatin1(b.error))) << e.description().toStdString();
        }
    }
}

// The request's order-by entry for the group's field, with the specified
// order (3), reaches the group through the engine's write of its direction.
class SpecifiedThroughTheEngine : public test::OurRuntimeFixture {};

TEST_F(SpecifiedThroughTheEngine, TheRequestsOrderByEntryTurnsItOn)
{
    const QString db = test::makeDatabase(QStringLiteral("shop.db"), test::shopStatements());
    ReportDefinition def;
    def.name = QStringLiteral("ByName");
    test::ordersWithCustomers(def, db, {{QStringLiteral("id"), ValueType::Number}, {QStringLiteral("customer_id"), ValueType::Number}});
    GroupDef g{QStringLiteral("{C.name}")};
    g.namedGroups = {named("Verdi first", NamedGroupTest::OneOf, {"Verdi"})};
    g.others = OthersRule::Together;
    def.groups = {g};
    def.sortFields = {{QStringLiteral("{O.id}"), SortDirection::Ascending}};
    def.formulas = {{QStringLiteral("Name"), ValueType::String, QStringLiteral("GroupName({C.name})")}};
    def.sections = {{SectionKind::GroupHeader, 1, {}, 240, {}, false, true, false, false,
                     {test::fieldAt(QStringLiteral("H"), QStringLiteral("{@Name}"))}}};
    test::saveAndOpen(def, QFileInfo(db).absolutePath());
    const struct {
        int order;
        const char* headers;
    } cases[] = {
        {0, "Bianchi Rossi Verdi"},
        {1, "Verdi Rossi Bianchi"},
        {3, "Verdi first Others"},
    };
    for (const auto& c : cases) {
        viewreport::ORXDLLViewReport request;
        request.setReportName(QDir(QFileInfo(db).absolutePath()).filePath(QStringLiteral("ByName")));
        request.OrderByFields()->Add(QStringLiteral("C.name"), c.order);
        request.setMode(0);
        request.Show();
        auto* report = dynamic_cast<run::RtReport*>(viewreport::RunState::current().CurrentReport.get());
        ASSERT_NE(report, nullptr);
        QStringList headers;
        for (const auto* t : report->pages()->texts())
            headers << t->text;
        EXPECT_EQ(headers.join(QLatin1Char(' ')), QString::fromLatin1(c.headers)) << "order " << c.order;
    }
}

}  // namespace
