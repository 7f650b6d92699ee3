// Library: zyl / Package: ZYL_filesys / Module: password
#include "ZYL_filesys/password.h"

#include <algorithm>
#include <cstdint>

#include "platform/securerandom.h"

namespace ZYL_filesys {
namespace {

constexpr char16_t kVowels[] = u"aeiouy";
constexpr char16_t kConsonants[] = u"bcdfghjklmnpqrstvwxz";
constexpr char16_t kSpecials[] = u"_!$%#=0123456789";
constexpr int kMinLength = 4;
constexpr int kMaxLength = 14;
constexpr std::size_t kDigitsPosition = 6;  // inserted at character position 7

// 0..N-1 from the secure source (the bias of 64 bits modulo N <= 100 is below 2^-57).
std::uint32_t random_below(std::uint32_t N) { return static_cast<std::uint32_t>(zyl::platform::secure_random64() % N); }

// A uniform number in [0, 1) with 53 random bits.
double random_unit() { return static_cast<double>(zyl::platform::secure_random64() >> 11) * 0x1p-53; }

template <std::size_t N>
char16_t pick(const char16_t (&Alphabet)[N]) {
  return Alphabet[random_below(N - 1)];
}

}  // namespace

String InventPassword(int Length) {
  const int n = std::clamp(Length, kMinLength, kMaxLength);
  String letters;
  if (n % 2 != 0) letters += pick(kVowels);
  for (int pair = 0; pair < n / 2 - 1; ++pair) {
    letters += pick(kConsonants);
    letters += pick(kVowels);
  }
  const std::uint32_t number = random_below(100);
  const String digits{static_cast<char16_t>(u'0' + number / 10), static_cast<char16_t>(u'0' + number % 10)};
  letters.insert(std::min(kDigitsPosition, letters.size()), digits);
  return letters;
}

String InventPassword(int Length, bool MixedCase, bool Special) {
  String password = InventPassword(Length);
  const std::size_t n = std::min(password.size(), static_cast<std::size_t>(std::max(Length, 0)));
  for (std::size_t i = 0; i < n; ++i) {
    char16_t& c = password[i];
    if (MixedCase && c >= u'a' && c <= u'z' && random_unit() > 0.5) c = static_cast<char16_t>(c - 32);
    if (Special && random_unit() > 0.8) c = pick(kSpecials);
  }
  return password;
}

}  // namespace ZYL_filesys
