// Library: zyl / Package: ZYL_zylbase / Module: tagreader (internal)
//
// The grammar of the XML-like and HTML-like markup that the library's tag
// readers share, written once over any character source: the readers of
// streams, open text files and strings differ only in where characters come
// from.
//
// Markup, as read here:
//   - text outside tags is skipped up to the next "<";
//   - the tag text is everything after "<" up to and including the next ">"
//     (or up to the end of the input: an unterminated tag);
//   - a tag text starting with "!" (a comment or a declaration) is skipped
//     whole; a comment holding ">" ends at that ">";
//   - the tag name is the text before the first blank (or before the final
//     ">" or "/>"), lower-cased (A-Z only); the attribute text is what lies
//     between the first blank and the final ">" or "/>", trimmed of blanks;
//   - an element ending in "/>" is empty, and so is a processing instruction
//     "<?name ...?>" (its name keeps the "?"); any other tag whose name does not
//     start with "/" has contents running up to the first "</name>" (any
//     case); nested elements of the same name are not counted.
//   - attribute texts are read pair by pair: name, "=", then a value that is
//     either quoted with double quotes (and may hold blanks and "=") or runs
//     up to the next blank or double quote.
//
// A character source is any type with
//   bool next(zyl::Char& c);   // the next character; false at the end
// Every function reads only as far as it needs and never past the end of its
// source, whatever the input.
//
// Example:
//   StringSource src(u"<!-- x --><A href=\"u v\">Link</a>");
//   TagElement e = read_element(src, ContentsTail::Keep);
//   // e.name == u"a", e.attributes == u"href=\"u v\"", e.contents == u"Link"
//   scan_attribute(e.attributes, u"HREF")   // == u"u v"
#pragma once

#include <concepts>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

#include "platform/casemap.h"
#include "platform/hoststring.h"

namespace zyl::detail {

template <class S>
concept TagCharSource = requires(S& s, Char& c) {
  { s.next(c) } -> std::convertible_to<bool>;
};

// A character source over a text, from a 0-based index that it advances.
class StringSource {
 public:
  explicit StringSource(std::u16string_view Text, std::size_t Pos = 0) : FText(Text), FPos(Pos) {}
  bool next(Char& c) {
    if (FPos >= FText.size()) return false;
    c = FText[FPos++];
    return true;
  }
  // The index of the next character to be read (the text's size at the end).
  std::size_t pos() const noexcept { return FPos; }

