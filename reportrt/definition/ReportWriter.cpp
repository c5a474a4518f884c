#include "reportrt/definition/ReportFile.h"

#include "platform/profile/AtomicFile.h"
#include "reportrt/ErrorNumbers.h"
#include "reportrt/RuntimeError.h"


namespace orx::reportrt::definition {

namespace {

// A small XML writer for the canonical layout: two-space indentation, text
// inline in its element, quotes left as they are in text (formulas are full
// of them) and escaped only inside attribute values.
class XmlOut {
public:
    explicit XmlOut(QByteArray& out)
        : out_(out)
    {
    }

    void writeStartDocument() { out_ += "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"; }
    void writeEndDocument() { closeTag(true); }
    void writeStartElement(const QString& name) { open(name, false); }
    void writeEmptyElement(const QString& name) { open(name, true); }
    void writeAttribute(const QString& name, const QString& value)
    {
        out_ += ' ' + name.toUtf8() + "=\"" + escape(value, true) + '"';
    }
    void writeCharacters(const QString& text)
    {
        closeTag(false);
        out_ += escape(text, false);
        hadText_ = true;
    }
    void writeTextElement(const QString& name, const QString& text)
    {
        writeStartElement(name);
        writeCharacters(text);
        writeEndElement();
    }
    void writeEndElement()
    {
        if (pending_ == Pending::Empty)
            closeTag(true);
        const QByteArray name = stack_.takeLast();
        if (pending_ == Pending::Start) {
            out_ += "/>\n";
            pending_ = Pending::None;
        } else {
            if (!hadText_)
                out_ += QByteArray(2 * stack_.size(), ' ');
            out_ += "</" + name + ">\n";
        }
        hadText_ = false;
    }

private:
    enum class Pending { None, Start, Empty };

    void open(const QString& name, bool empty)
    {
        closeTag(true);
        out_ += QByteArray(2 * stack_.size(), ' ') + '<' + name.toUtf8();
        if (!empty)
            stack_.append(name.toUtf8());
        pending_ = empty ? Pending::Empty : Pending::Start;
        hadText_ = false;
    }

    void closeTag(bool newline)
    {
        if (pending_ == Pending::Empty)
            out_ += "/>\n";
        else if (pending_ == Pending::Start)
            out_ += newline ? ">\n" : ">";
        pending_ = Pending::None;
    }

    static QByteArray escape(const QString& text, bool attribute)
    {
        QString e;
        e.reserve(text.size());
        for (const QChar c : text) {
            switch (c.unicode()) {
            case '&': e += QLatin1String("&amp;"); break;
            case '<': e += QLatin1String("&lt;"); break;
            case '>': e += QLatin1String("&gt;"); break;
            case '"': e += attribute ? QLatin1String("&quot;") : QLatin1String("\""); break;
            case '\n': e += attribute ? QLatin1String("&#10;") : QLatin1String("\n"); break;
            case '\r': e += QLatin1String("&#13;"); break;
            case '\t': e += attribute ? QLatin1String("&#9;") : QLatin1String("\t"); break;
            default: e += c;
            }
        }
        return e.toUtf8();
    }

    QByteArray& out_;
    QList<QByteArray> stack_;
    Pending pending_ = Pending::None;
    bool hadText_ = false;
};

class Writer {
public:
    explicit Writer(QByteArray& out)
        : xml_(out)
    {
    }

    void write(const ReportDefinition& r)
    {
        xml_.writeStartDocument();
        writeReport(r);
        xml_.writeEndDocument();
    }

private:
    void attr(const char* name, const QString& value, const QString& defaultValue = {})
    {
        if (value != defaultValue)
            xml_.writeAttribute(QLatin1String(name), value);
    }
    void attr(const char* name, int value, int defaultValue)
    {
        if (value != defaultValue)
            xml_.writeAttribute(QLatin1String(name), QString::number(value));
    }
    void flag(const char* name, bool value, bool defaultValue)
    {
        if (value != defaultValue)
            xml_.writeAttribute(QLatin1String(name), value ? QStringLiteral("true") : QStringLiteral("false"));
    }
    void textElement(const char* name, const QString& text)
    {
        if (text.isEmpty())
            xml_.writeEmptyElement(QLatin1String(name));
        else
            xml_.writeTextElement(QLatin1String(name), text);
    }

