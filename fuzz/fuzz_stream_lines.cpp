// Line, byte and text scanners over arbitrary bytes: ReadLnStream in every
// mode, the printable-only line reader, FindInStream, ReadStreamUntil, CountLinesInStream, StreamAsString.
// The buffered fast path (memory stream) must agree with a stream read one
// byte per call.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "ZYL_streams/ZYL_streams.h"
#include "ZYL_streams/detail/linereader.h"
#include "platform/memorystream.h"

namespace {

class OneByteStream : public zyl::TStream {
 public:
  OneByteStream(const std::uint8_t* d, std::size_t n) : FData(d, d + n) {}
  std::int32_t Read(void* Buffer, std::int32_t Count) override {
    if (Count <= 0 || FPos >= static_cast<std::int64_t>(FData.size())) return 0;
    std::memcpy(Buffer, FData.data() + FPos, 1);
    ++FPos;
    return 1;
  }
  std::int32_t Write(const void*, std::int32_t) override { return 0; }
  std::int64_t Seek(std::int64_t Offset, zyl::TSeekOrigin Origin) override {
    const std::int64_t base = Origin == zyl::TSeekOrigin::soBeginning ? 0
                              : Origin == zyl::TSeekOrigin::soCurrent ? FPos
                                                                      : static_cast<std::int64_t>(FData.size());
    FPos = std::max<std::int64_t>(0, base + Offset);
    return FPos;
  }

 private:
  std::string FData;
  std::int64_t FPos = 0;
};

void check(bool ok) {
  if (!ok) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
  if (Size == 0) return 0;
  const int mode = static_cast<int>(Data[0] % 7) - 1;  // -1..5: every mode and two others
  zyl::TMemoryStream fast;
  fast.WriteBuffer(Data + 1, static_cast<std::int32_t>(Size - 1));
  fast.SetPosition(0);
  OneByteStream slow(Data + 1, Size - 1);

  for (bool eos_fast = false, eos_slow = false; !eos_fast;) {
    const zyl::String a = ZYL_streams::ReadLnStream(fast, eos_fast, mode);
    const zyl::String b = ZYL_streams::ReadLnStream(slow, eos_slow, mode);
    check(a == b && eos_fast == eos_slow && fast.Position() == slow.Position());
  }
  check(fast.Position() == fast.Size());

  // The printable-only reader of TMixedFStream::ReadLn.
  fast.SetPosition(0);
  slow.SetPosition(0);
  while (fast.Position() < fast.Size()) {
    const zyl::String a = ZYL_streams::detail::read_line_printable(fast, mode);
    const zyl::String b = ZYL_streams::detail::read_line_printable(slow, mode);
    check(a == b && fast.Position() == slow.Position());
    for (const zyl::Char c : a) check(c >= 32 || c == 9);
  }

  fast.SetPosition(0);
  slow.SetPosition(0);
  check(ZYL_streams::CountLinesInStream(fast) == ZYL_streams::CountLinesInStream(slow));

  fast.SetPosition(0);
  slow.SetPosition(0);
  while (ZYL_streams::FindInStream(fast, Data[0])) {
    check(ZYL_streams::FindInStream(slow, Data[0]) && fast.Position() == slow.Position());
  }

  // A target from the first bytes, searched in the rest.
  const std::size_t tlen = Size > 4 ? Data[1] % 4 : 0;
  zyl::String target;
  for (std::size_t i = 0; i < tlen; ++i) target.push_back(Data[2 + i]);
  fast.SetPosition(0);
  std::int32_t status = 5;
  const zyl::String got = ZYL_streams::ReadStreamUntil(fast, target, status);
  check(status == 0 || status == -1);
  check(fast.Position() <= fast.Size() && static_cast<std::int64_t>(got.size()) == fast.Position());

  fast.SetPosition(0);
  check(ZYL_streams::StreamAsString(fast).size() == (Size - 1) / 2);
  return 0;
}
