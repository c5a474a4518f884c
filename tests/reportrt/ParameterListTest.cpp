// Parameters with several values: given by AddCurrentValue more than once, as
// a list at once, or declared multiple in the report file; formulas see the
// list with in, = (any of) and <> (none of), lists written [a, b], and a list
// shown as text.
#include "platform/basic/BasicError.h"
#include "reportrt/ErrorNumbers.h"
#include "reportrt/definition/ReportFile.h"
#include "reportrt/export/CsvExport.h"
#include "reportrt/run/RuntimeObjects.h"
#include "tests/reportrt/ReportTestData.h"

#include <QDir>
#include <functional>
#include <gtest/gtest.h>

using namespace orx;
using namespace orx::reportrt;
using namespace orx::reportrt::definition;

namespace {

class ParameterList : public ::testing::Test {
protected:
    void SetUp() override { db_ = test::makeDatabase(QStringLiteral("shop.db"), test::shopStatements()); }

    // Orders (id) selected by `selection`, with a label formula of the given text.
    std::shared_ptr<run::RtReport> report(const QString& selection, bool multiple = false,
                                          const QString& label = QStringLiteral("ToText({O.id}, \"0\")"))
    {
        ReportDefinition def;
        def.name = QStringLiteral("Lists");
        test::ordersWithCustomers(def, db_,
                                  {{QStringLiteral("id"), ValueType::Number}, {QStringLiteral("customer_id"), ValueType::Number},
                                   {QStringLiteral("total"), ValueType::Currency}});
        ParameterDef who{QStringLiteral("Who"), ValueType::String, {}, QStringLiteral("Verdi"), true};
        who.multiple = multiple;
        def.parameters = {who, {QStringLiteral("Ids"), ValueType::Number, {}, QStringLiteral("0"), true}};
        def.selection = selection;
        def.sortFields = {{QStringLiteral("{O.id}"), SortDirection::Ascending}};
        def.formulas = {{QStringLiteral("Label"), ValueType::String, label}};
        def.sections = {{SectionKind::Details, 0, {}, 240, {}, false, true, false, false,
                         {test::fieldAt(QStringLiteral("L"), QStringLiteral("{@Label}"), 0, 3000)}}};
        return test::saveAndOpen(def, QFileInfo(db_).absolutePath());
    }

    static QStringList labels(run::RtReport& r)
    {
        QStringList out;
        for (const auto* t : r.pages()->texts())
            out << t->text;
        return out;
    }

