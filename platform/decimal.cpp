// Library: zyl / Package: platform / Module: decimal
#include "platform/decimal.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

namespace zyl::detail {
namespace {

// An unsigned big integer, little-endian 32-bit limbs, no leading zero limbs.
class BigUInt {
 public:
  explicit BigUInt(std::uint64_t v = 0) {
    while (v != 0) {
      FLimbs.push_back(static_cast<std::uint32_t>(v));
      v >>= 32;
    }
  }

  bool is_zero() const { return FLimbs.empty(); }

  void mul_add(std::uint32_t mul, std::uint32_t add = 0) {
    std::uint64_t carry = add;
    for (auto& limb : FLimbs) {
      const std::uint64_t t = static_cast<std::uint64_t>(limb) * mul + carry;
      limb = static_cast<std::uint32_t>(t);
      carry = t >> 32;
    }
    if (carry != 0) FLimbs.push_back(static_cast<std::uint32_t>(carry));
    trim();
  }

  // Divides in place, returning the remainder.
  std::uint32_t div_small(std::uint32_t div) {
    std::uint64_t rem = 0;
    for (std::size_t i = FLimbs.size(); i-- > 0;) {
      const std::uint64_t cur = (rem << 32) | FLimbs[i];
      FLimbs[i] = static_cast<std::uint32_t>(cur / div);
      rem = cur % div;
    }
    trim();
    return static_cast<std::uint32_t>(rem);
  }

  void shift_left(std::size_t bits) {
    if (is_zero() || bits == 0) return;
    const std::size_t limbs = bits / 32, rest = bits % 32;
    FLimbs.insert(FLimbs.begin(), limbs, 0u);
    if (rest != 0) {
      std::uint32_t carry = 0;
      for (std::size_t i = limbs; i < FLimbs.size(); ++i) {
        const std::uint32_t v = FLimbs[i];
        FLimbs[i] = (v << rest) | carry;
        carry = v >> (32 - rest);
      }
      if (carry != 0) FLimbs.push_back(carry);
    }
  }

  std::size_t bit_length() const {
    if (is_zero()) return 0;
    std::uint32_t top = FLimbs.back();
    std::size_t n = 0;
    while (top != 0) {
      ++n;
      top >>= 1;
    }
    return (FLimbs.size() - 1) * 32 + n;
  }

  bool bit(std::size_t i) const {
    const std::size_t limb = i / 32;
    return limb < FLimbs.size() && ((FLimbs[limb] >> (i % 32)) & 1u) != 0;
  }

  // True when any bit below position i is set.
  bool any_bit_below(std::size_t i) const {
    const std::size_t limb = i / 32;
    for (std::size_t k = 0; k < limb && k < FLimbs.size(); ++k)
      if (FLimbs[k] != 0) return true;
    if (limb < FLimbs.size() && (i % 32) != 0) return (FLimbs[limb] & ((1u << (i % 32)) - 1u)) != 0;
    return false;
  }

  // Bits [from, from + 64) as an integer.
  std::uint64_t bits_at(std::size_t from) const {
    std::uint64_t v = 0;
    for (std::size_t i = 0; i < 64; ++i)
      if (bit(from + i)) v |= std::uint64_t{1} << i;
    return v;
  }

  int compare(const BigUInt& o) const {
    if (FLimbs.size() != o.FLimbs.size()) return FLimbs.size() < o.FLimbs.size() ? -1 : 1;
    for (std::size_t i = FLimbs.size(); i-- > 0;)
      if (FLimbs[i] != o.FLimbs[i]) return FLimbs[i] < o.FLimbs[i] ? -1 : 1;
    return 0;
  }

  // *this -= o; requires *this >= o.
  void subtract(const BigUInt& o) {
    std::int64_t borrow = 0;
    for (std::size_t i = 0; i < FLimbs.size(); ++i) {
      std::int64_t t = static_cast<std::int64_t>(FLimbs[i]) - borrow -
                       (i < o.FLimbs.size() ? static_cast<std::int64_t>(o.FLimbs[i]) : 0);
      borrow = t < 0 ? 1 : 0;
      if (t < 0) t += std::int64_t{1} << 32;
      FLimbs[i] = static_cast<std::uint32_t>(t);
    }
    trim();
  }

