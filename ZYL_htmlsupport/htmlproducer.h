// Library: zyl / Package: ZYL_htmlsupport / Module: htmlproducer
//
// THtmlProducer: fills an HTML template. Convert copies the template and
// hands every tag of the form <#name parameters> to the OnHTMLTag event,
// whose Replacement takes the tag's place in the result.
//
// Tags, with positions counted in the template:
//   - a tag starts at "<" directly followed by "#" and ends at the first ">"
//     after it, or at the end of the template when there is none;
//   - the name runs from behind "#" to the first blank or the closing ">",
//     and is lower-cased (A-Z only); the parameters are what lies between
//     that blank and the closing ">", without leading and trailing blanks;
//   - tags do not nest: a "<" inside a tag is part of its parameters;
//   - Replacement starts as the tag's own text, so a tag the handler leaves
//     alone (or every tag, without a handler) stays in the page unchanged;
//   - every other character, ordinary HTML tags included, is copied.
// The replacement is not scanned again: a handler may return text holding
// "<#" without starting a loop.
//
// Example:
//   THtmlProducer p(nullptr);
//   p.SetTemplate(u"<p><#date fmt=short></p>");
//   p.SetOnHTMLTag([](zyl::TObject*, zyl::String Name, zyl::String Params, zyl::String& Repl) {
//     if (Name == u"date") Repl = u"1.1.2000";      // Params == u"fmt=short"
//   });
//   p.Convert()   // == u"<p>1.1.2000</p>", also p.ConvertedHTML()
#pragma once

#include <cstdint>
#include <functional>
#include <memory>

#include "platform/component.h"
#include "platform/stream.h"
#include "platform/stringstream.h"

namespace ZYL_htmlsupport {

using zyl::Char;
using zyl::String;

// The tag handler: Sender is the producer, TagName the lower-cased name,
// Params the stripped parameters; Replacement holds the tag's text on entry
// and the text to put in its place on return.
using TOnHTMLTagEvent =
    std::function<void(zyl::TObject* Sender, String TagName, String Params, String& Replacement)>;

class ZYL_API THtmlProducer : public zyl::TComponent {
 public:
  // Empty template and result, no handler, no stream handed out.
  explicit THtmlProducer(zyl::TComponent* AOwner);
  ~THtmlProducer() override;

  const String& Template() const noexcept { return FTemplate; }
  void SetTemplate(const String& Value);

  const TOnHTMLTagEvent& OnHTMLTag() const noexcept { return FOnHTMLTag; }
  void SetOnHTMLTag(TOnHTMLTagEvent Value) { FOnHTMLTag = std::move(Value); }

  // The result of the last Convert (empty before the first).
  const String& ConvertedHTML() const noexcept { return FConvertedHTML; }

  // Makes the template the lines of the text file FName (UTF-8, or Latin-1
  // where the bytes are not UTF-8), each followed by CR LF, the last one
  // too: lines "a" and "b" give u"a\r\nb\r\n". The template is cleared
  // first; a file that cannot be opened or read raises EInOutError and leaves
  // the template empty.
  void ReadTemplateFromFile(const String& FName);

  // Makes the template the whole of InStream, read from position 0 as
  // UTF-16 (little-endian) text by StreamAsString. Stream errors pass through.
  void ReadTemplateFromStream(zyl::TStream& InStream);

  // Converts the template from its start, stores the result in
  // ConvertedHTML and returns it. The handler may change the template or call
  // Convert itself: this call keeps working on the template as it was when it
  // began. An exception from the handler passes through and leaves
  // ConvertedHTML as it was.
  String Convert();

  // A new TStringStream holding ConvertedHTML as UTF-8, at position 0. The
  // producer owns it: it stays valid until the next call of this function or
  // the producer's destruction, whichever comes first; do not delete it.
  zyl::TStringStream& ConvertedHTMLAsStream();

  // Writes ConvertedHTML, unchanged and as UTF-8, as the whole content of the
  // file FName (created or replaced; no line end is added). The file is
  // replaced in one step, so a failure (EInOutError) leaves an existing file
  // as it was.
  void WriteConvertedHTMLToFile(const String& FName) const;

 private:
  String FTemplate;
  TOnHTMLTagEvent FOnHTMLTag;
  std::int64_t FSPos = 0;  // characters of the template consumed by Convert
  String FConvertedHTML;
  std::unique_ptr<zyl::TStringStream> FStrStream;
};

}  // namespace ZYL_htmlsupport
