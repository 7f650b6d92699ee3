// Library: zyl / Package: ZYL_filesys / Module: detail/textblocks
#include "ZYL_filesys/detail/textblocks.h"

#include <algorithm>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "platform/exceptions.h"

namespace ZYL_filesys::detail {

using zyl::String;

InputFile::InputFile(const String& Name) : FName(Name) {
  int error = 0;
  FHandle = zyl::platform::open_file(Name, zyl::platform::FileAccess::Read, zyl::platform::FileDisposition::OpenExisting,
                                     0, error);
  if (!FHandle.valid()) fail(u"Cannot open file", error);
}

void InputFile::fail(std::u16string_view What, int Error) const {
  throw zyl::EInOutError(String(What) + u" \"" + FName + u"\": " + zyl::platform::error_message(Error), Error);
}

std::size_t InputFile::read(char* Buffer, std::size_t Count) {
  int error = 0;
  const std::int64_t n = zyl::platform::read_file(FHandle, Buffer, static_cast<std::int64_t>(Count), error);
  if (n < 0) fail(u"Cannot read file", error);
  return static_cast<std::size_t>(n);
}

void InputFile::seek(std::int64_t Offset) {
  int error = 0;
  if (zyl::platform::seek_file(FHandle, Offset, zyl::TSeekOrigin::soBeginning, error) < 0)
    fail(u"Cannot seek in file", error);
}

std::string InputFile::read_at(std::int64_t Offset, std::size_t Count) {
  seek(Offset);
  std::string bytes(Count, '\0');
  bytes.resize(read(bytes.data(), Count));
  return bytes;
}

std::int64_t InputFile::size() {
  int error = 0;
  const std::int64_t n = zyl::platform::file_size(FHandle, error);
  if (n < 0) fail(u"Cannot read file", error);
  return n;
}

std::string_view LineChunks::next() {
  // Move the unfinished line handed over last time to the front.
  if (FCarry > 0) {
    std::memmove(FBuf.data(), FBuf.data() + FBuf.size() - FCarry, FCarry);
    FBuf.resize(FCarry);
  } else {
    FBuf.clear();
  }
  FCarry = 0;
  while (!FEnd) {
    const std::size_t at = FBuf.size();
    FBuf.resize(at + kBlockSize);
    const std::size_t n = FFile.read(FBuf.data() + at, kBlockSize);
    FBuf.resize(at + n);
    if (n == 0) {
      FEnd = true;
      break;
    }
    const void* lf = nullptr;
    // The last LF of the new bytes ends the chunk; what follows is carried.
    for (std::size_t i = FBuf.size(); i > at; --i)
      if (FBuf[i - 1] == '\n') {
        lf = FBuf.data() + i - 1;
        break;
      }
    if (lf != nullptr) {
      const std::size_t len = static_cast<std::size_t>(static_cast<const char*>(lf) - FBuf.data()) + 1;
      FCarry = FBuf.size() - len;
      return std::string_view(FBuf.data(), len);
    }
  }
  return std::string_view(FBuf);
}

// The portable count works on eight bytes at a time: a byte of x ^ LF is
// zero exactly where x holds LF; ((y & 0x7F..) + 0x7F..) | y has the high
// bit set in every non-zero byte, so its complement marks the LFs. Per-byte
// counters are summed every 255 words, before any of them can overflow.
std::size_t count_lf_portable(const char* P, std::size_t N) noexcept {
  constexpr std::uint64_t kOnes = 0x0101010101010101ull;
  constexpr std::uint64_t kLow7 = kOnes * 0x7F;
  constexpr std::uint64_t kLF = kOnes * '\n';
  std::size_t total = 0;
  while (N >= 8) {
    const std::size_t words = std::min<std::size_t>(N / 8, 255);
    std::uint64_t counters = 0;
    for (std::size_t w = 0; w < words; ++w) {
      std::uint64_t x;
      std::memcpy(&x, P + 8 * w, 8);
      x ^= kLF;
      counters += (~(((x & kLow7) + kLow7) | x) >> 7) & kOnes;
    }
    // Pairs of byte counters into 16-bit lanes (at most 510 each), then
    // the four lanes summed by one multiplication (at most 2040).
    constexpr std::uint64_t kLowBytes = 0x00FF00FF00FF00FFull;
    const std::uint64_t pairs = (counters & kLowBytes) + ((counters >> 8) & kLowBytes);
    total += static_cast<std::size_t>((pairs * 0x0001000100010001ull) >> 48);
    P += 8 * words;
    N -= 8 * words;
  }
  for (; N > 0; --N) total += *P++ == '\n';
  return total;
}

#if defined(__SSE2__)
// Sixteen byte counters (0 - compare mask per LF), summed with psadbw every
// 255 blocks.
std::size_t count_lf_sse2(const char* P, std::size_t N) noexcept {
  const __m128i lf = _mm_set1_epi8('\n');
  std::size_t total = 0;
  while (N >= 16) {
    const std::size_t blocks = std::min<std::size_t>(N / 16, 255);
    __m128i counters = _mm_setzero_si128();
    for (std::size_t b = 0; b < blocks; ++b)
      counters = _mm_sub_epi8(counters,
                              _mm_cmpeq_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(P + 16 * b)), lf));
    const __m128i sums = _mm_sad_epu8(counters, _mm_setzero_si128());
    total += static_cast<std::size_t>(_mm_cvtsi128_si32(sums)) + static_cast<std::size_t>(_mm_extract_epi16(sums, 4));
    P += 16 * blocks;
    N -= 16 * blocks;
  }
  return total + count_lf_portable(P, N);
}
#endif

