// Library: zyl / Package: ZYL_filesys / Module: filedelete
//
// Deleting a directory tree, and deleting or recycling the files a mask
// matches.
//
//   DelDirTree(u"/tmp/run7")       ⇒ u""   (all gone)
//   DelDirTree(u"/tmp/run8")       ⇒ u"/tmp/run8/locked.dat"  (read-only: the walk stopped there)
//   DelDirTree(u"/")               ⇒ u"/"  (a root is refused; nothing is deleted)
//   DeleteFiles(u"/tmp/run9/*.*")  ⇒ 12    (.hidden files are kept)
//   MoveToRecycleBin(u"old/*.log") ⇒ 3
//
// Read-only files (POSIX: without the owner's write bit) are not deleted.
// Symbolic links are deleted themselves; what they point to is never
// touched, and a linked directory is never entered. Trees are walked on open
// directory handles (platform/treewalk.h), so a directory swapped for a link
// while the walk runs cannot lead it outside the tree.
#pragma once

#include <cstdint>

#include "platform/hoststring.h"

namespace ZYL_filesys {

using zyl::String;

// Deletes Dir with everything in it. Returns an empty string on success,
// else the first path that could not be removed (a directory with its
// trailing delimiter); what was not visited yet stays. An empty Dir does
// nothing. A root is refused and returned, known by what the name leads to,
// not by its spelling: "/" and any name for it ("link/.", "/tmp/.."), on
// Windows a volume's root however written ("C:\", "\\?\C:\", "\\.\C:\", "C:"
// while C:'s current directory is its root). A link given as Dir is removed
// itself.
[[nodiscard]] ZYL_API String DelDirTree(const String& Dir);

// Deletes the files Mask matches, skipping names that start with "." and
// directories, and returns how many were deleted. The directory part is
// opened once as the system resolves it ("link/.." is the parent of the
// link's target on POSIX) and the files are listed and deleted in it.
ZYL_API std::int32_t DeleteFiles(const String& Mask);

// Moves the same files to the user's recycle bin (see platform/trash.h) and
// returns how many went there; one that cannot go stays in place, uncounted.
ZYL_API std::int32_t MoveToRecycleBin(const String& Mask);

}  // namespace ZYL_filesys
