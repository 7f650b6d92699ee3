#include <gtest/gtest.h>

#include "package/package.h"
#include "ZYL_zylbase/ZYL_zylbase.h"

namespace ZYL_zylbase {
namespace {

TEST(ErrorClasses, EveryModuleErrorIsAnEZYLErrorAndAnException) {
  auto raise_each = [](int i) {
    switch (i) {
      case 0: throw EZYLColArrayError(u"colour");
      case 1: throw EZYLStringlError(u"string");
      case 2: throw EZYLDStructError(u"dstruct");
      case 3: throw EZYLFileSysError(u"filesys");
      default: throw EZYLCpuIdError(u"cpuid");
    }
  };
  for (int i = 0; i < 5; ++i) {
    EXPECT_THROW(raise_each(i), EZYLError);
    EXPECT_THROW(raise_each(i), zyl::Exception);
  }
  EXPECT_EQ(ComponentMessage(u"Fifo1", u"FIFO structure too large"), u"Component \"Fifo1\": FIFO structure too large");
}

TEST(Records, RectCornersWriteThroughToTheFields) {
  TRectDouble r{1, 2, 3, 4};
  r.TopLeft() = TPointDouble{10, 20};
  EXPECT_EQ(r, (TRectDouble{10, 20, 3, 4}));
  r.BottomRight() = TPointDouble{30, 40};
  EXPECT_EQ(r, (TRectDouble{10, 20, 30, 40}));
  r.BottomRight().X = 31;
  EXPECT_EQ(r.Right, 31);
  const TPointDouble tl = r.TopLeft();
  EXPECT_EQ(tl, (TPointDouble{10, 20}));
}

TEST(Enumerations, OrdinalsFollowDeclarationOrder) {
  EXPECT_EQ(Ord(TTriState::tsUndefined), 2);
  EXPECT_EQ(Ord(TMouseActMode::maZoomPanColors), 18);
  EXPECT_EQ(Ord(TCSVDelimiters::csvTab), 5);
  EXPECT_EQ(Ord(TTxtLblMode::tlsimple), 1);
  EXPECT_EQ(Ord(TVarKind::strg), 6);
  EXPECT_EQ(Ord(TFrameStyle::fsEngraved), 5);
}

TEST(Package, StartsEveryUnitOnceAndCountsReferences) {
  // The package started when the program loaded.
  const zyl::TPackageInfoTable& t = zyl::GetPackageInfoTable();
  ASSERT_EQ(t.UnitCount, 6);
  const char16_t* order[] = {u"ZYL_zylbase", u"ZYL_zylcolors", u"ZYL_stringl", u"ZYL_dstruct", u"ZYL_filesys", u"ZYL_cpuid"};
  for (int i = 0; i < 6; ++i) {
    EXPECT_EQ(std::u16string(t.Units[i].Name), order[i]);
    EXPECT_EQ(zyl::UnitInitCount(i), 1);
  }
  EXPECT_EQ(ProcStat, 0);
  EXPECT_EQ(LastProcStat, 0);
  EXPECT_EQ(AbortMathProc, 0);
  EXPECT_EQ(MathFeedBackProc, nullptr);

  // A second start-up runs nothing again; ProcStat is not re-zeroed.
  ProcStat = 5;
  zyl::Initialize();
  EXPECT_EQ(ProcStat, 5);
  EXPECT_EQ(zyl::UnitInitCount(0), 2);
  zyl::Finalize();
  EXPECT_EQ(zyl::UnitInitCount(0), 1);
  EXPECT_EQ(zyl::UnitInitCount(6), -1);
  ProcStat = 0;
}

}  // namespace
}  // namespace ZYL_zylbase
