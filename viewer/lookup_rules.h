// The viewer's decisions about pages: the word in the exchange file, the lookup address, whether a
// page reports success, and where a navigation may go.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kellavor::viewer {

// The word of the exchange file, as it stands there (percent-encoded): the text between the first
// "<word>" and the first "</word>" after it. A UTF-8 byte-order mark in front is skipped. None when
// a tag is missing, the word is empty, it is the placeholder "@word", or it is not percent-encoded.
std::optional<std::string> WordOfDetailDocument(std::string_view document);

// The success marker: "<!--imesuccess-->" is exactly what lies between the first "<ime>" and the
// first "</ime>" after it.
bool LookupSucceeded(std::string_view pageSource);

enum class Navigation {
  kProceed,        // load it in the form
  kOpenInBrowser,  // hand it to the system's browser and cancel it in the form
  kCancel,         // neither
};

// A navigation of the form's browser: the blank start page and the lookup pages of the dictionary
// host load in the form; any other http:// or https:// address goes to the system's browser;
// everything else (file:, javascript:, other schemes) is cancelled.
Navigation DecideNavigation(std::string_view url, std::string_view dictionaryHost);

// The host and port of a host[:port] setting; port 80 when none is given.
struct SiteEndpoint {
  std::string host;
  int port = 80;
};
std::optional<SiteEndpoint> ParseSiteHost(std::string_view hostSetting);
// Whether the endpoint is this machine's loopback address, where the viewer may start the local site.
bool IsLoopback(const SiteEndpoint& endpoint);

}  // namespace kellavor::viewer
