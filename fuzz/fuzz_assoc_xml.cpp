// The associative array's XML reader over arbitrary streams: a refused
// block leaves the array and the stream position as they were; an accepted
// one writes back to a block that reads back to the same entries. The
// attribute reader takes any text.
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "ZYL_dstruct/assocarray.h"
#include "platform/memorystream.h"

namespace {

bool same(const ZYL_dstruct::TAssocArray& a, const ZYL_dstruct::TAssocArray& b) {
  if (a.NumEntries() != b.NumEntries()) return false;
  for (int i = 1; i <= a.NumEntries(); ++i) {
    if (a.GetKeys(i) != b.GetKeys(i) || a.GetValues(i).VarType() != b.GetValues(i).VarType()) return false;
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
  zyl::TBytesStream s(std::vector<std::uint8_t>(Data, Data + Size));
  ZYL_dstruct::TAssocArray a(nullptr);
  a.SetIgnoreCase(false);
  if (!a.ReadFromXMLStream(s, u"X")) {
    if (s.Position() != 0 || a.NumEntries() != 0) std::abort();
  } else {
    zyl::TBytesStream out;
    a.WriteToXMLStream(out, true, u"X");
    out.SetPosition(0);
    ZYL_dstruct::TAssocArray b(nullptr);
    b.SetIgnoreCase(false);
    if (!b.ReadFromXMLStream(out, u"X") || !same(a, b)) std::abort();
  }
  ZYL_dstruct::TAssocArray c(nullptr);
  const std::int32_t n = c.AddXMLAttributes(zyl::from_latin1(std::string_view(reinterpret_cast<const char*>(Data), Size)));
  if (n < c.NumEntries() || n < 0) std::abort();
  return 0;
}
