// THtmlProducer::Convert on any template, the handler answering with the
// name and parameters it was given. Each tag's answer is no longer than the
// tag ("<#" and the blank are dropped, the name only lower-cased), so the
// page is never longer than the template; without a handler it is the
// template itself.
#include <cstdlib>

#include "ZYL_htmlsupport/htmlproducer.h"
#include "html_fuzz_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
  const zyl::String tmpl = html_fuzz_text(Data, Size);
  ZYL_htmlsupport::THtmlProducer p(nullptr);
  p.SetTemplate(tmpl);
  if (p.Convert() != tmpl) std::abort();
  p.SetOnHTMLTag([](zyl::TObject*, zyl::String Name, zyl::String Params, zyl::String& Replacement) {
    if (Replacement.size() < 2 || Replacement[0] != u'<' || Replacement[1] != u'#') std::abort();
    Replacement = Name + Params;
  });
  if (p.Convert().size() > tmpl.size()) std::abort();
  return 0;
}
