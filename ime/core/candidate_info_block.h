// The candidate-information block of an input context, in the manager's layout: a 144-byte header
// (size, number of lists, 32 list offsets, private data) and one candidate list. The module draws
// its candidates itself; the list carries only the counters an application may look at.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace kellavor::core {

inline constexpr size_t kCandidateInfoBlockSize = 6364;

// Byte offsets: the header, then the fields of list 0 relative to the list.
namespace candidate_info {
inline constexpr size_t kSize = 0;
inline constexpr size_t kCount = 4;
inline constexpr size_t kOffset = 8;  // 32 list offsets
inline constexpr size_t kPrivateSize = 136;
inline constexpr size_t kPrivateOffset = 140;
inline constexpr size_t kList = 144;

inline constexpr size_t kListSize = 0;
inline constexpr size_t kListStyle = 4;
inline constexpr size_t kListCount = 8;
inline constexpr size_t kListSelection = 12;
inline constexpr size_t kListPageStart = 16;
inline constexpr size_t kListPageSize = 20;
inline constexpr size_t kListOffset = 24;  // one per string area
inline constexpr size_t kListStrings = 76;
inline constexpr size_t kStringAreaBytes = 512;
inline constexpr size_t kStringAreas = 12;
inline constexpr size_t kListBytes = kCandidateInfoBlockSize - kList;
}  // namespace candidate_info

// The counters of list 0.
struct CandidateListCounters {
  uint32_t count = 0;
  uint32_t selection = 0;
  uint32_t pageStart = 0;
  uint32_t pageSize = 0;

  friend bool operator==(const CandidateListCounters&, const CandidateListCounters&) = default;
};

// Gives a new block its contents: zeroed, one list at 144 with its size and twelve string offsets.
// False, with nothing written, when the block is smaller than the layout.
bool InitCandidateInfoBlock(std::span<uint8_t> block);

// The counters while a page is published: count entries so far, the first selected, one page of one.
void SetCandidateListCount(std::span<uint8_t> block, uint32_t count);

// Sets list 0's count, selection, page start and page size to 0.
void ClearCandidateListBlock(std::span<uint8_t> block);

// All zero when the block is too small.
CandidateListCounters ReadCandidateListCounters(std::span<const uint8_t> block);

}  // namespace kellavor::core
