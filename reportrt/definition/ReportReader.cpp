#include "reportrt/definition/ReportFile.h"

#include "platform/profile/RegularFile.h"

#include "reportrt/ErrorNumbers.h"
#include "reportrt/RuntimeError.h"

#include <QSet>
#include <QXmlStreamReader>
#include <functional>
#include <map>

namespace orx::reportrt::definition {

namespace {

// One attribute the format knows on an element, and how to store it.
struct Attr {
    const char* name;
    std::function<bool(const QString&)> set;  // false: the value is not valid
    const char* expected;                     // what a valid value looks like
};

Attr text(const char* name, QString& target)
{
    return {name, [&target](const QString& v) { target = v; return true; }, "text"};
}

Attr integer(const char* name, int& target, int min = 0, int max = 1'000'000)
{
    return {name,
            [&target, min, max](const QString& v) {
                bool ok = false;
                const int n = v.toInt(&ok);
                if (!ok || n < min || n > max)
                    return false;
                target = n;
                return true;
            },
            "a whole number in range"};
}

Attr flag(const char* name, bool& target)
{
    return {name,
            [&target](const QString& v) {
                if (v != QLatin1String("true") && v != QLatin1String("false"))
                    return false;
                target = v == QLatin1String("true");
                return true;
            },
            "true or false"};
}

template <class E>
Attr choice(const char* name, E& target, std::vector<std::pair<const char*, E>> values, const char* expected)
{
    return {name,
            [&target, values](const QString& v) {
                for (const auto& [n, e] : values) {
                    if (v == QLatin1String(n)) {
                        target = e;
                        return true;
                    }
                }
                return false;
            },
            expected};
}

Attr valueType(const char* name, ValueType& target)
{
    return {name, [&target](const QString& v) { return valueTypeFromName(v, target); },
            "number, currency, boolean, date, datetime or string"};
}

Attr direction(const char* name, SortDirection& target)
{
    return {name, [&target](const QString& v) { return sortDirectionFromName(v, target); },
            "ascending, descending, original or specified"};
}

struct Pending {
    QString subreport;
    qint64 line, column;
};

class Reader {
public:
    Reader(const QByteArray& xml, QString file)
        : xml_(xml), file_(std::move(file))
    {
    }

    ReportDefinition read()
    {
        if (!nextElement())
            fail(QStringLiteral("the element <report>"));
        if (xml_.name() != QLatin1String("report"))
            failFound(QStringLiteral("the element <report>"));
        ReportDefinition report = readReport(0);
        while (!xml_.atEnd()) {
            xml_.readNext();
            if (xml_.isStartElement())
                failFound(QStringLiteral("the end of the file after </report>"));
        }
        checkXml();
        return report;
    }

private:
    [[noreturn]] void fail(const QString& expected, const QString& found = {})
    {
        QString what = QStringLiteral("%1, line %2, column %3: expected %4")
                           .arg(file_).arg(xml_.lineNumber()).arg(xml_.columnNumber()).arg(expected);
        if (!found.isEmpty())
            what += QStringLiteral(", found %1").arg(found);
        raiseRuntimeError(rterr::ReportFileMalformed, rterr::source(), what);
    }

    [[noreturn]] void failFound(const QString& expected)
    {
        fail(expected, xml_.isStartElement() ? QStringLiteral("<%1>").arg(xml_.name())
                       : xml_.isEndElement() ? QStringLiteral("</%1>").arg(xml_.name())
                                             : QStringLiteral("the end of the file"));
    }

    void checkXml()
    {
        if (xml_.hasError() && xml_.error() != QXmlStreamReader::PrematureEndOfDocumentError)
            fail(QStringLiteral("well-formed XML"), xml_.errorString());
        if (xml_.hasError())
            fail(QStringLiteral("more of the file"), QStringLiteral("the end of the file"));
    }

    // The next start element inside the current element; false at its end.
    bool nextElement()
    {
        while (!xml_.atEnd()) {
            xml_.readNext();
            if (xml_.isStartElement())
                return true;
            if (xml_.isEndElement())
                return false;
            if (xml_.isCharacters() && !xml_.isWhitespace())
                fail(QStringLiteral("an element"), QStringLiteral("the text \"%1\"").arg(xml_.text().trimmed().left(20)));
        }
        checkXml();
        return false;
    }

