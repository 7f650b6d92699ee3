// CheckTextFileType on random bytes: the file's first bytes decide exactly
// as the byte-order-mark rules say.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "ZYL_filesys/textfiletype.h"
#include "scratch_file.h"

namespace {

ZYL_filesys::TTextfileType model(const std::uint8_t* d, std::size_t n) {
  using T = ZYL_filesys::TTextfileType;
  auto at = [&](std::size_t i) { return i < n ? d[i] : -1; };
  if (at(0) == 0xEF && at(1) == 0xBB && at(2) == 0xBF) return T::tftUTF8;
  if (at(0) == 0xFF && at(1) == 0xFE && at(2) == 0 && at(3) == 0) return T::tftUnicode4_le;
  if (at(0) == 0 && at(1) == 0 && at(2) == 0xFE && at(3) == 0xFF) return T::tftUnicode4_be;
  if (at(0) == 0xFF && at(1) == 0xFE) return T::tftUnicode_le;
  if (at(0) == 0xFE && at(1) == 0xFF) return T::tftUnicode_be;
  if (at(0) == '{' && at(1) == '\\' && at(2) == 'r') return T::tftRTF;
  return T::tftUnknown;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
  const std::string name = scratch_file("texttype.txt");
  std::FILE* f = std::fopen(name.c_str(), "wb");
  if (f == nullptr) return 0;
  std::fwrite(Data, 1, Size, f);
  std::fclose(f);
  if (ZYL_filesys::CheckTextFileType(zyl::from_utf8(name)) != model(Data, Size)) std::abort();
  return 0;
}
