// Library: zyl / Package: ZYL_stringl / Module: tagstring
#include "ZYL_stringl/tagstring.h"

#include <algorithm>

#include "ZYL_zylbase/detail/tagreader.h"

namespace ZYL_stringl {
namespace {

using zyl::detail::StringSource;

StringSource source_at(const String& text, int pos) {
  return StringSource(text, std::min(static_cast<std::size_t>(std::max(pos, 1) - 1), text.size()));
}

int position_after(const StringSource& src) { return static_cast<int>(src.pos() + 1); }

}  // namespace

std::int32_t ReadNextTagInString(const String& Text, int& Pos, std::span<const String> Tags, String& Attributes,
                                 String& Contents) {
  StringSource src = source_at(Text, Pos);
  zyl::detail::TagElement e = zyl::detail::read_element(src, zyl::detail::ContentsTail::Keep);
  Pos = position_after(src);
  Attributes = std::move(e.attributes);
  Contents = std::move(e.contents);
  return zyl::detail::tag_index(e.name, Tags);
}

std::int32_t DetectNextTagInString(const String& Text, int& Pos, int& TagStart, std::span<const String> Tags,
                                   String& Attributes, bool& InList) {
  StringSource src = source_at(Text, Pos);
  String tag_text;
  const bool found = zyl::detail::read_tag_text(src, tag_text);
  Pos = position_after(src);
  if (!found) {
    TagStart = 0;
    Attributes.clear();
    InList = false;
    return zyl::detail::tag_index(u"", Tags);
  }
  // The tag text is everything read after its "<", which stands just before it.
  TagStart = Pos - 1 - static_cast<int>(tag_text.size());
  zyl::detail::TagElement e = zyl::detail::split_tag_text(tag_text);
  Attributes = std::move(e.attributes);
  InList = std::find(Tags.begin(), Tags.end(), e.name) != Tags.end();
  return zyl::detail::tag_index(e.name, Tags);
}

}  // namespace ZYL_stringl
