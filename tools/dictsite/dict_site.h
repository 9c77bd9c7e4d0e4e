// The dictionary site: an HTTP server on the loopback address that answers the lookup page, the
// word page and the help page from the German dictionary of a data folder.
#pragma once

#include <httplib.h>

#include <string>

#include "ime/lexicon/system_dictionaries.h"

namespace kellavor::dictsite {

inline constexpr char kLoopbackAddress[] = "127.0.0.1";
inline constexpr int kDefaultPort = 8794;

class DictSite {
 public:
  // dataFolder ends with a separator and holds data_de.bin; without it every word is unknown.
  explicit DictSite(const std::u16string& dataFolder);
  DictSite(const DictSite&) = delete;
  DictSite& operator=(const DictSite&) = delete;

  bool HasDictionary() const;

  // Binds to the loopback address: to the port, or to a free one when port is 0. The bound port,
  // or -1 when binding failed.
  int Bind(int port);
  // Serves until Stop; false when not bound.
  bool Serve();
  void Stop();

 private:
  void Route();

  lexicon::SystemDictionaries dictionaries_;
  httplib::Server server_;
};

}  // namespace kellavor::dictsite
