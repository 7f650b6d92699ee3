// Library: zyl / Package: platform / Module: progassoc (POSIX backend)
#include "platform/progassoc.h"

#include <dirent.h>
#include <strings.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <algorithm>
#include <vector>

namespace zyl::platform {
namespace {

std::string env_or(const char* Name, const std::string& Default) {
  const char* value = std::getenv(Name);
  return value != nullptr && *value != '\0' ? value : Default;
}

std::vector<std::string> split(const std::string& Text, char Separator) {
  std::vector<std::string> parts;
  std::istringstream in(Text);
  for (std::string part; std::getline(in, part, Separator);)
    if (!part.empty()) parts.push_back(part);
  return parts;
}

std::string home() { return env_or("HOME", "/"); }

// The data directories in precedence order: $XDG_DATA_HOME, then $XDG_DATA_DIRS.
std::vector<std::string> data_dirs() {
  std::vector<std::string> dirs{env_or("XDG_DATA_HOME", home() + "/.local/share")};
  for (const std::string& d : split(env_or("XDG_DATA_DIRS", "/usr/local/share:/usr/share"), ':')) dirs.push_back(d);
  return dirs;
}

std::vector<std::string> config_dirs() {
  std::vector<std::string> dirs{env_or("XDG_CONFIG_HOME", home() + "/.config")};
  for (const std::string& d : split(env_or("XDG_CONFIG_DIRS", "/etc/xdg"), ':')) dirs.push_back(d);
  return dirs;
}

// The MIME type whose glob is "*.<ext>", from the globs2 files (weight:type:glob[:flags]),
// the heaviest match of the first directory that has one. Globs match without
// regard to case unless flagged "cs".
std::string mime_type_of(const std::string& Extension) {
  const std::string glob = "*." + Extension;
  for (const std::string& dir : data_dirs()) {
    std::ifstream in(dir + "/mime/globs2");
    std::string best;
    int best_weight = -1;
    for (std::string line; std::getline(in, line);) {
      if (line.empty() || line[0] == '#') continue;
      const std::vector<std::string> f = split(line, ':');
      if (f.size() < 3) continue;
      const bool case_sensitive = f.size() > 3 && f[3].find("cs") != std::string::npos;
      const bool match = case_sensitive ? f[2] == glob
                                        : f[2].size() == glob.size() && ::strcasecmp(f[2].c_str(), glob.c_str()) == 0;
      const int weight = std::atoi(f[0].c_str());
      if (match && weight > best_weight) {
        best = f[1];
        best_weight = weight;
      }
    }
    if (!best.empty()) return best;
  }
  return std::string();
}

// The value of one key in one section of a desktop-entry style file, or empty.
std::string ini_value(const std::string& Path, const std::string& Section, const std::string& Key) {
  std::ifstream in(Path);
  bool in_section = false;
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (!line.empty() && line[0] == '[') {
      in_section = line == "[" + Section + "]";
      continue;
    }
    if (!in_section) continue;
    const std::size_t eq = line.find('=');
    if (eq == std::string::npos) continue;
    std::string key = line.substr(0, eq);
    while (!key.empty() && key.back() == ' ') key.pop_back();
    if (key == Key) {
      std::size_t start = eq + 1;
      while (start < line.size() && line[start] == ' ') ++start;
      return line.substr(start);
    }
  }
  return std::string();
}

// The Exec line of an installed application, found by its desktop-file id.
std::string exec_line(const std::string& DesktopId) {
  if (DesktopId.find('/') != std::string::npos) return std::string();
  for (const std::string& dir : data_dirs()) {
    const std::string exec = ini_value(dir + "/applications/" + DesktopId, "Desktop Entry", "Exec");
    if (!exec.empty()) return exec;
  }
  return std::string();
}

// The default application's command for a MIME type: the first listed
// application that is installed, in the mimeapps.list files in precedence order.
std::string default_command(const std::string& MimeType) {
  std::vector<std::string> lists;
  for (const std::string& d : config_dirs()) lists.push_back(d + "/mimeapps.list");
  for (const std::string& d : data_dirs()) lists.push_back(d + "/applications/mimeapps.list");
  for (const char* section : {"Default Applications", "Added Associations"}) {
    for (const std::string& list : lists) {
      for (const std::string& id : split(ini_value(list, section, MimeType), ';')) {
        const std::string exec = exec_line(id);
        if (!exec.empty()) return exec;
      }
    }
  }
  return std::string();
}

// The desktop-file ids in Dir/applications, sorted by name.
std::vector<std::string> desktop_ids(const std::string& Dir) {
  std::vector<std::string> ids;
  if (DIR* d = ::opendir((Dir + "/applications").c_str())) {
    while (const dirent* e = ::readdir(d)) {
      const std::string name = e->d_name;
      if (name.size() > 8 && name.compare(name.size() - 8, 8, ".desktop") == 0) ids.push_back(name);
    }
    ::closedir(d);
  }
  std::sort(ids.begin(), ids.end());
  return ids;
}

bool lists_type(const std::string& Types, const std::string& MimeType) {
  const std::vector<std::string> types = split(Types, ';');
  return std::find(types.begin(), types.end(), MimeType) != types.end();
}

// With no default named, the applications that declare the type, as the
// desktop's own tools find them: in each data directory in precedence
// order, those its mimeinfo.cache lists, then its desktop files by name
// (the cache may be missing or stale).
std::string declared_command(const std::string& MimeType) {
  for (const std::string& dir : data_dirs()) {
    for (const std::string& id : split(ini_value(dir + "/applications/mimeinfo.cache", "MIME Cache", MimeType), ';')) {
      const std::string exec = exec_line(id);
      if (!exec.empty()) return exec;
    }
    for (const std::string& id : desktop_ids(dir)) {
      const std::string file = dir + "/applications/" + id;
      if (!lists_type(ini_value(file, "Desktop Entry", "MimeType"), MimeType)) continue;
      if (ini_value(file, "Desktop Entry", "Hidden") == "true") continue;
      const std::string exec = ini_value(file, "Desktop Entry", "Exec");
      if (!exec.empty()) return exec;
    }
  }
  return std::string();
}

}  // namespace

String program_association(const String& Extension) {
  if (Extension.empty() || Extension.find_first_of(u"/:*\0", 0, 4) != String::npos) return String();
  const std::string mime = mime_type_of(to_utf8(Extension));
  if (mime.empty()) return String();
  std::string command = default_command(mime);
  if (command.empty()) command = declared_command(mime);
  return from_utf8(command);
}

}  // namespace zyl::platform
