// Library: zyl / Package: ZYL_dstruct / Module: detail/featmatrix_io
#include "ZYL_dstruct/detail/featmatrix_io.h"

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
  int Key;  // 1-based index into kPropKeys; 0 for keywords that are ignored
  String Value;
};

}  // namespace

void FeatureMatrixIO::write(const TFeatureMatrix& M, const std::function<void(const String&)>& Line) {
  using zyl::IntToStr;
  Line(u"#featdef " + IntToStr(M.FNFeats) + u" 1");
  for (std::int32_t i = 1; i <= M.FNFeats; ++i) {
    const TFeatMatProps& p = *M.FFeatProps[static_cast<std::size_t>(i - 1)];
    const String ix = IntToStr(i) + u" ";
    Line(ix + u"fplFeatNum " + IntToStr(p.FeatNum()));
    Line(ix + u"fplFeatName " + p.FeatName());
    Line(ix + u"fplFeatKind " + kKindIds[static_cast<std::size_t>(p.FeatKind())]);
    Line(ix + u"fplComment " + p.Comment());
    Line(ix + u"fplPresets " + p.PresetValues());
    Line(ix + u"fplSorted " + ZYL_stringl::BoolToStr(p.Sorted(), 0));
  }
  Line(u"#featvals " + IntToStr(M.FNFeats) + u" " + IntToStr(M.FNObjs));
  for (std::int32_t o = 1; o <= M.FNObjs; ++o)
    for (std::int32_t f = 1; f <= M.FNFeats; ++f) {
      const String& v = M.cell(f, o);
      if (!v.empty()) Line(IntToStr(f) + u" " + IntToStr(o) + u" " + v);
    }
  Line(u"#featend");
}

namespace {

// The properties section after its "#featdef" line. False when its format
// number is not 1 (the section is then ignored).
bool read_featdef(std::vector<std::unique_ptr<TFeatMatProps>>& Props,
                  std::vector<std::vector<String>>& Vals, std::int32_t NObjs, zyl::TextFile& File,
                  std::u16string_view Rest) {
  const std::int32_t count = take_int(Rest);
  const std::int32_t format = take_int(Rest);
  if (format != 1) return false;
  if (count < 0 || count > kMaxLoadFeatures) throw ReadFailure{};
  // Parsed first, so that properties are only created for lines that exist.
  std::vector<PropLine> lines;
  for (std::int64_t k = 0; k < std::int64_t{6} * count; ++k) {
    if (File.Eof()) throw ReadFailure{};
    const String line = File.ReadLn();
    std::u16string_view rest = line;
    const std::int32_t feature = take_int(rest);
    const String body = trimmed(rest);
    const std::size_t blank = body.find(u' ');
    const String key = body.substr(0, blank);
    lines.push_back({feature, ZYL_stringl::StringIx(key, false, kPropKeys),
                     blank == String::npos ? String() : trimmed(std::u16string_view(body).substr(blank + 1))});
  }
  std::vector<std::unique_ptr<TFeatMatProps>> props;
  props.reserve(static_cast<std::size_t>(count));
  for (std::int32_t i = 0; i < count; ++i) props.push_back(std::make_unique<TFeatMatProps>(nullptr));
  for (const PropLine& l : lines) {
    if (l.Feature < 1 || l.Feature > count) continue;
    TFeatMatProps& p = *props[static_cast<std::size_t>(l.Feature - 1)];
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
      case 6: p.SetSorted(zyl::LowerCase(l.Value) == u"true"); break;
      default: break;  // fplGUIElem and unknown keywords
    }
  }
  std::vector<std::vector<String>> vals(static_cast<std::size_t>(count),
                                        std::vector<String>(static_cast<std::size_t>(NObjs)));
  Props = std::move(props);
  Vals = std::move(vals);
  return true;
}

}  // namespace

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
        if (read_featdef(M.FFeatProps, M.FFeatVals, M.FNObjs, File, rest)) {
          M.FNFeats = static_cast<std::int32_t>(M.FFeatProps.size());
          result = 0;
        }
      } else if (section == 2) {
        std::u16string_view r = rest;
        const std::int32_t nfeats = take_int(r);
        const std::int32_t nobjs = take_int(r);
        if (nfeats < 0 || nobjs < 0 || nfeats > kMaxLoadFeatures ||
            std::int64_t{nfeats} * nobjs > kMaxLoadCells)
          throw ReadFailure{};
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
          if (f >= 1 && f <= nfeats && o >= 1 && o <= nobjs) M.cell(f, o) = trimmed(v);
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
