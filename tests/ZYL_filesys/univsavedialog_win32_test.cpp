// The common save dialog driven through its hook. Without a display (Wine
// started without X) the dialog cannot be created: then the error path is
// what is checked.
#include <gtest/gtest.h>

#include "ZYL_filesys/univsavedialog.h"
#include "ZYL_zylbase/errors.h"
#include "support/tempdir.h"

namespace ZYL_filesys {
namespace {

using zyl::test::TempDirTest;

TEST_F(TempDirTest, CommonSaveDialogIsDrivenOrReportsItsError) {
  zyl::platform::set_save_dialog_test_driver([](zyl::platform::SaveDialogView& v) {
    v.SetTypedName(u"typed.txt");
    v.SelectType(2);
    v.Close(v.TypedName() == u"typed.doc");
  });
  TUnivSaveDialog d(nullptr);
  d.SetName(u"Win");
  d.SetParameters(u"filter=\"Text|*.txt|Word|*.doc\" initialdir=\"" + tmp.file("") + u"\"");
  try {
    const bool chosen = d.Execute();
    EXPECT_TRUE(chosen);
    EXPECT_EQ(d.FileName(), tmp.file("typed.doc"));
    EXPECT_EQ(d.FilterIndex(), 2);
  } catch (const ZYL_zylbase::EZYLFileSysError& e) {
    const String prefix = u"Component \"Win\": Error in standard dialog (errnum = $";
    EXPECT_EQ(e.Message().substr(0, prefix.size()), prefix) << zyl::to_utf8(e.Message());
    EXPECT_EQ(e.Message().size(), prefix.size() + 6) << "four hexadecimal digits and \").\"";
  }
  zyl::platform::set_save_dialog_test_driver(nullptr);
}

}  // namespace
}  // namespace ZYL_filesys
