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

TFeatKind TFeatureMatrix::kind_of(std::int32_t fix) const noexcept {
  return FFeatProps[static_cast<std::size_t>(fix - 1)]->FeatKind();
}

String& TFeatureMatrix::cell(std::int32_t fix, std::int32_t obj) {
  return FFeatVals[static_cast<std::size_t>(fix - 1)][static_cast<std::size_t>(obj - 1)];
}

const String& TFeatureMatrix::cell(std::int32_t fix, std::int32_t obj) const {
  return FFeatVals[static_cast<std::size_t>(fix - 1)][static_cast<std::size_t>(obj - 1)];
}

// ---- sizes and structure --------------------------------------------------------

void TFeatureMatrix::Clear() {
  FFeatProps.clear();
  FFeatVals.clear();
  FNFeats = 0;
  FNObjs = 0;
  Changed();
}

// Builds the new columns first, so that running out of memory leaves the
// matrix as it was.
void TFeatureMatrix::resize_features(std::int32_t n) {
  n = std::max(n, 0);
  const auto count = static_cast<std::size_t>(n);
  if (count > FFeatProps.size()) {
    std::vector<std::unique_ptr<TFeatMatProps>> props;
    std::vector<std::vector<String>> vals;
    props.reserve(count - FFeatProps.size());
    vals.reserve(count - FFeatProps.size());
    for (std::size_t i = FFeatProps.size(); i < count; ++i) {
      props.push_back(std::make_unique<TFeatMatProps>(nullptr));
      vals.emplace_back(static_cast<std::size_t>(FNObjs));
    }
    FFeatProps.reserve(count);
    FFeatVals.reserve(count);
    for (auto& p : props) FFeatProps.push_back(std::move(p));
    for (auto& v : vals) FFeatVals.push_back(std::move(v));
  } else {
    FFeatProps.resize(count);
    FFeatVals.resize(count);
  }
  FNFeats = n;
}

void TFeatureMatrix::resize_objects(std::int32_t n) {
  n = std::max(n, 0);
  const auto count = static_cast<std::size_t>(n);
  std::vector<std::vector<String>> vals(FFeatVals.size());
  for (std::size_t f = 0; f < FFeatVals.size(); ++f) {
    vals[f].reserve(count);
    const std::size_t keep = std::min(count, FFeatVals[f].size());
    vals[f].assign(FFeatVals[f].begin(), FFeatVals[f].begin() + static_cast<std::ptrdiff_t>(keep));
    vals[f].resize(count);
  }
  FFeatVals = std::move(vals);
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
  for (std::int32_t o = 1; o <= FNObjs; ++o) {
    for (std::int32_t f = 1; f <= FNFeats; ++f) cell(f, o) = String(detail::default_value(kind_of(f)));
    Changed();
  }
}

void TFeatureMatrix::ClearObject(std::int32_t obj) {
  if (!obj_in_range(obj)) return;
  for (std::int32_t f = 1; f <= FNFeats; ++f) cell(f, obj) = String(detail::default_value(kind_of(f)));
  Changed();
}

void TFeatureMatrix::ClearFeature(std::int32_t feat) {
  if (!feat_in_range(feat)) return;
  const String def(detail::default_value(kind_of(feat)));
  for (auto& v : FFeatVals[static_cast<std::size_t>(feat - 1)]) v = def;
  Changed();
}

void TFeatureMatrix::InsertObject(std::int32_t obj) {
  if (!obj_in_range(obj)) return;
  for (auto& column : FFeatVals) column.insert(column.begin() + (obj - 1), String());
  ++FNObjs;
  ClearObject(obj);
  Changed();
}

void TFeatureMatrix::RemoveObject(std::int32_t obj) {
  if (!obj_in_range(obj)) return;
  for (auto& column : FFeatVals) column.erase(column.begin() + (obj - 1));
  --FNObjs;
  Changed();
}

