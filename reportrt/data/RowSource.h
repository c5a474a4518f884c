#pragma once

#include "reportrt/formula/Value.h"

#include <vector>

namespace orx::reportrt::data {

// One stream of rows, each the fields of one or more tables in a row, written
// into `row` from `offset` on. A record reader reads its main table through one.
class RowSource {
public:
    virtual ~RowSource() = default;
    virtual bool next(std::vector<formula::Value>& row, int offset) = 0;
};

}  // namespace orx::reportrt::data