    QString db_;
    basic::ScopedRegional us{basic::RegionalSettings::unitedStates()};
};

TEST_F(ParameterList, FormulasSeeEveryValueGiven)
{
    const QVariantList rossiAndVerdi{QStringLiteral("Rossi"), QStringLiteral("Verdi")};
    const struct {
        const char* what;
        const char* selection;
        bool multiple;
        std::vector<QVariant> adds;  // AddCurrentValue calls on Who
        QStringList ids;
    } cases[] = {
        {"in, two values added", "{C.name} in {?Who}", false, {QStringLiteral("Rossi"), QStringLiteral("Bianchi")},
         {"1", "2", "3", "5", "6"}},
        {"= means any of", "{C.name} = {?Who}", false, {QStringLiteral("Rossi"), QStringLiteral("Bianchi")},
         {"1", "2", "3", "5", "6"}},
        {"= with the list on the left", "{?Who} = {C.name}", false, {QStringLiteral("Verdi"), QStringLiteral("Bianchi")},
         {"2", "4", "5"}},
        {"<> means none of", "{C.name} <> {?Who}", false, {QStringLiteral("Rossi"), QStringLiteral("Bianchi")}, {"4"}},
        {"a list given at once", "{C.name} in {?Who}", false, {rossiAndVerdi}, {"1", "3", "4", "6"}},
        {"one value, in works as =", "{C.name} in {?Who}", false, {QStringLiteral("Bianchi")}, {"2", "5"}},
        {"declared multiple, one value", "{C.name} = {?Who}", true, {QStringLiteral("Verdi")}, {"4"}},
        {"declared multiple, its default", "{C.name} in {?Who}", true, {}, {"4"}},
        {"no value given matches", "not ({C.name} in {?Who})", false, {QStringLiteral("Nobody"), QStringLiteral("None")},
         {"1", "2", "3", "4", "5", "6"}},
        {"a list written in the formula", "{O.id} in [2, 4, 6] and not ({C.name} in ['Rossi'])", false, {}, {"2", "4"}},
        {"an empty list holds nothing", "not ({O.id} in [])", false, {}, {"1", "2", "3", "4", "5", "6"}},
    };
    for (const auto& c : cases) {
        auto r = report(QString::fromLatin1(c.selection), c.multiple);
        auto& who = r->ParameterFields().Item(1);
        for (const QVariant& v : c.adds)
            who.AddCurrentValue(v);
        try {
            EXPECT_EQ(labels(*r), c.ids) << c.what;
        } catch (const basic::BasicError& e) {
            ADD_FAILURE() << c.what << ": " << e.description().toStdString();
        }
    }
}

TEST_F(ParameterList, AListShownAsTextAndSetCurrentValueReplacingIt)
{
    auto r = report({}, false, QStringLiteral("{?Who}"));
    auto& who = r->ParameterFields().Item(1);
    const struct {
        const char* what;
        std::function<void()> act;
        QString shown;
    } steps[] = {
        {"the default", [] {}, QStringLiteral("Verdi")},
        {"two values", [&] { who.AddCurrentValue(QStringLiteral("Rossi")); who.AddCurrentValue(QStringLiteral("Bianchi")); },
         QStringLiteral("Rossi, Bianchi")},
        {"a third", [&] { who.AddCurrentValue(QStringLiteral("Neri")); }, QStringLiteral("Rossi, Bianchi, Neri")},
        {"set replaces them", [&] { who.SetCurrentValue(QStringLiteral("Gialli")); }, QStringLiteral("Gialli")},
        {"cleared: the default again", [&] { who.ClearCurrentValueAndRange(); }, QStringLiteral("Verdi")},
    };
    for (const auto& s : steps) {
        s.act();
        const QStringList shown = labels(*r);
        ASSERT_EQ(shown.size(), 6) << s.what;
        EXPECT_EQ(shown.front(), s.shown) << s.what;
    }
}

TEST_F(ParameterList, ListsOnlyWhereASingleValueIsNotNeeded)
{
    auto r = report({});
    r->ParameterFields().Item(2).AddCurrentValue(1.0);
    r->ParameterFields().Item(2).AddCurrentValue(2.0);
    auto& label = r->FormulaFields().Item(1);
    const struct {
        const char* text;
        const char* error;  // empty: valid
    } checks[] = {
        {"if {O.id} in {?Ids} then 'yes' else 'no'", ""},
        {"if {O.id} = {?Ids} or {O.id} <> [1, 2] then 'yes' else 'no'", ""},
        {"ToText({?Ids} + 1)", "a single value is expected here, not a list; use in, = or <> with a list (column 8)"},
        {"if {O.id} < {?Ids} then 'a' else 'b'",
         "a single value is expected here; a list is only compared with = and <>, or used with in (column 13)"},
        {"if {?Ids} in [1] then 'a' else 'b'", "a single value is expected here, to look for in the list (column 4)"},
        {"if {O.id} in ['a'] then 'a' else 'b'", "a list of a number is expected here (column 14)"},
        {"if {O.id} in [1, 'a'] then 'a' else 'b'", "a number is expected here, like the other branch (column 18)"},
        {"if {O.id} in [1, [2]] then 'a' else 'b'", "a single value is expected here; lists do not nest (column 18)"},
        {"if {O.id} in [1, 2 then 'a' else 'b'", "a comma or a closing bracket ] is expected here (column 20)"},
    };
    for (const auto& c : checks) {
        label.setText(QString::fromLatin1(c.text));
        QString error;
        const bool ok = label.Check(error);
        EXPECT_EQ(ok, *c.error == 0) << c.text << ": " << error.toStdString();
        if (*c.error) {
            EXPECT_TRUE(error.endsWith(QString::fromLatin1(c.error))) << c.text << ": " << error.toStdString();
        }
    }
    // A value of a list that does not suit the type is refused, and none of the list is taken.
    auto& ids = r->ParameterFields().Item(2);
    EXPECT_THROW(ids.AddCurrentValue(QVariantList{3.0, QStringLiteral("four")}), basic::BasicError);
    label.setText(QStringLiteral("ToText({O.id}, '0') & ':' & (if {O.id} in {?Ids} then 'y' else 'n')"));
    EXPECT_EQ(labels(*r), (QStringList{"1:y", "2:y", "3:n", "4:n", "5:n", "6:n"}));
}

TEST(ParameterListFile, MultipleIsReadAndWritten)
{
    ReportDefinition def;
    def.name = QStringLiteral("M");
    ParameterDef p{QStringLiteral("Who"), ValueType::String, {}, {}, false};
    p.multiple = true;
    def.parameters = {p, {QStringLiteral("One"), ValueType::Number, {}, {}, false}};
    const QString text = QString::fromUtf8(writeReport(def));
    EXPECT_TRUE(text.contains(QStringLiteral("<parameter name=\"Who\" type=\"string\" multiple=\"true\"/>"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("<parameter name=\"One\" type=\"number\"/>"))) << text.toStdString();
    EXPECT_EQ(parseReport(text.toUtf8(), QStringLiteral("M.RPT")), def);
}

}  // namespace
