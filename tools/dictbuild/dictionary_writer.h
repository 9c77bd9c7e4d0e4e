// The writer's output: the three system dictionaries, the language model and the module's data
// resources, written into
// one folder. The resources are named as the POSIX resource folder expects them ("Pylist-163.bin",
// "Gbtobig5-161.bin", "23-168.bin" for the detail template), so that the folder serves the native
// builds as it is and is what the Windows resource script embeds.
#pragma once

#include <cstdint>
#include <filesystem>
#include <ostream>
#include <vector>

#include "tools/dictbuild/dictionary_source.h"

namespace kellavor::dictbuild {

struct DictionaryImages {
  std::vector<uint8_t> chars;
  std::vector<uint8_t> phrases;
  std::vector<uint8_t> words;
  std::vector<uint8_t> syllableTable;
  std::vector<uint8_t> conversionTable;
  std::vector<uint8_t> model;  // empty without a corpus: no data_lm.bin is written
};

DictionaryImages BuildDictionaryImages(const DictionarySource& source, std::ostream& log);

// Creates the folder when needed. Every file is written under a temporary name and then renamed
// over the old one, so that views of the old file that other processes hold stay intact. The detail
// template is copied when a path is given. Throws std::runtime_error when a file cannot be written.
void WriteDictionaryFolder(const DictionaryImages& images, const std::filesystem::path& folder,
                           const std::filesystem::path& detailTemplate, std::ostream& log);

}  // namespace kellavor::dictbuild