void TFeatureMatrix::InsertFeature(std::int32_t feat) {
  if (feat < 1 || feat > FNFeats + 1) return;
  resize_features(FNFeats + 1);
  // Properties objects stay where they are (callers may hold them); their
  // contents move.
  for (std::int32_t f = FNFeats; f > feat; --f) {
    FFeatProps[static_cast<std::size_t>(f - 1)]->Assign(FFeatProps[static_cast<std::size_t>(f - 2)].get());
    FFeatVals[static_cast<std::size_t>(f - 1)].swap(FFeatVals[static_cast<std::size_t>(f - 2)]);
  }
  FFeatProps[static_cast<std::size_t>(feat - 1)]->Clear();
  std::fill(FFeatVals[static_cast<std::size_t>(feat - 1)].begin(), FFeatVals[static_cast<std::size_t>(feat - 1)].end(),
            String());
  Changed();
}

void TFeatureMatrix::RemoveFeature(std::int32_t feat) {
  if (!feat_in_range(feat)) return;
  for (std::int32_t f = feat; f < FNFeats; ++f) {
    FFeatProps[static_cast<std::size_t>(f - 1)]->Assign(FFeatProps[static_cast<std::size_t>(f)].get());
    FFeatVals[static_cast<std::size_t>(f - 1)].swap(FFeatVals[static_cast<std::size_t>(f)]);
  }
  resize_features(FNFeats - 1);
  Changed();
}

void TFeatureMatrix::CopyObject(std::int32_t Source, std::int32_t Target) {
  if (!obj_in_range(Source) || !obj_in_range(Target)) return;
  for (std::int32_t f = 1; f <= FNFeats; ++f) cell(f, Target) = cell(f, Source);
  Changed();
}

void TFeatureMatrix::Assign(const zyl::TPersistent* Source) {
  const auto* src = dynamic_cast<const TFeatureMatrix*>(Source);
  if (src == nullptr) {
    zyl::TComponent::Assign(Source);
    return;
  }
  if (src == this) return;
  std::vector<std::unique_ptr<TFeatMatProps>> props;
  props.reserve(src->FFeatProps.size());
  for (const auto& p : src->FFeatProps) {
    props.push_back(std::make_unique<TFeatMatProps>(nullptr));
    props.back()->Assign(p.get());
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
  if (feat_in_range(fix)) return FFeatProps[static_cast<std::size_t>(fix - 1)].get();
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
  for (std::int32_t f = lo; f <= hi; ++f) FFeatProps[static_cast<std::size_t>(f - 1)]->SetFeatKind(FeatKind);
}

void TFeatureMatrix::RenumberFeatures(std::int32_t IxFrom, std::int32_t IxTo, std::int32_t FirstNum,
                                      std::int32_t Delta) {
  std::int32_t lo = 0, hi = 0;
  if (!clamp_range(IxFrom, IxTo, lo, hi)) return;
  for (std::int32_t f = lo; f <= hi; ++f)
    FFeatProps[static_cast<std::size_t>(f - 1)]->SetFeatNum(detail::feature_number(FirstNum, f - lo, Delta));
}

std::int32_t TFeatureMatrix::FindFeatName(const String& Name) const {
  const String key = zyl::LowerCase(Name);
  for (std::int32_t f = 1; f <= FNFeats; ++f)
    if (zyl::LowerCase(FFeatProps[static_cast<std::size_t>(f - 1)]->FeatName()) == key) return f;
  return -1;
}

std::int32_t TFeatureMatrix::FindFeatNum(std::int32_t Num) const {
  for (std::int32_t f = 1; f <= FNFeats; ++f)
    if (FFeatProps[static_cast<std::size_t>(f - 1)]->FeatNum() == Num) return f;
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
  cell(fix, obj) = FeatVal;
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
  cell(fix, obj) = zyl::IntToStr(FeatVal);
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
  cell(fix, obj) = zyl::FloatToStr(FeatVal);
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
  cell(fix, obj) = ZYL_stringl::TriStateToStr(FeatVal, 0);
  Changed();
}

void TFeatureMatrix::fill_with(std::int32_t fix, const String& Text) {
  auto& column = FFeatVals[static_cast<std::size_t>(fix - 1)];
  std::fill(column.begin(), column.end(), Text);
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
    FFeatProps[static_cast<std::size_t>(f - 1)]->SetFeatName(name);
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
