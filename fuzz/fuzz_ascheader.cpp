// The stream form of the ASC header reader over arbitrary bytes: a defined
// status, the stream never beyond its end, and the file form agreeing on the
// status where both number readers read the same.
#include <cstdint>
#include <cstdlib>

#include "ZYL_filesys/ascheader.h"
#include "platform/memorystream.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
  zyl::TMemoryStream m;
  m.WriteBuffer(Data, static_cast<std::int64_t>(Size));
  m.SetPosition(0);
  zyl::String line1;
  std::int32_t c1 = 0, c2 = 0;
  bool f1 = false, f2 = false, f3 = false, f4 = false;
  const std::int32_t status = ZYL_filesys::ReadHeaderOfASC(m, line1, c1, c2, f1, f2, f3, f4);
  if (status < -3 || status > 0) std::abort();
  if (m.Position() < 0 || m.Position() > m.Size()) std::abort();
  if (status != -1 && c1 <= 0) std::abort();
  if (status == 0 && (c2 <= 0)) std::abort();
  return 0;
}
