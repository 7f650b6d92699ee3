// Library: zyl / Package: platform / Module: savefile
#include "platform/savefile.h"

#include <string>

#include "platform/exceptions.h"
#include "platform/file.h"
#include "platform/savetarget.h"

namespace zyl::platform {
namespace {

using detail::SaveRoute;
using detail::SaveTarget;

constexpr int kErrWriteFault = 29;  // the host's run-time code for a failed write

[[noreturn]] void fail(const String& Name, int Error) {
  throw EInOutError(u"Cannot write \"" + Name + u"\": " + error_message(Error), Error);
}

// Writes all of Bytes at File's position; false and Error otherwise.
bool write_all(const FileHandle& File, std::string_view Bytes, int& Error) {
  const auto n = static_cast<std::int64_t>(Bytes.size());
  if (write_file(File, Bytes.data(), n, Error) == n) return true;
  if (Error == 0) Error = kErrWriteFault;
  return false;
}

// Makes File hold exactly Bytes, durably.
bool overwrite(const FileHandle& File, std::string_view Bytes, int& Error) {
  return seek_file(File, 0, TSeekOrigin::soBeginning, Error) == 0 && write_all(File, Bytes, Error) &&
         resize_file(File, static_cast<std::int64_t>(Bytes.size()), Error) &&
         detail::flush_to_disk(File, Error);
}

// The old contents of File, when they can be read, so that a failed rewrite
// can put them back.
bool read_all(const FileHandle& File, std::string& Bytes) {
  int error = 0;
  const std::int64_t size = file_size(File, error);
  if (size < 0 || static_cast<std::uint64_t>(size) > Bytes.max_size()) return false;
  Bytes.resize(static_cast<std::size_t>(size));
  return seek_file(File, 0, TSeekOrigin::soBeginning, error) == 0 &&
         read_file(File, Bytes.data(), size, error) == size;
}

// A block the sink could not write: the error travels out of the producer
// to save_file_by_blocks, which reports it.
struct SinkFailure {
  int Error;
};

// Writes every block Produce hands out at File's position. For a file that
// will be flushed, the disk is asked to start on each 8 MiB written.
void produce_into(const FileHandle& File, const SaveProducer& Produce, bool StartWriteback) {
  constexpr std::int64_t kWritebackStep = 8 << 20;
  std::int64_t written = 0, handed_on = 0;
  Produce([&](std::string_view Block) {
    int error = 0;
    if (!write_all(File, Block, error)) throw SinkFailure{error};
    written += static_cast<std::int64_t>(Block.size());
    if (StartWriteback && written - handed_on >= kWritebackStep) {
      detail::start_writeback(File, handed_on, written - handed_on);
      handed_on = written;
    }
  });
}

// A device or pipe takes the bytes as they come.
bool write_stream(const SaveTarget& Target, const SaveProducer& Produce, int& Error) {
  FileHandle f = detail::open_save_target(Target, FileAccess::Write, 0, Error);
  if (!f.valid()) return false;
  produce_into(f, Produce, false);
  Error = f.close();
  return Error == 0;
}

// A file with several names is rewritten through itself, so every name
// shows the new contents; they are collected whole first, so a producer
// that fails changes nothing.
bool rewrite_in_place(const SaveTarget& Target, const SaveProducer& Produce, int& Error) {
  std::string bytes;
  Produce([&bytes](std::string_view Block) { bytes.append(Block); });
  FileHandle f = detail::open_save_target(Target, FileAccess::ReadWrite, 0, Error);
  if (!f.valid()) return false;
  std::string old;
  const bool have_old = read_all(f, old);
  if (!overwrite(f, bytes, Error)) {
    int ignored = 0;
    if (have_old) overwrite(f, old, ignored);
    return false;
  }
  Error = f.close();
  return Error == 0;
}

// Removes the temporary file unless it took the target's place, whether
// the save fails or the producer throws. Declared before the file's handle,
// so that the handle is closed first (Windows deletes no open file).
class TemporaryFile {
 public:
  TemporaryFile() = default;
  ~TemporaryFile() {
    if (FName.empty()) return;
    int ignored = 0;
    delete_file(FName, ignored);
  }
  TemporaryFile(const TemporaryFile&) = delete;
  TemporaryFile& operator=(const TemporaryFile&) = delete;
  String& name() { return FName; }
  void keep() { FName.clear(); }

 private:
  String FName;
};

// The temporary file is complete and on the disk before it takes the
// target's place; on any failure it is removed and the target is untouched.
bool replace_through_temporary(SaveTarget& Target, const SaveProducer& Produce, int& Error) {
  TemporaryFile temp;
  FileHandle f = detail::create_temporary_beside(Target, temp.name(), Error);
  if (!f.valid()) {
    temp.keep();  // nothing of ours was created under that name
    return false;
  }
  produce_into(f, Produce, true);
  if (!detail::flush_to_disk(f, Error)) return false;
  Error = f.close();
  if (Error != 0 || !detail::commit_temporary(temp.name(), Target, Error)) return false;
  temp.keep();
  return true;
}

}  // namespace

void save_file_by_blocks(const String& Name, const SaveProducer& Produce) {
  SaveTarget target;
  int error = 0;
  if (!detail::resolve_save_target(Name, target, error)) fail(Name, error);
  bool ok = false;
  try {
    switch (target.Route) {
      case SaveRoute::Stream: ok = write_stream(target, Produce, error); break;
      case SaveRoute::InPlace: ok = rewrite_in_place(target, Produce, error); break;
      case SaveRoute::Create:
      case SaveRoute::Replace:
        ok = replace_through_temporary(target, Produce, error);
        // The target's attributes could not be carried over; nothing was
        // produced yet.
        if (!ok && target.Route == SaveRoute::InPlace) ok = rewrite_in_place(target, Produce, error);
        break;
    }
  } catch (const SinkFailure& f) {
    error = f.Error;
  }
  if (!ok) fail(Name, error != 0 ? error : kErrWriteFault);
}

void save_file(const String& Name, std::string_view Bytes) {
  save_file_by_blocks(Name, [Bytes](const SaveSink& Sink) { Sink(Bytes); });
}

}  // namespace zyl::platform
