// Library: zyl / Package: platform / Module: savefile
//
// Saving a whole file by name the way a user can rely on, on every target:
//  - the bytes go to a temporary file beside the target (created exclusively,
//    under a name nobody can predict), are flushed to the disk, and the
//    temporary file then replaces the target in one step, so a failure or a
//    power cut never leaves a half-written or empty file in place of a good one;
//  - the saved file keeps what the target had: its permission bits, its
//    extended attributes and ACLs, its owner and group where the process may
//    set them (POSIX), its attributes and security (Windows); a new file gets
//    what an ordinary create gives;
//  - symbolic links are followed and the file they end at is saved, so the
//    links stay links; but on POSIX a link in a sticky, world-writable
//    directory (such as /tmp) is followed only when it belongs to the caller
//    or to the directory's owner, as the kernel does, and a link that leads
//    nowhere is refused;
//  - a file that cannot be replaced without losing something is rewritten
//    through itself once the new contents are complete in memory: one with
//    several hard links (replacing it would detach the other names), one in
//    a directory the caller cannot write (no temporary file can be made
//    beside it), another user's file in a sticky directory (the caller may
//    write it but not replace it), one whose extended attributes or ACLs (POSIX) cannot be
//    given to a new file (it would grant other access). That path is not
//    atomic, since the file itself is overwritten; if writing fails part
//    way, the old contents are written back;
//  - devices and pipes are written to as they are, never replaced;
//  - what an ordinary open for writing refuses is refused, with nothing
//    changed: a read-only file (POSIX: no owner write bit, or no write access;
//    Windows: the read-only attribute) and a directory.
//
// Example:
//   zyl::platform::save_file(u"listing.txt", "line 1\r\n");
//   // on failure: EInOutError "Cannot write "listing.txt": <reason>",
//   // and an existing listing.txt is left as it was
#pragma once

#include <functional>
#include <string_view>

#include "platform/hoststring.h"

namespace zyl::platform {

// Writes Bytes as the whole content of file Name (created or replaced).
// Raises EInOutError with the OS error code on failure; no temporary file
// is left behind and the previous content of Name, if any, stays intact.
ZYL_API void save_file(const String& Name, std::string_view Bytes);

// The same save with the content produced block by block, so that a large
// file is never held whole in memory: Produce is called once and hands each
// block, in order, to the sink it is given. Should Produce throw, the target
// stays as it was, no temporary file is left, and the exception propagates.
// (A file with several hard links is still collected whole first.)
//   save_file_by_blocks(u"big.txt", [&](const SaveSink& Sink) {
//     while (read_block(block)) Sink(block);
//   });
using SaveSink = std::function<void(std::string_view Block)>;
using SaveProducer = std::function<void(const SaveSink& Sink)>;
ZYL_API void save_file_by_blocks(const String& Name, const SaveProducer& Produce);

}  // namespace zyl::platform
