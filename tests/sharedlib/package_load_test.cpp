// The package as applications use it: through the shared library (libzyl.so
// or zyl.dll), not through the linked-in objects the other test programs use.
// Loading the library must have run the start-up, and objects, exceptions and
// process-wide state must cross the library boundary intact.
#include <gtest/gtest.h>

#include "package/package.h"
#include "platform/exceptions.h"
#include "platform/filestream.h"
#include "platform/random.h"
#include "ZYL_zylbase/errors.h"
#include "ZYL_zylbase/progress.h"

namespace zyl {
namespace {

TEST(PackageLoad, LoadingStartedEveryUnitOnce) {
  const TPackageInfoTable& table = GetPackageInfoTable();
  ASSERT_GT(table.UnitCount, 0);
  for (int i = 0; i < table.UnitCount; ++i) {
    SCOPED_TRACE(to_utf8(table.Units[i].Name));
    EXPECT_EQ(UnitInitCount(i), 1);
  }
  EXPECT_EQ(ZYL_zylbase::ProcStat, 0);
}

TEST(PackageLoad, HostInitializeNestsWithTheLoad) {
  Initialize();
  EXPECT_EQ(UnitInitCount(0), 2);
  Finalize();
  EXPECT_EQ(UnitInitCount(0), 1) << "the load's own start-up stays in force";
}

// Catching by type needs the exception classes' type information to be the
// library's own on both sides of the boundary.
TEST(PackageLoad, ExceptionsFromTheLibraryAreCaughtByType) {
  bool caught_as_open_error = false;
  try {
    TFileStream s(u"this file does not exist.bin", fmOpenRead);
  } catch (const EFOpenError& e) {
    caught_as_open_error = std::string(e.what()).rfind("Cannot open file", 0) == 0;
  } catch (...) {
  }
  EXPECT_TRUE(caught_as_open_error);
  EXPECT_THROW(throw ZYL_zylbase::EZYLError(u"x"), Exception);
}

// RandSeed is data exported by the library: a write here must be the seed
// that the library's Random steps.
TEST(PackageLoad, ProcessWideStateIsTheLibrarys) {
  RandSeed = 0;
  EXPECT_EQ(Random(100), 0);
  EXPECT_EQ(RandSeed, 1);
  EXPECT_EQ(Random(100), 3);
  EXPECT_EQ(RandSeed, 134775814);
}

}  // namespace
}  // namespace zyl
