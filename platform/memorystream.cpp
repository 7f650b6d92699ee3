// Library: zyl / Package: platform / Module: memorystream
#include "platform/memorystream.h"

#include <algorithm>
#include <cstring>
#include <new>
#include <stdexcept>
#include <string_view>

#include "platform/exceptions.h"
#include "platform/filestream.h"
#include "platform/savefile.h"

namespace zyl {
namespace {

// The largest size a memory stream can have: what a vector can index and no
// more than a 64-bit process can address (2^47 bytes of user space), so an
// absurd size is refused before any allocation is attempted.
std::int64_t max_stream_size(const std::vector<std::uint8_t>& Data) {
  constexpr std::uint64_t kAddressable = std::uint64_t{1} << 47;
  return static_cast<std::int64_t>(std::min<std::uint64_t>(Data.max_size(), kAddressable));
}

}  // namespace

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
  // A position this far out cannot be backed by memory: nothing is written.
  if (FPosition > max_stream_size(FData) - Count) return 0;
  if (!grow_to(FPosition + Count)) return 0;
  std::memcpy(FData.data() + FPosition, Buffer, static_cast<std::size_t>(Count));
  FPosition += Count;
  return Count;
}

bool TMemoryStream::grow_to(std::int64_t End) noexcept {
  const auto needed = static_cast<std::size_t>(End);
  if (needed <= FData.size()) return true;
  try {
    if (needed > FData.capacity())
      FData.reserve(std::max(needed, std::min(FData.capacity() * 2, FData.max_size())));
    FData.resize(needed);
    return true;
  } catch (const std::bad_alloc&) {
    return false;
  } catch (const std::length_error&) {
    return false;
  }
}

std::span<std::uint8_t> TMemoryStream::write_window(std::size_t n) {
  FSizeBeforeWindow = FData.size();
  if (static_cast<std::uint64_t>(n) > static_cast<std::uint64_t>(max_stream_size(FData) - FPosition)) return {};
  if (!grow_to(FPosition + static_cast<std::int64_t>(n))) return {};
  // At least n bytes; all the stream holds past the position where that is more.
  return {FData.data() + FPosition, FData.size() - static_cast<std::size_t>(FPosition)};
}

void TMemoryStream::commit_window(std::size_t k) noexcept {
  // Bytes of the window past the kept ones do not become part of the
  // stream, nor does a gap before the position when nothing was kept.
  FPosition += static_cast<std::int64_t>(k);
  FData.resize(k == 0 ? FSizeBeforeWindow : std::max(FSizeBeforeWindow, static_cast<std::size_t>(FPosition)));
}

std::int64_t TMemoryStream::Seek(std::int64_t Offset, TSeekOrigin Origin) {
  std::int64_t base = 0;
  if (Origin == TSeekOrigin::soCurrent) base = FPosition;
  if (Origin == TSeekOrigin::soEnd) base = static_cast<std::int64_t>(FData.size());
  FPosition = detail::seek_target(base, Offset);
  return FPosition;
}

void TMemoryStream::SetSize(std::int64_t NewSize) {
  NewSize = std::max<std::int64_t>(0, NewSize);
  if (NewSize > max_stream_size(FData)) throw EOutOfMemory(u"Out of memory");
  try {
    FData.resize(static_cast<std::size_t>(NewSize));
  } catch (const std::bad_alloc&) {
    throw EOutOfMemory(u"Out of memory");
  } catch (const std::length_error&) {
    throw EOutOfMemory(u"Out of memory");
  }
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
  platform::save_file(FileName, std::string_view(reinterpret_cast<const char*>(FData.data()), FData.size()));
}

}  // namespace zyl
