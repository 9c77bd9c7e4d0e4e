#include "ime/base/sorted_search.h"

#include <cstring>

namespace kellavor::base {
namespace {

const void* RecordAt(const void* base, int32_t i, int32_t recordSize) {
  return static_cast<const uint8_t*>(base) + static_cast<int64_t>(i) * recordSize;
}

// The first index whose record the key does not sort after (lower bound), or does sort before
// (upper bound).
int32_t SearchIndex(const void* base, int32_t n, int32_t recordSize, CompareFunction compare,
                    const void* key, void* context, bool upper) {
  int32_t lo = 0;
  int32_t hi = n - 1;
  while (hi >= lo) {
    const int32_t mid = lo + (hi - lo) / 2;
    const int result = compare(key, RecordAt(base, mid, recordSize), context);
    if (result > 0 || (upper && result == 0)) {
      lo = mid + 1;
    } else {
      hi = mid - 1;
    }
  }
  return lo;
}

bool EqualAt(const void* base, int32_t n, int32_t recordSize, CompareFunction compare,
             const void* key, void* context, int32_t index) {
  return index < n && compare(key, RecordAt(base, index, recordSize), context) == 0;
}

char16_t FoldAsciiCase(char16_t c) { return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c + (u'a' - u'A')) : c; }

const char16_t* NameOf(const void* record) {
  const char16_t* name;
  std::memcpy(&name, record, sizeof name);
  return name;
}

}  // namespace

bool LowerBound(const void* base, int32_t n, int32_t recordSize, CompareFunction compare,
                const void* key, void* context, int32_t& outIndex) {
  outIndex = SearchIndex(base, n, recordSize, compare, key, context, false);
  return EqualAt(base, n, recordSize, compare, key, context, outIndex);
}

bool UpperBound(const void* base, int32_t n, int32_t recordSize, CompareFunction compare,
                const void* key, void* context, int32_t& outIndex) {
  outIndex = SearchIndex(base, n, recordSize, compare, key, context, true);
  return EqualAt(base, n, recordSize, compare, key, context, outIndex);
}

bool EqualRange(const void* base, int32_t n, int32_t recordSize, CompareFunction compare,
                const void* key, void* context, const void*& outFirst, const void*& outLast) {
  int32_t first = 0;
  if (!LowerBound(base, n, recordSize, compare, key, context, first)) return false;
  int32_t last = 0;
  UpperBound(base, n, recordSize, compare, key, context, last);
  outFirst = RecordAt(base, first, recordSize);
  outLast = RecordAt(base, last, recordSize);
  return true;
}

int CompareIgnoringCase(const char16_t* a, const char16_t* b) {
  if (a == nullptr) a = u"";
  if (b == nullptr) b = u"";
  for (;; ++a, ++b) {
    const char16_t foldedA = FoldAsciiCase(*a);
    const char16_t foldedB = FoldAsciiCase(*b);
    if (foldedA != foldedB || foldedA == 0) return static_cast<int>(foldedA) - static_cast<int>(foldedB);
  }
}

int CompareRecordNames(const void* recordA, const void* recordB) {
  return CompareIgnoringCase(NameOf(recordA), NameOf(recordB));
}

int CompareKeyToRecordName(const void* keyText, const void* record, void* /*context*/) {
  return CompareIgnoringCase(static_cast<const char16_t*>(keyText), NameOf(record));
}

}  // namespace kellavor::base
