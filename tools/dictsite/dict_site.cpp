#include "tools/dictsite/dict_site.h"

#include "ime/platform/utf.h"
#include "ime/ui/site_addresses.h"
#include "tools/dictsite/site_answers.h"
#include "tools/dictsite/site_pages.h"

namespace kellavor::dictsite {
namespace {

// Requests carry a word and no body; anything larger is refused before it is read.
constexpr size_t kMaxPayloadBytes = 1024;

// Own names, so that the site never shares a view with a running input method.
lexicon::SystemMappingNames SiteMappingNames() {
  return {u"KellavorSite_SiData", u"KellavorSite_PhData", u"KellavorSite_DeData", u"KellavorSite_LmData"};
}

void Answer(httplib::Response& response, int status, const std::string& page) {
  response.status = status;
  // The pages hold no script; the policy keeps it that way even if a word slipped through.
  response.set_header("Content-Security-Policy", "default-src 'none'; style-src 'unsafe-inline'");
  response.set_header("X-Content-Type-Options", "nosniff");
  response.set_header("Cache-Control", "no-store");
  response.set_content(page, "text/html; charset=utf-8");
}

}  // namespace

DictSite::DictSite(const std::u16string& dataFolder) : dictionaries_(SiteMappingNames()) {
  dictionaries_.MapSystemFiles(u"", u"", dataFolder + std::u16string(lexicon::kWordFileName));
  Route();
}

bool DictSite::HasDictionary() const { return dictionaries_.IsPresent(lexicon::SystemFile::kWords); }

void DictSite::Route() {
  server_.set_payload_max_length(kMaxPayloadBytes);
  // A page goes out as headers and body in two writes; without this the second waits for the
  // browser's delayed acknowledgement, some 40 ms on every lookup.
  server_.set_tcp_nodelay(true);
  server_.Get(std::string(ui::kLookupPath), [this](const httplib::Request& request, httplib::Response& response) {
    const std::string raw = request.has_param("word") ? request.get_param_value("word") : std::string();
    Answer(response, 200, AnswerLookup(dictionaries_, raw));
  });
  server_.Get(std::string(ui::kWordPagePath) + "(.*)", [this](const httplib::Request& request, httplib::Response& response) {
    Answer(response, 200, AnswerWordPage(dictionaries_, std::string(request.matches[1])));
  });
  server_.Get(std::string(ui::kHelpPagePath), [](const httplib::Request&, httplib::Response& response) {
    Answer(response, 200, HelpPage());
  });
  server_.set_error_handler([](const httplib::Request&, httplib::Response& response) {
    if (response.status == 404) Answer(response, 404, NotFoundPage());
  });
}

int DictSite::Bind(int port) {
  if (port == 0) return server_.bind_to_any_port(kLoopbackAddress);
  return server_.bind_to_port(kLoopbackAddress, port) ? port : -1;
}

bool DictSite::Serve() { return server_.listen_after_bind(); }

void DictSite::Stop() { server_.stop(); }

}  // namespace kellavor::dictsite
