// Library: zyl / Package: platform / Module: savedialog
#include "platform/savedialog.h"

#include <mutex>

namespace zyl::platform {
namespace {

std::mutex& backend_mutex() {
  static std::mutex m;
  return m;
}

std::unique_ptr<SaveDialogBackend>& installed_backend() {
  static std::unique_ptr<SaveDialogBackend> b;
  return b;
}

std::function<void(SaveDialogView&)>& driver() {
  static std::function<void(SaveDialogView&)> d;
  return d;
}

// The scripted dialog's state while it "shows".
class ScriptedView : public SaveDialogView {
 public:
  ScriptedView(const SaveDialogOptions& O) : FOptions(O), FTyped(O.FileName), FType(O.TypeIndex) {}
  int TypeIndex() const override { return FType; }
  String TypeMask(int Index) const override {
    return Index >= 1 && Index <= static_cast<int>(FOptions.FileTypes.size())
               ? FOptions.FileTypes[static_cast<std::size_t>(Index - 1)].second
               : String();
  }
  String TypedName() const override { return FTyped; }
  String FileName() const override { return FOptions.FileName; }
  void SetTypedName(const String& Name) override { FTyped = Name; }
  void SelectType(int Index) override {
    FType = Index;
    if (FOptions.OnTypeChange) FOptions.OnTypeChange(*this);
  }
  void Close(bool Confirm) override { FConfirmed = Confirm; }
  bool Confirmed() const { return FConfirmed; }

 private:
  const SaveDialogOptions& FOptions;
  String FTyped;
  int FType;
  bool FConfirmed = false;
};

}  // namespace

SaveDialogBackend& save_dialog_backend() {
  const std::lock_guard<std::mutex> lock(backend_mutex());
  std::unique_ptr<SaveDialogBackend>& b = installed_backend();
  if (!b) b = make_system_save_dialog();
  return *b;
}

std::unique_ptr<SaveDialogBackend> set_save_dialog_backend(std::unique_ptr<SaveDialogBackend> Backend) {
  const std::lock_guard<std::mutex> lock(backend_mutex());
  std::unique_ptr<SaveDialogBackend> previous = std::move(installed_backend());
  installed_backend() = std::move(Backend);
  return previous;
}

void set_save_dialog_test_driver(std::function<void(SaveDialogView&)> Driver) { driver() = std::move(Driver); }

const std::function<void(SaveDialogView&)>& detail::save_dialog_test_driver() { return driver(); }

SaveDialogOutcome ScriptedSaveDialog::Show(const SaveDialogOptions& Options) {
  FShown.push_back(Options);
  SaveDialogOutcome outcome;
  outcome.FileName = Options.FileName;
  outcome.TypeIndex = Options.TypeIndex;
  if (FReplies.empty()) return outcome;
  const Reply reply = std::move(FReplies.front());
  FReplies.pop_front();
  if (reply.Act == Reply::Action::Fail) {
    outcome.ErrorCode = reply.ErrorCode;
    return outcome;
  }
  ScriptedView view(Options);
  if (!reply.Typed.empty()) view.SetTypedName(reply.Typed);
  for (const int type : reply.TypeChanges) view.SelectType(type);
  view.Close(reply.Act == Reply::Action::Save);
  outcome.Confirmed = view.Confirmed();
  outcome.TypeIndex = view.TypeIndex();
  if (outcome.Confirmed) outcome.FileName = view.TypedName();
  return outcome;
}

}  // namespace zyl::platform
