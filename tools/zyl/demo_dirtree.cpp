// The directory-tree section of "zyl demo": a small tree built in a private
// temporary directory, scanned, copied (a file with its progress reports, an
// aborted copy, the whole tree) and deleted. Only names relative to the tree
// are printed, so the output is the same on every machine.
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "command.h"
#include "privatetempdir.h"
#include "zyl.h"

namespace zyl_tool {
namespace {

namespace fs = std::filesystem;

std::string u8(const zyl::String& s) { return zyl::to_utf8(s); }

fs::path fs_path(const zyl::String& s) {
  const std::string text = u8(s);
  return fs::path(std::u8string(text.begin(), text.end()));
}

void write_file(const zyl::String& Name, const std::string& Bytes) {
  fs::create_directories(fs_path(Name).parent_path());
  std::ofstream(fs_path(Name), std::ios::binary) << Bytes;
}

// The file names (without directories) that Mask finds, sorted.
std::string names_found(const zyl::String& Mask, bool Recursive) {
  zyl::TStringList list;
  zyl::ScanFilesToStrList(Mask, Recursive, &list, nullptr);
  std::vector<std::string> names;
  for (int i = 0; i < list.Count(); ++i) names.push_back(u8(zyl::ExtractFileName(list.Get(i))));
  std::sort(names.begin(), names.end());
  std::string out;
  for (const std::string& n : names) out += (out.empty() ? "" : ", ") + n;
  return out;
}

void build_tree(const zyl::String& Root) {
  write_file(Root + u"tree/notes.txt", "notes\n");
  write_file(Root + u"tree/B.TXT", "upper case\n");
  write_file(Root + u"tree/.settings", "hidden\n");
  write_file(Root + u"tree/data/run7.asc", std::string(2621440, 'x'));
  write_file(Root + u"tree/data/old/a.txt", "a\n");
  fs::create_directories(fs_path(Root + u"tree/empty"));
}

void scan(const zyl::String& Tree) {
  std::printf("  CountFiles(\"*\"): %d here, %d with subdirectories; \"*.TXT\" with subdirectories: %d\n",
              zyl::CountFiles(Tree + u"*", false, nullptr), zyl::CountFiles(Tree + u"*", true, nullptr),
              zyl::CountFiles(Tree + u"*.TXT", true, nullptr));
  std::printf("  ScanFilesToStrList(\"*.txt\", with subdirectories): %s\n", names_found(Tree + u"*.txt", true).c_str());
  std::printf("  DirEmpty(\"empty\") %s, DirEmpty(\"data\") %s, DirExists(\"notes.txt\") %s\n",
              zyl::DirEmpty(Tree + u"empty") ? "yes" : "no", zyl::DirEmpty(Tree + u"data") ? "yes" : "no",
              zyl::DirExists(Tree + u"notes.txt") ? "yes" : "no");
}

void copy_file(const zyl::String& Root) {
  std::string reports;
  const std::int32_t rc = zyl::FileCopyFeedBk(Root + u"tree/data/run7.asc", Root + u"run7.copy", false,
                                              [&](std::int64_t done, std::int64_t) {
                                                reports += (reports.empty() ? "" : ", ") + std::to_string(done);
                                              });
  std::printf("  FileCopyFeedBk of 2.5 MiB: result %d, %lld bytes; progress reports %s\n", rc,
              static_cast<long long>(zyl::GetFileSize64(Root + u"run7.copy")), reports.c_str());
  write_file(Root + u"keep.txt", "the old contents\n");
  const std::int32_t aborted = zyl::FileCopyFeedBk(Root + u"tree/data/run7.asc", Root + u"keep.txt", false,
                                                   [](std::int64_t done, std::int64_t) {
                                                     if (done > 0) zyl::AbortAnyFileCopying();
                                                   });
  std::printf("  the same copy over keep.txt, aborted after one block: result %d, keep.txt still %lld bytes\n",
              aborted, static_cast<long long>(zyl::GetFileSize64(Root + u"keep.txt")));
}

void copy_and_delete_tree(const zyl::String& Root) {
  std::int32_t files = 0;
  zyl::CopyFileTree(Root + u"tree", Root + u"copy", false,
                    [&](std::int64_t, std::int64_t, const zyl::String&, std::int32_t count) { files = count; });
  std::printf("  CopyFileTree: %d files copied; the copy holds %d files; empty directory recreated: %s\n", files,
              zyl::CountFiles(Root + u"copy/*", true, nullptr), zyl::DirExists(Root + u"copy/empty") ? "yes" : "no");
  const auto refused = zyl::CopyFileTreeReport(Root + u"tree", Root + u"tree/data/inside", false, nullptr);
  std::printf("  CopyFileTree into its own subdirectory: %s\n", refused.size() == 1 ? "refused" : "copied");
  const std::int32_t deleted = zyl::DeleteFiles(Root + u"copy/*.*");
  std::printf("  DeleteFiles(\"copy/*.*\"): %d deleted; left there: %s\n", deleted,
              names_found(Root + u"copy/*", false).c_str());
  fs::permissions(fs_path(Root + u"copy/data/old/a.txt"), fs::perms::owner_write | fs::perms::group_write |
                                                              fs::perms::others_write, fs::perm_options::remove);
  std::printf("  DelDirTree(\"copy\") with a read-only file: stopped at %s\n",
              u8(zyl::ExtractFileName(zyl::DelDirTree(Root + u"copy"))).c_str());
  fs::permissions(fs_path(Root + u"copy/data/old/a.txt"), fs::perms::owner_write, fs::perm_options::add);
  const zyl::String again = zyl::DelDirTree(Root + u"copy");
  std::printf("  DelDirTree(\"copy\") once it is writable: \"%s\"; DelDirTree(\"/\") refused: \"%s\"\n",
              u8(again).c_str(), u8(zyl::DelDirTree(u"/")).c_str());
}

void demo_dirtree() {
  const PrivateTempDir tmp("zyl-demo-tree-");
  const zyl::String root = tmp.file("");
  build_tree(root);
  scan(root + u"tree/");
  copy_file(root);
  copy_and_delete_tree(root);
}

const DemoRegistration demo{{70, "File system: directory trees scanned, copied and deleted", demo_dirtree}};

}  // namespace
}  // namespace zyl_tool
