// The string array's XML reader over arbitrary files: it either refuses the
// input and leaves the array as it was, or reads a block that is consistent
// and writes back to a file that reads back identically.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "ZYL_dstruct/stringarray.h"
#include "platform/textfile.h"
#include "scratch_file.h"

namespace {

bool same(const ZYL_dstruct::TStringArray& a, const ZYL_dstruct::TStringArray& b) {
  if (a.NrOfColumns() != b.NrOfColumns() || a.NrOfRows() != b.NrOfRows()) return false;
  for (int c = 1; c <= a.NrOfColumns(); ++c)
    if (a.GetColAttrib(c) != b.GetColAttrib(c)) return false;
  for (int r = 1; r <= a.NrOfRows(); ++r) {
    if (a.GetRowAttrib(r) != b.GetRowAttrib(r)) return false;
    for (int c = 0; c <= a.NrOfColumns(); ++c)
      if (a.GetString(c, r) != b.GetString(c, r)) return false;
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
  const std::string in = scratch_file("strarray-in.xml");
  std::FILE* f = std::fopen(in.c_str(), "wb");
  if (f == nullptr) return 0;
  std::fwrite(Data, 1, Size, f);
  std::fclose(f);

  ZYL_dstruct::TStringArray a(nullptr);
  a.SetString(1, 1, "untouched");
  if (!a.LoadFromXMLFile(zyl::from_utf8(in), u"X")) {
    if (a.NrOfRows() != 1 || a.NrOfColumns() != 1 || a.GetString(1, 1) != "untouched") std::abort();
    return 0;
  }
  const std::string out = scratch_file("strarray-out.xml");
  // Written through an open text file: the bytes SaveAsXMLFile writes,
  // without its flush to disk, which would cost more than the reading.
  zyl::TextFile t;
  t.Assign(zyl::from_utf8(out));
  t.Rewrite();
  a.WriteToOpenXMLFile(t, true, u"X");
  t.CloseFile();
  ZYL_dstruct::TStringArray b(nullptr);
  if (!b.LoadFromXMLFile(zyl::from_utf8(out), u"X") || !same(a, b)) std::abort();
  return 0;
}
