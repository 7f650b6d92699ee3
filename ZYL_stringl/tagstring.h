// Library: zyl / Package: ZYL_stringl / Module: tagstring
//
// Reading the tags of an XML-like or HTML-like text held in a string: the
// string counterparts of the stream tag reader (ReadNextTagInStream), with
// the same rules for tags, attributes and contents:
//   - text outside tags is skipped; comments and declarations ("<!...>")
//     are skipped whole;
//   - the tag name is lower-cased (A-Z only) and looked up in Tags, whose
//     entries are expected in lower case; a name that is not in the list,
//     and the end of the text, give the list's highest index (-1 for an
//     empty list);
//   - the attribute text lies between the first blank and the final ">" or
//     "/>", trimmed of blanks;
//   - an opening tag's contents run up to the first "</name>" (any case),
//     nested elements of the same name not counted; empty elements ("/>"),
//     processing instructions ("<?...?>") and closing tags have none.
//
// Pos is 1-based: reading starts at Pos (below 1 counts as 1) and Pos is
// advanced behind the last character consumed (length+1 at the end).
//
// Example:
//   const std::vector<String> tags{u"a", u"b"};
//   int pos = 1;
//   String attr, cont;
//   ReadNextTagInString(u"<!-- x --><A href=\"u\">Link</a> rest", pos, tags, attr, cont)
//     // == 0, attr == u"href=\"u\"", cont == u"Link", pos == 31 (at " rest")
#pragma once

#include <cstdint>
#include <span>

#include "platform/hoststring.h"

namespace ZYL_stringl {

using zyl::String;

// Reads the next element from Pos: its attribute text and contents (both
// replaced). Pos ends behind the closing tag (behind the tag itself when it
// has no contents); when the text ends before the closing tag, Contents hold
// the rest of the text. Returns the index of the tag name in Tags.
ZYL_API std::int32_t ReadNextTagInString(const String& Text, int& Pos, std::span<const String> Tags,
                                         String& Attributes, String& Contents);

// Finds the next tag from Pos without reading any contents: TagStart is the
// position of its "<", Pos ends behind its ">" (at length+1 for a tag cut
// off by the end of the text), Attributes is its attribute text, and
// InList tells whether its name is one of Tags. Closing tags are found too
// (their name, "/a", is looked up as it stands). At the end of the text:
// TagStart == 0, Pos == length+1, Attributes empty, InList false. Returns
// the index of the tag name in Tags.
//   int pos = 1, start = 0; bool in_list; String attr;
//   DetectNextTagInString(u"ab<x k=1>cd</x>", pos, start, tags_x, attr, in_list)
//     // == 0, start == 3, pos == 10, attr == u"k=1", in_list == true
ZYL_API std::int32_t DetectNextTagInString(const String& Text, int& Pos, int& TagStart,
                                           std::span<const String> Tags, String& Attributes, bool& InList);

}  // namespace ZYL_stringl
