// Library: zyl / Package: ZYL_filesys / Module: password
//
// Pronounceable passwords: alternating consonants and vowels with two digits
// inside, optionally with mixed case and special characters.
//
// The random numbers come from the operating system's cryptographic source,
// never from the process-wide generator (whose fixed start-up seed would make
// every run of a program invent the same passwords); that generator's state
// is left untouched.
//
// Example:
//   InventPassword(8);               // e.g. u"kimotu47": 6 letters, 2 digits
//   InventPassword(11);              // e.g. u"abelik52ozu": digits after the 6th letter
//   InventPassword(30, true, true);  // 14 characters, some upper-case or special
#pragma once

#include "platform/hoststring.h"

namespace ZYL_filesys {

using zyl::String;

// A password of Length characters, Length limited to 4..14: for an odd
// length a vowel first, then consonant-vowel pairs up to Length - 2 letters,
// and a random number 00..99 inserted after the 6th letter (appended when
// there are fewer letters). Vowels "aeiouy", consonants
// "bcdfghjklmnpqrstvwxz".
[[nodiscard]] ZYL_API String InventPassword(int Length);

// The same, then each lower-case letter upper-cased with probability 1/2
// (MixedCase) and each character replaced with probability 1/5 by one of
// "_!$%#=" or a digit, all 16 equally likely (Special).
[[nodiscard]] ZYL_API String InventPassword(int Length, bool MixedCase, bool Special);

}  // namespace ZYL_filesys
