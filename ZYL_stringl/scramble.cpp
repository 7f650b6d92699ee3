// Library: zyl / Package: ZYL_stringl / Module: scramble
#include "ZYL_stringl/scramble.h"

#include "platform/random.h"

namespace ZYL_stringl {
namespace {

std::array<std::uint8_t, 256> forward_table{};
std::array<std::uint8_t, 256> inverse_table{};

String map_through(const String& s, const std::array<std::uint8_t, 256>& table) {
  String r = s;
  for (zyl::Char& c : r) {
    if (c < 256) c = table[c];
  }
  return r;
}

}  // namespace

void InitScramble(std::int32_t Seed) {
  zyl::RandSeed = Seed;
  forward_table.fill(0);
  inverse_table.fill(0);
  // Draw until a code not yet taken comes up. The generator runs through
  // every 32-bit state, so every code 1..255 comes up in the end.
  for (int i = 1; i <= 255; ++i) {
    std::int32_t a;
    do {
      a = zyl::Random(255) + 1;
    } while (inverse_table[static_cast<std::size_t>(a)] != 0);
    forward_table[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(a);
    inverse_table[static_cast<std::size_t>(a)] = static_cast<std::uint8_t>(i);
  }
}

String Scramble(const String& S) { return map_through(S, forward_table); }
String DeScramble(const String& S) { return map_through(S, inverse_table); }

namespace detail {
const std::array<std::uint8_t, 256>& scramble_forward() noexcept { return forward_table; }
const std::array<std::uint8_t, 256>& scramble_inverse() noexcept { return inverse_table; }
}  // namespace detail

}  // namespace ZYL_stringl
