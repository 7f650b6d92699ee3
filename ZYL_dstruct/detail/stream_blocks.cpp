// Library: zyl / Package: ZYL_dstruct / Module: detail/stream_blocks
#include "ZYL_dstruct/detail/stream_blocks.h"

#include <algorithm>
#include <cstring>

namespace ZYL_dstruct::detail {

std::span<const std::uint8_t> block_reader::next() {
  if (FEnd) return {};
  const std::int32_t got = std::max(FSource.Read(FBuffer.get(), FBlockSize), 0);
  if (got < FBlockSize) FEnd = true;
  return {FBuffer.get(), static_cast<std::size_t>(got)};
}

std::span<const std::uint8_t> window_reader::next() {
  if (FEnd) return {};
  if (FWindowed) {
    FReader.skip(FPiece);
    FPiece = 0;
    if (!FReader.refill()) {
      FEnd = true;
      return {};
    }
    const auto w = FReader.window();
    if (w.size() > 1) {
      FPiece = w.size();
      return w;
    }
    // A single byte: the last of a window, or a stream without one (read
    // with one-byte calls). Either way, read on in blocks.
    if (!FBuffer) FBuffer = std::make_unique_for_overwrite<std::uint8_t[]>(static_cast<std::size_t>(FBlockSize));
    FBuffer[0] = w[0];
    FReader.skip(1);
    FReader.commit();
    FWindowed = false;
    const std::int32_t got = std::max(FSource.Read(FBuffer.get() + 1, FBlockSize - 1), 0);
    if (FShortReadEnds && got < FBlockSize - 1) FEnd = true;
    return {FBuffer.get(), static_cast<std::size_t>(got) + 1};
  }
  const std::int32_t got = std::max(FSource.Read(FBuffer.get(), FBlockSize), 0);
  if (got == 0 || (FShortReadEnds && got < FBlockSize)) FEnd = true;
  return {FBuffer.get(), static_cast<std::size_t>(got)};
}

void window_reader::stop(std::size_t unused) noexcept {
  if (FWindowed && FPiece >= unused) {
    FReader.skip(FPiece - unused);
    FReader.commit();
  }
  FPiece = 0;
  FEnd = true;
}

}  // namespace ZYL_dstruct::detail
