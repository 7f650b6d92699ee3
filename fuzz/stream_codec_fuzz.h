// The checks the stream codec targets share: a decoder must read a stream
// without a memory window (short reads) exactly as it reads a memory
// stream, and every input's bytes must come back unchanged through the
// encoder and decoder, with and without line breaks.
#pragma once

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "platform/memorystream.h"

// A stream without a memory window that hands out a few bytes per Read.
class TrickleStream : public zyl::TStream {
 public:
  TrickleStream(const std::uint8_t* d, std::size_t n, std::size_t step) : FData(d), FSize(n), FStep(step) {}
  std::int32_t Read(void* Buffer, std::int32_t Count) override {
    const std::size_t k = std::min({static_cast<std::size_t>(std::max(Count, 0)), FStep, FSize - FPos});
    std::memcpy(Buffer, FData + FPos, k);
    FPos += k;
    return static_cast<std::int32_t>(k);
  }
  std::int32_t Write(const void*, std::int32_t) override { return 0; }
  std::int64_t Seek(std::int64_t, zyl::TSeekOrigin) override { return static_cast<std::int64_t>(FPos); }

 private:
  const std::uint8_t* FData;
  std::size_t FSize, FStep, FPos = 0;
};

using StreamDecoder = std::int32_t (*)(zyl::TStream&, zyl::TStream&);
using StreamEncoder = void (*)(zyl::TStream&, zyl::TStream&, bool);

// Aborts unless Decode, reading the input in short pieces chosen by its
// first byte, returns Status and writes Decoded.
inline void check_trickled_decode(StreamDecoder Decode, const std::uint8_t* data, std::size_t size,
                                  std::int32_t Status, const std::vector<std::uint8_t>& Decoded) {
  TrickleStream trickle(data, size, 1 + (size > 0 ? data[0] % 61 : 0));
  zyl::TBytesStream trickled;
  if (Decode(trickle, trickled) != Status || trickled.Bytes() != Decoded) std::abort();
}

// Aborts unless the input survives Encode and Decode, with and without line
// breaks.
inline void check_round_trip(StreamEncoder Encode, StreamDecoder Decode, const std::uint8_t* data, std::size_t size) {
  const std::vector<std::uint8_t> bytes(data, data + size);
  for (bool breaks : {false, true}) {
    zyl::TBytesStream plain(bytes), coded;
    Encode(plain, coded, breaks);
    coded.SetPosition(0);
    zyl::TBytesStream back;
    if (Decode(coded, back) != 0 || back.Bytes() != bytes) std::abort();
  }
}
