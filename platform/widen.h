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

}  // namespace zyl::detail
