// Library: zyl / Package: ZYL_zylbase / Module: arrays
//
// The shared dynamic array types and fixed buffers. Arrays are zero-based
// std::vectors that own their elements; multi-dimensional arrays are vectors
// of vectors whose rows may differ in length. An empty array is valid
// wherever an array is accepted.
//
// Example:
//   TDouble2DArray m(3, TDoubleArray(4, 0.0));   // 3 rows of 4
//   TBuf4096 buf{};                               // 4096 zero bytes
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "platform/events.h"
#include "platform/hoststring.h"
#include "platform/variant_fwd.h"
#include "ZYL_zylbase/records.h"

namespace ZYL_zylbase {

using TDoubleArray = std::vector<double>;
using TDouble2DArray = std::vector<TDoubleArray>;
using TDouble3DArray = std::vector<TDouble2DArray>;
using TDouble4DArray = std::vector<TDouble3DArray>;
using TSingleArray = std::vector<float>;
using TIntArray = std::vector<std::int32_t>;
using TInt2DArray = std::vector<TIntArray>;
using TInt3DArray = std::vector<TInt2DArray>;
using TInt4DArray = std::vector<TInt3DArray>;
// Elements are one byte, as on the original platform (not std::vector<bool>).
using TBoolArray = std::vector<std::uint8_t>;
using TBool2DArray = std::vector<TBoolArray>;
using TStrArray = std::vector<zyl::String>;
using TStr2DArray = std::vector<TStrArray>;
using TVariantArray = std::vector<zyl::Variant>;
using TPDblArray = std::vector<TPointDouble>;
using TPIntArray = std::vector<zyl::TPoint>;
using TBytes = std::vector<std::uint8_t>;

using TBuf4096 = std::array<std::uint8_t, 4096>;
using TBuf16K = std::array<std::uint8_t, 16384>;
// The type a raw buffer pointer points to; never allocated by value.
using TDataBuffer = std::uint8_t[];
using TQuad = std::array<zyl::TPoint, 4>;

static_assert(sizeof(TQuad) == 32);

}  // namespace ZYL_zylbase
