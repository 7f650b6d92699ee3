// A read-only stream without a memory window that hands out at most 7 bytes
// per Read, as a pipe or socket might: functions must read on until a read
// returns nothing.
#pragma once

#include <algorithm>
#include <cstring>
#include <string>

#include "platform/stream.h"

namespace zyl::test {

class TrickleStream : public zyl::TStream {
 public:
  explicit TrickleStream(std::string s) : FData(std::move(s)) {}
  std::int32_t Read(void* Buffer, std::int32_t Count) override {
    const std::size_t n = std::min<std::size_t>({static_cast<std::size_t>(std::max(Count, 0)), 7, FData.size() - FPos});
    std::memcpy(Buffer, FData.data() + FPos, n);
    FPos += n;
    return static_cast<std::int32_t>(n);
  }
  std::int32_t Write(const void*, std::int32_t) override { return 0; }
  std::int64_t Seek(std::int64_t, zyl::TSeekOrigin) override { return static_cast<std::int64_t>(FPos); }

 private:
  std::string FData;
  std::size_t FPos = 0;
};

}  // namespace zyl::test
