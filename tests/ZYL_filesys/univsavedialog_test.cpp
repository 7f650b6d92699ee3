#include "ZYL_filesys/univsavedialog.h"

#include <gtest/gtest.h>

#include "ZYL_filesys/detail/paramnumber.h"
#include "ZYL_zylbase/errors.h"
#include "support/tempdir.h"

namespace ZYL_filesys {
namespace {

using zyl::mrCancel;
using zyl::mrNo;
using zyl::mrOk;
using zyl::mrYes;
using zyl::platform::ScriptedSaveDialog;
using Reply = ScriptedSaveDialog::Reply;

// Installs a scripted system dialog for one test and gives it back after.
class ScriptedDialogTest : public zyl::test::TempDirTest {
 protected:
  ScriptedDialogTest() {
    auto s = std::make_unique<ScriptedSaveDialog>();
    script = s.get();
    previous = zyl::platform::set_save_dialog_backend(std::move(s));
    dialog.SetName(u"Saver");
  }
  ~ScriptedDialogTest() override { zyl::platform::set_save_dialog_backend(std::move(previous)); }

  String existing(const char* Name) {
    zyl::test::write_file_bytes(tmp.path() / Name, "x");
    return tmp.file(Name);
  }
  void expect_error(const String& Text) {
    try {
      dialog.Execute();
      ADD_FAILURE() << "no error, expected " << zyl::to_utf8(Text);
    } catch (const ZYL_zylbase::EZYLFileSysError& e) {
      EXPECT_EQ(e.Message(), u"Component \"Saver\": " + Text);
    }
  }

