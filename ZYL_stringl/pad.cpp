// Library: zyl / Package: ZYL_stringl / Module: pad
#include "ZYL_stringl/pad.h"

#include <algorithm>

namespace ZYL_stringl {
namespace {

std::size_t width_of(int w) { return static_cast<std::size_t>(std::max(w, 0)); }

}  // namespace

String LeftString(const String& S, int Width) {
  const std::size_t w = width_of(Width);
  if (S.size() >= w) return S.substr(0, w);
  return S + String(w - S.size(), u' ');
}

String RightString(const String& S, int Width) {
  const std::size_t w = width_of(Width);
  if (S.size() >= w) return S.substr(0, w);
  return String(w - S.size(), u' ') + S;
}

String CenterString(const String& S, int Width) {
  const std::size_t w = width_of(Width);
  if (S.size() >= w) return S.substr(0, w);
  const std::size_t n = w - S.size();
  return String(n / 2, u' ') + S + String(n - n / 2, u' ');
}

String AbbrevString(const String& S, int N) {
  if (N < 0 || S.size() > static_cast<std::size_t>(N)) {
    return S.substr(0, static_cast<std::size_t>(std::max(N - 2, 0))) + u"..";
  }
  return S;
}

String MultiChar(Char C, int N) { return String(static_cast<std::size_t>(std::clamp(N, 1, 255)), C); }

}  // namespace ZYL_stringl
