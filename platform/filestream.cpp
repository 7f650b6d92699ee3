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

[[noreturn]] void raise_read_error(int Error) {
  throw EReadError(u"Stream read error: " + platform::error_message(Error));
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
  // Bytes read ahead are dropped: a closed stream offers none.
  FMode = BufferMode::Empty;
  FBufIdx = FBufLen = 0;
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
  FBufIdx = 0;
  if (pending == 0) return;
  int error = 0;
  const std::int64_t n = platform::write_file(FHandle, FBuffer.data(), pending, error);
  // The position follows what reached the file, so Position() and the file
  // agree after a failure too.
  if (n > 0) FBufStart += n;
  if (error != 0) throw EWriteError(u"Stream write error: " + platform::error_message(error));
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
  int error = 0;
  while (done < Count && error == 0) {
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
      const std::int64_t n = platform::read_file(FHandle, out + done, want, error);
      if (n > 0) {
        done += static_cast<std::int32_t>(n);
        FBufStart += n;
      }
      break;
    }
    if (!refill_reads(error)) break;
  }
  // A failure after some bytes returns those; the next call meets it again.
  if (error != 0 && done == 0) raise_read_error(error);
  return done;
}

bool TFileStream::refill_reads(int& Error) {
  // Buffer exhausted: start a new one at the logical position.
  FBufStart += FBufIdx;
  FBufIdx = FBufLen = 0;
  FMode = BufferMode::Empty;
  const std::int64_t n = platform::read_file(FHandle, FBuffer.data(), kBufferSize, Error);
  if (n <= 0) return false;
  // Bytes read before a failure are handed out first; the next read from
  // the OS meets the failure again.
  Error = 0;
  FMode = BufferMode::Reading;
  FBufLen = static_cast<std::int32_t>(n);
  return true;
}

std::span<const std::uint8_t> TFileStream::read_window() {
  if (FMode == BufferMode::Reading && FBufIdx < FBufLen)  // the usual case: bytes are waiting
    return {FBuffer.data() + FBufIdx, static_cast<std::size_t>(FBufLen - FBufIdx)};
  if (!FHandle.valid()) return {};  // Read then raises the closed-stream error
  flush_writes();
  if (FMode != BufferMode::Reading || FBufIdx >= FBufLen) {
    int error = 0;
    if (!refill_reads(error)) {
      if (error != 0) raise_read_error(error);
      return {};
    }
  }
  return {FBuffer.data() + FBufIdx, static_cast<std::size_t>(FBufLen - FBufIdx)};
}

std::int32_t TFileStream::Write(const void* Buffer, std::int32_t Count) {
  require_open();
  if (Count <= 0 || !FWritable) return 0;
  drop_reads();
  const auto* in = static_cast<const std::uint8_t*>(Buffer);
  // Count - free space, not FBufIdx + Count, which can overflow.
  if (FMode == BufferMode::Writing && Count <= kBufferSize - FBufIdx) {
    std::memcpy(FBuffer.data() + FBufIdx, in, static_cast<std::size_t>(Count));
    FBufIdx += Count;
    return Count;
  }
  flush_writes();
  int error = 0;
  if (Count >= kBufferSize) {
    // A write that stops part way returns what reached the file; one that
    // moved nothing returns 0, which WriteBuffer reports.
    const std::int64_t n = platform::write_file(FHandle, in, Count, error);
    if (n <= 0) return 0;
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
  const std::int64_t base = Origin == TSeekOrigin::soEnd       ? Size()
                            : Origin == TSeekOrigin::soCurrent ? current
                                                               : 0;
  const std::int64_t target = detail::seek_target(base, Offset);
  // Inside the read-ahead window: move the cursor only.
  if (FMode == BufferMode::Reading && target >= FBufStart && target <= FBufStart + FBufLen) {
    FBufIdx = static_cast<std::int32_t>(target - FBufStart);
    return target;
  }
  flush_writes();
  int error = 0;
  const std::int64_t pos = platform::seek_file(FHandle, target, TSeekOrigin::soBeginning, error);
  // A refused seek moves neither the OS position nor ours (a read-ahead
  // buffer stays valid).
  if (pos < 0) throw EStreamError(u"Stream seek error: " + platform::error_message(error));
  FMode = BufferMode::Empty;
  FBufIdx = FBufLen = 0;
  FBufStart = pos;
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
