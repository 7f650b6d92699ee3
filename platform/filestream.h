// Library: zyl / Package: platform / Module: filestream
//
// TFileStream: a buffered stream on a named file.
//
// Mode is the host framework's 16-bit open mode: one of fmCreate, fmOpenRead,
// fmOpenWrite, fmOpenReadWrite, or-ed with one share flag (fmShare...).
// fmCreate creates the file (or truncates an existing one) for reading and
// writing. Failing to open raises EFOpenError
//   Cannot open file "<name>". <OS reason>
// and failing to create raises EFCreateError
//   Cannot create file "<name>". <OS reason>
//
// Reads and writes go through a 64 KiB buffer, so reading or writing one byte
// at a time costs no system call. Pending writes reach the file when the
// stream seeks, reads, queries Size, or closes. Close() reports a failing
// final write as EWriteError; the destructor closes silently.
//
// Failures: a read the OS refuses raises EReadError (a Read that already
// has bytes returns them first); a write that stops part way (disk full)
// returns the bytes written, one that writes nothing returns 0; a seek the
// OS refuses raises EStreamError and keeps the position.
//
// Share flags are enforced on Windows; POSIX has no mandatory file sharing
// and ignores them.
//
// Example:
//   {
//     zyl::TFileStream f(u"out.bin", zyl::fmCreate);
//     f.WriteBuffer("hi", 2);
//     f.Close();
//   }
//   zyl::TFileStream g(u"out.bin", zyl::fmOpenRead);  // g.Size() == 2
#pragma once

#include <cstdint>
#include <vector>

#include "platform/file.h"
#include "platform/stream.h"

namespace zyl {

constexpr std::uint16_t fmCreate = 0xFF00;
constexpr std::uint16_t fmOpenRead = 0x0000;
constexpr std::uint16_t fmOpenWrite = 0x0001;
constexpr std::uint16_t fmOpenReadWrite = 0x0002;
constexpr std::uint16_t fmShareCompat = 0x0000;
constexpr std::uint16_t fmShareExclusive = 0x0010;
constexpr std::uint16_t fmShareDenyWrite = 0x0020;
constexpr std::uint16_t fmShareDenyRead = 0x0030;
constexpr std::uint16_t fmShareDenyNone = 0x0040;

class ZYL_API TFileStream : public TStream {
 public:
  TFileStream(const String& AFileName, std::uint16_t Mode);
  ~TFileStream() override;
  TFileStream(const TFileStream&) = delete;
  TFileStream& operator=(const TFileStream&) = delete;

  std::int32_t Read(void* Buffer, std::int32_t Count) override;
  std::int32_t Write(const void* Buffer, std::int32_t Count) override;
  std::int64_t Seek(std::int64_t Offset, TSeekOrigin Origin) override;
  std::int64_t Size() override;
  void SetSize(std::int64_t NewSize) override;

  const String& FileName() const noexcept { return FFileName; }

  // Writes pending bytes and closes the file; raises EWriteError if the
  // final write fails. Further use of the stream raises EStreamError.
  void Close();

 protected:
  std::span<const std::uint8_t> read_window() override;
  void advance_window(std::size_t n) noexcept override { FBufIdx += static_cast<std::int32_t>(n); }

 private:
  enum class BufferMode : std::uint8_t { Empty, Reading, Writing };

  bool refill_reads(int& Error);  // starts a new read-ahead buffer; false at the end or on Error
  void flush_writes();   // writes pending bytes; raises EWriteError
  void drop_reads();     // forgets read-ahead, putting the OS position back
  void require_open() const;

  String FFileName;
  platform::FileHandle FHandle;
  std::vector<std::uint8_t> FBuffer;
  BufferMode FMode = BufferMode::Empty;
  // The file offset of FBuffer[0]; the logical position is FBufStart + FBufIdx.
  std::int64_t FBufStart = 0;
  std::int32_t FBufIdx = 0;  // cursor within the buffer
  std::int32_t FBufLen = 0;  // valid read-ahead bytes (Reading mode)
  bool FWritable = false;    // opened for writing: Write on a read-only stream moves nothing
};

}  // namespace zyl
