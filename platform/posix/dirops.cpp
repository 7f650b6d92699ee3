// Library: zyl / Package: platform / Module: dirops (POSIX backend)
#include "platform/dirops.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "platform/posix/attributes.h"
#include "platform/posix/osname.h"

namespace zyl::platform {
namespace {

using posix::to_os_name;

// Runs Call on the OS form of Name; false and errno when it fails.
template <typename Call>
bool on_name(const String& Name, int& Error, Call call) {
  std::string path;
  if (!to_os_name(Name, path, Error)) return false;
  if (call(path.c_str()) != 0) {
    Error = errno;
    return false;
  }
  return true;
}

}  // namespace

bool get_attributes(const String& Name, std::int32_t& Attr, int& Error) {
  std::string path;
  if (!to_os_name(Name, path, Error)) return false;
  std::string last = path;
  while (last.size() > 1 && last.back() == '/') last.pop_back();
  last = last.substr(last.rfind('/') == std::string::npos ? 0 : last.rfind('/') + 1);
  std::int64_t size = 0;
  if (!posix::entry_attributes(AT_FDCWD, path, last, Attr, size)) {
    Error = errno;
    return false;
  }
  return true;
}

bool create_directory(const String& Name, int& Error) {
  return on_name(Name, Error, [](const char* p) { return ::mkdir(p, 0777); });
}

bool remove_directory(const String& Name, int& Error) {
  return on_name(Name, Error, [](const char* p) { return ::rmdir(p); });
}

bool remove_link(const String& Name, int& Error) {
  return on_name(Name, Error, [](const char* p) { return ::unlink(p); });
}

bool create_link(const String& Target, const String& Name, int& Error) {
  std::string target;
  if (!to_os_name(Target, target, Error)) return false;
  return on_name(Name, Error, [&](const char* p) { return ::symlink(target.c_str(), p); });
}

bool same_entry(const String& A, const String& B) {
  std::string a, b;
  int ignored = 0;
  struct stat sa, sb;
  return to_os_name(A, a, ignored) && to_os_name(B, b, ignored) && ::stat(a.c_str(), &sa) == 0 &&
         ::stat(b.c_str(), &sb) == 0 && sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
}

bool copy_attributes(const FileHandle& Source, const String& Dest, int& Error) {
  std::string dest;
  if (!to_os_name(Dest, dest, Error)) return false;
  struct stat st;
  if (::fstat(static_cast<int>(Source.native()), &st) != 0 || ::chmod(dest.c_str(), (st.st_mode & 07777) | S_IWUSR) != 0) {
    Error = errno;
    return false;
  }
  return true;
}

}  // namespace zyl::platform
