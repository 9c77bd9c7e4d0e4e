#include <map>
#include <set>

#include "ime/lexicon/syllable_table.h"
#include "tools/dictbuild/byte_image.h"
#include "tools/dictbuild/drop_tally.h"
#include "tools/dictbuild/file_builders.h"

namespace kellavor::dictbuild {

std::vector<uint8_t> BuildSyllableTable() { return lexicon::EncodeSyllableTable(lexicon::ShippedSyllables()); }

std::vector<uint8_t> BuildConversionTable(const std::vector<TraditionalPair>& pairs, std::ostream& log) {
  DropTally dropped;
  std::map<char16_t, std::set<char16_t>> forms;
  for (const TraditionalPair& pair : pairs) {
    if (pair.simplified == 0 || pair.traditional == 0) {
      dropped.Count("zero unit");
    } else if (pair.simplified == pair.traditional) {
      dropped.Count("maps a character to itself");
    } else {
      forms[pair.simplified].insert(pair.traditional);
    }
  }
  ByteImage image(0);
  size_t records = 0;
  for (const auto& [simplified, traditional] : forms) {
    if (traditional.size() != 1) {
      dropped.Count("more than one traditional form");
      continue;
    }
    image.AppendU16(simplified);
    image.AppendU16(*traditional.begin());
    ++records;
  }
  dropped.Report(log, "conversion table");
  log << "conversion table: " << records << " records\n";
  return std::move(image).Take();
}

}  // namespace kellavor::dictbuild
