// Library: zyl / Package: platform / Module: osname (POSIX backend support)
#include "platform/posix/osname.h"

#include <cerrno>

namespace zyl::platform::posix {
namespace {

constexpr char16_t kEscapeBase = 0xDC00;

bool is_high_surrogate(char16_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool is_byte_escape(char16_t c) { return c >= 0xDC80 && c <= 0xDCFF; }

}  // namespace

bool to_os_name(std::u16string_view Name, std::string& Out) {
  Out.clear();
  std::size_t run = 0;  // start of the text not yet converted
  for (std::size_t i = 0; i < Name.size(); ++i) {
    const char16_t c = Name[i];
    if (c == u'\0') return false;
    if (is_high_surrogate(c) && i + 1 < Name.size() && Name[i + 1] >= 0xDC00 && Name[i + 1] <= 0xDFFF) {
      ++i;  // a pair: ordinary text
      continue;
    }
    if (!is_byte_escape(c)) continue;
    Out += to_utf8(Name.substr(run, i - run));
    Out.push_back(static_cast<char>(c - kEscapeBase));
    run = i + 1;
  }
  Out += to_utf8(Name.substr(run));
  return true;
}

bool to_os_name(std::u16string_view Name, std::string& Out, int& Error) {
  if (to_os_name(Name, Out)) return true;
  Error = EINVAL;
  return false;
}

String from_os_name(std::string_view Bytes) {
  String out;
  out.reserve(Bytes.size());
  for (std::size_t i = 0; i < Bytes.size();) {
    const auto lead = static_cast<unsigned char>(Bytes[i]);
    if (lead < 0x80) {
      out.push_back(lead);
      ++i;
      continue;
    }
    // A valid sequence decodes to one character (two for four bytes) that
    // encodes back to the same bytes; from_utf8 turns anything else into
    // several Latin-1 characters.
    const std::size_t len = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 0;
    if (len != 0 && i + len <= Bytes.size()) {
      const std::string_view sequence = Bytes.substr(i, len);
      const String decoded = from_utf8(sequence);
      if (decoded.size() == (len == 4 ? 2u : 1u) && to_utf8(decoded) == sequence) {
        out += decoded;
        i += len;
        continue;
      }
    }
    out.push_back(static_cast<char16_t>(kEscapeBase + lead));
    ++i;
  }
  return out;
}

}  // namespace zyl::platform::posix
