// The rich-text, HTML 3.2, Word and Excel exports, each read back: the RTF
// parsed to its text, the HTML checked for its tables, the Word and Excel
// packages opened as zips and their XML read.
#include "platform/basic/BasicError.h"
#include "reportrt/ErrorNumbers.h"
#include "reportrt/Runtime.h"
#include "reportrt/export/CsvExport.h"
#include "reportrt/export/DetailTable.h"
#include "reportrt/export/Exporters.h"
#include "reportrt/export/PageTextExport.h"
#include "reportrt/export/RtfExport.h"
#include "reportrt/export/SpreadsheetExport.h"
#include "reportrt/run/RuntimeObjects.h"
#include "tests/reportrt/SampleReportFixture.h"
#include "tests/support/HostFixture.h"
#include "tests/support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <csignal>
#include <gtest/gtest.h>
#include <QTemporaryDir>
#include <minizip/unzip.h>
#include <sys/resource.h>

using namespace orx;
using namespace orx::reportrt;
using layout::PageItem;

namespace {

PageItem text(const QString& t, QRect rect, int style)
{
    PageItem i;
    i.text = t;
    i.rect = rect;
    i.style = style;
    return i;
}

layout::TextStyle style(bool bold, definition::Alignment a, QRgb color, const char* family = "Arial")
{
    layout::TextStyle s;
    s.family = QString::fromLatin1(family);
    s.size = 11;
    s.bold = bold;
    s.alignment = a;
    s.color = color;
    return s;
}

// Two pages: a bold red title in Times and a right-aligned amount on one row,
// a text with characters RTF and HTML escape, and a second page.
layout::PageModel twoPages()
{
    layout::PageModel m;
    m.paperSize = layout::paperSizeTwips(9, 1);
    m.setStyles({style(true, definition::Alignment::Left, 0xffcc0000, "Times"), style(false, definition::Alignment::Right, 0xff000000)});
    layout::Page p1, p2;
    p1.items = {text(QStringLiteral("Città {north} \\ 5 €"), {1134, 1134, 4000, 300}, 0),
                text(QStringLiteral("1,234.50"), {7000, 1134, 2000, 300}, 1),
                text(QStringLiteral("a < b & c"), {1500, 1600, 3000, 300}, 1)};
    p2.items = {text(QStringLiteral("Second page"), {1134, 1134, 3000, 300}, 0)};
    m.addPage(std::move(p1));
    m.addPage(std::move(p2));
    return m;
}

// The visible text of an RTF document: groups of destinations (font and
// colour tables, info) left out, \par a line feed, \tab a tab, \page a form
// feed, \uN? the character N, \{ \} \\ the character.
QString rtfPlainText(const QByteArray& rtf)
{
    QString out;
    std::vector<bool> skip{false};
    for (qsizetype i = 0; i < rtf.size(); ++i) {
        const char c = rtf[i];
        if (c == '{') {
            skip.push_back(skip.back());
            continue;
        }
        if (c == '}') {
            skip.pop_back();
            continue;
        }
        if (c == '\n' || c == '\r')
            continue;
        if (c != '\\') {
            if (!skip.back())
                out += QLatin1Char(c);
            continue;
        }
        const char n = i + 1 < rtf.size() ? rtf[i + 1] : '\0';
        if (n == '{' || n == '}' || n == '\\') {
            if (!skip.back())
                out += QLatin1Char(n);
            ++i;
            continue;
        }
        qsizetype j = i + 1;
        while (j < rtf.size() && std::isalpha(static_cast<unsigned char>(rtf[j])))
            ++j;
        const QByteArray word = rtf.mid(i + 1, j - i - 1);
        qsizetype k = j;
        if (k < rtf.size() && (rtf[k] == '-' || std::isdigit(static_cast<unsigned char>(rtf[k])))) {
            ++k;
            while (k < rtf.size() && std::isdigit(static_cast<unsigned char>(rtf[k])))
                ++k;
        }
        const int param = rtf.mid(j, k - j).toInt();
        if (k < rtf.size() && rtf[k] == ' ')
            ++k;
        if (word == "fonttbl" || word == "colortbl" || word == "info")
            skip.back() = true;
        else if (!skip.back() && word == "par")
            out += QLatin1Char('\n');
        else if (!skip.back() && word == "tab")
            out += QLatin1Char('\t');
        else if (!skip.back() && word == "page")
            out += QLatin1Char('\f');
        else if (!skip.back() && word == "u") {
            out += QChar(static_cast<char16_t>(static_cast<std::uint16_t>(param)));
            if (k < rtf.size() && rtf[k] == '?')
                ++k;
        }
        i = k - 1;
    }
    return out;
}

// The files of a zip package by name.
std::map<QString, QByteArray> unzip(const QByteArray& bytes)
{
    std::map<QString, QByteArray> files;
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("package.zip"));
    {
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size()) {
            ADD_FAILURE() << "cannot write the package to read it";
            return files;
        }
    }
    unzFile zip = unzOpen64(QFile::encodeName(path).constData());
    if (!zip) {
        ADD_FAILURE() << "not a zip package";
        return files;
    }
    for (int more = unzGoToFirstFile(zip); more == UNZ_OK; more = unzGoToNextFile(zip)) {
        char name[512];
        unz_file_info64 info{};
        if (unzGetCurrentFileInfo64(zip, &info, name, sizeof name, nullptr, 0, nullptr, 0) != UNZ_OK || unzOpenCurrentFile(zip) != UNZ_OK) {
            ADD_FAILURE() << "a damaged entry";
            break;
        }
        QByteArray content(static_cast<qsizetype>(info.uncompressed_size), Qt::Uninitialized);
        const int read = content.isEmpty() ? 0 : unzReadCurrentFile(zip, content.data(), static_cast<unsigned>(content.size()));
        EXPECT_EQ(read, content.size()) << name;
        unzCloseCurrentFile(zip);
        files[QString::fromUtf8(name)] = content;
    }
    unzClose(zip);
    return files;
}

QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void exportThrough(run::RtReport& report, int format, const QString& path)
{
    report.ExportOptions().Reset();
    report.ExportOptions().setFormatType(format);
    report.ExportOptions().setDestinationType(1);
    report.ExportOptions().setDiskFileName(path);
    report.Export(false);
}

// While it lives, files this process writes may not grow past `bytes`
// (writing more fails, as on a full disk).
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &old_);
        signal_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = old_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &old_);
        std::signal(SIGXFSZ, signal_);
    }

private:
    rlimit old_{};
    void (*signal_)(int) = nullptr;
};

}  // namespace

// Items of one page as the run makes them: a section, a group, a record.
PageItem item(definition::SectionKind section, int group, qint64 record, const QString& t, int left,
              formula::Value value = formula::Value::null(), const QString& source = {})
{
    PageItem i;
    i.section = section;
    i.group = group;
    i.record = record;
    i.text = t;
    i.rect = {left, 0, 500, 200};
    i.value = value;
    i.source = source;
    return i;
}

TEST(ExportFormats, TheDetailTableGivesRecordsAndEachPrintingOfAGroupSectionAsOneRow)
{
    using K = definition::SectionKind;
    using Kind = exporting::DetailTable::Row::Kind;
    const auto n = [](double v) { return formula::Value::ofNumber(v); };
    layout::Page page;
    page.items = {
        item(K::PageHeader, 0, 0, QStringLiteral("Order"), 0),
        item(K::GroupHeader, 1, 1, QStringLiteral("Rossi"), 0, formula::Value::ofString(QStringLiteral("Rossi")), QStringLiteral("{C.name}")),
        item(K::Details, 0, 1, QStringLiteral("1"), 400, n(1), QStringLiteral("{O.id}")),
        item(K::Details, 0, 1, QStringLiteral("10.00"), 3000, n(10), QStringLiteral("{O.total}")),
        item(K::Details, 0, 2, QStringLiteral("2"), 400, n(2), QStringLiteral("{O.id}")),
        item(K::Details, 0, 2, QStringLiteral("5.00"), 3000, n(5), QStringLiteral("{O.total}")),
        // The footer's plain text (no record) and its summary (the group's last record) are one row.
        item(K::GroupFooter, 1, 0, QStringLiteral("Total"), 1000),
        item(K::GroupFooter, 1, 2, QStringLiteral("15.00"), 3100, n(15), QStringLiteral("Sum({O.total})")),
        // The next footer printing of the same group is a row of its own.
        item(K::GroupFooter, 1, 3, QStringLiteral("7.00"), 3100, n(7), QStringLiteral("Sum({O.total})")),
    };
    exporting::DetailRows table;
    table.addPage(page);
    table.finish();
    ASSERT_EQ(table.rows.size(), 5u);
    struct Expected {
        Kind kind;
        int group;
        QStringList texts;
    } const expected[] = {
        {Kind::GroupHeader, 1, {QStringLiteral("Rossi")}},
        {Kind::Record, 0, {QStringLiteral("1"), QStringLiteral("10.00")}},
        {Kind::Record, 0, {QStringLiteral("2"), QStringLiteral("5.00")}},
        {Kind::GroupFooter, 1, {QStringLiteral("Total"), QStringLiteral("15.00")}},
        {Kind::GroupFooter, 1, {QStringLiteral("7.00")}},
    };
    for (std::size_t r = 0; r < table.rows.size(); ++r) {
        const auto& row = table.rows[r];
        EXPECT_EQ(row.kind, expected[r].kind) << r;
        EXPECT_EQ(row.group, expected[r].group) << r;
        QStringList texts;
        for (const auto& c : row.cells)
            texts << c.text;
        EXPECT_EQ(texts, expected[r].texts) << r;
    }
    EXPECT_EQ(table.headers(), QStringList({QStringLiteral("id"), QStringLiteral("total")}));
    EXPECT_EQ(table.columnAt(3100), 1) << "the footer's sum stands above the totals";
    EXPECT_EQ(table.columnAt(1000), 0);
    // The CSV has the records only.
    layout::PageModel m;
    m.addPage(page);
    EXPECT_EQ(exporting::detailsCsv(m), QByteArray("id,total\r\n1,10.00\r\n2,5.00\r\n"));
}

