// Library: zyl / Package: ZYL_dstruct / Module: featmatprops
//
// The kinds of feature-matrix columns and the properties object that each
// feature of a TFeatureMatrix carries.
//
//   FEATKINDIDS[Ord(TFeatKind::fkDouble)]   ⇒ u"double"
//   TFeatMatProps p(nullptr);               // FeatName() == u"undefined",
//                                           // FeatKind() == fkUndefined
//
// Texts that the matrix saves one per line (name, comment, preset values)
// must not contain a line break (CR or LF): the setters refuse them, since
// the saved file could not hold them and would read back corrupted.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "platform/component.h"

namespace ZYL_dstruct {

enum class TFeatKind : std::uint8_t { fkUndefined, fkInteger, fkDouble, fkString, fkTriState };

// "undefined", "integer", "double", "string", "tristate", indexed by the
// ordinal of TFeatKind.
extern ZYL_API const std::array<std::u16string_view, 5> FEATKINDIDS;

// The properties of one feature: a user number, a name, the kind, a comment,
// preset values, a flag and a reference to an outside object.
class ZYL_API TFeatMatProps : public zyl::TComponent {
 public:
  // The owner argument is not used: a properties object never belongs to a
  // component owner (a feature matrix owns those it holds). Starts cleared.
  explicit TFeatMatProps(zyl::TComponent* AOwner);

  // FeatNum 0, FeatName "undefined", fkUndefined, empty comment and presets,
  // Sorted false, no GUIElem.
  void Clear();

  // From another TFeatMatProps: all seven fields, GUIElem as a reference.
  // Anything else goes to the inherited Assign (conversion error).
  void Assign(const zyl::TPersistent* Source) override;

  std::int32_t FeatNum() const noexcept { return FFeatNum; }
  void SetFeatNum(std::int32_t Value) noexcept { FFeatNum = Value; }
  const zyl::String& FeatName() const noexcept { return FFeatName; }
  // Raises EZYLDStructError "Component \"<Name>\": feature name must not
  // contain a line break" for a text holding CR or LF.
  void SetFeatName(const zyl::String& Value);
  TFeatKind FeatKind() const noexcept { return FFeatKind; }
  void SetFeatKind(TFeatKind Value) noexcept { FFeatKind = Value; }
  const zyl::String& Comment() const noexcept { return FComment; }
  // Refuses CR and LF like SetFeatName ("comment must not ...").
  void SetComment(const zyl::String& Value);
  const zyl::String& PresetValues() const noexcept { return FPresetValues; }
  // Refuses CR and LF like SetFeatName ("preset values must not ...").
  void SetPresetValues(const zyl::String& Value);
  bool Sorted() const noexcept { return FSorted; }
  void SetSorted(bool Value) noexcept { FSorted = Value; }
  // An outside object tied to the feature; not owned, not saved.
  zyl::TObject* GUIElem() const noexcept { return FGUIElem; }
  void SetGUIElem(zyl::TObject* Value) noexcept { FGUIElem = Value; }

 private:
  void check_one_line(const zyl::String& Value, std::u16string_view What) const;

  std::int32_t FFeatNum = 0;
  zyl::String FFeatName;
  TFeatKind FFeatKind = TFeatKind::fkUndefined;
  zyl::String FComment;
  zyl::String FPresetValues;
  bool FSorted = false;
  zyl::TObject* FGUIElem = nullptr;
};

// Implementation details only, past this point.
namespace detail {
// True when Text holds a CR or LF.
[[nodiscard]] bool has_line_break(std::u16string_view Text) noexcept;
}  // namespace detail

}  // namespace ZYL_dstruct
