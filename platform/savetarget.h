// Library: zyl / Package: platform / Module: savetarget
//
// The operating-system steps of a save by name (platform/savefile.h), which
// is written once on top of them. Internal to the platform layer.
//
// Backends: platform/posix/savetarget.cpp and platform/win32/savetarget.cpp.
#pragma once

#include <cstdint>

#include "platform/file.h"
#include "platform/hoststring.h"

namespace zyl::platform::detail {

// How the new contents reach the file a name stands for.
enum class SaveRoute : std::uint8_t {
  Create,   // nothing there yet: a temporary file becomes the new file
  Replace,  // a regular file: a temporary file takes its place in one step
  InPlace,  // a regular file that cannot be replaced without losing something:
            // rewritten through itself (several hard links, which replacing
            // would detach; a directory where no file can be created beside
            // it; extended attributes or ACLs a new file cannot be given)
  Stream,   // a device or pipe: written to as it is, never replaced
};

struct SaveTarget {
  String Path;  // the file to write: the name with symbolic links followed
  SaveRoute Route = SaveRoute::Create;
};

// Follows symbolic links from Name to the file they end at and chooses the
// route. Refuses (false, Error set, nothing touched) what an ordinary open
// for writing would refuse: a read-only file (POSIX: no owner write bit, or
// no write access for this process; Windows: the read-only attribute), a
// directory, a loop of links; and, on POSIX, a link that leads nowhere and a
// link in a sticky, world-writable directory that belongs neither to the
// caller nor to the directory's owner (the kernel's own rule for such links).
bool resolve_save_target(const String& Name, SaveTarget& Target, int& Error);

// Opens the existing file Target names (SaveRoute::Stream or InPlace) for
// Access, never through a link that appeared there after the name was
// resolved. ShareMode as for open_file. Invalid handle and Error on failure.
FileHandle open_save_target(const SaveTarget& Target, FileAccess Access, std::uint16_t ShareMode, int& Error);

// Creates a new, empty file exclusively (never an existing one) in Target's
// directory, under a name that cannot be predicted from outside. For
// SaveRoute::Replace it already carries the target's permission bits, its
// extended attributes (POSIX ACLs among them) and, where the process may set
// them, its owner and group; for Create it gets what an ordinary create
// gives. Invalid handle and Error on failure; when the target's attributes
// cannot be carried over, Target.Route becomes SaveRoute::InPlace, so that
// the caller writes through the target instead of widening its access.
FileHandle create_temporary_beside(SaveTarget& Target, String& TempName, int& Error);

// Asks the OS to start writing Length bytes of File from Offset to the
// storage device now, without waiting for it: a large save then overlaps
// its own writing with the disk, and flush_to_disk has less left to wait
// for. Only a hint: nothing happens where the OS offers no such call.
void start_writeback(const FileHandle& File, std::int64_t Offset, std::int64_t Length) noexcept;

// Flushes a file's data and size to the storage device.
bool flush_to_disk(const FileHandle& File, int& Error);

// Puts the complete, flushed, closed temporary file in Target's place in one
// step and makes the change itself durable (the directory entry on POSIX,
// write-through on Windows, which also keeps the replaced file's attributes
// and security); with Durable false the change is left to the system's own
// write-back, as for any other written file. False and Error on failure,
// Target unchanged.
bool commit_temporary(const String& TempName, const SaveTarget& Target, int& Error, bool Durable = true);

}  // namespace zyl::platform::detail
