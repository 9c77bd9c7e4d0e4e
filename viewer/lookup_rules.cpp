#include "viewer/lookup_rules.h"

#include <algorithm>
#include <charconv>

#include "ime/base/percent_encode.h"
#include "ime/ui/site_addresses.h"

namespace kellavor::viewer {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// The text between the first opening tag and the first closing tag after it.
std::optional<std::string_view> Between(std::string_view text, std::string_view open, std::string_view close) {
  const size_t start = text.find(open);
  if (start == std::string_view::npos) return std::nullopt;
  const size_t from = start + open.size();
  const size_t end = text.find(close, from);
  if (end == std::string_view::npos) return std::nullopt;
  return text.substr(from, end - from);
}

std::string Lowered(std::string_view text) {
  std::string lowered(text);
  std::transform(lowered.begin(), lowered.end(), lowered.begin(),
                 [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; });
  return lowered;
}

}  // namespace

std::optional<std::string> WordOfDetailDocument(std::string_view document) {
  if (document.starts_with(kByteOrderMark)) document.remove_prefix(kByteOrderMark.size());
  const std::optional<std::string_view> word = Between(document, "<word>", "</word>");
  if (!word.has_value() || word->empty() || *word == "@word") return std::nullopt;
  // The module writes the word percent-encoded; anything else would change what the lookup address
  // means (a blank, "#", "&", a line break) and did not come from it.
  if (!base::IsPercentEncoded(*word)) return std::nullopt;
  return std::string(*word);
}

bool LookupSucceeded(std::string_view pageSource) {
  return Between(pageSource, "<ime>", "</ime>") == std::optional<std::string_view>("<!--imesuccess-->");
}

Navigation DecideNavigation(std::string_view url, std::string_view dictionaryHost) {
  if (url == "about:blank") return Navigation::kProceed;
  // Schemes and host names compare without case; the path keeps its case.
  const std::string origin = "http://" + Lowered(dictionaryHost);
  if (url.size() >= origin.size() && Lowered(url.substr(0, origin.size())) == origin &&
      url.substr(origin.size()).starts_with(std::string(ui::kLookupPath) + "?")) {
    return Navigation::kProceed;
  }
  const std::string scheme = Lowered(url.substr(0, 8));
  if (scheme.starts_with("http://") || scheme.starts_with("https://")) return Navigation::kOpenInBrowser;
  return Navigation::kCancel;
}

std::optional<SiteEndpoint> ParseSiteHost(std::string_view hostSetting) {
  SiteEndpoint endpoint;
  const size_t colon = hostSetting.rfind(':');
  endpoint.host = std::string(hostSetting.substr(0, colon));
  if (colon != std::string_view::npos) {
    const std::string_view port = hostSetting.substr(colon + 1);
    const auto [end, error] = std::from_chars(port.data(), port.data() + port.size(), endpoint.port);
    if (error != std::errc() || end != port.data() + port.size() || endpoint.port < 1 || endpoint.port > 65535) {
      return std::nullopt;
    }
  }
  if (endpoint.host.empty()) return std::nullopt;
  return endpoint;
}

bool IsLoopback(const SiteEndpoint& endpoint) {
  return endpoint.host == "127.0.0.1" || Lowered(endpoint.host) == "localhost";
}

}  // namespace kellavor::viewer
