// Library: zyl / Package: platform / Module: bytereader (internal)
//
// ByteReader: reads a TStream one byte at a time without a virtual call per
// byte. It takes bytes straight from the stream's memory or read buffer (the
// stream's read window) and hands the count consumed back to the stream when
// it needs more or ends, so the stream's position is exactly behind the last
// byte taken once the reader is gone (or after commit()). A stream without a
// window is read with one-byte Read calls, with the same result.
//
// While a reader is alive nothing else may use its stream.
//
// Example:
//   zyl::TMemoryStream m;  m.WriteBuffer("ab\ncd", 5);  m.SetPosition(0);
//   {
//     zyl::detail::ByteReader r(m);
//     std::uint8_t b;
//     while (r.next(b) && b != '\n') {}
//   }
//   m.Position()   // == 3
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

#include "platform/stream.h"

namespace zyl::detail {

class ZYL_API ByteReader {
 public:
  explicit ByteReader(TStream& Stream) noexcept : FStream(Stream) {}
  ~ByteReader() { commit(); }
  ByteReader(const ByteReader&) = delete;
  ByteReader& operator=(const ByteReader&) = delete;

  // The next byte; false at the end of the stream.
  bool next(std::uint8_t& b) {
    if (FCur == FEnd && !refill()) return false;
    b = *FCur++;
    return true;
  }
  // A character source over the bytes (byte b is character b).
  bool next(Char& c) {
    std::uint8_t b;
    if (!next(b)) return false;
    c = b;
    return true;
  }

  // The bytes available without another call; empty when refill() is due.
  std::span<const std::uint8_t> window() const noexcept {
    return {FCur, static_cast<std::size_t>(FEnd - FCur)};
  }
  // Consumes n bytes of window() (n <= window().size()).
  void skip(std::size_t n) noexcept { FCur += n; }
  // Commits what was consumed and fetches more bytes; false at the end.
  bool refill() {
    commit();
    FBegin = FCur = FEnd = nullptr;
    FWindowed = false;
    const std::span<const std::uint8_t> w = FStream.read_window();
    if (!w.empty()) {
      FWindowed = true;
      FBegin = FCur = w.data();
      FEnd = w.data() + w.size();
      return true;
    }
    return read_one();
  }
  // Moves the stream's position behind the last byte consumed.
  void commit() noexcept {
    if (FWindowed && FCur != FBegin) FStream.advance_window(static_cast<std::size_t>(FCur - FBegin));
    FBegin = FCur;
  }

 private:
  // No window (or its end): Read decides, one byte at a time.
  bool read_one();

  TStream& FStream;
  const std::uint8_t* FBegin = nullptr;  // start of the current window
  const std::uint8_t* FCur = nullptr;
  const std::uint8_t* FEnd = nullptr;
  bool FWindowed = false;  // the bytes belong to the stream's window
  std::uint8_t FOne = 0;   // a byte fetched with Read
};

}  // namespace zyl::detail