TEST(ExportFormats, RichTextHasTheFontsColoursRowsAndPagesAndReadsBackAsTheTexts)
{
    const auto m = twoPages();
    const QByteArray rtf = exporting::pagesRtf(m, QStringLiteral("Title"));
    ASSERT_TRUE(rtf.startsWith("{\\rtf1\\ansi"));
    EXPECT_EQ(rtf.count('{'), rtf.count('}') - rtf.count("\\}") + rtf.count("\\{")) << "groups balance";
    EXPECT_TRUE(rtf.contains("{\\fonttbl{\\f0\\fnil Times;}{\\f1\\fnil Arial;}}"));
    EXPECT_TRUE(rtf.contains("{\\colortbl;\\red204\\green0\\blue0;\\red0\\green0\\blue0;}"));
    // The amount at a right tab on its right edge, from the left margin.
    EXPECT_TRUE(rtf.contains("\\tqr\\tx" + QByteArray::number(9000 - 1134)));
    EXPECT_TRUE(rtf.contains("\\paperw11906\\paperh16838")) << "A4";
    for (const char ch : rtf)
        EXPECT_LT(static_cast<unsigned char>(ch), 0x80) << "only ASCII in the file";
    EXPECT_EQ(rtfPlainText(rtf),
              QStringLiteral("Città {north} \\ 5 €\t1,234.50\n\ta < b & c\n\fSecond page\n"));
}

