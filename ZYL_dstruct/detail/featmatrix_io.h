// Library: zyl / Package: ZYL_dstruct / Module: detail/featmatrix_io
//
// Internal: the feature matrix's text file format, written and read line by
// line (see TFeatureMatrix::SaveToOpenFile for the layout).
//
// Reading limits what a file can make the matrix allocate: a section that
// declares more than kMaxLoadFeatures features or more than kMaxLoadCells
// values (features x objects) fails the reading before anything is
// allocated, and feature properties are only created for lines actually
// read, so a few bytes can never ask for gigabytes.
#pragma once

#include <cstdint>
#include <functional>

#include "platform/hoststring.h"
#include "platform/textfile.h"

namespace ZYL_dstruct {
class TFeatureMatrix;
}

namespace ZYL_dstruct::detail {

constexpr std::int32_t kMaxLoadFeatures = 1 << 20;
constexpr std::int64_t kMaxLoadCells = std::int64_t{1} << 24;

class FeatureMatrixIO {
 public:
  // Hands every line of the format (without line end) to Line, in order.
  static void write(const TFeatureMatrix& M, const std::function<void(const zyl::String&)>& Line);
  // LoadFromOpenFile: 0 done, -1 no section, -2 reading failed.
  static std::int32_t read(TFeatureMatrix& M, zyl::TextFile& File);
};

}  // namespace ZYL_dstruct::detail
