// Library: zyl / Package: ZYL_filesys / Module: dirscan
//
// Listing and counting the files that match a mask, optionally through all
// subdirectories, and asking whether a directory exists or is empty.
//
// A mask is a path whose last part may hold "*" and "?" ("*.*" is every
// name); names match without regard to case. On Windows the directory part
// is listed in upper case; on POSIX, where that would name another
// directory, as given. Names come back as stored on disk.
//
//   ScanFilesToStrList(u"c:\\data\\*.asc", true, &list, nullptr)  // C:\DATA\run7.asc, C:\DATA\SUB\x.ASC
//   CountFiles(u"/data/*", true, nullptr)                          ⇒ 10000
//   DirEmpty(u"/data/empty")  ⇒ true;   DirExists(u"/etc/passwd")  ⇒ false
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "platform/hoststring.h"
#include "platform/stringlist.h"

namespace ZYL_filesys {

using zyl::String;

// Called as each directory is entered, with the files found so far.
using TScanFilesFeedback = std::function<void(const String& CurrentDir, std::int32_t Count)>;

// Appends the full names of the files (hidden ones included, directories
// not) that Mask matches to List; with IncludeSubDirs also those in every
// subdirectory, with the same file mask. Linked directories are not
// entered, nor one swapped for another while the walk runs (the walk holds
// each directory open, platform/treewalk.h). Nothing happens when List is null. The list is neither cleared
// nor sorted. Never raises for missing paths.
ZYL_API void ScanFilesToStrList(const String& Mask, bool IncludeSubDirs, zyl::TStrings* List,
                                const TScanFilesFeedback& FeedBack);

// The number of files the same walk finds.
ZYL_API std::int32_t CountFiles(const String& Mask, bool IncludeSubDirs, const TScanFilesFeedback& FeedBack);

// The same walk (List may be null), with Count set to the number of files
// found, returning the directories that could not be listed, one line each:
// "PATH: reason" (no permission, a path longer than the system allows).
// A directory that does not exist is not reported; empty when every
// directory was listed.
//   ScanFilesReport(u"/data/*", true, nullptr, n, nullptr)  ⇒ {"/data/locked/: Permission denied"}
ZYL_API std::vector<String> ScanFilesReport(const String& Mask, bool IncludeSubDirs, zyl::TStrings* List,
                                            std::int32_t& Count, const TScanFilesFeedback& FeedBack);

// True when Dir holds no entry; also when it cannot be read (missing).
[[nodiscard]] ZYL_API bool DirEmpty(const String& Dir);

// True when Path names an existing directory (or a link to one).
[[nodiscard]] ZYL_API bool DirExists(const String& Path);

}  // namespace ZYL_filesys
