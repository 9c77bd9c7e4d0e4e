// What the external writer does with a request: a learning goes into the shared user dictionary,
// a settings write into the user's config.ini. Every block is checked first (write_request.h);
// a learning whose syllable numbers the syllable table does not know, and a settings write of any
// other file, are refused as well.
#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "ime/lexicon/system_dictionaries.h"
#include "ime/lexicon/user_dictionary.h"

namespace kellavor::ext_writer {

class RequestPerformer {
 public:
  // userFolder ends with a separator; both objects must outlive this one. The dictionary is the
  // writer's own, opened for writing.
  RequestPerformer(lexicon::UserDictionary& dictionary, const lexicon::SystemDictionaries& dictionaries,
                   std::u16string userFolder);

  // True when the block was a valid request and was carried out (a learning that found its entry
  // present raises its use count, which counts as done).
  bool Perform(uintptr_t kind, std::span<const uint8_t> data);

  // Whether a learning changed the dictionary since the last call.
  bool TakeLearned();

 private:
  bool KnowsSyllables(std::span<const uint16_t> syllables) const;
  bool Learned(int result);

  lexicon::UserDictionary& dictionary_;
  const lexicon::SystemDictionaries& dictionaries_;
  std::u16string userFolder_;
  bool learned_ = false;
};

}  // namespace kellavor::ext_writer
