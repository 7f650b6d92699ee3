// Number formatting and string helpers.
#include <cstdio>

#include "zyl.h"

int main() {
  const zyl::String fixed = zyl::strff(3.14159, 8, 3);             // width 8, 3 decimals
  const zyl::String sig = zyl::SigDigStr(123456.789, 0, 4, true);  // 4 significant digits
  const zyl::String text = zyl::ReplaceStringInString(u"one two two", u"two", u"three", false);
  std::printf("[%s] [%s] %s\n", zyl::to_utf8(fixed).c_str(), zyl::to_utf8(sig).c_str(), zyl::to_utf8(text).c_str());
  return text == u"one three three" ? 0 : 1;
}
