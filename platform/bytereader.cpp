// Library: zyl / Package: platform / Module: bytereader
#include "platform/bytereader.h"

namespace zyl::detail {

bool ByteReader::read_one() {
  if (FStream.Read(&FOne, 1) != 1) return false;
  FBegin = FCur = &FOne;
  FEnd = &FOne + 1;
  return true;
}

}  // namespace zyl::detail
