// Library: zyl / Package: platform / Module: bytereader
#include "platform/bytereader.h"

namespace zyl::detail {

void ByteReader::commit() noexcept {
  if (FWindowed && FCur != FBegin) FStream.advance_window(static_cast<std::size_t>(FCur - FBegin));
  FBegin = FCur;
}

bool ByteReader::refill() {
  commit();
  FBegin = FCur = FEnd = nullptr;
  FWindowed = false;
  const std::span<const std::uint8_t> w = FStream.read_window();
  if (!w.empty()) {
    FWindowed = true;
    FBegin = FCur = w.data();
    FEnd = w.data() + w.size();
    return true;
  }
  // No window (or its end): Read decides, one byte at a time.
  if (FStream.Read(&FOne, 1) != 1) return false;
  FBegin = FCur = &FOne;
  FEnd = &FOne + 1;
  return true;
}

}  // namespace zyl::detail
