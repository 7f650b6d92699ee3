// Library: zyl / Package: ZYL_dstruct / Module: featmatrix
//
// TFeatureMatrix: a table of objects (rows 1..NObjects) described by typed
// features (columns 1..NFeatures). Every value is kept as text; the feature's
// kind (in its TFeatMatProps) decides which texts a value may take and which
// typed accessors apply:
//
//   kind         valid texts                                    default
//   fkInteger    "+", "-" or a digit, then digits ("7", "-12")  "0"
//   fkDouble     a number the string scanner reads ("2.5E-3")   "0"
//   fkString     anything without a line break                  ""
//   fkTriState   "true", "false" in any case, or empty          ""
//   fkUndefined  values cannot be read or written as text       ""
//
// Out-of-range indices are not errors: getters give a neutral value (empty,
// 0, tsUndefined), setters do nothing. Wrong kinds and invalid texts raise
// EZYLDStructError "Component \"<Name>\": ...". Every change fires OnChange.
//
// The matrix saves itself as a line-oriented text file (UTF-8, CR LF line
// ends, the same bytes on every platform) and loads it back; values, names,
// comments and presets lose leading and trailing blanks on the way.
//
// Example:
//   TFeatureMatrix m(nullptr);
//   m.Resize(2, 3);                                    // 2 features, 3 objects
//   m.SetFeatType(1, 1, TFeatKind::fkInteger);
//   m.SetFeatValint(1, 2, 5000000000);                 // stored as "5000000000"
//   m.GetFeatValInt(1, 2)                              // == 5000000000
//   m.SetFeatValStr(1, 3, u"1.5");                     // raises: not a valid integer
//   m.Save(u"table.txt");  m.Load(u"table.txt")        // == 0
#pragma once

#include <cstdint>
#include <memory>
#include <unordered_map>
#include <vector>

#include "platform/component.h"
#include "platform/events.h"
#include "platform/textfile.h"
#include "ZYL_dstruct/featmatprops.h"
#include "ZYL_zylbase/enums.h"

namespace ZYL_dstruct {

namespace detail {
class FeatureMatrixIO;
}

class ZYL_API TFeatureMatrix : public zyl::TComponent {
 public:
  // 0 features, 0 objects.
  explicit TFeatureMatrix(zyl::TComponent* AOwner);
  ~TFeatureMatrix() override;

  // Fired with the matrix as Sender after each change (see each operation).
  zyl::TNotifyEvent OnChange;

  // ---- sizes and structure ------------------------------------------------

  std::int32_t NFeatures() const noexcept { return FNFeats; }
  std::int32_t NObjects() const noexcept { return FNObjs; }
  std::int32_t GetNFeats() const noexcept { return FNFeats; }
  std::int32_t GetNObjs() const noexcept { return FNObjs; }
  // Frees all properties; 0 features, 0 objects; OnChange.
  void Clear();
  // n features (negative counts as 0): dropped features lose their
  // properties, new ones get cleared properties and empty values; values
  // within the old bounds are kept; OnChange. Allocation failures raise
  // (std::bad_alloc) and leave the matrix as it was.
  void SetNFeats(std::int32_t n);
  // n objects (negative counts as 0), values kept within the old bounds,
  // new ones empty; OnChange.
  void SetNObjs(std::int32_t n);
  // Sets the object count, then the feature count; OnChange. False (matrix
  // unchanged by the failing step) when memory runs out, else true.
  bool Resize(std::int32_t NFeats, std::int32_t NObjs);
  // Every value gets its kind's default; OnChange once per object.
  void ResetToDefault();
  // obj in 1..NObjects (otherwise ignored): objects obj.. move one place up,
  // object obj gets its defaults (ClearObject); OnChange.
  void InsertObject(std::int32_t obj);
  // obj in 1..NObjects: the following objects move down; OnChange.
  void RemoveObject(std::int32_t obj);
  // feat in 1..NFeatures + 1 (otherwise ignored): features feat.. move one
  // place up (properties copied by Assign, values moved); feature feat gets
  // cleared properties and empty values; OnChange.
  void InsertFeature(std::int32_t feat);
  // feat in 1..NFeatures: the following features move down; OnChange.
  void RemoveFeature(std::int32_t feat);
  // Every value of object obj (feature feat) gets its kind's default; OnChange.
  void ClearObject(std::int32_t obj);
  void ClearFeature(std::int32_t feat);
  // Copies every value of object Source to object Target (both in range);
  // OnChange.
  void CopyObject(std::int32_t Source, std::int32_t Target);
  // From another TFeatureMatrix: sizes, every property (by Assign), all
  // values and its OnChange handler; fires nothing. Anything else goes to
  // the inherited Assign (conversion error).
  void Assign(const zyl::TPersistent* Source) override;
  void AssignTo(zyl::TPersistent* Dest) const override;

  // ---- feature properties and naming ----------------------------------------

