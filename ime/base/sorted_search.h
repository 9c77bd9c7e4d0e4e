// Binary searches over n records of recordSize bytes starting at base, sorted ascending by a
// three-way comparator: compare(key, record, context) is negative when the key sorts before the
// record, 0 when they are equal and positive when the key sorts after it. context is handed to
// the comparator untouched.
#pragma once

#include <cstdint>

namespace kellavor::base {

using CompareFunction = int (*)(const void* key, const void* record, void* context);

// Index of the first record with compare(key, record) <= 0, or n. True when that record exists
// and compares equal to the key.
bool LowerBound(const void* base, int32_t n, int32_t recordSize, CompareFunction compare,
                const void* key, void* context, int32_t& outIndex);

// Index of the first record with compare(key, record) < 0, or n. The flag is computed as for
// LowerBound (record exists and compares equal), so on a well-ordered array it is false; callers
// use the index.
bool UpperBound(const void* base, int32_t n, int32_t recordSize, CompareFunction compare,
                const void* key, void* context, int32_t& outIndex);

// The records equal to the key: outFirst is the first of them, outLast one record past the last.
// False (outputs untouched) when no record equals the key.
bool EqualRange(const void* base, int32_t n, int32_t recordSize, CompareFunction compare,
                const void* key, void* context, const void*& outFirst, const void*& outLast);

// Compares two NUL-terminated strings unit by unit, folding only A-Z to a-z, and returns the
// first differing folded units subtracted as unsigned 16-bit values (0 when equal). A null
// string counts as empty.
int CompareIgnoringCase(const char16_t* a, const char16_t* b);

// For records whose first field is a pointer to their NUL-terminated UTF-16 name.
// CompareRecordNames orders two such records (it has the shape qsort expects);
// CompareKeyToRecordName compares a NUL-terminated key text with a record's name and fits
// LowerBound, UpperBound and EqualRange (context unused).
int CompareRecordNames(const void* recordA, const void* recordB);
int CompareKeyToRecordName(const void* keyText, const void* record, void* context);

}  // namespace kellavor::base
