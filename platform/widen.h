// Library: zyl / Package: platform / Module: widen (internal)
//
// Widening bytes to UTF-16 code units one for one (byte b becomes character
// b), the step under Latin-1 text and under line readers that meet mostly
// ASCII.
#pragma once

#include <cstddef>
#include <cstdint>

#include "platform/hoststring.h"

namespace zyl::detail {

// Writes Count characters to Out, one per byte, and tells whether every byte
// was ASCII (below 0x80). Sixteen bytes at a time where the compiler targets
// SSE2.
//   widen_bytes("ab\xE9", 3, out)  -> false, out = u"ab\u00E9"
bool widen_bytes(const std::uint8_t* Bytes, std::size_t Count, Char* Out) noexcept;

// Reading and widening in one pass, for line readers: widens the bytes of
// [Bytes, Bytes + Count) that come before the first Stop byte into Out from
// index At (Out grows as needed; it is never shrunk, so reused storage is
// not zero-filled) and returns their number. Works in whole 16-byte pieces:
// returns kNoStop when no Stop byte lies in them, when a piece read holds a
// byte of 0x80 or above, or where the compiler does not target SSE2; Out's
// contents from At are then unspecified and the caller takes the general
// path.
//   widen_ascii_until("abc\nxxxxxxxxxxxxxxx", 19, '\n', out, 0)  -> 3, out[0..3) = u"abc"
inline constexpr std::size_t kNoStop = static_cast<std::size_t>(-1);
std::size_t widen_ascii_until(const std::uint8_t* Bytes, std::size_t Count, std::uint8_t Stop, String& Out,
                              std::size_t At);

}  // namespace zyl::detail
