// zyl rmtree, trash, ls and count: deleting trees, recycling files, and
// listing or counting the files that masks match.
#include <string>

#include "command.h"
#include "io.h"
#include "zyl.h"
#include "platform/program.h"

namespace zyl_tool {
namespace {

std::string u8(const zyl::String& s) { return zyl::platform::file_name_text(s); }
zyl::String name_of(const std::string& Argument) { return zyl::platform::argument_file_name(Argument); }

std::vector<std::string> masks_of(Args& args, const char* what) {
  auto masks = args.positional();  // masks reach the library as given: it expands them
  if (masks.empty()) throw UsageError(std::string("a ") + what + " is needed");
  return masks;
}

int run_rmtree(Args& args) {
  int status = 0;
  for (const std::string& dir : masks_of(args, "DIR")) {
    const zyl::String failed = zyl::DelDirTree(name_of(dir));
    if (failed.empty()) continue;
    report_error("cannot remove " + u8(failed));
    status = 1;
  }
  return status;
}

int run_trash(Args& args) {
  int status = 0;
  std::int32_t moved = 0;
  for (const std::string& mask : masks_of(args, "MASK")) {
    const std::int32_t n = zyl::MoveToRecycleBin(name_of(mask));
    if (n == 0) {
      report_error(mask + ": nothing moved to the recycle bin");
      status = 1;
    }
    moved += n;
  }
  write_stdout(std::to_string(moved) + (moved == 1 ? " file" : " files") + " moved to the recycle bin\n");
  return status;
}

// Walks every mask; reports each directory that could not be listed and
// gives the exit status (1 when there was one).
int scan_masks(Args& args, zyl::TStrings* Names, std::int64_t& Total) {
  const bool recursive = args.flag("-r");
  int status = 0;
  Total = 0;
  for (const std::string& mask : masks_of(args, "MASK")) {
    std::int32_t count = 0;
    for (const zyl::String& failure : zyl::ScanFilesReport(name_of(mask), recursive, Names, count, nullptr)) {
      report_error("cannot list " + u8(failure));
      status = 1;
    }
    Total += count;
  }
  return status;
}

int run_ls(Args& args) {
  zyl::TStringList names;
  std::int64_t total = 0;
  const int status = scan_masks(args, &names, total);
  std::string out;
  for (int i = 0; i < names.Count(); ++i) out += u8(names.Get(i)) + "\n";
  write_stdout(out);
  return status;
}

int run_count(Args& args) {
  std::int64_t total = 0;
  const int status = scan_masks(args, nullptr, total);
  write_stdout(std::to_string(total) + "\n");
  return status;
}

const CommandRegistration rmtree_reg{
    {"rmtree", "DIR...", "delete directories with everything in them (links removed, never followed)", run_rmtree}};
const CommandRegistration trash_reg{
    {"trash", "MASK...", "move the files that masks match to the recycle bin", run_trash}};
const CommandRegistration ls_reg{
    {"ls", "[-r] MASK...", "list the files that masks match (-r: in subdirectories too)", run_ls}};
const CommandRegistration count_reg{
    {"count", "[-r] MASK...", "count the files that masks match (-r: in subdirectories too)", run_count}};

}  // namespace
}  // namespace zyl_tool
