// Library: zyl / Package: platform / Module: filesearch
//
// The host framework's directory search: FindFirst / FindNext / FindClose
// over a path whose last segment is a file mask, with an attribute filter,
// and the file attribute bits.
//
// Masks: "*" stands for any run of characters, "?" for exactly one, "*.*"
// for every name, and a mask ending in ".*" also matches the name without
// any extension ("data.*" matches "data"). Matching ignores case on every
// platform; the directory part is used exactly as given and names come back
// as stored on disk.
//
// Filter: an entry is found unless it has one of faHidden, faSysFile,
// faVolumeID and faDirectory that Attr does not include (so Attr 0 finds
// plain files, faAnyFile everything). "." and ".." are entries like others.
//
// Attributes on POSIX: faDirectory for a directory, faArchive for a regular
// file, faSysFile for any other kind (device, pipe, socket); faReadOnly when
// the owner has no write permission; faHidden when the name starts with "."
// ("." and ".." excepted); faSymLink added for a symbolic link, which is
// otherwise reported as what it points to (a dangling link as a file of size
// 0). On Windows the attributes are the file system's own bits (faSymLink is
// the reparse-point bit).
//
// Example:
//   zyl::TSearchRec rec;
//   for (int rc = zyl::FindFirst(u"logs/*.txt", 0, rec); rc == 0; rc = zyl::FindNext(rec))
//     total += rec.Size;                  // rec.Name: u"Day1.TXT", ...
//   zyl::FindClose(rec);
//
// Backends: platform/posix/filesearch.cpp and platform/win32/filesearch.cpp.
#pragma once

#include <cstdint>
#include <memory>

#include "platform/hoststring.h"

namespace zyl {

inline constexpr std::int32_t faReadOnly = 0x01;
inline constexpr std::int32_t faHidden = 0x02;
inline constexpr std::int32_t faSysFile = 0x04;
inline constexpr std::int32_t faVolumeID = 0x08;
inline constexpr std::int32_t faDirectory = 0x10;
inline constexpr std::int32_t faArchive = 0x20;
inline constexpr std::int32_t faNormal = 0x80;
inline constexpr std::int32_t faSymLink = 0x400;
inline constexpr std::int32_t faAnyFile = 0x1FF;

namespace platform {
struct FindState;  // the open search; defined by each backend
}

// One entry found, and the search it belongs to. Move-only; the search is
// closed by FindClose or when the record is destroyed.
struct ZYL_API TSearchRec {
  String Name;             // the entry's name as stored, without directory
  std::int64_t Size = 0;   // bytes; 0 for a directory
  std::int32_t Attr = 0;   // fa... bits

  TSearchRec();
  ~TSearchRec();
  TSearchRec(TSearchRec&&) noexcept;
  TSearchRec& operator=(TSearchRec&&) noexcept;
  TSearchRec(const TSearchRec&) = delete;
  TSearchRec& operator=(const TSearchRec&) = delete;

  std::unique_ptr<platform::FindState> FState;
};

// Starts a search and fills F with the first entry found. Returns 0, or the
// OS error number when nothing matches or the directory cannot be read (F is
// then closed). A search already open in F is closed first.
ZYL_API int FindFirst(const String& Path, std::int32_t Attr, TSearchRec& F);
// Moves F to the next entry found: 0, or an OS error number at the end.
ZYL_API int FindNext(TSearchRec& F);
// Ends the search (nothing happens when none is open).
ZYL_API void FindClose(TSearchRec& F);

// True when an entry with Attr passes the filter of a search for Filter.
[[nodiscard]] constexpr bool passes_attribute_filter(std::int32_t Attr, std::int32_t Filter) noexcept {
  return (Attr & ~Filter & (faHidden | faSysFile | faVolumeID | faDirectory)) == 0;
}

namespace platform {

// True when Name matches Mask under the rules above (the POSIX search's
// matching; Windows matches through the OS).
[[nodiscard]] ZYL_API bool matches_file_mask(std::u16string_view Name, std::u16string_view Mask);

// The name of the existing entry that Path names, as the file system stores
// it, in Name. On Windows that is the entry's long name in its stored case
// (a short 8.3 name or another case finds it); on POSIX names are stored as
// given and Name is Path's last segment. False when no entry exists or the
// last segment holds a wildcard.
ZYL_API bool stored_entry_name(const String& Path, String& Name);

}  // namespace platform
}  // namespace zyl
