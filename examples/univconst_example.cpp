// Mathematical constants and ln k! from the table: the number of ways to
// choose 6 of 49 without computing the huge factorials.
#include <cmath>
#include <cstdio>

#include "zyl.h"

int main() {
  std::printf("pi/2 = %.18Lf, e = %.18Lf\n", zyl::uc_PiH, zyl::uc_e);
  const double ways = std::exp(zyl::uc_LnFactorial[49] - zyl::uc_LnFactorial[6] - zyl::uc_LnFactorial[43]);
  std::printf("6 of 49: %.0f ways\n", ways);
  return std::lround(ways) == 13983816 ? 0 : 1;
}