    void writeReport(const ReportDefinition& r)
    {
        xml_.writeStartElement(QStringLiteral("report"));
        attr("format-version", r.hasSavedData() ? ReportDefinition::kFormatVersionWithData : ReportDefinition::kFormatVersion, 0);
        attr("name", r.name);
        attr("title", r.title);

        const PageSetup d;
        if (!(r.page == d)) {
            xml_.writeEmptyElement(QStringLiteral("page"));
            attr("paper-size", r.page.paperSize, d.paperSize);
            if (r.page.orientation != d.orientation)
                attr("orientation", r.page.orientation == 2 ? QStringLiteral("landscape") : QStringLiteral("portrait"));
            attr("paper-source", r.page.paperSource, d.paperSource);
            attr("margin-left", r.page.marginLeft, d.marginLeft);
            attr("margin-top", r.page.marginTop, d.marginTop);
            attr("margin-right", r.page.marginRight, d.marginRight);
            attr("margin-bottom", r.page.marginBottom, d.marginBottom);
        }
        if (!r.tables.empty()) {
            xml_.writeStartElement(QStringLiteral("tables"));
            for (const auto& t : r.tables) {
                xml_.writeStartElement(QStringLiteral("table"));
                attr("name", t.name);
                attr("location", t.location);
                attr("source", t.source);
                if (!t.query.isEmpty())
                    xml_.writeTextElement(QStringLiteral("query"), t.query);
                for (const auto& f : t.fields) {
                    xml_.writeEmptyElement(QStringLiteral("field"));
                    attr("name", f.name, QStringLiteral("\x01"));
                    attr("type", valueTypeName(f.type), QStringLiteral("\x01"));
                }
                xml_.writeEndElement();
            }
            xml_.writeEndElement();
        }
        if (!r.links.empty()) {
            xml_.writeStartElement(QStringLiteral("links"));
            for (const auto& l : r.links) {
                xml_.writeEmptyElement(QStringLiteral("link"));
                attr("from", l.fromTable + QLatin1Char('.') + l.fromField);
                attr("to", l.toTable + QLatin1Char('.') + l.toField);
            }
            xml_.writeEndElement();
        }
        if (!r.sortFields.empty()) {
            xml_.writeStartElement(QStringLiteral("sort"));
            for (const auto& s : r.sortFields) {
                xml_.writeEmptyElement(QStringLiteral("sort-field"));
                attr("field", s.field, QStringLiteral("\x01"));
                attr("direction", sortDirectionName(s.direction), QStringLiteral("ascending"));
            }
            xml_.writeEndElement();
        }
        if (!r.selection.isEmpty())
            xml_.writeTextElement(QStringLiteral("selection"), r.selection);
        if (!r.formulas.empty()) {
            xml_.writeStartElement(QStringLiteral("formulas"));
            for (const auto& f : r.formulas) {
                xml_.writeStartElement(QStringLiteral("formula"));
                attr("name", f.name, QStringLiteral("\x01"));
                attr("type", valueTypeName(f.type), QStringLiteral("\x01"));
                if (!f.text.isEmpty())
                    xml_.writeCharacters(f.text);
                xml_.writeEndElement();
            }
            xml_.writeEndElement();
        }
        if (!r.parameters.empty()) {
            xml_.writeStartElement(QStringLiteral("parameters"));
            for (const auto& p : r.parameters) {
                xml_.writeEmptyElement(QStringLiteral("parameter"));
                attr("name", p.name, QStringLiteral("\x01"));
                attr("type", valueTypeName(p.type), QStringLiteral("\x01"));
                attr("prompt", p.prompt);
                if (p.hasDefault)
                    xml_.writeAttribute(QStringLiteral("default"), p.defaultValue);
                flag("multiple", p.multiple, false);
            }
            xml_.writeEndElement();
        }
        if (!r.groups.empty()) {
            xml_.writeStartElement(QStringLiteral("groups"));
            for (const auto& g : r.groups) {
                if (g.namedGroups.empty())
                    xml_.writeEmptyElement(QStringLiteral("group"));
                else
                    xml_.writeStartElement(QStringLiteral("group"));
                attr("field", g.field, QStringLiteral("\x01"));
                attr("direction", sortDirectionName(g.direction), QStringLiteral("ascending"));
                attr("condition", groupConditionName(g.condition), QStringLiteral("any-value"));
                flag("keep-together", g.keepTogether, false);
                flag("repeat-header", g.repeatHeader, false);
                attr("others", othersRuleName(g.others), QStringLiteral("together"));
                attr("others-name", g.othersName, QStringLiteral("Others"));
                if (g.namedGroups.empty())
                    continue;
                for (const auto& n : g.namedGroups) {
                    xml_.writeStartElement(QStringLiteral("named-group"));
                    attr("name", n.name, QStringLiteral("\x01"));
                    attr("test", namedGroupTestName(n.test), QStringLiteral("one-of"));
                    for (const QString& v : n.values)
                        xml_.writeTextElement(QStringLiteral("value"), v);
                    xml_.writeEndElement();
                }
                xml_.writeEndElement();
            }
            xml_.writeEndElement();
        }
        if (!r.sections.empty()) {
            xml_.writeStartElement(QStringLiteral("sections"));
            for (const auto& s : r.sections)
                writeSection(s);
            xml_.writeEndElement();
        }
        if (!r.subreports.empty()) {
            xml_.writeStartElement(QStringLiteral("subreports"));
            for (const auto& s : r.subreports)
                writeReport(*s);
            xml_.writeEndElement();
        }
        if (r.savedData)
            writeSavedData(*r.savedData);
        xml_.writeEndElement();
    }

