// Library: zyl / Package: ZYL_zylbase / Module: textlabel (XML form)
#include <algorithm>
#include <charconv>
#include <string>

#include "platform/casemap.h"
#include "ZYL_zylbase/detail/numberscan.h"
#include "ZYL_zylbase/detail/tagreader.h"
#include "ZYL_zylbase/detail/textfilesource.h"
#include "ZYL_zylbase/nametables.h"
#include "ZYL_zylbase/textlabel.h"

namespace ZYL_zylbase {
namespace {

using zyl::String;

String ascii(std::string_view s) { return zyl::from_latin1(s); }

// Positions with 17 significant digits (exact for every double), "E" and a
// sign before the exponent: 1.0000000000000000E+02.
String position_text(double v) {
  char buf[40];
  const auto r = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::scientific, 16);
  std::string s(buf, r.ptr);
  for (char& c : s)
    if (c == 'e') c = 'E';
  if (s.size() < 12) s.insert(0, 12 - s.size(), ' ');
  return ascii(s);
}

// The low 24 bits of a TColor as 6 upper-case hexadecimal digits.
String color_text(zyl::TColor c) {
  static constexpr char digits[] = "0123456789ABCDEF";
  std::string s(6, '0');
  for (int i = 5; i >= 0; --i, c >>= 4) s[static_cast<std::size_t>(i)] = digits[c & 15];
  return ascii(s);
}

String int_text(std::int64_t v) { return ascii(std::to_string(v)); }

// A caption's three markup characters as entities, so that reading gives
// back exactly the caption written.
String escape_caption(const String& s) {
  String out;
  for (zyl::Char c : s) {
    if (c == u'<') out += u"&lt;";
    else if (c == u'>') out += u"&gt;";
    else if (c == u'&') out += u"&amp;";
    else out.push_back(c);
  }
  return out;
}

// Resolves exactly &lt; &gt; &amp;; anything else stays as it is.
String unescape_caption(const String& s) {
  String out;
  for (std::size_t i = 0; i < s.size(); ++i) {
    const std::u16string_view rest = std::u16string_view(s).substr(i);
    if (rest.starts_with(u"&lt;")) out.push_back(u'<'), i += 3;
    else if (rest.starts_with(u"&gt;")) out.push_back(u'>'), i += 3;
    else if (rest.starts_with(u"&amp;")) out.push_back(u'&'), i += 4;
    else out.push_back(s[i]);
  }
  return out;
}

String font_styles_text(zyl::TFontStyles st) {
  String out;
  for (int i = 0; i < 4; ++i)
    if (st.Contains(static_cast<zyl::TFontStyle>(i))) {
      if (!out.empty()) out.push_back(u' ');
      out += String(xmlFontStyle[static_cast<std::size_t>(i)]);
    }
  return out;
}

// The bytes of a value for the number scanners (characters above 255 can
// only end a number).
std::string value_bytes(const String& v) {
  std::string b;
  for (zyl::Char c : v) b.push_back(c < 256 ? static_cast<char>(c) : '?');
  return b;
}

double parse_double(const String& v) {
  const std::string b = value_bytes(v);
  zyl::detail::MemoryByteSource src(b);
  return zyl::detail::scan_fpnum(src, true, zyl::detail::kDecEither);
}

std::int32_t parse_int(const String& v) {
  std::size_t i = 0;
  while (i < v.size() && v[i] == u' ') ++i;
  bool negative = false;
  if (i < v.size() && (v[i] == u'+' || v[i] == u'-')) negative = v[i++] == u'-';
  std::uint32_t n = 0;  // wraps in 32 bits, as the host's integers do
  for (; i < v.size() && v[i] >= u'0' && v[i] <= u'9'; ++i) n = n * 10u + static_cast<std::uint32_t>(v[i] - u'0');
  return static_cast<std::int32_t>(negative ? 0u - n : n);
}

zyl::TColor parse_hex(const String& v) {
  std::size_t i = 0;
  while (i < v.size() && v[i] == u' ') ++i;
  if (i < v.size() && v[i] == u'$') ++i;
  zyl::TColor n = 0;
  for (; i < v.size(); ++i) {
    const zyl::Char c = v[i];
    int d;
    if (c >= u'0' && c <= u'9') d = c - u'0';
    else if (c >= u'a' && c <= u'f') d = c - u'a' + 10;
    else if (c >= u'A' && c <= u'F') d = c - u'A' + 10;
    else break;
    n = n * 16u + static_cast<zyl::TColor>(d);
  }
  return n;
}

// Sets Field to the enumeration whose name in Table equals Value exactly;
// leaves it unchanged when none does.
template <class E, std::size_t N>
void lookup(const TNameTable<N>& Table, const String& Value, E& Field) {
  const auto it = std::find(Table.begin(), Table.end(), std::u16string_view(Value));
  if (it != Table.end()) Field = static_cast<E>(it - Table.begin());
}

// True when a line opens the wanted label element.
bool opens_element(const String& Line, const String& WantedLower) {
  const String l = zyl::LowerCase(Line);
  if (l.find(u"<custtextlbl") == String::npos || l.find(u"zylcsuite") == String::npos) return false;
  if (WantedLower.empty()) return true;
  const std::size_t at = l.find(u"id=\"");
  if (at == String::npos) return false;
  const std::size_t from = at + 4;
  const std::size_t to = l.find(u'"', from);
  const String value(l.substr(from, to == String::npos ? String::npos : to - from));
  return zyl::detail::trim_blanks(value) == WantedLower;
}

}  // namespace

