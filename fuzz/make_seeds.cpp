// Writes the seed corpora of the fuzz targets into OUT/<target>/, made from the project's own
// fixtures: the shipped default INI files, a theme.ini with every key the panel reads, the fixture
// dictionaries (and a language model counted on their phrases), a user dictionary learned on them,
// and key scripts of the console.
//
//   make_seeds SOURCE_DIR OUT
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "fuzz/fuzz_folder.h"
#include "fuzz/lexicon_exercise.h"
#include "ime/platform/file_system.h"
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
  const std::string modelBytes(model.begin(), model.end());
  std::ofstream(fixtures / "data_lm.bin", std::ios::binary) << modelBytes;

  const char* files[] = {"data_si.bin", "data_ph.bin", "data_de.bin", "data_lm.bin"};
  for (char kind = 0; kind < 4; ++kind) {
    Write(out / "system_dictionaries", files[kind], std::string(1, kind) + ReadText(fixtures / files[kind]));
  }

  // A user dictionary: what one round of typing on the fixture dictionaries learns.
  fuzz::RemoveScratchFile(u"data_us.bin");
  fuzz::WriteScratchFile(u"custom.ini", custom);
  fuzz::WriteScratchFile(u"mohuyin.Ini", "");
  {
    const settings::ImeSettings settings = fuzz::LexiconSettings();
    const auto lexicon = fuzz::OpenLexicon(fuzz::FixtureFiles(), settings);
    fuzz::ExerciseLexicon(*lexicon);
  }
  Write(out / "user_file", "data_us.bin", ReadText(fs::path(fuzz::ScratchPath(u"data_us.bin"))));

  const char* scripts[] = {"nihao1", "zhongguo{PageDown}{PageUp}2", "{Shift}haus ", "{Ctrl+Shift+K}asdf{Ctrl+Shift+K}",
                           "women{Left}{Left}{Back}{Home}{Delete} ", "{Ctrl+Shift+L}zhong1{Ctrl+Shift+L}",
                           "{Shift}mfg{Down}{Enter}", "fanganquan{Tab}{Shift+Tab}=-{Escape}", "{Ctrl+Shift+A}strasse,."};
  int n = 0;
  for (const char* script : scripts) Write(out / "key_script", "script" + std::to_string(n++) + ".txt", script);
  fs::remove_all(fs::path(fuzz::ScratchFolder()));
  return 0;
}
