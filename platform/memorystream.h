// Library: zyl / Package: platform / Module: memorystream
//
// Streams held in memory.
//
//   TMemoryStream  a growable byte buffer; Memory() points at Size() bytes
//   TBytesStream   the same, created from and exposing a byte vector
//
// Writing past the end grows the stream; seeking past the end is allowed and
// a later write fills the gap with zero bytes. Seeks saturate at 0 and
// INT64_MAX. A write that would need more memory than can be had writes
// nothing and returns 0 (WriteBuffer then raises EWriteError); SetSize
// raises EOutOfMemory "Out of memory" in that case.
//
// LoadFromStream/LoadFromFile replace the content with the whole source
// (read from its beginning) and leave the position at 0; SaveToStream writes
// the whole content at the target's position; SaveToFile saves it through
// platform::save_file (the file is replaced whole or, on failure, left as it
// was, and EInOutError is raised).
//
// Example:
//   zyl::TBytesStream b({1, 2, 3});
//   b.Seek(0, zyl::TSeekOrigin::soEnd);  // == 3
//   b.Bytes()                            // {1, 2, 3}
#pragma once

#include <cstdint>
#include <vector>

#include "platform/stream.h"

namespace zyl {

class ZYL_API TMemoryStream : public TStream {
 public:
  TMemoryStream() = default;

  std::int32_t Read(void* Buffer, std::int32_t Count) override;
  std::int32_t Write(const void* Buffer, std::int32_t Count) override;
  std::int64_t Seek(std::int64_t Offset, TSeekOrigin Origin) override;
  std::int64_t Size() override { return static_cast<std::int64_t>(FData.size()); }
  void SetSize(std::int64_t NewSize) override;

  // The stream's bytes; valid until the next operation that changes Size.
  std::uint8_t* Memory() noexcept { return FData.data(); }
  const std::uint8_t* Memory() const noexcept { return FData.data(); }

  void Clear();
  void LoadFromStream(TStream& Stream);
  void SaveToStream(TStream& Stream);
  void LoadFromFile(const String& FileName);
  void SaveToFile(const String& FileName);

 protected:
  std::span<const std::uint8_t> read_window() override;
  void advance_window(std::size_t n) noexcept override { FPosition += static_cast<std::int64_t>(n); }
  std::span<std::uint8_t> write_window(std::size_t n) override;
  void commit_window(std::size_t k) noexcept override;

  std::vector<std::uint8_t> FData;
  std::int64_t FPosition = 0;

 private:
  // Makes FData End bytes long if it is shorter, growing its storage
  // geometrically so that many small writes stay linear; false when the
  // memory is not there.
  bool grow_to(std::int64_t End) noexcept;

  std::size_t FSizeBeforeWindow = 0;  // the size write_window found
};

class ZYL_API TBytesStream : public TMemoryStream {
 public:
  TBytesStream() = default;
  explicit TBytesStream(std::vector<std::uint8_t> ABytes) { FData = std::move(ABytes); }
  const std::vector<std::uint8_t>& Bytes() const noexcept { return FData; }
};

}  // namespace zyl
