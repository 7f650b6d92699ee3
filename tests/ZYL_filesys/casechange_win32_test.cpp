// A change of case where the new spelling is another file: a directory that
// is case-sensitive (as Wine's directories on a Linux file system are) can
// hold a.txt and A.TXT at once. The rename is refused, both files stay as
// they were, and no temporary name is left behind.
#include <filesystem>
#include <iterator>
#include <set>
#include <string>

#include <gtest/gtest.h>

#include "ZYL_filesys/pathondisk.h"
#include "platform/exceptions.h"
#include "platform/file.h"
#include "platform/win32/win.h"
#include "support/tempdir.h"

namespace ZYL_filesys {
namespace {

namespace fs = std::filesystem;
using zyl::test::read_file_bytes;
using zyl::test::TempDirTest;

// Creates Name with Bytes, matching the spelling exactly; false where the
// directory does not tell names apart by case.
bool create_exactly(const fs::path& Name, const std::string& Bytes) {
  const HANDLE h = ::CreateFileW(Name.wstring().c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                 FILE_ATTRIBUTE_NORMAL | FILE_FLAG_POSIX_SEMANTICS, nullptr);
  if (h == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  const bool ok = ::WriteFile(h, Bytes.data(), static_cast<DWORD>(Bytes.size()), &written, nullptr) != 0;
  ::CloseHandle(h);
  return ok;
}

// Under Wine, whose directories on a Linux file system are case-sensitive
// underneath: creates Name through the host's own shell, which Wine starts
// for a Unix program. False elsewhere.
bool create_through_host(const fs::path& Name, const std::string& Bytes) {
  using UnixName = char*(CDECL*)(LPCWSTR);
  const auto unix_name = reinterpret_cast<UnixName>(
      reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name")));
  if (unix_name == nullptr) return false;
  char* dir = unix_name(Name.parent_path().wstring().c_str());
  if (dir == nullptr) return false;
  const std::string target = std::string(dir) + "/" + Name.filename().string();
  ::HeapFree(::GetProcessHeap(), 0, dir);
  std::wstring command = L"/bin/sh -c \"printf " + std::wstring(Bytes.begin(), Bytes.end()) + L" > '" +
                         std::wstring(target.begin(), target.end()) + L"'\"";
  STARTUPINFOW si{};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi{};
  if (!::CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) return false;
  ::WaitForSingleObject(pi.hProcess, INFINITE);
  ::CloseHandle(pi.hThread);
  ::CloseHandle(pi.hProcess);
  // Wine reports no exit status for a Unix program and may return before it
  // ends: the file shows in the listing once the shell has made it.
  for (int tries = 0; tries < 600; ++tries) {
    if (std::distance(fs::directory_iterator(Name.parent_path()), fs::directory_iterator()) == 2) return true;
    ::Sleep(100);
  }
  return false;
}

std::set<std::wstring> names_in(const fs::path& Dir) {
  std::set<std::wstring> names;
  for (const auto& e : fs::directory_iterator(Dir)) names.insert(e.path().filename().wstring());
  return names;
}

TEST_F(TempDirTest, CaseChangeOntoAnotherFileIsRefusedAndLeavesNoTemporaryName) {
  const fs::path dir = tmp.path() / "d";
  fs::create_directory(dir);
  ASSERT_TRUE(create_exactly(dir / "a.txt", "lower"));
  if (!create_exactly(dir / "A.TXT", "upper") && !create_through_host(dir / "A.TXT", "upper"))
    GTEST_SKIP() << "this directory does not tell names apart by case";
  const std::set<std::wstring> before = names_in(dir);
  ASSERT_EQ(before.size(), 2u);

  int error = 0;
  EXPECT_FALSE(zyl::platform::rename_file(zyl::from_utf8((dir / "a.txt").string()),
                                          zyl::from_utf8((dir / "A.TXT").string()), error));
  EXPECT_NE(error, 0);
  EXPECT_EQ(names_in(dir), before) << "the rename through the file name";

  EXPECT_THROW(SetAllFilenameCase(zyl::from_utf8(dir.string()) + u"\\*.txt", true), zyl::EInOutError);
  EXPECT_EQ(names_in(dir), before) << "the rename through the open directory";
}

}  // namespace
}  // namespace ZYL_filesys
