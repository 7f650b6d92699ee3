// The formatting section of zyl demo: the same values through the library's
// fixed-layout number formats.
#include <cstdio>

#include "command.h"
#include "zyl.h"

namespace zyl_tool {
namespace {

void demo_formatting() {
  const double values[] = {0, 3.14159265358979, -2.5, 1234.5, 0.000123456, 98765432.1, 1e100};
  std::printf("  %-22s|%-12s|%-12s|%-14s|%-12s\n", "value", "strff 12,3", "FormatData", "SigDigStr 4",
              "AutoFormat 4");
  for (double v : values) {
    std::printf("  %-22s|%-12s|%-12s|%-14s|%-12s\n", zyl::to_utf8(zyl::FloatToStr(v)).c_str(),
                zyl::to_utf8(zyl::strff(v, 12, 3)).c_str(), zyl::to_utf8(zyl::FormatData(v, 12, 3)).c_str(),
                zyl::to_utf8(zyl::SigDigStr(v, 12, 4)).c_str(), zyl::to_utf8(zyl::AutoFormatData(v, 4)).c_str());
  }
  std::printf("  exponent form strff(1234.5, 10, -2) = \"%s\", zero fill strff(-12.5, -8, 2) = \"%s\"\n",
              zyl::to_utf8(zyl::strff(1234.5, 10, -2)).c_str(), zyl::to_utf8(zyl::strff(-12.5, -8, 2)).c_str());
  std::printf("  rounding on the exact value: 0.125 -> \"%s\", 2.5 -> \"%s\", 1.005 (really 1.00499...) -> \"%s\"\n",
              zyl::to_utf8(zyl::strff(0.125, 0, 2)).c_str(), zyl::to_utf8(zyl::strff(2.5, 0, 0)).c_str(),
              zyl::to_utf8(zyl::strff(1.005, 0, 2)).c_str());
  std::printf("  TimeString(3725.5): \"%s\", \"%s\"; CreateParList: %s; tri-state \"yes\" -> %s\n",
              zyl::to_utf8(zyl::TimeString(3725.5, 0)).c_str(), zyl::to_utf8(zyl::TimeString(46800 + 300, 5)).c_str(),
              zyl::to_utf8(zyl::CreateParList(zyl::TIntArray{1, 2, 3, 4}, false, 3, true)).c_str(),
              zyl::to_utf8(zyl::TriStateToStr(zyl::StrToTriState(u"yes"), 2)).c_str());
  zyl::Variant matrix = zyl::var_array_create(0, 1);
  for (int i = 0; i <= 1; ++i) {
    zyl::Variant column = zyl::var_array_create(0, 1);
    column.SetElement(0, i + 1);
    column.SetElement(1, 0.5 * (i + 1));
    matrix.SetElement(i, column);
  }
  std::printf("  ConvertVariant of a 2 x 2 variant array:\n%s", zyl::to_utf8(zyl::ConvertVariant(matrix)).c_str());
}

const DemoRegistration demo{{22, "Strings: number and value formatting", demo_formatting}};

}  // namespace
}  // namespace zyl_tool
