// What the check mode found: each violation under its file and rule. The first few of each rule
// are printed with their details, the rest counted, so that a badly broken file stays readable.
#pragma once

#include <cstddef>
#include <map>
#include <ostream>
#include <string>
#include <string_view>
#include <utility>

namespace kellavor::dictbuild {

class Violations {
 public:
  explicit Violations(std::ostream& out) : out_(out) {}

  void Add(std::string_view file, std::string_view rule, const std::string& detail);
  // Prints how many of each rule were not shown.
  void Finish();
  size_t Total() const { return total_; }

 private:
  static constexpr size_t kShownPerRule = 10;

  std::ostream& out_;
  std::map<std::pair<std::string, std::string>, size_t> counts_;
  size_t total_ = 0;
};

}  // namespace kellavor::dictbuild
