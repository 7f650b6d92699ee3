// zyl copy [--attrs] SRC DST and zyl copytree [--attrs] SRC DST: copying a
// file or a directory tree with a progress bar on a terminal. Ctrl-C stops
// the copy and leaves the file being copied at the destination as it was.
#include <memory>
#include <string>
#include <vector>

#include "command.h"
#include "platform/console.h"
#include "progressbar.h"
#include "zyl.h"
#include "platform/program.h"

namespace zyl_tool {
namespace {

std::string u8(const zyl::String& s) { return zyl::platform::file_name_text(s); }

// Dir with a delimiter at its end ("\\" or "/" already there counts).
zyl::String with_delimiter(const zyl::String& Dir) {
  if (Dir.empty() || Dir.back() == u'/' || Dir.back() == u'\\') return Dir;
  return Dir + zyl::PathDelim;
}

void abort_copy() { zyl::AbortAnyFileCopying(); }

// Ctrl-C aborts the copy while the object lives.
class InterruptAbortsCopy {
 public:
  InterruptAbortsCopy() { zyl::platform::on_interrupt(abort_copy); }
  ~InterruptAbortsCopy() { zyl::platform::on_interrupt(nullptr); }
  InterruptAbortsCopy(const InterruptAbortsCopy&) = delete;
  InterruptAbortsCopy& operator=(const InterruptAbortsCopy&) = delete;
};

void two_paths(Args& args, zyl::String& Source, zyl::String& Dest) {
  const auto rest = args.positional();
  if (rest.size() != 2) throw UsageError("SRC and DST are needed");
  Source = zyl::platform::argument_file_name(rest[0]);
  Dest = zyl::platform::argument_file_name(rest[1]);
}

int interrupted(const std::string& what) {
  report_error("interrupted; " + what);
  return 130;
}

int run_copy(Args& args) {
  const bool attrs = args.flag("--attrs");
  zyl::String source, dest;
  two_paths(args, source, dest);
  if (zyl::DirExists(dest)) dest = with_delimiter(dest) + zyl::ExtractFileName(source);
  const InterruptAbortsCopy interrupt;
  std::int32_t rc = 0;
  {
    std::unique_ptr<ProgressBar> bar;
    rc = zyl::FileCopyFeedBk(source, dest, attrs, [&](std::int64_t done, std::int64_t size) {
      if (!bar) bar = std::make_unique<ProgressBar>(size);
      bar->update(done, u8(zyl::ExtractFileName(source)));
    });
  }
  if (zyl::FileCopyingAborted()) return interrupted(u8(dest) + " left as it was");
  switch (rc) {
    case 0: return 0;
    case -1: report_error("cannot open " + u8(source) + " for reading"); break;
    case -2: report_error("cannot create " + u8(dest)); break;
    case -3: report_error("cannot write " + u8(dest) + " (left as it was)"); break;
    default: report_error("cannot read " + u8(source) + " (" + u8(dest) + " left as it was)"); break;
  }
  return 1;
}

int run_copytree(Args& args) {
  const bool attrs = args.flag("--attrs");
  zyl::String source, dest;
  two_paths(args, source, dest);
  if (!zyl::DirExists(source)) {
    report_error(u8(source) + ": not a directory");
    return 1;
  }
  std::int64_t total = 0;
  zyl::TStringList files;
  zyl::ScanFilesToStrList(with_delimiter(source) + u"*", true, &files, nullptr);
  for (int i = 0; i < files.Count(); ++i) total += zyl::GetFileSize64(files.Get(i));
  const InterruptAbortsCopy interrupt;
  std::vector<zyl::String> failures;
  {
    ProgressBar bar(total);
    std::int64_t finished = 0;  // bytes of the files done before the current one
    std::int32_t current = 0;
    std::int64_t current_size = 0;
    failures = zyl::CopyFileTreeReport(
        source, dest, attrs, [&](std::int64_t done, std::int64_t size, const zyl::String& name, std::int32_t count) {
          if (done < 0) return;  // not copied (a FIFO, device or socket): among the failures reported below
          if (count != current) {
            finished += current_size;
            current = count;
          }
          current_size = size;
          bar.update(finished + done, u8(name));
        });
  }
  if (zyl::FileCopyingAborted()) return interrupted("the file being copied was left as it was");
  for (const zyl::String& f : failures) report_error(u8(f));
  return failures.empty() ? 0 : 1;
}

const CommandRegistration copy_reg{
    {"copy", "[--attrs] SRC DST", "copy a file (into DST when it is a directory), with progress on a terminal",
     run_copy}};
const CommandRegistration copytree_reg{
    {"copytree", "[--attrs] SRC DST", "copy a directory tree, with progress on a terminal", run_copytree}};

}  // namespace
}  // namespace zyl_tool
