// Library: zyl / Package: ZYL_filesys / Module: filecopy
#include "ZYL_filesys/filecopy.h"

#include <atomic>

#include "ZYL_filesys/detail/dirnames.h"
#include "ZYL_filesys/detail/filecopier.h"
#include "ZYL_filesys/dirscan.h"
#include "platform/dirops.h"
#include "platform/exceptions.h"
#include "platform/file.h"
#include "platform/filecopy.h"
#include "platform/filename.h"
#include "platform/filestream.h"
#include "platform/savetarget.h"

namespace ZYL_filesys {
namespace {

namespace pf = zyl::platform;

// Set by AbortAnyFileCopying from a callback, another thread or a signal
// handler; read by the copy loops between blocks.
std::atomic<bool> abort_requested{false};
static_assert(std::atomic<bool>::is_always_lock_free);

// The destination being written. A new file is created exclusively under
// its own name with the source's permission bits (nothing was there to
// keep); an existing one gets a temporary file beside it that takes its
// place when complete. Either is removed again unless the copy was
// completed. An existing file that cannot be replaced without losing
// something (other hard links, a directory the caller cannot write, ACLs a
// new file cannot be given) is written through instead, and cut to the
// copied length at the end; that path is not atomic.
class PendingDestination {
 public:
  PendingDestination() = default;
  PendingDestination(const PendingDestination&) = delete;
  PendingDestination& operator=(const PendingDestination&) = delete;
  ~PendingDestination() {
    FFile.close();
    int ignored = 0;
    if (!FWritten.empty() && !FCommitted) pf::delete_file(FWritten, ignored);
  }

  // Works out where Dest leads and opens what receives the data of Source:
  // a device or pipe as it is.
  bool open(const String& Dest, const pf::FileHandle& Source, int& Error) {
    if (!pf::detail::resolve_save_target(Dest, FTarget, Error)) return false;
    switch (FTarget.Route) {
      case pf::detail::SaveRoute::Stream: FFile = open_existing(Error); break;
      case pf::detail::SaveRoute::Create:
        FFile = pf::create_copy_file(FTarget.Path, Source, Error);
        if (FFile.valid()) FWritten = FTarget.Path;
        break;
      case pf::detail::SaveRoute::InPlace: open_in_place(Error); break;
      case pf::detail::SaveRoute::Replace:
        FFile = pf::detail::create_temporary_beside(FTarget, FWritten, Error);
        FReplaces = FFile.valid();
        if (!FFile.valid() && FTarget.Route == pf::detail::SaveRoute::InPlace) open_in_place(Error);
        break;
    }
    return FFile.valid();
  }

  const pf::FileHandle& file() const { return FFile; }
  const String& path() const { return FTarget.Path; }

  // Closes the data and puts it in place: -3 when the close reports that
  // data was lost (or a file written through cannot be cut to Length), -2
  // when it cannot take the destination's place.
  std::int32_t commit(std::int64_t Length, int& Error) {
    if (FInPlace && !pf::resize_file(FFile, Length, Error)) return -3;
    if (const int rc = FFile.close(); rc != 0) {
      Error = rc;
      return -3;
    }
    // Not flushed to the disk: a copy is as durable as any other written
    // file, and a tree of many files must not wait for the disk each time.
    if (FReplaces && !pf::detail::commit_temporary(FWritten, FTarget, Error, false)) return -2;
    FCommitted = true;
    return 0;
  }

 private:
  pf::FileHandle open_existing(int& Error) const {
    return pf::detail::open_save_target(FTarget, pf::FileAccess::Write, zyl::fmShareDenyWrite, Error);
  }
  void open_in_place(int& Error) {
    FFile = open_existing(Error);
    FInPlace = FFile.valid();
  }

