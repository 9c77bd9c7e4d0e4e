#include "ime/core/candidate_info_block.h"

#include <algorithm>

#include "ime/core/block_fields.h"

namespace kellavor::core {
namespace ci = candidate_info;
namespace {

void WriteCounters(std::span<uint8_t> block, const CandidateListCounters& counters) {
  WriteField(block, ci::kList + ci::kListCount, counters.count);
  WriteField(block, ci::kList + ci::kListSelection, counters.selection);
  WriteField(block, ci::kList + ci::kListPageStart, counters.pageStart);
  WriteField(block, ci::kList + ci::kListPageSize, counters.pageSize);
}

}  // namespace

bool InitCandidateInfoBlock(std::span<uint8_t> block) {
  if (block.size() < kCandidateInfoBlockSize) return false;
  std::fill_n(block.begin(), kCandidateInfoBlockSize, uint8_t {0});
  WriteField(block, ci::kSize, kCandidateInfoBlockSize);
  WriteField(block, ci::kCount, 1);
  WriteField(block, ci::kOffset, ci::kList);
  WriteField(block, ci::kList + ci::kListSize, ci::kListBytes);
  for (size_t area = 0; area < ci::kStringAreas; ++area) {
    WriteField(block, ci::kList + ci::kListOffset + 4 * area,
               static_cast<uint32_t>(ci::kListStrings + ci::kStringAreaBytes * area));
  }
  return true;
}

void SetCandidateListCount(std::span<uint8_t> block, uint32_t count) {
  if (block.size() < kCandidateInfoBlockSize) return;
  WriteCounters(block, CandidateListCounters{count, 0, 1, 1});
}

void ClearCandidateListBlock(std::span<uint8_t> block) {
  if (block.size() < kCandidateInfoBlockSize) return;
  WriteCounters(block, CandidateListCounters {});
}

CandidateListCounters ReadCandidateListCounters(std::span<const uint8_t> block) {
  if (block.size() < kCandidateInfoBlockSize) return {};
  return CandidateListCounters{ReadField(block, ci::kList + ci::kListCount),
                               ReadField(block, ci::kList + ci::kListSelection),
                               ReadField(block, ci::kList + ci::kListPageStart),
                               ReadField(block, ci::kList + ci::kListPageSize)};
}

}  // namespace kellavor::core