std::size_t count_lf(const char* P, std::size_t N) noexcept {
#if defined(__SSE2__)
  return count_lf_sse2(P, N);
#else
  return count_lf_portable(P, N);
#endif
}

bool is_ascii(std::string_view Bytes) noexcept {
  std::uint8_t high = 0;
  for (const char c : Bytes) high |= static_cast<std::uint8_t>(c);
  return high < 0x80;
}

// An ASCII byte is always one character and never part of another, so runs
// of non-ASCII bytes decode independently of each other.
std::size_t utf16_length(std::string_view Bytes) {
  std::size_t units = 0;
  while (!Bytes.empty()) {
    std::size_t ascii = 0;
    while (ascii < Bytes.size() && static_cast<std::uint8_t>(Bytes[ascii]) < 0x80) ++ascii;
    units += ascii;
    Bytes.remove_prefix(ascii);
    std::size_t other = 0;
    while (other < Bytes.size() && static_cast<std::uint8_t>(Bytes[other]) >= 0x80) ++other;
    if (other > 0) units += zyl::from_utf8(Bytes.substr(0, other)).size();
    Bytes.remove_prefix(other);
  }
  return units;
}

namespace {

// The line ends in Bytes: its LFs plus the CRs right before an LF.
std::size_t line_end_bytes_portable(const char* P, std::size_t N) {
  std::size_t ends = count_lf_portable(P, N);
  for (std::size_t i = 1; i < N; ++i) ends += P[i] == '\n' && P[i - 1] == '\r';
  return ends;
}

#if defined(__SSE2__)
// One pass over 16 bytes at a time: LF lanes, and CR lanes whose next byte
// (the same load shifted by one) is LF, counted in byte counters summed with
// psadbw every 127 blocks (two increments per block at most).
std::size_t line_end_bytes_sse2(const char* P, std::size_t N) {
  const __m128i lf = _mm_set1_epi8('\n');
  const __m128i cr = _mm_set1_epi8('\r');
  std::size_t total = 0;
  std::size_t done = 0;
  // Each block looks one byte ahead, so the last byte is left to the tail.
  while (N - done > 16) {
    const std::size_t blocks = std::min<std::size_t>((N - done - 1) / 16, 127);
    __m128i counters = _mm_setzero_si128();
    for (std::size_t b = 0; b < blocks; ++b) {
      const char* q = P + done + 16 * b;
      const __m128i here = _mm_loadu_si128(reinterpret_cast<const __m128i*>(q));
      const __m128i next = _mm_loadu_si128(reinterpret_cast<const __m128i*>(q + 1));
      const __m128i lfs = _mm_cmpeq_epi8(here, lf);
      const __m128i crlfs = _mm_and_si128(_mm_cmpeq_epi8(here, cr), _mm_cmpeq_epi8(next, lf));
      counters = _mm_sub_epi8(_mm_sub_epi8(counters, lfs), crlfs);
    }
    const __m128i sums = _mm_sad_epu8(counters, _mm_setzero_si128());
    total += static_cast<std::size_t>(_mm_cvtsi128_si32(sums)) + static_cast<std::size_t>(_mm_extract_epi16(sums, 4));
    done += 16 * blocks;
  }
  // The tail (a pair straddling into it was counted by the last block).
  return total + line_end_bytes_portable(P + done, N - done);
}
#endif

}  // namespace

std::int64_t line_characters(std::string_view Bytes) {
#if defined(__SSE2__)
  const std::size_t ends = line_end_bytes_sse2(Bytes.data(), Bytes.size());
#else
  const std::size_t ends = line_end_bytes_portable(Bytes.data(), Bytes.size());
#endif
  const std::size_t units = is_ascii(Bytes) ? Bytes.size() : utf16_length(Bytes);
  return static_cast<std::int64_t>(units) - static_cast<std::int64_t>(ends);
}

std::string_view strip_line_end(std::string_view Line) noexcept {
  if (Line.empty() || Line.back() != '\n') return Line;
  Line.remove_suffix(1);
  if (!Line.empty() && Line.back() == '\r') Line.remove_suffix(1);
  return Line;
}

}  // namespace ZYL_filesys::detail
