// The user's short keys for longer texts, read from custom.ini. In German mode a typed key puts
// the texts filed under it into the candidate list, each at the place the user chose, with date
// and time templates filled in.
//
// Candidates of kind Ss point at texts owned here: a phrase's own text, or an expansion made by
// the last search. Each text is a separate allocation, so its address holds while the table grows
// or is sorted; phrase texts live until ClearCustomPhrases, expansions until the next Search.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "ime/base/grow_array.h"
#include "ime/platform/local_time.h"

namespace kellavor::lexicon {

// A record of the phrase table. The key comes first, so the table sorts and searches by it as
// the record's name, ignoring ASCII letter case.
struct CustomPhrase {
  const char16_t* key;   // owned, zero-terminated
  const char16_t* text;  // owned, zero-terminated; line feeds already in place
  int32_t position;      // 0-based place in the candidate list
};

// Where the search reads the local time; tests fix it.
using LocalTimeSource = std::function<platform::LocalTime()>;

class CustomPhrases {
 public:
  explicit CustomPhrases(LocalTimeSource clock = platform::GetLocalTime);
  ~CustomPhrases();  // DestroyCustomPhrases
  CustomPhrases(const CustomPhrases&) = delete;
  CustomPhrases& operator=(const CustomPhrases&) = delete;

  // Empties the object, keeps path and, when it is not empty, loads the file.
  void InitCustomPhrases(std::u16string_view path, bool usecustom);

  // With usecustom set, adds an entry for every valid line of the file (see custom_ini.h) and
  // sorts the table by key. Without the setting, or without a readable file, nothing is added.
  void LoadCustomPhrases(bool usecustom);

  // Frees every key and text and empties the table (the file is reloaded with LoadCustomPhrases).
  void ClearCustomPhrases();

  // Inserts a candidate of kind Ss for every entry whose key equals typed, ignoring ASCII letter
  // case, into candidates (a GrowArray of Candidate records), each at its position or at the end
  // when the list is shorter. A text holding "@" is inserted with its date and time templates
  // filled in at the time of the call; any other text first removes a same-text candidate from the
  // top of the list (RemoveSameCandidate). Returns the number of candidates.
  int32_t Search(const char16_t* typed, base::GrowArray& candidates);

  // Clears the table, frees the expansions and the path and releases both arrays. The destructor
  // does the same; InitCustomPhrases sets the object up again.
  void DestroyCustomPhrases();

  const std::u16string& path() const { return path_; }
  const base::GrowArray& phrases() const { return phrases_; }  // CustomPhrase records, sorted

 private:
  void AddPhrase(std::u16string_view key, std::u16string_view text, int32_t position);
  void FreeExpansions();
  // Keeps a copy of text among the expansions; null when memory runs out.
  const char16_t* KeepExpansion(std::u16string_view text);

  std::u16string path_;
  base::GrowArray phrases_;
  base::GrowArray expansions_;  // char16_t* records, each owned
  LocalTimeSource clock_;
};

}  // namespace kellavor::lexicon