TEST(ExportFormats, Html32LaysEachPageOutInATableWithoutStyleSheets)
{
    const auto m = twoPages();
    const QString html = QString::fromUtf8(exporting::pagesHtml32(m, QStringLiteral("Q1 <draft>")));
    EXPECT_TRUE(html.startsWith(QLatin1String("<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 3.2 Final//EN\">")));
    EXPECT_FALSE(html.contains(QLatin1String("style"), Qt::CaseInsensitive)) << "HTML 3.2 has no CSS";
    EXPECT_EQ(html.count(QLatin1String("<table")), 2) << "a table per page";
    EXPECT_EQ(html.count(QLatin1String("<hr>")), 1) << "a rule between pages";
    EXPECT_TRUE(html.contains(QLatin1String("<title>Q1 &lt;draft&gt;</title>")));
    EXPECT_TRUE(html.contains(QStringLiteral("<font face=\"Times\" size=\"3\" color=\"#cc0000\"><b>Città {north} \\ 5 €</b></font>")));
    EXPECT_TRUE(html.contains(QLatin1String(" align=\"right\" nowrap><font face=\"Arial\" size=\"3\" color=\"#000000\">1,234.50")));
    EXPECT_TRUE(html.contains(QLatin1String("a &lt; b &amp; c")));
    // The first page's second row begins one column in: the title's edge, then the text's.
    const QRegularExpression rows(QStringLiteral("<tr>(.*?)</tr>"));
    QStringList firstPage;
    auto it = rows.globalMatch(html.section(QLatin1String("<hr>"), 0, 0));
    while (it.hasNext())
        firstPage << it.next().captured(1);
    ASSERT_EQ(firstPage.size(), 3) << "widths row and two rows of texts";
    EXPECT_TRUE(firstPage[2].startsWith(QLatin1String("<td colspan=\"2\"></td><td"))) << firstPage[2].toStdString();
}

TEST_F(SampleReport, WordDocumentIsAMinimalPackageWithEveryRowAsAParagraphAndPageBreaks)
{
    const auto pages = report->pages();
    ASSERT_GT(pages->pageCount(), 1);
    const QString path = QDir(test::freshFolder(QStringLiteral("docx"))).filePath(QStringLiteral("orders.docx"));
    exportThrough(*report, exporting::format::Word, path);
    const auto files = unzip(readAll(path));
    for (const char* part : {"[Content_Types].xml", "_rels/.rels", "word/document.xml", "word/styles.xml"})
        EXPECT_TRUE(files.count(QString::fromLatin1(part))) << part;
    const QString document = QString::fromUtf8(files.at(QStringLiteral("word/document.xml")));
    EXPECT_EQ(document.count(QLatin1String("<w:br w:type=\"page\"/>")), pages->pageCount() - 1);
    int rows = 0;
    for (const auto& page : pages->pages())
        rows += static_cast<int>(exporting::textRows(page).size());
    EXPECT_EQ(document.count(QLatin1String("<w:p>")), rows + pages->pageCount() - 1) << "a paragraph per row, and per break";
    // Every text, in page order.
    qsizetype at = 0;
    for (const PageItem* t : pages->texts()) {
        const QString escaped = QString(t->text).toHtmlEscaped();
        const qsizetype found = document.indexOf(QStringLiteral(">%1</w:t>").arg(escaped), at);
        ASSERT_GE(found, 0) << t->text.toStdString();
        at = found;
    }
    EXPECT_TRUE(document.contains(QLatin1String("<w:tab w:val=\"right\" w:pos=\"9000\"/>"))) << "Total's right edge";
    EXPECT_TRUE(document.contains(QLatin1String("<w:pgSz w:w=\"11906\" w:h=\"16838\"/>")));
}

