// Library: zyl / Package: ZYL_stringl / Module: quotedname
//
// ParseQuotedName: a character-by-character reader of one name that may be
// enclosed in quotes, for callers that read text one character at a time
// (a name in a command line, a list or a stream).
//
// Feed each character with the same Name and State, starting with State =
// vsStart and an empty Name; the name is complete when State becomes vsEnd.
//
//   state       character            action, next state
//   vsStart     blank                skipped, vsStart
//               Quote                vs1stQuote
//               other                appended, vsNormal
//   vs1stQuote  Quote                (empty quoted name) vsEnd
//               other                appended, vsQuote
//   vsQuote     Quote                vsEnd
//               other                appended (blanks too), vsQuote
//   vsNormal    blank or code < 32   vsEnd (the character is not part of the name)
//               other                appended (a Quote too), vsNormal
//   vsEnd       any                  ignored, vsEnd
//
// Example: feeding   "my file" rest   with Quote '"' gives Name == u"my file"
// and State == vsEnd after the second quote; feeding  abc def  gives
// u"abc" at the blank.
#pragma once

#include <cstdint>

#include "platform/hoststring.h"

namespace ZYL_stringl {

using zyl::Char;
using zyl::String;

enum class TQuotedStrState : std::uint8_t { vsStart, vs1stQuote, vsQuote, vsNormal, vsEnd };

// Feeds one character C to the reader (see the table above).
ZYL_API void ParseQuotedName(Char C, Char Quote, String& Name, TQuotedStrState& State);

}  // namespace ZYL_stringl
