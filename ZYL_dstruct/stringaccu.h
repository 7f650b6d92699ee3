// Library: zyl / Package: ZYL_dstruct / Module: stringaccu
//
// TStringAccu: a frequency table of strings. Each distinct string is kept
// once, in the order of its first Add, with the number of times it was
// added. Strings compare exactly (case-sensitive). Lookup is a linear scan,
// meant for modest numbers of distinct strings; the arrays grow
// geometrically, so adding many strings copies each only a few times.
//
// Example:
//   TStringAccu acc(nullptr);
//   for (auto w : {u"a", u"b", u"a", u"A"}) acc.Add(w);
//   acc.Size()        // == 3
//   acc.GetString(1)  // == u"a"   acc.GetCount(1) == 2
//   acc.GetString(3)  // == u"A"   acc.GetCount(3) == 1
//   acc.GetString(0)  // == u""    acc.GetCount(4) == 0
#pragma once

#include <cstdint>
#include <vector>

#include "platform/component.h"

namespace ZYL_dstruct {

using zyl::String;

class ZYL_API TStringAccu : public zyl::TComponent {
 public:
  // Empty. Raises EZYLDStructError "Component \"<Name>\": not enough memory
  // on heap" when it cannot allocate.
  explicit TStringAccu(zyl::TComponent* AOwner);

  // The number of distinct strings.
  std::int32_t Size() const noexcept { return FSize; }
  // Forgets every string.
  void Clear() noexcept;
  // Counts AString once more, appending it (count 1) when it is new.
  void Add(const String& AString);
  // String number ix (1..Size()); "" outside that range.
  String GetString(std::int32_t ix) const;
  String Elem(std::int32_t ix) const { return GetString(ix); }
  // Its count; 0 outside the range.
  std::int32_t GetCount(std::int32_t ix) const noexcept;
  std::int32_t Count(std::int32_t ix) const noexcept { return GetCount(ix); }

 private:
  std::int32_t FSize = 0;
  std::vector<String> FStrArray;
  std::vector<std::int32_t> FCntArray;
};

}  // namespace ZYL_dstruct