  ScriptedSaveDialog* script = nullptr;
  std::unique_ptr<zyl::platform::SaveDialogBackend> previous;
  TUnivSaveDialog dialog{nullptr};
};

TEST_F(ScriptedDialogTest, StandardDialogIsConfiguredFromTheParameters) {
  dialog.SetParameters(u"filter=\"Text files|*.txt|Data|*.dat;*.csv|odd\" caption=\"Save it\" initialdir=/srv");
  dialog.SetFilterIndex(2);
  dialog.SetFileName(u"start.dat");
  script->Push({Reply::Action::Cancel, {}, {}, 0});
  EXPECT_FALSE(dialog.Execute());
  ASSERT_EQ(script->Shown().size(), 1u);
  const auto& shown = script->Shown()[0];
  ASSERT_EQ(shown.FileTypes.size(), 2u) << "an odd last token is ignored";
  EXPECT_EQ(shown.FileTypes[1].first, u"Data");
  EXPECT_EQ(shown.FileTypes[1].second, u"*.dat;*.csv");
  EXPECT_EQ(shown.Title, u"Save it");
  EXPECT_EQ(shown.InitialDir, u"/srv");
  EXPECT_EQ(shown.TypeIndex, 2);
  EXPECT_EQ(shown.FileName, u"start.dat");
}

TEST_F(ScriptedDialogTest, ChosenNameGetsTheForcedExtensionAndTypeChangesRenameTheTypedName) {
  dialog.SetParameters(u"filter=\"Text|*.txt|Word|*.doc|All|*.*\" ext=txt");
  script->Push({Reply::Action::Save, tmp.file("report.doc"), {}, 0});
  ASSERT_TRUE(dialog.Execute());
  EXPECT_EQ(dialog.FileName(), tmp.file("report.txt"));

  dialog.SetParameters(u"filter=\"Text|*.txt|Word|*.doc|All|*.*\"");
  dialog.SetFileName(u"");
  script->Push({Reply::Action::Save, u"notes.txt", {2}, 0});
  ASSERT_TRUE(dialog.Execute());
  EXPECT_EQ(dialog.FileName(), u"notes.doc");
  EXPECT_EQ(dialog.FilterIndex(), 2);
  script->Push({Reply::Action::Save, u"notes.txt", {3}, 0});
  ASSERT_TRUE(dialog.Execute());
  EXPECT_EQ(dialog.FileName(), u"notes.txt") << "\"*.*\" leaves the name";
}

TEST_F(ScriptedDialogTest, StandardDialogErrorsAndCancels) {
  script->Push({Reply::Action::Fail, {}, {}, 0x3003});
  expect_error(u"Error in standard dialog (errnum = $3003).");
  script->Push({Reply::Action::Cancel, {}, {}, 0});
  EXPECT_FALSE(dialog.Execute());
  EXPECT_FALSE(dialog.Execute()) << "no reply left: cancelled";
}

TEST_F(ScriptedDialogTest, OverwriteProtocolWithTheStandardDialog) {
  const String taken = existing("taken.txt");
  script->Push({Reply::Action::Save, taken, {}, 0});
  expect_error(u"Overwrite dialog is not assigned");
  EXPECT_EQ(dialog.FileName(), taken) << "the chosen name is kept";

  std::vector<TModalResult> replies{mrNo, mrYes};
  int asked = 0;
  dialog.SetOnOverwrite([&](TObject* sender, const String& name, TModalResult& r) {
    EXPECT_EQ(sender, &dialog);
    EXPECT_EQ(name, taken);
    EXPECT_EQ(r, mrNo) << "the reply starts as mrNo";
    r = replies[static_cast<std::size_t>(asked++)];
  });
  script->Push({Reply::Action::Save, taken, {}, 0});
  script->Push({Reply::Action::Save, taken, {}, 0});
  EXPECT_TRUE(dialog.Execute());
  EXPECT_EQ(asked, 2);
  EXPECT_EQ(script->Shown().size(), 3u) << "mrNo shows the dialog again";

  dialog.SetOnOverwrite([](TObject*, const String&, TModalResult& r) { r = mrCancel; });
  script->Push({Reply::Action::Save, taken, {}, 0});
  EXPECT_FALSE(dialog.Execute());
  dialog.SetOnOverwrite([](TObject*, const String&, TModalResult& r) { r = mrOk; });
  script->Push({Reply::Action::Save, taken, {}, 0});
  expect_error(u"Invalid reply argument from overwrite dialog");

  script->Push({Reply::Action::Save, tmp.file("new.txt"), {}, 0});
  EXPECT_TRUE(dialog.Execute()) << "a file that does not exist needs no question";
}

TEST_F(ScriptedDialogTest, ForbiddenDirectories) {
  dialog.SetForbiddenDir(tmp.file("Data"));
  const String inside = tmp.file("database") + u"/x.txt";  // a plain prefix test
  script->Push({Reply::Action::Save, inside, {}, 0});
  EXPECT_TRUE(dialog.Execute()) << "without a handler a forbidden directory is accepted";

  std::vector<TModalResult> replies{mrOk, mrCancel};
  int asked = 0;
  dialog.SetOnForbiddenDir([&](TObject*, const String& path, TModalResult& r) {
    EXPECT_EQ(path, tmp.file("database") + u"/");
    EXPECT_EQ(r, mrYes);
    r = replies[static_cast<std::size_t>(asked++)];
  });
  script->Push({Reply::Action::Save, inside, {}, 0});
  script->Push({Reply::Action::Save, inside, {}, 0});
  EXPECT_FALSE(dialog.Execute()) << "another reply shows the dialog again, mrCancel ends";
  EXPECT_EQ(asked, 2);

  EXPECT_TRUE(dialog.IsForbiddenDir(tmp.file("DATA/sub")));
  EXPECT_FALSE(dialog.IsForbiddenDir(u""));
  dialog.SetForbiddenDir(u"");
  EXPECT_FALSE(dialog.IsForbiddenDir(u"/anything"));
}

TEST_F(ScriptedDialogTest, OwnDialogThroughEvents) {
  dialog.SetUseStandardDialog(false);
  expect_error(u"File select dialog is not assigned");

  dialog.SetParameters(u"mine=1");
  dialog.SetOnFileSelect([](TObject*, const String& params, TModalResult&, String&) { EXPECT_EQ(params, u"mine=1"); });
  EXPECT_FALSE(dialog.Execute()) << "a reply left unchanged is mrCancel";

  int selected = 0;
  dialog.SetOnFileSelect([&](TObject*, const String&, TModalResult& r, String& name) {
    r = mrOk;
    name = u"picked.txt";
    ++selected;
  });
  EXPECT_TRUE(dialog.Execute()) << "without OnFileCheck the file counts as absent";
  EXPECT_EQ(dialog.FileName(), u"picked.txt");
  dialog.SetOnFileCheck([](TObject*, const String&, bool& exists) {
    EXPECT_FALSE(exists);
    exists = true;
  });
  expect_error(u"Overwrite dialog is not assigned");
  dialog.SetOnOverwrite([](TObject*, const String&, TModalResult& r) { r = mrYes; });
  EXPECT_TRUE(dialog.Execute());
  EXPECT_TRUE(script->Shown().empty()) << "the standard dialog was never shown";
}

TEST_F(ScriptedDialogTest, BadParametersAndNamesGiveDefinedResults) {
  // Unbalanced quotes, a huge text, a type index outside the list, a handler
  // handing back a name no file system accepts: every pass still shows a
  // dialog or ends.
  dialog.SetParameters(u"filter=\"Text|*.txt caption=" + String(1 << 20, u'x'));
  dialog.SetFilterIndex(99);
  script->Push({Reply::Action::Save, String(u"bad\0name<>|.txt", 16), {5, -1}, 0});
  EXPECT_TRUE(dialog.Execute());
  EXPECT_EQ(dialog.FilterIndex(), -1) << "the index the dialog reports is kept as it is";
  EXPECT_LE(script->Shown().back().FileTypes.size(), 1u) << "the open quote runs to the end of the text";

  dialog.SetUseStandardDialog(false);
  dialog.SetOnFileSelect([](TObject*, const String&, TModalResult& r, String& name) {
    r = mrOk;
    name = String(u"\0\0", 2);
  });
  dialog.SetOnFileCheck([](TObject*, const String&, bool& exists) { exists = true; });
  int asked = 0;
  dialog.SetOnOverwrite([&](TObject*, const String&, TModalResult& r) { r = ++asked < 3 ? mrNo : mrCancel; });
  EXPECT_FALSE(dialog.Execute());
  EXPECT_EQ(asked, 3) << "each new pass called the handlers again";
}

TEST(UnivSaveDialogParameters, NumbersAndMissingValues) {
  TUnivSaveDialog d(nullptr);
  d.SetName(u"P");
  d.SetParameters(u"width=12px neg=\" -7\" w2=abc f=2,5 g=\"1.5e3\" h=1E i=\"\t3\" j=2E; k=-1.25E-2 l=1e99999");
  EXPECT_EQ(d.ExtractParamAsString(u"WIDTH"), u"12px");
  EXPECT_EQ(d.ExtractParamAsString(u"missing"), u"");
  EXPECT_EQ(d.ExtractParamAsInt(u"width"), 12);
  EXPECT_EQ(d.ExtractParamAsInt(u"neg"), -7);
  EXPECT_EQ(d.ExtractParamAsInt(u"w2"), 0);
  EXPECT_DOUBLE_EQ(d.ExtractParamAsDouble(u"f"), 2.5);
  EXPECT_DOUBLE_EQ(d.ExtractParamAsDouble(u"g"), 1500.0);
  EXPECT_DOUBLE_EQ(d.ExtractParamAsDouble(u"h"), 1.0) << "an exponent letter without digits";
  EXPECT_DOUBLE_EQ(d.ExtractParamAsDouble(u"i"), 0.0) << "a tab at the start makes it invalid";
  EXPECT_DOUBLE_EQ(d.ExtractParamAsDouble(u"j"), 2.0);
  EXPECT_DOUBLE_EQ(d.ExtractParamAsDouble(u"k"), -0.0125);
  EXPECT_DOUBLE_EQ(d.ExtractParamAsDouble(u"l"), 1.7e308) << "clamped";
  for (const char16_t* name : {u"missing", u"", u"WIDTH2"}) {
    try {
      (void)d.ExtractParamAsInt(name);
      ADD_FAILURE();
    } catch (const ZYL_zylbase::EZYLFileSysError& e) {
      EXPECT_EQ(e.Message(), u"Component \"P\": " + String(name) + u" is not specified in property Parameters");
    }
    EXPECT_THROW((void)d.ExtractParamAsDouble(name), ZYL_zylbase::EZYLFileSysError);
  }
  // Parameter texts of any shape never break the readers.
  EXPECT_EQ(detail::scan_param_int(u"   "), 0);
  EXPECT_EQ(detail::scan_param_int(u"4294967297"), 1) << "wraps in 32 bits";
  EXPECT_EQ(detail::scan_param_double(u"1e"), 1.0);
  EXPECT_EQ(detail::scan_param_double(u"1e."), 0.0);
  EXPECT_EQ(detail::scan_param_double(u"-"), 0.0);
  EXPECT_EQ(detail::scan_param_double(String(100000, u'9')), 1.7e308);
}

}  // namespace
}  // namespace ZYL_filesys
