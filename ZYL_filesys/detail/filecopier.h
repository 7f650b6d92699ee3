// Library: zyl / Package: ZYL_filesys / Module: detail/filecopier (internal)
//
// The single-file copy shared by FileCopyFeedBk and the tree copy, with what
// went wrong spelled out for reports.
#pragma once

#include <cstdint>

#include "ZYL_filesys/filecopy.h"
#include "platform/file.h"

namespace ZYL_filesys::detail {

struct CopyOutcome {
  std::int32_t Code = 0;  // FileCopyFeedBk's result code
  int Error = 0;          // the OS error number behind a failure
  String Path;            // the path that failed (the destination's full name otherwise)
};

// FileCopyFeedBk without clearing a pending abort request.
std::int32_t copy_file(const String& Source, const String& Dest, bool CopyAttributes,
                       const TFileCopyFeedBack& FeedBack, CopyOutcome& Outcome);

// The copy of Source, already open for reading (a regular file of Size
// bytes; Result -1 when it opened only without denying others write access,
// which fails the copy), to DestName, a file's full name. SourceName names
// the source in the outcome.
std::int32_t copy_open_file(const zyl::platform::FileHandle& Source, std::int64_t Size, std::int32_t Result,
                            const String& SourceName, const String& DestName, bool CopyAttributes,
                            const TFileCopyFeedBack& FeedBack, CopyOutcome& Outcome);

// "cannot read: <reason>" and the like, for a failed outcome.
String describe_failure(const CopyOutcome& Outcome);

bool copy_aborted();
void clear_abort();

}  // namespace ZYL_filesys::detail
