// Library: zyl / Package: ZYL_stringl / Module: finder (internal)
#include "ZYL_stringl/detail/finder.h"

#include "platform/casemap.h"

namespace ZYL_stringl::detail {

text_finder::text_finder(const zyl::String& text, const zyl::String& sub, bool ignore_case) {
  if (ignore_case) {
    lowered_text_ = zyl::LowerCase(text);
    lowered_sub_ = zyl::LowerCase(sub);
    text_ = lowered_text_;
    sub_ = lowered_sub_;
  } else {
    text_ = text;
    sub_ = sub;
  }
}

std::size_t text_finder::next(std::size_t from) const noexcept {
  if (sub_.empty() || from > text_.size()) return npos;
  return text_.find(sub_, from);
}

std::size_t text_finder::prev(std::size_t end) const noexcept {
  if (sub_.empty() || end < sub_.size()) return npos;
  return text_.substr(0, end).rfind(sub_);
}

}  // namespace ZYL_stringl::detail
