// DecodeBase64 on arbitrary bytes, checked against a plain one-character-at-
// a-time decoder: same status, same output, never more than 3 bytes per 4
// characters. The input's bytes also go through EncodeBase64 and back, with
// and without line breaks, and a stream without a memory window (short reads)
// must decode exactly as a memory stream does.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "ZYL_dstruct/base64.h"
#include "platform/memorystream.h"
#include "stream_codec_fuzz.h"

namespace {

int digit(std::uint8_t c) {
  if (c >= 'A' && c <= 'Z') return c - 'A';
  if (c >= 'a' && c <= 'z') return c - 'a' + 26;
  if (c >= '0' && c <= '9') return c - '0' + 52;
  if (c == '+') return 62;
  if (c == '/') return 63;
  return -1;
}

int reference_decode(const std::uint8_t* p, std::size_t n, std::string& out) {
  std::uint8_t g[4];
  std::size_t have = 0;
  for (std::size_t i = 0; i < n; ++i) {
    if (p[i] == '\r' || p[i] == '\n') continue;
    g[have++] = p[i];
    if (have < 4) continue;
    have = 0;
    const int pad = g[3] != '=' ? 0 : g[2] != '=' ? 1 : 2;
    int v[4] = {digit(g[0]), digit(g[1]), pad < 2 ? digit(g[2]) : 0, pad < 1 ? digit(g[3]) : 0};
    for (int d : v)
      if (d < 0) return -1;
    const std::uint32_t x = static_cast<std::uint32_t>(v[0] << 18 | v[1] << 12 | v[2] << 6 | v[3]);
    out += static_cast<char>(x >> 16);
    if (pad < 2) out += static_cast<char>(x >> 8);
    if (pad < 1) out += static_cast<char>(x);
  }
  return have == 0 ? 0 : -1;
}

std::string run(std::int32_t (*fn)(zyl::TStream&, zyl::TStream&), const std::string& in, std::int32_t& r) {
  zyl::TBytesStream src(std::vector<std::uint8_t>(in.begin(), in.end())), dst;
  r = fn(src, dst);
  return std::string(dst.Bytes().begin(), dst.Bytes().end());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string in(reinterpret_cast<const char*>(data), size);
  std::int32_t r = 0;
  const std::string out = run(&ZYL_dstruct::DecodeBase64, in, r);
  std::string want;
  const int want_r = reference_decode(data, size, want);
  if (r != want_r || out != want || out.size() > size / 4 * 3) std::abort();

  check_trickled_decode(&ZYL_dstruct::DecodeBase64, data, size, r, std::vector<std::uint8_t>(out.begin(), out.end()));
  check_round_trip(&ZYL_dstruct::EncodeBase64, &ZYL_dstruct::DecodeBase64, data, size);
  return 0;
}
