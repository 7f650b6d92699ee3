// Library: zyl / Package: platform / Module: stream
#include "platform/stream.h"

#include <algorithm>
#include <limits>
#include <vector>

#include "platform/exceptions.h"

namespace zyl {

std::int64_t detail::seek_target(std::int64_t Base, std::int64_t Offset) noexcept {
  constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
  std::int64_t target = 0;
  if (__builtin_add_overflow(Base, Offset, &target)) target = Offset > 0 ? kMax : 0;
  return std::max<std::int64_t>(target, 0);
}

std::int64_t TStream::Size() {
  const std::int64_t pos = Seek(0, TSeekOrigin::soCurrent);
  const std::int64_t size = Seek(0, TSeekOrigin::soEnd);
  Seek(pos, TSeekOrigin::soBeginning);
  return size;
}

void TStream::SetSize(std::int64_t) { throw EStreamError(u"Stream size cannot be changed"); }

void TStream::ReadBuffer(void* Buffer, std::int32_t Count) {
  if (Count > 0 && Read(Buffer, Count) != Count) throw EReadError(u"Stream read error");
}

void TStream::WriteBuffer(const void* Buffer, std::int32_t Count) {
  if (Count > 0 && Write(Buffer, Count) != Count) throw EWriteError(u"Stream write error");
}

std::int64_t TStream::CopyFrom(TStream& Source, std::int64_t Count) {
  if (Count < 0) throw EStreamError(u"Stream copy count must not be negative");
  if (Count == 0) {
    Source.SetPosition(0);
    Count = Source.Size();
  }
  constexpr std::int64_t kChunk = 64 * 1024;
  std::vector<char> buffer(static_cast<std::size_t>(std::min(Count, kChunk)));
  std::int64_t left = Count;
  while (left > 0) {
    const auto n = static_cast<std::int32_t>(std::min(left, kChunk));
    Source.ReadBuffer(buffer.data(), n);
    WriteBuffer(buffer.data(), n);
    left -= n;
  }
  return Count;
}

}  // namespace zyl
