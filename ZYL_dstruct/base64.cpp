// Library: zyl / Package: ZYL_dstruct / Module: base64
//
// Encoding looks up 12 bits at a time (two characters per lookup). Decoding
// uses four tables, one per position in a group, that map a character
// straight to its bits in the output word; an invalid character maps to a
// value with bit 24 set, so one OR over a group tells whether all four were
// valid. Groups with anything unusual (line ends, padding, bad characters,
// a group split across reads) take a slower path one character at a time.
#include "ZYL_dstruct/base64.h"

#include <array>
#include <cstring>

#include "ZYL_dstruct/detail/stream_blocks.h"

namespace ZYL_dstruct {
namespace {

constexpr char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

constexpr std::size_t kLineBytes = 45;
// A whole number of lines per read.
constexpr std::int32_t kReadBlock = static_cast<std::int32_t>(kLineBytes * 1456);

constexpr std::array<std::array<char, 2>, 4096> make_pairs() {
  std::array<std::array<char, 2>, 4096> t{};
  for (std::size_t i = 0; i < 4096; ++i) t[i] = {kAlphabet[i >> 6], kAlphabet[i & 63]};
  return t;
}
constexpr auto kPairs = make_pairs();

constexpr std::uint32_t kBad = 0x01FFFFFF;

// The 6-bit value of a character, or -1.
constexpr int digit_value(std::uint8_t c) {
  for (int i = 0; i < 64; ++i)
    if (static_cast<std::uint8_t>(kAlphabet[i]) == c) return i;
  return -1;
}

// Position k of a group contributes its 6 bits at bit 18 - 6k of the 24-bit
// group value; stored in the byte order of the output (first byte lowest).
constexpr std::array<std::array<std::uint32_t, 256>, 4> make_decode_tables() {
  std::array<std::array<std::uint32_t, 256>, 4> t{};
  for (int c = 0; c < 256; ++c) {
    const int v = digit_value(static_cast<std::uint8_t>(c));
    for (int k = 0; k < 4; ++k) {
      if (v < 0) {
        t[k][c] = kBad;
        continue;
      }
      const std::uint32_t bits = static_cast<std::uint32_t>(v) << (18 - 6 * k);
      t[k][c] = (bits >> 16) | (bits & 0xFF00) | ((bits & 0xFF) << 16);
    }
  }
  return t;
}
constexpr auto kDecode = make_decode_tables();

// Encodes n bytes (a multiple of 3) to 4n/3 characters.
inline void encode_groups(const std::uint8_t* in, std::size_t n, std::uint8_t* out) {
  for (std::size_t i = 0; i < n; i += 3, out += 4) {
    const std::uint32_t v = std::uint32_t{in[i]} << 16 | std::uint32_t{in[i + 1]} << 8 | in[i + 2];
    std::memcpy(out, kPairs[v >> 12].data(), 2);
    std::memcpy(out + 2, kPairs[v & 0xFFF].data(), 2);
  }
}

// Encodes one line of 1..45 bytes, with its padding and optional CR LF;
// returns the number of characters written (at most 62).
std::size_t encode_line(const std::uint8_t* in, std::size_t n, std::uint8_t* out, bool line_breaks) {
  const std::size_t whole = n - n % 3;
  encode_groups(in, whole, out);
  std::size_t k = whole / 3 * 4;
  if (n % 3 == 1) {
    const std::uint32_t v = std::uint32_t{in[whole]} << 4;
    std::memcpy(out + k, kPairs[v].data(), 2);
    out[k + 2] = out[k + 3] = '=';
    k += 4;
  } else if (n % 3 == 2) {
    const std::uint32_t v = (std::uint32_t{in[whole]} << 8 | in[whole + 1]) << 2;
    std::memcpy(out + k, kPairs[v >> 6].data(), 2);
    out[k + 2] = static_cast<std::uint8_t>(kAlphabet[v & 63]);
    out[k + 3] = '=';
    k += 4;
  }
  if (line_breaks) {
    out[k++] = '\r';
    out[k++] = '\n';
  }
  return k;
}

// Decoding state that survives from one read block to the next: the
// characters of a group still being collected.
class decoder {
 public:
  explicit decoder(detail::block_writer& out) : FOut(out) {}

