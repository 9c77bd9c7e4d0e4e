// An index of a dictionary file: 32-bit entries (record numbers or byte offsets) read in place.
#pragma once

#include <cstdint>

#include "ime/lexicon/dictionary_format.h"

namespace kellavor::lexicon {

class IndexView {
 public:
  IndexView() = default;
  IndexView(const uint8_t* entries, uint32_t count) : entries_(entries), count_(count) {}

  uint32_t size() const { return count_; }
  bool empty() const { return count_ == 0; }
  // k must be below size().
  uint32_t operator[](uint32_t k) const { return LoadU32(entries_ + 4 * static_cast<size_t>(k)); }

 private:
  const uint8_t* entries_ = nullptr;
  uint32_t count_ = 0;
};

}  // namespace kellavor::lexicon
