// Number text over arbitrary bytes: StrToFloat either raises EConvertError or
// gives a value whose exact decimal digits parse back to the same value, and
// Str prints it in both layouts without trouble.
#include <cstdint>
#include <cstdlib>

#include "platform/decimal.h"
#include "platform/exceptions.h"
#include "platform/numtext.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
  zyl::String text;
  for (std::size_t i = 0; i < Size; ++i) text.push_back(Data[i]);
  zyl::Extended v;
  try {
    v = zyl::StrToFloat(text);
  } catch (const zyl::EConvertError&) {
    return 0;
  }
  const zyl::detail::DecimalDigits d = zyl::detail::exact_decimal(v);
  const zyl::String exact =
      (d.negative ? u"-0." : u"0.") + zyl::from_ascii(d.digits) + u"e" + zyl::IntToStr(d.point);
  const auto back = zyl::detail::parse_decimal(exact);
  if (!back || *back != v) std::abort();
  const int width = Size > 0 ? Data[0] % 40 : 0;
  if (zyl::Str(v, width, -1).size() < 10 || zyl::Str(v, width, Size > 1 ? Data[1] % 30 : 2).empty()) std::abort();
  return 0;
}
