// Library: zyl / Package: platform / Module: memorystream
#include "platform/memorystream.h"

#include <algorithm>
#include <cstring>

#include "platform/filestream.h"

namespace zyl {

std::int32_t TMemoryStream::Read(void* Buffer, std::int32_t Count) {
  const auto size = static_cast<std::int64_t>(FData.size());
  if (Count <= 0 || FPosition >= size) return 0;
  const auto n = static_cast<std::int32_t>(std::min<std::int64_t>(Count, size - FPosition));
  std::memcpy(Buffer, FData.data() + FPosition, static_cast<std::size_t>(n));
  FPosition += n;
  return n;
}

std::span<const std::uint8_t> TMemoryStream::read_window() {
  const auto size = static_cast<std::int64_t>(FData.size());
  if (FPosition >= size) return {};
  return {FData.data() + FPosition, static_cast<std::size_t>(size - FPosition)};
}

std::int32_t TMemoryStream::Write(const void* Buffer, std::int32_t Count) {
  if (Count <= 0) return 0;
  const std::int64_t end = FPosition + Count;
  if (end > static_cast<std::int64_t>(FData.size())) {
    // Grow geometrically so byte-wise writing stays linear.
    if (static_cast<std::size_t>(end) > FData.capacity())
      FData.reserve(std::max<std::size_t>(static_cast<std::size_t>(end), FData.capacity() * 2));
    FData.resize(static_cast<std::size_t>(end));
  }
  std::memcpy(FData.data() + FPosition, Buffer, static_cast<std::size_t>(Count));
  FPosition = end;
  return Count;
}

std::int64_t TMemoryStream::Seek(std::int64_t Offset, TSeekOrigin Origin) {
  std::int64_t base = 0;
  if (Origin == TSeekOrigin::soCurrent) base = FPosition;
  if (Origin == TSeekOrigin::soEnd) base = static_cast<std::int64_t>(FData.size());
  FPosition = std::max<std::int64_t>(0, base + Offset);
  return FPosition;
}

void TMemoryStream::SetSize(std::int64_t NewSize) {
  FData.resize(static_cast<std::size_t>(std::max<std::int64_t>(0, NewSize)));
  FPosition = std::min(FPosition, static_cast<std::int64_t>(FData.size()));
}

void TMemoryStream::Clear() {
  FData.clear();
  FPosition = 0;
}

void TMemoryStream::LoadFromStream(TStream& Stream) {
  Stream.SetPosition(0);
  const std::int64_t size = Stream.Size();
  SetSize(size);
  std::int64_t done = 0;
  while (done < size) {
    const auto n = static_cast<std::int32_t>(std::min<std::int64_t>(size - done, 1 << 30));
    Stream.ReadBuffer(FData.data() + done, n);
    done += n;
  }
  FPosition = 0;
}

void TMemoryStream::SaveToStream(TStream& Stream) {
  std::int64_t done = 0;
  const auto size = static_cast<std::int64_t>(FData.size());
  while (done < size) {
    const auto n = static_cast<std::int32_t>(std::min<std::int64_t>(size - done, 1 << 30));
    Stream.WriteBuffer(FData.data() + done, n);
    done += n;
  }
}

void TMemoryStream::LoadFromFile(const String& FileName) {
  TFileStream f(FileName, fmOpenRead | fmShareDenyWrite);
  LoadFromStream(f);
}

void TMemoryStream::SaveToFile(const String& FileName) {
  TFileStream f(FileName, fmCreate);
  SaveToStream(f);
}

}  // namespace zyl
