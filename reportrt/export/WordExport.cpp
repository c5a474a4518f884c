#include "reportrt/export/WordExport.h"

#include "reportrt/ErrorNumbers.h"
#include "reportrt/RuntimeError.h"
#include "reportrt/export/PageTextExport.h"

#include <QColor>
#include <QFile>
#include <QTemporaryDir>
#include <minizip/zip.h>

namespace orx::reportrt::exporting {

namespace {

constexpr const char* kContentTypes =
    "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
    "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\">"
    "<Default Extension=\"rels\" ContentType=\"application/vnd.openxmlformats-package.relationships+xml\"/>"
    "<Default Extension=\"xml\" ContentType=\"application/xml\"/>"
    "<Override PartName=\"/word/document.xml\" "
    "ContentType=\"application/vnd.openxmlformats-officedocument.wordprocessingml.document.main+xml\"/>"
    "<Override PartName=\"/word/styles.xml\" "
    "ContentType=\"application/vnd.openxmlformats-officedocument.wordprocessingml.styles+xml\"/>"
    "<Override PartName=\"/docProps/core.xml\" ContentType=\"application/vnd.openxmlformats-package.core-properties+xml\"/>"
    "</Types>";

constexpr const char* kPackageRels =
    "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
    "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
    "<Relationship Id=\"rId1\" "
    "Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument\" Target=\"word/document.xml\"/>"
    "<Relationship Id=\"rId2\" "
    "Type=\"http://schemas.openxmlformats.org/package/2006/relationships/metadata/core-properties\" Target=\"docProps/core.xml\"/>"
    "</Relationships>";

constexpr const char* kDocumentRels =
    "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
    "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
    "<Relationship Id=\"rId1\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/styles\" "
    "Target=\"styles.xml\"/>"
    "</Relationships>";

// Paragraphs without spacing, so rows stand as close as on the page.
constexpr const char* kStyles =
    "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
    "<w:styles xmlns:w=\"http://schemas.openxmlformats.org/wordprocessingml/2006/main\">"
    "<w:docDefaults><w:rPrDefault><w:rPr><w:rFonts w:ascii=\"Arial\" w:hAnsi=\"Arial\" w:cs=\"Arial\"/>"
    "<w:sz w:val=\"20\"/></w:rPr></w:rPrDefault>"
    "<w:pPrDefault><w:pPr><w:spacing w:before=\"0\" w:after=\"0\" w:line=\"240\" w:lineRule=\"auto\"/></w:pPr>"
    "</w:pPrDefault></w:docDefaults>"
    "<w:style w:type=\"paragraph\" w:default=\"1\" w:styleId=\"Normal\"><w:name w:val=\"Normal\"/></w:style>"
    "</w:styles>";

QString xmlText(const QString& text)
{
    QString out;
    out.reserve(text.size());
    for (const QChar ch : text) {
        const char16_t u = ch.unicode();
        switch (u) {
        case '&': out += QLatin1String("&amp;"); break;
        case '<': out += QLatin1String("&lt;"); break;
        case '>': out += QLatin1String("&gt;"); break;
        case '"': out += QLatin1String("&quot;"); break;
        case '\t':
        case '\n':
        case '\r': out += QLatin1Char(' '); break;
        default:
            if (u >= 0x20)  // other control characters cannot stand in XML
                out += ch;
        }
    }
    return out;
}

QString runProperties(const layout::TextStyle& st)
{
    const QString family = xmlText(st.family);
    QString p = QStringLiteral("<w:rPr><w:rFonts w:ascii=\"%1\" w:hAnsi=\"%1\" w:cs=\"%1\"/>").arg(family);
    if (st.bold)
        p += QStringLiteral("<w:b/>");
    if (st.italic)
        p += QStringLiteral("<w:i/>");
    if (st.underline)
        p += QStringLiteral("<w:u w:val=\"single\"/>");
    p += QStringLiteral("<w:color w:val=\"%1\"/><w:sz w:val=\"%2\"/></w:rPr>")
             .arg(QColor::fromRgba(st.color).name(QColor::HexRgb).mid(1).toUpper())
             .arg(st.size * 2);
    return p;
}

QByteArray documentXml(const layout::PageModel& model)
{
    QString d = QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
                               "<w:document xmlns:w=\"http://schemas.openxmlformats.org/wordprocessingml/2006/main\"><w:body>");
    for (int p = 0; p < model.pageCount(); ++p) {
        if (p > 0)
            d += QStringLiteral("<w:p><w:r><w:br w:type=\"page\"/></w:r></w:p>");
        for (const auto& row : textRows(model.page(p))) {
            const auto texts = tabbedRow(row, model);
            QString tabs, runs;
            for (const auto& t : texts) {
                QString run = runProperties(t.style);
                if (t.stop >= 0) {
                    const auto a = t.style.alignment;
                    tabs += QStringLiteral("<w:tab w:val=\"%1\" w:pos=\"%2\"/>")
                                .arg(QLatin1String(a == definition::Alignment::Right    ? "right"
                                                   : a == definition::Alignment::Center ? "center"
                                                                                        : "left"))
                                .arg(t.stop);
                    run += QStringLiteral("<w:tab/>");
                } else if (!runs.isEmpty()) {
                    run += QStringLiteral("<w:t xml:space=\"preserve\"> </w:t>");
                }
                runs += QStringLiteral("<w:r>%1<w:t xml:space=\"preserve\">%2</w:t></w:r>").arg(run, xmlText(t.item->text));
            }
            d += QStringLiteral("<w:p>");
            if (!tabs.isEmpty())
                d += QStringLiteral("<w:pPr><w:tabs>%1</w:tabs></w:pPr>").arg(tabs);
            d += runs + QStringLiteral("</w:p>");
        }
    }
    const QSize paper = model.paperSize.isEmpty() ? layout::paperSizeTwips(1, 1) : model.paperSize;
    const auto& s = model.setup;
    d += QStringLiteral("<w:sectPr><w:pgSz w:w=\"%1\" w:h=\"%2\"%3/>"
                        "<w:pgMar w:top=\"%4\" w:right=\"%5\" w:bottom=\"%6\" w:left=\"%7\" w:header=\"0\" w:footer=\"0\" w:gutter=\"0\"/>"
                        "</w:sectPr></w:body></w:document>")
             .arg(paper.width())
             .arg(paper.height())
             .arg(paper.width() > paper.height() ? QStringLiteral(" w:orient=\"landscape\"") : QString())
             .arg(s.marginTop)
             .arg(s.marginRight)
             .arg(s.marginBottom)
             .arg(s.marginLeft);
    return d.toUtf8();
}

QByteArray coreXml(const QString& title)
{
    return QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
                          "<cp:coreProperties xmlns:cp=\"http://schemas.openxmlformats.org/package/2006/metadata/core-properties\" "
                          "xmlns:dc=\"http://purl.org/dc/elements/1.1/\"><dc:title>%1</dc:title>"
                          "<dc:creator>ORX report runtime</dc:creator></cp:coreProperties>")
        .arg(xmlText(title))
        .toUtf8();
}