 private:
  std::u16string_view FText;
  std::size_t FPos;
};

// What to do with contents read after the last ">" when the input ends
// before the closing tag: keep them (streams, strings) or drop them (the open
// text file, which adds contents piece by piece, each ending with ">").
enum class ContentsTail : std::uint8_t { Keep, DropUnterminated };

// One tag as read: the lower-cased name, the attribute text and the contents
// (empty for empty elements, closing tags and declarations).
struct TagElement {
  String name;
  String attributes;
  String contents;
  bool empty_element = false;  // the tag ended in "/>"
  bool terminated = false;     // the tag's ">" was found before the end
};

// Removes blanks (code 32 only) at both ends.
inline std::u16string_view trim_blanks(std::u16string_view s) noexcept {
  while (!s.empty() && s.front() == u' ') s.remove_prefix(1);
  while (!s.empty() && s.back() == u' ') s.remove_suffix(1);
  return s;
}

// Skips to the next "<" and gathers the tag text after it, up to and
// including ">" (or to the end of the input), skipping tags that start with
// "!". Returns false (Text empty) when the input ends before a "<".
template <TagCharSource S>
bool read_tag_text(S& Src, String& Text) {
  Char c;
  for (;;) {
    Text.clear();
    do {
      if (!Src.next(c)) return false;
    } while (c != u'<');
    while (Src.next(c)) {
      Text.push_back(c);
      if (c == u'>') break;
    }
    if (Text.empty() || Text.front() != u'!') return true;
  }
}

// Splits a tag text (as read_tag_text gathers it) into name and attributes.
// An unterminated tag (no final ">") keeps every character it has.
inline TagElement split_tag_text(std::u16string_view Text) {
  TagElement e;
  e.terminated = !Text.empty() && Text.back() == u'>';
  std::u16string_view body = Text;
  if (e.terminated) {
    body.remove_suffix(1);
    // ">" is the first ">" read, so "/>" can only stand at the very end.
    // A processing instruction ("<?xml ... ?>") has no contents either:
    // reading it as an opening tag would swallow the rest of the document.
    const bool instruction = body.size() >= 2 && body.front() == u'?' && body.back() == u'?';
    if (instruction || (!body.empty() && body.back() == u'/')) {
      e.empty_element = true;
      body.remove_suffix(1);
    }
  }
  const std::size_t blank = body.find(u' ');
  if (blank == std::u16string_view::npos) {
    e.name = LowerCase(body);
  } else {
    e.name = LowerCase(body.substr(0, blank));
    e.attributes = String(trim_blanks(body.substr(blank + 1)));
  }
  return e;
}

// True when a tag of this name reads contents: not empty, not a closing tag.
inline bool has_contents(const TagElement& e) noexcept {
  return !e.empty_element && !e.name.empty() && e.name.front() != u'/';
}

// Appends characters to Contents up to the closing tag "</" + Name + ">"
// (Name lower-case; the tag matches in any case), which is read but not kept.
// Returns false when the input ends first; Contents then hold what was read
// (with ContentsTail::DropUnterminated, only up to the last ">").
template <TagCharSource S>
bool read_contents(S& Src, std::u16string_view Name, String& Contents, ContentsTail Tail) {
  const String closing = u"</" + String(Name) + u">";
  const std::size_t start = Contents.size();
  Char c;
  while (Src.next(c)) {
    Contents.push_back(c);
    if (c != u'>' || Contents.size() - start < closing.size()) continue;
    // Each ">" is tested as it arrives, so the first closing tag is always at
    // the end of what has been gathered.
    const std::size_t at = Contents.size() - closing.size();
    bool match = true;
    for (std::size_t i = 0; i < closing.size() && match; ++i) match = ascii_lower(Contents[at + i]) == closing[i];
    if (match) {
      Contents.resize(at);
      return true;
    }
  }
  if (Tail == ContentsTail::DropUnterminated) {
    const std::size_t gt = Contents.rfind(u'>');
    Contents.resize(gt == String::npos || gt < start ? start : gt + 1);
  }
  return false;
}

// Reads the next element: tag text, name, attributes and, for an opening tag,
// the contents. At the end of the input the name is empty. An unterminated
// tag has the name and attributes it holds and no contents (the input ended).
template <TagCharSource S>
TagElement read_element(S& Src, ContentsTail Tail) {
  String text;
  read_tag_text(Src, text);
  TagElement e = split_tag_text(text);
  if (has_contents(e)) read_contents(Src, e.name, e.contents, Tail);
  return e;
}

// The index of Name in Tags (entries compared as they stand, so they are
// expected in lower case); the highest index when no entry is equal, and -1
// for an empty list.
inline std::int32_t tag_index(std::u16string_view Name, std::span<const String> Tags) noexcept {
  for (std::size_t i = 0; i < Tags.size(); ++i)
    if (Tags[i] == Name) return static_cast<std::int32_t>(i);
  return static_cast<std::int32_t>(Tags.size()) - 1;
}

// The result of reading one attribute pair.
enum class AttributeStep : std::uint8_t { Pair, End, Malformed };

// Reads the attribute pair starting at the 0-based index Pos of Text and
// advances Pos behind the character that completed it. The name is trimmed
// of blanks; a quoted value loses its quotes and keeps everything inside; a
// name without "=" ends the text with an empty value. Returns End when Pos
// is at or beyond the end, Malformed for a double quote inside a name, an
// "=" right after "=" or an "=" inside an unquoted value.
inline AttributeStep next_attribute(std::u16string_view Text, std::size_t& Pos, String& Name, String& Value) {
  Name.clear();
  Value.clear();
  if (Pos >= Text.size()) return AttributeStep::End;
  enum { kName, kAfterEquals, kQuoted, kUnquoted } state = kName;
  bool complete = false;
  while (Pos < Text.size() && !complete) {
    const Char c = Text[Pos++];
    switch (state) {
      case kName:
        if (c == u'"') return AttributeStep::Malformed;
        if (c == u'=') state = kAfterEquals;
        else Name.push_back(c);
        break;
      case kAfterEquals:
        if (c == u'=') return AttributeStep::Malformed;
        if (c == u'"') state = kQuoted;
        else if (c != u' ') {
          Value.push_back(c);
          state = kUnquoted;
        }
        break;
      case kQuoted:
        if (c == u'"') complete = true;
        else Value.push_back(c);
        break;
      case kUnquoted:
        if (c == u'=') return AttributeStep::Malformed;
        if (c == u' ' || c == u'"') complete = true;
        else Value.push_back(c);
        break;
    }
  }
  Name = String(trim_blanks(Name));
  return AttributeStep::Pair;
}

// The value of the attribute called Wanted (any case) in an attribute text;
// empty when it is missing or the text is malformed before it.
inline String scan_attribute(std::u16string_view Text, std::u16string_view Wanted) {
  const String wanted = LowerCase(Wanted);
  std::size_t pos = 0;
  String name, value;
  while (next_attribute(Text, pos, name, value) == AttributeStep::Pair)
    if (LowerCase(name) == wanted) return value;
  return String();
}

}  // namespace zyl::detail
