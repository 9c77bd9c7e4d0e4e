// The GrowArray lists of the searches (syllable lists, candidate lists) read as spans of their
// records and filled one record at a time.
#pragma once

#include <span>
#include <type_traits>

#include "ime/base/grow_array.h"

namespace kellavor::lexicon {

template <typename Record>
std::span<const Record> Records(const base::GrowArray& list) {
  static_assert(std::is_trivially_copyable_v<Record>, "records are moved as raw bytes");
  if (list.count() <= 0 || list.data() == nullptr) return {};
  return {static_cast<const Record*>(list.data()), static_cast<size_t>(list.count())};
}

template <typename Record>
std::span<Record> Records(base::GrowArray& list) {
  static_assert(std::is_trivially_copyable_v<Record>, "records are moved as raw bytes");
  if (list.count() <= 0 || list.data() == nullptr) return {};
  return {static_cast<Record*>(list.data()), static_cast<size_t>(list.count())};
}

// Appends one record. A record that finds no room (the storage cannot grow) is dropped: a search
// carries on with what it has.
template <typename Record>
void Append(base::GrowArray& list, const Record& record) {
  list.InsertAt(&record, 1, list.count());
}

// Appends records in one step; when the storage cannot grow to hold them all, none is appended.
template <typename Record>
void AppendAll(base::GrowArray& list, std::span<const Record> records) {
  static_assert(std::is_trivially_copyable_v<Record>, "records are moved as raw bytes");
  list.InsertAt(records.data(), static_cast<int32_t>(records.size()), list.count());
}

// Empties the list and keeps its storage: lists whose step is their capacity never shrink, so the
// next search fills the same memory again.
inline void EmptyList(base::GrowArray& list) {
  list.RemoveAll();
}

}  // namespace kellavor::lexicon
