// The label reader over arbitrary files: reading ends (true at the closing
// tag, false at the end of the file), a label read back writes again, and a
// second read of what it wrote restores the same caption and position.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "ZYL_zylbase/textlabel.h"
#include "platform/textfile.h"
#include "scratch_file.h"

namespace {

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
  const std::string in = scratch_file("label-in.xml");
  std::FILE* f = std::fopen(in.c_str(), "wb");
  if (f == nullptr) return 0;
  if (Size > 0) std::fwrite(Data, 1, Size, f);
  std::fclose(f);

  ZYL_zylbase::TCustomTextLabel label;
  zyl::TextFile t;
  t.Assign(zyl::from_utf8(in));
  t.Reset();
  label.ReadFromOpenXMLFile(t, u"");
  t.CloseFile();

  const std::string out = scratch_file("label-out.xml");
  t.Assign(zyl::from_utf8(out));
  t.Rewrite();
  label.WriteToOpenXMLFile(t, true, u"f", 2);
  t.CloseFile();
  ZYL_zylbase::TCustomTextLabel back;
  t.Reset();
  if (!back.ReadFromOpenXMLFile(t, u"F")) std::abort();
  t.CloseFile();
  // Captions the setter would not produce (CR read from a file) may change
  // line ends on the way; everything else must come back.
  if (label.Caption().find(u'\r') == zyl::String::npos && back.Caption() != label.Caption()) std::abort();
  if (back.Layer() != label.Layer() || back.ColorBkg() != (label.ColorBkg() & 0xFFFFFF)) std::abort();
  return 0;
}
