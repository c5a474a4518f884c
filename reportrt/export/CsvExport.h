#pragma once

#include "reportrt/ReportRTExport.h"

#include "reportrt/layout/PageModel.h"

#include <QByteArray>
#include <QHash>
#include <QString>

// The detail records of a laid-out report as comma-separated values: one
// line per record with the detail fields as displayed, columns in the order
// of the fields across the details section, a first line of column names.
// Sub-report lines are left out.
namespace orx::reportrt::exporting {

class ORX_REPORTRT_EXPORT CsvWriter {
public:
    // Adds the detail texts of one page.
    void addPage(const layout::Page& page);
    QByteArray result() const;
    qint64 rows() const { return rows_ + (currentRecord_ >= 0 ? 1 : 0); }

private:
    void endRow();
    QStringList columns_;        // sources (or names) in order
    QHash<QString, int> columnIndex_;
    QList<int> columnX_;
    QByteArray body_;
    QStringList current_;
    int nextColumn_ = 0;  // the column the next item most likely fills
    qint64 currentRecord_ = -1;
    qint64 rows_ = 0;
};

ORX_REPORTRT_EXPORT QByteArray detailsCsv(const layout::PageModel& model);
// Writes atomically; raises an error naming the file when it cannot.
ORX_REPORTRT_EXPORT void writeCsvFile(const layout::PageModel& model, const QString& path);
ORX_REPORTRT_EXPORT void writeCsvFile(const QByteArray& csv, const QString& path);

}  // namespace orx::reportrt::exporting
