#include "ime/platform/shared_block.h"

#include <utility>

namespace kellavor::platform {

SharedBlock::~SharedBlock() { Close(); }

SharedBlock::SharedBlock(SharedBlock&& other) noexcept { *this = std::move(other); }

SharedBlock& SharedBlock::operator=(SharedBlock&& other) noexcept {
  if (this != &other) {
    Close();
    data_ = std::exchange(other.data_, nullptr);
    size_ = std::exchange(other.size_, 0);
    readOnly_ = other.readOnly_;
    origin_ = other.origin_;
    handle_ = std::exchange(other.handle_, -1);
    name_ = std::move(other.name_);
  }
  return *this;
}

}  // namespace kellavor::platform
