// Library: zyl / Package: ZYL_zylbase / Module: textlabel (XML form)
#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <optional>
#include <string>
#include <utility>

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
// sign before the exponent: 1.0000000000000000E+02. NaN and the infinities
// are written as NAN, INF and -INF, which the reader takes back.
String position_text(double v) {
  std::string s;
  if (std::isnan(v)) {
    s = "NAN";
  } else if (std::isinf(v)) {
    s = v < 0 ? "-INF" : "INF";
  } else {
    char buf[40];
    const auto r = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::scientific, 16);
    s.assign(buf, r.ptr);
    for (char& c : s)
      if (c == 'e') c = 'E';
  }
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

// The markup characters of a text as entities, so that reading gives back
// exactly the text written. In attribute values (Attribute true) the double
// quote and every control character are escaped too, so that a value never
// ends early and an opening tag stays on its line.
String escape_markup(const String& s, bool Attribute) {
  String out;
  for (zyl::Char c : s) {
    if (c == u'<') out += u"&lt;";
    else if (c == u'>') out += u"&gt;";
    else if (c == u'&') out += u"&amp;";
    else if (Attribute && c == u'"') out += u"&quot;";
    else if (Attribute && c < 32) out += u"&#" + ascii(std::to_string(c)) + u";";
    else out.push_back(c);
  }
  return out;
}

// The numeric character reference "&#N;" or "&#xH;" at the start of s:
// its code unit and length; nothing unless it names one UTF-16 code unit.
std::optional<std::pair<zyl::Char, std::size_t>> numeric_reference(std::u16string_view s) {
  if (!s.starts_with(u"&#")) return std::nullopt;
  const bool hex = s.size() > 2 && (s[2] == u'x' || s[2] == u'X');
  std::size_t i = hex ? 3 : 2;
  const std::size_t first = i;
  std::uint32_t v = 0;
  for (; i < s.size() && i - first < 6; ++i) {
    const zyl::Char c = s[i];
    int d;
    if (c >= u'0' && c <= u'9') d = c - u'0';
    else if (hex && c >= u'a' && c <= u'f') d = c - u'a' + 10;
    else if (hex && c >= u'A' && c <= u'F') d = c - u'A' + 10;
    else break;
    v = v * (hex ? 16u : 10u) + static_cast<std::uint32_t>(d);
  }
  if (i == first || i >= s.size() || s[i] != u';' || v > 0xFFFF) return std::nullopt;
  return std::pair{static_cast<zyl::Char>(v), i + 1};
}

// Resolves &lt; &gt; &amp; &quot; and numeric references; anything else
// (older files wrote texts unescaped) stays as it is.
String unescape_markup(std::u16string_view s) {
  static constexpr std::pair<std::u16string_view, zyl::Char> kNamed[] = {
      {u"&lt;", u'<'}, {u"&gt;", u'>'}, {u"&amp;", u'&'}, {u"&quot;", u'"'}};
  String out;
  std::size_t i = 0;
  while (i < s.size()) {
    const std::u16string_view rest = s.substr(i);
    std::size_t taken = 0;
    if (s[i] == u'&') {
      for (const auto& [entity, ch] : kNamed)
        if (rest.starts_with(entity)) {
          out.push_back(ch);
          taken = entity.size();
          break;
        }
      if (taken == 0)
        if (const auto ref = numeric_reference(rest)) {
          out.push_back(ref->first);
          taken = ref->second;
        }
    }
    if (taken == 0) {
      out.push_back(s[i]);
      taken = 1;
    }
    i += taken;
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

// A position: NAN, INF, +INF or -INF in any case (as written for those
// values), otherwise a number by the floating-point state machine. That
// machine limits its numbers to +-1.7e308; a whole value text beyond that
// limit (as written for the doubles up to the largest) is read exactly.
double parse_double(const String& v) {
  const String word = zyl::LowerCase(zyl::detail::trim_blanks(v));
  if (word == u"nan") return std::numeric_limits<double>::quiet_NaN();
  if (word == u"inf" || word == u"+inf") return std::numeric_limits<double>::infinity();
  if (word == u"-inf") return -std::numeric_limits<double>::infinity();
  const std::string b = value_bytes(v);
  zyl::detail::MemoryByteSource src(b);
  const double scanned = zyl::detail::scan_fpnum(src, true, zyl::detail::kDecEither);
  if (std::fabs(scanned) != 1.7e308) return scanned;
  const std::string whole = value_bytes(word);
  double exact = 0;
  const auto r = std::from_chars(whole.data(), whole.data() + whole.size(), exact);
  return r.ec == std::errc() && r.ptr == whole.data() + whole.size() ? exact : scanned;
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

// True when a line opens the wanted label element. The id is compared
// unescaped, so an id holding markup characters or line breaks is found.
bool opens_element(const String& Line, const String& WantedLower) {
  const String l = zyl::LowerCase(Line);
  if (l.find(u"<custtextlbl") == String::npos || l.find(u"zylcsuite") == String::npos) return false;
  if (WantedLower.empty()) return true;
  const std::size_t at = l.find(u"id=\"");
  if (at == String::npos) return false;
  const std::size_t from = at + 4;
  const std::size_t to = l.find(u'"', from);
  const String value = unescape_markup(std::u16string_view(l).substr(from, to == String::npos ? String::npos : to - from));
  return zyl::LowerCase(zyl::detail::trim_blanks(value)) == WantedLower;
}

}  // namespace

void TCustomTextLabel::WriteToOpenXMLFile(zyl::TextFile& F, bool Header, const String& Id, std::int32_t Indent) const {
  const String P(static_cast<std::size_t>(std::clamp(Indent, 1, 255)), u' ');
  if (Header) F.WriteLn(P + u"<?xml version=\"1.0\"?>");
  F.WriteLn();
  F.WriteLn(P + u"<!-- TCustomTextLabel / ZYL Component Suite -->");
  F.WriteLn(P + u"<custtextlbl sig=\"ZYLCSuite\" vers=\"1.0\" id=\"" + escape_markup(Id, true) + u"\">");
  F.WriteLn(P + u"  <posxy x=" + position_text(FPosX) + u" y=" + position_text(FPosY) + u" />");
  F.WriteLn(P + u"  <caption>" + escape_markup(FCaption, false) + u"</caption>");
  F.WriteLn(P + u"  <colors brd=$" + color_text(FColorBrd) + u" bg=$" + color_text(FColorBkg) + u" shdw=$" +
            color_text(FColorShadow) + u" />");
  F.WriteLn(P + u"  <shadowofs dx=" + int_text(FXShadow) + u" dy=" + int_text(FYShadow) + u" />");
  F.WriteLn(P + u"  <layer val=" + int_text(FLayer) + u" />");
  F.WriteLn(P + u"  <transparent val=" + (FTransPar ? u"1" : u"0") + u" />");
  F.WriteLn(P + u"  <visible val=" + (FVisible ? u"1" : u"0") + u" />");
  F.WriteLn(P + u"  <alignment horiz=" + String(xmlAlignment[static_cast<std::size_t>(FAlignment)]) + u" vert=" +
            String(xmlVerticalAlignment[static_cast<std::size_t>(FVertAlign)]) + u" />");
  F.WriteLn(P + u"  <attachmode val=" + String(xmlTxtLblAttachMode[static_cast<std::size_t>(FAttachDat)]) + u" />");
  F.WriteLn(P + u"  <font name=\"" + escape_markup(FFont.Name(), true) + u"\" size=" + int_text(FFont.Size()) + u" color=$" +
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
    FFont.SetName(unescape_markup(attr(u"name")));
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
    FCaption = unescape_markup(Content);
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
