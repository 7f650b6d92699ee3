// Library: zyl / Package: package / Module: units
//
// The package's unit table: each module's start-up and shut-down work, in
// the package's module order.
#include "package/units.h"

#include "ZYL_zylbase/progress.h"

namespace zyl::detail {
namespace {

void zylbase_initialization() { ZYL_zylbase::ProcStat = 0; }

}  // namespace

// Constant tables are static data, immutable and alive for the whole life of
// the process, so the shut-down sections that release them on the original
// platform have nothing to do here.
const TPackageUnit kPackageUnits[kPackageUnitCount] = {
    {u"ZYL_zylbase", &zylbase_initialization, nullptr},
    {u"ZYL_zylcolors", nullptr, nullptr},
    {u"ZYL_stringl", nullptr, nullptr},
    {u"ZYL_dstruct", nullptr, nullptr},
    {u"ZYL_filesys", nullptr, nullptr},
    {u"ZYL_cpuid", nullptr, nullptr},
};

}  // namespace zyl::detail