  void set_bit(std::size_t i) {
    if (FLimbs.size() <= i / 32) FLimbs.resize(i / 32 + 1, 0u);
    FLimbs[i / 32] |= 1u << (i % 32);
  }

  // Decimal digits, most significant first ("0" for zero).
  std::string to_decimal() const {
    if (is_zero()) return "0";
    BigUInt n = *this;
    std::string reversed;
    while (!n.is_zero()) {
      std::uint32_t chunk = n.div_small(1000000000u);
      for (int i = 0; i < 9; ++i) {
        reversed.push_back(static_cast<char>('0' + chunk % 10));
        chunk /= 10;
      }
    }
    while (reversed.size() > 1 && reversed.back() == '0') reversed.pop_back();
    return {reversed.rbegin(), reversed.rend()};
  }

 private:
  void trim() {
    while (!FLimbs.empty() && FLimbs.back() == 0) FLimbs.pop_back();
  }
  std::vector<std::uint32_t> FLimbs;
};

void multiply_by_power(BigUInt& n, std::uint32_t base, std::uint32_t chunk_power, std::uint32_t chunk,
                       long long exponent) {
  for (; exponent >= chunk_power; exponent -= chunk_power) n.mul_add(chunk);
  for (; exponent > 0; --exponent) n.mul_add(base);
}

void multiply_by_pow5(BigUInt& n, long long e) { multiply_by_power(n, 5, 13, 1220703125u, e); }
void multiply_by_pow10(BigUInt& n, long long e) { multiply_by_power(n, 10, 9, 1000000000u, e); }

// The extended format: 64-bit significand, subnormals down to 2^-16445,
// largest exponent 16383.
constexpr long long kMinLsbExponent = -16445;
constexpr long long kMaxExponent = 16383;

// q * 2^x (with `sticky` telling whether anything nonzero was cut below q) to
// the nearest extended, ties to even. Empty on overflow.
std::optional<Extended> round_to_extended(const BigUInt& q, long long x, bool sticky) {
  const long long bits = static_cast<long long>(q.bit_length());
  if (bits == 0) return 0.0L;
  const long long top = bits - 1 + x;
  if (top > kMaxExponent) return std::nullopt;
  const long long lsb = std::max(top - 63, kMinLsbExponent);
  const long long drop = lsb - x;
  std::uint64_t mant;
  long long exp2 = lsb;
  if (drop <= 0) {
    mant = q.bits_at(0) ;
    exp2 = x;
  } else {
    mant = drop < bits ? q.bits_at(static_cast<std::size_t>(drop)) : 0;
    const bool half = q.bit(static_cast<std::size_t>(drop - 1));
    const bool below = sticky || q.any_bit_below(static_cast<std::size_t>(drop - 1));
    if (half && (below || (mant & 1u) != 0)) {
      ++mant;
      if (mant == 0) {  // carried out of 64 bits
        mant = std::uint64_t{1} << 63;
        ++exp2;
        if (exp2 + 63 > kMaxExponent) return std::nullopt;
      }
    }
  }
  return std::ldexp(static_cast<Extended>(mant), static_cast<int>(exp2));
}

}  // namespace

DecimalDigits exact_decimal(Extended value) {
  DecimalDigits d;
  d.negative = std::signbit(value);
  if (value == 0 || !std::isfinite(value)) return d;
  int e2 = 0;
  const Extended frac = std::frexp(std::fabs(value), &e2);  // in [0.5, 1)
  auto m = static_cast<std::uint64_t>(std::ldexp(frac, 64));
  long long k = static_cast<long long>(e2) - 64;
  while ((m & 1u) == 0) {
    m >>= 1;
    ++k;
  }
  BigUInt n(m);
  long long scale10 = 0;
  if (k >= 0) {
    n.shift_left(static_cast<std::size_t>(k));
  } else {
    multiply_by_pow5(n, -k);  // m / 2^j = m * 5^j / 10^j
    scale10 = k;
  }
  d.digits = n.to_decimal();
  d.point = static_cast<int>(static_cast<long long>(d.digits.size()) + scale10);
  while (!d.digits.empty() && d.digits.back() == '0') d.digits.pop_back();
  return d;
}

void round_decimal(DecimalDigits& d, int keep) {
  if (d.digits.empty() || keep >= static_cast<int>(d.digits.size())) return;
  if (keep < 0) {
    d.digits.clear();
    d.point = 0;
    return;
  }
  const bool up = d.digits[static_cast<std::size_t>(keep)] >= '5';
  d.digits.resize(static_cast<std::size_t>(keep));
  if (up) {
    int i = keep - 1;
    for (; i >= 0 && d.digits[static_cast<std::size_t>(i)] == '9'; --i) d.digits[static_cast<std::size_t>(i)] = '0';
    if (i >= 0) {
      ++d.digits[static_cast<std::size_t>(i)];
    } else {
      d.digits.insert(d.digits.begin(), '1');
      ++d.point;
    }
  }
  while (!d.digits.empty() && d.digits.back() == '0') d.digits.pop_back();
  if (d.digits.empty()) d.point = 0;
}

std::optional<Extended> parse_decimal(std::u16string_view text) {
  std::size_t i = 0;
  bool negative = false;
  if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) negative = text[i++] == u'-';
  // Significant digits (leading zeros dropped) and the power of ten that
  // scales them. Beyond kMaxDigits only whether anything nonzero follows
  // matters for rounding, so one sticky '1' stands for the rest.
  constexpr std::size_t kMaxDigits = 800;
  std::string digits;
  long long scale = 0;
  bool any_digit = false, sticky = false, seen_point = false;
  for (; i < text.size(); ++i) {
    const char16_t c = text[i];
    if (c == u'.' && !seen_point) {
      seen_point = true;
      continue;
    }
    if (c < u'0' || c > u'9') break;
    any_digit = true;
    if (digits.empty() && c == u'0') {
      if (seen_point) --scale;
      continue;
    }
    if (digits.size() < kMaxDigits) {
      digits.push_back(static_cast<char>(c));
      if (seen_point) --scale;
    } else {
      if (c != u'0') sticky = true;
      if (!seen_point) ++scale;
    }
  }
  if (!any_digit) return std::nullopt;
  if (i < text.size() && (text[i] == u'e' || text[i] == u'E')) {
    ++i;
    bool exp_negative = false;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) exp_negative = text[i++] == u'-';
    if (i == text.size()) return std::nullopt;
    long long e = 0;
    for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i)
      e = std::min<long long>(e * 10 + (text[i] - u'0'), 1000000);
    scale += exp_negative ? -e : e;
  }
  if (i != text.size()) return std::nullopt;
  if (sticky) {
    digits.push_back('1');
    --scale;
  }
  const Extended sign = negative ? -1.0L : 1.0L;
  if (digits.empty()) return sign * 0.0L;
  const long long magnitude = static_cast<long long>(digits.size()) + scale;  // value < 10^magnitude
  if (magnitude > 4933) return std::nullopt;
  if (magnitude < -4952) return sign * 0.0L;

  BigUInt n;
  for (char c : digits) n.mul_add(10, static_cast<std::uint32_t>(c - '0'));
  std::optional<Extended> r;
  if (scale >= 0) {
    multiply_by_pow10(n, scale);
    r = round_to_extended(n, 0, false);
  } else {
    // n / 10^-scale: a quotient of at least 66 bits plus a sticky remainder
    // decides the rounding exactly.
    BigUInt div(1);
    multiply_by_pow10(div, -scale);
    const long long shift =
        std::max<long long>(0, static_cast<long long>(div.bit_length()) - static_cast<long long>(n.bit_length()) + 66);
    n.shift_left(static_cast<std::size_t>(shift));
    BigUInt q;
    const long long qbits = static_cast<long long>(n.bit_length()) - static_cast<long long>(div.bit_length()) + 1;
    for (long long b = qbits; b >= 0; --b) {
      BigUInt shifted = div;
      shifted.shift_left(static_cast<std::size_t>(b));
      if (n.compare(shifted) >= 0) {
        n.subtract(shifted);
        q.set_bit(static_cast<std::size_t>(b));
      }
    }
    r = round_to_extended(q, -shift, !n.is_zero());
  }
  if (!r) return std::nullopt;
  return sign * *r;
}

}  // namespace zyl::detail
