// Library: zyl / Package: ZYL_filesys / Module: textfiletype
//
// Recognising a text file's encoding from its first bytes: the byte-order
// marks of UTF-8, UTF-16 and UTF-32 and the opening of an RTF document. There
// is no statistical test of the content.
//
//   first bytes (hex)    result
//   EF BB BF             tftUTF8
//   FF FE 00 00          tftUnicode4_le
//   00 00 FE FF          tftUnicode4_be
//   FF FE                tftUnicode_le
//   FE FF                tftUnicode_be
//   7B 5C 72  ("{\r")    tftRTF
//   anything else        tftUnknown  (an empty file too)
//
// A rule is applied only when the file has as many bytes as the rule
// examines: a file of just FF FE is tftUnicode_le, and FF FE 00 is too.
#pragma once

#include <cstdint>
#include <string_view>

#include "platform/hoststring.h"

namespace ZYL_filesys {

enum class TTextfileType : std::uint8_t {
  tftUnicode_le,
  tftUnicode_be,
  tftUnicode4_le,
  tftUnicode4_be,
  tftRTF,
  tftUTF8,
  tftUnknown
};

// The type of the file named FileName, from its first (up to) 4 bytes.
// Raises EInOutError naming the file when it cannot be opened or read.
//   file bytes FF FE 41 00  ⇒ tftUnicode_le
[[nodiscard]] ZYL_API TTextfileType CheckTextFileType(const zyl::String& FileName);

// Implementation details only, past this point.
namespace detail {
// The decision over bytes already read (only the first 4 count).
[[nodiscard]] ZYL_API TTextfileType text_file_type_of(std::string_view FirstBytes) noexcept;
}  // namespace detail

}  // namespace ZYL_filesys
