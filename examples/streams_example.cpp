// Search and replace in a memory stream, with modifiers in the replacement,
// then counting the lines of the result.
#include <cstdio>
#include <string>

#include "zyl.h"

int main() {
  const std::string text = "a1 A2 a3";
  zyl::TMemoryStream src, dst;
  src.Write(text.data(), static_cast<std::int32_t>(text.size()));
  const std::int32_t n = zyl::SearchAndReplace(src, dst, u"a", u"<{match}{count}>{crlf}", true, 1, 0, u"{}", nullptr);
  const std::string result(reinterpret_cast<const char*>(dst.Memory()), static_cast<std::size_t>(dst.Size()));
  std::printf("%d replacements:\n%s\n", n, result.c_str());
  dst.Seek(0, zyl::TSeekOrigin::soBeginning);
  const std::int64_t lines = zyl::CountLinesInStream(dst);
  std::printf("%lld lines\n", static_cast<long long>(lines));
  return n == 3 ? 0 : 1;
}
