// Library: zyl / Package: ZYL_filesys / Module: sysinfo
#include "ZYL_filesys/sysinfo.h"

#include <cstdio>
#include <vector>

#include "platform/casemap.h"
#include "platform/exceptions.h"
#include "platform/file.h"
#include "platform/os.h"
#include "platform/progassoc.h"
#include "platform/securerandom.h"
#include "platform/sysinfo.h"

namespace ZYL_filesys {
namespace {

namespace platform = zyl::platform;

constexpr int kLastDrive = 25;
// Names tried for the probe file before the directory counts as read-only;
// a clash of two 64-bit random names is next to impossible, so more than
// one attempt only guards against a name planted by guessing.
constexpr int kProbeTries = 4;
constexpr char16_t kPathDelimiter = platform::kOsFamily == platform::OsFamily::Windows ? u'\\' : u'/';

String with_trailing_delimiter(const String& Dir) {
  if (Dir.empty() || Dir.back() == u'\\' || Dir.back() == u'/') return Dir;
  return Dir + kPathDelimiter;
}

// A probe name nobody can predict, so nobody can plant a link under it.
String probe_name() {
  char name[32];
  std::snprintf(name, sizeof name, ".zyl-probe-%016llx.tmp",
                static_cast<unsigned long long>(platform::secure_random64()));
  return zyl::from_ascii(name);
}

// Creates and removes a probe file in Dir: 0 when both work, 1 when it
// cannot be created, 2 when it was created but could not be closed or removed.
// The probe is created exclusively (never an existing entry, never through a
// link), so whatever else the directory holds is left untouched.
int probe_writable(const String& Dir, int& Error) {
  String probe;
  platform::FileHandle f;
  for (int attempt = 0; attempt < kProbeTries && !f.valid(); ++attempt) {
    probe = with_trailing_delimiter(Dir) + probe_name();
    f = platform::open_file(probe, platform::FileAccess::Write, platform::FileDisposition::CreateNew, 0, Error);
  }
  if (!f.valid()) return 1;
  Error = f.close();
  if (Error != 0) return 2;
  return platform::delete_file(probe, Error) ? 0 : 2;
}

}  // namespace

int GetMacAddress(int AdapterKind, String& Address) {
  Address = u"00-00-00-00-00-00";
  if (AdapterKind != 1 && AdapterKind != 2) return -1;
  std::vector<std::uint8_t> bytes;
  const int status = platform::adapter_address(static_cast<platform::AdapterKind>(AdapterKind), bytes);
  if (status != 0 || bytes.empty()) return status;
  String text;
  for (const std::uint8_t b : bytes) {
    char digits[3];
    std::snprintf(digits, sizeof digits, "%.2X", b);
    if (!text.empty()) text += u'-';
    text += zyl::from_ascii(digits);
  }
  Address = text;
  return 0;
}

bool GetMemoryStatus(std::int64_t& Total, std::int64_t& Available) {
  Total = 0;
  Available = 0;
  std::uint64_t total = 0, available = 0;
  if (!platform::memory_status(total, available)) return false;
  Total = static_cast<std::int64_t>(total);
  Available = static_cast<std::int64_t>(available);
  return true;
}

double DiskFreeExtended(std::uint8_t Drive) {
  if (Drive > kLastDrive) return -1;
  const String root = platform::drive_root(Drive);
  std::uint64_t free = 0;
  if (root.empty() || !platform::disk_free_bytes(root, free)) return -1;
  return static_cast<double>(free);
}

bool DirIsReadOnly(const String& Dir) {
  int error = 0;
  switch (probe_writable(Dir, error)) {
    case 0: return false;
    case 1: return true;
    default:
      throw zyl::EInOutError(u"Cannot remove the probe file in \"" + Dir + u"\": " + platform::error_message(error),
                             error);
  }
}

bool DiskIsReadOnly(std::uint8_t Drive) {
  if (Drive > kLastDrive) return true;
  const String root = platform::drive_root(Drive);
  int error = 0;
  return root.empty() || probe_writable(root, error) != 0;
}

int GetDiskDriveType(std::uint8_t Drive) { return Drive > kLastDrive ? 0 : platform::drive_type(Drive); }

void BuildDriveList(zyl::TStrings& List) {
  List.Clear();
  const std::uint32_t drives = platform::logical_drives();
  for (int d = 0; d <= kLastDrive; ++d)
    if ((drives >> d & 1u) != 0) List.Add(String{static_cast<char16_t>(u'A' + d), u':'});
}

String GetEnviroVar(const String& Name) {
  const String wanted = zyl::UpperCase(Name);
  for (const String& entry : platform::environment_entries()) {
    if (entry.size() > Name.size() && entry[Name.size()] == u'=' &&
        zyl::UpperCase(std::u16string_view(entry).substr(0, Name.size())) == wanted)
      return entry.substr(Name.size() + 1);
  }
  return String();
}

String GetSystemDir() { return platform::system_directory(); }

String GetWindowsDir() { return platform::windows_directory(); }

String GetTempDir() { return platform::temp_directory(); }

String GetProgAssoc(const String& Ext) { return platform::program_association(Ext); }

}  // namespace ZYL_filesys
