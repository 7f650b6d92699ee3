// URLDecode on any text: never longer than the input, and decoding an
// encoded text without "%" gives it back.
#include <cstdlib>

#include "ZYL_htmlsupport/urlcoding.h"
#include "html_fuzz_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
  using namespace ZYL_htmlsupport;
  const zyl::String text = html_fuzz_text(Data, Size);
  if (URLDecode(text).size() > text.size()) std::abort();
  if (text.find(u'%') == zyl::String::npos && URLDecode(URLEncode(text)) != text) std::abort();
  (void)ExtractHTTPPath(text);
  return 0;
}
