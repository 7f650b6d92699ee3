#include "checklist.h"

namespace zyl_tool {
namespace {

bool is_hex(char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'); }

bool has_line_break(std::string_view name) { return name.find_first_of("\n\r") != std::string_view::npos; }

std::string escape(std::string_view name) {
  std::string s;
  for (const char c : name) {
    if (c == '\\') {
      s += "\\\\";
    } else if (c == '\n') {
      s += "\\n";
    } else if (c == '\r') {
      s += "\\r";
    } else {
      s += c;
    }
  }
  return s;
}

// The name an escaped line spells, or nothing for an unknown escape or a
// lone backslash at the end.
std::optional<std::string> unescape(std::string_view s) {
  std::string name;
  for (std::size_t i = 0; i < s.size(); ++i) {
    if (s[i] != '\\') {
      name += s[i];
      continue;
    }
    if (++i == s.size()) return std::nullopt;
    if (s[i] == '\\') {
      name += '\\';
    } else if (s[i] == 'n') {
      name += '\n';
    } else if (s[i] == 'r') {
      name += '\r';
    } else {
      return std::nullopt;
    }
  }
  return name;
}

bool all_hex(std::string_view s) {
  for (const char c : s)
    if (!is_hex(c)) return false;
  return true;
}

}  // namespace

std::optional<CheckEntry> parse_check_line(std::string_view line, std::string_view tag, std::size_t hex_len) {
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  const bool escaped = !line.empty() && line.front() == '\\';
  if (escaped) line.remove_prefix(1);
  std::string_view hex, name;
  if (line.size() > tag.size() + 2 && line.substr(0, tag.size()) == tag && line.substr(tag.size(), 2) == " (") {
    // TAG (NAME) = HEX: the name is everything up to the last ") = ".
    const std::size_t close = line.rfind(") = ");
    if (close == std::string_view::npos || close < tag.size() + 2) return std::nullopt;
    name = line.substr(tag.size() + 2, close - tag.size() - 2);
    hex = line.substr(close + 4);
  } else {
    // HEX, a space, a space or "*", NAME.
    if (line.size() < hex_len + 3 || line[hex_len] != ' ' || (line[hex_len + 1] != ' ' && line[hex_len + 1] != '*'))
      return std::nullopt;
    hex = line.substr(0, hex_len);
    name = line.substr(hex_len + 2);
  }
  if (hex.size() != hex_len || !all_hex(hex) || name.empty()) return std::nullopt;
  CheckEntry e{std::string(hex), std::string(name)};
  if (escaped) {
    const auto n = unescape(name);
    if (!n || n->empty()) return std::nullopt;
    e.name = *n;
  } else if (name.find('\n') != std::string_view::npos) {
    return std::nullopt;
  }
  return e;
}

std::string format_check_line(std::string_view hex, std::string_view name, bool backslash_paths) {
  const bool escaped = has_line_break(name) || (!backslash_paths && name.find('\\') != std::string_view::npos);
  if (escaped) return "\\" + std::string(hex) + "  " + escape(name);
  return std::string(hex) + "  " + std::string(name);
}

std::string display_name(std::string_view name) {
  return has_line_break(name) ? "\\" + escape(name) : std::string(name);
}

bool same_hex(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
    if (lower(a[i]) != lower(b[i])) return false;
  }
  return true;
}

}  // namespace zyl_tool
