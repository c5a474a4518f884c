#pragma once

#include "viewreport/engine/ViewReportExport.h"

#include <QString>

// The request's rules that need no object, each in one place.
namespace orx::viewreport {

// ReportName: a final ".RPT" (any case) is cut off when the name is longer
// than those 4 characters.
ORX_VIEWREPORT_EXPORT QString StripReportExtension(const QString& name);

// Order-by names are field references in braces: "{" is put in front unless
// the name starts with one, "}" at the end unless it ends with one.
ORX_VIEWREPORT_EXPORT QString WrapOrderByName(const QString& name);

// Removes, in this order, every CR LF pair, CR, form feed, LF, CR LF pair
// again and NUL, then the blanks at both ends.
ORX_VIEWREPORT_EXPORT QString CleanFormulaText(const QString& text);

// Names of request elements and report fields compare upper-cased.
ORX_VIEWREPORT_EXPORT bool sameName(const QString& a, const QString& b);

// The 16-bit copy count of the print options: the absolute value of the
// number given; a number outside 16 bits, or -32768 (whose absolute value is
// not 16-bit), raises the overflow error.
ORX_VIEWREPORT_EXPORT int absoluteCopies(int copies);

}  // namespace orx::viewreport
