// The dictionary site that ships in the install folder: started by the viewer when the configured
// dictionary host is this machine's loopback address and nothing answers there, so that word
// details work without a network. A site started here ends with the viewer.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "viewer/lookup_rules.h"

namespace kellavor::viewer {

inline constexpr char16_t kSiteProgram[] = u"kellavor_dictsite.exe";

class LocalSite {
 public:
  // installFolder ends with a separator; host is the checked host[:port] setting.
  LocalSite(std::u16string installFolder, const std::string& host);
  ~LocalSite();
  LocalSite(const LocalSite&) = delete;
  LocalSite& operator=(const LocalSite&) = delete;

  // Starts the site unless the host is not local, something answers there already, the program
  // is missing or the site started earlier is still running; then waits briefly until it answers.
  void EnsureRunning();

 private:
  std::u16string installFolder_;
  std::optional<SiteEndpoint> endpoint_;
  bool socketsReady_ = false;
  HANDLE job_ = nullptr;
  HANDLE process_ = nullptr;
};

// Whether a TCP connection to the loopback address and port is accepted within the time.
bool LoopbackAnswers(int port, int milliseconds);

}  // namespace kellavor::viewer
