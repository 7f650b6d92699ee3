// Library: zyl / Package: ZYL_filesys / Module: univsavedialog
//
// TUnivSaveDialog asks for the name of a file to save and settles, in one
// Execute, the questions around it: is the chosen directory forbidden, does
// the file exist, may it be overwritten. It shows the system's save dialog
// (configured from the Parameters text: filter, ext, caption, initialdir) or
// lets the application choose through OnFileSelect, with the same
// forbidden-directory and overwrite protocol for both.
//
// Every pass of Execute shows a dialog or calls a handler, so it never loops
// without the user.
//
// Example:
//   TUnivSaveDialog d(nullptr);
//   d.SetParameters(u"filter=\"Text|*.txt|All|*.*\" ext=txt caption=\"Save notes\"");
//   d.SetOnOverwrite([](TObject*, const String&, TModalResult& r) { r = mrYes; });
//   if (d.Execute()) save(d.FileName());   // a name ending in ".txt"
#pragma once

#include <cstdint>
#include <functional>

#include "platform/commondialog.h"
#include "platform/hoststring.h"
#include "platform/savedialog.h"

namespace ZYL_filesys {

using zyl::String;
using zyl::TModalResult;
using zyl::TObject;

using TOnFileSelectEvent =
    std::function<void(TObject* Sender, const String& Parameters, TModalResult& UserAction, String& SelectedFileName)>;
using TOnFileCheckEvent = std::function<void(TObject* Sender, const String& FileName, bool& FileDoesExist)>;
using TOnOverwriteEvent = std::function<void(TObject* Sender, const String& FileName, TModalResult& OverwriteReply)>;
using TOnForbiddenDirEvent = std::function<void(TObject* Sender, const String& Path, TModalResult& ForbiddenDirReply)>;

class ZYL_API TUnivSaveDialog : public zyl::TCommonDialog {
 public:
  explicit TUnivSaveDialog(zyl::TComponent* AOwner);

  // True when a file name was chosen and accepted; it is then in FileName.
  // Raises EZYLFileSysError "Component "<Name>": ..." when the standard
  // dialog fails ("Error in standard dialog (errnum = $XXXX)."), when the own
  // dialog or the overwrite handler is missing, or on an invalid overwrite
  // reply; the fields keep what was assigned before the error.
  bool Execute() override;

  // True when Path, lower-cased, starts with ForbiddenDir lower-cased (a
  // plain prefix test: ForbiddenDir c:\data forbids c:\database\ too); false
  // for an empty Path or an empty ForbiddenDir.
  bool IsForbiddenDir(const String& Path) const;

  // The type-change handler of the standard dialog: the typed name gets the
  // extension of the newly chosen file type (mask "*.txt" => ".txt"; "*.*"
  // leaves it).
  void SaveDiagTypeChange(zyl::platform::SaveDialogView& Dialog);

  // The value of a parameter of Parameters (any case), empty when absent.
  String ExtractParamAsString(const String& ParName) const;
  // The value read as an integer: blanks, one sign, decimal digits up to the
  // first other character ("12px" => 12; no digits => 0; no overflow check).
  // Raises "<ParName> is not specified in property Parameters" when empty.
  std::int32_t ExtractParamAsInt(const String& ParName) const;
  // The value read as a floating-point number ("." or "," as separator,
  // exponent allowed; "2,5" => 2.5; malformed => 0.0; a value ending in an
  // exponent letter reads as the number before it). Raises as above.
  double ExtractParamAsDouble(const String& ParName) const;

  const String& Parameters() const { return FParams; }
  void SetParameters(const String& Value) { FParams = Value; }
  const String& FileName() const { return FFileName; }
  void SetFileName(const String& Value) { FFileName = Value; }
  std::intptr_t ParentWnd() const { return FParentWnd; }
  void SetParentWnd(std::intptr_t Value) { FParentWnd = Value; }
  bool UseStandardDialog() const { return FUseStdDiag; }
  void SetUseStandardDialog(bool Value) { FUseStdDiag = Value; }
  int FilterIndex() const { return FFilterIndex; }
  void SetFilterIndex(int Value) { FFilterIndex = Value; }
  const String& ForbiddenDir() const { return FForbiddenDir; }
  void SetForbiddenDir(const String& Value) { FForbiddenDir = Value; }
  const TOnFileSelectEvent& OnFileSelect() const { return FOnFileSelect; }
  void SetOnFileSelect(TOnFileSelectEvent Value) { FOnFileSelect = std::move(Value); }
  const TOnFileCheckEvent& OnFileCheck() const { return FOnFileCheck; }
  void SetOnFileCheck(TOnFileCheckEvent Value) { FOnFileCheck = std::move(Value); }
  const TOnOverwriteEvent& OnOverwrite() const { return FOnOverwrite; }
  void SetOnOverwrite(TOnOverwriteEvent Value) { FOnOverwrite = std::move(Value); }
  const TOnForbiddenDirEvent& OnForbiddenDir() const { return FOnForbiddenDir; }
  void SetOnForbiddenDir(TOnForbiddenDirEvent Value) { FOnForbiddenDir = std::move(Value); }

 private:
  enum class Decision : std::uint8_t { Accept, Refuse, AskAgain };
  TModalResult choose_name();
  TModalResult show_standard_dialog();
  Decision check_overwrite();
  [[noreturn]] void fail(const String& Text) const;
  String required_param(const String& ParName) const;

  String FParams;
  String FFileName;
  std::intptr_t FParentWnd = 0;
  TOnFileSelectEvent FOnFileSelect;
  TOnFileCheckEvent FOnFileCheck;
  TOnOverwriteEvent FOnOverwrite;
  TOnForbiddenDirEvent FOnForbiddenDir;
  bool FUseStdDiag = true;
  int FFilterIndex = 1;
  String FForbiddenDir;
};

}  // namespace ZYL_filesys
