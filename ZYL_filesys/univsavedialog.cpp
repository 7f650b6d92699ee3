// Library: zyl / Package: ZYL_filesys / Module: univsavedialog
#include "ZYL_filesys/univsavedialog.h"

#include <cstdio>

#include "ZYL_filesys/detail/paramnumber.h"
#include "ZYL_filesys/pathnames.h"
#include "ZYL_stringl/tokenize.h"
#include "ZYL_streams/tagscan.h"
#include "ZYL_zylbase/errors.h"
#include "platform/casemap.h"
#include "platform/filename.h"
#include "platform/filesearch.h"

namespace ZYL_filesys {
namespace {

namespace platform = zyl::platform;

// The file types of a filter text: display names and masks alternating,
// separated by "|"; an odd last token is ignored.
std::vector<std::pair<String, String>> file_types(const String& Filter) {
  std::vector<std::pair<String, String>> types;
  if (Filter.empty()) return types;
  ZYL_stringl::TOpenStringArray tokens;
  ZYL_stringl::Tokenize(Filter, u"|", tokens);
  for (std::size_t i = 0; i + 1 < tokens.size(); i += 2) types.emplace_back(tokens[i], tokens[i + 1]);
  return types;
}

bool file_exists(const String& Name) {
  String stored;
  return !Name.empty() && platform::stored_entry_name(Name, stored);
}

}  // namespace

TUnivSaveDialog::TUnivSaveDialog(zyl::TComponent* AOwner) : TCommonDialog(AOwner) {}

void TUnivSaveDialog::fail(const String& Text) const {
  throw ZYL_zylbase::EZYLFileSysError(u"Component \"" + Name() + u"\": " + Text);
}

bool TUnivSaveDialog::Execute() {
  for (;;) {
    if (choose_name() != zyl::mrOk) return false;
    const String dir = zyl::ExtractFilePath(FFileName);
    if (IsForbiddenDir(dir)) {
      TModalResult reply = zyl::mrYes;
      if (FOnForbiddenDir) FOnForbiddenDir(this, dir, reply);
      if (reply == zyl::mrCancel) return false;
      if (reply != zyl::mrYes) continue;  // the dialog is shown again
    }
    switch (check_overwrite()) {
      case Decision::Accept: return true;
      case Decision::Refuse: return false;
      case Decision::AskAgain: continue;
    }
  }
}

// One showing of the standard dialog or one call of the own dialog; the
// reply starts as mrCancel.
TModalResult TUnivSaveDialog::choose_name() {
  if (FUseStdDiag) return show_standard_dialog();
  if (!FOnFileSelect) fail(u"File select dialog is not assigned");
  TModalResult reply = zyl::mrCancel;
  FOnFileSelect(this, FParams, reply, FFileName);
  return reply;
}

TModalResult TUnivSaveDialog::show_standard_dialog() {
  platform::SaveDialogOptions options;
  options.FileTypes = file_types(ExtractParamAsString(u"filter"));
  options.Title = ExtractParamAsString(u"caption");
  options.InitialDir = ExtractParamAsString(u"initialdir");
  options.TypeIndex = FFilterIndex;
  options.FileName = FFileName;
  options.ParentWnd = FParentWnd;
  options.OnTypeChange = [this](platform::SaveDialogView& view) { SaveDiagTypeChange(view); };
  const platform::SaveDialogOutcome outcome = platform::save_dialog_backend().Show(options);
  if (!outcome.Confirmed && outcome.ErrorCode != 0) {
    char code[8];
    std::snprintf(code, sizeof code, "%04X", static_cast<unsigned>(outcome.ErrorCode) & 0xFFFFu);
    fail(u"Error in standard dialog (errnum = $" + zyl::from_ascii(code) + u").");
  }
  FFileName = outcome.FileName;
  FFilterIndex = outcome.TypeIndex;
  const String ext = ExtractParamAsString(u"ext");
  if (!ext.empty()) FFileName = StripExtension(FFileName) + u"." + ext;
  return outcome.Confirmed ? zyl::mrOk : zyl::mrCancel;
}

TUnivSaveDialog::Decision TUnivSaveDialog::check_overwrite() {
  bool exists = false;
  if (FUseStdDiag) {
    exists = file_exists(FFileName);
  } else if (FOnFileCheck) {
    FOnFileCheck(this, FFileName, exists);
  }
  if (!exists) return Decision::Accept;
  if (!FOnOverwrite) fail(u"Overwrite dialog is not assigned");
  TModalResult reply = zyl::mrNo;
  FOnOverwrite(this, FFileName, reply);
  if (reply == zyl::mrYes) return Decision::Accept;
  if (reply == zyl::mrCancel) return Decision::Refuse;
  if (reply == zyl::mrNo) return Decision::AskAgain;
  fail(u"Invalid reply argument from overwrite dialog");
}

bool TUnivSaveDialog::IsForbiddenDir(const String& Path) const {
  if (Path.empty() || FForbiddenDir.empty()) return false;
  return zyl::AnsiLowerCase(Path).rfind(zyl::AnsiLowerCase(FForbiddenDir), 0) == 0;
}

void TUnivSaveDialog::SaveDiagTypeChange(platform::SaveDialogView& Dialog) {
  const String mask = Dialog.TypeMask(Dialog.TypeIndex());
  const String ext = mask.empty() ? String() : mask.substr(1);
  if (ext == u".*") return;
  String typed = Dialog.TypedName();
  if (typed.empty()) typed = Dialog.FileName();
  if (typed.empty()) return;
  Dialog.SetTypedName(StripExtension(zyl::ExtractFileName(typed)) + ext);
}

String TUnivSaveDialog::ExtractParamAsString(const String& ParName) const {
  return ZYL_streams::ScanForXMLAttrib(FParams, ParName);
}

String TUnivSaveDialog::required_param(const String& ParName) const {
  const String value = ExtractParamAsString(ParName);
  if (value.empty()) fail(ParName + u" is not specified in property Parameters");
  return value;
}

std::int32_t TUnivSaveDialog::ExtractParamAsInt(const String& ParName) const {
  return detail::scan_param_int(required_param(ParName));
}

double TUnivSaveDialog::ExtractParamAsDouble(const String& ParName) const {
  return detail::scan_param_double(required_param(ParName));
}

}  // namespace ZYL_filesys
