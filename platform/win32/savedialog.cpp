// Library: zyl / Package: platform / Module: savedialog (Win32 backend: the common save dialog)
#include "platform/savedialog.h"

#include "platform/win32/win.h"
// Left out by WIN32_LEAN_AND_MEAN; must follow <windows.h>.
#include <commdlg.h>
#include <cderr.h>
#include <dlgs.h>

#include <string>

namespace zyl::platform {
namespace {

constexpr DWORD kFileBufferChars = 32768;
constexpr UINT_PTR kDriverTimer = 1;
constexpr UINT kDriverDelayMs = 300;

// The filter text of the dialog: name, NUL, mask, NUL, ..., NUL.
std::wstring filter_text(const SaveDialogOptions& O) {
  std::wstring text;
  for (const auto& [name, mask] : O.FileTypes) {
    text += win::widen(name);
    text += L'\0';
    text += win::widen(mask);
    text += L'\0';
  }
  text += L'\0';
  return text;
}

// The shown dialog as seen from its explorer-style hook (a child of the
// dialog window itself).
class CommonDialogView : public SaveDialogView {
 public:
  CommonDialogView(const SaveDialogOptions& O, OPENFILENAMEW& Ofn) : FOptions(O), FOfn(Ofn) {}
  void Attach(HWND Hook) { FDialog = ::GetParent(Hook); }
  bool WasShown() const { return FDialog != nullptr; }

  int TypeIndex() const override { return static_cast<int>(FOfn.nFilterIndex); }
  String TypeMask(int Index) const override {
    return Index >= 1 && Index <= static_cast<int>(FOptions.FileTypes.size())
               ? FOptions.FileTypes[static_cast<std::size_t>(Index - 1)].second
               : String();
  }
  String TypedName() const override {
    std::wstring text(kFileBufferChars, L'\0');
    const LRESULT n = ::SendMessageW(FDialog, CDM_GETSPEC, kFileBufferChars, reinterpret_cast<LPARAM>(text.data()));
    if (n <= 1) return String();
    text.resize(static_cast<std::size_t>(n - 1));
    return win::narrow(text);
  }
  String FileName() const override { return FOptions.FileName; }
  void SetTypedName(const String& Name) override {
    const std::wstring text = win::widen(Name);
    // Newer dialogs name the field cmb13, older ones edt1.
    for (const int id : {cmb13, edt1})
      ::SendMessageW(FDialog, CDM_SETCONTROLTEXT, id, reinterpret_cast<LPARAM>(text.c_str()));
  }
  void SelectType(int Index) override {
    const HWND combo = ::GetDlgItem(FDialog, cmb1);
    ::SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(Index - 1), 0);
    ::SendMessageW(FDialog, WM_COMMAND, MAKEWPARAM(cmb1, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
  }
  void Close(bool Confirm) override { ::PostMessageW(FDialog, WM_COMMAND, Confirm ? IDOK : IDCANCEL, 0); }

  void TypeChanged() {
    if (FOptions.OnTypeChange) FOptions.OnTypeChange(*this);
  }

 private:
  const SaveDialogOptions& FOptions;
  OPENFILENAMEW& FOfn;
  HWND FDialog = nullptr;
};

UINT_PTR CALLBACK hook_proc(HWND Hook, UINT Message, WPARAM WParam, LPARAM LParam) {
  if (Message == WM_INITDIALOG) {
    auto* view = reinterpret_cast<CommonDialogView*>(reinterpret_cast<OPENFILENAMEW*>(LParam)->lCustData);
    ::SetWindowLongPtrW(Hook, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(view));
    view->Attach(Hook);
    if (detail::save_dialog_test_driver()) ::SetTimer(Hook, kDriverTimer, kDriverDelayMs, nullptr);
    return 0;
  }
  auto* view = reinterpret_cast<CommonDialogView*>(::GetWindowLongPtrW(Hook, GWLP_USERDATA));
  if (view == nullptr) return 0;
  if (Message == WM_NOTIFY && reinterpret_cast<const NMHDR*>(LParam)->code == CDN_TYPECHANGE) view->TypeChanged();
  if (Message == WM_TIMER && WParam == kDriverTimer) {
    ::KillTimer(Hook, kDriverTimer);
    detail::save_dialog_test_driver()(*view);
  }
  return 0;
}

class CommonSaveDialog : public SaveDialogBackend {
 public:
  SaveDialogOutcome Show(const SaveDialogOptions& Options) override {
    const std::wstring filter = filter_text(Options);
    const std::wstring title = win::widen(Options.Title);
    const std::wstring folder = win::widen(Options.InitialDir);
    std::wstring file(kFileBufferChars, L'\0');
    const std::wstring start = win::widen(Options.FileName);
    file.replace(0, std::min<std::size_t>(start.size(), kFileBufferChars - 1), start);

    OPENFILENAMEW ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = reinterpret_cast<HWND>(Options.ParentWnd);
    ofn.lpstrFilter = Options.FileTypes.empty() ? nullptr : filter.c_str();
    ofn.nFilterIndex = static_cast<DWORD>(Options.TypeIndex);
    ofn.lpstrFile = file.data();
    ofn.nMaxFile = kFileBufferChars;
    ofn.lpstrInitialDir = folder.empty() ? nullptr : folder.c_str();
    ofn.lpstrTitle = title.empty() ? nullptr : title.c_str();
    ofn.Flags = OFN_EXPLORER | OFN_ENABLEHOOK | OFN_ENABLESIZING | OFN_HIDEREADONLY;
    ofn.lpfnHook = &hook_proc;
    CommonDialogView view(Options, ofn);
    ofn.lCustData = reinterpret_cast<LPARAM>(&view);

    SaveDialogOutcome outcome;
    outcome.Confirmed = ::GetSaveFileNameW(&ofn) != FALSE;
    outcome.ErrorCode = outcome.Confirmed ? 0 : static_cast<int>(::CommDlgExtendedError());
    // A dialog that never came up (no window station or display, as under
    // Wine without X) is a failure, not a cancel by the user.
    if (!outcome.Confirmed && outcome.ErrorCode == 0 && !view.WasShown()) outcome.ErrorCode = CDERR_DIALOGFAILURE;
    outcome.TypeIndex = static_cast<int>(ofn.nFilterIndex);
    outcome.FileName = outcome.Confirmed ? win::narrow(std::wstring(file.c_str())) : Options.FileName;
    return outcome;
  }
};

}  // namespace

std::unique_ptr<SaveDialogBackend> make_system_save_dialog() { return std::make_unique<CommonSaveDialog>(); }

}  // namespace zyl::platform
