// Library: zyl / Package: platform / Module: blockwriter
#include "platform/blockwriter.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace zyl::detail {

BlockWriter::BlockWriter(TStream& Target, bool DirectWrites) : FTarget(Target), FDirect(DirectWrites) {}

BlockWriter::~BlockWriter() {
  // A window left open keeps nothing: what was not flushed is discarded.
  if (FInWindow) FTarget.commit_window(0);
}

void BlockWriter::next_room(std::size_t n) {
  flush();
  if (FDirect) {
    // Worth it where the target already holds a large piece past its
    // position (output overwriting a stream); growing a stream piece by
    // piece is left to Write, whose growth is geometric.
    const std::span<std::uint8_t> w = FTarget.write_window(n);
    if (w.size() >= kCapacity) {
      FRoom = w;
      FInWindow = true;
      return;
    }
    if (!w.empty()) FTarget.commit_window(0);
  }
  if (!FBuffer) FBuffer = std::make_unique_for_overwrite<std::uint8_t[]>(kCapacity);
  FRoom = {FBuffer.get(), kCapacity};
}

void BlockWriter::put(const void* Data, std::size_t n) {
  const auto* p = static_cast<const std::uint8_t*>(Data);
  while (n > 0) {
    const std::size_t take = std::min(n, kCapacity);
    std::memcpy(reserve(take), p, take);
    commit(take);
    p += take;
    n -= take;
  }
}

void BlockWriter::flush() {
  if (FInWindow) {
    FInWindow = false;
    FRoom = {};
    const std::size_t kept = std::exchange(FFill, 0);
    FTarget.commit_window(kept);
    return;
  }
  if (FFill == 0) return;
  FTarget.WriteBuffer(FRoom.data(), static_cast<std::int32_t>(FFill));
  FFill = 0;
}

}  // namespace zyl::detail
