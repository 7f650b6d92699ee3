// The fuzz input as text for the HTML targets: after a first byte whose
// lowest bit chooses the reading, the bytes as Latin-1 characters (markup
// and references are easy to hit) or as UTF-16 code units, little-endian
// (unpaired surrogates and everything else).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "platform/hoststring.h"

inline zyl::String html_fuzz_text(const std::uint8_t* Data, std::size_t Size) {
  if (Size == 0) return {};
  const std::string_view bytes(reinterpret_cast<const char*>(Data) + 1, Size - 1);
  if ((Data[0] & 1) == 0) return zyl::from_latin1(bytes);
  zyl::String s;
  for (std::size_t i = 0; i + 1 < bytes.size(); i += 2)
    s += static_cast<char16_t>(static_cast<std::uint8_t>(bytes[i]) | static_cast<std::uint8_t>(bytes[i + 1]) << 8);
  return s;
}
