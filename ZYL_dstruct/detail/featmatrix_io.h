// Library: zyl / Package: ZYL_dstruct / Module: detail/featmatrix_io
//
// Internal: the feature matrix's text file format, written and read line by
// line (see TFeatureMatrix::SaveToOpenFile for the layout).
//
// Reading allocates for what the file holds, never for the counts it
// declares: properties are created only for features that property lines
// name, and only the values present are stored. A section declaring more
// than kMaxLoadFeatures features fails the reading, which bounds what saving
// such a matrix again writes.
#pragma once

#include <cstdint>
#include <functional>
#include <string_view>

#include "platform/hoststring.h"
#include "platform/textfile.h"

namespace ZYL_dstruct {
class TFeatureMatrix;
}

namespace ZYL_dstruct::detail {

constexpr std::int32_t kMaxLoadFeatures = 1 << 20;

class FeatureMatrixIO {
 public:
  // Hands every line of the format (without line end) to Line, in order.
  static void write(const TFeatureMatrix& M, const std::function<void(const zyl::String&)>& Line);
  // LoadFromOpenFile: 0 done, -1 no section, -2 reading failed.
  static std::int32_t read(TFeatureMatrix& M, zyl::TextFile& File);

 private:
  // The properties section after its "#featdef" line (Rest: the rest of
  // that line), replacing M's properties; false for a format number other
  // than 1 (the section is ignored). Malformed content throws.
  static bool read_featdef(TFeatureMatrix& M, zyl::TextFile& File, std::u16string_view Rest);
};

}  // namespace ZYL_dstruct::detail