    void attributes(const std::vector<Attr>& known, std::initializer_list<const char*> required = {})
    {
        const QString element = xml_.name().toString();
        for (const auto& a : xml_.attributes()) {
            const Attr* match = nullptr;
            for (const auto& k : known) {
                if (a.name() == QLatin1String(k.name))
                    match = &k;
            }
            if (!match) {
                QStringList names;
                for (const auto& k : known)
                    names << QString::fromLatin1(k.name);
                fail(QStringLiteral("an attribute of <%1> (%2)").arg(element, names.join(QStringLiteral(", "))),
                     QStringLiteral("\"%1\"").arg(a.name()));
            }
            if (!match->set(a.value().toString()))
                fail(QStringLiteral("%1 for %2").arg(QString::fromLatin1(match->expected), a.name()),
                     QStringLiteral("\"%1\"").arg(a.value()));
        }
        for (const char* r : required) {
            if (!xml_.attributes().hasAttribute(QLatin1String(r)))
                fail(QStringLiteral("the attribute %1 on <%2>").arg(QString::fromLatin1(r), element));
        }
    }

    QString elementText()
    {
        const QString t = xml_.readElementText(QXmlStreamReader::ErrorOnUnexpectedElement);
        if (xml_.hasError() && (xml_.error() == QXmlStreamReader::UnexpectedElementError || xml_.error() == QXmlStreamReader::CustomError))
            fail(QStringLiteral("only text inside this element"), xml_.errorString());
        if (xml_.hasError())
            checkXml();
        return t;
    }

    void noChildren()
    {
        if (nextElement())
            failFound(QStringLiteral("</%1>").arg(currentParent_));
    }

    [[noreturn]] void unexpected(const char* expected) { failFound(QString::fromLatin1(expected)); }

    ReportDefinition readReport(int depth)
    {
        depth_ = depth;
        int version = 0;
        groupCount_ = 0;
        ReportDefinition r;
        attributes({integer("format-version", version, 1, 1000), text("name", r.name), text("title", r.title)},
                   {"format-version"});
        if (version != ReportDefinition::kFormatVersion && version != ReportDefinition::kFormatVersionWithData)
            fail(QStringLiteral("format-version %1 or %2 (this runtime reads versions %1 and %2)")
                     .arg(ReportDefinition::kFormatVersion)
                     .arg(ReportDefinition::kFormatVersionWithData),
                 QString::number(version));
        QSet<QString> seen;
        while (nextElement()) {
            const QString n = xml_.name().toString();
            if (seen.contains(n))
                failFound(QStringLiteral("each part of <report> at most once"));
            seen.insert(n);
            if (n == QLatin1String("page")) readPage(r.page);
            else if (n == QLatin1String("tables")) readTables(r);
            else if (n == QLatin1String("links")) readLinks(r);
            else if (n == QLatin1String("sort")) readSort(r);
            else if (n == QLatin1String("selection")) { attributes({}); r.selection = elementText(); }
            else if (n == QLatin1String("formulas")) readFormulas(r);
            else if (n == QLatin1String("parameters")) readParameters(r);
            else if (n == QLatin1String("groups")) readGroups(r);
            else if (n == QLatin1String("sections")) readSections(r);
            else if (n == QLatin1String("subreports") && depth == 0) readSubreports(r);
            else if (n == QLatin1String("saved-data") && version >= ReportDefinition::kFormatVersionWithData) readSavedData(r);
            else
                unexpected(depth == 0 ? "<page>, <tables>, <links>, <sort>, <selection>, <formulas>, <parameters>, "
                                        "<groups>, <sections>, <subreports> or </report>"
                                      : "<page>, <tables>, <links>, <sort>, <selection>, <formulas>, <parameters>, "
                                        "<groups>, <sections> or </report> (a sub-report has no sub-reports)");
        }
        if (depth == 0)
            checkSubreportNames(r);
        return r;
    }