TEST_F(SampleReport, ExcelWorkbookHasTheCsvColumnsWithTypedCellsAndMarkedGroupRows)
{
    const auto pages = report->pages();
    const QString path = QDir(test::freshFolder(QStringLiteral("xlsx"))).filePath(QStringLiteral("orders.xlsx"));
    exportThrough(*report, exporting::format::Excel80, path);
    const auto files = unzip(readAll(path));
    ASSERT_TRUE(files.count(QStringLiteral("xl/worksheets/sheet1.xml")));
    const QString sheet = QString::fromUtf8(files.at(QStringLiteral("xl/worksheets/sheet1.xml")));
    const QString strings = QString::fromUtf8(files.at(QStringLiteral("xl/sharedStrings.xml")));
    const QString styles = QString::fromUtf8(files.at(QStringLiteral("xl/styles.xml")));

    // The header row: the CSV's column names, as shared strings.
    const QString csvHeader = QString::fromUtf8(exporting::detailsCsv(*pages)).section(QStringLiteral("\r\n"), 0, 0);
    for (const QString& name : csvHeader.split(QLatin1Char(',')))
        EXPECT_TRUE(strings.contains(QStringLiteral("<t>%1</t>").arg(name))) << name.toStdString();

    // Cell formats: index -> number format id; custom formats by id.
    std::vector<int> xfFormat;
    const QString cellXfs = styles.section(QLatin1String("<cellXfs"), 1).section(QLatin1String("</cellXfs>"), 0, 0);
    auto xf = QRegularExpression(QStringLiteral("<xf numFmtId=\"(\\d+)\"")).globalMatch(cellXfs);
    while (xf.hasNext())
        xfFormat.push_back(xf.next().captured(1).toInt());
    std::map<int, QString> customFormats;
    auto nf = QRegularExpression(QStringLiteral("<numFmt numFmtId=\"(\\d+)\" formatCode=\"([^\"]*)\"")).globalMatch(styles);
    while (nf.hasNext()) {
        const auto m = nf.next();
        customFormats[m.captured(1).toInt()] = m.captured(2);
    }

    // Row 2 is the first customer's group header (bold, outline level 0);
    // records are numbers (Order), dates (Date) and currency amounts (Total).
    const QRegularExpression rowRe(QStringLiteral("<row r=\"(\\d+)\"([^>]*)>(.*?)</row>"));
    const QRegularExpression cellRe(QStringLiteral("<c r=\"([A-Z]+)\\d+\"([^>]*)>(.*?)</c>"));
    int records = 0, groupRows = 0;
    auto rows = rowRe.globalMatch(sheet);
    while (rows.hasNext()) {
        const auto row = rows.next();
        if (row.captured(1) == QLatin1String("1"))
            continue;
        std::map<QString, std::pair<QString, QString>> cells;  // column -> attributes, content
        auto c = cellRe.globalMatch(row.captured(3));
        while (c.hasNext()) {
            const auto m = c.next();
            cells[m.captured(1)] = {m.captured(2), m.captured(3)};
        }
        const bool outlined = row.captured(2).contains(QLatin1String("outlineLevel=\"2\""));
        if (!outlined) {
            ++groupRows;
            continue;
        }
        ++records;
        ASSERT_EQ(cells.size(), 3u) << row.captured(0).toStdString();
        for (const auto& [column, cell] : cells) {
            EXPECT_FALSE(cell.first.contains(QLatin1String("t=\"s\""))) << "a typed cell, not text: " << column.toStdString();
            const int s = QRegularExpression(QStringLiteral("s=\"(\\d+)\"")).match(cell.first).captured(1).toInt();
            ASSERT_LT(static_cast<std::size_t>(s), xfFormat.size());
            const QString format = customFormats.count(xfFormat[static_cast<std::size_t>(s)]) ? customFormats[xfFormat[static_cast<std::size_t>(s)]] : QString();
            if (column == QLatin1String("B"))
                EXPECT_TRUE(format.contains(QLatin1String("yyyy"))) << "the date has a date format: " << format.toStdString();
            else if (column == QLatin1String("C"))
                EXPECT_EQ(format, QStringLiteral("#,##0.00"));
            else
                EXPECT_TRUE(format.isEmpty()) << format.toStdString();
        }
        if (records == 1) {
            // The first order as the page shows it: its number and its date serial.
            const PageItem *order = nullptr, *date = nullptr;
            for (const PageItem* t : pages->texts()) {
                if (!order && t->name == QLatin1String("Order"))
                    order = t;
                if (!date && t->name == QLatin1String("Date"))
                    date = t;
            }
            ASSERT_TRUE(order && date);
            EXPECT_EQ(cells[QStringLiteral("A")].second, QStringLiteral("<v>%1</v>").arg(order->value.number));
            EXPECT_EQ(cells[QStringLiteral("B")].second, QStringLiteral("<v>%1</v>").arg(date->value.number));
        }
    }
    EXPECT_EQ(records, exporting::detailsCsv(*pages).count("\r\n") - 1) << "a row per record";
    EXPECT_GT(groupRows, 0);
    EXPECT_TRUE(sheet.contains(QLatin1String("outlineLevel=\"1\""))) << "month rows one level in";
    // A month group's header reads as the page shows it, not as its first record's date.
    EXPECT_TRUE(strings.contains(QLatin1String("<t>January 2023</t>"))) << "the month as printed";
}

