// Library: zyl / Package: ZYL_filesys / Module: treecopy (CopyFileTree, declared in filecopy.h)
#include <vector>

#include "ZYL_filesys/detail/dirnames.h"
#include "ZYL_filesys/detail/filecopier.h"
#include "ZYL_filesys/filecopy.h"
#include "platform/dirops.h"
#include "platform/exceptions.h"
#include "platform/file.h"
#include "platform/filename.h"
#include "platform/filesearch.h"
#include "platform/treewalk.h"

namespace ZYL_filesys {
namespace detail {

String describe_failure(const CopyOutcome& Outcome) {
  const char16_t* what = u"cannot copy";
  switch (Outcome.Code) {
    case -1: what = u"cannot open for reading"; break;
    case -2: what = u"cannot create"; break;
    case -3: what = u"cannot write"; break;
    case -4: what = u"cannot read"; break;
    default: break;
  }
  String text = Outcome.Path + u": " + what;
  if (Outcome.Error != 0) text += u": " + zyl::platform::error_message(Outcome.Error);
  return text;
}

}  // namespace detail

namespace {

namespace pf = zyl::platform;
using pf::DirEntry;
using pf::NodeType;
using pf::WalkDir;

// One tree copy: the state the file callback and the walk share.
class TreeCopy {
 public:
  TreeCopy(const pf::NodeId& DestRoot, bool CopyAttributes, const TTreeCopyFeedBack& FeedBack)
      : FDestRoot(DestRoot), FCopyAttributes(CopyAttributes), FFeedBack(FeedBack) {}

  void level(const WalkDir& Source, const WalkDir& Dest);
  std::vector<String>& failures() { return FFailures; }

 private:
  void copy_one(const WalkDir& Source, const DirEntry& Entry, const WalkDir& Dest);
  void copy_link(const WalkDir& Source, const DirEntry& Entry, const String& Dest);
  void not_copied(const String& Dest, const String& Why);

  pf::NodeId FDestRoot;
  bool FCopyAttributes;
  const TTreeCopyFeedBack& FFeedBack;
  String FCurrent;  // the destination's full name of the file being copied
  std::int32_t FFiles = 0;
  std::int64_t FBytes = 0;
  std::int64_t FSize = 0;
  std::vector<String> FFailures;
};

// A file that is not copied: in the result, and once to the callback with
// BytesCopied -1; the count of files started stays.
void TreeCopy::not_copied(const String& Dest, const String& Why) {
  FFailures.push_back(Dest + u": not copied: " + Why);
  if (FFeedBack) FFeedBack(-1, 0, Dest, FFiles);
}

void TreeCopy::copy_one(const WalkDir& Source, const DirEntry& Entry, const WalkDir& DestDir) {
  const String dest = DestDir.path() + Entry.Name;
  int error = 0;
  // Opened through the listed directory, never through a link, and only a
  // regular file: a FIFO, socket or device swapped in is refused here.
  const pf::FileHandle source = Source.open_file(Entry, error);
  if (!source.valid() && error == pf::kErrorNotRegularFile) {
    not_copied(dest, pf::error_message(error));
    return;
  }
  FCurrent = dest;
  ++FFiles;
  FBytes = 0;
  FSize = 0;
  const TFileCopyFeedBack progress = [this](std::int64_t Bytes, std::int64_t Size) {
    FBytes = Bytes;
    FSize = Size;
    if (FFeedBack) FFeedBack(Bytes, Size, FCurrent, FFiles);
  };
  detail::CopyOutcome outcome;
  const String name = Source.path() + Entry.Name;
  std::int64_t size = source.valid() ? pf::file_size(source, error) : -1;
  if (size < 0) {
    FFailures.push_back(name + u": cannot open for reading: " + pf::error_message(error));
  } else {
    // Written by the name the system gives the open destination directory
    // now, so that a directory swapped on the way does not redirect it.
    String dest_dir;
    if (!DestDir.resolved_path(dest_dir, error)) dest_dir = DestDir.path();
    if (detail::copy_open_file(source, size, 0, name, dest_dir + Entry.Name, FCopyAttributes, progress, outcome) !=
        0) {
      if (outcome.Path == dest_dir + Entry.Name) outcome.Path = dest;
      FFailures.push_back(detail::describe_failure(outcome));
    }
  }
  if (FFeedBack) FFeedBack(FBytes, FSize, FCurrent, FFiles);
}

// A link is made again as a link where the system can, never followed.
void TreeCopy::copy_link(const WalkDir& Source, const DirEntry& Entry, const String& Dest) {
  String target;
  int error = 0;
  if (!Source.read_link(Entry, target, error) || !pf::create_link(target, Dest, error))
    not_copied(Dest, u"a link: " + pf::error_message(error));
}

void TreeCopy::level(const WalkDir& Source, const WalkDir& Dest) {
  int error = 0;
  std::vector<DirEntry> entries;
  if (!Source.list(entries, error)) {
    FFailures.push_back(Source.path() + u": cannot read: " + pf::error_message(error));
    return;
  }
  for (const DirEntry& e : entries) {
    if (detail::copy_aborted()) return;
    const String dest = Dest.path() + e.Name;
    switch (e.Type) {
      case NodeType::File: copy_one(Source, e, Dest); break;
      case NodeType::Link: copy_link(Source, e, dest); break;
      case NodeType::Special: not_copied(dest, pf::error_message(pf::kErrorNotRegularFile)); break;
      case NodeType::Directory: {
        if (e.Id == FDestRoot) break;  // the copy itself, reached through another name inside the source
        const WalkDir sub = Source.enter(e, error);
        if (!sub.valid()) {
          FFailures.push_back(Source.path() + e.Name + u": not entered: " + pf::error_message(error));
          break;
        }
        // Made and entered through the destination's open directory, never
        // through a link put in its place.
        const WalkDir sub_dest = Dest.make_dir(e.Name, error);
        if (!sub_dest.valid()) {
          FFailures.push_back(dest + zyl::PathDelim + u": cannot create: " + pf::error_message(error));
          break;
        }
        level(sub, sub_dest);
        break;
      }
    }
  }
}

}  // namespace

std::vector<String> CopyFileTreeReport(const String& SourceDir, const String& DestDir, bool CopyAttributes,
                                       const TTreeCopyFeedBack& FeedBack) {
  detail::clear_abort();
  const String source = detail::with_trailing_delimiter(SourceDir);
  const String dest = detail::with_trailing_delimiter(DestDir);
  if (detail::is_within(source, dest) && detail::is_within(dest, source)) return {};  // one directory
  if (pf::same_entry(source, dest)) return {};
  if (detail::is_within(dest, source))
    return {dest + u": cannot copy a directory into itself (" + source + u")"};
  int error = 0;
  const WalkDir root = WalkDir::open(source, true, error);
  if (!root.valid()) return {source + u": cannot read: " + pf::error_message(error)};
  if (!pf::force_directories(dest, error)) return {dest + u": cannot create: " + pf::error_message(error)};
  const WalkDir dest_root = WalkDir::open(dest, true, error);
  if (!dest_root.valid()) return {dest + u": cannot create: " + pf::error_message(error)};
  TreeCopy copy(dest_root.id(), CopyAttributes, FeedBack);
  copy.level(root, dest_root);
  return std::move(copy.failures());
}

void CopyFileTree(const String& SourceDir, const String& DestDir, bool CopyAttributes,
                  const TTreeCopyFeedBack& FeedBack) {
  (void)CopyFileTreeReport(SourceDir, DestDir, CopyAttributes, FeedBack);
}

}  // namespace ZYL_filesys