  // Decodes a block; returns the number of bytes used, which is less than n
  // only when an invalid group stopped decoding.
  std::size_t feed(const std::uint8_t* p, std::size_t n);
  bool failed() const { return FFailed; }
  // True when no incomplete group is left over.
  bool complete() const { return FHave == 0; }

 private:
  bool finish_group();

  detail::block_writer& FOut;
  std::uint8_t FGroup[4] = {};
  std::size_t FHave = 0;
  bool FFailed = false;
};

std::size_t decoder::feed(const std::uint8_t* const begin, std::size_t n) {
  const std::uint8_t* p = begin;
  const std::uint8_t* const end = p + n;
  while (p < end) {
    if (FHave == 0) {
      // Fast path: whole groups of four plain digits.
      const std::size_t groups = static_cast<std::size_t>(end - p) / 4;
      std::uint8_t* out = FOut.reserve(std::min(groups, detail::block_writer::capacity() / 4) * 3 + 4);
      std::uint8_t* const out0 = out;
      for (std::size_t g = std::min(groups, detail::block_writer::capacity() / 4); g > 0; --g, p += 4) {
        // The text may come straight from a large memory stream; fetching
        // ahead keeps the table lookups from waiting on memory.
        __builtin_prefetch(p + 1024);
        const std::uint32_t v = kDecode[0][p[0]] | kDecode[1][p[1]] | kDecode[2][p[2]] | kDecode[3][p[3]];
        if (v >= 0x01000000) break;
        out[0] = static_cast<std::uint8_t>(v);
        out[1] = static_cast<std::uint8_t>(v >> 8);
        out[2] = static_cast<std::uint8_t>(v >> 16);
        out += 3;
      }
      FOut.commit(static_cast<std::size_t>(out - out0));
      if (p == end) break;
      if (p + 4 <= end && (kDecode[0][p[0]] | kDecode[1][p[1]] | kDecode[2][p[2]] | kDecode[3][p[3]]) < 0x01000000)
        continue;  // stopped only because the writer's buffer was full
    }
    // Slow path: one character, until the group in hand is complete.
    const std::uint8_t c = *p++;
    if (c == '\r' || c == '\n') continue;
    FGroup[FHave++] = c;
    if (FHave == 4) {
      FHave = 0;
      if (!finish_group()) {
        FFailed = true;
        return static_cast<std::size_t>(p - begin);
      }
    }
  }
  return n;
}

bool decoder::finish_group() {
  const std::uint8_t* g = FGroup;
  const int pad = g[3] != '=' ? 0 : g[2] != '=' ? 1 : 2;
  const std::uint32_t v = kDecode[0][g[0]] | kDecode[1][g[1]] | (pad < 2 ? kDecode[2][g[2]] : 0) |
                          (pad < 1 ? kDecode[3][g[3]] : 0);
  if (v >= 0x01000000) return false;
  const std::uint8_t bytes[3] = {static_cast<std::uint8_t>(v), static_cast<std::uint8_t>(v >> 8),
                                 static_cast<std::uint8_t>(v >> 16)};
  FOut.put(bytes, static_cast<std::size_t>(3 - pad));
  return true;
}

}  // namespace

void EncodeBase64(zyl::TStream& Source, zyl::TStream& Target, bool LineBreaks) {
  detail::block_reader in(Source, kReadBlock);
  detail::block_writer out(Target);
  for (auto block = in.next(); !block.empty(); block = in.next()) {
    const std::uint8_t* p = block.data();
    for (std::size_t left = block.size(); left > 0;) {
      const std::size_t n = std::min(left, kLineBytes);
      out.commit(encode_line(p, n, out.reserve(62), LineBreaks));
      p += n;
      left -= n;
    }
  }
  out.flush();
}

std::int32_t DecodeBase64(zyl::TStream& Source, zyl::TStream& Target) {
  detail::window_reader in(Source, 64 * 1024);
  detail::block_writer out(Target);
  decoder d(out);
  for (auto block = in.next(); !block.empty(); block = in.next()) {
    const std::size_t used = d.feed(block.data(), block.size());
    if (d.failed()) {
      in.stop(block.size() - used);
      break;
    }
  }
  out.flush();
  return !d.failed() && d.complete() ? 0 : -1;
}

}  // namespace ZYL_dstruct
