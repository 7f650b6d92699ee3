// Library: zyl / Package: ZYL_streams / Module: streamscan
#include "ZYL_streams/streamscan.h"

#include <algorithm>
#include <cstring>

#include "ZYL_zylbase/detail/numberscan.h"
#include "ZYL_zylbase/detail/tagreader.h"
#include "platform/bytereader.h"

namespace ZYL_streams {
namespace {

constexpr std::int32_t kBlock = 256;

// Appends the rest of the stream in blocks of 256 bytes while they come back
// full, handing each block to Append.
template <class F>
void read_blocks(TStream& Stream, F&& Append) {
  std::uint8_t block[kBlock];
  std::int32_t n;
  do {
    n = std::max<std::int32_t>(0, Stream.Read(block, kBlock));
    Append(block, n);
  } while (n == kBlock);
}

// The number of LF bytes. Sixteen 8-bit lane counters, emptied before they
// can overflow, let the compiler turn the inner loop into vector compares.
std::size_t count_lf(const std::uint8_t* p, std::size_t n) {
  constexpr std::size_t kLanes = 16;
  constexpr std::size_t kBlock = 255 * kLanes;
  std::size_t total = 0;
  while (n > 0) {
    const std::size_t block = std::min(n, kBlock);
    std::uint8_t lanes[kLanes] = {};
    std::size_t i = 0;
    for (; i + kLanes <= block; i += kLanes)
      for (std::size_t j = 0; j < kLanes; ++j) lanes[j] = static_cast<std::uint8_t>(lanes[j] + (p[i + j] == 10));
    for (const std::uint8_t c : lanes) total += c;
    for (; i < block; ++i) total += p[i] == 10;
    p += block;
    n -= block;
  }
  return total;
}

}  // namespace

bool FindInStream(TStream& Stream, std::uint8_t b) {
  zyl::detail::ByteReader reader(Stream);
  for (;;) {
    auto w = reader.window();
    if (w.empty()) {
      if (!reader.refill()) return false;
      w = reader.window();
    }
    if (const void* p = std::memchr(w.data(), b, w.size())) {
      reader.skip(static_cast<std::size_t>(static_cast<const std::uint8_t*>(p) - w.data()) + 1);
      return true;
    }
    reader.skip(w.size());
  }
}

String StreamAsString(TStream& Stream) {
  String text;
  read_blocks(Stream, [&](const std::uint8_t* p, std::int32_t n) {
    for (std::int32_t i = 0; i + 1 < n; i += 2) text.push_back(static_cast<zyl::Char>(p[i] | (p[i + 1] << 8)));
  });
  return text;
}

String StreamAsByteString(TStream& Stream) {
  String text;
  read_blocks(Stream, [&](const std::uint8_t* p, std::int32_t n) { text.append(p, p + n); });
  return text;
}

String ReadStreamUntil(TStream& Stream, const String& Target, std::int32_t& Status) {
  Status = -1;
  const String target = zyl::LowerCase(Target);
  if (target.empty()) {
    Status = 0;
    return String();
  }
  const std::int64_t start = Stream.Position();
  String text, lowered;
  std::size_t found = String::npos;
  std::uint8_t block[kBlock];
  for (std::int32_t n = kBlock; n == kBlock && found == String::npos;) {
    n = std::max<std::int32_t>(0, Stream.Read(block, kBlock));
    const std::size_t before = text.size();
    text.append(block, block + n);
    lowered.resize(text.size());
    for (std::size_t i = before; i < text.size(); ++i) lowered[i] = zyl::detail::ascii_lower(text[i]);
    // Only the new bytes (with enough overlap for a match across blocks)
    // can hold a first occurrence not seen before.
    const std::size_t from = before >= target.size() ? before - target.size() + 1 : 0;
    found = lowered.find(target, from);
  }
  if (found == String::npos) return text;
  Status = 0;
  text.resize(found + target.size());
  Stream.SetPosition(start + static_cast<std::int64_t>(text.size()));
  return text;
}

std::int32_t ScanStreamDecimal(TStream& Stream) {
  zyl::detail::ByteReader reader(Stream);
  return zyl::detail::scan_decimal(reader);
}

double ScanStreamFPNum(TStream& Stream, bool AllowExp, std::int32_t DecPChar) {
  zyl::detail::ByteReader reader(Stream);
  return zyl::detail::scan_fpnum(reader, AllowExp, DecPChar);
}

std::int64_t CountLinesInStream(TStream& Stream) {
  zyl::detail::ByteReader reader(Stream);
  std::int64_t lines = 0;
  for (;;) {
    const auto w = reader.window();
    lines += static_cast<std::int64_t>(count_lf(w.data(), w.size()));
    reader.skip(w.size());
    if (!reader.refill()) return lines;
  }
}

}  // namespace ZYL_streams
