// Creating a folder together with every missing folder above it.
#pragma once

#include <cstddef>
#include <string>

namespace kellavor::module {

// The longest path CreateDirectoryChain handles; longer ones are refused before anything is
// created.
inline constexpr size_t kMaxDirectoryChainLength = 263;

// Creates every folder along path, one after the other: the one named by the text in front of
// each separator, and last the whole path. Failures of folders that already exist are passed
// over; the result is that of the last creation, made for the whole path. So a path that ends
// with a separator reports failure even when its folder was just created, and so does a folder
// that already existed. False for paths shorter than two units or longer than the limit.
bool CreateDirectoryChain(const std::u16string& path);

}  // namespace kellavor::module
