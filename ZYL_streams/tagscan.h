// Library: zyl / Package: ZYL_streams / Module: tagscan
//
// Reading the elements of XML-like and HTML-like markup from streams and open
// text files, and the values of attributes.
//
// The markup as read: text up to "<" is skipped; the tag text runs from "<"
// to the next ">"; tags starting with "!" (comments, declarations) are
// skipped, a comment holding ">" ending at that ">"; the tag name is the
// text before the first blank, compared lower-cased (A-Z); the attribute
// text lies between that blank and the final ">" or "/>", trimmed of blanks;
// an element ending in "/>" is empty, as is a processing instruction
// ("<?xml ...?>", name "?xml"); any other tag whose name does not start
// with "/" has contents up to the first "</name>" in any case (nested
// elements of the same name are not counted).
//
// Tag lists hold the wanted names in lower case, compared as they stand; a
// tag that is not in the list, and the end of the input, are reported as the
// list's highest index (-1 for an empty list).
//
// A tag whose ">" never comes before the end of the input is read with the
// name and attributes it holds; its contents are empty (the input has ended).
// Nothing is ever read beyond the end of the input.
//
// Example (a stream holding "<!-- c --><A href=\"x\">Link</a>"):
//   std::vector<String> tags{u"a", u"b"};
//   String attr, cont;
//   ReadNextTagInStream(s, tags, attr, cont)  // == 0, attr == u"href=\"x\"",
//                                             //   cont == u"Link"
//   ScanForXMLAttrib(attr, u"HREF")           // == u"x"
#pragma once

#include <cstdint>
#include <span>

#include "platform/memorystream.h"
#include "platform/stringlist.h"
#include "platform/textfile.h"

namespace ZYL_streams {

using zyl::String;
using zyl::TStream;

// Reads the next element from the stream's position: Attributes and Contents
// as described above (both cleared first). The stream stands behind the
// closing tag, or behind the tag itself for empty elements and closing tags.
// Returns the index of the tag name in Tags.
//   "<br/>"            -> index of "br", Attributes u""
//   "<img src=1 />"    -> index of "img", Attributes u"src=1"
//   "<TITLE>t</title>" -> index of "title", Contents u"t"
ZYL_API std::int32_t ReadNextTagInStream(TStream& Stream, std::span<const String> Tags, String& Attributes,
                                         String& Contents);

// The same on an open text file, reading its characters (UTF-8 decoded). The
// contents are gathered in pieces that end with ">", so text after the last
// ">" before the end of the file is not added. Raises EInOutError when the
// file is not open for reading.
ZYL_API std::int32_t ReadNextTagInTextFile(zyl::TextFile& F, std::span<const String> Tags, String& Attributes,
                                           String& Contents);

// The value of attribute Name (any case) in an attribute text: quoted values
// lose their quotes and keep blanks and "="; empty when the attribute is
// missing or the text is malformed before it (a double quote inside a name,
// "==", "=" inside an unquoted value).
//   u"width=5 alt=\"a b\" border": u"alt" -> u"a b", u"width" -> u"5",
//                                 u"border" -> u"", u"x" -> u""
ZYL_API String ScanForXMLAttrib(const String& Attributes, const String& Name);

// Reads elements forward until one named TagName (any case; "/x" finds a
// closing tag). Found: true, its attribute text and contents, the stream
// behind it. Not found: false, both texts empty, the stream at its end.
//   "<a>1</a><b k=2>3</b>", u"B" -> true, Attributes u"k=2", Contents u"3"
ZYL_API bool ScanStreamForXMLTag(TStream& Stream, const String& TagName, String& Attributes, String& Contents);

// Reads the text up to the next tag whose lower-cased name is in Tags and
// returns it (comments and other tags included as they stand). Found: Index
// is that tag's index in Tags and the stream stands at its "<", so that
// ReadNextTagInStream reads the element next. Not found: Index -1, the
// result is the rest of the stream and the stream stands at its end. A tag
// without its ">" never matches.
//   "a<i>b</i><P class=x>c", Tags {u"p"} -> u"a<i>b</i>", Index 0,
//   stream at "<P"
ZYL_API String ReadStreamUntilTagList(TStream& Stream, std::span<const String> Tags, std::int32_t& Index);

// Reads the elements from the stream's position to its end and, for every
// element whose name is in Names (any case), appends its contents to Dest
// (one byte per character) followed by CR LF, at Dest's position. Returns the
// number of elements extracted; the stream is left at its end.
//   "<t>x</t><u>y</u><T>z</T>", Names {u"t"} -> 2, Dest gets "x\r\nz\r\n"
ZYL_API std::int32_t ExtractFromStream(TStream& Stream, zyl::TMemoryStream& Dest, const zyl::TStrings& Names);

}  // namespace ZYL_streams