    void writeSavedData(const SavedData& d)
    {
        xml_.writeStartElement(QStringLiteral("saved-data"));
        attr("version", SavedData::kVersion, 0);
        attr("saved-at", d.savedAt);
        attr("records", static_cast<int>(d.records.size()), -1);
        for (const auto& c : d.columns) {
            xml_.writeEmptyElement(QStringLiteral("column"));
            attr("table", c.table);
            attr("field", c.field);
            attr("type", valueTypeName(c.type));
        }
        for (const auto& record : d.records) {
            xml_.writeStartElement(QStringLiteral("r"));
            for (const auto& v : record) {
                if (!v) {
                    xml_.writeEmptyElement(QStringLiteral("null"));
                } else if (needsBase64(*v)) {
                    xml_.writeStartElement(QStringLiteral("v"));
                    xml_.writeAttribute(QStringLiteral("encoding"), QStringLiteral("base64"));
                    xml_.writeCharacters(QString::fromLatin1(v->toUtf8().toBase64()));
                    xml_.writeEndElement();
                } else {
                    textElement("v", *v);
                }
            }
            xml_.writeEndElement();
        }
        xml_.writeEndElement();
    }

    // Control characters other than tab, line feed and carriage return (and
    // lone surrogates) cannot stand in XML, even as references.
    static bool needsBase64(const QString& text) { return !isWholeText(text); }
    static bool isWholeText(const QString& text)
    {
        for (qsizetype i = 0; i < text.size(); ++i) {
            const char16_t u = text[i].unicode();
            if ((u < 0x20 && u != '\t' && u != '\n' && u != '\r') || u == 0xFFFE || u == 0xFFFF)
                return false;
            if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
                ++i;
                continue;
            }
            if (text[i].isSurrogate())
                return false;
        }
        return true;
    }

    static QString kindName(SectionKind k)
    {
        switch (k) {
        case SectionKind::ReportHeader: return QStringLiteral("report-header");
        case SectionKind::PageHeader: return QStringLiteral("page-header");
        case SectionKind::GroupHeader: return QStringLiteral("group-header");
        case SectionKind::Details: return QStringLiteral("details");
        case SectionKind::GroupFooter: return QStringLiteral("group-footer");
        case SectionKind::PageFooter: return QStringLiteral("page-footer");
        case SectionKind::ReportFooter: return QStringLiteral("report-footer");
        }
        return {};
    }

    void writeSection(const SectionDef& s)
    {
        const SectionDef d;
        const bool empty = s.objects.empty();
        empty ? xml_.writeEmptyElement(QStringLiteral("section")) : xml_.writeStartElement(QStringLiteral("section"));
        attr("kind", kindName(s.kind));
        attr("group", s.group, 0);
        attr("name", s.name);
        attr("height", s.height, -1);
        flag("suppress", s.suppress, d.suppress);
        attr("suppress-when", s.suppressWhen);
        flag("keep-together", s.keepTogether, d.keepTogether);
        flag("new-page-before", s.newPageBefore, d.newPageBefore);
        flag("new-page-after", s.newPageAfter, d.newPageAfter);
        for (const auto& o : s.objects)
            writeObject(o);
        if (!empty)
            xml_.writeEndElement();
    }

