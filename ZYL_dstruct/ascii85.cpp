// Library: zyl / Package: ZYL_dstruct / Module: ascii85
#include "ZYL_dstruct/ascii85.h"

#include <algorithm>

#include "ZYL_dstruct/detail/stream_blocks.h"

namespace ZYL_dstruct {
namespace {

constexpr std::int32_t kReadBlock = 64 * 1024;  // a multiple of 4
constexpr std::uint32_t kGroupsPerLine = 12;

// Writes the n + 1 base-85 digits of the n-byte value v (1 <= n <= 4),
// most significant first; returns the number written.
inline std::size_t put_digits(std::uint32_t v, std::size_t n, std::uint8_t* out) {
  std::uint8_t d[5];
  for (std::size_t i = n + 1; i-- > 0;) {
    d[i] = static_cast<std::uint8_t>('!' + v % 85);
    v /= 85;
  }
  for (std::size_t i = 0; i <= n; ++i) out[i] = d[i];
  return n + 1;
}

inline std::uint32_t load_be(const std::uint8_t* p, std::size_t n) {
  std::uint32_t v = 0;
  for (std::size_t i = 0; i < n; ++i) v = v << 8 | p[i];
  return v;
}

class encoder {
 public:
  encoder(zyl::detail::BlockWriter& out, bool line_breaks) : FOut(out), FLineBreaks(line_breaks) {}

  // Encodes a block of n bytes; n is a multiple of 4 except at the end.
  void feed(const std::uint8_t* p, std::size_t n) {
    // Each group gives at most 5 digits and CR LF.
    constexpr std::size_t kMaxGroups = zyl::detail::BlockWriter::capacity() / 7;
    while (n >= 4) {
      const std::size_t groups = std::min(n / 4, kMaxGroups);
      std::uint8_t* const out0 = FOut.reserve(groups * 7);
      std::uint8_t* out = out0;
      for (std::size_t g = 0; g < groups; ++g, p += 4) out = put_group(load_be(p, 4), 4, out);
      FOut.commit(static_cast<std::size_t>(out - out0));
      n -= groups * 4;
    }
    if (n > 0) {
      std::uint8_t* const out0 = FOut.reserve(7);
      FOut.commit(static_cast<std::size_t>(put_group(load_be(p, n), n, out0) - out0));
    }
  }

 private:
  // Writes the group of n bytes with value v; returns the end of the output.
  std::uint8_t* put_group(std::uint32_t v, std::size_t n, std::uint8_t* out) {
    if (n == 4 && v == 0) {
      *out = 'z';
      return out + 1;
    }
    out += put_digits(v, n, out);
    if (++FCount == kGroupsPerLine) {
      FCount = 0;
      if (FLineBreaks) {
        out[0] = '\r';
        out[1] = '\n';
        out += 2;
      }
    }
    return out;
  }

  zyl::detail::BlockWriter& FOut;
  bool FLineBreaks;
  std::uint32_t FCount = 0;
};

// Collects groups across read blocks.
class decoder {
 public:
  explicit decoder(zyl::detail::BlockWriter& out) : FOut(out) {}

  // Decodes a block up to the end marker; returns the number of bytes used
  // (all n unless the marker ends decoding).
  std::size_t feed(const std::uint8_t* p, std::size_t n);
  // True once the end marker has been seen.
  bool done() const { return FDone; }
  // Writes the group left over at the end of the source.
  void finish() { put_group(); }
  std::int32_t result() const { return FResult; }

 private:
  void add(std::uint8_t c) {
    if (c < '!' || c > 'u') FResult = c == 'z' ? -2 : -1;
    FValue = FValue * 85 + static_cast<std::uint32_t>(c - '!');  // wraps in 32 bits
    ++FHave;
  }
  // Writes the m - 1 low-order bytes of the value of the m characters in hand.
  void put_group() {
    if (FHave >= 2) {
      std::uint8_t* out = FOut.reserve(4);
      for (std::size_t i = 0; i + 1 < FHave; ++i) out[i] = static_cast<std::uint8_t>(FValue >> (8 * (FHave - 2 - i)));
      FOut.commit(FHave - 1);
    }
    FHave = 0;
    FValue = 0;
  }

  zyl::detail::BlockWriter& FOut;
  std::uint32_t FValue = 0;
  std::size_t FHave = 0;
  std::int32_t FResult = 0;
  bool FDone = false;
  bool FAfterTilde = false;  // the ">" of the marker may start the next block
};

std::size_t decoder::feed(const std::uint8_t* const begin, std::size_t n) {
  const std::uint8_t* p = begin;
  const std::uint8_t* const end = p + n;
  if (FAfterTilde) {
    FDone = true;
    return n > 0 && *p == '>' ? 1 : 0;
  }
  while (p < end) {
    if (FHave == 0) {
      // Fast path: whole groups of five plain digits.
      while (end - p >= 5) {
        __builtin_prefetch(p + 1024);  // the text may come straight from a large memory stream
        const std::uint8_t c0 = p[0], c1 = p[1], c2 = p[2], c3 = p[3], c4 = p[4];
        const auto in_range = [](std::uint8_t c) { return static_cast<std::uint8_t>(c - '!') <= 'u' - '!'; };
        if (!(in_range(c0) && in_range(c1) && in_range(c2) && in_range(c3) && in_range(c4))) break;
        const std::uint32_t v = (((static_cast<std::uint32_t>(c0 - '!') * 85 + static_cast<std::uint32_t>(c1 - '!')) * 85 +
                                  static_cast<std::uint32_t>(c2 - '!')) * 85 + static_cast<std::uint32_t>(c3 - '!')) * 85 +
                                static_cast<std::uint32_t>(c4 - '!');
        std::uint8_t* out = FOut.reserve(4);
        out[0] = static_cast<std::uint8_t>(v >> 24);
        out[1] = static_cast<std::uint8_t>(v >> 16);
        out[2] = static_cast<std::uint8_t>(v >> 8);
        out[3] = static_cast<std::uint8_t>(v);
        FOut.commit(4);
        p += 5;
      }
      if (p == end) break;
    }
    const std::uint8_t c = *p++;
    if (c == '\r' || c == '\n') continue;
    if (c == '~') {
      put_group();
      if (p == end) {
        FAfterTilde = true;
      } else {
        FDone = true;
        if (*p == '>') ++p;
      }
      return static_cast<std::size_t>(p - begin);
    }
    if (FHave == 0 && c == 'z') {
      std::uint8_t* out = FOut.reserve(4);
      out[0] = out[1] = out[2] = out[3] = 0;
      FOut.commit(4);
      continue;
    }
    add(c);
    if (FHave == 5) put_group();
  }
  return n;
}

}  // namespace

void EncodeASCII85(zyl::TStream& Source, zyl::TStream& Target, bool LineBreaks) {
  detail::block_reader in(Source, kReadBlock);
  zyl::detail::BlockWriter out(Target);
  encoder e(out, LineBreaks);
  for (auto block = in.next(); !block.empty(); block = in.next()) e.feed(block.data(), block.size());
  out.put("~>", 2);
  out.flush();
}

std::int32_t DecodeASCII85(zyl::TStream& Source, zyl::TStream& Target) {
  detail::window_reader in(Source, kReadBlock);
  zyl::detail::BlockWriter out(Target);
  decoder d(out);
  for (auto block = in.next(); !block.empty(); block = in.next()) {
    const std::size_t used = d.feed(block.data(), block.size());
    if (d.done()) {
      in.stop(block.size() - used);
      break;
    }
  }
  if (!d.done()) d.finish();
  out.flush();
  return d.result();
}

}  // namespace ZYL_dstruct
