#pragma once

#include "reportrt/ReportRTExport.h"

#include "reportrt/formula/Value.h"

#include <QTemporaryFile>
#include <memory>
#include <vector>

// Sorts records that may not fit in memory: records are gathered in runs of
// `runLength`, each run is sorted and, when there is more than one, written
// to a temporary file; reading merges the runs. Equal keys keep the order
// the records came in.
namespace orx::reportrt::data {

using formula::Value;

struct ORX_REPORTRT_EXPORT SortKey {
    std::vector<Value> keys;
    std::vector<Value> record;
};

class ORX_REPORTRT_EXPORT Sorter {
public:
    // `descending[i]` for each key.
    explicit Sorter(std::vector<bool> descending, std::size_t runLength = 50000);
    ~Sorter();

    void add(std::vector<Value> keys, std::vector<Value> record);
    // Ends adding; then next() gives the records in order.
    void finish();
    bool next(std::vector<Value>& record);

    int runsOnDisk() const { return static_cast<int>(files_.size()); }

private:
    struct Run;
    bool less(const SortKey& a, const SortKey& b) const;
    void spill();

    std::vector<bool> descending_;
    std::size_t runLength_;
    std::vector<SortKey> buffer_;
    std::vector<std::unique_ptr<QTemporaryFile>> files_;
    std::vector<std::unique_ptr<Run>> runs_;
    std::size_t position_ = 0;
    bool finished_ = false;
};

}  // namespace orx::reportrt::data