[[noreturn]] void fail(const QString& why)
{
    raiseRuntimeError(rterr::ReportFileUnwritable, rterr::source(), QStringLiteral("Cannot make the Word document: %1").arg(why));
}

}  // namespace

QByteArray pagesDocx(const layout::PageModel& model, const QString& title)
{
    const std::pair<const char*, QByteArray> parts[] = {
        {"[Content_Types].xml", QByteArray(kContentTypes)},
        {"_rels/.rels", QByteArray(kPackageRels)},
        {"docProps/core.xml", coreXml(title)},
        {"word/_rels/document.xml.rels", QByteArray(kDocumentRels)},
        {"word/styles.xml", QByteArray(kStyles)},
        {"word/document.xml", documentXml(model)},
    };
    // The package is made in a private temporary folder (the zip library
    // writes files) and handed back as bytes for the atomic write.
    QTemporaryDir dir;
    if (!dir.isValid())
        fail(QStringLiteral("no temporary folder: %1").arg(dir.errorString()));
    const QString path = dir.filePath(QStringLiteral("document.docx"));
    zipFile zip = zipOpen64(QFile::encodeName(path).constData(), APPEND_STATUS_CREATE);
    if (!zip)
        fail(QStringLiteral("the package cannot be created"));
    for (const auto& [name, content] : parts) {
        zip_fileinfo info{};
        int error = zipOpenNewFileInZip64(zip, name, &info, nullptr, 0, nullptr, 0, nullptr, Z_DEFLATED, Z_DEFAULT_COMPRESSION, 0);
        if (error == ZIP_OK)
            error = zipWriteInFileInZip(zip, content.constData(), static_cast<unsigned>(content.size()));
        if (error == ZIP_OK)
            error = zipCloseFileInZip(zip);
        if (error != ZIP_OK) {
            zipClose(zip, nullptr);
            fail(QStringLiteral("%1: zip error %2").arg(QString::fromLatin1(name)).arg(error));
        }
    }
    if (const int error = zipClose(zip, nullptr); error != ZIP_OK)
        fail(QStringLiteral("zip error %1").arg(error));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        fail(file.errorString());
    return file.readAll();
}

}  // namespace orx::reportrt::exporting
