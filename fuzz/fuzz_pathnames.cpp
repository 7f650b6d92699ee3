// The path text functions over arbitrary UTF-16 (lone surrogates included)
// and any maximum length: no crash, no hang, and the invariants that hold
// for every input.
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "ZYL_filesys/pathnames.h"
#include "platform/filesearch.h"

namespace {

// The shortening by repeated replacement, as the contract states it.
zyl::String abridge_model(zyl::String p, std::int32_t max) {
  const char16_t sep = p.find(u'\\') != zyl::String::npos ? u'\\' : u'/';
  std::size_t cur = p.find(sep);
  if (cur == zyl::String::npos) return p;
  while (static_cast<std::int64_t>(p.size()) >= max) {
    const std::size_t next = p.find(sep, cur + 1);
    if (next == zyl::String::npos) break;
    p.replace(cur + 1, next - cur - 1, u"..");
    cur += 3;
  }
  return p;
}

void check(bool ok) {
  if (!ok) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
  if (Size < 4) return 0;
  std::int32_t max;
  std::memcpy(&max, Data, 4);
  zyl::String path((Size - 4) / 2, u'\0');
  std::memcpy(path.data(), Data + 4, path.size() * 2);

  using namespace ZYL_filesys;
  const zyl::String abridged = AbridgeFilePath(path, max);
  if (path.size() <= 512) check(abridged == abridge_model(path, max));
  check(StripExtension(path).size() <= path.size());
  const zyl::String parent = ParentDir(path);
  check(path.compare(0, parent.size(), parent) == 0);
  check(path.ends_with(StripPath(path)));
  check(IsValidFileName(ReplaceInvalidFileNameChars(path, u'_')));
  check(!IsDOS83Path(path) || IsFN83CompliantPath(path));
  const std::int32_t drive = ExtractDrive(path);
  check(drive >= -1 && drive <= 25);
  (void)IsRootDir(path);
  (void)InsertBeforeFileExt(path.substr(0, 3), path);
  (void)EnsureDefaultFileExt(path, path.substr(0, 2));
  // A mask and a name from the two halves: matching never takes longer than
  // the product of their lengths.
  const std::size_t half = path.size() / 2;
  (void)zyl::platform::matches_file_mask(std::u16string_view(path).substr(0, half),
                                         std::u16string_view(path).substr(half));
  return 0;
}
