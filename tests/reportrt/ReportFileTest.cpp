// The .RPT format: canonical files survive a load and save byte for byte,
// every part of a definition survives the trip, and each kind of mistake is
// refused with the file, line, column and what was expected.
#include "platform/basic/BasicError.h"
#include "reportrt/ErrorNumbers.h"
#include "reportrt/definition/ReportFile.h"
#include "tests/reportrt/ReportTestData.h"
#include "tests/support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace orx;
using namespace orx::reportrt;
using namespace orx::reportrt::definition;

namespace {

const char* kCanonical = R"(<?xml version="1.0" encoding="UTF-8"?>
<report format-version="1" name="Orders" title="Orders by customer">
  <page paper-size="1" orientation="landscape" margin-left="720"/>
  <tables>
    <table name="Orders" location="shop.db">
      <field name="OrderID" type="number"/>
      <field name="CustomerID" type="number"/>
      <field name="OrderDate" type="date"/>
      <field name="Total" type="currency"/>
    </table>
    <table name="Customers" location="shop.db" source="customer">
      <query>SELECT id AS CustomerID, name AS Name FROM customer WHERE active &lt;&gt; 0</query>
      <field name="CustomerID" type="number"/>
      <field name="Name" type="string"/>
    </table>
  </tables>
  <links>
    <link from="Orders.CustomerID" to="Customers.CustomerID"/>
  </links>
  <sort>
    <sort-field field="{Orders.OrderDate}" direction="descending"/>
  </sort>
  <selection>{Orders.Total} &gt; 0 and {Orders.OrderDate} &gt;= {?From}</selection>
  <formulas>
    <formula name="Net" type="number">{Orders.Total} / 1.22</formula>
    <formula name="Label" type="string">"Order " &amp; ToText({Orders.OrderID}, "0")</formula>
  </formulas>
  <parameters>
    <parameter name="From" type="date" prompt="First order date" default="2024-01-01"/>
    <parameter name="Customer" type="string"/>
  </parameters>
  <groups>
    <group field="{Customers.Name}" keep-together="true"/>
    <group field="{Orders.OrderDate}" direction="descending" condition="monthly" repeat-header="true"/>
  </groups>
  <sections>
    <section kind="report-header" height="800">
      <text name="Title" width="6000" height="400" size="16" bold="true">Orders &amp; totals</text>
    </section>
    <section kind="page-header" height="300"/>
    <section kind="group-header" group="1" height="300" new-page-before="true">
      <field name="CustomerName" width="4000" height="300" source="{Customers.Name}"/>
    </section>
    <section kind="group-header" group="2" height="300" suppress-when="{@Net} = 0"/>
    <section kind="details" height="300" keep-together="false">
      <field x="200" width="1500" height="300" align="right" format="#,##0.00" source="{@Net}"/>
      <subreport name="LinesObject" y="300" width="8000" height="600" report="Lines">
        <link parent="{Orders.OrderID}" child="{Lines.OrderID}"/>
      </subreport>
    </section>
    <section kind="group-footer" group="2" height="300">
      <summary width="1500" height="300" color="#ff0000" op="sum" source="{Orders.Total}" group="2"/>
    </section>
    <section kind="group-footer" group="1" height="300" suppress="true"/>
    <section kind="page-footer" height="300">
      <special width="2000" height="300" field="page-n-of-m"/>
      <line y="10" width="9000" thickness="10"/>
      <box width="9000" height="280" fill="#eeeeee"/>
      <picture width="500" height="280" file="logo.png"/>
    </section>
    <section kind="report-footer" height="300" new-page-after="true"/>
  </sections>
  <subreports>
    <report format-version="1" name="Lines">
      <tables>
        <table name="Lines" location="shop.db" source="order_line">
          <field name="OrderID" type="number"/>
          <field name="Quantity" type="number"/>
        </table>
      </tables>
      <sections>
        <section kind="details" height="240">
          <field width="1000" height="240" source="{Lines.Quantity}"/>
        </section>
      </sections>
    </report>
  </subreports>
</report>
)";

