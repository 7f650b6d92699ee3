// What the processor says about itself.
#include <cstdio>

#include "zyl.h"

int main() {
  if (!zyl::CPU_IDSupport()) {
    std::printf("this processor has no identification instruction\n");
    return 0;
  }
  std::printf("vendor %s, family %d, %s\n", zyl::to_utf8(zyl::CPU_VendorString()).c_str(), zyl::CPU_Family(),
              zyl::to_utf8(zyl::CPU_MarketName()).c_str());
  return zyl::CPU_VendorString().empty() ? 1 : 0;
}
