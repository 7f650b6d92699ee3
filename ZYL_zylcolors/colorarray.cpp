// Library: zyl / Package: ZYL_zylcolors / Module: colorarray
#include "ZYL_zylcolors/colorarray.h"

#include <algorithm>
#include <cmath>
#include <new>
#include <stdexcept>

#include "platform/fpu.h"
#include "platform/numtext.h"
#include "platform/savefile.h"
#include "ZYL_zylbase/errors.h"
#include "ZYL_zylcolors/colorblend.h"
#include "ZYL_zylcolors/colorhex.h"
#include "ZYL_zylcolors/detail/channels.h"
#include "ZYL_zylcolors/detail/gradient.h"
#include "ZYL_zylcolors/keycolors.h"

namespace ZYL_zylcolors {

using detail::Extended;

namespace {

bool is_space(zyl::Char c) { return c == u' ' || c == u'\t'; }

// Reads a decimal integer (optional sign) at pos after blanks and tabs; it
// must end at a blank, a tab or the end of the line and fit 32 bits.
bool read_int(const zyl::String& line, std::size_t& pos, std::int32_t& value) {
  while (pos < line.size() && is_space(line[pos])) ++pos;
  bool negative = false;
  if (pos < line.size() && (line[pos] == u'+' || line[pos] == u'-')) negative = line[pos++] == u'-';
  const std::size_t digits_start = pos;
  std::int64_t v = 0;
  for (; pos < line.size() && line[pos] >= u'0' && line[pos] <= u'9'; ++pos) {
    v = v * 10 + (line[pos] - u'0');
    if (v > 2147483648LL) return false;
  }
  if (pos == digits_start || (pos < line.size() && !is_space(line[pos]))) return false;
  v = negative ? -v : v;
  if (v > 2147483647LL) return false;
  value = static_cast<std::int32_t>(v);
  return true;
}

// The header line: first and last position.
bool parse_header(const zyl::String& line, std::int32_t& first, std::int32_t& last) {
  std::size_t pos = 0;
  return read_int(line, pos, first) && read_int(line, pos, last);
}

}  // namespace

TColorArray::TColorArray(zyl::TComponent* AOwner) : zyl::TComponent(AOwner) {
  set_length(1000, u"not enough memory on heap");
  FillByInterpolation(0, ColorArray_Rainbow);
  Backup();
}

TColorArray::~TColorArray() = default;

void TColorArray::set_length(std::int32_t n, const char16_t* Tail) {
  try {
    std::vector<TColor> colors(static_cast<std::size_t>(n), 0);
    std::vector<TColor> backup(static_cast<std::size_t>(n), 0);
    const auto keep = static_cast<std::ptrdiff_t>(std::min(n, FNColors));
    std::copy_n(FColArray.begin(), keep, colors.begin());
    std::copy_n(FColArrayBak.begin(), keep, backup.begin());
    FColArray.swap(colors);
    FColArrayBak.swap(backup);
    FNColors = n;
  } catch (const std::bad_alloc&) {
    throw ZYL_zylbase::EZYLColArrayError(ZYL_zylbase::ComponentMessage(Name(), Tail));
  } catch (const std::length_error&) {
    throw ZYL_zylbase::EZYLColArrayError(ZYL_zylbase::ComponentMessage(Name(), Tail));
  }
}

void TColorArray::Changed() {
  if (OnChange) OnChange(this);
}

void TColorArray::Assign(const zyl::TPersistent* Source) {
  if (const auto* other = dynamic_cast<const TColorArray*>(Source)) {
    if (other == this) return;
    FColArray = other->FColArray;
    FColArrayBak = other->FColArrayBak;
    FNColors = other->FNColors;
    return;
  }
  zyl::TComponent::Assign(Source);
}

void TColorArray::AssignTo(zyl::TPersistent* Dest) const {
  if (auto* other = dynamic_cast<TColorArray*>(Dest)) {
    other->Assign(this);
    return;
  }
  zyl::TComponent::AssignTo(Dest);
}

bool TColorArray::IsEqual(const TColorArray* OtherColorArray) const {
  return OtherColorArray != nullptr && OtherColorArray->FNColors == FNColors &&
         OtherColorArray->FColArray == FColArray;
}

void TColorArray::SetSize(std::int32_t n) {
  if (n > 0 && n != FNColors) Resize(n);
}

TColor TColorArray::GetColorElem(std::int32_t ix) const noexcept {
  const std::int32_t pos = std::clamp(ix, 1, FNColors);
  return FColArray[static_cast<std::size_t>(pos - 1)];
}

void TColorArray::SetColorElem(std::int32_t ix, TColor Value) {
  if (ix < 1 || ix > FNColors) return;
  FColArray[static_cast<std::size_t>(ix - 1)] = Value;
  Changed();
}

bool TColorArray::Resize(std::int32_t NewSize) {
  if (NewSize == FNColors) return true;
  if (NewSize < 1) return false;
  set_length(NewSize, u"not enough memory");
  Changed();
  return true;
}

void TColorArray::Fill(TColor Color) {
  std::fill(FColArray.begin(), FColArray.end(), Color);
  Changed();
}

void TColorArray::FillByInterpolation(std::int32_t DiscreteLevels, std::span<const TColor> Colors) {
  if (Colors.empty()) return;
  detail::fill_gradient(FColArray, DiscreteLevels, Colors);
  Changed();
}

void TColorArray::LogTransform(double Gamma) {
  // ln(N) is 0 for one colour: nothing to re-sample.
  if (FNColors > 1) {
    zyl::platform::ExtendedPrecisionScope extended;
    const Extended gamma = detail::clamp_to(Gamma, 0, 1);
    const Extended n = FNColors;
    const Extended ln_n = std::log(n);
    for (std::int32_t i = 1; i <= FNColors; ++i) {
      const Extended x = std::log(static_cast<Extended>(i)) * gamma * n / ln_n + (1 - gamma) * (i - 1);
      // j >= i for every gamma in [0, 1]: no position is read after it was
      // overwritten. The clamp only guards the array bounds.
      const std::int64_t j = std::clamp<std::int64_t>(detail::round_even(x) + 1, 1, FNColors);
      FColArray[static_cast<std::size_t>(i - 1)] = FColArray[static_cast<std::size_t>(j - 1)];
    }
  }
  Changed();
}

std::int32_t TColorArray::ColorToIndex(TColor cl, double& distance) const {
  std::int32_t squared = 0;
  const std::int32_t index = detail::nearest_color(FColArray, cl, squared);
  if (index < 0) {
    distance = 1;
    return 1;
  }
  distance = RGBColorDistance(cl, FColArray[static_cast<std::size_t>(index)]);
  return index + 1;
}

void TColorArray::CopyFrom(const TColorArray* ColArraySource, std::int32_t SourceElemLo, std::int32_t SourceElemHi,
                           std::int32_t DestElem) {
  if (ColArraySource == nullptr) return;
  const std::int32_t m = ColArraySource->FNColors;
  std::int32_t lo = std::clamp(SourceElemLo, 1, m);
  std::int32_t hi = std::clamp(SourceElemHi, 1, m);
  if (hi < lo) std::swap(lo, hi);
  // Read the whole range first, so a copy within this array cannot read
  // positions it has already overwritten.
  const std::vector<TColor> range(ColArraySource->FColArray.begin() + (lo - 1), ColArraySource->FColArray.begin() + hi);
  for (std::size_t k = 0; k < range.size(); ++k) {
    const std::int64_t dest = static_cast<std::int64_t>(DestElem) + static_cast<std::int64_t>(k);
    if (dest >= 1 && dest <= FNColors) FColArray[static_cast<std::size_t>(dest - 1)] = range[k];
  }
  Changed();
}

void TColorArray::MirrorColors() {
  std::reverse(FColArray.begin(), FColArray.end());
  Changed();
}

void TColorArray::InvertColors() {
  std::transform(FColArray.begin(), FColArray.end(), FColArray.begin(), InvertColor);
  Changed();
}

void TColorArray::ReverseRGB() {
  std::transform(FColArray.begin(), FColArray.end(), FColArray.begin(), ReverseRGBColor);
  Changed();
}

void TColorArray::Backup() { FColArrayBak = FColArray; }

void TColorArray::Restore() {
  FColArray = FColArrayBak;
  Changed();
}

std::vector<zyl::String> TColorArray::file_lines(std::int32_t FirstElem, std::int32_t LastElem) const {
  if (LastElem < FirstElem) std::swap(FirstElem, LastElem);
  FirstElem = std::max(FirstElem, 1);
  LastElem = std::min(LastElem, FNColors);
  std::vector<zyl::String> lines;
  lines.push_back(zyl::IntToStr(FirstElem) + u" " + zyl::IntToStr(LastElem));
  for (std::int32_t i = FirstElem; i <= LastElem; ++i)
    lines.push_back(ColorToHexStr(FColArray[static_cast<std::size_t>(i - 1)]));
  return lines;
}

bool TColorArray::WriteToOpenTextFile(zyl::TextFile& f, std::int32_t FirstElem, std::int32_t LastElem) const {
  try {
    for (const zyl::String& line : file_lines(FirstElem, LastElem)) f.WriteLn(line);
    f.Flush();
    return true;
  } catch (const zyl::EInOutError&) {
    return false;
  }
}

bool TColorArray::StoreOnFile(std::int32_t FirstElem, std::int32_t LastElem, const zyl::String& FileName) const {
  std::string bytes;
  for (const zyl::String& line : file_lines(FirstElem, LastElem)) {
    bytes += zyl::to_utf8(line);
    bytes += "\r\n";  // the line end TextFile writes
  }
  try {
    zyl::platform::save_file(FileName, bytes);
    return true;
  } catch (const zyl::EInOutError&) {
    return false;
  }
}

bool TColorArray::ReadFromOpenTextFile(zyl::TextFile& f, bool AdjustSize) {
  std::int32_t first = 0, last = 0;
  try {
    if (f.Eof() || !parse_header(f.ReadLn(), first, last)) return false;
  } catch (const zyl::EInOutError&) {
    return false;
  }
  if (AdjustSize) {
    if (last > kMaxColorArrayFileSize) return false;
    Resize(last);
  }
  const bool fits = last <= FNColors;
  if (fits) {
    for (std::int64_t i = first; i <= last; ++i) {
      bool at_end;
      try {
        at_end = f.Eof();
        if (!at_end) SetColorElem(static_cast<std::int32_t>(i), HexStrToColor(f.ReadLn()));
      } catch (const zyl::EInOutError&) {
        at_end = true;  // an unreadable file gives nothing more
      }
      if (at_end) {
        // Past the end every line reads empty, which stores black: only the
        // positions inside the array need a visit.
        for (std::int64_t j = std::max<std::int64_t>(i, 1); j <= std::min(last, FNColors); ++j)
          SetColorElem(static_cast<std::int32_t>(j), 0);
        break;
      }
    }
  }
  Changed();
  return fits;
}

bool TColorArray::LoadFromFile(const zyl::String& FileName, bool AdjustSize) {
  try {
    zyl::TextFile f;
    f.Assign(FileName);
    f.Reset();
    const bool ok = ReadFromOpenTextFile(f, AdjustSize);
    f.CloseFile();
    return ok;
  } catch (const zyl::EInOutError&) {
    return false;
  }
}

}  // namespace ZYL_zylcolors
