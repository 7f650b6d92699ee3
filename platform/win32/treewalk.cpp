// Library: zyl / Package: platform / Module: treewalk (Win32 backend)
//
// Every directory is an open handle (FILE_FLAG_OPEN_REPARSE_POINT, so a link
// is opened as itself, never as its target); entries are opened relative to
// their directory's handle (NtCreateFile with a root directory, the
// system's openat), checked against the volume and file index listed, and
// deleted through the handle so checked (FileDispositionInfo). Listing goes
// through the directory's handle too (GetFileInformationByHandleEx).
#include "platform/treewalk.h"

#include <winternl.h>

#include <algorithm>
#include <vector>

#include "platform/win32/win.h"

namespace zyl::platform {

struct WalkDir::State {
  win::ScopedFileHandle Handle;
  String Path;
  NodeId Id;
  std::wstring Final;      // its path on its volume (comparable_final)
  bool NamedRoot = false;  // the resolved name given was a volume's root
};

namespace {

using win::kMaxWidePath;
using win::last_error;

// ERROR_STOPPED_ON_SYMLINK, which not every SDK's headers define.
constexpr int kStoppedOnLink = 681;

constexpr ULONG kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
constexpr DWORD kListAccess = FILE_LIST_DIRECTORY | FILE_READ_ATTRIBUTES | SYNCHRONIZE;

bool is_separator(wchar_t C) { return C == L'\\' || C == L'/'; }

std::wstring with_backslash(std::wstring Path) {
  if (Path.empty() || !is_separator(Path.back())) Path.push_back(L'\\');
  return Path;
}

String with_delimiter(const String& Path) {
  if (Path.empty() || Path.back() == u'\\' || Path.back() == u'/') return Path;
  return Path + u'\\';
}

// "\\?\C:\x" and "\\.\C:\x" as "C:\x"; "\\?\UNC\srv\share" as "\\srv\share".
std::wstring without_prefix(const std::wstring& Path) {
  if (Path.rfind(L"\\\\?\\UNC\\", 0) == 0) return L"\\\\" + Path.substr(8);
  if (Path.rfind(L"\\\\?\\", 0) == 0 || Path.rfind(L"\\\\.\\", 0) == 0) return Path.substr(4);
  return Path;
}

// True when Path (absolute, any prefix) is the root of its volume: the
// volume path the system gives for it is the path itself.
bool is_volume_root(const std::wstring& Path) {
  const std::wstring plain = with_backslash(without_prefix(Path));
  if (plain.size() == 3 && plain[1] == L':') return true;
  std::wstring volume(plain.size() + MAX_PATH, L'\0');
  if (!::GetVolumePathNameW(plain.c_str(), volume.data(), static_cast<DWORD>(volume.size()))) return false;
  volume.resize(std::wcslen(volume.c_str()));
  volume = with_backslash(volume);
  return ::CompareStringOrdinal(volume.c_str(), static_cast<int>(volume.size()), plain.c_str(),
                                static_cast<int>(plain.size()), TRUE) == CSTR_EQUAL;
}

std::wstring full_path(const std::wstring& Path) {
  const DWORD needed = ::GetFullPathNameW(Path.c_str(), 0, nullptr, nullptr);
  if (needed == 0) return std::wstring();
  std::wstring full(needed, L'\0');
  const DWORD n = ::GetFullPathNameW(Path.c_str(), needed, full.data(), nullptr);
  if (n == 0 || n >= needed) return std::wstring();
  full.resize(n);
  return full;
}

// The path the system gives for an open handle ("\\?\C:\x"), or empty.
std::wstring final_path(HANDLE H) {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD n = ::GetFinalPathNameByHandleW(H, path.data(), static_cast<DWORD>(path.size()),
                                                FILE_NAME_NORMALIZED | VOLUME_NAME_DOS);
    if (n == 0) return std::wstring();
    if (n < path.size()) {
      path.resize(n);
      return path;
    }
    path.resize(n + 1);
  }
}

// The handle's path on its volume ("\\dir\\name"; empty for the root or when
// the system does not say), as the paths of two handles are compared.
std::wstring comparable_final(HANDLE H) {
  std::vector<std::uint32_t> buffer(1 + MAX_PATH / 2);  // most names; the longest on a second try
  auto* info = reinterpret_cast<FILE_NAME_INFO*>(buffer.data());
  if (!::GetFileInformationByHandleEx(H, FileNameInfo, info, static_cast<DWORD>(buffer.size() * 4))) {
    if (::GetLastError() != ERROR_MORE_DATA) return L"?";
    buffer.resize(1 + (kMaxWidePath * sizeof(wchar_t) + 3) / 4);
    info = reinterpret_cast<FILE_NAME_INFO*>(buffer.data());
    if (!::GetFileInformationByHandleEx(H, FileNameInfo, info, static_cast<DWORD>(buffer.size() * 4))) return L"?";
  }
  std::wstring path(info->FileName, info->FileNameLength / sizeof(wchar_t));
  while (!path.empty() && is_separator(path.back())) path.pop_back();
  return path;
}

bool same_path(const std::wstring& A, const std::wstring& B) {
  return ::CompareStringOrdinal(A.c_str(), static_cast<int>(A.size()), B.c_str(), static_cast<int>(B.size()), TRUE) ==
         CSTR_EQUAL;
}

// Wine opens a POSIX symbolic link as its target even with
// FILE_OPEN_REPARSE_POINT, and lists a link to a file as a plain file (whose
// deletion then deletes the target): what was opened must be Name itself in
// the directory whose path on the volume is DirFinal. Unchecked where the
// system gives no path for the directory ("?").
bool is_entry_itself(const std::wstring& DirFinal, const String& Name, HANDLE Opened) {
  return DirFinal == L"?" || same_path(comparable_final(Opened), DirFinal + L"\\" + win::widen(Name));
}

bool handle_info(HANDLE H, BY_HANDLE_FILE_INFORMATION& Info, int& Error) {
  if (::GetFileInformationByHandle(H, &Info)) return true;
  Error = last_error();
  return false;
}

NodeId id_of(const BY_HANDLE_FILE_INFORMATION& Info) {
  return NodeId{Info.dwVolumeSerialNumber, win::join64(Info.nFileIndexHigh, Info.nFileIndexLow)};
}

// Opens Name relative to the directory Parent, never following a link;
// CaseInsensitive false matches the exact spelling only.
win::ScopedFileHandle open_relative(HANDLE Parent, const String& Name, ACCESS_MASK Access, ULONG Share,
                                    ULONG Options, int& Error, ULONG Disposition = FILE_OPEN,
                                    bool CaseInsensitive = true) {
  std::wstring name = win::widen(Name);
  UNICODE_STRING us;
  us.Buffer = name.data();
  us.Length = static_cast<USHORT>(name.size() * sizeof(wchar_t));
  us.MaximumLength = us.Length;
  OBJECT_ATTRIBUTES attributes;
  InitializeObjectAttributes(&attributes, &us, CaseInsensitive ? OBJ_CASE_INSENSITIVE : 0, Parent, nullptr);
  IO_STATUS_BLOCK io{};
  HANDLE h = INVALID_HANDLE_VALUE;
  const NTSTATUS status =
      ::NtCreateFile(&h, Access | SYNCHRONIZE, &attributes, &io, nullptr, FILE_ATTRIBUTE_NORMAL, Share, Disposition,
                     Options | FILE_OPEN_REPARSE_POINT | FILE_SYNCHRONOUS_IO_NONALERT | FILE_OPEN_FOR_BACKUP_INTENT,
                     nullptr, 0);
  if (status < 0) {
    Error = static_cast<int>(::RtlNtStatusToDosError(status));
    return win::ScopedFileHandle();
  }
  return win::ScopedFileHandle(h);
}

// Opens the listed Entry of Parent and checks that it is still what was
// listed: the same file index, and no reparse point unless one was listed.
win::ScopedFileHandle open_checked(const WalkDir::State& Parent, const DirEntry& Entry, ACCESS_MASK Access,
                                   ULONG Share, ULONG Options, BY_HANDLE_FILE_INFORMATION& Info, int& Error) {
  win::ScopedFileHandle h = open_relative(Parent.Handle.get(), Entry.Name, Access, Share, Options, Error);
  if (!h.valid() || !handle_info(h.get(), Info, Error)) return win::ScopedFileHandle();
  const bool link = (Info.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
  if (id_of(Info) != NodeId{Parent.Id.Volume, Entry.Id.Index} || link != (Entry.Type == NodeType::Link)) {
    Error = link ? kStoppedOnLink : ERROR_FILE_INVALID;
    return win::ScopedFileHandle();
  }
  if (!is_entry_itself(Parent.Final, Entry.Name, h.get())) {
    Error = kStoppedOnLink;
    return win::ScopedFileHandle();
  }
  return h;
}

NodeType type_of(DWORD Attributes) {
  if ((Attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0) return NodeType::Link;
  if ((Attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) return NodeType::Directory;
  if ((Attributes & FILE_ATTRIBUTE_DEVICE) != 0) return NodeType::Special;
  return NodeType::File;
}

}  // namespace

WalkDir::WalkDir() = default;
WalkDir::~WalkDir() = default;
WalkDir::WalkDir(WalkDir&&) noexcept = default;
WalkDir& WalkDir::operator=(WalkDir&&) noexcept = default;
WalkDir::WalkDir(std::unique_ptr<State> S) : FState(std::move(S)) {}

bool WalkDir::valid() const noexcept { return FState && FState->Handle.valid(); }
const String& WalkDir::path() const noexcept { return FState->Path; }
NodeId WalkDir::id() const noexcept { return FState->Id; }

WalkDir WalkDir::open(const String& Path, bool FollowLink, int& Error) {
  std::wstring given = win::widen(Path.empty() ? String(u".") : Path);
  for (wchar_t& c : given)
    if (c == L'/') c = L'\\';
  if (given.find(L'\0') != std::wstring::npos) {
    Error = ERROR_INVALID_NAME;
    return WalkDir();
  }
  // What is checked and what is opened is this one resolved name: "Y:" is
  // the current directory of drive Y, "\\?\Y:\" and "\\.\Y:\" its root.
  const std::wstring full = full_path(given);
  DWORD refused = ERROR_SUCCESS;
  const std::wstring api = full.empty() ? std::wstring() : win::widen_path(win::narrow(full), refused);
  if (api.empty()) {
    Error = refused != ERROR_SUCCESS ? static_cast<int>(refused) : ERROR_INVALID_NAME;
    return WalkDir();
  }
  auto s = std::make_unique<State>();
  const bool drive_relative = given.size() >= 2 && given[1] == L':' && (given.size() == 2 || !is_separator(given[2]));
  s->Path = with_delimiter(drive_relative ? win::narrow(full) : Path);
  s->NamedRoot = is_volume_root(full);
  const DWORD kFlags = FILE_FLAG_BACKUP_SEMANTICS | (FollowLink ? 0 : FILE_FLAG_OPEN_REPARSE_POINT);
  s->Handle.reset(::CreateFileW(api.c_str(), kListAccess | DELETE, kShareAll, nullptr, OPEN_EXISTING, kFlags, nullptr));
  if (!s->Handle.valid() && ::GetLastError() == ERROR_ACCESS_DENIED)  // may list but not delete
    s->Handle.reset(::CreateFileW(api.c_str(), kListAccess, kShareAll, nullptr, OPEN_EXISTING, kFlags, nullptr));
  if (!s->Handle.valid()) {
    Error = last_error();
    return WalkDir();
  }
  BY_HANDLE_FILE_INFORMATION info;
  if (!handle_info(s->Handle.get(), info, Error)) return WalkDir();
  if ((info.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0) {
    Error = kStoppedOnLink;
    return WalkDir();
  }
  if ((info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
    Error = ERROR_DIRECTORY;
    return WalkDir();
  }
  s->Id = id_of(info);
  s->Final = comparable_final(s->Handle.get());
  // Wine opens a POSIX symbolic link as its target (see is_entry_itself);
  // its attributes still name it a reparse point.
  const DWORD named = FollowLink ? INVALID_FILE_ATTRIBUTES : ::GetFileAttributesW(api.c_str());
  if (named != INVALID_FILE_ATTRIBUTES && (named & FILE_ATTRIBUTE_REPARSE_POINT) != 0) {
    Error = kStoppedOnLink;
    return WalkDir();
  }
  return WalkDir(std::move(s));
}

bool WalkDir::is_root() const {
  if (FState->NamedRoot) return true;
  const std::wstring final = final_path(FState->Handle.get());
  if (final.empty() || is_volume_root(final)) return true;  // unknown counts as a root: refused
  // By identity too: the root directory of the volume it lies on.
  const std::wstring plain = with_backslash(without_prefix(final));
  std::wstring volume(plain.size() + MAX_PATH, L'\0');
  if (!::GetVolumePathNameW(plain.c_str(), volume.data(), static_cast<DWORD>(volume.size()))) return false;
  win::ScopedFileHandle root(::CreateFileW(volume.c_str(), FILE_READ_ATTRIBUTES, kShareAll, nullptr, OPEN_EXISTING,
                                           FILE_FLAG_BACKUP_SEMANTICS, nullptr));
  BY_HANDLE_FILE_INFORMATION info;
  int ignored = 0;
  return root.valid() && handle_info(root.get(), info, ignored) && id_of(info) == FState->Id;
}

bool WalkDir::list(std::vector<DirEntry>& Entries, int& Error, ListDetail) const {
  // The listing itself gives every detail.
  Entries.clear();
  std::vector<std::uint64_t> buffer(64 * 1024 / sizeof(std::uint64_t));  // 8-byte aligned records
  const DWORD bytes = static_cast<DWORD>(buffer.size() * sizeof(std::uint64_t));
  for (bool first = true;; first = false) {
    if (!::GetFileInformationByHandleEx(FState->Handle.get(),
                                        first ? FileIdBothDirectoryRestartInfo : FileIdBothDirectoryInfo,
                                        buffer.data(), bytes)) {
      if (::GetLastError() == ERROR_NO_MORE_FILES) return true;
      Error = last_error();
      return false;
    }
    const auto* at = reinterpret_cast<const unsigned char*>(buffer.data());
    for (;;) {
      const auto* info = reinterpret_cast<const FILE_ID_BOTH_DIR_INFO*>(at);
      const String name(reinterpret_cast<const char16_t*>(info->FileName), info->FileNameLength / sizeof(wchar_t));
      if (name != u"." && name != u"..") {
        DirEntry e;
        e.Name = name;
        e.Type = type_of(info->FileAttributes);
        e.Attr = static_cast<std::int32_t>(info->FileAttributes);
        e.Size = e.Type == NodeType::File ? info->EndOfFile.QuadPart : 0;
        e.Id = NodeId{FState->Id.Volume, static_cast<std::uint64_t>(info->FileId.QuadPart)};
        Entries.push_back(std::move(e));
      }
      if (info->NextEntryOffset == 0) break;
      at += info->NextEntryOffset;
    }
  }
}

WalkDir WalkDir::enter(const DirEntry& Entry, int& Error) const {
  if (Entry.Type != NodeType::Directory) {
    Error = Entry.Type == NodeType::Link ? kStoppedOnLink : ERROR_DIRECTORY;
    return WalkDir();
  }
  auto s = std::make_unique<State>();
  s->Path = FState->Path + Entry.Name + u'\\';
  detail::run_walk_hook(s->Path);
  BY_HANDLE_FILE_INFORMATION info;
  s->Handle = open_checked(*FState, Entry, kListAccess, kShareAll, FILE_DIRECTORY_FILE, info, Error);
  if (!s->Handle.valid()) return WalkDir();
  s->Id = id_of(info);
  s->Final = comparable_final(s->Handle.get());
  return WalkDir(std::move(s));
}

WalkDir WalkDir::make_dir(const String& Name, int& Error) const {
  auto s = std::make_unique<State>();
  s->Path = FState->Path + Name + u'\\';
  detail::run_walk_hook(s->Path);
  s->Handle = open_relative(FState->Handle.get(), Name, kListAccess, kShareAll, FILE_DIRECTORY_FILE, Error, FILE_OPEN_IF);
  if (!s->Handle.valid()) return WalkDir();
  const HANDLE h = s->Handle.get();
  BY_HANDLE_FILE_INFORMATION info;
  if (!handle_info(h, info, Error)) return WalkDir();
  if ((info.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0 || !is_entry_itself(FState->Final, Name, h)) {
    Error = kStoppedOnLink;
    return WalkDir();
  }
  s->Id = id_of(info);
  s->Final = comparable_final(h);
  return WalkDir(std::move(s));
}

FileHandle WalkDir::open_file(const DirEntry& Entry, int& Error) const {
  if (Entry.Type != NodeType::File) {
    Error = Entry.Type == NodeType::Link ? kStoppedOnLink : kErrorNotRegularFile;
    return FileHandle();
  }
  detail::run_walk_hook(FState->Path + Entry.Name);
  BY_HANDLE_FILE_INFORMATION info;
  // Others may read but not write while it is copied.
  win::ScopedFileHandle h = open_checked(*FState, Entry, GENERIC_READ, FILE_SHARE_READ,
                                         FILE_NON_DIRECTORY_FILE | FILE_SEQUENTIAL_ONLY, info, Error);
  if (!h.valid()) return FileHandle();
  if (::GetFileType(h.get()) != FILE_TYPE_DISK) {
    Error = kErrorNotRegularFile;
    return FileHandle();
  }
  return FileHandle(reinterpret_cast<std::intptr_t>(h.release()));
}

bool WalkDir::remove(const DirEntry& Entry, int& Error) const {
  const ULONG options = Entry.Type == NodeType::Directory ? FILE_DIRECTORY_FILE
                        : Entry.Type == NodeType::Link    ? 0
                                                          : FILE_NON_DIRECTORY_FILE;
  detail::run_walk_hook(FState->Path + Entry.Name);
  BY_HANDLE_FILE_INFORMATION info;
  win::ScopedFileHandle h = open_checked(*FState, Entry, DELETE | FILE_READ_ATTRIBUTES,
                                         kShareAll, options, info, Error);
  if (!h.valid()) return false;
  FILE_DISPOSITION_INFO disposition{TRUE};
  if (!::SetFileInformationByHandle(h.get(), FileDispositionInfo, &disposition, sizeof disposition)) {
    Error = last_error();
    return false;
  }
  return true;  // gone when the handle closes
}

namespace {

// Renames the open H to Name in the directory Dir, never replacing. The
// native call: the Win32 form takes the name as a path of its own.
bool rename_handle(HANDLE H, HANDLE Dir, const std::wstring& Name, int& Error) {
  std::vector<std::uint64_t> buffer(1 + (sizeof(FILE_RENAME_INFORMATION) + Name.size() * sizeof(wchar_t)) / 8);
  auto* info = reinterpret_cast<FILE_RENAME_INFORMATION*>(buffer.data());
  info->ReplaceIfExists = FALSE;
  info->RootDirectory = Dir;
  info->FileNameLength = static_cast<ULONG>(Name.size() * sizeof(wchar_t));
  std::copy(Name.begin(), Name.end(), info->FileName);
  IO_STATUS_BLOCK io{};
  const NTSTATUS status =
      ::NtSetInformationFile(H, &io, info, static_cast<ULONG>(buffer.size() * 8), FileRenameInformation);
  if (status >= 0) return true;
  Error = static_cast<int>(::RtlNtStatusToDosError(status));
  return false;
}

}  // namespace

bool WalkDir::rename_entry(const DirEntry& Entry, const String& NewName, int& Error) const {
  detail::run_walk_hook(FState->Path + Entry.Name);
  BY_HANDLE_FILE_INFORMATION info;
  const win::ScopedFileHandle h =
      open_checked(*FState, Entry, DELETE | FILE_READ_ATTRIBUTES, kShareAll, 0, info, Error);
  if (!h.valid()) return false;
  const std::wstring to = win::widen(NewName);
  if (!same_path(win::widen(Entry.Name), to)) return rename_handle(h.get(), FState->Handle.get(), to, Error);
  // A change of case. In a case-sensitive directory the new spelling may be
  // another file: refused before anything moves. Some implementations
  // report a single in-place rename as done and keep the old spelling, so
  // the entry moves to a temporary name and from there to the new spelling,
  // or back when that fails.
  BY_HANDLE_FILE_INFORMATION other;
  int ignored = 0;
  const win::ScopedFileHandle there =
      open_relative(FState->Handle.get(), NewName, FILE_READ_ATTRIBUTES, kShareAll, 0, ignored, FILE_OPEN, false);
  if (there.valid() && handle_info(there.get(), other, ignored) && id_of(other) != id_of(info)) {
    Error = ERROR_ALREADY_EXISTS;
    return false;
  }
  std::wstring temp;
  for (unsigned attempt = 0;; ++attempt) {
    temp = win::widen(Entry.Name) + L".~case" + std::to_wstring(::GetCurrentProcessId()) + L"-" +
           std::to_wstring(attempt);
    if (rename_handle(h.get(), FState->Handle.get(), temp, Error)) break;
    if ((Error != ERROR_ALREADY_EXISTS && Error != ERROR_FILE_EXISTS) || attempt == 100) return false;
  }
  if (rename_handle(h.get(), FState->Handle.get(), to, Error)) return true;
  rename_handle(h.get(), FState->Handle.get(), win::widen(Entry.Name), ignored);
  return false;
}

bool WalkDir::read_link(const DirEntry&, String&, int& Error) const {
  Error = ERROR_NOT_SUPPORTED;
  return false;
}

bool WalkDir::resolved_path(String& Path, int& Error) const {
  std::wstring final = final_path(FState->Handle.get());
  if (final.empty()) {
    Error = last_error();
    return false;
  }
  if (final.size() < MAX_PATH) final = without_prefix(final);
  Path = with_delimiter(win::narrow(final));
  return true;
}

bool WalkDir::remove_self(int& Error) {
  FILE_DISPOSITION_INFO disposition{TRUE};
  if (!::SetFileInformationByHandle(FState->Handle.get(), FileDispositionInfo, &disposition, sizeof disposition)) {
    Error = last_error();
    return false;
  }
  FState->Handle.reset();  // the directory goes when its last handle closes
  return true;
}

bool is_link_error(int Error) noexcept { return Error == kStoppedOnLink; }

bool is_missing_error(int Error) noexcept {
  return Error == ERROR_FILE_NOT_FOUND || Error == ERROR_PATH_NOT_FOUND || Error == ERROR_INVALID_NAME;
}

}  // namespace zyl::platform
