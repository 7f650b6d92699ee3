// Library: zyl / Package: platform / Module: pos
#include "platform/pos.h"

namespace zyl {

int Pos(std::u16string_view SubStr, std::u16string_view S) noexcept { return PosEx(SubStr, S, 1); }

int PosEx(std::u16string_view SubStr, std::u16string_view S, int Offset) noexcept {
  if (SubStr.empty() || Offset < 1 || static_cast<std::size_t>(Offset) > S.size()) return 0;
  const std::size_t at = S.find(SubStr, static_cast<std::size_t>(Offset - 1));
  return at == std::u16string_view::npos ? 0 : static_cast<int>(at + 1);
}

}  // namespace zyl
