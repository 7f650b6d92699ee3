#include "platform/widen.h"

#include <algorithm>
#include <vector>

#include <gtest/gtest.h>

namespace zyl {
namespace {

// Every length 0..48 (the whole-piece, overlapping-piece and byte paths) with
// no high byte and with 0x80 or 0xFF at every position: each byte becomes its
// own character, the answer says whether all were ASCII, and nothing is
// written beyond Count (the output is exactly Count long under ASan).
TEST(WidenBytes, MatchesByteByByteAtEveryLengthAndPosition) {
  for (std::size_t n = 0; n <= 48; ++n) {
    for (std::size_t at = 0; at <= n; ++at) {  // at == n: all ASCII
      for (const std::uint8_t high : {std::uint8_t{0x80}, std::uint8_t{0xFF}}) {
        std::vector<std::uint8_t> bytes(n);
        for (std::size_t i = 0; i < n; ++i) bytes[i] = static_cast<std::uint8_t>(i * 7 % 128);
        if (at < n) bytes[at] = high;
        std::vector<Char> out(n, 0xAAAA);
        const bool ascii = detail::widen_bytes(bytes.data(), n, out.data());
        EXPECT_EQ(ascii, at == n) << "n=" << n << " at=" << at;
        for (std::size_t i = 0; i < n; ++i) ASSERT_EQ(out[i], bytes[i]) << "n=" << n << " i=" << i;
      }
    }
  }
}

#if defined(__SSE2__)
constexpr bool kOnePass = true;
#else
constexpr bool kOnePass = false;  // no vector path: the caller always takes the general one
#endif

// The one-pass line widener against a model: for every length 0..64 (steps
// of two pieces, single pieces and both mixed), a stop byte at every
// position (or none) and a high byte at every position (or none), written at
// offset 0 and 3 into an empty and into a long string.
// Where it answers, the answer is the stop's index, the characters before it
// are the bytes, and the string was never shrunk; it must answer whenever the
// stop lies in a whole 16-byte piece with only ASCII in the pieces before
// and at it.
TEST(WidenBytes, AsciiUntilStopMatchesModel) {
  for (std::size_t n = 0; n <= 64; ++n)
    for (std::size_t stop = 0; stop <= n; ++stop)     // stop == n: none
      for (std::size_t high = 0; high <= n; ++high)   // high == n: none
        for (const std::size_t at : {std::size_t{0}, std::size_t{3}})
          for (const std::size_t initial : {std::size_t{0}, std::size_t{100}}) {
            std::vector<std::uint8_t> bytes(n);
            for (std::size_t i = 0; i < n; ++i) bytes[i] = static_cast<std::uint8_t>('a' + i % 26);
            if (high < n) bytes[high] = 0xC3;
            if (stop < n) bytes[stop] = '\n';
            String out(initial, u'#');
            const std::size_t got = detail::widen_ascii_until(bytes.data(), n, '\n', out, at);
            const std::size_t piece_end = stop / 16 * 16 + 16;
            const bool must_answer = kOnePass && stop < n && piece_end <= n && (high >= piece_end || high == stop);
            const auto where = ::testing::Message() << "n=" << n << " stop=" << stop << " high=" << high
                                                    << " at=" << at << " initial=" << initial;
            if (got == detail::kNoStop) {
              ASSERT_FALSE(must_answer) << where;
              continue;
            }
            ASSERT_EQ(got, stop) << where;
            ASSERT_GE(out.size(), std::max(initial, at + stop)) << where;
            for (std::size_t i = 0; i < stop; ++i) ASSERT_EQ(out[at + i], bytes[i]) << where << " i=" << i;
          }
}

TEST(WidenBytes, Latin1TextWidensThroughIt) {
  EXPECT_EQ(from_latin1("ab\xE9"), u"ab\u00E9");
  EXPECT_EQ(from_latin1(std::string(40, '\xFF')), String(40, u'\u00FF'));
}

}  // namespace
}  // namespace zyl