void TCustomTextLabel::WriteToOpenXMLFile(zyl::TextFile& F, bool Header, const String& Id, std::int32_t Indent) const {
  const String P(static_cast<std::size_t>(std::clamp(Indent, 1, 255)), u' ');
  if (Header) F.WriteLn(P + u"<?xml version=\"1.0\"?>");
  F.WriteLn();
  F.WriteLn(P + u"<!-- TCustomTextLabel / ZYL Component Suite -->");
  F.WriteLn(P + u"<custtextlbl sig=\"ZYLCSuite\" vers=\"1.0\" id=\"" + Id + u"\">");
  F.WriteLn(P + u"  <posxy x=" + position_text(FPosX) + u" y=" + position_text(FPosY) + u" />");
  F.WriteLn(P + u"  <caption>" + escape_caption(FCaption) + u"</caption>");
  F.WriteLn(P + u"  <colors brd=$" + color_text(FColorBrd) + u" bg=$" + color_text(FColorBkg) + u" shdw=$" +
            color_text(FColorShadow) + u" />");
  F.WriteLn(P + u"  <shadowofs dx=" + int_text(FXShadow) + u" dy=" + int_text(FYShadow) + u" />");
  F.WriteLn(P + u"  <layer val=" + int_text(FLayer) + u" />");
  F.WriteLn(P + u"  <transparent val=" + (FTransPar ? u"1" : u"0") + u" />");
  F.WriteLn(P + u"  <visible val=" + (FVisible ? u"1" : u"0") + u" />");
  F.WriteLn(P + u"  <alignment horiz=" + String(xmlAlignment[static_cast<std::size_t>(FAlignment)]) + u" vert=" +
            String(xmlVerticalAlignment[static_cast<std::size_t>(FVertAlign)]) + u" />");
  F.WriteLn(P + u"  <attachmode val=" + String(xmlTxtLblAttachMode[static_cast<std::size_t>(FAttachDat)]) + u" />");
  F.WriteLn(P + u"  <font name=\"" + FFont.Name() + u"\" size=" + int_text(FFont.Size()) + u" color=$" +
            color_text(FFont.Color()) + u" style=\"" + font_styles_text(FFont.Style()) + u"\" />");
  F.WriteLn(P + u"  <style val=" + String(xmlTxtLblMode[static_cast<std::size_t>(FMode)]) + u" />");
  F.WriteLn(P + u"</custtextlbl>");
}

