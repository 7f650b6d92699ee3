// Library: zyl / Package: package
#include "package/package.h"

#include "package/units.h"

namespace zyl {
namespace {

int g_init_counts[detail::kPackageUnitCount] = {};

// Runs Initialize when the package is loaded and Finalize when it unloads.
struct PackageLifetime {
  PackageLifetime() { Initialize(); }
  ~PackageLifetime() { Finalize(); }
};
const PackageLifetime g_lifetime;

}  // namespace

namespace detail {
int package_anchor() noexcept { return 0; }
}  // namespace detail

void Initialize() {
  for (int i = 0; i < detail::kPackageUnitCount; ++i) {
    if (g_init_counts[i]++ == 0 && detail::kPackageUnits[i].Initialization)
      detail::kPackageUnits[i].Initialization();
  }
}

void Finalize() {
  for (int i = detail::kPackageUnitCount - 1; i >= 0; --i) {
    if (g_init_counts[i] == 0) continue;
    if (--g_init_counts[i] == 0 && detail::kPackageUnits[i].Finalization)
      detail::kPackageUnits[i].Finalization();
  }
}

const TPackageInfoTable& GetPackageInfoTable() {
  static const TPackageInfoTable table{detail::kPackageUnitCount, detail::kPackageUnits};
  return table;
}

int UnitInitCount(int UnitIndex) {
  if (UnitIndex < 0 || UnitIndex >= detail::kPackageUnitCount) return -1;
  return g_init_counts[UnitIndex];
}

}  // namespace zyl
