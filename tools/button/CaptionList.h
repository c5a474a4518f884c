#pragma once

#include "tools/common/ToolsExport.h"

// The button's list of captions: the "|"-joined text it is kept in, the
// access key a caption carries, and what a new CapIndex does to the list's
// position. Plain rules, no widgets.
#include <QChar>
#include <QString>
#include <QStringList>

#include <optional>

namespace orx::tools::button {

// The text stored for Captions: without leading and trailing blanks.
ORX_TOOLS_EXPORT QString trimCaptions(const QString& text);

// The list of a Captions text, split at every "|": "A||B" gives A, an empty
// caption and B; an empty text gives an empty list.
ORX_TOOLS_EXPORT QStringList splitCaptions(const QString& text);

// The list joined back with "|", entry `index` (1-based) replaced by `text`.
ORX_TOOLS_EXPORT QString replaceCaption(const QStringList& list, int index, const QString& text);

// The access key of a caption: the upper-cased character after its first
// "&". A caption ending in "&" has none.
ORX_TOOLS_EXPORT std::optional<QChar> accessKeyOf(const QString& caption);

// The caption as spoken or shown without its access-key marker ("&Save"
// reads "Save"; "&&" stands for one "&").
ORX_TOOLS_EXPORT QString plainCaption(const QString& caption);

// What setting CapIndex to n does with `count` captions.
struct ORX_TOOLS_EXPORT CapIndexChange {
    bool accepted = false;  // false: nothing changes
    int index = 0;          // the index to store
    bool wraps = false;     // the index wrapped to 1: ScrollCaptions is raised
};
ORX_TOOLS_EXPORT CapIndexChange capIndexChange(int n, int count, bool autoScroll);

}  // namespace orx::tools::button
