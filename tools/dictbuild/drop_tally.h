// Counts of source entries the writer leaves out, by reason, for the log.
#pragma once

#include <map>
#include <ostream>
#include <string>
#include <string_view>

namespace kellavor::dictbuild {

class DropTally {
 public:
  void Count(const char* reason) { ++counts_[reason]; }
  void Report(std::ostream& log, std::string_view file) const {
    for (const auto& [reason, count] : counts_) log << file << ": " << count << " entries left out: " << reason << "\n";
  }

 private:
  std::map<std::string, size_t> counts_;
};

}  // namespace kellavor::dictbuild
