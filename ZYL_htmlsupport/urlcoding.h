// Library: zyl / Package: ZYL_htmlsupport / Module: urlcoding
//
// Percent-encoding and decoding of URL text, and the directory part of an
// address.
//
// URLEncode escapes exactly these 20 characters, each as "%" and its code in
// two upper-case hexadecimal digits:
//   ! * ' ( ) ; : @ & = + $ , / ? % # [ ] and the blank
// Everything else, characters above code 127 included, is left as it is.
// URLDecode undoes two rounds of encoding. A decoded "%XX" is the character
// of code XX (0..255): the text is not read as UTF-8.
//
//   URLEncode(u"a b/c")                  ⇒ u"a%20b%2Fc"
//   URLDecode(u"%41%4")                  ⇒ u"A%4"
//   URLDecode(u"%2541")                  ⇒ u"A"     (doubly encoded "A")
//   ExtractHTTPPath(u"HTTP://host/dir/page.html")  ⇒ u"host/dir/"
//   ExtractHTTPPath(u"https://host/a")   ⇒ u"https://host/" (only "http://" is removed)
//   ExtractHTTPPath(u"page")             ⇒ u"page"
#pragma once

#include "platform/hoststring.h"

namespace ZYL_htmlsupport {

using zyl::Char;
using zyl::String;

// Text with every URL-reserved character (see above) replaced by "%XX".
[[nodiscard]] ZYL_API String URLEncode(const String& Text);

// Text after two decoding passes. One pass walks from the start: "%" with two
// hexadecimal digits (either case) after it becomes the character of that
// code and the walk goes on behind them; any other character, a "%" without
// two digits included, is copied. So URLDecode(URLEncode(s)) == s whenever s
// holds no "%"; a "%" followed by two hexadecimal digits survives decoding
// only when written as "%2525".
[[nodiscard]] ZYL_API String URLDecode(const String& Text);

// The address without its "http://" (matched in any case; everything up to
// and including its first occurrence goes) and without what follows its last
// "/". A text without "/" comes back unchanged after the first step; an empty
// text gives an empty text.
[[nodiscard]] ZYL_API String ExtractHTTPPath(const String& URL);

}  // namespace ZYL_htmlsupport