void TCustomTextLabel::apply_tag(const String& Name, const String& Attributes, const String& Content) {
  using zyl::detail::scan_attribute;
  const auto attr = [&](std::u16string_view a) { return scan_attribute(Attributes, a); };
  if (Name == u"posxy") {
    FPosX = parse_double(attr(u"x"));
    FPosY = parse_double(attr(u"y"));
  } else if (Name == u"colors") {
    FColorBrd = parse_hex(attr(u"brd"));
    FColorBkg = parse_hex(attr(u"bg"));
    FColorShadow = parse_hex(attr(u"shdw"));
  } else if (Name == u"shadowofs") {
    FXShadow = parse_int(attr(u"dx"));
    FYShadow = parse_int(attr(u"dy"));
  } else if (Name == u"layer") {
    FLayer = parse_int(attr(u"val"));
  } else if (Name == u"transparent") {
    FTransPar = parse_int(attr(u"val")) == 1;
  } else if (Name == u"visible") {
    FVisible = parse_int(attr(u"val")) == 1;
  } else if (Name == u"alignment") {
    lookup(xmlAlignment, attr(u"horiz"), FAlignment);
    lookup(xmlVerticalAlignment, attr(u"vert"), FVertAlign);
  } else if (Name == u"attachmode") {
    lookup(xmlTxtLblAttachMode, attr(u"val"), FAttachDat);
  } else if (Name == u"font") {
    FFont.SetName(attr(u"name"));
    FFont.SetSize(parse_int(attr(u"size")));
    FFont.SetColor(parse_hex(attr(u"color")));
    zyl::TFontStyles styles;
    const String names = attr(u"style");
    std::size_t pos = 0;
    while (pos <= names.size()) {
      const std::size_t end = std::min(names.find(u' ', pos), names.size());
      const std::u16string_view word = std::u16string_view(names).substr(pos, end - pos);
      const auto it = std::find(xmlFontStyle.begin(), xmlFontStyle.end(), word);
      if (it != xmlFontStyle.end()) styles.Include(static_cast<zyl::TFontStyle>(it - xmlFontStyle.begin()));
      pos = end + 1;
    }
    FFont.SetStyle(styles);
  } else if (Name == u"style") {
    lookup(xmlTxtLblMode, attr(u"val"), FMode);
  } else if (Name == u"caption") {
    FCaption = unescape_caption(Content);
  }
}

bool TCustomTextLabel::ReadFromOpenXMLFile(zyl::TextFile& F, const String& Id) {
  const String wanted = zyl::LowerCase(zyl::detail::trim_blanks(Id));
  bool found = false;
  while (!found && !F.Eof()) found = opens_element(F.ReadLn(), wanted);
  if (!found) return false;

  zyl::detail::TextFileSource src(F);
  bool closed = false;
  zyl::Char c;
  while (!closed) {
    // Skip to "<", then gather the tag text up to and including ">".
    bool lt = false;
    while (!lt && src.next(c)) lt = c == u'<';
    if (!lt) break;
    String text;
    bool gt = false;
    while (!gt && src.next(c)) {
      text.push_back(c);
      gt = c == u'>';
    }
    if (!gt) break;
    String name, attributes, content;
    const std::size_t blank = text.find(u' ');
    if (text.find(u"/>") != String::npos) {
      const std::size_t end = text.rfind(u"/>");
      name = text.substr(0, std::min(blank, end));
      if (blank != String::npos && blank < end)
        attributes = String(zyl::detail::trim_blanks(std::u16string_view(text).substr(blank + 1, end - blank - 1)));
    } else {
      const std::size_t end = text.size() - 1;  // the ">"
      name = text.substr(0, std::min(blank, end));
      if (blank != String::npos)
        attributes = String(zyl::detail::trim_blanks(std::u16string_view(text).substr(blank + 1, end - blank - 1)));
      // A closing tag has no content: reading on would swallow what follows
      // the element (or hit the end of a file that ends with it).
      if (name.empty() || name.front() != u'/') {
        bool end_found = false;
        while (!end_found && src.next(c)) {
          content.push_back(c);
          end_found = c == u'>';
        }
        const std::size_t close = content.find(u"</");
        if (close != String::npos) content.resize(close);
      }
    }
    name = zyl::LowerCase(name);
    if (name == u"/custtextlbl") closed = true;
    else apply_tag(name, attributes, content);
  }
  Changed();
  return closed;
}

}  // namespace ZYL_zylbase
