// The regular-expression compiler and matcher over arbitrary bytes: the
// expression is the input up to the first 0 byte, the text the rest. Any
// expression compiles to at most 64 tokens or an error code, and a match
// reports positions inside the text.
#include <algorithm>
#include <cstdint>
#include <cstdlib>

#include "ZYL_stringl/grep.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
  if (Size == 0) return 0;
  const std::uint8_t flags = Data[0];
  zyl::String expr, text;
  std::size_t i = 1;
  for (; i < Size && Data[i] != 0; ++i) expr.push_back(Data[i]);
  for (++i; i < Size; ++i) text.push_back(flags & 0x40 ? static_cast<char16_t>(Data[i] * 257) : Data[i]);

  ZYL_stringl::TGrep g(nullptr);
  g.SetStopOnError(false);
  g.SetIgnoreCase(flags & 1);
  g.SetRegExp(expr);
  if (g.LastError() < 0 || g.LastError() > 11 || g.NrOfRegExpTokens() < 0 || g.NrOfRegExpTokens() > 64) std::abort();
  g.SetSearchStartPos(static_cast<int>((flags >> 1) % 8) - 1);
  int pos = 0;
  if (g.MatchString(text, pos)) {
    const int len = static_cast<int>(text.size());
    // A lone "^" reports the end position 1 even in an empty text.
    if (pos < 1 || pos > len + 1 || g.MatchEndPos() < pos - 1 || g.MatchEndPos() > std::max(len, 1)) std::abort();
  }
  return 0;
}
