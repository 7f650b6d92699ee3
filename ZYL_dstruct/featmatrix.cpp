// Library: zyl / Package: ZYL_dstruct / Module: featmatrix
#include "ZYL_dstruct/featmatrix.h"

#include <algorithm>
#include <filesystem>
#include <new>
#include <stdexcept>

#include "ZYL_dstruct/detail/featmatrix_io.h"
#include "ZYL_dstruct/detail/featname_template.h"
#include "ZYL_dstruct/detail/featvalue.h"
#include "ZYL_stringl/valuetext.h"
#include "ZYL_zylbase/errors.h"
#include "platform/casemap.h"
#include "platform/datetime.h"
#include "platform/numtext.h"
#include "platform/savefile.h"

namespace ZYL_dstruct {

using ZYL_zylbase::TTriState;
using zyl::String;

TFeatureMatrix::TFeatureMatrix(zyl::TComponent* AOwner)
    : zyl::TComponent(AOwner), FOutOfRangeProps(std::make_unique<TFeatMatProps>(nullptr)) {}

TFeatureMatrix::~TFeatureMatrix() = default;

void TFeatureMatrix::Changed() {
  if (OnChange) OnChange(this);
}

[[noreturn]] void TFeatureMatrix::raise(const String& Tail) const {
  throw ZYL_zylbase::EZYLDStructError(ZYL_zylbase::ComponentMessage(Name(), Tail));
}

[[noreturn]] void TFeatureMatrix::raise_feature(std::int32_t fix, const String& Tail) const {
  raise(u"feature " + zyl::IntToStr(fix) + Tail);
}

bool TFeatureMatrix::in_range(std::int32_t fix, std::int32_t obj) const noexcept {
  return feat_in_range(fix) && obj_in_range(obj);
}

namespace {

std::uint64_t value_key(std::int32_t fix, std::int32_t obj) noexcept {
  return (static_cast<std::uint64_t>(static_cast<std::uint32_t>(fix)) << 32) | static_cast<std::uint32_t>(obj);
}
std::int32_t feature_of(std::uint64_t key) noexcept { return static_cast<std::int32_t>(key >> 32); }
std::int32_t object_of(std::uint64_t key) noexcept { return static_cast<std::int32_t>(key & 0xFFFFFFFFu); }

bool numeric(TFeatKind Kind) noexcept { return !detail::default_value(Kind).empty(); }

}  // namespace

const TFeatMatProps* TFeatureMatrix::stored_props(std::int32_t fix) const noexcept {
  const auto i = static_cast<std::size_t>(fix - 1);
  return i < FFeatProps.size() ? FFeatProps[i].get() : nullptr;
}

TFeatMatProps& TFeatureMatrix::props(std::int32_t fix) {
  const auto i = static_cast<std::size_t>(fix - 1);
  if (i >= FFeatProps.size()) FFeatProps.resize(i + 1);
  if (!FFeatProps[i]) FFeatProps[i] = std::make_unique<TFeatMatProps>(nullptr);
  return *FFeatProps[i];
}

TFeatKind TFeatureMatrix::kind_of(std::int32_t fix) const noexcept {
  const TFeatMatProps* p = stored_props(fix);
  return p != nullptr ? p->FeatKind() : TFeatKind::fkUndefined;
}

const String& TFeatureMatrix::cell(std::int32_t fix, std::int32_t obj) const {
  static const String empty;
  const auto it = FFeatVals.find(value_key(fix, obj));
  return it == FFeatVals.end() ? empty : it->second;
}

void TFeatureMatrix::set_cell(std::int32_t fix, std::int32_t obj, String Value) {
  if (Value.empty()) FFeatVals.erase(value_key(fix, obj));
  else FFeatVals[value_key(fix, obj)] = std::move(Value);
}

void TFeatureMatrix::shift_values(bool Feature, std::int32_t From, std::int32_t Delta, std::int32_t Drop) {
  std::unordered_map<std::uint64_t, String> moved;
  moved.reserve(FFeatVals.size());
  for (auto& [key, value] : FFeatVals) {
    std::int32_t f = feature_of(key), o = object_of(key);
    std::int32_t& ix = Feature ? f : o;
    if (ix >= From) {
      if (ix == Drop) continue;
      ix += Delta;
    }
    moved.emplace(value_key(f, o), std::move(value));
  }
  FFeatVals = std::move(moved);
}

// ---- sizes and structure --------------------------------------------------------

void TFeatureMatrix::Clear() {
  FFeatProps.clear();
  FFeatVals.clear();
  FNFeats = 0;
  FNObjs = 0;
  Changed();
}

// Growing creates nothing: the new features are cleared and their values
// empty until set. Shrinking drops what lies beyond.
void TFeatureMatrix::resize_features(std::int32_t n) {
  n = std::max(n, 0);
  if (n < FNFeats) {
    if (FFeatProps.size() > static_cast<std::size_t>(n)) FFeatProps.resize(static_cast<std::size_t>(n));
    std::erase_if(FFeatVals, [n](const auto& e) { return feature_of(e.first) > n; });
  }
  FNFeats = n;
}

void TFeatureMatrix::resize_objects(std::int32_t n) {
  n = std::max(n, 0);
  if (n < FNObjs) std::erase_if(FFeatVals, [n](const auto& e) { return object_of(e.first) > n; });
  FNObjs = n;
}

void TFeatureMatrix::SetNFeats(std::int32_t n) {
  resize_features(n);
  Changed();
}

void TFeatureMatrix::SetNObjs(std::int32_t n) {
  resize_objects(n);
  Changed();
}

bool TFeatureMatrix::Resize(std::int32_t NFeats, std::int32_t NObjs) {
  bool ok = true;
  try {
    resize_objects(NObjs);
    resize_features(NFeats);
  } catch (const std::bad_alloc&) {
    ok = false;
  } catch (const std::length_error&) {
    ok = false;
  }
  Changed();
  return ok;
}

void TFeatureMatrix::ResetToDefault() {
  // Kinds whose default is empty lose every value; the others get theirs.
  std::vector<std::int32_t> numbers;
  for (std::int32_t f = 1; f <= FNFeats; ++f)
    if (numeric(kind_of(f))) numbers.push_back(f);
  std::erase_if(FFeatVals, [this](const auto& e) { return !numeric(kind_of(feature_of(e.first))); });
  for (std::int32_t o = 1; o <= FNObjs; ++o) {
    for (std::int32_t f : numbers) set_cell(f, o, String(detail::default_value(kind_of(f))));
    Changed();
  }
}

void TFeatureMatrix::ClearObject(std::int32_t obj) {
  if (!obj_in_range(obj)) return;
  for (std::int32_t f = 1; f <= FNFeats; ++f) set_cell(f, obj, String(detail::default_value(kind_of(f))));
  Changed();
}

void TFeatureMatrix::ClearFeature(std::int32_t feat) {
  if (!feat_in_range(feat)) return;
  const String def(detail::default_value(kind_of(feat)));
  if (def.empty()) std::erase_if(FFeatVals, [feat](const auto& e) { return feature_of(e.first) == feat; });
  else
    for (std::int32_t o = 1; o <= FNObjs; ++o) set_cell(feat, o, def);
  Changed();
}

void TFeatureMatrix::InsertObject(std::int32_t obj) {
  if (!obj_in_range(obj)) return;
  shift_values(false, obj, 1, 0);
  ++FNObjs;
  ClearObject(obj);
  Changed();
}

void TFeatureMatrix::RemoveObject(std::int32_t obj) {
  if (!obj_in_range(obj)) return;
  shift_values(false, obj, -1, obj);
  --FNObjs;
  Changed();
}

void TFeatureMatrix::InsertFeature(std::int32_t feat) {
  if (feat < 1 || feat > FNFeats + 1) return;
  resize_features(FNFeats + 1);
  // Properties objects stay where they are (callers may hold them); their
  // contents move. Features beyond those created have none to move.
  for (std::int32_t f = FNFeats; f > feat; --f) {
    const TFeatMatProps* from = stored_props(f - 1);
    if (from != nullptr) props(f).Assign(from);
    else if (stored_props(f) != nullptr) props(f).Clear();
  }
  if (stored_props(feat) != nullptr) props(feat).Clear();
  shift_values(true, feat, 1, 0);
  Changed();
}

void TFeatureMatrix::RemoveFeature(std::int32_t feat) {
  if (!feat_in_range(feat)) return;
  for (std::int32_t f = feat; f < FNFeats; ++f) {
    const TFeatMatProps* from = stored_props(f + 1);
    if (from != nullptr) props(f).Assign(from);
    else if (stored_props(f) != nullptr) props(f).Clear();
  }
  shift_values(true, feat, -1, feat);
  resize_features(FNFeats - 1);
  Changed();
}

void TFeatureMatrix::CopyObject(std::int32_t Source, std::int32_t Target) {
  if (!obj_in_range(Source) || !obj_in_range(Target)) return;
  for (std::int32_t f = 1; f <= FNFeats; ++f) set_cell(f, Target, cell(f, Source));
  Changed();
}

void TFeatureMatrix::Assign(const zyl::TPersistent* Source) {
  const auto* src = dynamic_cast<const TFeatureMatrix*>(Source);
  if (src == nullptr) {
    zyl::TComponent::Assign(Source);
    return;
  }
  if (src == this) return;
  std::vector<std::unique_ptr<TFeatMatProps>> props(src->FFeatProps.size());
  for (std::size_t i = 0; i < props.size(); ++i)
    if (src->FFeatProps[i]) {
      props[i] = std::make_unique<TFeatMatProps>(nullptr);
      props[i]->Assign(src->FFeatProps[i].get());
    }
  auto vals = src->FFeatVals;
  FFeatProps = std::move(props);
  FFeatVals = std::move(vals);
  FNFeats = src->FNFeats;
  FNObjs = src->FNObjs;
  OnChange = src->OnChange;
}

void TFeatureMatrix::AssignTo(zyl::TPersistent* Dest) const {
  if (auto* dst = dynamic_cast<TFeatureMatrix*>(Dest)) {
    dst->Assign(this);
    return;
  }
  zyl::TComponent::AssignTo(Dest);
}

// ---- feature properties and naming --------------------------------------------

TFeatMatProps* TFeatureMatrix::GetFeatProps(std::int32_t fix) {
  if (feat_in_range(fix)) return &props(fix);
  FOutOfRangeProps->Clear();
  return FOutOfRangeProps.get();
}

void TFeatureMatrix::SetFeatProps(std::int32_t fix, TFeatMatProps* FeatMatProps) {
  if (FeatMatProps == nullptr) return;
  const bool held = FeatMatProps == FOutOfRangeProps.get() ||
                    std::any_of(FFeatProps.begin(), FFeatProps.end(),
                                [&](const auto& p) { return p.get() == FeatMatProps; });
  if (!feat_in_range(fix)) {
    if (!held) delete FeatMatProps;  // ownership was handed over; nothing keeps it
    return;
  }
  props(fix);  // the slot exists from here on
  auto& slot = FFeatProps[static_cast<std::size_t>(fix - 1)];
  if (slot.get() != FeatMatProps) {
    if (held)
      slot->Assign(FeatMatProps);
    else
      slot.reset(FeatMatProps);
  }
  Changed();
}

bool TFeatureMatrix::clamp_range(std::int32_t IxFrom, std::int32_t IxTo, std::int32_t& lo,
                                 std::int32_t& hi) const noexcept {
  if (FNFeats < 1) return false;
  if (IxFrom == 0 && IxTo == 0) {
    lo = 1;
    hi = FNFeats;
    return true;
  }
  IxFrom = std::clamp(IxFrom, 1, FNFeats);
  IxTo = std::clamp(IxTo, 1, FNFeats);
  lo = std::min(IxFrom, IxTo);
  hi = std::max(IxFrom, IxTo);
  return true;
}

void TFeatureMatrix::SetFeatType(std::int32_t IxFrom, std::int32_t IxTo, TFeatKind FeatKind) {
  std::int32_t lo = 0, hi = 0;
  if (!clamp_range(IxFrom, IxTo, lo, hi)) return;
  for (std::int32_t f = lo; f <= hi; ++f) props(f).SetFeatKind(FeatKind);
}

void TFeatureMatrix::RenumberFeatures(std::int32_t IxFrom, std::int32_t IxTo, std::int32_t FirstNum,
                                      std::int32_t Delta) {
  std::int32_t lo = 0, hi = 0;
  if (!clamp_range(IxFrom, IxTo, lo, hi)) return;
  for (std::int32_t f = lo; f <= hi; ++f)
    props(f).SetFeatNum(detail::feature_number(FirstNum, f - lo, Delta));
}

std::int32_t TFeatureMatrix::FindFeatName(const String& Name) const {
  const String key = zyl::LowerCase(Name);
  const TFeatMatProps cleared(nullptr);  // stands for features without properties yet
  for (std::int32_t f = 1; f <= FNFeats; ++f) {
    const TFeatMatProps* p = stored_props(f);
    if (zyl::LowerCase((p != nullptr ? *p : cleared).FeatName()) == key) return f;
  }
  return -1;
}

std::int32_t TFeatureMatrix::FindFeatNum(std::int32_t Num) const {
  const TFeatMatProps cleared(nullptr);
  for (std::int32_t f = 1; f <= FNFeats; ++f) {
    const TFeatMatProps* p = stored_props(f);
    if ((p != nullptr ? *p : cleared).FeatNum() == Num) return f;
  }
  return -1;
}

// ---- values -------------------------------------------------------------------------

void TFeatureMatrix::check_value_text(std::int32_t fix, const String& FeatVal, bool AllowEmptyNumber) const {
  const TFeatKind kind = kind_of(fix);
  if (kind == TFeatKind::fkUndefined) raise_feature(fix, u" is undefined");
  if (detail::has_line_break(FeatVal)) raise(u"feature value must not contain a line break");
  const bool skip = FeatVal.empty() && AllowEmptyNumber;
  switch (kind) {
    case TFeatKind::fkInteger:
      if (!skip && !detail::is_integer_text(FeatVal))
        raise(u"feature value \"" + FeatVal + u"\" is not a valid integer number");
      break;
    case TFeatKind::fkDouble:
      if (!skip && !detail::is_float_text(FeatVal))
        raise(u"feature value \"" + FeatVal + u"\" is not a valid floating point number");
      break;
    case TFeatKind::fkTriState:
      if (!FeatVal.empty() && !detail::is_tristate_text(FeatVal))
        raise(u"feature value \"" + FeatVal + u"\" is not a valid tri-state value");
      break;
    default: break;
  }
}

String TFeatureMatrix::GetFeatValStr(std::int32_t fix, std::int32_t obj) const {
  if (!in_range(fix, obj)) return String();
  if (kind_of(fix) == TFeatKind::fkUndefined) raise_feature(fix, u" is undefined");
  return cell(fix, obj);
}

void TFeatureMatrix::SetFeatValStr(std::int32_t fix, std::int32_t obj, const String& FeatVal) {
  if (!in_range(fix, obj)) return;
  check_value_text(fix, FeatVal, true);
  set_cell(fix, obj, FeatVal);
  Changed();
}

std::int64_t TFeatureMatrix::GetFeatValInt(std::int32_t fix, std::int32_t obj) const {
  if (!in_range(fix, obj)) return 0;
  const String& text = cell(fix, obj);
  if (!detail::is_integer_text(text)) raise(u"feature is not an integer");
  return zyl::str_to_int64(text);
}

void TFeatureMatrix::SetFeatValint(std::int32_t fix, std::int32_t obj, std::int64_t FeatVal) {
  if (!in_range(fix, obj)) return;
  const TFeatKind kind = kind_of(fix);
  if (kind != TFeatKind::fkInteger && kind != TFeatKind::fkDouble && kind != TFeatKind::fkString)
    raise(u"feature is not of numeric or string type");
  set_cell(fix, obj, zyl::IntToStr(FeatVal));
  Changed();
}

double TFeatureMatrix::GetFeatValDouble(std::int32_t fix, std::int32_t obj) const {
  if (!in_range(fix, obj)) return 0.0;
  const String& text = cell(fix, obj);
  if (!detail::is_float_text(text)) raise(u"feature is not a floating point number");
  return detail::float_value(text);
}

void TFeatureMatrix::SetFeatValDouble(std::int32_t fix, std::int32_t obj, double FeatVal) {
  if (!in_range(fix, obj)) return;
  const TFeatKind kind = kind_of(fix);
  if (kind != TFeatKind::fkDouble && kind != TFeatKind::fkString) raise(u"feature is not a floating point or string type");
  set_cell(fix, obj, zyl::FloatToStr(FeatVal));
  Changed();
}

TTriState TFeatureMatrix::GetFeatValTriState(std::int32_t fix, std::int32_t obj) const {
  if (!in_range(fix, obj)) return TTriState::tsUndefined;
  const String& text = cell(fix, obj);
  if (!text.empty() && !detail::is_tristate_text(text)) raise(u"feature is not a tri-state value");
  return ZYL_stringl::StrToTriState(text);
}

void TFeatureMatrix::SetFeatValTriState(std::int32_t fix, std::int32_t obj, TTriState FeatVal) {
  if (!in_range(fix, obj)) return;
  const TFeatKind kind = kind_of(fix);
  if (kind != TFeatKind::fkTriState && kind != TFeatKind::fkString) raise(u"feature is not a tri-state or string type");
  set_cell(fix, obj, ZYL_stringl::TriStateToStr(FeatVal, 0));
  Changed();
}

void TFeatureMatrix::fill_with(std::int32_t fix, const String& Text) {
  for (std::int32_t o = 1; o <= FNObjs; ++o) set_cell(fix, o, Text);
  Changed();
}

bool TFeatureMatrix::Fill(std::int32_t fix, const String& FeatVal) {
  if (!feat_in_range(fix)) return false;
  check_value_text(fix, FeatVal, false);
  fill_with(fix, FeatVal);
  return true;
}

bool TFeatureMatrix::Fill(std::int32_t fix, std::int64_t FeatVal) {
  if (!feat_in_range(fix)) return false;
  if (kind_of(fix) != TFeatKind::fkInteger) raise_feature(fix, u" is not an integer number");
  fill_with(fix, zyl::IntToStr(FeatVal));
  return true;
}

bool TFeatureMatrix::Fill(std::int32_t fix, double FeatVal) {
  if (!feat_in_range(fix)) return false;
  if (kind_of(fix) != TFeatKind::fkDouble) raise_feature(fix, u" is not floating point number");
  fill_with(fix, zyl::FloatToStr(FeatVal));
  return true;
}

bool TFeatureMatrix::Fill(std::int32_t fix, TTriState FeatVal) {
  if (!feat_in_range(fix)) return false;
  if (kind_of(fix) != TFeatKind::fkTriState) raise_feature(fix, u" is not a tri-state value");
  fill_with(fix, ZYL_stringl::TriStateToStr(FeatVal, 0));
  return true;
}

// ---- naming ---------------------------------------------------------------------------

std::int32_t TFeatureMatrix::GenerateFeatNames(const String& Template, std::int32_t IxFrom, std::int32_t IxTo,
                                               std::int32_t FirstNum, std::int32_t Delta) {
  if (IxFrom == 0 && IxTo == 0) {
    IxFrom = 1;
    IxTo = FNFeats;
  } else if (!feat_in_range(IxFrom) || !feat_in_range(IxTo)) {
    return -1;
  }
  const zyl::TDateTime now = zyl::Now();
  const std::int32_t lo = std::min(IxFrom, IxTo), hi = std::max(IxFrom, IxTo);
  for (std::int32_t f = lo; f <= hi; ++f) {
    String name;
    if (!detail::expand_feat_name_template(Template, detail::feature_number(FirstNum, f - lo, Delta), f, now, name) ||
        detail::has_line_break(name))
      return -2;
    props(f).SetFeatName(name);
  }
  return 0;
}

// ---- files -------------------------------------------------------------------------------

void TFeatureMatrix::SaveToOpenFile(zyl::TextFile& TFile) const {
  detail::FeatureMatrixIO::write(*this, [&](const String& line) { TFile.WriteLn(line); });
}

void TFeatureMatrix::Save(const String& FName) const {
  // The same bytes an open text file would get: UTF-8, CR LF line ends.
  std::string bytes;
  detail::FeatureMatrixIO::write(*this, [&](const String& line) {
    bytes += zyl::to_utf8(line);
    bytes += "\r\n";
  });
  zyl::platform::save_file(FName, bytes);
}

std::int32_t TFeatureMatrix::LoadFromOpenFile(zyl::TextFile& TFile) { return detail::FeatureMatrixIO::read(*this, TFile); }

std::int32_t TFeatureMatrix::Load(const String& FName) {
  std::error_code ec;
  if (!std::filesystem::exists(std::filesystem::path(FName), ec)) return -1;
  zyl::TextFile file;
  file.Assign(FName);
  file.Reset();
  const std::int32_t r = LoadFromOpenFile(file);
  file.CloseFile();
  return r == 0 ? 0 : r - 1;
}

}  // namespace ZYL_dstruct
