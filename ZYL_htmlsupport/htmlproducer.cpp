// Library: zyl / Package: ZYL_htmlsupport / Module: htmlproducer
#include "ZYL_htmlsupport/htmlproducer.h"

#include "ZYL_stringl/strip.h"
#include "ZYL_streams/streamscan.h"
#include "platform/casemap.h"
#include "platform/savefile.h"
#include "platform/textfile.h"

namespace ZYL_htmlsupport {
namespace {

struct TagParts {
  std::size_t end;  // index of the closing ">", or the last index when unterminated
  String name;
  String params;
};

// Splits the tag that starts at Start ("<#") in Text.
TagParts split_tag(std::u16string_view Text, std::size_t Start) {
  const std::size_t close = Text.find(u'>', Start);
  TagParts t;
  t.end = close == std::u16string_view::npos ? Text.size() - 1 : close;
  // The tag's inside: behind "<#", up to the ">" (or everything when unterminated).
  const std::size_t inner_end = close == std::u16string_view::npos ? Text.size() : close;
  const std::u16string_view inner = Text.substr(Start + 2, inner_end - (Start + 2));
  const std::size_t blank = inner.find(u' ');
  t.name = zyl::LowerCase(inner.substr(0, blank));
  if (blank != std::u16string_view::npos) t.params = ZYL_stringl::StripLTBlanks(String(inner.substr(blank + 1)));
  return t;
}

}  // namespace

THtmlProducer::THtmlProducer(zyl::TComponent* AOwner) : zyl::TComponent(AOwner) {}

THtmlProducer::~THtmlProducer() = default;

void THtmlProducer::SetTemplate(const String& Value) { FTemplate = Value; }

void THtmlProducer::ReadTemplateFromFile(const String& FName) {
  FTemplate.clear();
  zyl::TextFile f;
  f.Assign(FName);
  f.Reset();
  String text;
  while (!f.Eof()) {
    text += f.ReadLn();
    text += u"\r\n";
  }
  f.CloseFile();
  FTemplate = std::move(text);
}

void THtmlProducer::ReadTemplateFromStream(zyl::TStream& InStream) {
  InStream.SetPosition(0);
  FTemplate = ZYL_streams::StreamAsString(InStream);
}

String THtmlProducer::Convert() {
  // A copy, so a handler that changes the template cannot pull it away
  // from under this loop.
  const String source = FTemplate;
  const std::u16string_view text(source);
  String result;
  result.reserve(text.size());
  std::size_t pos = 0;
  FSPos = 0;
  while (pos < text.size()) {
    // Copy up to the next "<#" in one piece.
    std::size_t lt = text.find(u'<', pos);
    while (lt != std::u16string_view::npos && (lt + 1 >= text.size() || text[lt + 1] != u'#'))
      lt = text.find(u'<', lt + 1);
    if (lt == std::u16string_view::npos) {
      result.append(text.substr(pos));
      pos = text.size();
      break;
    }
    result.append(text.substr(pos, lt - pos));
    const TagParts tag = split_tag(text, lt);
    String replacement(text.substr(lt, tag.end + 1 - lt));
    if (FOnHTMLTag) FOnHTMLTag(this, tag.name, tag.params, replacement);
    result += replacement;
    pos = tag.end + 1;
    FSPos = static_cast<std::int64_t>(pos);
  }
  FSPos = static_cast<std::int64_t>(pos);
  FConvertedHTML = std::move(result);
  return FConvertedHTML;
}

zyl::TStringStream& THtmlProducer::ConvertedHTMLAsStream() {
  FStrStream.reset();
  FStrStream = std::make_unique<zyl::TStringStream>(FConvertedHTML);
  return *FStrStream;
}

void THtmlProducer::WriteConvertedHTMLToFile(const String& FName) const {
  zyl::platform::save_file(FName, zyl::to_utf8(FConvertedHTML));
}

}  // namespace ZYL_htmlsupport
