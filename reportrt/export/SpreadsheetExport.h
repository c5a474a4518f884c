#pragma once

#include "reportrt/ReportRTExport.h"

#include "reportrt/layout/PageModel.h"

#include <QByteArray>
#include <QString>

// The detail records as an Excel workbook (.xlsx): one worksheet with a bold
// first row of field names, then one row per detail record with the detail
// fields left to right as displayed (the columns of the CSV export). Cells
// are typed by the value shown: numbers and currency amounts as numbers,
// dates and date-times as dates with a date format, booleans as booleans,
// the rest as text. Each printing of a group header or footer is a bold row
// in its place, its texts under the columns they stand above; rows are
// outlined by group (records one level below their innermost group). Rows
// past a worksheet's last (`sheetRows`, the header row among them) go on on a
// further worksheet that begins with the header row again.
namespace orx::reportrt::exporting {

inline constexpr int kWorksheetRows = 1048576;

ORX_REPORTRT_EXPORT QByteArray pagesXlsx(const layout::PageModel& model, const QString& title = {},
                                         int sheetRows = kWorksheetRows);

}  // namespace orx::reportrt::exporting
