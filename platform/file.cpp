// Library: zyl / Package: platform / Module: file
//
// The OS-neutral part of FileHandle; each backend defines close().
#include "platform/file.h"

namespace zyl::platform {

FileHandle& FileHandle::operator=(FileHandle&& Other) noexcept {
  if (this != &Other) {
    close();
    FNative = Other.release();
  }
  return *this;
}

FileHandle::~FileHandle() { close(); }

std::intptr_t FileHandle::release() noexcept {
  const std::intptr_t n = FNative;
  FNative = kInvalid;
  return n;
}

}  // namespace zyl::platform
