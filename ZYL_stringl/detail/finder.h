// Library: zyl / Package: ZYL_stringl / Module: finder (internal)
//
// Repeated substring search over one text, optionally ignoring the case of
// A-Z. Ignoring case lowers both texts once (A-Z only, so every index stays
// valid for the original text); the search then walks forward or backward
// without ever copying the rest of the text.
#pragma once

#include <string_view>

#include "platform/hoststring.h"

namespace ZYL_stringl::detail {

class text_finder {
 public:
  static constexpr std::size_t npos = std::u16string_view::npos;

  // Both texts must outlive the finder.
  text_finder(const zyl::String& text, const zyl::String& sub, bool ignore_case);

  // 0-based index of the first occurrence starting at or after from; npos
  // when there is none. An empty substring is never found.
  [[nodiscard]] std::size_t next(std::size_t from) const noexcept;
  // 0-based index of the last occurrence that ends before end (that is,
  // lies wholly in [0, end)); npos when there is none or sub is empty.
  [[nodiscard]] std::size_t prev(std::size_t end) const noexcept;

  [[nodiscard]] std::size_t sub_size() const noexcept { return sub_.size(); }

 private:
  zyl::String lowered_text_;
  zyl::String lowered_sub_;
  std::u16string_view text_;
  std::u16string_view sub_;
};

}  // namespace ZYL_stringl::detail