    void readSavedData(ReportDefinition& r)
    {
        auto d = std::make_shared<SavedData>();
        int version = 0, records = -1;
        attributes({integer("version", version, 1, 1000), text("saved-at", d->savedAt), integer("records", records, 0, 2'000'000'000)},
                   {"version"});
        if (version != SavedData::kVersion)
            fail(QStringLiteral("saved-data version %1 (this runtime reads version %1)").arg(SavedData::kVersion),
                 QString::number(version));
        const auto expected = SavedData::columnsOf(r.tables);
        auto columnText = [](const SavedColumn& c) {
            return QStringLiteral("%1.%2 (%3)").arg(c.table, c.field, valueTypeName(c.type));
        };
        bool inRecords = false;
        while (nextElement()) {
            const QString n = xml_.name().toString();
            if (n == QLatin1String("column") && !inRecords) {
                SavedColumn c;
                attributes({text("table", c.table), text("field", c.field), valueType("type", c.type)}, {"table", "field", "type"});
                currentParent_ = QStringLiteral("column");
                const std::size_t at = d->columns.size();
                if (at >= expected.size() || !(expected[at] == c))
                    fail(at < expected.size() ? QStringLiteral("the column %1, the next field of the report's tables").arg(columnText(expected[at]))
                                              : QStringLiteral("no more columns than the report's tables have fields (%1)").arg(expected.size()),
                         columnText(c));
                noChildren();
                d->columns.push_back(c);
            } else if (n == QLatin1String("r")) {
                if (!inRecords && d->columns.size() != expected.size())
                    fail(QStringLiteral("the column %1, the next field of the report's tables").arg(columnText(expected[d->columns.size()])),
                         QStringLiteral("<r>"));
                inRecords = true;
                attributes({});
                d->records.push_back(readSavedRecord(*d));
            } else {
                unexpected(inRecords ? "<r> or </saved-data>" : "<column>, <r> or </saved-data>");
            }
        }
        if (!inRecords && d->columns.size() != expected.size())
            fail(QStringLiteral("the column %1, the next field of the report's tables").arg(columnText(expected[d->columns.size()])),
                 QStringLiteral("</saved-data>"));
        if (records >= 0 && static_cast<std::size_t>(records) != d->records.size())
            fail(QStringLiteral("%1 records, as records=\"%1\" says").arg(records), QString::number(d->records.size()));
        r.savedData = std::move(d);
    }

    std::vector<std::optional<QString>> readSavedRecord(const SavedData& d)
    {
        std::vector<std::optional<QString>> record;
        while (nextElement()) {
            const QString n = xml_.name().toString();
            if (record.size() >= d.columns.size())
                failFound(QStringLiteral("</r> after %1 values, one per column").arg(d.columns.size()));
            const SavedColumn& c = d.columns[record.size()];
            if (n == QLatin1String("null")) {
                attributes({});
                currentParent_ = QStringLiteral("null");
                noChildren();
                record.emplace_back();
                continue;
            }
            if (n != QLatin1String("v"))
                unexpected("<v>, <null> or </r>");
            QString encoding;
            attributes({choice<QString>("encoding", encoding, {{"base64", QStringLiteral("base64")}}, "base64")});
            QString v = elementText();
            if (!encoding.isEmpty()) {
                const auto decoded = QByteArray::fromBase64Encoding(v.toLatin1(), QByteArray::AbortOnBase64DecodingErrors);
                if (!decoded)
                    fail(QStringLiteral("base64 text for %1.%2").arg(c.table, c.field));
                v = QString::fromUtf8(*decoded);
            }
            double number = 0;
            if (c.type != ValueType::String && !savedNumber(v, c.type, number))
                fail(QStringLiteral("a value of type %1 for %2.%3").arg(valueTypeName(c.type), c.table, c.field),
                     QStringLiteral("\"%1\"").arg(v.left(40)));
            record.emplace_back(std::move(v));
        }
        if (record.size() != d.columns.size())
            fail(QStringLiteral("%1 values in <r>, one per column").arg(d.columns.size()), QString::number(record.size()));
        return record;
    }

    void readPage(PageSetup& p)
    {
        attributes({integer("paper-size", p.paperSize, 1, 256),
                    choice<int>("orientation", p.orientation, {{"portrait", 1}, {"landscape", 2}}, "portrait or landscape"),
                    integer("paper-source", p.paperSource, 0, 32767),
                    integer("margin-left", p.marginLeft), integer("margin-top", p.marginTop),
                    integer("margin-right", p.marginRight), integer("margin-bottom", p.marginBottom)});
        currentParent_ = QStringLiteral("page");
        noChildren();
    }

    void readTables(ReportDefinition& r)
    {
        attributes({});
        while (nextElement()) {
            if (xml_.name() != QLatin1String("table"))
                unexpected("<table> or </tables>");
            TableDef t;
            attributes({text("name", t.name), text("location", t.location), text("source", t.source)}, {"name"});
            if (r.table(t.name))
                fail(QStringLiteral("a table name not used before"), t.name);
            while (nextElement()) {
                if (xml_.name() == QLatin1String("query") && t.fields.empty() && t.query.isEmpty()) {
                    attributes({});
                    t.query = elementText();
                } else if (xml_.name() == QLatin1String("field")) {
                    FieldDef f;
                    attributes({text("name", f.name), valueType("type", f.type)}, {"name", "type"});
                    currentParent_ = QStringLiteral("field");
                    noChildren();
                    t.fields.push_back(f);
                } else {
                    unexpected(t.fields.empty() ? "<query>, <field> or </table>" : "<field> or </table>");
                }
            }
            r.tables.push_back(std::move(t));
        }
    }

    void readLinks(ReportDefinition& r)
    {
        attributes({});
        while (nextElement()) {
            if (xml_.name() != QLatin1String("link"))
                unexpected("<link> or </links>");
            QString from, to;
            attributes({text("from", from), text("to", to)}, {"from", "to"});
            LinkDef l;
            if (!splitTableField(from, l.fromTable, l.fromField) || !r.table(l.fromTable))
                fail(QStringLiteral("from=\"Table.Field\" naming a table of the report"), from);
            if (!splitTableField(to, l.toTable, l.toField) || !r.table(l.toTable))
                fail(QStringLiteral("to=\"Table.Field\" naming a table of the report"), to);
            currentParent_ = QStringLiteral("link");
            noChildren();
            r.links.push_back(l);
        }
    }

    static bool splitTableField(const QString& text, QString& table, QString& field)
    {
        const qsizetype dot = text.indexOf(QLatin1Char('.'));
        if (dot <= 0 || dot == text.size() - 1)
            return false;
        table = text.left(dot);
        field = text.mid(dot + 1);
        return true;
    }

    void requireReference(const QString& ref, bool allowParameter = false)
    {
        const auto k = FieldRef::parse(ref).kind;
        if (k == FieldRef::Kind::Invalid || (k == FieldRef::Kind::Parameter && !allowParameter))
            fail(QStringLiteral("a field reference such as {Table.Field} or {@Formula}"), QStringLiteral("\"%1\"").arg(ref));
    }

    void readSort(ReportDefinition& r)
    {
        attributes({});
        while (nextElement()) {
            if (xml_.name() != QLatin1String("sort-field"))
                unexpected("<sort-field> or </sort>");
            SortDef s;
            attributes({text("field", s.field), direction("direction", s.direction)}, {"field"});
            requireReference(s.field);
            currentParent_ = QStringLiteral("sort-field");
            noChildren();
            r.sortFields.push_back(s);
        }
    }

    void readFormulas(ReportDefinition& r)
    {
        attributes({});
        while (nextElement()) {
            if (xml_.name() != QLatin1String("formula"))
                unexpected("<formula> or </formulas>");
            FormulaDef f;
            attributes({text("name", f.name), valueType("type", f.type)}, {"name", "type"});
            if (r.formula(f.name))
                fail(QStringLiteral("a formula name not used before"), f.name);
            f.text = elementText();
            r.formulas.push_back(f);
        }
    }

    void readParameters(ReportDefinition& r)
    {
        attributes({});
        while (nextElement()) {
            if (xml_.name() != QLatin1String("parameter"))
                unexpected("<parameter> or </parameters>");
            ParameterDef p;
            attributes({text("name", p.name), valueType("type", p.type), text("prompt", p.prompt),
                        text("default", p.defaultValue), flag("multiple", p.multiple)},
                       {"name", "type"});
            p.hasDefault = xml_.attributes().hasAttribute(QLatin1String("default"));
            if (r.parameter(p.name))
                fail(QStringLiteral("a parameter name not used before"), p.name);
            currentParent_ = QStringLiteral("parameter");
            noChildren();
            r.parameters.push_back(p);
        }
    }

    void readGroups(ReportDefinition& r)
    {
        attributes({});
        while (nextElement()) {
            if (xml_.name() != QLatin1String("group"))
                unexpected("<group> or </groups>");
            GroupDef g;
            attributes({text("field", g.field), direction("direction", g.direction),
                        {"condition", [&g](const QString& v) { return groupConditionFromName(v, g.condition); },
                         "a group condition (any-value, daily, weekly, ... see the format's documentation)"},
                        flag("keep-together", g.keepTogether), flag("repeat-header", g.repeatHeader),
                        {"others", [&g](const QString& v) { return othersRuleFromName(v, g.others); },
                         "together, discard or keep"},
                        text("others-name", g.othersName)},
                       {"field"});
            requireReference(g.field);
            while (nextElement()) {
                if (xml_.name() != QLatin1String("named-group"))
                    unexpected("<named-group> or </group>");
                g.namedGroups.push_back(readNamedGroup(g));
            }
            r.groups.push_back(g);
        }
        groupCount_ = static_cast<int>(r.groups.size());
    }

    NamedGroupDef readNamedGroup(const GroupDef& g)
    {
        NamedGroupDef n;
        attributes({text("name", n.name),
                    {"test", [&n](const QString& v) { return namedGroupTestFromName(v, n.test); },
                     "one-of, not-one-of, between, not-between, less, less-equal, greater, greater-equal, "
                     "starts-with or not-starts-with"}},
                   {"name"});
        for (const auto& other : g.namedGroups) {
            if (other.name == n.name)
                fail(QStringLiteral("a named group name not used before in this group"), n.name);
        }
        while (nextElement()) {
            if (xml_.name() != QLatin1String("value"))
                unexpected("<value> or </named-group>");
            attributes({});
            n.values << elementText();
        }
        const auto [least, most] = namedGroupTestArity(n.test);
        const int count = static_cast<int>(n.values.size());
        if (count < least || (most >= 0 && count > most)) {
            const QString wanted = least == most ? QString::number(least) : QStringLiteral("at least %1").arg(least);
            fail(QStringLiteral("%1 <value> for the test %2 of the named group %3")
                     .arg(wanted, namedGroupTestName(n.test), n.name),
                 QString::number(count));
        }
        return n;
    }

    // Print order of the areas; group headers go outermost first, footers innermost first.
    static int rank(const SectionDef& s, int groups)
    {
        switch (s.kind) {
        case SectionKind::ReportHeader: return 0;
        case SectionKind::PageHeader: return 1;
        case SectionKind::GroupHeader: return 1 + s.group;
        case SectionKind::Details: return 2 + groups;
        case SectionKind::GroupFooter: return 3 + 2 * groups - s.group;
        case SectionKind::PageFooter: return 3 + 2 * groups;
        case SectionKind::ReportFooter: return 4 + 2 * groups;
        }
        return 0;
    }

    void readSections(ReportDefinition& r)
    {
        attributes({});
        int lastRank = -1;
        while (nextElement()) {
            if (xml_.name() != QLatin1String("section"))
                unexpected("<section> or </sections>");
            SectionDef s;
            attributes({choice<SectionKind>("kind", s.kind,
                                            {{"report-header", SectionKind::ReportHeader},
                                             {"page-header", SectionKind::PageHeader},
                                             {"group-header", SectionKind::GroupHeader},
                                             {"details", SectionKind::Details},
                                             {"group-footer", SectionKind::GroupFooter},
                                             {"page-footer", SectionKind::PageFooter},
                                             {"report-footer", SectionKind::ReportFooter}},
                                            "report-header, page-header, group-header, details, group-footer, "
                                            "page-footer or report-footer"),
                        integer("group", s.group, 1, 1000), text("name", s.name), integer("height", s.height),
                        flag("suppress", s.suppress), text("suppress-when", s.suppressWhen),
                        flag("keep-together", s.keepTogether), flag("new-page-before", s.newPageBefore),
                        flag("new-page-after", s.newPageAfter)},
                       {"kind"});
            const bool grouped = s.kind == SectionKind::GroupHeader || s.kind == SectionKind::GroupFooter;
            if (grouped && (s.group < 1 || s.group > static_cast<int>(r.groups.size())))
                fail(QStringLiteral("group=\"n\" with n from 1 to %1, the groups declared before <sections>")
                         .arg(r.groups.size()));
            if (!grouped && s.group != 0)
                fail(QStringLiteral("no group attribute on a section that is not a group header or footer"));
            const int rk = rank(s, static_cast<int>(r.groups.size()));
            if (rk < lastRank)
                fail(QStringLiteral("sections in print order (report header, page header, group headers from the "
                                    "outermost, details, group footers from the innermost, page footer, report footer)"));
            lastRank = rk;
            readObjects(s);
            r.sections.push_back(std::move(s));
        }
    }

    std::vector<Attr> objectAttrs(ObjectDef& o)
    {
        return {text("name", o.name), integer("x", o.x), integer("y", o.y), integer("width", o.width),
                integer("height", o.height), text("font", o.font.family), integer("size", o.font.size, 1, 400),
                flag("bold", o.font.bold), flag("italic", o.font.italic), flag("underline", o.font.underline),
                choice<Alignment>("align", o.alignment,
                                  {{"left", Alignment::Left}, {"center", Alignment::Center},
                                   {"right", Alignment::Right}, {"justify", Alignment::Justify}},
                                  "left, center, right or justify"),
                {"color", [&o](const QString& v) { return isColor(v) && (o.color = v, true); }, "a colour #rrggbb"},
                flag("can-grow", o.canGrow), text("format", o.format)};
    }

    static bool isColor(const QString& v)
    {
        if (v.size() != 7 || v[0] != QLatin1Char('#'))
            return false;
        for (int i = 1; i < 7; ++i) {
            if (!isxdigit(v[i].toLatin1()))
                return false;
        }
        return true;
    }

    void readObjects(SectionDef& s)
    {
        while (nextElement()) {
            ObjectDef o;
            auto attrs = objectAttrs(o);
            const QString n = xml_.name().toString();
            currentParent_ = n;
            if (n == QLatin1String("text")) {
                o.kind = ObjectKind::Text;
                attributes(attrs);
                o.text = elementText();
            } else if (n == QLatin1String("field")) {
                o.kind = ObjectKind::Field;
                attrs.push_back(text("source", o.source));
                attributes(attrs, {"source"});
                requireReference(o.source, true);
                noChildren();
            } else if (n == QLatin1String("summary")) {
                o.kind = ObjectKind::Field;
                attrs.push_back(text("source", o.source));
                attrs.push_back(choice<SummaryOp>("op", o.summary,
                                                  {{"sum", SummaryOp::Sum}, {"count", SummaryOp::Count},
                                                   {"average", SummaryOp::Average}, {"minimum", SummaryOp::Minimum},
                                                   {"maximum", SummaryOp::Maximum},
                                                   {"distinct-count", SummaryOp::DistinctCount}},
                                                  "sum, count, average, minimum, maximum or distinct-count"));
                attrs.push_back(integer("group", o.summaryGroup, 0, 1000));
                attributes(attrs, {"source", "op"});
                requireReference(o.source);
                if (o.summaryGroup > groupCount_)
                    fail(QStringLiteral("group=\"n\" with n from 0 (the whole report) to %1").arg(groupCount_));
                noChildren();
            } else if (n == QLatin1String("special")) {
                o.kind = ObjectKind::Field;
                attrs.push_back(choice<SpecialField>("field", o.special,
                                                     {{"page-number", SpecialField::PageNumber},
                                                      {"total-page-count", SpecialField::TotalPageCount},
                                                      {"page-n-of-m", SpecialField::PageNofM},
                                                      {"print-date", SpecialField::PrintDate},
                                                      {"record-number", SpecialField::RecordNumber}},
                                                     "page-number, total-page-count, page-n-of-m, print-date or "
                                                     "record-number"));
                attributes(attrs, {"field"});
                noChildren();
            } else if (n == QLatin1String("line") || n == QLatin1String("box")) {
                o.kind = n == QLatin1String("line") ? ObjectKind::Line : ObjectKind::Box;
                attrs.push_back(integer("thickness", o.thickness, 0, 1440));
                if (o.kind == ObjectKind::Box)
                    attrs.push_back({"fill", [&o](const QString& v) { return isColor(v) && (o.fill = v, true); },
                                     "a colour #rrggbb"});
                attributes(attrs);
                noChildren();
            } else if (n == QLatin1String("picture")) {
                o.kind = ObjectKind::Picture;
                attrs.push_back(text("file", o.picture));
                attributes(attrs, {"file"});
                noChildren();
            } else if (n == QLatin1String("subreport") && depth_ == 0) {
                o.kind = ObjectKind::Subreport;
                attrs.push_back(text("report", o.subreport));
                attributes(attrs, {"report"});
                pending_.push_back({o.subreport, xml_.lineNumber(), xml_.columnNumber()});
                while (nextElement()) {
                    if (xml_.name() != QLatin1String("link"))
                        unexpected("<link> or </subreport>");
                    SubreportLink l;
                    attributes({text("parent", l.parentField), text("child", l.childField)}, {"parent", "child"});
                    requireReference(l.parentField, true);
                    requireReference(l.childField);
                    currentParent_ = QStringLiteral("link");
                    noChildren();
                    o.links.push_back(l);
                }
            } else {
                unexpected("<text>, <field>, <summary>, <special>, <line>, <box>, <picture>, <subreport> or </section>");
            }
            s.objects.push_back(std::move(o));
        }
    }

    void readSubreports(ReportDefinition& r)
    {
        attributes({});
        while (nextElement()) {
            if (xml_.name() != QLatin1String("report"))
                unexpected("<report> or </subreports>");
            const int outerGroups = groupCount_;
            auto sub = std::make_shared<ReportDefinition>(readReport(1));
            groupCount_ = outerGroups;
            depth_ = 0;
            if (sub->name.isEmpty())
                fail(QStringLiteral("a name on each sub-report"));
            if (r.subreport(sub->name))
                fail(QStringLiteral("a sub-report name not used before"), sub->name);
            r.subreports.push_back(std::move(sub));
        }
    }

    void checkSubreportNames(const ReportDefinition& r)
    {
        for (const auto& p : pending_) {
            if (!r.subreport(p.subreport)) {
                raiseRuntimeError(rterr::ReportFileMalformed, rterr::source(),
                                  QStringLiteral("%1, line %2, column %3: expected report=\"name\" naming a sub-report "
                                                 "under <subreports>, found \"%4\"")
                                      .arg(file_).arg(p.line).arg(p.column).arg(p.subreport));
            }
        }
        pending_.clear();
    }

    QXmlStreamReader xml_;
    QString file_;
    QString currentParent_;
    int groupCount_ = 0;  // groups of the report being read, for the group of a summary
    int depth_ = 0;
    std::vector<Pending> pending_;
};

}  // namespace

ReportDefinition parseReport(const QByteArray& xml, const QString& displayName)
{
    Reader reader(xml, displayName);
    return reader.read();
}

ReportDefinition readReportFile(const QString& path)
{
    // Only a regular file is read: a pipe or a device in the report's place
    // is an unreadable report, never a wait.
    const profile::FileContent content = profile::readRegularFile(path);
    if (content.status != profile::FileContent::Status::Read) {
        const QString why = content.status == profile::FileContent::Status::Missing
                                ? QStringLiteral("the file does not exist")
                                : content.error;
        raiseRuntimeError(rterr::ReportFileUnreadable, rterr::source(),
                          QStringLiteral("Cannot open the report file %1: %2").arg(path, why));
    }
    return parseReport(content.bytes, path);
}

}  // namespace orx::reportrt::definition
