// Library: zyl / Package: ZYL_dstruct / Module: detail/stream_blocks
//
// Internal: block-wise stream access for the digest and encoding functions,
// so that the per-call cost of a stream is paid once per block rather than
// once per byte or group.
//
// Example:
//   block_reader in(source, 65520);   // or window_reader
//   zyl::detail::BlockWriter out(target);
//   for (auto chunk = in.next(); !chunk.empty(); chunk = in.next())
//     out.put(chunk.data(), chunk.size());
//   out.flush();
#pragma once

#include <cstdint>
#include <memory>
#include <span>

#include "platform/blockwriter.h"
#include "platform/bytereader.h"
#include "platform/stream.h"

namespace ZYL_dstruct::detail {

// Reads a stream from its current position in blocks of a fixed size. A read
// that returns fewer bytes than requested ends the input, as does a read
// that returns none.
class block_reader {
 public:
  block_reader(zyl::TStream& Source, std::int32_t BlockSize)
      : FSource(Source), FBuffer(std::make_unique_for_overwrite<std::uint8_t[]>(static_cast<std::size_t>(BlockSize))),
        FBlockSize(BlockSize) {}

  // The next block (shorter than BlockSize only at the end); empty at the end.
  std::span<const std::uint8_t> next();

 private:
  zyl::TStream& FSource;
  // Left uninitialised: only bytes a read has filled are ever handed out.
  std::unique_ptr<std::uint8_t[]> FBuffer;
  std::int32_t FBlockSize;
  bool FEnd = false;
};

// Reads a stream from its current position in the largest pieces it offers
// without copying: what is left of a memory stream, the read buffer of a file
// stream. A stream without such a window is read in blocks of BlockSize
// until a read returns nothing (with ShortReadEnds, until a read returns
// fewer bytes than asked for, as block_reader does). stop(n) ends the reading with the last n
// bytes of the current piece unused; a stream with a window is then left
// just behind the bytes that were used.
//
// While the reader is alive nothing else may use the stream.
class window_reader {
 public:
  window_reader(zyl::TStream& Source, std::int32_t BlockSize, bool ShortReadEnds = false)
      : FReader(Source), FSource(Source), FBlockSize(BlockSize), FShortReadEnds(ShortReadEnds) {}

  // The next piece; empty at the end.
  std::span<const std::uint8_t> next();
  void stop(std::size_t unused) noexcept;

 private:
  zyl::detail::ByteReader FReader;
  zyl::TStream& FSource;
  std::unique_ptr<std::uint8_t[]> FBuffer;  // for streams without a window
  std::int32_t FBlockSize;
  std::size_t FPiece = 0;  // size of the window piece handed out last
  bool FWindowed = true;
  bool FShortReadEnds;
  bool FEnd = false;
};

}  // namespace ZYL_dstruct::detail