  pf::detail::SaveTarget FTarget;
  String FWritten;  // the file created for the copy, removed unless committed
  pf::FileHandle FFile;
  bool FReplaces = false;
  bool FInPlace = false;
  bool FCommitted = false;
};

[[noreturn]] void raise_source_error(const String& Source, int Error) {
  throw zyl::EInOutError(u"Cannot read \"" + Source + u"\": " + pf::error_message(Error), Error);
}

// Opens the source denying others write access, as the copy needs it, and
// takes its size. A source that cannot be opened at all, or that is not a
// regular file (a FIFO, socket, device or directory is never read), raises;
// one that opens only without that protection gives Result -1.
pf::FileHandle open_source(const String& Source, std::int64_t& Size, std::int32_t& Result) {
  int error = 0;
  pf::FileHandle file = pf::open_regular_file(Source, zyl::fmShareDenyWrite, error);
  const pf::FileHandle probe = file.valid() || error == pf::kErrorNotRegularFile
                                   ? pf::FileHandle()
                                   : pf::open_regular_file(Source, zyl::fmShareDenyNone, error);
  const pf::FileHandle& sized = file.valid() ? file : probe;
  if (!sized.valid()) raise_source_error(Source, error);
  Size = pf::file_size(sized, error);
  if (Size < 0) raise_source_error(Source, error);
  if (!file.valid()) Result = -1;
  return file;
}

// Moves the data block by block with a report before each; returns the
// result code.
std::int32_t copy_blocks(const pf::FileHandle& Source, const pf::FileHandle& Dest, std::int64_t Size,
                         const TFileCopyFeedBack& FeedBack, std::int64_t& Copied, detail::CopyOutcome& Outcome) {
  std::vector<std::byte> buffer;
  for (;;) {
    if (FeedBack) FeedBack(Copied, Size);
    pf::CopyFailure failure = pf::CopyFailure::None;
    const std::int64_t n = pf::copy_file_data(Source, Dest, kCopyBlockSize, buffer, failure, Outcome.Error);
    if (n > 0) Copied += n;
    if (failure == pf::CopyFailure::Read) return -4;
    if (failure == pf::CopyFailure::Write) return -3;
    if (n < kCopyBlockSize || abort_requested.load()) return 0;
  }
}

}  // namespace

namespace detail {

std::int32_t copy_open_file(const pf::FileHandle& Source, std::int64_t Size, std::int32_t Result,
                            const String& SourceName, const String& DestName, bool CopyAttributes,
                            const TFileCopyFeedBack& FeedBack, CopyOutcome& Outcome) {
  Outcome.Path = DestName;
  if (FeedBack) FeedBack(0, Size);
  PendingDestination dest;
  if (!dest.open(Outcome.Path, Source, Outcome.Error)) {
    Result = -2;
  }
  std::int64_t copied = 0;
  if (Result == 0) Result = copy_blocks(Source, dest.file(), Size, FeedBack, copied, Outcome);
  if (Result == 0 && !abort_requested.load()) {
    int ignored = 0;
    pf::copy_last_write_time(Source, dest.file(), ignored);
    Result = dest.commit(copied, Outcome.Error);
    // The copy is in place; attributes that cannot be given leave it as an
    // ordinary new file.
    if (Result == 0 && CopyAttributes) pf::copy_attributes(Source, dest.path(), ignored);
  }
  if (Result == -1 || Result == -4) Outcome.Path = SourceName;
  Outcome.Code = Result;
  if (FeedBack) FeedBack(copied, Size);
  return Result;
}

std::int32_t copy_file(const String& Source, const String& Dest, bool CopyAttributes,
                       const TFileCopyFeedBack& FeedBack, CopyOutcome& Outcome) {
  Outcome = CopyOutcome();
  String dest = Dest;
  if (DirExists(dest)) dest = with_trailing_delimiter(dest) + zyl::ExtractFileName(Source);
  Outcome.Path = dest;
  if (Source == dest) return 0;
  std::int64_t size = 0;
  std::int32_t result = 0;
  const pf::FileHandle source = open_source(Source, size, result);
  return copy_open_file(source, size, result, Source, dest, CopyAttributes, FeedBack, Outcome);
}

bool copy_aborted() { return abort_requested.load(); }

void clear_abort() { abort_requested.store(false); }

}  // namespace detail

std::int32_t FileCopyFeedBk(const String& Source, const String& Dest, bool CopyAttributes,
                            const TFileCopyFeedBack& FeedBack) {
  detail::clear_abort();
  detail::CopyOutcome outcome;
  return detail::copy_file(Source, Dest, CopyAttributes, FeedBack, outcome);
}

void AbortAnyFileCopying() { abort_requested.store(true); }

bool FileCopyingAborted() { return abort_requested.load(); }

}  // namespace ZYL_filesys
