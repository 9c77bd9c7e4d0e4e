// Writes the seed corpora of the fuzz targets into OUT/<target>/, made from the project's own
// fixtures: the shipped default INI files, a theme.ini with every key the panel reads, the fixture
// dictionaries (and a language model counted on their phrases), a user dictionary learned on them,
// and key scripts of the console.
//
//   make_seeds SOURCE_DIR OUT
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "fuzz/fuzz_folder.h"
#include "fuzz/lexicon_exercise.h"
#include "ime/lexicon/user_block.h"
#include "ime/platform/file_system.h"
#include "ime/settings/ext_write_request.h"
#include "theme_installer/test_packages.h"
#include "tools/dictbuild/fixture_source.h"
#include "tools/dictbuild/language_model_builder.h"

namespace {

namespace fs = std::filesystem;

std::string ReadText(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// Fuzz targets of another run may have the model mapped while this one starts, and a file
// rewritten in place is cut short under their mappings (a bus error ends them). The model is
// written beside the old file and moved over it (a mapping keeps the old file), and only when it
// changed.
bool PutModel(const fs::path& path, const std::vector<uint8_t>& model) {
  if (ReadText(path) == std::string(model.begin(), model.end())) return true;
  const std::u16string temporary = path.u16string() + u"." + fs::path(std::to_string(getpid())).u16string();
  return kellavor::platform::WriteWholeFile(temporary, model.data(), model.size()) &&
         kellavor::platform::ReplaceFileWith(temporary, path.u16string());
}

void Write(const fs::path& folder, const std::string& name, const std::string& bytes) {
  fs::create_directories(folder);
  std::ofstream(folder / name, std::ios::binary) << bytes;
}

// The same text as UTF-16LE with its byte-order mark, the other encoding the INI reader takes.
std::string AsUtf16(const std::string& ascii) {
  std::string bytes = "\xFF\xFE";
  for (char c : ascii) bytes += std::string{c, '\0'};
  return bytes;
}

std::string Bytes(const std::vector<uint8_t>& bytes) { return {bytes.begin(), bytes.end()}; }

// A request to the external writer as its target reads it: the kind, then the block.
std::string Request(char kind, const std::vector<uint8_t>& block) { return std::string(1, kind) + Bytes(block); }

std::vector<uint8_t> CandidateRequest(uint16_t kind, const uint8_t* record, size_t size) {
  uint8_t candidate[kellavor::settings::kCandidateBytes] = {};
  candidate[0] = static_cast<uint8_t>(kind);
  candidate[1] = static_cast<uint8_t>(kind >> 8);
  return kellavor::settings::BuildLearnCandidateRequest(candidate, {record, size});
}

// Learnings of each kind on the fixture dictionaries, settings writes to config.ini and beside it.
void WriteRequestSeeds(const fs::path& folder, kellavor::lexicon::ModuleLexicon& lexicon) {
  using namespace kellavor;
  using namespace kellavor::settings;
  const std::u16string fixtures = fuzz::FixtureFolder();
  lexicon::SystemDictionaries dictionaries(
      {fuzz::UniqueName(u"SeedSi"), fuzz::UniqueName(u"SeedPh"), fuzz::UniqueName(u"SeedDe"), fuzz::UniqueName(u"SeedLm")});
  dictionaries.MapSystemFiles(fixtures + u"data_si.bin", fixtures + u"data_ph.bin", fixtures + u"data_de.bin");
  const lexicon::SyllableTable& syllables = dictionaries.Syllables();
  int n = 0;
  const auto put = [&](const std::string& bytes) { Write(folder, "request" + std::to_string(n++), bytes); };
  for (uint32_t i = 0; i < dictionaries.CharRecordCount() && i < 2; ++i) {
    put(Request(1, CandidateRequest(lexicon::candidate_kind::kSi, dictionaries.CharRecordAt(i)->bytes, 12)));
  }
  for (uint32_t i = 0; i < dictionaries.PhraseRecordCount() && i < 2; ++i) {
    const lexicon::PhraseRecord phrase = dictionaries.PhraseRecordAt(i);
    put(Request(1, CandidateRequest(lexicon::candidate_kind::kPh, phrase.bytes(), phrase.length())));
  }
  const lexicon::UserBlockView view = lexicon.userDictionary().View();
  for (uint32_t k = 0; k < view.RecordCount() && k < 3; ++k) {
    const lexicon::UserRecord record = view.RecordAt(view.Index1(k));
    put(Request(1, CandidateRequest(lexicon::candidate_kind::kUs, record.bytes(), record.length())));
  }
  put(Request(2, BuildLearnWordRequest(u"Hausaufgabe")));
  const std::vector<uint16_t> codes{syllables.Find(u"wo").value_or(0), syllables.Find(u"shi").value_or(0)};
  put(Request(3, BuildLearnPhraseRequest(u"我是", codes)));
  for (std::u16string_view path : {u"user/config.ini", u"USER\\Config.INI", u"user/../config.ini", u"user/theme.ini"}) {
    put(Request(4, BuildWriteSettingRequest(u"UI", u"iscomb", u"0", path)));
  }
  put(Request(4, BuildWriteSettingRequest(u"GENERAL", u"uselast", u" \"1\" ", u"user/config.ini")));
  // Half a surrogate pair in a section name: refused, as an INI file cannot hold it.
  put(Request(4, BuildWriteSettingRequest(u"GENER\xDFFA" "AL", u"uselast", u"1", u"user/config.ini")));
  put(Request(5, BuildLearnWordRequest(u"Haus")));
}

// The file the module gives the viewer, the page sources and addresses it meets.
void ExchangeFileSeeds(const fs::path& folder, const fs::path& source) {
  const std::string documentTemplate = ReadText(source / "ime/resources/detail_template.html");
  Write(folder, "template.xml", documentTemplate);
  Write(folder, "word.xml", "\xEF\xBB\xBF<cfg><word>M%c3%a4dchen</word><sentence>Das%20M%c3%a4dchen</sentence></cfg>");
  Write(folder, "plain.xml", "<cfg><word>Haus</word><sentence></sentence></cfg>");
  Write(folder, "not_encoded.xml", "<cfg><word>Haus#x&word=a b</word></cfg>");
  Write(folder, "page.html", "<html><body><ime><!--imesuccess--></ime><p>Haus</p></body></html>");
  Write(folder, "address", "http://127.0.0.1:8794/dicts/ImeSearch?word=Haus");
  Write(folder, "host", "localhost:8794");
}

// Packages as the installer takes them and as it refuses them.
void ThemePackageSeeds(const fs::path& folder, const std::string& themeIni) {
  using kellavor::theme_installer::TestBitmap;
  using kellavor::theme_installer::TestMember;
  using kellavor::theme_installer::TestText;
  using kellavor::theme_installer::ZipOf;
  const std::vector<uint8_t> settings = TestText(themeIni);
  const std::vector<uint8_t> bitmap = TestBitmap(4, 3);
  Write(folder, "theme.thm", Bytes(ZipOf({{"theme.ini", settings}, {"CombBar.bmp", bitmap}, {"CandBar.bmp", TestBitmap(2, 2)}})));
  Write(folder, "settings_only.thm", Bytes(ZipOf({{"THEME.INI", settings}})));
  Write(folder, "escape.thm", Bytes(ZipOf({{"theme.ini", settings}, {"../CombBar.bmp", bitmap}})));
  Write(folder, "twice.thm", Bytes(ZipOf({{"theme.ini", settings}, {"a.bmp", bitmap}, {"A.BMP", bitmap}})));
  Write(folder, "checksum.thm", Bytes(ZipOf({{"theme.ini", settings}, {"a.bmp", bitmap, 0, 0, true}})));
  Write(folder, "not_image.thm", Bytes(ZipOf({{"theme.ini", settings}, {"a.bmp", TestText("BMnot a bitmap")}})));
  Write(folder, "compressed.thm", Bytes(ZipOf({{"theme.ini", settings, 8}})));
}

void SiteRequestSeeds(const fs::path& folder) {
  int n = 0;
  for (const std::string& request : {std::string("\0Haus", 5), std::string("\0M\xC3\xA4" "dchen", 9), std::string("\1h"),
                                    std::string("\1H\xC3\xA4"), std::string("\0<script>alert(1)</script>", 26),
                                    std::string("\1\"'<b>&amp;"), std::string("\0../../data_de.bin", 18),
                                    std::string("\0\xFF\xFE", 3), std::string("\0Quatschwort", 12)}) {
    Write(folder, "request" + std::to_string(n++), request);
  }
}

std::string ThemeIni() {
  std::string text;
  for (const char* orientation : {"h", "v"}) {
    for (const char* bar : {"CombBar", "CompBar", "CandBar"}) {
      text += std::string("[") + orientation + bar + "]\r\nIMAGE_BAR=" + bar + ".bmp\r\nTRAN_ENABLE=1\r\n"
              "TRAN_COLOR=255,0,255\r\nZOOM_OFFSET=4,5,6,7\r\nCOMP_OFFSET=2,3,4,5\r\nCOMP_ALIGNS_KIND=1\r\n"
              "CAND_OFFSET=6,7,8,9\r\nCAND_ALIGNS_KIND=0\r\nCAND_ROWCOUNT=2\r\n";
    }
  }
  text += "[Display]\r\nFONT_CHANGE=0\r\nCOMP_FONT=12,Tahoma,700\r\nCAND_FONT=10,Arial,400\r\nCAND_COLOR=1,2,3\r\n"
          "CANDSEL_COLOR=0,0,255\r\nCANDHINT_COLOR=4,5,6\r\nCOMP_COLOR=7,8,9\r\nCOMPHINT_COLOR=10,11,12\r\n"
          "CAND_SHADOW=1\r\nCANDHINT_SHADOW=1\r\nCOMP_SHADOW=1\r\nCOMPHINT_SHADOW=1\r\nCAND_SHADOW_COLOR=9,9,9\r\n"
          "CANDSEL_SHADOW_COLOR=9,9,9\r\nCANDHINT_SHADOW_COLOR=9,9,9\r\nCOMP_SHADOW_COLOR=8,8,8\r\n"
          "COMPHINT_SHADOW_COLOR=8,8,8\r\n";
  return text;
}

}  // namespace

int main(int argc, char** argv) {
  using namespace kellavor;
  if (argc != 3) {
    std::cerr << "usage: make_seeds SOURCE_DIR OUT\n";
    return 2;
  }
  const fs::path source = argv[1];
  const fs::path out = argv[2];
  const fs::path defaults = source / "ime/resources/defaults";
  const fs::path fixtures(fuzz::FixtureFolder());

  const std::string config = ReadText(defaults / "config.ini");
  const std::string custom = ReadText(defaults / "custom.ini");
  const std::string mohuyin = ReadText(defaults / "mohuyin.Ini");
  const std::string theme = ThemeIni();
  Write(out / "config_ini", "config.ini", config);
  Write(out / "config_ini", "config16.ini", AsUtf16(config));
  Write(out / "custom_ini", "custom.ini", custom);
  Write(out / "custom_ini", "templates.ini", "mfg=1,Mit freundlichen Gr\xC3\xBC\xC3\x9F" "en\nd=2,%Y-%m-%d\\n%H:%M\n;x=1,y\n");
  Write(out / "mohuyin_ini", "mohuyin.Ini", mohuyin);
  Write(out / "theme_ini", "theme.ini", theme);
  for (const auto& [name, text] : {std::pair{"config.ini", config}, {"mohuyin.Ini", mohuyin}, {"theme.ini", theme}}) {
    Write(out / "ini_file", name, text);
  }
  Write(out / "ini_file", "utf16.ini", AsUtf16(mohuyin));

  // The language model of the sentence search, counted on the fixture's phrases.
  dictbuild::DictionarySource dictionary = dictbuild::ReadFixtureSource(source / "tests/fixtures/dictionary");
  for (size_t i = 0; i + 1 < dictionary.phrases.size(); i += 2) {
    dictionary.corpus.push_back(dictionary.phrases[i].text + dictionary.phrases[i + 1].text);
  }
  std::ostringstream log;
  const std::vector<uint8_t> model = dictbuild::BuildLanguageModel(dictionary, log);
  if (!PutModel(fixtures / "data_lm.bin", model)) {
    std::cerr << "make_seeds: cannot write " << (fixtures / "data_lm.bin").string() << "\n";
    return 1;
  }

  const char* files[] = {"data_si.bin", "data_ph.bin", "data_de.bin", "data_lm.bin"};
  for (int kind = 0; kind < 4; ++kind) {
    Write(out / "system_dictionaries", files[kind],
          std::string(1, static_cast<char>(kind)) + ReadText(fixtures / files[kind]));
  }

  // A user dictionary: what one round of typing on the fixture dictionaries learns.
  fuzz::RemoveScratchFile(u"data_us.bin");
  fuzz::WriteScratchFile(u"custom.ini", custom);
  fuzz::WriteScratchFile(u"mohuyin.Ini", "");
  {
    const settings::ImeSettings settings = fuzz::LexiconSettings();
    const auto lexicon = fuzz::OpenLexicon(fuzz::FixtureFiles(), settings);
    fuzz::ExerciseLexicon(*lexicon);
    WriteRequestSeeds(out / "write_request", *lexicon);
  }
  Write(out / "user_file", "data_us.bin", ReadText(fs::path(fuzz::ScratchPath(u"data_us.bin"))));
  ExchangeFileSeeds(out / "exchange_file", source);
  ThemePackageSeeds(out / "theme_package", theme);
  SiteRequestSeeds(out / "site_request");

  const char* scripts[] = {"nihao1", "zhongguo{PageDown}{PageUp}2", "{Shift}haus ", "{Ctrl+Shift+K}asdf{Ctrl+Shift+K}",
                           "women{Left}{Left}{Back}{Home}{Delete} ", "{Ctrl+Shift+L}zhong1{Ctrl+Shift+L}",
                           "{Shift}mfg{Down}{Enter}", "fanganquan{Tab}{Shift+Tab}=-{Escape}", "{Ctrl+Shift+A}strasse,."};
  int n = 0;
  for (const char* script : scripts) Write(out / "key_script", "script" + std::to_string(n++) + ".txt", script);
  fs::remove_all(fs::path(fuzz::ScratchFolder()));
  return 0;
}
