// Library: zyl / Package: ZYL_htmlsupport / Module: htmlentities
#include "ZYL_htmlsupport/htmlentities.h"

#include "ZYL_htmlsupport/detail/charref.h"

namespace ZYL_htmlsupport {

const std::array<std::string_view, 96> HTMLLat1Entities{
    "&nbsp;",   "&iexcl;",  "&cent;",   "&pound;",  "&curren;", "&yen;",    "&brvbar;", "&sect;",
    "&uml;",    "&copy;",   "&ordf;",   "&laquo;",  "&not;",    "&shy;",    "&reg;",    "&macr;",
    "&deg;",    "&plusmn;", "&sup2;",   "&sup3;",   "&acute;",  "&micro;",  "&para;",   "&middot;",
    "&cedil;",  "&sup1;",   "&ordm;",   "&raquo;",  "&frac14;", "&frac12;", "&frac34;", "&iquest;",
    "&Agrave;", "&Aacute;", "&Acirc;",  "&Atilde;", "&Auml;",   "&Aring;",  "&AElig;",  "&Ccedil;",
    "&Egrave;", "&Eacute;", "&Ecirc;",  "&Euml;",   "&Igrave;", "&Iacute;", "&Icirc;",  "&Iuml;",
    "&ETH;",    "&Ntilde;", "&Ograve;", "&Oacute;", "&Ocirc;",  "&Otilde;", "&Ouml;",   "&times;",
    "&Oslash;", "&Ugrave;", "&Uacute;", "&Ucirc;",  "&Uuml;",   "&Yacute;", "&THORN;",  "&szlig;",
    "&agrave;", "&aacute;", "&acirc;",  "&atilde;", "&auml;",   "&aring;",  "&aelig;",  "&ccedil;",
    "&egrave;", "&eacute;", "&ecirc;",  "&euml;",   "&igrave;", "&iacute;", "&icirc;",  "&iuml;",
    "&eth;",    "&ntilde;", "&ograve;", "&oacute;", "&ocirc;",  "&otilde;", "&ouml;",   "&divide;",
    "&oslash;", "&ugrave;", "&uacute;", "&ucirc;",  "&uuml;",   "&yacute;", "&thorn;",  "&yuml;",
};

namespace {

// The reference MakeStringHTMLCompatible writes for C, or empty when C
// stays as it is.
std::string_view escape_of(Char C) noexcept {
  switch (C) {
    case u'&': return "&amp;";
    case u'<': return "&lt;";
    case u'>': return "&gt;";
    case u'"': return "&quot;";
    case u'\'': return "&#39;";
    default: return C >= 160 && C <= 255 ? HTMLLat1Entities[C - 160] : std::string_view{};
  }
}

void append_ascii(String& Out, std::string_view Ascii) { Out.append(Ascii.begin(), Ascii.end()); }

}  // namespace

String AnsiToHTMLEntity(Char C) {
  if (C == u'\'') return String(1, C);
  const std::string_view e = escape_of(C);
  return e.empty() ? String(1, C) : String(e.begin(), e.end());
}

String HTMLEntityToAnsi(const String& Text) {
  const auto ref = zyl::detail::read_char_ref(Text);
  if (!ref || ref->length != Text.size()) return Text;
  String out;
  zyl::detail::append_code_point(out, ref->code);
  return out;
}

String MakeStringHTMLCompatible(const String& Text) {
  String out;
  out.reserve(Text.size() + Text.size() / 8);
  std::size_t copied = 0;  // Text[0, copied) has been written
  for (std::size_t i = 0; i < Text.size(); ++i) {
    const std::string_view e = escape_of(Text[i]);
    if (e.empty()) continue;
    out.append(Text, copied, i - copied);
    append_ascii(out, e);
    copied = i + 1;
  }
  out.append(Text, copied);
  return out;
}

String ResolveHTMLEntities(const String& Text) {
  const std::u16string_view text(Text);
  String out;
  out.reserve(text.size());
  std::size_t copied = 0;
  std::size_t amp = text.find(u'&');
  while (amp != std::u16string_view::npos) {
    const auto ref = zyl::detail::read_char_ref(text.substr(amp));
    if (!ref) {
      amp = text.find(u'&', amp + 1);
      continue;
    }
    out.append(text.substr(copied, amp - copied));
    zyl::detail::append_code_point(out, ref->code);
    copied = amp + ref->length;
    amp = text.find(u'&', copied);
  }
  out.append(text.substr(copied));
  return out;
}

}  // namespace ZYL_htmlsupport