TEST(ReportFile, ACanonicalFileIsSavedByteForByteAsItWasRead)
{
    const QByteArray in(kCanonical);
    const ReportDefinition r = parseReport(in, QStringLiteral("Orders.RPT"));
    EXPECT_EQ(writeReport(r).toStdString(), in.toStdString());

    ASSERT_EQ(r.tables.size(), 2u);
    EXPECT_EQ(r.tables[1].query, QStringLiteral("SELECT id AS CustomerID, name AS Name FROM customer WHERE active <> 0"));
    EXPECT_EQ(r.page.orientation, 2);
    EXPECT_EQ(r.page.marginLeft, 720);
    EXPECT_EQ(r.groups[1].condition, GroupCondition::Monthly);
    EXPECT_EQ(r.groups[1].direction, SortDirection::Descending);
    EXPECT_TRUE(r.groups[0].keepTogether);
    EXPECT_EQ(r.formulas[1].text, QStringLiteral("\"Order \" & ToText({Orders.OrderID}, \"0\")"));
    EXPECT_TRUE(r.parameters[0].hasDefault);
    EXPECT_FALSE(r.parameters[1].hasDefault);
    ASSERT_EQ(r.sections.size(), 9u);
    EXPECT_EQ(r.sections[4].objects[1].kind, ObjectKind::Subreport);
    EXPECT_EQ(r.sections[4].objects[1].links[0].childField, QStringLiteral("{Lines.OrderID}"));
    EXPECT_EQ(r.sections[5].objects[0].summary, SummaryOp::Sum);
    EXPECT_EQ(r.sections[7].objects[0].special, SpecialField::PageNofM);
    ASSERT_TRUE(r.subreport(QStringLiteral("lines")));
}

TEST(ReportFile, AFileSavedToDiskReadsBackTheSameDefinition)
{
    const ReportDefinition r = parseReport(QByteArray(kCanonical), QStringLiteral("Orders.RPT"));
    const QString path = QDir(test::freshFolder(QStringLiteral("rpt"))).filePath(QStringLiteral("Copy.RPT"));
    saveReportFile(r, path);
    EXPECT_TRUE(readReportFile(path) == r);
}

TEST(ReportFile, AMissingFileNamesTheFile)
{
    try {
        readReportFile(QStringLiteral("/nonexistent/folder/Nope.RPT"));
        FAIL() << "a missing file must not open";
    } catch (const basic::BasicError& e) {
        EXPECT_EQ(e.number(), rterr::ReportFileUnreadable);
        EXPECT_TRUE(e.description().contains(QStringLiteral("/nonexistent/folder/Nope.RPT"))) << e.description().toStdString();
    }
}

