// What the keystroke benchmarks share: the words of a key stream file, the CPU time of the thread
// and the percentile of per-key times, so that every engine measured is read the same way.
#pragma once

#include <time.h>

#include <algorithm>
#include <cstddef>
#include <fstream>
#include <string>
#include <vector>

namespace kellavor::bench {

// The words of a key stream file: one a line, the letters before an optional tab; empty lines and
// lines starting with '#' are skipped.
inline std::vector<std::string> ReadKeyStream(const char* path) {
  std::vector<std::string> words;
  std::ifstream in(path);
  std::string line;
  while (std::getline(in, line)) {
    std::string letters = line.substr(0, line.find('\t'));
    if (!letters.empty() && letters[0] != '#') words.push_back(std::move(letters));
  }
  return words;
}

inline double ThreadMicroseconds() {
  timespec now{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) * 1e6 + static_cast<double>(now.tv_nsec) / 1e3;
}

// What reading the thread clock twice costs by itself: the median of many pairs of reads around
// nothing. Every key's figure includes it once.
inline double ClockPairMicroseconds() {
  std::vector<double> pairs(10000);
  for (double& pair : pairs) {
    const double start = ThreadMicroseconds();
    pair = ThreadMicroseconds() - start;
  }
  std::nth_element(pairs.begin(), pairs.begin() + static_cast<ptrdiff_t>(pairs.size() / 2), pairs.end());
  return pairs[pairs.size() / 2];
}

// The value below which FRACTION of the per-key times lie (0.5: the median).
inline double KeyPercentile(std::vector<double> values, double fraction) {
  if (values.empty()) return 0;
  const size_t at = std::min(values.size() - 1, static_cast<size_t>(fraction * static_cast<double>(values.size())));
  std::nth_element(values.begin(), values.begin() + static_cast<ptrdiff_t>(at), values.end());
  return values[at];
}

}  // namespace kellavor::bench
