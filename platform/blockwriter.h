// Library: zyl / Package: platform / Module: blockwriter (internal)
//
// BlockWriter: collects output for a stream and hands it over in large
// blocks, so that the per-call cost of the stream is paid once per block
// rather than once per byte or group. Producers ask for room (reserve),
// write into it and keep what they wrote (commit).
//
// A producer that writes no byte past what it commits may say so
// (DirectWrites): where the target offers its own memory (a memory stream's
// write window) the room is then that memory, and the output is produced in
// place instead of being copied there. Other producers (decoders that store
// whole vectors and keep part of them) get room in the writer's own buffer,
// so bytes of the target behind the output never change.
//
// Write errors of the target pass through (EWriteError). The destructor
// discards what flush() has not handed over, so call flush() when done
// (with direct writes, the target's bytes past its position may then
// already hold some of that output; its position and size stay as flushed).
// While the writer is alive nothing else may use the target.
//
// Example:
//   zyl::detail::BlockWriter out(target);
//   std::uint8_t* room = out.reserve(62);
//   out.commit(encode(room));  // at most 62
//   out.flush();
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>

#include "platform/stream.h"

namespace zyl::detail {

class ZYL_API BlockWriter {
 public:
  explicit BlockWriter(TStream& Target, bool DirectWrites = false);
  ~BlockWriter();
  BlockWriter(const BlockWriter&) = delete;
  BlockWriter& operator=(const BlockWriter&) = delete;

  // Room for at least n bytes at the returned pointer (n <= capacity());
  // commit(k) then keeps the first k of them.
  std::uint8_t* reserve(std::size_t n) {
    if (FFill + n > FRoom.size()) next_room(n);
    return FRoom.data() + FFill;
  }
  void commit(std::size_t k) noexcept { FFill += k; }
  void put(const void* Data, std::size_t n);
  // Hands what was committed to the target.
  void flush();

  static constexpr std::size_t capacity() { return kCapacity; }

 private:
  // Below the size at which the C library maps each allocation separately,
  // so short calls stay cheap; large enough that writes are rare.
  static constexpr std::size_t kCapacity = 64 * 1024;

  void next_room(std::size_t n);

  TStream& FTarget;
  bool FDirect;
  bool FInWindow = false;                   // FRoom is the target's memory
  std::unique_ptr<std::uint8_t[]> FBuffer;  // allocated when first needed
  std::span<std::uint8_t> FRoom;
  std::size_t FFill = 0;  // bytes of FRoom committed
};

}  // namespace zyl::detail
