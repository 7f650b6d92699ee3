// Library: zyl / Package: ZYL_filesys / Module: filefind
//
// Finding a file in a directory tree, and a file's size by name.
//
//   FileDetect(u"C:\\data\\run7.asc")      ⇒ u"C:\\DATA\\sub\\Run7.asc"  (found below C:\data, Windows)
//   FileDetect(u"/data/run7.asc")         ⇒ u"/data/sub/Run7.asc"      (POSIX)
//   GetFileSize(u"missing.txt")           ⇒ -1
//   GetFileSize(u"huge.bin")              ⇒ 2147483647 (5 GiB file);  GetFileSize64 ⇒ 5368709120
#pragma once

#include <cstdint>

#include "platform/hoststring.h"

namespace ZYL_filesys {

using zyl::String;

// Searches for the file named by Path's file-name part in Path's directory
// and then in its subdirectories, depth first; the file name is matched
// without regard to case. Only plain files are found (not hidden or system
// files, not directories), and only directories whose attributes are
// exactly faDirectory are entered (never a linked one). Returns the
// directory path + the name as stored on disk, or empty when nothing is
// found. On Windows the directory part is returned in upper case; on POSIX,
// where that would name another directory, as given. Never raises.
[[nodiscard]] ZYL_API String FileDetect(const String& Path);

// The size in bytes of the file (or directory: 0) FileName names, after
// expanding it to an absolute path; -1 when nothing is found. A size of
// 2 GiB or more gives 2147483647 (use GetFileSize64). Never raises.
[[nodiscard]] ZYL_API std::int32_t GetFileSize(const String& FileName);
// The same with the true size.
[[nodiscard]] ZYL_API std::int64_t GetFileSize64(const String& FileName);

}  // namespace ZYL_filesys
