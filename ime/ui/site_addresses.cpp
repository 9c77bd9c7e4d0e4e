#include "ime/ui/site_addresses.h"

#include "ime/base/percent_encode.h"
#include "ime/platform/utf.h"

namespace kellavor::ui {

std::u16string WordPageAddress(std::u16string_view host, std::u16string_view composition) {
  std::u16string address = u"http://";
  address += host;
  address += platform::AsciiToUtf16(kWordPagePath);
  address += platform::AsciiToUtf16(base::PercentEncode(platform::Utf16ToUtf8(composition)));
  return address;
}

std::string LookupAddress(std::string_view host, std::string_view encodedWord) {
  std::string address = "http://";
  address += host;
  address += kLookupQuery;
  address += encodedWord;
  return address;
}

}  // namespace kellavor::ui
