#include "reportrt/export/PdfExport.h"

#include "reportrt/export/ExportFile.h"
#include "reportrt/render/PagePainter.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

namespace orx::reportrt::exporting {

namespace {

constexpr int kTwipsPerInch = 1440;

QPageLayout twipsLayout(const QSize& paper)
{
    const QSizeF points(paper.width() / 20.0, paper.height() / 20.0);
    // The page size names the paper as it stands (the model's size is
    // already in its orientation), so the layout stays portrait.
    return QPageLayout(QPageSize(points, QPageSize::Point, QString(), QPageSize::ExactMatch), QPageLayout::Portrait,
                       QMarginsF(0, 0, 0, 0), QPageLayout::Point);
}

}  // namespace

QByteArray pagesPdf(const layout::PageModel& model, const QString& title)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setCreator(QStringLiteral("ORX report runtime"));
        writer.setTitle(title);
        // At 1440 dots per inch one device unit is one twip: the page model draws unscaled.
        writer.setResolution(kTwipsPerInch);
        const QSize paper = model.paperSize.isEmpty() ? layout::paperSizeTwips(1, 1) : model.paperSize;
        writer.setPageLayout(twipsLayout(paper));
        QPainter painter(&writer);
        for (int i = 0; i < model.pageCount(); ++i) {
            if (i > 0)
                writer.newPage();
            render::paintPage(painter, model, i);
        }
        painter.end();
    }
    return bytes;
}

void writePdfFile(const layout::PageModel& model, const QString& path, const QString& title)
{
    writeExportFile(pagesPdf(model, title), path, QStringLiteral("PDF"));
}

}  // namespace orx::reportrt::exporting
