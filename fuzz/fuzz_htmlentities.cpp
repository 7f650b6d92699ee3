// ResolveHTMLEntities and HTMLEntityToAnsi on any text: never longer than
// the input, and escaping then resolving gives the input back.
#include <cstdlib>

#include "ZYL_htmlsupport/htmlentities.h"
#include "html_fuzz_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
  using namespace ZYL_htmlsupport;
  const zyl::String text = html_fuzz_text(Data, Size);
  if (ResolveHTMLEntities(text).size() > text.size()) std::abort();
  const zyl::String one = HTMLEntityToAnsi(text);
  if (one.size() > text.size() || (one != text && one.size() > 2)) std::abort();
  if (ResolveHTMLEntities(MakeStringHTMLCompatible(text)) != text) std::abort();
  return 0;
}
