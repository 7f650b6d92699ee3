// Library: zyl / Package: platform / Module: securerandom
#include "platform/securerandom.h"

namespace zyl::platform {

std::uint64_t secure_random64() {
  std::uint64_t value = 0;
  fill_secure_random(&value, sizeof value);
  return value;
}

}  // namespace zyl::platform
