#include "ime/lexicon/reading_groups.h"

namespace kellavor::lexicon {

GroupPlace ReadingGroups::Add(std::vector<std::pair<uint16_t, uint32_t>>& entries) {
  const auto first = static_cast<uint32_t>(groups_.size());
  std::sort(entries.begin(), entries.end());
  // By reading, the positions ascend throughout when the range is ordered by reading.
  const bool ordered = std::is_sorted(entries.begin(), entries.end(),
                                      [](const auto& a, const auto& b) { return a.second < b.second; });
  for (size_t k = 0; k < entries.size(); ++k) {
    if (k == 0 || entries[k].first != entries[k - 1].first) {
      groups_.push_back({entries[k].first, static_cast<uint32_t>(positions_.size()), 0});
    }
    positions_.push_back(entries[k].second);
    groups_.back().last = static_cast<uint32_t>(positions_.size());
  }
  return {first, static_cast<uint32_t>(groups_.size()), ordered};
}

}  // namespace kellavor::lexicon
