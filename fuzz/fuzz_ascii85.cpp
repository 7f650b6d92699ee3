// DecodeASCII85 on arbitrary bytes, checked against a plain one-character-
// at-a-time decoder: same status, same output, never more than 4 bytes per
// character. The input's bytes also go through EncodeASCII85 and back, with
// and without line breaks. A memory stream is left just behind the end
// marker, and a stream without a window (short reads) decodes the same.
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <cstdlib>
#include <string>
#include <vector>

#include "ZYL_dstruct/ascii85.h"
#include "platform/memorystream.h"

namespace {

// A stream without a memory window that hands out a few bytes per Read.
class TrickleStream : public zyl::TStream {
 public:
  TrickleStream(const std::uint8_t* d, std::size_t n, std::size_t step) : FData(d), FSize(n), FStep(step) {}
  std::int32_t Read(void* Buffer, std::int32_t Count) override {
    const std::size_t k = std::min({static_cast<std::size_t>(std::max(Count, 0)), FStep, FSize - FPos});
    std::memcpy(Buffer, FData + FPos, k);
    FPos += k;
    return static_cast<std::int32_t>(k);
  }
  std::int32_t Write(const void*, std::int32_t) override { return 0; }
  std::int64_t Seek(std::int64_t, zyl::TSeekOrigin) override { return static_cast<std::int64_t>(FPos); }

 private:
  const std::uint8_t* FData;
  std::size_t FSize, FStep, FPos = 0;
};

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

  // The same through a stream that has no window and gives short reads.
  TrickleStream trickle(data, size, 1 + (size > 0 ? data[0] % 61 : 0));
  zyl::TBytesStream trickled;
  if (ZYL_dstruct::DecodeASCII85(trickle, trickled) != r || trickled.Bytes() != dst.Bytes()) std::abort();

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
