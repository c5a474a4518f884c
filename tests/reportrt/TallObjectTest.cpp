// Boxes, lines and pictures taller than a page's printable area: each is cut
// at the foot of the page and goes on at the top of the next, never drawn
// past the body of a page; the parts add up to the whole.
#include "reportrt/layout/Paginator.h"
#include "reportrt/render/PagePainter.h"
#include "tests/support/TestSupport.h"

#include <QDir>
#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

using namespace orx::reportrt;
using namespace orx::reportrt::layout;

namespace {

PageItem item(PageItem::Kind kind, QRect rect, const char* name)
{
    PageItem i;
    i.kind = kind;
    i.rect = rect;
    i.name = QString::fromLatin1(name);
    return i;
}

// The parts of the item named `name`, page by page.
std::vector<std::pair<int, const PageItem*>> parts(const PageModel& m, const QString& name)
{
    std::vector<std::pair<int, const PageItem*>> out;
    for (int p = 0; p < m.pageCount(); ++p) {
        for (const auto& i : m.page(p).items) {
            if (i.name == name)
                out.emplace_back(p, &i);
        }
    }
    return out;
}

TEST(TallObjects, AreCutAtTheFootOfThePageAndGoOnOnTheNext)
{
    definition::PageSetup setup;  // A4 portrait, 2 cm margins
    const int footer = 500;
    const int body = paperSizeTwips(setup.paperSize, setup.orientation).height() - setup.marginTop - setup.marginBottom - footer;
    const int header = 400;
    const struct {
        const char* what;
        PageItem::Kind kind;
        int y, height;  // within the band, which starts below a band of 1000 twips
        int pages;      // pages the item is on
    } cases[] = {
        {"a box of two pages and a half", PageItem::Kind::Box, 200, body * 2 + body / 2, 3},
        {"a vertical line a little taller than a page", PageItem::Kind::Line, 0, body + 100, 2},
        {"a picture of three pages", PageItem::Kind::Picture, 600, body * 3 - 4000, 3},
        {"a box a twip taller than the room under the header", PageItem::Kind::Box, 0, body - header + 1, 2},
    };
    for (const auto& c : cases) {
        PageModel model;
        ModelSink sink(model);
        Paginator::Hooks hooks;
        hooks.header = [&](int) {
            Band b;
            b.kind = definition::SectionKind::PageHeader;
            b.height = header;
            b.items.push_back(item(PageItem::Kind::Text, QRect(0, 0, 1000, 240), "Header"));
            return std::vector<Band>{b};
        };
        Paginator pages(setup, sink, hooks, footer);
        Band first;
        first.height = 1000;
        first.items.push_back(item(PageItem::Kind::Text, QRect(0, 0, 1000, 240), "Before"));
        pages.add(first);
        Band tall;
        tall.height = c.y + c.height + 300;
        tall.items.push_back(item(c.kind, QRect(500, c.y, c.kind == PageItem::Kind::Line ? 20 : 3000, c.height), "Tall"));
        tall.items.push_back(item(PageItem::Kind::Text, QRect(4000, c.y + c.height + 10, 1000, 240), "After"));
        if (c.kind == PageItem::Kind::Picture)
            tall.items.back().text = QStringLiteral("picture.png");
        pages.add(tall);
        pages.finish();

        const auto tallParts = parts(model, QStringLiteral("Tall"));
        ASSERT_EQ(static_cast<int>(tallParts.size()), c.pages) << c.what;
        int total = 0;
        for (std::size_t k = 0; k < tallParts.size(); ++k) {
            const auto& [page, part] = tallParts[k];
            EXPECT_EQ(page, static_cast<int>(k)) << c.what << ": one part on each page in turn";
            const int bodyTop = setup.marginTop + header;
            EXPECT_GE(part->rect.top(), bodyTop) << c.what << ", part " << k;
            EXPECT_LE(part->rect.top() + part->rect.height(), setup.marginTop + body) << c.what << ", part " << k;
            if (k > 0) {
                EXPECT_EQ(part->rect.top(), bodyTop) << c.what << ": goes on at the top of the next page";
            }
            EXPECT_EQ(part->rect.left(), setup.marginLeft + 500) << c.what;
            if (c.kind == PageItem::Kind::Picture) {
                EXPECT_EQ(part->pictureHeight, c.height) << c.what;
                EXPECT_EQ(part->pictureTop, total) << c.what << ": the part of the picture below the last";
            } else {
                EXPECT_EQ(part->pictureHeight, 0) << c.what;
            }
            total += part->rect.height();
        }
        EXPECT_EQ(total, c.height) << c.what << ": the parts add up to the whole";
        // What followed the tall object stays below it, on the page of its last part.
        const auto after = parts(model, QStringLiteral("After"));
        ASSERT_EQ(after.size(), 1u) << c.what;
        EXPECT_EQ(after[0].first, tallParts.back().first) << c.what;
        EXPECT_EQ(after[0].second->rect.top(),
                  tallParts.back().second->rect.top() + tallParts.back().second->rect.height() + 10)
            << c.what;
    }
}

// A part of a picture shows its own rows: a picture red above, blue below,
// split at its middle, paints red on the first page and blue on the second.
TEST(TallObjects, EachPartOfAPicturePaintsItsOwnRows)
{
    QImage picture(40, 40, QImage::Format_RGB32);
    {
        QPainter p(&picture);
        p.fillRect(0, 0, 40, 20, Qt::red);
        p.fillRect(0, 20, 40, 20, Qt::blue);
    }
    const QString file = QDir(orx::test::freshFolder(QStringLiteral("picture"))).filePath(QStringLiteral("halves.png"));
    ASSERT_TRUE(picture.save(file));
    const struct {
        int top;
        QRgb colour;
    } cases[] = {{0, qRgb(255, 0, 0)}, {2880, qRgb(0, 0, 255)}};
    for (const auto& c : cases) {
        PageModel model;
        model.paperSize = paperSizeTwips(9, 1);
        Page page;
        PageItem part = item(PageItem::Kind::Picture, QRect(1440, 1440, 2880, 2880), "Half");
        part.text = file;
        part.pictureTop = c.top;
        part.pictureHeight = 5760;
        page.items.push_back(part);
        model.addPage(page);
        const QImage shown = render::pageImage(model, 0, 96.0);
        // The middle of the part: 1 inch + 1 inch in, at 96 dots per inch.
        EXPECT_EQ(shown.pixel(192, 192) & 0xffffff, c.colour & 0xffffff) << "part from " << c.top;
    }
}

}  // namespace