TEST_F(SampleReport, ExcelRowsPastAWorksheetsLastGoOnOnFurtherSheetsEachWithTheHeaderRow)
{
    const auto pages = report->pages();
    const auto one = unzip(exporting::pagesXlsx(*pages, QStringLiteral("Orders")));
    const int rows = static_cast<int>(one.at(QStringLiteral("xl/worksheets/sheet1.xml")).count("<row "));
    ASSERT_GT(rows, 12);
    const auto split = unzip(exporting::pagesXlsx(*pages, QStringLiteral("Orders"), 10));
    const int sheets = (rows - 1 + 8) / 9;  // nine rows after each header row
    int dataRows = 0;
    for (int n = 1; n <= sheets; ++n) {
        const QString name = QStringLiteral("xl/worksheets/sheet%1.xml").arg(n);
        ASSERT_TRUE(split.count(name)) << name.toStdString();
        const QByteArray sheet = split.at(name);
        EXPECT_TRUE(sheet.contains("<row r=\"1\"")) << name.toStdString();
        EXPECT_LE(sheet.count("<row "), 10);
        dataRows += static_cast<int>(sheet.count("<row ")) - 1;
    }
    EXPECT_FALSE(split.count(QStringLiteral("xl/worksheets/sheet%1.xml").arg(sheets + 1)));
    EXPECT_EQ(dataRows, rows - 1) << "no row lost";
    EXPECT_TRUE(split.at(QStringLiteral("xl/workbook.xml")).contains("name=\"Orders (2)\""));
}

TEST_F(SampleReport, AFailedZipExportLeavesTheOldFileAsItWasAndNoOtherFile)
{
    const QDir out(test::freshFolder(QStringLiteral("failed")));
    const QByteArray old(4096, 'o');
    for (const int format : {exporting::format::Word, exporting::format::Excel50, exporting::format::RichText}) {
        const QString path = out.filePath(QStringLiteral("old.%1").arg(format));
        {
            QFile f(path);
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
            f.write(old);
        }
        (void)report->pages();  // laid out before the limit
        bool raised = false;
        {
            const FileSizeLimit limit(1024);
            try {
                exportThrough(*report, format, path);
            } catch (const basic::BasicError& e) {
                raised = true;
                EXPECT_EQ(e.number(), rterr::ReportFileUnwritable) << format;
            }
        }
        EXPECT_TRUE(raised) << "format " << format << " reported success";
        EXPECT_EQ(readAll(path), old) << format;
    }
    EXPECT_EQ(out.entryList(QDir::Files).size(), 3) << out.entryList(QDir::Files).join(QLatin1Char(' ')).toStdString();
}
