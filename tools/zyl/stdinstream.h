// Standard input as a zyl stream that reads as it goes: memory use stays at
// one 64 KiB block whatever the input's size. It cannot seek except within
// the block it holds (enough to look at the first bytes and go back); other
// seeks, Size and SetSize raise EStreamError. A read the OS refuses raises
// EReadError, so a failure is never taken for the end of the input.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/stream.h"

namespace zyl_tool {

class StdinStream : public zyl::TStream {
 public:
  StdinStream();

  std::int32_t Read(void* Buffer, std::int32_t Count) override;
  std::int32_t Write(const void*, std::int32_t) override { return 0; }
  std::int64_t Seek(std::int64_t Offset, zyl::TSeekOrigin Origin) override;

 protected:
  std::span<const std::uint8_t> read_window() override;
  void advance_window(std::size_t n) noexcept override { FIdx += n; }

 private:
  bool refill();  // false at the end of the input

  std::vector<std::uint8_t> FBuffer;
  std::int64_t FBufStart = 0;  // input offset of FBuffer[0]
  std::size_t FIdx = 0;        // cursor within the buffer
  std::size_t FLen = 0;        // valid bytes in the buffer
  bool FEnd = false;
};

}  // namespace zyl_tool