  // The properties of feature fix, owned by the matrix. For fix outside
  // 1..NFeatures: a cleared properties object that the matrix keeps for this
  // purpose (cleared again on every such call); never null, never the
  // caller's to free.
  TFeatMatProps* GetFeatProps(std::int32_t fix);
  // Stores FeatMatProps as the properties of feature fix; OnChange.
  // Ownership passes to the matrix: the replaced object is freed unless it
  // is FeatMatProps itself. An object the matrix already holds for another
  // feature (or the out-of-range object) is copied by Assign instead of
  // moved. For fix out of range nothing is stored and an object the matrix
  // does not hold is freed. Null is ignored.
  void SetFeatProps(std::int32_t fix, TFeatMatProps* FeatMatProps);
  // Sets the kind of features IxFrom..IxTo (range rule below); values are
  // not converted or checked; no OnChange.
  void SetFeatType(std::int32_t IxFrom, std::int32_t IxTo, TFeatKind FeatKind);
  // Feature i of the range gets FeatNum = FirstNum + (i - first) * Delta
  // (wrapping in 32 bits); no OnChange.
  void RenumberFeatures(std::int32_t IxFrom, std::int32_t IxTo, std::int32_t FirstNum, std::int32_t Delta);
  // Range rule of both: IxFrom = IxTo = 0 means every feature; otherwise
  // both are clamped to 1..NFeatures and taken in ascending order.

  // Names features IxFrom..IxTo (0, 0: all) from Template, whose
  // placeholders <%D w%> (number), <%I w%> (index), <%H w%> (hexadecimal
  // number) and <%T pattern%> (date and time) are replaced; the number of
  // feature i is FirstNum + (i - first) * Delta, wrapping in 32 bits.
  // Result: 0 done; -1 an index outside 1..NFeatures (nothing named); -2 a
  // placeholder is malformed or unknown, a width exceeds 255 or a name would
  // hold a line break or exceed 65536 characters (the features before the
  // failing one keep their new names).
  //   Template u"F<%D-3%>_<%I%>", FirstNum 10, Delta 5  ⇒ F010_1, F015_2, F020_3
  std::int32_t GenerateFeatNames(const zyl::String& Template, std::int32_t IxFrom, std::int32_t IxTo,
                                 std::int32_t FirstNum, std::int32_t Delta);
  // The first feature whose name equals Name ignoring ASCII case; -1 if none.
  std::int32_t FindFeatName(const zyl::String& Name) const;
  // The first feature whose FeatNum is Num; -1 if none.
  std::int32_t FindFeatNum(std::int32_t Num) const;

  // ---- values ------------------------------------------------------------------

  // The stored text; empty out of range. Raises "feature N is undefined"
  // for an fkUndefined feature.
  zyl::String GetFeatValStr(std::int32_t fix, std::int32_t obj) const;
  // Stores FeatVal unchanged after checking it against the kind (see the
  // table at the top; an empty text is accepted by every defined kind);
  // OnChange. Raises "feature N is undefined", "feature value \"x\" is not a
  // valid integer number" / "... floating point number" / "... tri-state
  // value", or "feature value must not contain a line break".
  void SetFeatValStr(std::int32_t fix, std::int32_t obj, const zyl::String& FeatVal);
  // The stored text as a 64-bit integer, whatever the kind; 0 out of range.
  // Raises "feature is not an integer" unless it is an integer text (empty
  // included), EConvertError when it exceeds 64 bits.
  std::int64_t GetFeatValInt(std::int32_t fix, std::int32_t obj) const;
  // Stores the decimal text; kind fkInteger, fkDouble or fkString, else
  // raises "feature is not of numeric or string type"; OnChange.
  void SetFeatValint(std::int32_t fix, std::int32_t obj, std::int64_t FeatVal);
  // The stored text as a number; 0 out of range. Raises "feature is not a
  // floating point number" unless the string number scanner reads a number
  // from its start, then converts the whole text with StrToFloat, whose
  // EConvertError a text such as "12abc", "1,5" or "1.5 2" raises.
  //   "1.5" ⇒ 1.5;  ".5" ⇒ 0.5;  "n/a" ⇒ EZYLDStructError;  "1,5" ⇒ EConvertError
  double GetFeatValDouble(std::int32_t fix, std::int32_t obj) const;
  // Stores FloatToStr(FeatVal) (15 significant digits, "." always: "2.5",
  // "1E20", "-2.5E-7"); kind fkDouble or fkString, else raises "feature is
  // not a floating point or string type"; OnChange.
  void SetFeatValDouble(std::int32_t fix, std::int32_t obj, double FeatVal);
  // "true" ⇒ tsTrue, "false" ⇒ tsFalse, empty ⇒ tsUndefined (any case);
  // tsUndefined out of range; raises "feature is not a tri-state value".
  ZYL_zylbase::TTriState GetFeatValTriState(std::int32_t fix, std::int32_t obj) const;
  // Stores "false", "true" or empty; kind fkTriState or fkString, else raises
  // "feature is not a tri-state or string type"; OnChange.
  void SetFeatValTriState(std::int32_t fix, std::int32_t obj, ZYL_zylbase::TTriState FeatVal);

