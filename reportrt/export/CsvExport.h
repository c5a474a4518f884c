#pragma once

#include "reportrt/ReportRTExport.h"

#include "reportrt/export/DetailTable.h"
#include "reportrt/layout/PageModel.h"

#include <QByteArray>
#include <QString>

// The detail records of a laid-out report as comma-separated values: the
// rows of DetailTable, one line each, and a first line of column names.
namespace orx::reportrt::exporting {

class ORX_REPORTRT_EXPORT CsvWriter : public DetailTable {
public:
    // The lines so far, with the header line first and the open row last.
    QByteArray result() const;
    qint64 rows() const { return records(); }

protected:
    void row(Row&& row) override;

private:
    QByteArray body_;
};

ORX_REPORTRT_EXPORT QByteArray detailsCsv(const layout::PageModel& model);
// Writes atomically; raises an error naming the file when it cannot.
ORX_REPORTRT_EXPORT void writeCsvFile(const layout::PageModel& model, const QString& path);
ORX_REPORTRT_EXPORT void writeCsvFile(const QByteArray& csv, const QString& path);

}  // namespace orx::reportrt::exporting
