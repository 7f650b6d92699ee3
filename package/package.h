// Library: zyl / Package: package
//
// The package's entry points and its module table.
//
// Loading the package (shared or static) runs Initialize once; unloading runs
// Finalize. Both may also be called by a host: each module's start-up is
// guarded by a reference count, so it runs only on the first Initialize, and
// its shut-down only when Finalize brings the count back to zero. Modules
// start in this order and shut down in reverse:
//   ZYL_zylbase, ZYL_zylcolors, ZYL_stringl, ZYL_dstruct, ZYL_filesys, ZYL_cpuid
//
// Example:
//   const TPackageInfoTable& t = GetPackageInfoTable();
//   t.UnitCount              // == 6
//   t.Units[2].Name          // == u"ZYL_stringl"
#pragma once

#include "platform/api.h"

namespace zyl {

struct TPackageUnit {
  const char16_t* Name;
  void (*Initialization)();  // null: nothing to do
  void (*Finalization)();    // null: nothing to do
};

struct TPackageInfoTable {
  int UnitCount;
  const TPackageUnit* Units;
};

ZYL_API void Initialize();
ZYL_API void Finalize();
ZYL_API const TPackageInfoTable& GetPackageInfoTable();

// How often a unit's start-up has run without its shut-down (0 = not started);
// -1 for an index out of range.
ZYL_API int UnitInitCount(int UnitIndex);

}  // namespace zyl
