#pragma once

#include "tools/common/ToolsExport.h"

// The rules of the two group controls that need no widget: where each item
// goes, how a "|" list is fitted to the item count, the group values of the
// check box group and the focus rectangle around a caption. The option
// button group uses them with its own count and list values.
#include <QList>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <functional>
#include <optional>

namespace orx::tools::groups {

inline constexpr int Vertical = 1;
inline constexpr int Horizontal = 2;
inline constexpr int Grid = 3;
inline constexpr int CaptionLeft = 1;
inline constexpr int CaptionRight = 2;

// The smallest item height, and the width every item's box has of its own.
inline constexpr double MinItemHeight = 195;
inline constexpr double BoxWidth = 255;

// A length rounded to a whole number of twips, halves to the even
// neighbour. Computed in 32 bits, so a group wider than the 16-bit range
// (about 33,000 twips) lays out like a narrower one.
ORX_TOOLS_EXPORT std::int32_t roundTwips(double value);

// What the layout reads: the control's size, the orientation, the caption
// position, the spacings, the item count and grid columns, and each item's
// box size.
struct LayoutInput {
    double width = 0, height = 0;
    int orientation = Vertical;
    int captionPosition = CaptionRight;
    double horizSpacing = 60, vertSpacing = 60;
    int count = 1;
    int columns = 1;
    double boxWidth = BoxWidth;
    double boxHeight = MinItemHeight;
    // The option button group widens the minimum cell only when the box and
    // the spacing exceed it; the check box group also when they equal it.
    bool widenOnEqual = true;
};

// Where one item goes. A left edge is absent when the caption position is
// neither left nor right (the edges are then left as they are), and no
// position at all is given for an unknown orientation.
struct ItemPlace {
    std::optional<double> boxLeft, labelLeft;
    std::optional<double> top;
    double captionWidth = 0;  // the most the label may take
    bool operator==(const ItemPlace&) const = default;
};

// The cell width w of every item.
ORX_TOOLS_EXPORT std::int32_t cellWidth(const LayoutInput& in);
// Every item's place, in index order.
ORX_TOOLS_EXPORT QList<ItemPlace> layoutItems(const LayoutInput& in);

// A "|" list fitted to `count` pieces: split at every "|" (an empty text
// between two separators is a piece), then pieces appended with `filler` of
// the current number of pieces, or the last ones dropped. An empty text
// first becomes filler(0).
ORX_TOOLS_EXPORT QStringList fitPieces(const QString& text, int count, const std::function<QString(int)>& filler);
// A piece that would split into two: a caption or list value holding "|".
ORX_TOOLS_EXPORT bool splitsList(const QString& piece);

// The check box group's values from the item states and back.
ORX_TOOLS_EXPORT QString listValueOf(const QList<bool>& states);
ORX_TOOLS_EXPORT std::int32_t numericValueOf(const QList<bool>& states);
ORX_TOOLS_EXPORT QList<bool> statesFromListValue(const QString& listValue, int count);
ORX_TOOLS_EXPORT QList<bool> statesFromNumericValue(std::int32_t value, int count);
// NumericValue accepts values below 2^count, compared in floating point, so
// negative values pass.
ORX_TOOLS_EXPORT bool numericValueFits(double value, int count);

// The focus rectangle of a caption at (left, top) of width x height twips:
// the twip box its erasing outline covers, and the pixel rectangle of the
// dotted rectangle with the screen's twips per pixel.
struct FocusBox {
    double x1, y1, x2, y2;
    bool operator==(const FocusBox&) const = default;
};
ORX_TOOLS_EXPORT FocusBox focusOutline(double left, double top, double width, double height);
// Pixels: left and top inclusive, right and bottom exclusive.
struct PixelBox {
    int left, top, right, bottom;
    bool operator==(const PixelBox&) const = default;
};
ORX_TOOLS_EXPORT PixelBox focusPixels(double left, double top, double width, double height, double tx, double ty);

}  // namespace orx::tools::groups

namespace orx::tools::groups {

// DataName and DataIndex from the data source's name: "Orders(12)" gives
// Orders and 12, a name without "(" itself and an empty index.
struct DataNames {
    QString name, index;
    bool operator==(const DataNames&) const = default;
};
ORX_TOOLS_EXPORT DataNames dataNamesOf(const QString& dataSource);

}  // namespace orx::tools::groups

namespace orx::tools::groups {

// The size the resize handler restores at run time under LockSize (1
// height, 2 width, 3 both; ResetDesignSize restores both). A design size of
// 0 was never recorded: that side is not restored.
struct LockedSize {
    std::optional<double> width, height;
    bool operator==(const LockedSize&) const = default;
};
ORX_TOOLS_EXPORT LockedSize lockedSize(int lockSize, double designWidth, double designHeight);

}  // namespace orx::tools::groups
