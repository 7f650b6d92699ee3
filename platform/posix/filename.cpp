// Library: zyl / Package: platform / Module: filename (POSIX backend)
#include "platform/filename.h"
#include "platform/posix/osname.h"

#include <unistd.h>

#include <cerrno>
#include <string>
#include <vector>

namespace zyl {
namespace {

// The current directory as UTF-8, or empty when the OS cannot tell.
std::string current_directory() {
  std::vector<char> buf(4096);
  for (;;) {
    if (::getcwd(buf.data(), buf.size()) != nullptr) return std::string(buf.data());
    if (errno != ERANGE || buf.size() > (1u << 24)) return std::string();
    buf.resize(buf.size() * 2);
  }
}

}  // namespace

String ExpandFileName(const String& Name) {
  if (Name.empty()) return Name;
  String full;
  if (Name.front() != u'/') {
    const std::string cwd = current_directory();
    if (cwd.empty()) return Name;
    full = platform::posix::from_os_name(cwd) + u"/";
  }
  full += Name;
  // Resolve "." and ".." segments; ".." at the root stays at the root.
  std::vector<std::u16string_view> segments;
  const std::u16string_view text(full);
  for (std::size_t pos = 0; pos <= text.size();) {
    std::size_t end = text.find(u'/', pos);
    if (end == std::u16string_view::npos) end = text.size();
    const std::u16string_view seg = text.substr(pos, end - pos);
    if (seg == u"..") {
      if (!segments.empty()) segments.pop_back();
    } else if (!seg.empty() && seg != u".") {
      segments.push_back(seg);
    }
    pos = end + 1;
  }
  String result;
  for (const auto seg : segments) {
    result += u'/';
    result += seg;
  }
  if (result.empty()) return u"/";
  // A trailing separator (the name of a directory) is kept.
  if (full.back() == u'/') result += u'/';
  return result;
}

}  // namespace zyl
