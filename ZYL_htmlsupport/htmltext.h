// Library: zyl / Package: ZYL_htmlsupport / Module: htmltext
//
// The text of HTML pages: counting its words, cutting out the body, and
// turning the body into plain text.
//
// Example:
//   bool in_tag = false;
//   CountWordsHTML(u"<b>Hello</b> world ", false, in_tag)   // == 2, in_tag false
//   ExtractHTMLBody(u"<html><BODY class=x>Hi</body></html>") // == u"Hi"
//   ConvertHTMLBodyToText(u"<body><h1>Title</h1><p>a &amp;\n b</p></body>", u'\n')
//                                                   // == u"Title\n\na & b\n"
#pragma once

#include "platform/hoststring.h"

namespace ZYL_htmlsupport {

using zyl::Char;
using zyl::String;

// Counts the words of Text outside tags. InTag says whether Text begins
// inside a tag and, on return, whether it ends inside one, so a document can
// be counted piece by piece. "<" sets InTag and is itself ignored; ">" clears
// it and then counts as an ordinary character (a word separator); every
// other character inside a tag is ignored. Outside tags a word is a run of
// two or more characters outside WordSeps that a WordSeps character ends; a
// run reaching the end of Text is not counted. With SkipNumbers a run that
// begins with a digit 0-9 is not counted either.
//   u"<p 12 apples " (SkipNumbers, InTag false)  ⇒ 0, InTag true
//   u"12 apples " (SkipNumbers)                  ⇒ 1
[[nodiscard]] ZYL_API int CountWordsHTML(const String& Text, bool SkipNumbers, bool& InTag);

// The content of the page's body element: what lies between the end of the
// first <body ...> start tag (name in any case, attributes allowed) and the
// next </body>, or the end of Text when that end tag is missing. Without a
// body start tag, Text itself. Tags are found as a browser finds them: not
// inside comments, scripts or style sheets, and a ">" inside a quoted
// attribute value does not end a tag.
//   u"<body>a</body>b" ⇒ u"a"   u"<BODY onload=\"x>y\">a" ⇒ u"a"   u"<p>a</p>" ⇒ u"<p>a</p>"
[[nodiscard]] ZYL_API String ExtractHTMLBody(const String& Text);

// The text of the page's body (ExtractHTMLBody) as plain text:
//   - tags and comments removed; the content of script, style, title and
//     textarea elements and of a head element dropped;
//   - <br>, <p>, </p>, <li>, <tr>, <h1>..<h6> and </h1>..</h6> each become a
//     line break, except before any text has been written; <td> and <th>
//     separate their cell's text by a blank;
//   - runs of blanks, tabs and line ends collapse into one blank, as a
//     browser shows them; no blank is kept at the start or end of a line;
//     inside <pre> the text is kept as written, its line ends becoming line
//     breaks;
//   - entity references resolved (ResolveHTMLEntities).
// LineBreak is the character written for each line break; CR (13) writes
// the pair CR LF, and a blank gives the whole text on one line. The result
// is never more than twice as long as Text.
//   (u"a<br>b", u'\n') ⇒ u"a\nb"     (u"a<br>b", u'\r') ⇒ u"a\r\nb"
//   (u"<ul><li>x<li>y</ul>", u' ') ⇒ u"x y"
[[nodiscard]] ZYL_API String ConvertHTMLBodyToText(const String& Text, Char LineBreak);

}  // namespace ZYL_htmlsupport
