// What the German benchmarks share: the misspellings of tests/fixtures/german_misspellings.tsv
// with their corrections, and percentiles of measured times.
#pragma once

#include <algorithm>
#include <fstream>
#include <string>
#include <vector>

#include "ime/platform/utf.h"

namespace kellavor::bench {

struct Misspelling {
  std::u16string wrong;
  std::u16string right;
};

// Reads a list of misspellings: one a line, the wrong word, a tab and the right one; lines that are
// empty or start with '#' are skipped.
inline std::vector<Misspelling> ReadMisspellings(const char* path) {
  std::vector<Misspelling> out;
  std::ifstream in(path);
  std::string line;
  while (std::getline(in, line)) {
    const size_t tab = line.find('\t');
    if (line.empty() || line[0] == '#' || tab == std::string::npos) continue;
    out.push_back({platform::Utf8ToUtf16(line.substr(0, tab)), platform::Utf8ToUtf16(line.substr(tab + 1))});
  }
  return out;
}

inline const std::vector<Misspelling>& Misspellings() {
  static const std::vector<Misspelling> list = ReadMisspellings(KELLAVOR_MISSPELLINGS);
  return list;
}

inline double Percentile(std::vector<double> values, double fraction) {
  if (values.empty()) return 0;
  std::sort(values.begin(), values.end());
  const auto index = static_cast<size_t>(fraction * static_cast<double>(values.size() - 1) + 0.5);
  return values[index];
}

}  // namespace kellavor::bench
