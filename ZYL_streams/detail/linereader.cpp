// Library: zyl / Package: ZYL_streams / Module: linereader
#include "ZYL_streams/detail/linereader.h"

#include <algorithm>
#include <span>

#include "platform/bytereader.h"
#include "platform/bytesearch.h"
#include "platform/widen.h"

namespace ZYL_streams::detail {
namespace {

using Window = std::span<const std::uint8_t>;
constexpr std::size_t kNone = static_cast<std::size_t>(-1);

std::size_t find_byte(Window w, std::uint8_t b) {
  const std::uint8_t* p = zyl::detail::find_byte(w.data(), w.data() + w.size(), b);
  return p == nullptr ? kNone : static_cast<std::size_t>(p - w.data());
}

// The index in w of the byte that ends the line, or kNone. Prev is the byte
// read before w[0].
std::size_t find_line_end(Window w, std::int32_t Mode, std::uint8_t Prev) {
  switch (Mode) {
    case 0: return find_byte(w, 10);
    case 1: return find_byte(w, 13);
    case 2:
      for (std::size_t i = 0; i < w.size(); ++i)
        if (w[i] == 10 || w[i] == 13) return i;
      return kNone;
    case 3:
    case 4: {
      // The second byte of the pair, preceded by the first.
      const std::uint8_t second = Mode == 3 ? 13 : 10;
      for (std::size_t from = 0;;) {
        const std::size_t i = find_byte(w.subspan(from), second);
        if (i == kNone) return kNone;
        const std::size_t at = from + i;
        if (ends_line(Mode, w[at], at == 0 ? Prev : w[at - 1])) return at;
        from = at + 1;
      }
    }
    default: return kNone;
  }
}

// The length of Text[0, Count) without up to two trailing CR/LF units: the
// line end and the other half of a CR LF or LF CR pair before it.
template <class C>
std::size_t without_line_end(const C* Text, std::size_t Count) {
  for (int i = 0; i < 2 && Count > 0 && (Text[Count - 1] == 10 || Text[Count - 1] == 13); ++i) --Count;
  return Count;
}

// Walks the stream window by window from the reader's position up to the
// line end, handing each piece (line end included) to Take. Returns false
// when the stream ended first.
template <class F>
bool scan_line(zyl::detail::ByteReader& reader, std::int32_t Mode, F&& Take) {
  std::uint8_t prev = 0;
  for (;;) {
    Window w = reader.window();
    if (w.empty()) {
      if (!reader.refill()) return false;
      w = reader.window();
    }
    const std::size_t end = find_line_end(w, Mode, prev);
    const std::size_t take = end == kNone ? w.size() : end + 1;
    Take(w.first(take));
    prev = w[take - 1];
    reader.skip(take);
    if (end != kNone) return true;
  }
}

}  // namespace

zyl::String read_line_text(zyl::TStream& Stream, std::int32_t Mode, bool& Eos) {
  zyl::detail::ByteReader reader(Stream);
  Eos = !reader.refill();
  if (Eos) return {};
  // Most lines lie whole in the stream's window: one search, and one
  // widening of exactly the bytes kept.
  const Window w = reader.window();
  if (Mode == 0) {
    // LF-ended ASCII lines (the common case) are found and widened in one
    // pass into a reused buffer, then copied out at their exact size. Lines
    // longer than the buffer's bound take the general path below.
    constexpr std::size_t kOnePassBytes = 4096;
    thread_local zyl::String widened;
    const std::size_t n =
        zyl::detail::widen_ascii_until(w.data(), std::min(w.size(), kOnePassBytes), 10, widened, 0);
    if (n != zyl::detail::kNoStop) {
      reader.skip(n + 1);
      return zyl::String(widened.data(), without_line_end(w.data(), n + 1));
    }
  }
  const std::size_t end = find_line_end(w, Mode, 0);
  if (end != kNone) {
    reader.skip(end + 1);
    return zyl::from_latin1(std::string_view(reinterpret_cast<const char*>(w.data()), without_line_end(w.data(), end + 1)));
  }
  zyl::String line;
  Eos = !scan_line(reader, Mode, [&](Window piece) {
    const std::size_t at = line.size();
    line.resize(at + piece.size());
    zyl::detail::widen_bytes(piece.data(), piece.size(), line.data() + at);
  });
  if (!Eos) line.resize(without_line_end(line.data(), line.size()));
  return line;
}

zyl::String read_line_printable(zyl::TStream& Stream, std::int32_t Mode) {
  zyl::detail::ByteReader reader(Stream);
  zyl::String line;
  scan_line(reader, Mode, [&](Window piece) {
    // Store every byte, advance only past the kept ones: no branch per byte.
    std::size_t k = line.size();
    line.resize(k + piece.size());
    for (const std::uint8_t b : piece) {
      line[k] = b;
      k += static_cast<std::size_t>(b >= 32 || b == 9);
    }
    line.resize(k);
  });
  return line;
}

}  // namespace ZYL_streams::detail
