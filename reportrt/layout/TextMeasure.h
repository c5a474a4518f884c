#pragma once

#include "reportrt/definition/ReportDefinition.h"

#include <QString>

// How tall a can-grow text is once wrapped to its width. With a GUI
// application the font's real metrics are used; without one (the command
// line) an average character width stands in, so that a report still lays
// out the same way each time it runs there.
namespace orx::reportrt::layout {

int wrappedHeight(const QString& text, const definition::FontDef& font, int widthTwips);

}  // namespace orx::reportrt::layout
