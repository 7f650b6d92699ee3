// Library: zyl / Package: ZYL_filesys / Module: textfiletype
#include "ZYL_filesys/textfiletype.h"

#include <array>

#include "ZYL_filesys/detail/textblocks.h"

namespace ZYL_filesys {
namespace {

struct Signature {
  std::string_view Bytes;
  TTextfileType Type;
};

// In the order the rules are tried: the 4-byte UTF-32 marks before the
// UTF-16 mark they begin with.
constexpr std::array<Signature, 6> kSignatures{{
    {std::string_view("\xEF\xBB\xBF", 3), TTextfileType::tftUTF8},
    {std::string_view("\xFF\xFE\x00\x00", 4), TTextfileType::tftUnicode4_le},
    {std::string_view("\x00\x00\xFE\xFF", 4), TTextfileType::tftUnicode4_be},
    {std::string_view("\xFF\xFE", 2), TTextfileType::tftUnicode_le},
    {std::string_view("\xFE\xFF", 2), TTextfileType::tftUnicode_be},
    {std::string_view("{\\r", 3), TTextfileType::tftRTF},
}};

}  // namespace

namespace detail {
TTextfileType text_file_type_of(std::string_view FirstBytes) noexcept {
  for (const Signature& s : kSignatures)
    if (FirstBytes.starts_with(s.Bytes)) return s.Type;
  return TTextfileType::tftUnknown;
}
}  // namespace detail

TTextfileType CheckTextFileType(const zyl::String& FileName) {
  detail::InputFile file(FileName);
  char head[4];
  const std::size_t got = file.read(head, sizeof head);  // fewer only at the end of the file
  return detail::text_file_type_of(std::string_view(head, got));
}

}  // namespace ZYL_filesys
