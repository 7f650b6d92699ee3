#include "stdoutstream.h"

#include "io.h"

namespace zyl_tool {

std::int32_t StdoutStream::Write(const void* Buffer, std::int32_t Count) {
  if (Count <= 0) return 0;
  write_stdout(Buffer, static_cast<std::size_t>(Count));
  FWritten += Count;
  return Count;
}

}  // namespace zyl_tool