// A pipe or a folder in the report's place is an unreadable report, never a
// wait for a writer that does not come.
TEST(ReportFile, OnlyARegularFileIsRead)
{
    const QDir dir(test::freshFolder(QStringLiteral("rpt-special")));
    const QString pipe = dir.filePath(QStringLiteral("Pipe.RPT"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    ASSERT_TRUE(dir.mkdir(QStringLiteral("Folder.RPT")));
    for (const QString& path : {pipe, dir.filePath(QStringLiteral("Folder.RPT"))}) {
        try {
            readReportFile(path);
            ADD_FAILURE() << "read " << path.toStdString();
        } catch (const basic::BasicError& e) {
            EXPECT_EQ(e.number(), rterr::ReportFileUnreadable);
            EXPECT_TRUE(e.description().contains(path)) << e.description().toStdString();
        }
    }
}

TEST(ReportFile, EachMistakeNamesFileLineColumnAndWhatWasExpected)
{
    const QString head = QStringLiteral("<report format-version=\"1\">\n");
    const struct {
        QString xml;
        int line;
        const char* expected;
    } cases[] = {
        {QStringLiteral("<reprt/>"), 1, "expected the element <report>, found <reprt>"},
        {QStringLiteral("<report/>"), 1, "expected the attribute format-version on <report>"},
        {QStringLiteral("<report format-version=\"3\"/>"), 1, "expected format-version 1 or 2"},
        {head + QStringLiteral("<tables><table name=\"A\"><field name=\"x\" type=\"integer\"/></table></tables></report>"), 2,
         "expected number, currency, boolean, date, datetime or string for type, found \"integer\""},
        {head + QStringLiteral("<tables><table name=\"A\"><field name=\"x\"/></table></tables></report>"), 2,
         "expected the attribute type on <field>"},
        {head + QStringLiteral("<tables><table name=\"A\" locaton=\"x\"/></tables></report>"), 2,
         "expected an attribute of <table> (name, location, source), found \"locaton\""},
        {head + QStringLiteral("<tables><table name=\"A\"/><table name=\"a\"/></tables></report>"), 2,
         "expected a table name not used before"},
        {head + QStringLiteral("<links><link from=\"A.x\" to=\"B.y\"/></links></report>"), 2,
         "expected from=\"Table.Field\" naming a table of the report"},
        {head + QStringLiteral("<sort><sort-field field=\"Orders.Date\"/></sort></report>"), 2,
         "expected a field reference such as {Table.Field} or {@Formula}"},
        {head + QStringLiteral("<groups><group field=\"{A.b}\" condition=\"hourly\"/></groups></report>"), 2,
         "a group condition"},
        {head + QStringLiteral("<sections>\n<section kind=\"details\"/>\n<section kind=\"page-header\"/></sections></report>"), 4,
         "sections in print order"},
        {head + QStringLiteral("<sections><section kind=\"group-header\" group=\"1\"/></sections></report>"), 2,
         "group=\"n\" with n from 1 to 0"},
        {head + QStringLiteral("<sections><section kind=\"details\"><txt/></section></sections></report>"), 2,
         "expected <text>, <field>, <summary>, <special>, <line>, <box>, <picture>, <subreport> or </section>, found <txt>"},
        {head + QStringLiteral("<sections><section kind=\"details\"><text color=\"red\"/></section></sections></report>"), 2,
         "a colour #rrggbb"},
        {head + QStringLiteral("<sections><section kind=\"details\" height=\"-5\"/></sections></report>"), 2,
         "a whole number in range for height"},
        {head + QStringLiteral("<sections><section kind=\"details\">\n<subreport report=\"Gone\"/></section></sections></report>"), 3,
         "naming a sub-report under <subreports>, found \"Gone\""},
        {head + QStringLiteral("<formulas><formula name=\"a\" type=\"number\">1</formula>"), 2, "more of the file"},
        {head + QStringLiteral("<selection>1 < 2</selection></report>"), 2, "expected well-formed XML"},
        {head + QStringLiteral("<selection>a<b/></selection></report>"), 2, "expected only text inside this element"},
        {head + QStringLiteral("<page/><page/></report>"), 2, "each part of <report> at most once"},
        {head + QStringLiteral("</report><report/>"), 2, "expected well-formed XML"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.xml.toStdString());
        try {
            parseReport(c.xml.toUtf8(), QStringLiteral("Bad.RPT"));
            ADD_FAILURE() << "the file was accepted";
        } catch (const basic::BasicError& e) {
            EXPECT_EQ(e.number(), rterr::ReportFileMalformed);
            const QString d = e.description();
            EXPECT_TRUE(d.startsWith(QStringLiteral("Bad.RPT, line %1, column ").arg(c.line))) << d.toStdString();
            EXPECT_TRUE(d.contains(QString::fromUtf8(c.expected))) << d.toStdString();
        }
    }
}

}  // namespace

namespace {

// The complete example of docs/report-format.md is a valid report in the canonical layout.
TEST(ReportFile, TheDocumentedExampleIsCanonical)
{
    const QByteArray example = test::documentedExample("<?xml");
    ASSERT_FALSE(example.isEmpty());
    const ReportDefinition r = parseReport(example, QStringLiteral("report-format.md"));
    EXPECT_EQ(writeReport(r).toStdString(), example.toStdString());
    EXPECT_EQ(r.subreports.size(), 1u);
}

// The sample reports are canonical too: what the runtime saves is what is kept in git.
TEST(ReportFile, TheSampleReportsAreCanonical)
{
    for (const char* name : {"CustomerList", "Orders", "OrdersInPeriod", "ProductSales"}) {
        QFile f(QStringLiteral(ORX_SAMPLE_REPORTS "/%1.RPT").arg(QString::fromLatin1(name)));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << name;
        const QByteArray bytes = f.readAll();
        EXPECT_EQ(writeReport(parseReport(bytes, f.fileName())).toStdString(), bytes.toStdString()) << name;
    }
}

}  // namespace
