#pragma once

#include "reportrt/ReportRTExport.h"

#include "reportrt/definition/ReportDefinition.h"

#include <QString>
#include <QStringList>

// How a can-grow text wraps to its width. With a GUI application the font's
// real metrics are used; without one (the command line) an average character
// width stands in, so that a report still lays out the same way each time it
// runs there. Lines break at spaces; a word wider than the line is cut.
namespace orx::reportrt::layout {

ORX_REPORTRT_EXPORT int lineHeight(const definition::FontDef& font);
ORX_REPORTRT_EXPORT QStringList wrapLines(const QString& text, const definition::FontDef& font, int widthTwips);
ORX_REPORTRT_EXPORT int wrappedHeight(const QString& text, const definition::FontDef& font, int widthTwips);

}  // namespace orx::reportrt::layout
