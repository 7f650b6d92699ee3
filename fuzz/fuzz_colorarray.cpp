// The colour array's text-file reader over arbitrary bytes, with and without
// AdjustSize, checked against what a successful read must leave behind; and
// HexStrToColor over arbitrary text, checked against a plain reference.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "ZYL_zylcolors/colorarray.h"
#include "ZYL_zylcolors/colorhex.h"
#include "platform/textfile.h"
#include "scratch_file.h"

namespace {

// HexStrToColor written out directly from its definition.
zyl::TColor reference_hex(const zyl::String& s) {
  std::size_t b = 0, e = s.size();
  while (b < e && s[b] == u' ') ++b;
  while (e > b && s[e - 1] == u' ') --e;
  if (b < e && s[b] == u'$') ++b;
  while (b < e && s[b] == u' ') ++b;
  zyl::TColor v = 0;
  for (; b < e; ++b) {
    const char16_t c = s[b];
    int d = -1;
    if (c >= u'0' && c <= u'9') d = c - u'0';
    else if (c >= u'a' && c <= u'f') d = c - u'a' + 10;
    else if (c >= u'A' && c <= u'F') d = c - u'A' + 10;
    if (d < 0) break;
    v = v * 16 + static_cast<zyl::TColor>(d);
  }
  return v;
}

constexpr std::int32_t kRoundTripColors = 1024;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
  if (Size == 0) return 0;
  const std::string text(reinterpret_cast<const char*>(Data + 1), Size - 1);
  const zyl::String wide = zyl::from_latin1(text);
  if (ZYL_zylcolors::HexStrToColor(wide) != reference_hex(wide)) std::abort();

  const std::string name = scratch_file("colorarray.txt");
  std::FILE* f = std::fopen(name.c_str(), "wb");
  if (f == nullptr) return 0;
  std::fwrite(text.data(), 1, text.size(), f);
  std::fclose(f);

  const bool adjust = (Data[0] & 1) != 0;
  ZYL_zylcolors::TColorArray colors(nullptr);
  if (Data[0] & 2) colors.Resize(1 + Data[0] / 4);
  const std::int32_t size_before = colors.Size();
  const bool ok = colors.LoadFromFile(zyl::from_utf8(name), adjust);
  // The array always keeps at least one colour and never grows past the
  // reader's limit; without AdjustSize its size never changes.
  if (colors.Size() < 1 || colors.Size() > ZYL_zylcolors::TColorArray::kMaxColorArrayFileSize) std::abort();
  if (!adjust && colors.Size() != size_before) std::abort();
  // The round trip writes and reads a line per colour: checked for arrays
  // up to kRoundTripColors (the reader itself runs in full for any size).
  if (ok && colors.Size() <= kRoundTripColors) {
    // Whatever was read, stored again and read back, is the same array.
    ZYL_zylcolors::TColorArray again(nullptr);
    // Written through an open text file: the bytes StoreOnFile writes,
    // without its flush to disk, which would cost more than the reading.
    zyl::TextFile t;
    t.Assign(zyl::from_utf8(scratch_file("colorarray.txt")));
    t.Rewrite();
    const bool written = colors.WriteToOpenTextFile(t, 1, colors.Size());
    t.CloseFile();
    if (!written || !again.LoadFromFile(zyl::from_utf8(name), true) || !again.IsEqual(&colors)) std::abort();
  }
  return 0;
}
