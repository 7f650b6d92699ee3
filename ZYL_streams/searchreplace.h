// Library: zyl / Package: ZYL_streams / Module: searchreplace
//
// SearchAndReplace: replaces a text in the bytes of a memory stream, with
// replacement texts that may hold modifiers, i.e. commands that are expanded
// for each replacement.
//
// Modifiers are written between the two characters of Brackets (one
// character opens and closes; an empty Brackets turns modifiers off and the
// replacement is used literally). Commands, in any case:
//   match   the text matched, as it stands in the source
//   count   the number of this replacement, from 1
//   crlf    CR LF
//   tab     a tab
// Any other command goes to the TSRUnknownModifierEvent callback with
// Substring preset to the matched text; what the callback leaves in
// Substring is inserted. Without a callback an unknown modifier is inserted
// as written, brackets included, as is an opening bracket never closed.
//
// Example (Source holding "a1 A2 a3"):
//   SearchAndReplace(src, dst, u"a", u"<{match}{count}>", true, 1, 0, u"{}", nullptr)
//   // == 3, dst holds "<a1>1 <A2>2 <a3>3"
#pragma once

#include <cstdint>
#include <functional>

#include "platform/memorystream.h"

namespace ZYL_streams {

using zyl::String;

// Called for a modifier command that SearchAndReplace does not know.
using TSRUnknownModifierEvent = std::function<void(String Command, String& Substring)>;

// Searches the whole of Source's bytes (its position is ignored and kept)
// from the 1-based StartPos (below 1 counts as 1) for SearchText, matches
// taken left to right without overlap, letters A-Z in any case when
// IgnoreCase. At most MaxCount matches are replaced (no limit when
// MaxCount <= 0). Dest is cleared and receives the result, bytes before
// StartPos unchanged, and is positioned at 0; Dest may be Source itself.
// Texts are byte-oriented (the low 8 bits of each character). Returns the
// number of replacements; an empty SearchText replaces nothing.
ZYL_API std::int32_t SearchAndReplace(zyl::TMemoryStream& Source, zyl::TMemoryStream& Dest,
                                      const String& SearchText, const String& ReplaceText, bool IgnoreCase,
                                      std::int32_t StartPos, std::int32_t MaxCount, const String& Brackets,
                                      TSRUnknownModifierEvent OnUnknownModifier);

}  // namespace ZYL_streams
