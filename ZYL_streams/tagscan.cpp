// Library: zyl / Package: ZYL_streams / Module: tagscan
#include "ZYL_streams/tagscan.h"

#include <algorithm>

#include "ZYL_streams/streamio.h"
#include "ZYL_zylbase/detail/tagreader.h"
#include "ZYL_zylbase/detail/textfilesource.h"
#include "platform/bytereader.h"

namespace ZYL_streams {
namespace {

using zyl::detail::ContentsTail;
using zyl::detail::TagElement;
using zyl::detail::TextFileSource;

template <class Source>
std::int32_t read_next_tag(Source& Src, ContentsTail Tail, std::span<const String> Tags, String& Attributes,
                           String& Contents) {
  TagElement e = zyl::detail::read_element(Src, Tail);
  Attributes = std::move(e.attributes);
  Contents = std::move(e.contents);
  return zyl::detail::tag_index(e.name, Tags);
}

}  // namespace

std::int32_t ReadNextTagInStream(TStream& Stream, std::span<const String> Tags, String& Attributes,
                                 String& Contents) {
  zyl::detail::ByteReader reader(Stream);
  return read_next_tag(reader, ContentsTail::Keep, Tags, Attributes, Contents);
}

std::int32_t ReadNextTagInTextFile(zyl::TextFile& F, std::span<const String> Tags, String& Attributes,
                                   String& Contents) {
  Attributes.clear();
  Contents.clear();
  F.Eof();  // raises unless the file is open for reading, even at its end
  TextFileSource src(F);
  return read_next_tag(src, ContentsTail::DropUnterminated, Tags, Attributes, Contents);
}

String ScanForXMLAttrib(const String& Attributes, const String& Name) {
  return zyl::detail::scan_attribute(Attributes, Name);
}

bool ScanStreamForXMLTag(TStream& Stream, const String& TagName, String& Attributes, String& Contents) {
  const String wanted = zyl::LowerCase(TagName);
  Attributes.clear();
  Contents.clear();
  zyl::detail::ByteReader reader(Stream);
  for (;;) {
    TagElement e = zyl::detail::read_element(reader, ContentsTail::Keep);
    if (e.name.empty() && reader.window().empty() && !reader.refill()) return false;
    if (!e.name.empty() && e.name == wanted) {
      Attributes = std::move(e.attributes);
      Contents = std::move(e.contents);
      return true;
    }
  }
}

String ReadStreamUntilTagList(TStream& Stream, std::span<const String> Tags, std::int32_t& Index) {
  Index = -1;
  String text;
  std::int64_t tag_start = -1;
  std::int64_t offset = Stream.Position();
  {
    zyl::detail::ByteReader reader(Stream);
    zyl::Char c;
    while (reader.next(c)) {
      ++offset;
      if (c != u'<') {
        text.push_back(c);
        continue;
      }
      const std::size_t lt = text.size();
      text.push_back(c);
      while (reader.next(c)) {
        ++offset;
        text.push_back(c);
        if (c == u'>') break;
      }
      const TagElement e = zyl::detail::split_tag_text(std::u16string_view(text).substr(lt + 1));
      if (!e.terminated) continue;
      const auto hit = std::find(Tags.begin(), Tags.end(), e.name);
      if (hit != Tags.end()) {
        Index = static_cast<std::int32_t>(hit - Tags.begin());
        tag_start = offset - static_cast<std::int64_t>(text.size() - lt);
        text.resize(lt);
        break;
      }
    }
  }
  if (tag_start >= 0) Stream.SetPosition(tag_start);
  return text;
}

std::int32_t ExtractFromStream(TStream& Stream, zyl::TMemoryStream& Dest, const zyl::TStrings& Names) {
  std::vector<String> wanted;
  for (int i = 0; i < Names.Count(); ++i) wanted.push_back(zyl::LowerCase(Names.Get(i)));
  std::int32_t count = 0;
  String extracted;  // written once reading is done, so Dest may be Stream itself
  {
    zyl::detail::ByteReader reader(Stream);
    for (;;) {
      TagElement e = zyl::detail::read_element(reader, ContentsTail::Keep);
      if (e.name.empty() && reader.window().empty() && !reader.refill()) break;
      if (e.name.empty() || std::find(wanted.begin(), wanted.end(), e.name) == wanted.end()) continue;
      extracted += e.contents + u"\r\n";
      ++count;
    }
  }
  WriteStringStream(Dest, extracted);
  return count;
}

}  // namespace ZYL_streams
