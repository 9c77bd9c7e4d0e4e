// Any bytes as a request to the external writer: the first byte picks the kind (0 and 5 are kinds
// no sender uses), the rest is the block. The writer's dictionary holds a few learned entries and
// the user folder a config.ini. A refused request must leave both as they were and write no file;
// an accepted one must have done what it says: the entry is learned (a raise keeps the entries and
// never lowers a use count), the value reads back from config.ini, and nothing else changed.
#include <algorithm>
#include <cctype>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <iterator>
#include <memory>
#include <optional>
#include <set>
#include <span>
#include <string>
#include <variant>
#include <vector>

#include "ext_writer/request_performer.h"
#include "ext_writer/write_request.h"
#include "fuzz/fuzz_folder.h"
#include "ime/lexicon/char_record.h"
#include "ime/lexicon/user_block.h"
#include "ime/platform/file_system.h"
#include "ime/platform/private_profile.h"

namespace {

using namespace kellavor;
namespace fs = std::filesystem;

// The writer's user folder, relative to the scratch folder the process works in while it takes an
// input, so that inputs can name it.
constexpr char16_t kUserFolder[] = u"user/";
constexpr char16_t kSettings[] = u"user/config.ini";
constexpr char kBaseSettings[] = "[UI]\r\niscomb=1\r\nusetheme=0\r\n[GENERAL]\r\nuselast=1\r\n";

struct Writer {
  lexicon::SystemDictionaries dictionaries{lexicon::SystemMappingNames{
      fuzz::UniqueName(u"WSi"), fuzz::UniqueName(u"WPh"), fuzz::UniqueName(u"WDe"), fuzz::UniqueName(u"WLm")}};
  std::unique_ptr<lexicon::UserDictionary> dictionary;
  std::unique_ptr<ext_writer::RequestPerformer> performer;
  std::vector<uint8_t> baseSettings{std::begin(kBaseSettings), std::end(kBaseSettings) - 1};
};

Writer& TheWriter() {
  static Writer* writer = [] {
    const std::u16string fixtures = fuzz::FixtureFolder();
    fs::create_directories(fs::path(fuzz::ScratchPath(kUserFolder)));
    auto* made = new Writer;
    made->dictionaries.MapSystemFiles(fixtures + u"data_si.bin", fixtures + u"data_ph.bin", fixtures + u"data_de.bin");
    lexicon::UserDictionaryOptions options;
    options.blockName = fuzz::UniqueName(u"WUs");
    options.mutexName = fuzz::UniqueName(u"WUsLock");
    made->dictionary = std::make_unique<lexicon::UserDictionary>(made->dictionaries, options);
    made->dictionary->OpenUserDictionary(fuzz::ScratchPath(u"user/data_us.bin"));
    made->performer = std::make_unique<ext_writer::RequestPerformer>(*made->dictionary, made->dictionaries, kUserFolder);
    return made;
  }();
  return *writer;
}

// The learned entries a raise may name: one of each kind.
void LearnBaseEntries(Writer& writer) {
  lexicon::UserDictionary& dictionary = *writer.dictionary;
  dictionary.ClearUserDictionary();
  const lexicon::SyllableTable& syllables = writer.dictionaries.Syllables();
  const uint16_t zhong = syllables.Find(u"zhong").value_or(0);
  const uint16_t guo = syllables.Find(u"guo").value_or(0);
  const uint16_t ni = syllables.Find(u"ni").value_or(0);
  const uint16_t codes[] = {zhong, guo};
  dictionary.AddUserPhrase(u"中国", 300, 15, false, codes);
  dictionary.AddUserWord(u"Haus");
  lexicon::CharRecord character{};
  const uint32_t unit = u'你';
  std::memcpy(character.bytes + lexicon::CharRecord::kCharacterOffset, &unit, 4);
  std::memcpy(character.bytes + lexicon::CharRecord::kSyllableOffset, &ni, 2);
  dictionary.AddUserChar(character);
}

std::vector<std::vector<uint8_t>> Entries(const lexicon::UserDictionary& dictionary) {
  const lexicon::UserBlockView view = dictionary.View();
  std::vector<std::vector<uint8_t>> entries;
  for (uint32_t k = 0; k < view.RecordCount(); ++k) {
    const lexicon::UserRecord record = view.RecordAt(view.Index1(k));
    if (!record) std::abort();
    entries.emplace_back(record.bytes(), record.bytes() + record.length());
  }
  return entries;
}

bool HoldsText(const lexicon::UserDictionary& dictionary, std::u16string_view text, bool germanWord) {
  const lexicon::UserBlockView view = dictionary.View();
  for (uint32_t k = 0; k < view.RecordCount(); ++k) {
    const lexicon::UserRecord record = view.RecordAt(view.Index1(k));
    if (!record.isSingleChar() && record.isGermanWord() == germanWord && record.text() == text) return true;
  }
  return false;
}

bool HoldsCharacter(const lexicon::UserDictionary& dictionary, uint32_t character) {
  const lexicon::UserBlockView view = dictionary.View();
  for (uint32_t k = 0; k < view.RecordCount(); ++k) {
    const lexicon::UserRecord record = view.RecordAt(view.Index1(k));
    if (record.isSingleChar() && record.character() == character) return true;
  }
  return false;
}

// The files under the scratch folder, each name folded as the writer compares paths (the writer
// treats "\" as "/" and ignores ASCII case, as the file system it is written for does).
std::set<std::string> Files() {
  std::set<std::string> names;
  for (const fs::directory_entry& entry : fs::recursive_directory_iterator(".")) {
    if (!entry.is_regular_file()) continue;
    std::string name = entry.path().lexically_relative(".").string();
    for (char& c : name) c = c == '\\' ? '/' : static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    names.insert(name);
  }
  return names;
}

// What a read of a written value gives: blanks in front dropped, one pair of quotes taken off.
std::u16string ReadBack(std::u16string value) {
  value.erase(0, value.find_first_not_of(u' '));
  while (!value.empty() && value.back() == u' ') value.pop_back();
  if (value.size() >= 2 && (value.front() == u'"' || value.front() == u'\'') && value.back() == value.front()) {
    value = value.substr(1, value.size() - 2);
  }
  return value;
}

void CheckDone(const ext_writer::WriteRequest& request, const Writer& writer,
               const std::vector<std::vector<uint8_t>>& before) {
  const lexicon::UserDictionary& dictionary = *writer.dictionary;
  if (const auto* character = std::get_if<ext_writer::LearnCharacter>(&request)) {
    lexicon::CharRecord record;
    std::memcpy(record.bytes, character->record.data(), sizeof record.bytes);
    if (!HoldsCharacter(dictionary, record.character())) std::abort();
  } else if (const auto* phrase = std::get_if<ext_writer::LearnDictionaryPhrase>(&request)) {
    if (!HoldsText(dictionary, phrase->text, false)) std::abort();
  } else if (std::holds_alternative<ext_writer::RaiseLearnedEntry>(request)) {
    // The same entries, none with a lower use count.
    const std::vector<std::vector<uint8_t>> after = Entries(dictionary);
    if (after.size() != before.size()) std::abort();
    for (size_t k = 0; k < after.size(); ++k) {
      const lexicon::UserRecord was(before[k].data(), static_cast<uint16_t>(before[k].size()));
      const lexicon::UserRecord now(after[k].data(), static_cast<uint16_t>(after[k].size()));
      if (now.length() != was.length() || now.useCount() < was.useCount()) std::abort();
    }
  } else if (const auto* word = std::get_if<ext_writer::LearnWord>(&request)) {
    if (!HoldsText(dictionary, word->word, true)) std::abort();
  } else if (const auto* composed = std::get_if<ext_writer::LearnComposedPhrase>(&request)) {
    if (!HoldsText(dictionary, composed->text, false)) std::abort();
  } else {
    const auto& setting = std::get<ext_writer::WriteSetting>(request);
    if (Entries(dictionary) != before) std::abort();
    char16_t buffer[ext_writer::kMaxValueUnits + 2] = {};
    platform::ReadProfileValue(setting.section, setting.key, u"\x01", buffer, std::size(buffer), setting.path);
    if (buffer != ReadBack(setting.value)) std::abort();
  }
}

// Works in the scratch folder while it lives; the fuzzer's own files are named relative to the
// folder it was started in.
class InScratchFolder {
 public:
  InScratchFolder() : previous_(fs::current_path()) { fs::current_path(fs::path(fuzz::ScratchFolder())); }
  ~InScratchFolder() { fs::current_path(previous_); }
  InScratchFolder(const InScratchFolder&) = delete;
  InScratchFolder& operator=(const InScratchFolder&) = delete;

