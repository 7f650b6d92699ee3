// Library: zyl / Package: platform / Module: file (POSIX backend)
#include "platform/file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <algorithm>
#include <cstdio>
#include <cstring>

#include "platform/posix/osname.h"
#include "platform/posix/rename.h"

namespace zyl::platform {
namespace {

using posix::to_os_name;

int fd_of(const FileHandle& File) { return static_cast<int>(File.native()); }

// A single read()/write() is capped so counts stay within ssize_t on every
// platform and a huge request cannot starve progress reporting.
constexpr std::int64_t kMaxIo = 1 << 30;

}  // namespace

int FileHandle::close() noexcept {
  if (!valid()) return 0;
  const int rc = ::close(static_cast<int>(release()));
  return rc == 0 ? 0 : errno;
}

FileHandle open_file(const String& Name, FileAccess Access, FileDisposition Disposition,
                     std::uint16_t /*ShareMode*/, int& Error) {
  int flags = O_CLOEXEC;
  switch (Access) {
    case FileAccess::Read: flags |= O_RDONLY; break;
    case FileAccess::Write: flags |= O_WRONLY; break;
    case FileAccess::ReadWrite: flags |= O_RDWR; break;
  }
  if (Disposition == FileDisposition::CreateAlways) flags |= O_CREAT | O_TRUNC;
  if (Disposition == FileDisposition::CreateNew) flags |= O_CREAT | O_EXCL | O_NOFOLLOW;
  std::string path;
  if (!to_os_name(Name, path, Error)) return FileHandle();
  int fd;
  do {
    fd = ::open(path.c_str(), flags, 0666);
  } while (fd < 0 && errno == EINTR);
  if (fd < 0) {
    Error = errno;
    return FileHandle();
  }
  // A directory opens read-only on POSIX; as a file stream it is an error.
  struct stat st;
  if (::fstat(fd, &st) == 0 && S_ISDIR(st.st_mode)) {
    ::close(fd);
    Error = EISDIR;
    return FileHandle();
  }
  Error = 0;
  return FileHandle(fd);
}

FileHandle open_regular_file(const String& Name, std::uint16_t /*ShareMode*/, int& Error) {
  std::string path;
  if (!to_os_name(Name, path, Error)) return FileHandle();
  // Refused by its kind before it is opened at all where that is known;
  // the open itself does not wait for a FIFO's writer, and what was opened
  // is checked again, since the name may lead elsewhere by now.
  struct stat st;
  if (::stat(path.c_str(), &st) == 0 && !S_ISREG(st.st_mode)) {
    Error = kErrorNotRegularFile;
    return FileHandle();
  }
  int fd;
  do {
    fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  } while (fd < 0 && errno == EINTR);
  if (fd < 0) {
    Error = errno;
    return FileHandle();
  }
  FileHandle file(fd);
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    Error = kErrorNotRegularFile;
    return FileHandle();
  }
  const int flags = ::fcntl(fd, F_GETFL);
  if (flags < 0 || ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) != 0) {
    Error = errno;
    return FileHandle();
  }
  Error = 0;
  return file;
}

std::int64_t read_file(const FileHandle& File, void* Buffer, std::int64_t Count, int& Error) {
  auto* out = static_cast<char*>(Buffer);
  std::int64_t done = 0;
  while (done < Count) {
    const ssize_t n = ::read(fd_of(File), out + done, static_cast<size_t>(std::min(Count - done, kMaxIo)));
    if (n < 0) {
      if (errno == EINTR) continue;
      Error = errno;
      return done > 0 ? done : -1;
    }
    if (n == 0) break;
    done += n;
  }
  return done;
}

std::int64_t write_file(const FileHandle& File, const void* Buffer, std::int64_t Count, int& Error) {
  const auto* in = static_cast<const char*>(Buffer);
  std::int64_t done = 0;
  while (done < Count) {
    const ssize_t n = ::write(fd_of(File), in + done, static_cast<size_t>(std::min(Count - done, kMaxIo)));
    if (n < 0) {
      if (errno == EINTR) continue;
      Error = errno;
      return done > 0 ? done : -1;
    }
    done += n;
  }
  return done;
}

std::int64_t seek_file(const FileHandle& File, std::int64_t Offset, TSeekOrigin Origin, int& Error) {
  const int whence = Origin == TSeekOrigin::soBeginning ? SEEK_SET
                     : Origin == TSeekOrigin::soCurrent ? SEEK_CUR
                                                        : SEEK_END;
  const off_t pos = ::lseek(fd_of(File), static_cast<off_t>(Offset), whence);
  if (pos < 0) {
    Error = errno;
    return -1;
  }
  return pos;
}

std::int64_t file_size(const FileHandle& File, int& Error) {
  struct stat st;
  if (::fstat(fd_of(File), &st) != 0) {
    Error = errno;
    return -1;
  }
  return st.st_size;
}

bool resize_file(const FileHandle& File, std::int64_t Size, int& Error) {
  if (::ftruncate(fd_of(File), static_cast<off_t>(Size)) != 0) {
    Error = errno;
    return false;
  }
  return true;
}

bool delete_file(const String& Name, int& Error) {
  std::string path;
  if (!to_os_name(Name, path, Error)) return false;
  if (::unlink(path.c_str()) != 0) {
    Error = errno;
    return false;
  }
  return true;
}

namespace posix {

bool rename_at(int FromDir, const std::string& From, int ToDir, const std::string& To, int& Error) {
  // rename() silently replaces an existing target; ask the kernel not to.
  int rc = ::renameat2(FromDir, From.c_str(), ToDir, To.c_str(), RENAME_NOREPLACE);
  struct stat st;
  if (rc != 0 && (errno == EINVAL || errno == ENOSYS)) {
    // The file system cannot refuse replacing; check first (not atomic).
    if (::fstatat(ToDir, To.c_str(), &st, AT_SYMLINK_NOFOLLOW) == 0) {
      errno = EEXIST;
    } else {
      rc = ::renameat(FromDir, From.c_str(), ToDir, To.c_str());
    }
  }
  if (rc != 0 && errno == EEXIST) {
    // Another spelling of the same file (a case-insensitive file system).
    struct stat from;
    if (::fstatat(FromDir, From.c_str(), &from, 0) == 0 && ::fstatat(ToDir, To.c_str(), &st, 0) == 0 &&
        from.st_dev == st.st_dev && from.st_ino == st.st_ino)
      rc = ::renameat(FromDir, From.c_str(), ToDir, To.c_str());
    else
      errno = EEXIST;
  }
  if (rc != 0) {
    Error = errno;
    return false;
  }
  return true;
}

}  // namespace posix

bool rename_file(const String& OldName, const String& NewName, int& Error) {
  std::string from, to;
  if (!to_os_name(OldName, from, Error) || !to_os_name(NewName, to, Error)) return false;
  return posix::rename_at(AT_FDCWD, from, AT_FDCWD, to, Error);
}

String error_message(int Error) {
  if (Error == kErrorNotRegularFile) return u"not a regular file";
  return from_utf8(std::strerror(Error));
}

}  // namespace zyl::platform
