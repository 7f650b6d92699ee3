// Library: zyl / Package: platform / Module: filecopy
//
// Moving file contents from one open file to another, through the kernel's
// own copy where the system has one (Linux copy_file_range: no trip through
// user memory, and server-side or reflinked copies where the file system can)
// and through a buffer otherwise, and carrying the last-write time along.
//
// Backends: platform/posix/filecopy.cpp and platform/win32/filecopy.cpp.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/file.h"

namespace zyl::platform {

// Which side of a copy failed.
enum class CopyFailure : std::uint8_t { None, Read, Write };

// Copies up to Count bytes from Source's position to Dest's position and
// advances both. Returns the bytes copied: Count, or fewer only at the end of
// Source. On a failure returns the bytes copied before it (or -1 when none)
// and sets Failure and Error. Buffer is scratch memory for the buffered path.
ZYL_API std::int64_t copy_file_data(const FileHandle& Source, const FileHandle& Dest, std::int64_t Count,
                                    std::vector<std::byte>& Buffer, CopyFailure& Failure, int& Error);

// Creates Name as a new file for a copy of Source: exclusively (never an
// existing entry, never through a link). POSIX: with Source's permission
// bits less the umask, so a copy never grants more than its source (as cp
// does; set-user-ID and the like are not carried); an invalid Source gives
// what an ordinary create gives. Windows: an ordinary new file that denies
// others write access. Invalid handle and Error on failure.
ZYL_API FileHandle create_copy_file(const String& Name, const FileHandle& Source, int& Error);

// Gives Dest the last-write time of Source. False and Error on failure.
ZYL_API bool copy_last_write_time(const FileHandle& Source, const FileHandle& Dest, int& Error);

namespace detail {

// The kernel's copy of up to Count bytes. Returns the bytes copied; stops
// early (returning fewer) at the end of Source or when the kernel cannot go
// on, in which case End is false and the caller continues through a buffer,
// which also reports the failure precisely.
std::int64_t kernel_copy(const FileHandle& Source, const FileHandle& Dest, std::int64_t Count, bool& End);

}  // namespace detail
}  // namespace zyl::platform
