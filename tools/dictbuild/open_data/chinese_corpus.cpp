#include "tools/dictbuild/open_data/chinese_corpus.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <stdexcept>
#include <string_view>

#include "tools/dictbuild/chinese_runs.h"
#include "tools/dictbuild/open_data/source_text.h"

namespace kellavor::dictbuild {
namespace {

constexpr std::array<std::string_view, 5> kDocumentEndings = {".html", ".htm", ".xhtml", ".txt", ".gz"};

bool IsDocument(const std::filesystem::path& path) {
  const std::string name = path.filename().string();
  return std::any_of(kDocumentEndings.begin(), kDocumentEndings.end(),
                     [&](std::string_view ending) { return name.ends_with(ending); });
}

}  // namespace

std::vector<std::u16string> ReadChineseCorpus(const std::vector<std::string>& folders, std::ostream& log) {
  std::vector<std::filesystem::path> files;
  for (const std::string& folder : folders) {
    if (!std::filesystem::is_directory(folder)) throw std::runtime_error("no corpus folder " + folder);
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
      if (entry.is_regular_file() && !entry.is_symlink() && IsDocument(entry.path())) files.push_back(entry.path());
    }
  }
  std::sort(files.begin(), files.end());
  std::vector<std::u16string> runs;
  size_t characters = 0;
  for (const std::filesystem::path& file : files) {
    const std::optional<std::string> text = ReadSourceText(file.string());
    if (!text) throw std::runtime_error("cannot read corpus file " + file.string());
    const size_t before = runs.size();
    AppendChineseRuns(DecodeUtf8(*text), runs);
    for (size_t k = before; k < runs.size(); ++k) characters += runs[k].size();
  }
  log << "Chinese corpus: " << files.size() << " files, " << runs.size() << " runs, " << characters
      << " characters\n";
  return runs;
}

}  // namespace kellavor::dictbuild
