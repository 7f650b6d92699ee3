// Library: zyl / Package: ZYL_filesys / Module: filecopy
//
// Copying one file or a whole directory tree with progress reports, and
// stopping a copy that runs.
//
// A copy never damages its destination: over an existing file the data goes
// to a temporary file beside it, which takes the file's place only when it
// is complete (with the source's last-write time); a new file is created
// exclusively (with the source's permission bits less the umask on POSIX,
// never more than the source grants) and removed again when the copy does
// not complete. After an error or an abort the destination is exactly as it
// was, with one exception: an existing file that cannot be replaced without
// losing something (other hard links; on POSIX also ACLs or extended
// attributes a new file cannot be given, or a directory the caller cannot
// write) is written through, as a save does. That path cannot be atomic,
// since the file itself is overwritten, so a failure or an abort part way
// leaves it partly rewritten. Links are followed as a save follows them
// (platform/savefile.h): never one that leads nowhere, nor one planted by
// another user in a sticky, world-writable directory.
//
//   FileCopyFeedBk(u"/data/run7.asc", u"/backup/", false, nullptr)  ⇒ 0: /backup/run7.asc
//   FileCopyFeedBk(u"missing", u"x", false, nullptr)  raises EInOutError
//   FileCopyFeedBk(u"a.txt", u"/readonly-dir/a.txt", false, nullptr) ⇒ -2
//   CopyFileTree(u"/data", u"/backup/data", true, nullptr)
//
// Progress: the file callback gets (0, size) first, then (bytes copied so
// far, size) before each block of kCopyBlockSize bytes, and (bytes copied,
// size) at the end, also after an error or an abort. Counts are 64-bit; a
// callback written for 32-bit counts still converts. Callbacks run on the
// caller's thread; AbortAnyFileCopying may be called from one or from any
// other thread and stops the copy after the current block.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "platform/hoststring.h"
#include "platform/object.h"

namespace ZYL_filesys {

using zyl::String;

using TFileCopyFeedBack = std::function<void(std::int64_t BytesCopied, std::int64_t SizeOfFile)>;
using TTreeCopyFeedBack = std::function<void(std::int64_t BytesCopied, std::int64_t SizeOfCurrentFile,
                                             const String& NameOfCurrentFile, std::int32_t NrOfFilesCopiedSoFar)>;
// Method types the unit declares for its callers; no function here takes them.
using TNumericFeedback = std::function<void(zyl::TObject* Sender, double num)>;
using TStringFeedback = std::function<void(zyl::TObject* Sender, const String& msg)>;

// Bytes moved per block, and so per progress report.
inline constexpr std::int64_t kCopyBlockSize = std::int64_t{1} << 20;

// Copies file Source to Dest, or into Dest under its own name when Dest is
// an existing directory. Result: 0 copied, also when Source and Dest are the
// same string (nothing is done) or when AbortAnyFileCopying stopped it (the
// destination then stays as it was); -1 Source cannot be opened for
// reading (exists, but another program denies it); -2 the destination
// cannot be created or put in place (a directory, a read-only file or
// directory); -3 a write failed (the disk is full); -4 a read failed. With
// CopyAttributes the destination gets the source's attributes (POSIX: its
// permission bits) with the read-only bit cleared (the owner may write).
// A source that does not exist, or is not a regular file (a FIFO, socket,
// device or directory: never read), raises EInOutError ("Cannot read
// "NAME": not a regular file").
ZYL_API std::int32_t FileCopyFeedBk(const String& Source, const String& Dest, bool CopyAttributes,
                                    const TFileCopyFeedBack& FeedBack);

// Stops the file or tree copy that runs, after its current block. A new
// copy clears the request.
ZYL_API void AbortAnyFileCopying();

// Copies directory SourceDir with everything in it to DestDir, creating
// DestDir and its missing parents and recreating empty directories. Files
// that fail are skipped. The source is walked on open directory handles
// (platform/treewalk.h): links are never followed, neither into a directory
// nor to a file; on POSIX a link is made again as a link with the same
// target text, on Windows it is not copied. Only regular files are read:
// FIFOs, sockets and devices are not copied. A directory swapped for
// something else while the copy runs is not entered. Nothing is done when
// the two name the same directory (ignoring case on Windows) or when DestDir
// lies inside SourceDir (the copy would never end). The callback gets the
// file callback's values with the destination's full name and the number of
// files started so far, and once more after each file; an entry that is not
// copied (special file, link that cannot be made) is reported once with
// BytesCopied -1 and size 0, and does not count as a file started.
ZYL_API void CopyFileTree(const String& SourceDir, const String& DestDir, bool CopyAttributes,
                          const TTreeCopyFeedBack& FeedBack);

// The same, returning what failed, one line each: "PATH: reason" (a file
// not copied, a directory not created, or the refusal of a copy into
// itself, "PATH: not copied: not a regular file" for a FIFO, socket or
// device). Empty when everything was copied (or after an abort).
ZYL_API std::vector<String> CopyFileTreeReport(const String& SourceDir, const String& DestDir,
                                               bool CopyAttributes, const TTreeCopyFeedBack& FeedBack);

// True when AbortAnyFileCopying stopped the last copy.
[[nodiscard]] ZYL_API bool FileCopyingAborted();

}  // namespace ZYL_filesys
