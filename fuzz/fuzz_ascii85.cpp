// DecodeASCII85 on arbitrary bytes, checked against a plain one-character-
// at-a-time decoder: same status, same output, never more than 4 bytes per
// character. The input's bytes also go through EncodeASCII85 and back, with
// and without line breaks.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "ZYL_dstruct/ascii85.h"
#include "platform/memorystream.h"

namespace {

int reference_decode(const std::uint8_t* p, std::size_t n, std::string& out) {
  int result = 0;
  std::uint32_t v = 0;
  std::size_t have = 0;
  auto flush = [&] {
    for (std::size_t i = 0; i + 1 < have; ++i) out += static_cast<char>(v >> (8 * (have - 2 - i)));
    have = 0;
    v = 0;
  };
  for (std::size_t i = 0; i < n; ++i) {
    const std::uint8_t c = p[i];
    if (c == '\r' || c == '\n') continue;
    if (c == '~') {
      flush();
      return result;
    }
    if (have == 0 && c == 'z') {
      out.append(4, '\0');
      continue;
    }
    if (c < '!' || c > 'u') result = c == 'z' ? -2 : -1;
    v = v * 85u + static_cast<std::uint32_t>(c) - 33u;
    if (++have == 5) flush();
  }
  flush();
  return result;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  zyl::TBytesStream src(std::vector<std::uint8_t>(data, data + size)), dst;
  const std::int32_t r = ZYL_dstruct::DecodeASCII85(src, dst);
  std::string want;
  const int want_r = reference_decode(data, size, want);
  if (r != want_r || std::string(dst.Bytes().begin(), dst.Bytes().end()) != want || dst.Bytes().size() > 4 * size)
    std::abort();

  for (bool breaks : {false, true}) {
    zyl::TBytesStream plain(std::vector<std::uint8_t>(data, data + size)), coded;
    ZYL_dstruct::EncodeASCII85(plain, coded, breaks);
    coded.SetPosition(0);
    zyl::TBytesStream back;
    if (ZYL_dstruct::DecodeASCII85(coded, back) != 0 || back.Bytes() != std::vector<std::uint8_t>(data, data + size))
      std::abort();
  }
  return 0;
}
