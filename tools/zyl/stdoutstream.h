// Standard output as a write-only zyl stream, for commands whose library
// functions write to a stream. Writes go straight to write_stdout (which
// raises std::runtime_error on failure); reading gives nothing and seeking
// reports the number of bytes written so far.
#pragma once

#include "platform/stream.h"

namespace zyl_tool {

class StdoutStream : public zyl::TStream {
 public:
  std::int32_t Read(void*, std::int32_t) override { return 0; }
  std::int32_t Write(const void* Buffer, std::int32_t Count) override;
  std::int64_t Seek(std::int64_t, zyl::TSeekOrigin) override { return FWritten; }

 private:
  std::int64_t FWritten = 0;
};

}  // namespace zyl_tool
