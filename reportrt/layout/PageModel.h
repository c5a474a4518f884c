#pragma once

#include "reportrt/ReportRTExport.h"

#include "reportrt/definition/ReportDefinition.h"
#include "reportrt/formula/Value.h"

#include <QRect>
#include <QRgb>
#include <QSize>
#include <QString>
#include <QVariant>
#include <memory>
#include <vector>

// The laid-out report: pages of positioned texts, lines, boxes and pictures,
// in twips from the top-left corner of the paper. Every output (viewer,
// printer, exports) works from this model, so what one shows all show. Each
// text knows the field or formula it shows and the record it came from.
namespace orx::reportrt::layout {

struct ORX_REPORTRT_EXPORT TextStyle {
    QString family;
    int size = 10;
    bool bold = false, italic = false, underline = false;
    definition::Alignment alignment = definition::Alignment::Left;
    QRgb color = 0xff000000;
    bool operator==(const TextStyle&) const = default;
};

// A field that tells which record or group a text came from: a group's
// condition field (as the report names it) with its value for that record.
struct ORX_REPORTRT_EXPORT KeyField {
    QString source;
    formula::Value value;
};
// Shared by every text of one group instance; null when there is none.
using KeyFields = std::shared_ptr<const std::vector<KeyField>>;

struct ORX_REPORTRT_EXPORT PageItem {
    enum class Kind : unsigned char { Text, Line, Box, Picture };
    Kind kind = Kind::Text;
    definition::SectionKind section = definition::SectionKind::Details;
    int group = 0;        // group headers and footers: the group, 1 the outermost
    QRect rect;           // twips on the page
    int style = -1;       // Text: index into PageModel::styles()
    QString text;         // Text: as shown; Picture: the image file
    QString source;       // what a text shows: {T.F}, {@F}, {?P}, "Sum({T.F})", a special field; empty for plain text
    QString name;         // the report object's name
    formula::Value value; // the value shown, for programs that read it (null for plain text)
    qint64 record = 0;    // the record (1 the first reported) it came from; 0 none
    int thickness = 0;    // Line, Box
    QRgb color = 0xff000000;
    QRgb fill = 0;        // Box: 0 for no fill
    bool canGrow = false;
    bool fromSubreport = false;  // printed by a sub-report
    bool continued = false;      // a further line of the text above it (a wrapped can-grow text)
    // Picture: the part shown when a picture taller than a page is split over
    // pages: rows from pictureTop of a picture pictureHeight tall (twips; 0: the whole picture).
    int pictureTop = 0;
    int pictureHeight = 0;
    // Details and group sections: the condition fields of the groups the record is in, outermost first.
    KeyFields keys;
    // Page numbers are filled in when the item is placed; the page count when the last page is done.
    definition::SpecialField special = definition::SpecialField::None;
};

struct ORX_REPORTRT_EXPORT Page {
    std::vector<PageItem> items;
};

class ORX_REPORTRT_EXPORT PageModel {
public:
    QSize paperSize;  // twips, in the page's orientation
    definition::PageSetup setup;

    int pageCount() const { return static_cast<int>(pages_.size()); }
    const Page& page(int index) const { return pages_.at(static_cast<std::size_t>(index)); }
    const std::vector<Page>& pages() const { return pages_; }
    void addPage(Page page) { pages_.push_back(std::move(page)); }
    // Fills the page count into the items that show it.
    void setTotalPages(int total);
    // Fills the page count (a number, or a mark while it is not known yet)
    // into the items of one page (1-based number) that show it.
    static void fillTotalPages(Page& page, int number, const QString& total);

    const std::vector<TextStyle>& styles() const { return styles_; }
    int styleIndex(const TextStyle& style);
    void setStyles(std::vector<TextStyle> styles) { styles_ = std::move(styles); }

    // Every text of every page in page order, for searches and exports.
    std::vector<const PageItem*> texts() const;

private:
    std::vector<Page> pages_;
    std::vector<TextStyle> styles_;
};

// Paper size in twips for a paper size number and orientation (1 portrait, 2 landscape).
ORX_REPORTRT_EXPORT QSize paperSizeTwips(int paperSize, int orientation);

// Gives a model a page set-up and its paper, before pages go in.
ORX_REPORTRT_EXPORT void setPaper(PageModel& model, const definition::PageSetup& setup);

}  // namespace orx::reportrt::layout