  // Every object's value of feature fix becomes FeatVal; OnChange; true.
  // False (nothing changed) for fix out of range. The text is checked as
  // SetFeatValStr does, except that integer and double features refuse the
  // empty text too.
  bool Fill(std::int32_t fix, const zyl::String& FeatVal);
  // Kind must be exactly fkInteger ("feature N is not an integer number").
  bool Fill(std::int32_t fix, std::int64_t FeatVal);
  bool Fill(std::int32_t fix, std::int32_t FeatVal) { return Fill(fix, static_cast<std::int64_t>(FeatVal)); }
  // Kind must be exactly fkDouble ("feature N is not floating point number").
  bool Fill(std::int32_t fix, double FeatVal);
  // Kind must be exactly fkTriState ("feature N is not a tri-state value").
  bool Fill(std::int32_t fix, ZYL_zylbase::TTriState FeatVal);

  // ---- files ---------------------------------------------------------------------

  // Writes the matrix as a whole file FName (replacing it in one step: a
  // failure leaves an existing file intact). I/O failures raise EInOutError.
  void Save(const zyl::String& FName) const;
  // Writes the text format at the current position of an open text file:
  //   #featdef <features> 1
  //   <i> fplFeatNum <n>   <i> fplFeatName <name>   <i> fplFeatKind fkDouble
  //   <i> fplComment <c>   <i> fplPresets <p>       <i> fplSorted TRUE|FALSE
  //   #featvals <features> <objects>
  //   <feature> <object> <value>      (non-empty values only)
  //   #featend
  void SaveToOpenFile(zyl::TextFile& TFile) const;
  // -1 file missing; otherwise loads it: 0 done, -2 no feature-matrix section
  // found, -3 reading failed. Failures to open or close raise EInOutError.
  std::int32_t Load(const zyl::String& FName);
  // Clears the matrix and reads the format from the current line: 0 done, -1
  // no section found, -2 reading failed (a malformed number, a truncated
  // section, a section declaring more than 2^20 features; the matrix is left
  // consistent with what was read). Memory follows the lines read, not the
  // counts declared: empty values and cleared properties take none. Lines with indices
  // outside the declared counts are skipped; a value section without or
  // disagreeing with the property section gets cleared properties for the
  // missing features. OnChange at the end in every case.
  std::int32_t LoadFromOpenFile(zyl::TextFile& TFile);

 protected:
  void Changed();

 private:
  bool in_range(std::int32_t fix, std::int32_t obj) const noexcept;
  bool feat_in_range(std::int32_t fix) const noexcept { return fix >= 1 && fix <= FNFeats; }
  bool obj_in_range(std::int32_t obj) const noexcept { return obj >= 1 && obj <= FNObjs; }
  TFeatKind kind_of(std::int32_t fix) const noexcept;
  // The value of (fix, obj), both in range: empty when none is stored.
  const zyl::String& cell(std::int32_t fix, std::int32_t obj) const;
  // Stores a value (an empty one by removing the entry).
  void set_cell(std::int32_t fix, std::int32_t obj, zyl::String Value);
  // Moves every stored value whose feature (Feature true) or object index
  // is at least From by Delta places; values moved to index Drop (or below
  // 1) are dropped.
  void shift_values(bool Feature, std::int32_t From, std::int32_t Delta, std::int32_t Drop);
  // The properties of feature fix (in range), created cleared when the
  // feature has none yet.
  TFeatMatProps& props(std::int32_t fix);
  // Its properties when created, else null (a cleared object stands for it).
  const TFeatMatProps* stored_props(std::int32_t fix) const noexcept;
  [[noreturn]] void raise(const zyl::String& Tail) const;
  [[noreturn]] void raise_feature(std::int32_t fix, const zyl::String& Tail) const;
  void check_value_text(std::int32_t fix, const zyl::String& FeatVal, bool AllowEmptyNumber) const;
  void fill_with(std::int32_t fix, const zyl::String& Text);
  // The first and last index of a SetFeatType/RenumberFeatures range; false
  // when there is nothing to do.
  bool clamp_range(std::int32_t IxFrom, std::int32_t IxTo, std::int32_t& lo, std::int32_t& hi) const noexcept;
  void resize_features(std::int32_t n);
  void resize_objects(std::int32_t n);

  friend class detail::FeatureMatrixIO;

  std::int32_t FNFeats = 0;
  std::int32_t FNObjs = 0;
  // Properties of features 1..FFeatProps.size(); null entries and features
  // beyond are cleared ones not yet created. Memory follows what was set or
  // loaded, not the declared counts.
  std::vector<std::unique_ptr<TFeatMatProps>> FFeatProps;
  // The values that are not empty, by key (feature << 32 | object).
  std::unordered_map<std::uint64_t, zyl::String> FFeatVals;
  std::unique_ptr<TFeatMatProps> FOutOfRangeProps;
};

}  // namespace ZYL_dstruct
