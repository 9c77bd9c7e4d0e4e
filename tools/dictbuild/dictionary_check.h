// The writer's check mode: reads whichever of the three dictionaries a folder holds through the
// module's own readers and reports every violation of what the module and its searches rely on,
// together with the resource tables the writer puts beside them.
#pragma once

#include <cstddef>
#include <filesystem>
#include <ostream>

namespace kellavor::dictbuild {

// The number of violations found; each is reported to out.
size_t CheckDictionaryFolder(const std::filesystem::path& folder, std::ostream& out);

}  // namespace kellavor::dictbuild
