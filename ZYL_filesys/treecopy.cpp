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

// One tree copy: the state the file callback and the walk share.
class TreeCopy {
 public:
  TreeCopy(const String& DestRoot, bool CopyAttributes, const TTreeCopyFeedBack& FeedBack)
      : FDestRoot(DestRoot), FCopyAttributes(CopyAttributes), FFeedBack(FeedBack) {}

  void level(const String& Source, const String& Dest);
  std::vector<String>& failures() { return FFailures; }

 private:
  void copy_one(const String& Source, const String& Name);

  String FDestRoot;
  bool FCopyAttributes;
  const TTreeCopyFeedBack& FFeedBack;
  String FCurrent;  // the destination's full name of the file being copied
  std::int32_t FFiles = 0;
  std::int64_t FBytes = 0;
  std::int64_t FSize = 0;
  std::vector<String> FFailures;
};

void TreeCopy::copy_one(const String& Source, const String& Dest) {
  FCurrent = Dest;
  ++FFiles;
  const TFileCopyFeedBack progress = [this](std::int64_t Bytes, std::int64_t Size) {
    FBytes = Bytes;
    FSize = Size;
    if (FFeedBack) FFeedBack(Bytes, Size, FCurrent, FFiles);
  };
  detail::CopyOutcome outcome;
  try {
    if (detail::copy_file(Source, Dest, FCopyAttributes, progress, outcome) != 0)
      FFailures.push_back(detail::describe_failure(outcome));
  } catch (const zyl::EInOutError& e) {
    FFailures.push_back(Source + u": " + e.Message());  // vanished since it was listed
  }
  if (FFeedBack) FFeedBack(FBytes, FSize, FCurrent, FFiles);
}

void TreeCopy::level(const String& Source, const String& Dest) {
  int error = 0;
  if (!pf::force_directories(Dest, error)) {
    FFailures.push_back(Dest + u": cannot create: " + pf::error_message(error));
    return;
  }
  zyl::TSearchRec rec;
  for (int rc = zyl::FindFirst(Source + u"*.*", zyl::faAnyFile, rec); rc == 0 && !detail::copy_aborted();
       rc = zyl::FindNext(rec)) {
    if (rec.Name == u"." || rec.Name == u"..") continue;
    if ((rec.Attr & zyl::faDirectory) == 0) {
      copy_one(Source + rec.Name, Dest + rec.Name);
      continue;
    }
    const String sub = Source + rec.Name + zyl::PathDelim;
    // A linked directory is never entered, nor the copy itself when another
    // name inside the source leads to it.
    if ((rec.Attr & zyl::faSymLink) != 0 || pf::same_entry(sub, FDestRoot)) continue;
    level(sub, Dest + rec.Name + zyl::PathDelim);
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
  TreeCopy copy(dest, CopyAttributes, FeedBack);
  copy.level(source, dest);
  return std::move(copy.failures());
}

void CopyFileTree(const String& SourceDir, const String& DestDir, bool CopyAttributes,
                  const TTreeCopyFeedBack& FeedBack) {
  (void)CopyFileTreeReport(SourceDir, DestDir, CopyAttributes, FeedBack);
}

}  // namespace ZYL_filesys
