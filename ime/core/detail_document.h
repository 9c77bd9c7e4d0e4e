// The document the word-detail viewer is given in German input: the module's template with the
// highlighted word and the sentence being typed put in, each as percent-encoded UTF-8.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kellavor::core {

// The template's resource: HTML type, number 168.
inline constexpr uint16_t kDetailTemplateResource = 168;

// Fills "@word" with the word and "@sent" with the sentence (nothing for an empty word or no
// sentence). Empty, which hides the viewer, when neither gave the document any content.
std::string BuildDetailDocument(std::string_view documentTemplate, std::u16string_view word,
                                std::optional<std::u16string_view> sentence);

}  // namespace kellavor::core
