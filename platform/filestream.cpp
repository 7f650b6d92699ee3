// Library: zyl / Package: platform / Module: filestream
#include "platform/filestream.h"

#include <algorithm>
#include <cstring>

#include "platform/exceptions.h"

namespace zyl {
namespace {

constexpr std::int32_t kBufferSize = 64 * 1024;

String quoted_reason(const String& Name, int Error) {
  return u"\"" + Name + u"\". " + platform::error_message(Error);
}

}  // namespace

TFileStream::TFileStream(const String& AFileName, std::uint16_t Mode) : FFileName(AFileName) {
  int error = 0;
  const std::uint16_t share = Mode & 0x00F0;
  if ((Mode & fmCreate) == fmCreate) {
    FHandle = platform::open_file(AFileName, platform::FileAccess::ReadWrite,
                                  platform::FileDisposition::CreateAlways, share, error);
    if (!FHandle.valid()) throw EFCreateError(u"Cannot create file " + quoted_reason(AFileName, error));
    FWritable = true;
  } else {
    const std::uint16_t access = Mode & 0x0003;
    const auto how = access == fmOpenWrite       ? platform::FileAccess::Write
                     : access == fmOpenReadWrite ? platform::FileAccess::ReadWrite
                                                 : platform::FileAccess::Read;
    FHandle = platform::open_file(AFileName, how, platform::FileDisposition::OpenExisting, share, error);
    if (!FHandle.valid()) throw EFOpenError(u"Cannot open file " + quoted_reason(AFileName, error));
    FWritable = how != platform::FileAccess::Read;
  }
  FBuffer.resize(kBufferSize);
}

TFileStream::~TFileStream() {
  try {
    Close();
  } catch (...) {
    // Destructors never throw; Close() is the way to see this failure.
  }
}

void TFileStream::Close() {
  if (!FHandle.valid()) return;
  flush_writes();
  const int error = FHandle.close();
  if (error != 0) throw EWriteError(u"Stream write error: " + platform::error_message(error));
}

void TFileStream::require_open() const {
  if (!FHandle.valid()) throw EStreamError(u"File stream is closed: " + FFileName);
}

void TFileStream::flush_writes() {
  if (FMode != BufferMode::Writing) return;
  const std::int32_t pending = FBufIdx;
  FMode = BufferMode::Empty;
  FBufStart += pending;
  FBufIdx = 0;
  int error = 0;
  if (pending > 0 && platform::write_file(FHandle, FBuffer.data(), pending, error) != pending)
    throw EWriteError(u"Stream write error");
}

void TFileStream::drop_reads() {
  if (FMode != BufferMode::Reading) return;
  int error = 0;
  const std::int64_t logical = FBufStart + FBufIdx;
  FMode = BufferMode::Empty;
  FBufIdx = FBufLen = 0;
  FBufStart = logical;
  platform::seek_file(FHandle, logical, TSeekOrigin::soBeginning, error);
}

std::int32_t TFileStream::Read(void* Buffer, std::int32_t Count) {
  require_open();
  if (Count <= 0) return 0;
  flush_writes();
  auto* out = static_cast<std::uint8_t*>(Buffer);
  std::int32_t done = 0;
  while (done < Count) {
    if (FMode == BufferMode::Reading && FBufIdx < FBufLen) {
      const std::int32_t n = std::min(Count - done, FBufLen - FBufIdx);
      std::memcpy(out + done, FBuffer.data() + FBufIdx, static_cast<std::size_t>(n));
      FBufIdx += n;
      done += n;
      continue;
    }
    const std::int32_t want = Count - done;
    if (want >= kBufferSize) {
      // Large requests go straight to the caller's memory.
      FBufStart += FBufIdx;
      FBufIdx = FBufLen = 0;
      FMode = BufferMode::Empty;
      int error = 0;
      const std::int64_t n = platform::read_file(FHandle, out + done, want, error);
      if (n <= 0) break;
      done += static_cast<std::int32_t>(n);
      FBufStart += n;
      break;
    }
    if (!refill_reads()) break;
  }
  return done;
}

bool TFileStream::refill_reads() {
  // Buffer exhausted: start a new one at the logical position.
  FBufStart += FBufIdx;
  FBufIdx = FBufLen = 0;
  FMode = BufferMode::Empty;
  int error = 0;
  const std::int64_t n = platform::read_file(FHandle, FBuffer.data(), kBufferSize, error);
  if (n <= 0) return false;
  FMode = BufferMode::Reading;
  FBufLen = static_cast<std::int32_t>(n);
  return true;
}

std::span<const std::uint8_t> TFileStream::read_window() {
  if (!FHandle.valid()) return {};  // Read then raises the closed-stream error
  flush_writes();
  if ((FMode != BufferMode::Reading || FBufIdx >= FBufLen) && !refill_reads()) return {};
  return {FBuffer.data() + FBufIdx, static_cast<std::size_t>(FBufLen - FBufIdx)};
}

std::int32_t TFileStream::Write(const void* Buffer, std::int32_t Count) {
  require_open();
  if (Count <= 0 || !FWritable) return 0;
  drop_reads();
  const auto* in = static_cast<const std::uint8_t*>(Buffer);
  if (FMode == BufferMode::Writing && FBufIdx + Count <= kBufferSize) {
    std::memcpy(FBuffer.data() + FBufIdx, in, static_cast<std::size_t>(Count));
    FBufIdx += Count;
    return Count;
  }
  flush_writes();
  int error = 0;
  if (Count >= kBufferSize) {
    const std::int64_t n = platform::write_file(FHandle, in, Count, error);
    if (n < 0) return 0;
    FBufStart += n;
    return static_cast<std::int32_t>(n);
  }
  FMode = BufferMode::Writing;
  std::memcpy(FBuffer.data(), in, static_cast<std::size_t>(Count));
  FBufIdx = Count;
  return Count;
}

std::int64_t TFileStream::Seek(std::int64_t Offset, TSeekOrigin Origin) {
  require_open();
  const std::int64_t current = FBufStart + FBufIdx;
  if (Origin == TSeekOrigin::soCurrent && Offset == 0) return current;
  std::int64_t target;
  if (Origin == TSeekOrigin::soEnd) {
    target = Size() + Offset;
  } else {
    target = Origin == TSeekOrigin::soBeginning ? Offset : current + Offset;
  }
  if (target < 0) target = 0;
  // Inside the read-ahead window: move the cursor only.
  if (FMode == BufferMode::Reading && target >= FBufStart && target <= FBufStart + FBufLen) {
    FBufIdx = static_cast<std::int32_t>(target - FBufStart);
    return target;
  }
  flush_writes();
  FMode = BufferMode::Empty;
  FBufIdx = FBufLen = 0;
  int error = 0;
  const std::int64_t pos = platform::seek_file(FHandle, target, TSeekOrigin::soBeginning, error);
  FBufStart = pos < 0 ? target : pos;
  return FBufStart;
}

std::int64_t TFileStream::Size() {
  require_open();
  int error = 0;
  const std::int64_t on_disk = platform::file_size(FHandle, error);
  // Pending writes may extend the file beyond what the OS reports yet.
  const std::int64_t pending_end = FMode == BufferMode::Writing ? FBufStart + FBufIdx : 0;
  return std::max(on_disk, pending_end);
}

void TFileStream::SetSize(std::int64_t NewSize) {
  require_open();
  const std::int64_t pos = Seek(0, TSeekOrigin::soCurrent);
  flush_writes();
  drop_reads();
  int error = 0;
  if (!platform::resize_file(FHandle, NewSize, error))
    throw EStreamError(u"Stream size cannot be changed: " + platform::error_message(error));
  Seek(std::min(pos, NewSize), TSeekOrigin::soBeginning);
}

}  // namespace zyl
