#include "stdinstream.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "platform/exceptions.h"
#include "platform/hoststring.h"

namespace zyl_tool {

StdinStream::StdinStream() : FBuffer(1 << 16) {}

bool StdinStream::refill() {
  if (FEnd) return false;
  FBufStart += static_cast<std::int64_t>(FLen);
  FIdx = FLen = 0;
  FLen = std::fread(FBuffer.data(), 1, FBuffer.size(), stdin);
  if (std::ferror(stdin)) {
    const int error = errno;
    FEnd = true;
    throw zyl::EReadError(u"Stream read error: " + zyl::from_utf8(std::strerror(error)));
  }
  if (FLen < FBuffer.size()) FEnd = true;  // fread stops short only at the end
  return FLen > 0;
}

std::int32_t StdinStream::Read(void* Buffer, std::int32_t Count) {
  auto* out = static_cast<std::uint8_t*>(Buffer);
  std::int32_t done = 0;
  while (done < Count) {
    if (FIdx == FLen && !refill()) break;
    const std::size_t n = std::min(static_cast<std::size_t>(Count - done), FLen - FIdx);
    std::memcpy(out + done, FBuffer.data() + FIdx, n);
    FIdx += n;
    done += static_cast<std::int32_t>(n);
  }
  return done;
}

std::span<const std::uint8_t> StdinStream::read_window() {
  if (FIdx == FLen && !refill()) return {};
  return {FBuffer.data() + FIdx, FLen - FIdx};
}

std::int64_t StdinStream::Seek(std::int64_t Offset, zyl::TSeekOrigin Origin) {
  const std::int64_t current = FBufStart + static_cast<std::int64_t>(FIdx);
  if (Origin == zyl::TSeekOrigin::soEnd) throw zyl::EStreamError(u"Standard input cannot seek");
  const std::int64_t target =
      zyl::detail::seek_target(Origin == zyl::TSeekOrigin::soCurrent ? current : 0, Offset);
  if (target < FBufStart || target > FBufStart + static_cast<std::int64_t>(FLen))
    throw zyl::EStreamError(u"Standard input cannot seek");
  FIdx = static_cast<std::size_t>(target - FBufStart);
  return target;
}

}  // namespace zyl_tool
