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

void block_writer::put(const void* data, std::size_t n) {
  const auto* p = static_cast<const std::uint8_t*>(data);
  while (n > 0) {
    const std::size_t take = std::min(n, kCapacity);
    std::memcpy(reserve(take), p, take);
    commit(take);
    p += take;
    n -= take;
  }
}

void block_writer::flush() {
  if (FFill == 0) return;
  FTarget.WriteBuffer(FBuffer.get(), static_cast<std::int32_t>(FFill));
  FFill = 0;
}

}  // namespace ZYL_dstruct::detail
