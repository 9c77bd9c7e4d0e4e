// In-place sort of fixed-size records with a three-way comparator (compare(a, b, context) is
// negative when a comes first). Not stable: records that compare equal may come in any order.
#pragma once

#include <cstdint>

#include "ime/base/sorted_search.h"

namespace kellavor::base {

// Does nothing when recordSize is not positive, count is below 2 or compare is null.
void SortRecords(void* records, int32_t count, int32_t recordSize, CompareFunction compare, void* context);

}  // namespace kellavor::base