 private:
  fs::path previous_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  Writer& writer = TheWriter();
  const InScratchFolder inScratch;
  static const std::set<std::string> baseFiles = [&] {
    platform::WriteWholeFile(kSettings, writer.baseSettings.data(), writer.baseSettings.size());
    return Files();
  }();
  LearnBaseEntries(writer);
  const uintptr_t kind = data[0] % 6;
  const std::span<const uint8_t> block(data + 1, size - 1);
  const std::vector<std::vector<uint8_t>> before = Entries(*writer.dictionary);

  const std::optional<ext_writer::WriteRequest> request = ext_writer::ParseWriteRequest(kind, block);
  const bool done = writer.performer->Perform(kind, block);
  if (done && !request) std::abort();
  const bool wroteSettings = done && std::holds_alternative<ext_writer::WriteSetting>(*request);
  if (!done && Entries(*writer.dictionary) != before) std::abort();
  if (done) CheckDone(*request, writer, before);

  const std::set<std::string> files = Files();
  if (!wroteSettings) {
    if (files != baseFiles || platform::ReadWholeFile(kSettings, 1 << 20) != writer.baseSettings) std::abort();
    return 0;
  }
  // A settings write changes config.ini (under any spelling the writer takes for it) and nothing else.
  std::vector<std::string> added;
  std::set_difference(files.begin(), files.end(), baseFiles.begin(), baseFiles.end(), std::back_inserter(added));
  if (!std::includes(files.begin(), files.end(), baseFiles.begin(), baseFiles.end())) std::abort();
  for (const std::string& name : added) {
    if (name != "user/config.ini") std::abort();
  }
  const auto& setting = std::get<ext_writer::WriteSetting>(*request);
  if (fs::path(setting.path) != fs::path(kSettings)) std::filesystem::remove(fs::path(setting.path));
  platform::WriteWholeFile(kSettings, writer.baseSettings.data(), writer.baseSettings.size());
  return 0;
}
