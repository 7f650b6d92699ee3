// Library: zyl / Package: ZYL_htmlsupport / Module: markupscan
#include "ZYL_htmlsupport/detail/markupscan.h"

#include <array>

namespace zyl::detail {
namespace {

bool is_ascii_letter(char16_t c) noexcept { return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z'); }
bool is_space(char16_t c) noexcept { return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r' || c == u'\f'; }
char16_t ascii_lower(char16_t c) noexcept { return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c + 32) : c; }

// Elements whose content is not markup: it runs to their end tag.
constexpr std::array<std::u16string_view, 4> kRawTextElements{u"script", u"style", u"title", u"textarea"};

// True when Text at Pos holds "</" + Name (any case) followed by a blank,
// "/", ">" or the end of the text.
bool is_end_tag_of(std::u16string_view Text, std::size_t Pos, std::u16string_view Name) noexcept {
  if (Text.size() - Pos < Name.size() + 2 || Text[Pos] != u'<' || Text[Pos + 1] != u'/') return false;
  for (std::size_t i = 0; i < Name.size(); ++i)
    if (ascii_lower(Text[Pos + 2 + i]) != Name[i]) return false;
  const std::size_t after = Pos + 2 + Name.size();
  return after == Text.size() || is_space(Text[after]) || Text[after] == u'/' || Text[after] == u'>';
}

}  // namespace

// The position of the next "<" at or after From that starts markup, or the
// end of the text.
std::size_t MarkupScanner::find_markup(std::size_t From) const {
  for (std::size_t p = FText.find(u'<', From); p != std::u16string_view::npos; p = FText.find(u'<', p + 1)) {
    if (p + 1 >= FText.size()) break;
    const char16_t c = FText[p + 1];
    if (is_ascii_letter(c) || c == u'!' || c == u'?' || (c == u'/' && p + 2 < FText.size() && is_ascii_letter(FText[p + 2])))
      return p;
  }
  return FText.size();
}

void MarkupScanner::read_raw_text(MarkupToken& Token, std::size_t Start) {
  std::size_t p = Start;
  while ((p = FText.find(u'<', p)) != std::u16string_view::npos && !is_end_tag_of(FText, p, FRawEnd)) ++p;
  Token.kind = MarkupKind::RawText;
  Token.begin = Start;
  Token.end = p == std::u16string_view::npos ? FText.size() : p;
  FRawEnd.clear();
}

// Reads the tag, comment or declaration at Start (a "<" that find_markup
// accepted).
void MarkupScanner::read_tag(MarkupToken& Token, std::size_t Start) {
  Token.begin = Start;
  const char16_t c = FText[Start + 1];
  if (c == u'!' || c == u'?') {
    Token.kind = MarkupKind::Comment;
    const bool dashes = FText.substr(Start, 4) == u"<!--";
    const std::size_t close = dashes ? FText.find(u"-->", Start + 4) : FText.find(u'>', Start + 2);
    Token.end = close == std::u16string_view::npos ? FText.size() : close + (dashes ? 3 : 1);
    return;
  }
  const bool end_tag = c == u'/';
  Token.kind = end_tag ? MarkupKind::EndTag : MarkupKind::StartTag;
  std::size_t p = Start + (end_tag ? 2 : 1);
  while (p < FText.size() && !is_space(FText[p]) && FText[p] != u'/' && FText[p] != u'>') {
    Token.name += ascii_lower(FText[p]);
    ++p;
  }
  // Attributes: a ">" inside a quoted value (a quote right after "=")
  // does not end the tag.
  bool value_next = false;
  for (; p < FText.size(); ++p) {
    const char16_t ch = FText[p];
    if (ch == u'>') break;
    if (ch == u'=') {
      value_next = true;
    } else if (value_next && (ch == u'"' || ch == u'\'')) {
      const std::size_t close = FText.find(ch, p + 1);
      p = close == std::u16string_view::npos ? FText.size() - 1 : close;
      value_next = false;
    } else if (!is_space(ch)) {
      value_next = false;
    }
  }
  Token.end = p < FText.size() ? p + 1 : FText.size();
  if (!end_tag) {
    for (const std::u16string_view raw : kRawTextElements)
      if (Token.name == raw) FRawEnd = raw;
  }
}

bool MarkupScanner::next(MarkupToken& Token) {
  Token.name.clear();
  if (FPos >= FText.size()) return false;
  if (!FRawEnd.empty()) {
    read_raw_text(Token, FPos);
    if (Token.end > Token.begin) {
      FPos = Token.end;
      return true;
    }
  }
  const std::size_t markup = find_markup(FPos);
  if (markup > FPos) {
    Token.kind = MarkupKind::Text;
    Token.begin = FPos;
    Token.end = markup;
  } else {
    read_tag(Token, FPos);
  }
  FPos = Token.end;
  return true;
}

}  // namespace zyl::detail
