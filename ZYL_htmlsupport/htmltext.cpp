// Library: zyl / Package: ZYL_htmlsupport / Module: htmltext
#include "ZYL_htmlsupport/htmltext.h"

#include <array>
#include <string_view>

#include "ZYL_htmlsupport/detail/markupscan.h"
#include "ZYL_htmlsupport/htmlentities.h"
#include "ZYL_stringl/charclass.h"

namespace ZYL_htmlsupport {
namespace {

using zyl::detail::MarkupKind;
using zyl::detail::MarkupScanner;
using zyl::detail::MarkupToken;

bool is_html_space(Char c) noexcept { return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r' || c == u'\f'; }

constexpr std::array<std::u16string_view, 6> kHeadings{u"h1", u"h2", u"h3", u"h4", u"h5", u"h6"};

bool is_heading(const std::u16string& Name) {
  for (const auto h : kHeadings)
    if (Name == h) return true;
  return false;
}

bool breaks_line(const MarkupToken& Tag) {
  const std::u16string& n = Tag.name;
  if (Tag.kind == MarkupKind::StartTag) return n == u"br" || n == u"p" || n == u"li" || n == u"tr" || is_heading(n);
  return n == u"p" || is_heading(n);
}

// Builds the plain text: collapses white space, writes line breaks and keeps
// preformatted text as it is.
class PlainTextWriter {
 public:
  explicit PlainTextWriter(Char LineBreak) : FLineBreak(LineBreak) {}

  // A line break from a tag; none before the first text.
  void line_break() {
    FPendingBlank = false;
    if (!FOut.empty()) write_break();
  }

  void blank() { FPendingBlank = !FAtLineStart; }

  // Text as a browser shows it outside <pre>.
  void flowing(std::u16string_view Text) {
    for (const Char c : Text) {
      if (is_html_space(c)) {
        blank();
        continue;
      }
      if (FPendingBlank) FOut += u' ';
      FPendingBlank = false;
      FAtLineStart = false;
      FOut += c;
    }
  }

  // Text inside <pre>: every character kept, CR LF, CR and LF as line breaks.
  void preformatted(std::u16string_view Text) {
    if (FPendingBlank) FOut += u' ';
    FPendingBlank = false;
    for (std::size_t i = 0; i < Text.size(); ++i) {
      const Char c = Text[i];
      if (c == u'\r' || c == u'\n') {
        if (c == u'\r' && i + 1 < Text.size() && Text[i + 1] == u'\n') ++i;
        write_break();
        continue;
      }
      FOut += c;
      FAtLineStart = false;
    }
  }

  String take() { return std::move(FOut); }

 private:
  void write_break() {
    if (FLineBreak == u'\r') FOut += u'\r';
    FOut += FLineBreak == u'\r' ? u'\n' : FLineBreak;
    FAtLineStart = true;
  }

  Char FLineBreak;
  String FOut;
  bool FPendingBlank = false;
  bool FAtLineStart = true;
};

}  // namespace

int CountWordsHTML(const String& Text, bool SkipNumbers, bool& InTag) {
  int words = 0;
  std::size_t run = 0;
  bool run_is_number = false;
  for (const Char c : Text) {
    if (c == u'<') {
      InTag = true;
      continue;
    }
    if (c == u'>') {
      InTag = false;
    } else if (InTag) {
      continue;
    }
    if (!ZYL_stringl::is_word_sep(c)) {
      if (run == 0) run_is_number = ZYL_stringl::IsDigit(c);
      ++run;
      continue;
    }
    if (run >= 2 && !(SkipNumbers && run_is_number)) ++words;
    run = 0;
  }
  return words;
}

String ExtractHTMLBody(const String& Text) {
  MarkupScanner scanner(Text);
  MarkupToken token;
  std::size_t begin = String::npos;
  while (scanner.next(token)) {
    if (begin == String::npos) {
      if (token.kind == MarkupKind::StartTag && token.name == u"body") begin = token.end;
    } else if (token.kind == MarkupKind::EndTag && token.name == u"body") {
      return Text.substr(begin, token.begin - begin);
    }
  }
  return begin == String::npos ? Text : Text.substr(begin);
}

String ConvertHTMLBodyToText(const String& Text, Char LineBreak) {
  const String body = ExtractHTMLBody(Text);
  const std::u16string_view view(body);
  PlainTextWriter out(LineBreak);
  MarkupScanner scanner(view);
  MarkupToken token;
  int pre_depth = 0;
  bool in_head = false;
  while (scanner.next(token)) {
    switch (token.kind) {
      case MarkupKind::Text: {
        if (in_head) break;
        const String text = ResolveHTMLEntities(String(view.substr(token.begin, token.end - token.begin)));
        if (pre_depth > 0) {
          out.preformatted(text);
        } else {
          out.flowing(text);
        }
        break;
      }
      case MarkupKind::StartTag:
      case MarkupKind::EndTag: {
        const bool start = token.kind == MarkupKind::StartTag;
        if (token.name == u"head") in_head = start;
        if (token.name == u"pre") pre_depth = start ? pre_depth + 1 : (pre_depth > 0 ? pre_depth - 1 : 0);
        if (in_head) break;
        if (breaks_line(token)) {
          out.line_break();
        } else if (start && (token.name == u"td" || token.name == u"th")) {
          out.blank();
        }
        break;
      }
      case MarkupKind::Comment:
      case MarkupKind::RawText:
        break;
    }
  }
  return out.take();
}

}  // namespace ZYL_htmlsupport
