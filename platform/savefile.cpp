// Library: zyl / Package: platform / Module: savefile
#include "platform/savefile.h"

#include <string>

#include "platform/exceptions.h"
#include "platform/file.h"
#include "platform/savetarget.h"

namespace zyl::platform {
namespace {

using detail::SaveRoute;
using detail::SaveTarget;

constexpr int kErrWriteFault = 29;  // the host's run-time code for a failed write

[[noreturn]] void fail(const String& Name, int Error) {
  throw EInOutError(u"Cannot write \"" + Name + u"\": " + error_message(Error), Error);
}

// Writes all of Bytes at File's position; false and Error otherwise.
bool write_all(const FileHandle& File, std::string_view Bytes, int& Error) {
  const auto n = static_cast<std::int64_t>(Bytes.size());
  if (write_file(File, Bytes.data(), n, Error) == n) return true;
  if (Error == 0) Error = kErrWriteFault;
  return false;
}

// Makes File hold exactly Bytes, durably.
bool overwrite(const FileHandle& File, std::string_view Bytes, int& Error) {
  return seek_file(File, 0, TSeekOrigin::soBeginning, Error) == 0 && write_all(File, Bytes, Error) &&
         resize_file(File, static_cast<std::int64_t>(Bytes.size()), Error) &&
         detail::flush_to_disk(File, Error);
}

// The old contents of File, when they can be read, so that a failed rewrite
// can put them back.
bool read_all(const FileHandle& File, std::string& Bytes) {
  int error = 0;
  const std::int64_t size = file_size(File, error);
  if (size < 0 || static_cast<std::uint64_t>(size) > Bytes.max_size()) return false;
  Bytes.resize(static_cast<std::size_t>(size));
  return seek_file(File, 0, TSeekOrigin::soBeginning, error) == 0 &&
         read_file(File, Bytes.data(), size, error) == size;
}

// A device or pipe takes the bytes as they come.
bool write_stream(const SaveTarget& Target, std::string_view Bytes, int& Error) {
  FileHandle f = open_file(Target.Path, FileAccess::Write, FileDisposition::OpenExisting, 0, Error);
  if (!f.valid() || !write_all(f, Bytes, Error)) return false;
  Error = f.close();
  return Error == 0;
}

// A file with several names is rewritten through itself, so every name
// shows the new contents.
bool rewrite_in_place(const SaveTarget& Target, std::string_view Bytes, int& Error) {
  FileHandle f = open_file(Target.Path, FileAccess::ReadWrite, FileDisposition::OpenExisting, 0, Error);
  if (!f.valid()) return false;
  std::string old;
  const bool have_old = read_all(f, old);
  if (!overwrite(f, Bytes, Error)) {
    int ignored = 0;
    if (have_old) overwrite(f, old, ignored);
    return false;
  }
  Error = f.close();
  return Error == 0;
}

// The temporary file is complete and on the disk before it takes the
// target's place; on any failure it is removed and the target is untouched.
bool replace_through_temporary(const SaveTarget& Target, std::string_view Bytes, int& Error) {
  String temp;
  {
    FileHandle f = detail::create_temporary_beside(Target, temp, Error);
    if (!f.valid()) return false;
    bool ok = write_all(f, Bytes, Error) && detail::flush_to_disk(f, Error);
    const int close_error = f.close();
    if (ok && close_error != 0) {
      Error = close_error;
      ok = false;
    }
    if (ok && detail::commit_temporary(temp, Target, Error)) return true;
  }
  int ignored = 0;
  delete_file(temp, ignored);
  return false;
}

}  // namespace

void save_file(const String& Name, std::string_view Bytes) {
  SaveTarget target;
  int error = 0;
  if (!detail::resolve_save_target(Name, target, error)) fail(Name, error);
  bool ok = false;
  switch (target.Route) {
    case SaveRoute::Stream: ok = write_stream(target, Bytes, error); break;
    case SaveRoute::InPlace: ok = rewrite_in_place(target, Bytes, error); break;
    case SaveRoute::Create:
    case SaveRoute::Replace: ok = replace_through_temporary(target, Bytes, error); break;
  }
  if (!ok) fail(Name, error != 0 ? error : kErrWriteFault);
}

}  // namespace zyl::platform
