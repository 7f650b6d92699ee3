// Library: zyl / Package: ZYL_filesys / Module: detail/filecopier (internal)
//
// The single-file copy shared by FileCopyFeedBk and the tree copy, with what
// went wrong spelled out for reports.
#pragma once

#include <cstdint>

#include "ZYL_filesys/filecopy.h"

namespace ZYL_filesys::detail {

struct CopyOutcome {
  std::int32_t Code = 0;  // FileCopyFeedBk's result code
  int Error = 0;          // the OS error number behind a failure
  String Path;            // the path that failed (the destination's full name otherwise)
};

// FileCopyFeedBk without clearing a pending abort request.
std::int32_t copy_file(const String& Source, const String& Dest, bool CopyAttributes,
                       const TFileCopyFeedBack& FeedBack, CopyOutcome& Outcome);

// "cannot read: <reason>" and the like, for a failed outcome.
String describe_failure(const CopyOutcome& Outcome);

bool copy_aborted();
void clear_abort();

}  // namespace ZYL_filesys::detail
