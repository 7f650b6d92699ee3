// Library: zyl / Package: ZYL_streams / Module: linereader (internal)
//
// The two line readers over a stream's bytes, sharing the line-end test: one
// keeps every byte (ReadLnStream), one keeps only printable bytes and tabs
// (TMixedFStream::ReadLn).
#pragma once

#include <cstdint>

#include "platform/stream.h"

namespace ZYL_streams::detail {

// True when Byte ends a line in Mode, Prev being the byte read before it.
constexpr bool ends_line(std::int32_t Mode, std::uint8_t Byte, std::uint8_t Prev) noexcept {
  switch (Mode) {
    case 0: return Byte == 10;
    case 1: return Byte == 13;
    case 2: return Byte == 10 || Byte == 13;
    case 3: return Byte == 13 && Prev == 10;
    case 4: return Byte == 10 && Prev == 13;
    default: return false;
  }
}

// Every byte up to the one that ends the line, or to the end of the stream
// (Eos true). A line that ended loses up to two trailing CR/LF bytes (its
// line end, and the other half of a CR LF or LF CR pair before it); at the
// end of the stream every byte is kept.
zyl::String read_line_text(zyl::TStream& Stream, std::int32_t Mode, bool& Eos);

// Bytes of code 32 and above and tabs up to the line end (or the end of the
// stream); other bytes are dropped.
zyl::String read_line_printable(zyl::TStream& Stream, std::int32_t Mode);

}  // namespace ZYL_streams::detail
