// SearchAndReplace with texts, flags and modifiers taken from the input.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "ZYL_streams/ZYL_streams.h"
#include "platform/memorystream.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
  if (Size < 4) return 0;
  const std::string in(reinterpret_cast<const char*>(Data) + 4, Size - 4);
  // Fields separated by 0xFF: search, replace, brackets, source.
  std::string fields[4];
  std::size_t f = 0;
  for (char c : in) {
    if (static_cast<unsigned char>(c) == 0xFF && f < 3) {
      ++f;
      continue;
    }
    fields[f].push_back(c);
  }
  zyl::TMemoryStream src, dst;
  src.WriteBuffer(fields[3].data(), static_cast<std::int32_t>(fields[3].size()));
  const std::int32_t n = ZYL_streams::SearchAndReplace(
      src, Data[0] & 1 ? src : dst, zyl::from_latin1(fields[0]), zyl::from_latin1(fields[1]), Data[0] & 2,
      static_cast<std::int8_t>(Data[1]), static_cast<std::int8_t>(Data[2]) % 8, zyl::from_latin1(fields[2]),
      Data[3] & 1 ? ZYL_streams::TSRUnknownModifierEvent([](zyl::String c, zyl::String& s) { s = c + s; })
                  : ZYL_streams::TSRUnknownModifierEvent());
  if (n < 0) std::abort();
  return 0;
}
