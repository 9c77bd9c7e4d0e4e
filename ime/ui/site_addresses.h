// The addresses of the dictionary and help sites: the paths every site keeps to, on the host that
// config.ini names (settings::SiteHostOrDefault has already checked it is a bare host[:port]).
#pragma once

#include <string>
#include <string_view>

namespace kellavor::ui {

// The lookup page the viewer loads; the word follows the query as the exchange file holds it.
inline constexpr std::string_view kLookupPath = "/dicts/ImeSearch";
inline constexpr std::string_view kLookupQuery = "/dicts/ImeSearch?word=";
// The word page the dictionary button opens in the user's browser.
inline constexpr std::string_view kWordPagePath = "/dict/";
// The help page of the product site.
inline constexpr std::string_view kHelpPagePath = "/kellavor/input.aspx";

// http://host/dict/ followed by the composition as percent-encoded UTF-8, so that no letter the
// user typed ("?", "#", "/", a blank) can change what the address means.
std::u16string WordPageAddress(std::u16string_view host, std::u16string_view composition);

// http://host/dicts/ImeSearch?word= followed by the word, which is percent-encoded already.
std::string LookupAddress(std::string_view host, std::string_view encodedWord);

}  // namespace kellavor::ui
