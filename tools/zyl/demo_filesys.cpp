// The file-system section of "zyl demo": a table of the path functions on
// fixed names, then a text file written, inspected and repaired.
#include <cstdio>
#include <string>

#include "command.h"
#include "privatetempdir.h"
#include "zyl.h"

namespace zyl_tool {
namespace {

std::string u8(const zyl::String& s) { return zyl::to_utf8(s); }

void path_table() {
  const zyl::String paths[] = {u"C:\\Data\\run7.old\\values.tar.gz", u"/usr/share/doc/README", u"d:notes.",
                               u"C:\\PROGRA~1\\TOOLS.EXE"};
  std::printf("  %-32s %-28s %-22s %-5s %s\n", "path", "StripExtension", "ParentDir", "drive", "8.3");
  for (const zyl::String& p : paths)
    std::printf("  %-32s %-28s %-22s %-5d %s\n", u8(p).c_str(), u8(zyl::StripExtension(p)).c_str(),
                u8(zyl::ParentDir(p)).c_str(), zyl::ExtractDrive(p), zyl::IsDOS83Path(p) ? "yes" : "no");
  std::printf("  AbridgeFilePath(\"%s\", 20) => \"%s\"\n", u8(paths[0]).c_str(),
              u8(zyl::AbridgeFilePath(paths[0], 20)).c_str());
  std::printf("  ReplaceInvalidFileNameChars(\"a:b?c.txt\", '_') => \"%s\", InsertBeforeFileExt(\"_v2\", \"plot.png\") => \"%s\"\n",
              u8(zyl::ReplaceInvalidFileNameChars(u"a:b?c.txt", u'_')).c_str(),
              u8(zyl::InsertBeforeFileExt(u"_v2", u"plot.png")).c_str());
}

void text_file_inspected(const zyl::String& name) {
  zyl::TStringList lines;
  for (const char16_t* l : {u"Run 7 of the flow cell", u"240", u"3", u"TRUE false\tTRUE", u"0.1 0.2 0.3"})
    lines.Add(l);
  zyl::AppendToTextFile(name, lines);
  zyl::AppendToTextFile(name, u"0.4 0.5 0.6");
  zyl::String title;
  std::int32_t rows = 0, cols = 0;
  bool f1 = false, f2 = false, f3 = false, f4 = false;
  const std::int32_t status = zyl::ReadHeaderOfASC(name, title, rows, cols, f1, f2, f3, f4);
  std::printf("  ASC header: status %d, \"%s\", %d x %d, flags %d %d %d %d\n", status, u8(title).c_str(), rows, cols,
              f1, f2, f3, f4);
  std::int32_t count = 0;
  const zyl::TStrArray last = zyl::ReadLastNLinesOfTextFile(name, 2, count);
  std::printf("  %d lines, %d bytes, type %s; the last two: \"%s\", \"%s\"\n", zyl::CountLinesInTextFile(name, nullptr),
              zyl::GetFileSize(name), zyl::CheckTextFileType(name) == zyl::TTextfileType::tftUnknown ? "plain" : "marked",
              u8(last[0]).c_str(), u8(last[1]).c_str());
  zyl::String line;
  const std::int32_t pos = zyl::FindFirstMatchInTextFile(name, u"FALSE", true, line);
  std::printf("  \"FALSE\" ignoring case: position %d in \"%s\"; within the first 60 characters at %d\n", pos,
              u8(line).c_str(), zyl::DetectStringInFile(name, u"false", false, 60));
}

void demo_filesys() {
  path_table();
  const PrivateTempDir dir("zyl-demo-");
  text_file_inspected(dir.file("inspected.asc"));
}

const DemoRegistration demo{{68, "File system: path names and a text file inspected", demo_filesys}};

}  // namespace
}  // namespace zyl_tool
