// Library: zyl / Package: platform / Module: filecopy (the part common to both backends)
#include "platform/filecopy.h"

#include <algorithm>

namespace zyl::platform {
namespace {

// Large enough that the system-call cost vanishes beside the data moved.
constexpr std::size_t kBufferBytes = std::size_t{1} << 20;

}  // namespace

std::int64_t copy_file_data(const FileHandle& Source, const FileHandle& Dest, std::int64_t Count,
                            std::vector<std::byte>& Buffer, CopyFailure& Failure, int& Error) {
  Failure = CopyFailure::None;
  bool end = false;
  std::int64_t done = detail::kernel_copy(Source, Dest, Count, end);
  if (end) return done;
  if (Buffer.size() < kBufferBytes)
    Buffer.resize(static_cast<std::size_t>(std::min<std::int64_t>(Count - done, kBufferBytes)) + 1);
  while (done < Count) {
    const std::int64_t want = std::min<std::int64_t>(Count - done, static_cast<std::int64_t>(Buffer.size()));
    int error = 0;
    const std::int64_t got = read_file(Source, Buffer.data(), want, error);
    if (error != 0 || got < 0) {
      Failure = CopyFailure::Read;
      Error = error;
      return done > 0 ? done : -1;
    }
    if (got == 0) break;
    const std::int64_t put = write_file(Dest, Buffer.data(), got, error);
    if (put != got) {
      Failure = CopyFailure::Write;
      Error = error;
      return done > 0 ? done : -1;
    }
    done += got;
    if (got < want) break;  // the end of the source
  }
  return done;
}

}  // namespace zyl::platform
