// Library: zyl / Package: platform / Module: font
#include "platform/font.h"

#include <algorithm>
#include <cstdlib>

namespace zyl {

std::int32_t MulDiv(std::int32_t A, std::int32_t B, std::int32_t C) noexcept {
  if (C == 0) return -1;
  const std::int64_t p = std::int64_t{A} * B;
  const std::int64_t c = C;
  const bool negative = (p < 0) != (c < 0);
  const std::int64_t ap = std::llabs(p), ac = std::llabs(c);
  const std::int64_t q = (ap + ac / 2) / ac;
  const std::int64_t r = negative ? -q : q;
  if (r > INT32_MAX || r < INT32_MIN) return -1;  // as MulDiv reports overflow
  return static_cast<std::int32_t>(r);
}

void TFont::Assign(const TPersistent* Source) {
  const auto* f = dynamic_cast<const TFont*>(Source);
  if (f == nullptr) {
    TPersistent::Assign(Source);
    return;
  }
  FName = f->FName;
  FHeight = f->FHeight;
  FColor = f->FColor;
  FPixelsPerInch = f->FPixelsPerInch;
  FStyle = f->FStyle;
  Changed();
}

void TFont::SetName(const String& Value) {
  FName = Value;
  Changed();
}

namespace {
// -V, with -INT32_MIN kept at INT32_MAX.
std::int32_t negated(std::int32_t V) { return V == INT32_MIN ? INT32_MAX : -V; }
}  // namespace

std::int32_t TFont::Size() const noexcept { return negated(MulDiv(FHeight, 72, FPixelsPerInch)); }

void TFont::SetSize(std::int32_t Value) { SetHeight(negated(MulDiv(Value, FPixelsPerInch, 72))); }

void TFont::SetHeight(std::int32_t Value) {
  FHeight = Value;
  Changed();
}

void TFont::SetColor(TColor Value) {
  FColor = Value;
  Changed();
}

void TFont::SetPixelsPerInch(std::int32_t Value) {
  FPixelsPerInch = std::max(Value, 1);
  Changed();
}

void TFont::SetStyle(TFontStyles Value) {
  FStyle = Value;
  Changed();
}

void TFont::Changed() {
  if (OnChange) OnChange(this);
}

}  // namespace zyl
