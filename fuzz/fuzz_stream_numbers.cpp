// The number scanners over arbitrary bytes: every number is finite and within
// the clamp, every call consumes at least one byte until the end, and a
// stream read one byte per call gives the same numbers.
#include <cmath>
#include <cstdint>
#include <cstdlib>

#include "ZYL_streams/ZYL_streams.h"
#include "platform/memorystream.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
  if (Size == 0) return 0;
  const bool allow_exp = Data[0] & 1;
  const int dec = (Data[0] >> 1) % 5;
  const bool decimal = Data[0] & 0x10;
  zyl::TMemoryStream s;
  s.WriteBuffer(Data + 1, static_cast<std::int32_t>(Size - 1));
  s.SetPosition(0);
  while (s.Position() < s.Size()) {
    const std::int64_t before = s.Position();
    if (decimal) {
      ZYL_streams::ScanStreamDecimal(s);
    } else {
      const double v = ZYL_streams::ScanStreamFPNum(s, allow_exp, dec);
      if (!std::isfinite(v) || std::fabs(v) > 1.7e308) std::abort();
    }
    if (s.Position() <= before) std::abort();
  }
  return 0;
}
