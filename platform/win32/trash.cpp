// Library: zyl / Package: platform / Module: trash (Win32 backend)
//
// The shell's file operation sends a file to the recycle bin when undo is
// allowed. Its source list is a sequence of names each ended by NUL, with
// one more NUL after the last; the list is built to the name's full length,
// so long names are passed whole.
#include "platform/trash.h"


#include "platform/win32/win.h"

namespace zyl::platform {

bool move_to_trash(const String& Name, int& Error) {
  std::wstring list = win::widen(Name);
  for (wchar_t& c : list)
    if (c == L'/') c = L'\\';
  if (list.empty() || list.find(L'\0') != std::wstring::npos) {
    Error = ERROR_INVALID_NAME;
    return false;
  }
  if (::GetFileAttributesW(win::widen_path(Name).c_str()) == INVALID_FILE_ATTRIBUTES) {
    Error = static_cast<int>(::GetLastError());
    return false;
  }
  list.push_back(L'\0');
  list.push_back(L'\0');
  SHFILEOPSTRUCTW op{};
  op.hwnd = nullptr;
  op.wFunc = FO_DELETE;
  op.pFrom = list.c_str();
  op.pTo = nullptr;
  op.fFlags = FOF_ALLOWUNDO | FOF_NOCONFIRMATION;
  op.lpszProgressTitle = nullptr;
  const int rc = ::SHFileOperationW(&op);
  if (rc != 0 || op.fAnyOperationsAborted) {
    Error = rc != 0 ? rc : static_cast<int>(ERROR_CANCELLED);
    return false;
  }
  return true;
}

}  // namespace zyl::platform
