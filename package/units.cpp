// Library: zyl / Package: package / Module: units
//
// The package's unit table: each module's start-up and shut-down work, in
// the package's module order.
#include "package/units.h"

#include "ZYL_stringl/scramble.h"
#include "ZYL_zylbase/progress.h"

namespace zyl::detail {
namespace {

void zylbase_initialization() { ZYL_zylbase::ProcStat = 0; }

// Scramble and DeScramble work from start-up on, under the default seed.
void stringl_initialization() { ZYL_stringl::InitScramble(ZYL_stringl::kDefaultScrambleSeed); }

}  // namespace

// Constant tables are static data, immutable and alive for the whole life of
// the process, so the shut-down sections that release them on the original
// platform have nothing to do here.
const TPackageUnit kPackageUnits[kPackageUnitCount] = {
    {u"ZYL_zylbase", &zylbase_initialization, nullptr},
    {u"ZYL_zylcolors", nullptr, nullptr},
    {u"ZYL_stringl", &stringl_initialization, nullptr},
    {u"ZYL_dstruct", nullptr, nullptr},
    {u"ZYL_filesys", nullptr, nullptr},
    {u"ZYL_cpuid", nullptr, nullptr},
};

}  // namespace zyl::detail
