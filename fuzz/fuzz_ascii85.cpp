// DecodeASCII85 on arbitrary bytes, checked against a plain one-character-
// at-a-time decoder: same status, same output, never more than 4 bytes per
// character. The input's bytes also go through EncodeASCII85 and back, with
// and without line breaks. A memory stream is left just behind the end
// marker, and a stream without a window (short reads) decodes the same.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "ZYL_dstruct/ascii85.h"
#include "platform/memorystream.h"
#include "stream_codec_fuzz.h"

namespace {

int reference_decode(const std::uint8_t* p, std::size_t n, std::string& out, std::size_t& stop) {
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
      stop = i + 1 < n && p[i + 1] == '>' ? i + 2 : i + 1;
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
  stop = n;
  return result;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  zyl::TBytesStream src(std::vector<std::uint8_t>(data, data + size)), dst;
  const std::int32_t r = ZYL_dstruct::DecodeASCII85(src, dst);
  std::string want;
  std::size_t stop = 0;
  const int want_r = reference_decode(data, size, want, stop);
  if (r != want_r || std::string(dst.Bytes().begin(), dst.Bytes().end()) != want || dst.Bytes().size() > 4 * size)
    std::abort();
  if (src.Position() != static_cast<std::int64_t>(stop)) std::abort();  // just behind the end marker

  check_trickled_decode(&ZYL_dstruct::DecodeASCII85, data, size, r, dst.Bytes());
  check_round_trip(&ZYL_dstruct::EncodeASCII85, &ZYL_dstruct::DecodeASCII85, data, size);
  return 0;
}
