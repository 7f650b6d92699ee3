// Streams of every kind holding given bytes, so that each scanner is checked
// on the buffered fast path (file and memory streams) and on the plain
// byte-by-byte path (a stream without a read window) with the same inputs.
#pragma once

#include <algorithm>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "platform/filestream.h"
#include "platform/memorystream.h"
#include "support/tempdir.h"

namespace zyl::test {

// A stream over bytes that offers no read window and hands out at most
// Chunk bytes per Read.
class PlainStream : public TStream {
 public:
  explicit PlainStream(std::string Bytes, std::int32_t Chunk = 1 << 30) : FData(std::move(Bytes)), FChunk(Chunk) {}
  std::int32_t Read(void* Buffer, std::int32_t Count) override {
    const auto left = static_cast<std::int64_t>(FData.size()) - FPos;
    const auto n = static_cast<std::int32_t>(std::max<std::int64_t>(0, std::min<std::int64_t>({Count, left, FChunk})));
    if (n > 0) std::memcpy(Buffer, FData.data() + FPos, static_cast<std::size_t>(n));
    FPos += n;
    return n;
  }
  std::int32_t Write(const void* Buffer, std::int32_t Count) override {
    if (Count <= 0) return 0;
    if (FData.size() < static_cast<std::size_t>(FPos + Count)) FData.resize(static_cast<std::size_t>(FPos + Count));
    std::memcpy(FData.data() + FPos, Buffer, static_cast<std::size_t>(Count));
    FPos += Count;
    return Count;
  }
  std::int64_t Seek(std::int64_t Offset, TSeekOrigin Origin) override {
    const std::int64_t base = Origin == TSeekOrigin::soBeginning ? 0
                              : Origin == TSeekOrigin::soCurrent ? FPos
                                                                 : static_cast<std::int64_t>(FData.size());
    FPos = std::max<std::int64_t>(0, base + Offset);
    return FPos;
  }
  const std::string& data() const { return FData; }

 private:
  std::string FData;
  std::int64_t FPos = 0;
  std::int32_t FChunk;
};

struct StreamKind {
  const char* name;
  std::unique_ptr<TStream> (*make)(const std::string& bytes, const TempDir& dir);
};

inline std::unique_ptr<TStream> make_memory(const std::string& bytes, const TempDir&) {
  auto m = std::make_unique<TMemoryStream>();
  m->WriteBuffer(bytes.data(), static_cast<std::int32_t>(bytes.size()));
  m->SetPosition(0);
  return m;
}

inline std::unique_ptr<TStream> make_file(const std::string& bytes, const TempDir& dir) {
  static int counter = 0;
  const std::string name = "stream" + std::to_string(counter++) + ".bin";
  write_file_bytes(dir.path() / name, bytes);
  return std::make_unique<TFileStream>(dir.file(name), fmOpenRead);
}

inline std::unique_ptr<TStream> make_plain(const std::string& bytes, const TempDir&) {
  return std::make_unique<PlainStream>(bytes);
}

inline const std::vector<StreamKind>& stream_kinds() {
  static const std::vector<StreamKind> kinds{
      {"memory", make_memory}, {"file", make_file}, {"plain", make_plain}};
  return kinds;
}

}  // namespace zyl::test
