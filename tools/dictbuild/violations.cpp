#include "tools/dictbuild/violations.h"

namespace kellavor::dictbuild {

void Violations::Add(std::string_view file, std::string_view rule, const std::string& detail) {
  ++total_;
  const size_t seen = ++counts_[{std::string(file), std::string(rule)}];
  if (seen > kShownPerRule) return;
  out_ << file << ": " << rule;
  if (!detail.empty()) out_ << " (" << detail << ")";
  out_ << "\n";
}

void Violations::Finish() {
  for (const auto& [where, count] : counts_) {
    if (count > kShownPerRule) {
      out_ << where.first << ": " << where.second << ": " << count - kShownPerRule << " more\n";
    }
  }
}

}  // namespace kellavor::dictbuild
