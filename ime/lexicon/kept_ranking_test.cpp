#include "ime/lexicon/kept_ranking.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "tests/support/fixture_lexicon.h"

namespace kellavor::lexicon {
namespace {

using namespace candidate_kind;

// A kept list gives back the very candidates it was given, appended after what the list holds:
// characters packed into four bytes, and any list the packing cannot hold kept whole.
TEST(KeptRanking, GivesBackTheCandidatesItWasGiven) {
  const std::unique_ptr<Lexicon> lexicon = FixtureLexicon(u"KeptRanking");
  const SystemDictionaries& dictionaries = lexicon->Dictionaries();
  const uint32_t count = dictionaries.CharRecordCount();
  ASSERT_GT(count, 2u);
  static const uint8_t phraseBytes[32]{};
  const Candidate first = MakeCandidate(kSi, 1, 2, dictionaries.CharRecordAt(2));
  const Candidate last = MakeCandidate(kSi, 3, 7, dictionaries.CharRecordAt(count - 1));
  const Candidate lowest = MakeCandidate(kSi, 2, 1, dictionaries.CharRecordAt(0));
  const std::vector<std::vector<Candidate>> lists = {
      {},
      {first, last, lowest},
      // Not characters only, a step or a letter count past four bits, a record outside the table.
      {first, MakeCandidate(kPh, 0, 4, phraseBytes), last},
      {first, MakeCandidate(kSi, 16, 2, dictionaries.CharRecordAt(1))},
      {first, MakeCandidate(kSi, 1, 200, dictionaries.CharRecordAt(1))},
      {lowest, MakeCandidate(kSi, 1, 1, dictionaries.CharRecordAt(count - 1) + 1)},
  };
  for (size_t k = 0; k < lists.size(); ++k) {
    KeptRanking kept;
    kept.Keep(lists[k], dictionaries);
    base::GrowArray out = EmptyCandidateList();
    Append(out, first);
    kept.AppendTo(out, dictionaries);
    const std::span<const Candidate> given = Records<Candidate>(out);
    ASSERT_EQ(given.size(), lists[k].size() + 1) << "list " << k;
    for (size_t i = 0; i < lists[k].size(); ++i) {
      EXPECT_EQ(std::memcmp(&given[i + 1], &lists[k][i], sizeof(Candidate)), 0) << "list " << k << ", candidate " << i;
    }
  }
}

}  // namespace
}  // namespace kellavor::lexicon
