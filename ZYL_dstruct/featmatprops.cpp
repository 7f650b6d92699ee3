// Library: zyl / Package: ZYL_dstruct / Module: featmatprops
#include "ZYL_dstruct/featmatprops.h"

#include "ZYL_zylbase/errors.h"

namespace ZYL_dstruct {

const std::array<std::u16string_view, 5> FEATKINDIDS = {u"undefined", u"integer", u"double", u"string",
                                                        u"tristate"};

namespace detail {
bool has_line_break(std::u16string_view Text) noexcept { return Text.find_first_of(u"\r\n") != Text.npos; }
}  // namespace detail

TFeatMatProps::TFeatMatProps(zyl::TComponent* /*AOwner*/) : zyl::TComponent(nullptr) { Clear(); }

void TFeatMatProps::Clear() {
  FFeatNum = 0;
  FFeatName = u"undefined";
  FFeatKind = TFeatKind::fkUndefined;
  FComment.clear();
  FPresetValues.clear();
  FSorted = false;
  FGUIElem = nullptr;
}

void TFeatMatProps::Assign(const zyl::TPersistent* Source) {
  const auto* src = dynamic_cast<const TFeatMatProps*>(Source);
  if (src == nullptr) {
    zyl::TComponent::Assign(Source);
    return;
  }
  FFeatNum = src->FFeatNum;
  FFeatName = src->FFeatName;
  FFeatKind = src->FFeatKind;
  FComment = src->FComment;
  FPresetValues = src->FPresetValues;
  FSorted = src->FSorted;
  FGUIElem = src->FGUIElem;
}

void TFeatMatProps::check_one_line(const zyl::String& Value, std::u16string_view What) const {
  if (detail::has_line_break(Value))
    throw ZYL_zylbase::EZYLDStructError(
        ZYL_zylbase::ComponentMessage(Name(), zyl::String(What) + u" must not contain a line break"));
}

void TFeatMatProps::SetFeatName(const zyl::String& Value) {
  check_one_line(Value, u"feature name");
  FFeatName = Value;
}

void TFeatMatProps::SetComment(const zyl::String& Value) {
  check_one_line(Value, u"comment");
  FComment = Value;
}

void TFeatMatProps::SetPresetValues(const zyl::String& Value) {
  check_one_line(Value, u"preset values");
  FPresetValues = Value;
}

}  // namespace ZYL_dstruct
