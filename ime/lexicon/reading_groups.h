// Positions of an index grouped by the reading of their records, each group in index order: a
// typed syllable that matches a single reading of a range reads that reading's positions instead
// of the whole range. Where the range is ordered by reading (the shipped dictionaries are), the
// groups of several matching readings, read in their order, are the matching positions in index
// order as well.
#pragma once

#include <algorithm>
#include <cstdint>
#include <span>
#include <utility>
#include <vector>

namespace kellavor::lexicon {

// The positions of one reading: positions [first, last) of the ReadingGroups it belongs to.
struct ReadingGroup {
  uint16_t reading = 0;
  uint32_t first = 0;
  uint32_t last = 0;
};

// The groups of one range, by ascending reading. ordered: the range's positions ascend with the
// readings, so the groups follow one another in index order.
struct ReadingRange {
  std::span<const ReadingGroup> groups;
  bool ordered = false;
};

// Where the groups of one range lie among all groups: [first, last), and whether the range is
// ordered by reading.
struct GroupPlace {
  uint32_t first = 0;
  uint32_t last = 0;
  bool ordered = false;
};

class ReadingGroups {
 public:
  // Adds the groups of a range's entries (reading, position; each position once) at the end;
  // entries is sorted.
  GroupPlace Add(std::vector<std::pair<uint16_t, uint32_t>>& entries);
  // The groups Add placed there.
  ReadingRange Range(GroupPlace place) const {
    return {std::span<const ReadingGroup>(groups_).subspan(place.first, place.last - place.first), place.ordered};
  }
  // The positions of a group, ascending.
  std::span<const uint32_t> Positions(const ReadingGroup& group) const {
    return std::span<const uint32_t>(positions_).subspan(group.first, group.last - group.first);
  }
  void Reserve(size_t positions) { positions_.reserve(positions); }

 private:
  std::vector<ReadingGroup> groups_;
  std::vector<uint32_t> positions_;
};

// Calls visit(position) for the positions of the readings of range that matches(reading) accepts,
// in index order, and returns true; false, visiting nothing, when the groups cannot stand in for
// the range: it has none, or several readings match and it is not ordered by reading.
template <typename Matches, typename Visit>
bool VisitMatchingReadings(const ReadingGroups& lists, ReadingRange range, const Matches& matches, const Visit& visit) {
  if (range.groups.empty()) return false;
  const auto accepts = [&](const ReadingGroup& group) { return matches(group.reading); };
  if (!range.ordered && std::count_if(range.groups.begin(), range.groups.end(), accepts) > 1) return false;
  for (const ReadingGroup& group : range.groups) {
    if (!accepts(group)) continue;
    for (const uint32_t position : lists.Positions(group)) visit(position);
  }
  return true;
}

}  // namespace kellavor::lexicon
