#include "tools/dictbuild/dictionary_writer.h"

#include <fstream>
#include <stdexcept>
#include <string>

#include "ime/lexicon/syllable_table.h"
#include "ime/lexicon/system_dictionaries.h"
#include "ime/platform/file_system.h"
#include "ime/platform/module_resources.h"
#include "tools/dictbuild/file_builders.h"
#include "tools/dictbuild/language_model_builder.h"

namespace kellavor::dictbuild {
namespace {

// The files are installed for every user: they take the default permissions, not private ones.
void WriteReplacing(const std::filesystem::path& path, const std::vector<uint8_t>& bytes, std::ostream& log) {
  std::filesystem::path temporary = path;
  temporary += ".new";
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) throw std::runtime_error("cannot write " + temporary.string());
  }
  std::error_code error;
  std::filesystem::rename(temporary, path, error);
  if (error) {
    std::filesystem::remove(temporary, error);
    throw std::runtime_error("cannot replace " + path.string());
  }
  log << path.filename().string() << ": " << bytes.size() << " bytes\n";
}

}  // namespace

DictionaryImages BuildDictionaryImages(const DictionarySource& source, std::ostream& log) {
  DictionaryImages images;
  images.chars = BuildCharFile(source.chars, log);
  images.phrases = BuildPhraseFile(source.phrases, log);
  images.words = BuildWordFile(source.words, log);
  images.syllableTable = BuildSyllableTable();
  images.conversionTable = BuildConversionTable(source.traditional, log);
  images.model = BuildLanguageModel(source, log);
  return images;
}

void WriteDictionaryFolder(const DictionaryImages& images, const std::filesystem::path& folder,
                           const std::filesystem::path& detailTemplate, std::ostream& log) {
  std::error_code error;
  std::filesystem::create_directories(folder, error);
  if (error) throw std::runtime_error("cannot create " + folder.string() + ": " + error.message());
  WriteReplacing(folder / std::u16string(lexicon::kCharFileName), images.chars, log);
  WriteReplacing(folder / std::u16string(lexicon::kPhraseFileName), images.phrases, log);
  WriteReplacing(folder / std::u16string(lexicon::kWordFileName), images.words, log);
  if (!images.model.empty()) WriteReplacing(folder / std::u16string(lexicon::kModelFileName), images.model, log);
  WriteReplacing(folder / platform::ResourceFileName(lexicon::kSyllableResourceType, lexicon::kSyllableResourceId),
                 images.syllableTable, log);
  WriteReplacing(folder / platform::ResourceFileName(kConversionResourceType, kConversionResourceId),
                 images.conversionTable, log);
  if (!detailTemplate.empty()) {
    const std::optional<std::vector<uint8_t>> bytes = platform::ReadWholeFile(detailTemplate.u16string(), 1u << 20);
    if (!bytes) throw std::runtime_error("cannot read " + detailTemplate.string());
    WriteReplacing(folder / platform::ResourceFileName(platform::kHtmlResourceType, kDetailTemplateResourceId), *bytes, log);
  }
}

}  // namespace kellavor::dictbuild
