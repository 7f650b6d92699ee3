// Library: zyl / Package: platform / Module: savedialog
//
// The system's modal "save as" dialog behind one interface, chosen at run
// time: the GTK 3 file chooser on Linux (loaded only when a dialog is shown,
// so programs that never show one need neither GTK nor a display), the common
// save dialog on Windows, or a backend the program installs (ScriptedSaveDialog
// answers from prepared replies, for tests).
//
// Failures are reported as the common-dialog error codes of Windows
// (CommDlgExtendedError); on Linux a missing GTK or display reports
// kDialogInitializationFailed.
//
// Example:
//   SaveDialogOptions o;
//   o.Title = u"Save report";
//   o.FileTypes = {{u"Text", u"*.txt"}, {u"All files", u"*.*"}};
//   SaveDialogOutcome r = save_dialog_backend().Show(o);
//   if (r.Confirmed) use(r.FileName);
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

#include "platform/hoststring.h"

namespace zyl::platform {

// The common-dialog error code of a dialog that could not be set up.
inline constexpr int kDialogInitializationFailed = 0x0002;

// The dialog while it is shown, as a type-change handler (or a test driving
// the dialog) sees it. File types are counted from 1.
class ZYL_API SaveDialogView {
 public:
  virtual ~SaveDialogView() = default;
  virtual int TypeIndex() const = 0;
  virtual String TypeMask(int Index) const = 0;
  // The name in the dialog's edit field as the dialog reports it (may be empty).
  virtual String TypedName() const = 0;
  // The dialog's file-name property (the name it was opened with until the
  // user confirms).
  virtual String FileName() const = 0;
  virtual void SetTypedName(const String& Name) = 0;
  // As if the user picked another file type (the type-change handler runs).
  virtual void SelectType(int Index) = 0;
  // As if the user pressed Save (true) or Cancel (false).
  virtual void Close(bool Confirm) = 0;
};

struct SaveDialogOptions {
  String Title;
  String InitialDir;
  String FileName;
  std::vector<std::pair<String, String>> FileTypes;  // display name, mask ("*.txt;*.text")
  int TypeIndex = 1;
  std::intptr_t ParentWnd = 0;
  std::function<void(SaveDialogView&)> OnTypeChange;
};

struct SaveDialogOutcome {
  bool Confirmed = false;
  int ErrorCode = 0;  // 0, or the common-dialog error code
  String FileName;    // the chosen name (the dialog's name when not confirmed)
  int TypeIndex = 1;
};

class ZYL_API SaveDialogBackend {
 public:
  virtual ~SaveDialogBackend() = default;
  virtual SaveDialogOutcome Show(const SaveDialogOptions& Options) = 0;
};

// The backend dialogs use: the one installed last, else the system's.
ZYL_API SaveDialogBackend& save_dialog_backend();
// Installs a backend (nullptr: the system's again); returns the one it replaces.
ZYL_API std::unique_ptr<SaveDialogBackend> set_save_dialog_backend(std::unique_ptr<SaveDialogBackend> Backend);
// The system's own dialog (GTK on Linux, the common dialog on Windows).
ZYL_API std::unique_ptr<SaveDialogBackend> make_system_save_dialog();

// Runs once while a system dialog is shown, on the dialog's own thread, so a
// test can drive the real dialog (type, switch types, confirm or cancel).
// An empty function removes it.
ZYL_API void set_save_dialog_test_driver(std::function<void(SaveDialogView&)> Driver);

// A backend answering from a queue of prepared replies, recording what each
// dialog was shown with. With the queue empty, a dialog is cancelled.
class ZYL_API ScriptedSaveDialog : public SaveDialogBackend {
 public:
  struct Reply {
    enum class Action { Save, Cancel, Fail } Act = Action::Save;
    String Typed;                  // typed into the name field first (empty: keep)
    std::vector<int> TypeChanges;  // file types picked one after another
    int ErrorCode = 0;             // with Action::Fail
  };

  void Push(Reply R) { FReplies.push_back(std::move(R)); }
  // The options of every dialog shown so far.
  const std::vector<SaveDialogOptions>& Shown() const { return FShown; }
  SaveDialogOutcome Show(const SaveDialogOptions& Options) override;

 private:
  std::deque<Reply> FReplies;
  std::vector<SaveDialogOptions> FShown;
};

namespace detail {
// The test driver, for the backends.
const std::function<void(SaveDialogView&)>& save_dialog_test_driver();
}  // namespace detail

}  // namespace zyl::platform
