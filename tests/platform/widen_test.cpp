#include "platform/widen.h"

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

TEST(WidenBytes, Latin1TextWidensThroughIt) {
  EXPECT_EQ(from_latin1("ab\xE9"), u"ab\u00E9");
  EXPECT_EQ(from_latin1(std::string(40, '\xFF')), String(40, u'\u00FF'));
}

}  // namespace
}  // namespace zyl
