// Library: zyl / Package: ZYL_dstruct / Module: detail/featmatrix_io
#include "ZYL_dstruct/detail/featmatrix_io.h"

#include <algorithm>
#include <array>
#include <new>
#include <stdexcept>
#include <vector>

#include "ZYL_dstruct/featmatrix.h"
#include "ZYL_stringl/strip.h"
#include "ZYL_stringl/valuetext.h"
#include "platform/casemap.h"
#include "platform/exceptions.h"
#include "platform/numtext.h"

namespace ZYL_dstruct::detail {
namespace {

using zyl::String;

// Thrown inside the reader for malformed content; becomes the result -2.
struct ReadFailure {};

const std::array<String, 2> kSections = {u"featdef", u"featvals"};
const std::array<String, 5> kKindIds = {u"fkUndefined", u"fkInteger", u"fkDouble", u"fkString", u"fkTriState"};
const std::array<String, 6> kPropKeys = {u"fplFeatNum", u"fplFeatName", u"fplFeatKind",
                                         u"fplComment", u"fplPresets", u"fplSorted"};

// Reads a decimal integer at the front of S (leading blanks skipped, an
// optional sign, at least one digit, ended by a blank or the end of S) and
// removes it from S. Anything else, or a value beyond 32 bits, fails.
std::int32_t take_int(std::u16string_view& S) {
  std::size_t i = 0;
  while (i < S.size() && S[i] == u' ') ++i;
  bool negative = false;
  if (i < S.size() && (S[i] == u'+' || S[i] == u'-')) negative = S[i++] == u'-';
  const std::size_t first = i;
  std::int64_t v = 0;
  for (; i < S.size() && S[i] >= u'0' && S[i] <= u'9'; ++i) {
    v = v * 10 + (S[i] - u'0');
    if (v > std::int64_t{1} << 31) throw ReadFailure{};
  }
  if (i == first || (i < S.size() && S[i] != u' ')) throw ReadFailure{};
  if (negative) v = -v;
  if (v > INT32_MAX) throw ReadFailure{};
  S.remove_prefix(i);
  return static_cast<std::int32_t>(v);
}

std::int32_t whole_int(std::u16string_view S) {
  const std::int32_t v = take_int(S);
  for (char16_t c : S)
    if (c != u' ') throw ReadFailure{};
  return v;
}

String trimmed(std::u16string_view S) { return ZYL_stringl::StripLTBlanks(String(S)); }

struct PropLine {
  std::int32_t Feature;
  int Key;  // 1-based index into kPropKeys
  String Value;
};

}  // namespace

void FeatureMatrixIO::write(const TFeatureMatrix& M, const std::function<void(const String&)>& Line) {
  using zyl::IntToStr;
  Line(u"#featdef " + IntToStr(M.FNFeats) + u" 1");
  const TFeatMatProps cleared(nullptr);  // stands for features without properties yet
  for (std::int32_t i = 1; i <= M.FNFeats; ++i) {
    const TFeatMatProps* stored = M.stored_props(i);
    const TFeatMatProps& p = stored != nullptr ? *stored : cleared;
    const String ix = IntToStr(i) + u" ";
    Line(ix + u"fplFeatNum " + IntToStr(p.FeatNum()));
    Line(ix + u"fplFeatName " + p.FeatName());
    Line(ix + u"fplFeatKind " + kKindIds[static_cast<std::size_t>(p.FeatKind())]);
    Line(ix + u"fplComment " + p.Comment());
    Line(ix + u"fplPresets " + p.PresetValues());
    Line(ix + u"fplSorted " + ZYL_stringl::BoolToStr(p.Sorted(), 0));
  }
  Line(u"#featvals " + IntToStr(M.FNFeats) + u" " + IntToStr(M.FNObjs));
  // The values stored (none is empty), object by object, feature by feature.
  std::vector<std::pair<std::pair<std::int32_t, std::int32_t>, const String*>> values;
  values.reserve(M.FFeatVals.size());
  for (const auto& [key, v] : M.FFeatVals)
    values.push_back({{static_cast<std::int32_t>(key & 0xFFFFFFFFu), static_cast<std::int32_t>(key >> 32)}, &v});
  std::sort(values.begin(), values.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
  for (const auto& [at, v] : values) Line(IntToStr(at.second) + u" " + IntToStr(at.first) + u" " + *v);
  Line(u"#featend");
}

// Properties are created only for the features the section's lines name;
// the others stay cleared ones, which take no memory.
bool FeatureMatrixIO::read_featdef(TFeatureMatrix& M, zyl::TextFile& File, std::u16string_view Rest) {
  const std::int32_t count = take_int(Rest);
  const std::int32_t format = take_int(Rest);
  if (format != 1) return false;
  if (count < 0 || count > kMaxLoadFeatures) throw ReadFailure{};
  // Parsed first, so that a truncated section changes nothing.
  std::vector<PropLine> lines;
  for (std::int64_t k = 0; k < std::int64_t{6} * count; ++k) {
    if (File.Eof()) throw ReadFailure{};
    const String line = File.ReadLn();
    std::u16string_view rest = line;
    const std::int32_t feature = take_int(rest);
    if (feature < 1 || feature > count) continue;
    const String body = trimmed(rest);
    const std::size_t blank = body.find(u' ');
    // fplGUIElem and unknown keywords are ignored: kept are only lines that
    // set something, each at least as long as its keyword.
    const int key = ZYL_stringl::StringIx(body.substr(0, blank), false, kPropKeys);
    if (key < 1 || key > 6) continue;
    lines.push_back({feature, key, blank == String::npos ? String() : trimmed(std::u16string_view(body).substr(blank + 1))});
  }
  for (const PropLine& l : lines)
    if (l.Key == 1) whole_int(l.Value);  // a malformed number fails before anything changes
  M.FFeatProps.clear();
  M.FFeatVals.clear();
  M.FNFeats = count;
  for (const PropLine& l : lines) {
    TFeatMatProps& p = M.props(l.Feature);
    switch (l.Key) {
      case 1: p.SetFeatNum(whole_int(l.Value)); break;
      case 2: p.SetFeatName(l.Value); break;
      case 3: {
        const int kind = ZYL_stringl::StringIx(l.Value, false, kKindIds);
        p.SetFeatKind(kind == 0 ? TFeatKind::fkUndefined : static_cast<TFeatKind>(kind - 1));
        break;
      }
      case 4: p.SetComment(l.Value); break;
      case 5: p.SetPresetValues(l.Value); break;
      default: p.SetSorted(zyl::LowerCase(l.Value) == u"true"); break;
    }
  }
  return true;
}

std::int32_t FeatureMatrixIO::read(TFeatureMatrix& M, zyl::TextFile& File) {
  M.FFeatProps.clear();
  M.FFeatVals.clear();
  M.FNFeats = 0;
  M.FNObjs = 0;
  std::int32_t result = -1;
  try {
    bool ended = false;
    while (!ended && !File.Eof()) {
      const String line = File.ReadLn();
      if (line.empty() || line[0] != u'#') continue;
      const std::size_t blank = line.find(u' ');
      const String keyword = line.substr(1, blank == String::npos ? String::npos : blank - 1);
      const String rest = blank == String::npos ? String() : trimmed(std::u16string_view(line).substr(blank + 1));
      const int section = ZYL_stringl::StringIx(keyword, false, kSections);
      if (section == 1) {
        if (read_featdef(M, File, rest)) result = 0;
      } else if (section == 2) {
        std::u16string_view r = rest;
        const std::int32_t nfeats = take_int(r);
        const std::int32_t nobjs = take_int(r);
        if (nfeats < 0 || nobjs < 0 || nfeats > kMaxLoadFeatures) throw ReadFailure{};
        // Properties the "#featdef" section did not give are cleared ones.
        M.resize_objects(0);
        M.resize_features(nfeats);
        M.resize_objects(nobjs);
        result = 0;
        while (!File.Eof()) {
          const String vline = File.ReadLn();
          if (vline.empty() || vline[0] == u'#') break;
          std::u16string_view v = vline;
          const std::int32_t f = take_int(v);
          const std::int32_t o = take_int(v);
          if (f >= 1 && f <= nfeats && o >= 1 && o <= nobjs) M.set_cell(f, o, trimmed(v));
        }
        ended = true;
      }
    }
  } catch (const ReadFailure&) {
    result = -2;
  } catch (const zyl::Exception&) {
    result = -2;
  } catch (const std::bad_alloc&) {
    result = -2;
  } catch (const std::length_error&) {
    result = -2;
  }
  M.Changed();
  return result;
}

}  // namespace ZYL_dstruct::detail
