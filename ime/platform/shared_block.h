// A named block of shared memory that every process of the user's session sees, created with a
// size by the first process and opened by the later ones. It lives while any process holds it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace kellavor::platform {

enum class SharedBlockOrigin {
  kCreated,   // this process made the block; its content is all zero
  kExisted,   // another process made it first; its content is theirs
};

enum class SharedBlockAccess {
  kAsPermitted,  // read and write; read only when the block exists and this process may not write it
  kReadOnly,     // open an existing block for reading only, never create one
};

class SharedBlock {
 public:
  SharedBlock() = default;
  ~SharedBlock();
  SharedBlock(SharedBlock&& other) noexcept;
  SharedBlock& operator=(SharedBlock&& other) noexcept;
  SharedBlock(const SharedBlock&) = delete;
  SharedBlock& operator=(const SharedBlock&) = delete;

  // Creates the block with `size` bytes, or opens it when it exists (then its own size counts).
  // A block this process may not write is opened for reading only. On failure the result is
  // not valid().
  static SharedBlock Open(const std::u16string& name, size_t size,
                          SharedBlockAccess access = SharedBlockAccess::kAsPermitted);

  bool valid() const { return data_ != nullptr; }
  uint8_t* data() const { return data_; }
  size_t size() const { return size_; }
  bool readOnly() const { return readOnly_; }
  SharedBlockOrigin origin() const { return origin_; }

  // Unmaps the view; the block itself goes when the last process has closed it.
  void Close();

 private:
  uint8_t* data_ = nullptr;
  size_t size_ = 0;
  bool readOnly_ = false;
  SharedBlockOrigin origin_ = SharedBlockOrigin::kCreated;
  intptr_t handle_ = -1;        // the mapping (Windows) or the holders lock (POSIX)
  std::u16string name_;
};

}  // namespace kellavor::platform
