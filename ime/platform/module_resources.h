// Data resources of the module: the syllable table, the conversion table, the detail template.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace kellavor::platform {

// A resource type is a name ("Pylist") or a number written "#23", as the Win32 resource functions
// take them. The standard HTML type:
inline constexpr std::u16string_view kHtmlResourceType = u"#23";

// The bytes of the resource of that type and numeric id; empty when there is none. They stay
// valid for the life of the process.
std::span<const uint8_t> FindModuleResource(std::u16string_view type, uint16_t id);

#ifdef _WIN32
// The module whose resources are searched, as its HMODULE. Null (the default) is the process's
// main executable; the input-method module passes its own handle when it is attached.
void SetResourceModule(void* module);
#else
// Without module images the resources are files of one folder, named after type and id:
// "Pylist-163.bin"; a numbered type by its number: "23-168.bin" for "#23", 168. The dictionary
// writer produces them. Set once at start; until then every resource is missing. A resource is
// read on first use and kept for the life of the process.
void SetResourceFolder(const std::u16string& folder);

// The file name of a resource in that folder.
std::u16string ResourceFileName(std::u16string_view type, uint16_t id);
#endif

}  // namespace kellavor::platform