    static QString summaryName(SummaryOp op)
    {
        switch (op) {
        case SummaryOp::Sum: return QStringLiteral("sum");
        case SummaryOp::Count: return QStringLiteral("count");
        case SummaryOp::Average: return QStringLiteral("average");
        case SummaryOp::Minimum: return QStringLiteral("minimum");
        case SummaryOp::Maximum: return QStringLiteral("maximum");
        case SummaryOp::DistinctCount: return QStringLiteral("distinct-count");
        case SummaryOp::None: break;
        }
        return {};
    }

    static QString specialName(SpecialField f)
    {
        switch (f) {
        case SpecialField::PageNumber: return QStringLiteral("page-number");
        case SpecialField::TotalPageCount: return QStringLiteral("total-page-count");
        case SpecialField::PageNofM: return QStringLiteral("page-n-of-m");
        case SpecialField::PrintDate: return QStringLiteral("print-date");
        case SpecialField::RecordNumber: return QStringLiteral("record-number");
        case SpecialField::None: break;
        }
        return {};
    }

    void writeObject(const ObjectDef& o)
    {
        const ObjectDef d;
        QString element;
        switch (o.kind) {
        case ObjectKind::Text: element = QStringLiteral("text"); break;
        case ObjectKind::Field:
            element = o.summary != SummaryOp::None ? QStringLiteral("summary")
                    : o.special != SpecialField::None ? QStringLiteral("special")
                                                      : QStringLiteral("field");
            break;
        case ObjectKind::Line: element = QStringLiteral("line"); break;
        case ObjectKind::Box: element = QStringLiteral("box"); break;
        case ObjectKind::Picture: element = QStringLiteral("picture"); break;
        case ObjectKind::Subreport: element = QStringLiteral("subreport"); break;
        }
        const bool hasContent = (o.kind == ObjectKind::Text && !o.text.isEmpty())
                                || (o.kind == ObjectKind::Subreport && !o.links.empty());
        hasContent ? xml_.writeStartElement(element) : xml_.writeEmptyElement(element);
        attr("name", o.name);
        attr("x", o.x, d.x);
        attr("y", o.y, d.y);
        attr("width", o.width, d.width);
        attr("height", o.height, d.height);
        attr("font", o.font.family, d.font.family);
        attr("size", o.font.size, d.font.size);
        flag("bold", o.font.bold, false);
        flag("italic", o.font.italic, false);
        flag("underline", o.font.underline, false);
        if (o.alignment != d.alignment) {
            static const char* names[] = {"left", "center", "right", "justify"};
            attr("align", QString::fromLatin1(names[static_cast<int>(o.alignment)]));
        }
        attr("color", o.color, d.color);
        flag("can-grow", o.canGrow, false);
        attr("format", o.format);
        if (element == QLatin1String("summary")) {
            attr("op", summaryName(o.summary));
            attr("source", o.source, QStringLiteral("\x01"));
            attr("group", o.summaryGroup, 0);
        } else if (element == QLatin1String("special")) {
            attr("field", specialName(o.special));
        } else if (element == QLatin1String("field")) {
            attr("source", o.source, QStringLiteral("\x01"));
        } else if (o.kind == ObjectKind::Line || o.kind == ObjectKind::Box) {
            attr("thickness", o.thickness, d.thickness);
            if (o.kind == ObjectKind::Box)
                attr("fill", o.fill);
        } else if (o.kind == ObjectKind::Picture) {
            attr("file", o.picture, QStringLiteral("\x01"));
        } else if (o.kind == ObjectKind::Subreport) {
            attr("report", o.subreport, QStringLiteral("\x01"));
            for (const auto& l : o.links) {
                xml_.writeEmptyElement(QStringLiteral("link"));
                attr("parent", l.parentField, QStringLiteral("\x01"));
                attr("child", l.childField, QStringLiteral("\x01"));
            }
        }
        if (o.kind == ObjectKind::Text && !o.text.isEmpty())
            xml_.writeCharacters(o.text);
        if (hasContent)
            xml_.writeEndElement();
    }

    XmlOut xml_;
};

}  // namespace

QByteArray writeReport(const ReportDefinition& report)
{
    QByteArray out;
    Writer(out).write(report);
    return out;
}

void saveReportFile(const ReportDefinition& report, const QString& path)
{
    QString error;
    if (!profile::replaceFileAtomically(path, writeReport(report), &error)) {
        raiseRuntimeError(rterr::ReportFileUnwritable, rterr::source(),
                          QStringLiteral("Cannot write the report file %1: %2").arg(path, error));
    }
}

}  // namespace orx::reportrt::definition
