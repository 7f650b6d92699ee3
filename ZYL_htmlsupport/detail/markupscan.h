// Library: zyl / Package: ZYL_htmlsupport / Module: markupscan
//
// MarkupScanner: cuts HTML text into text, tags, comments and the raw
// content of script, style, title and textarea elements, the way a browser's
// tokenizer does, but without building anything. It never fails: any text is
// some sequence of tokens, and the tokens cover the text without gaps.
//
//   "<p class='a>b'>x &amp; y<!-- c --></P>"
//     StartTag "p" | Text "x &amp; y" | Comment | EndTag "p"
//   "<script>if (a<b) {}</script>"  StartTag "script" | RawText | EndTag "script"
//   "a < b"  Text "a < b" ("<" not followed by a letter, "/", "!" or "?")
//   "<p"     StartTag "p" running to the end of the text
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace zyl::detail {

enum class MarkupKind { Text, StartTag, EndTag, Comment, RawText };

struct MarkupToken {
  MarkupKind kind = MarkupKind::Text;
  std::size_t begin = 0;  // first character of the token in the text
  std::size_t end = 0;    // one past its last character
  std::u16string name;    // tag name in lower case (tags only)
};

class MarkupScanner {
 public:
  explicit MarkupScanner(std::u16string_view Text) : FText(Text) {}

  // The next token; false at the end of the text.
  bool next(MarkupToken& Token);

 private:
  void read_tag(MarkupToken& Token, std::size_t Start);
  void read_raw_text(MarkupToken& Token, std::size_t Start);
  std::size_t find_markup(std::size_t From) const;

  std::u16string_view FText;
  std::size_t FPos = 0;
  std::u16string FRawEnd;  // the element whose raw content comes next, or empty
};

}  // namespace zyl::detail
