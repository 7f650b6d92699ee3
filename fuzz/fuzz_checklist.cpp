// The digest checkers' listing-line reader over arbitrary lines: it never
// crashes, what it accepts has digits of the asked length and a name, and
// writing that entry out again reads back as the same entry.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "zyl/checklist.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
  if (Size == 0) return 0;
  // The first byte picks the digest length, as the five commands use them,
  // and (top bit) whether backslashes separate paths.
  static constexpr std::size_t kHexLen[] = {40, 56, 64, 96, 128};
  static constexpr const char* kTag[] = {"SHA1", "SHA224", "SHA256", "SHA384", "SHA512"};
  const std::size_t algo = Data[0] % 5;
  const std::string_view line(reinterpret_cast<const char*>(Data + 1), Size - 1);
  const auto e = zyl_tool::parse_check_line(line, kTag[algo], kHexLen[algo]);
  if (!e) return 0;
  if (e->hex.size() != kHexLen[algo] || e->name.empty()) std::abort();
  const auto again = zyl_tool::parse_check_line(zyl_tool::format_check_line(e->hex, e->name, (Data[0] & 0x80) != 0), kTag[algo], kHexLen[algo]);
  if (!again || again->hex != e->hex || again->name != e->name) std::abort();
  return 0;
}
