// Library: zyl / Package: ZYL_htmlsupport / Module: htmlpage
//
// The standard opening and closing of a generated HTML5 page. A page is
//   DefaultHTMLHead(...) + content + DefaultHTMLFoot(...)
// with the same Centered in both calls. Lines end with CR LF. The page
// declares UTF-8, so write it with WriteConvertedHTMLToFile or as UTF-8.
//
// Example:
//   DefaultHTMLHead(u"Q&A", u"", u"", u"site.css", false)
//   // == u"<!DOCTYPE html>\r\n<html>\r\n<head>\r\n<meta charset=\"utf-8\">\r\n"
//   //    u"<title>Q&amp;A</title>\r\n<link rel=\"stylesheet\" href=\"site.css\">\r\n"
//   //    u"</head>\r\n<body>\r\n"
//   DefaultHTMLFoot(false)   // == u"</body>\r\n</html>\r\n"
#pragma once

#include "platform/hoststring.h"

namespace ZYL_htmlsupport {

using zyl::Char;
using zyl::String;

// The page up to and including its <body> start tag: the document type, the
// <html> and <head> elements with the UTF-8 declaration, the title, and,
// each only when not empty, <meta name="author">, <meta name="description">
// and a <link> to the style sheet at the address StyleSheet. Every text is
// escaped (MakeStringHTMLCompatible), so any text is safe. With Centered the
// body's content is opened in a block that centres its lines
// (<div style="text-align: center">), which DefaultHTMLFoot(true) closes.
[[nodiscard]] ZYL_API String DefaultHTMLHead(const String& Title, const String& Author, const String& Description,
                                             const String& StyleSheet, bool Centered);

// The page from the end of its content on: "</div>" when Centered (closing
// the block DefaultHTMLHead(..., true) opened), then "</body>" and "</html>".
[[nodiscard]] ZYL_API String DefaultHTMLFoot(bool Centered);

}  // namespace ZYL_htmlsupport
