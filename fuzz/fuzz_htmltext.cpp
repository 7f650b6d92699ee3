// The page-text functions on any text: the body is a piece of the input,
// the plain text at most twice as long as the input, and word counting
// never counts more words than half the characters.
#include <cstdlib>

#include "ZYL_htmlsupport/htmltext.h"
#include "html_fuzz_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
  using namespace ZYL_htmlsupport;
  const zyl::String text = html_fuzz_text(Data, Size);
  const zyl::String body = ExtractHTMLBody(text);
  if (text.find(body) == zyl::String::npos) std::abort();
  for (const char16_t line_break : {u'\n', u'\r'})
    if (ConvertHTMLBodyToText(text, line_break).size() > 2 * text.size()) std::abort();
  bool in_tag = Size > 0 && (Data[0] & 2) != 0;
  if (static_cast<std::size_t>(CountWordsHTML(text, Size > 0 && (Data[0] & 4), in_tag)) > text.size() / 2)
    std::abort();
  return 0;
}
