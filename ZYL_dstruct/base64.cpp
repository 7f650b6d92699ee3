// Library: zyl / Package: ZYL_dstruct / Module: base64
//
// Full lines and runs of plain digits go through the kernels of
// detail/base64_impl (vectorised where the CPU allows). Groups with anything
// unusual (padding, bad characters, a group split across reads) take a
// slower path one character at a time.
#include "ZYL_dstruct/base64.h"

#include <algorithm>
#include <cstring>

#include "ZYL_dstruct/detail/base64_impl.h"
#include "ZYL_dstruct/detail/stream_blocks.h"

namespace ZYL_dstruct {
namespace {

using detail::kBase64Alphabet;
using detail::kBase64LineBytes;

// A whole number of lines per read from a stream without a window.
constexpr std::int32_t kReadBlock = static_cast<std::int32_t>(kBase64LineBytes * 1456);

// Encodes one line of 1..45 bytes, with its padding and optional CR LF;
// returns the number of characters written (at most 62).
std::size_t encode_line(const std::uint8_t* in, std::size_t n, std::uint8_t* out, bool line_breaks) {
  const std::size_t whole = n - n % 3;
  if (n == kBase64LineBytes)
    detail::base64_encode_line(in, out);
  else
    detail::base64_encode_groups(in, whole, out);
  std::size_t k = whole / 3 * 4;
  if (n % 3 == 1) {
    const std::uint32_t v = std::uint32_t{in[whole]} << 4;
    out[k] = static_cast<std::uint8_t>(kBase64Alphabet[v >> 6]);
    out[k + 1] = static_cast<std::uint8_t>(kBase64Alphabet[v & 63]);
    out[k + 2] = out[k + 3] = '=';
    k += 4;
  } else if (n % 3 == 2) {
    const std::uint32_t v = (std::uint32_t{in[whole]} << 8 | in[whole + 1]) << 2;
    out[k] = static_cast<std::uint8_t>(kBase64Alphabet[v >> 12]);
    out[k + 1] = static_cast<std::uint8_t>(kBase64Alphabet[(v >> 6) & 63]);
    out[k + 2] = static_cast<std::uint8_t>(kBase64Alphabet[v & 63]);
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
  explicit decoder(zyl::detail::BlockWriter& out) : FOut(out) {}

  // Decodes a block; returns the number of bytes used, which is less than n
  // only when an invalid group stopped decoding.
  std::size_t feed(const std::uint8_t* p, std::size_t n);
  bool failed() const { return FFailed; }
  // True when no incomplete group is left over.
  bool complete() const { return FHave == 0; }

 private:
  bool finish_group();

  zyl::detail::BlockWriter& FOut;
  std::uint8_t FGroup[4] = {};
  std::size_t FHave = 0;
  bool FFailed = false;
};

std::size_t decoder::feed(const std::uint8_t* const begin, std::size_t n) {
  // The most characters whose groups fit the writer's buffer with the
  // kernel's slack.
  constexpr std::size_t kMaxRun = (zyl::detail::BlockWriter::capacity() - detail::kBase64DecodeSlack) / 3 * 4;
  const std::uint8_t* p = begin;
  const std::uint8_t* const end = p + n;
  while (p < end) {
    if (FHave == 0) {
      // Fast path: whole groups of four plain digits, and the line ends
      // between them (skipped anywhere, they never touch a group).
      const std::uint8_t* const from = p;
      const std::size_t run = std::min(static_cast<std::size_t>(end - p), kMaxRun);
      std::uint8_t* out = FOut.reserve(run / 4 * 3 + detail::kBase64DecodeSlack);
      std::size_t used = 0;
      FOut.commit(detail::base64_decode_run(p, run, out, used));
      p += used;
      if (p != from) continue;
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
  const auto& t = detail::kBase64Decode;
  const std::uint32_t v = t[0][g[0]] | t[1][g[1]] | (pad < 2 ? t[2][g[2]] : 0) | (pad < 1 ? t[3][g[3]] : 0);
  if (v >= 0x01000000) return false;
  const std::uint8_t bytes[3] = {static_cast<std::uint8_t>(v), static_cast<std::uint8_t>(v >> 8),
                                 static_cast<std::uint8_t>(v >> 16)};
  FOut.put(bytes, static_cast<std::size_t>(3 - pad));
  return true;
}

}  // namespace

void EncodeBase64(zyl::TStream& Source, zyl::TStream& Target, bool LineBreaks) {
  // The source's own bytes where it offers them (no copy), else blocks up to
  // a short read; a line split between two pieces is gathered in carry first.
  detail::window_reader in(Source, kReadBlock, true);
  // encode_line writes exactly the bytes it counts, so the lines may go
  // straight into the target's memory.
  zyl::detail::BlockWriter out(Target, true);
  std::uint8_t carry[kBase64LineBytes];
  std::size_t carried = 0;
  const auto put_line = [&](const std::uint8_t* p, std::size_t n) {
    out.commit(encode_line(p, n, out.reserve(62), LineBreaks));
  };
  for (auto block = in.next(); !block.empty(); block = in.next()) {
    const std::uint8_t* p = block.data();
    std::size_t left = block.size();
    if (carried > 0) {
      const std::size_t n = std::min(left, kBase64LineBytes - carried);
      std::memcpy(carry + carried, p, n);
      carried += n;
      p += n;
      left -= n;
      if (carried < kBase64LineBytes) continue;
      put_line(carry, carried);
      carried = 0;
    }
    for (; left >= kBase64LineBytes; p += kBase64LineBytes, left -= kBase64LineBytes) {
      // Asking for the bytes 2 KiB ahead keeps memory busy when the source
      // is large (a third faster at 256 MiB); harmless past the end.
      __builtin_prefetch(p + 2048);
      put_line(p, kBase64LineBytes);
    }
    std::memcpy(carry, p, left);
    carried = left;
  }
  if (carried > 0) put_line(carry, carried);
  out.flush();
}

std::int32_t DecodeBase64(zyl::TStream& Source, zyl::TStream& Target) {
  detail::window_reader in(Source, 64 * 1024);
  zyl::detail::BlockWriter out(Target);
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
