// Library: zyl / Package: ZYL_dstruct / Module: rlencoder
//
// TRLEncoder: a streaming run-length encoder and decoder for bytes.
//
// Encoded format (L = lead-in byte 165):
//   b        (b != L)  one b
//   b b      (b != L)  two b
//   L n b              b repeated n times (n = 0: nothing)
// Runs of 3..255 bytes, and every run of L itself, are written as L n b; a run
// reaching 255 is written at once and a new run starts with the next byte.
//
// Output collects in an internal buffer and is handed out in blocks of
// BufLeng bytes. Encoding: feed Encode; whenever it returns true call
// GetResult and write BufLeng bytes; at the end call Finish and write what it
// returns, again while it returns BufLeng. Decoding: feed Decode byte by byte,
// call GetResult whenever it returns true, and take the last partial block
// with Flush.
//
// The buffer grows as needed, so a caller that passes more than BufLeng bytes
// to one Encode call, or takes its blocks late, never makes it write out of
// bounds; nothing is ever lost.
//
// Example:
//   TRLEncoder e(nullptr);
//   const std::uint8_t in[] = {1, 2, 2, 3, 3, 3};
//   e.Encode(in, 6);                    // false: 3 bytes waiting, 3s pending
//   std::uint8_t out[256];
//   e.Finish(out);                      // == 6: 1 2 2 165 3 3
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "platform/component.h"

namespace ZYL_dstruct {

enum class TDecodeSt : std::uint8_t { rlData, rlLeadin, rlCnt };

class ZYL_API TRLEncoder : public zyl::TComponent {
 public:
  // BufLeng 256, buffer of 1024 zero bytes, state reset, lead-in 165. Raises
  // EZYLDStructError "Component \"<Name>\": not enough memory on heap" if it
  // cannot allocate.
  explicit TRLEncoder(zyl::TComponent* AOwner);

  std::int32_t BufLeng() const noexcept { return FBufLeng; }
  // Ignored when n < 1 or n == BufLeng(). Otherwise sets the block length and
  // sizes the buffer to 4 x n bytes (more if more bytes are waiting); waiting
  // bytes are kept, the rest is zero-filled. Raises EZYLDStructError
  // "...: not enough memory on heap" if it cannot allocate.
  void SetBufLeng(std::int32_t n);

  // Clears waiting bytes and the encoder and decoder state.
  void Reset() noexcept;

  // Encodes the first NumBytes bytes of InBuf (at most InBuf.size(); a
  // negative count encodes nothing). Returns true when at least BufLeng
  // encoded bytes are waiting.
  bool Encode(std::span<const std::uint8_t> InBuf, std::int32_t NumBytes);

  // Feeds one encoded byte to the decoder. Returns true when at least
  // BufLeng decoded bytes are waiting.
  bool Decode(std::uint8_t InByte) {
    if (FDecodeSt == TDecodeSt::rlData && InByte != FLeadInByte &&
        static_cast<std::size_t>(FBufPoi) < FBuffer.size()) {
      FBuffer[static_cast<std::size_t>(FBufPoi++)] = InByte;
      return FBufPoi >= FBufLeng;
    }
    return decode_slow(InByte);
  }

  // If at least BufLeng bytes are waiting, moves the first BufLeng of them
  // to OutBuf[0..BufLeng-1]; otherwise does nothing. Raises EZYLDStructError
  // "...: output buffer smaller than BufLeng" if OutBuf is too small.
  void GetResult(std::span<std::uint8_t> OutBuf);

  // Closes the encoded stream with the triplet L, count, byte of the pending
  // run (count 0 when none) and hands out waiting bytes: all of them when
  // fewer than BufLeng wait (returning their number), otherwise exactly
  // BufLeng (returning BufLeng; call Finish or GetResult again for the rest).
  // Each further Finish appends another empty triplet L, 0, last byte (the
  // decoder skips it); as each call hands out BufLeng >= 4 bytes and adds 3,
  // "call Finish while it returns BufLeng" ends by itself. For BufLeng <= 3
  // it would never end, so there the triplet is written once per stream: a
  // further Finish without Encode in between only hands out what waits.
  // Raises like GetResult when OutBuf is smaller than BufLeng.
  std::int32_t Finish(std::span<std::uint8_t> OutBuf);

  // Hands out up to BufLeng waiting bytes without closing anything: the
  // decoder's way to take its last, partial block. Returns how many bytes
  // were placed in OutBuf (0 when none wait). Raises like GetResult.
  std::int32_t Flush(std::span<std::uint8_t> OutBuf);

  // Bytes currently waiting in the buffer.
  std::int32_t WaitingBytes() const noexcept { return FBufPoi; }

 private:
  bool decode_slow(std::uint8_t InByte);
  void emit_run();
  void reserve(std::size_t extra);
  void check_out_buffer(std::span<std::uint8_t> OutBuf) const;
  std::int32_t take(std::span<std::uint8_t> OutBuf, std::int32_t n);

  std::int32_t FBufLeng = 256;
  std::vector<std::uint8_t> FBuffer;
  std::int32_t FBufPoi = 0;
  std::uint8_t FLeadInByte = 165;
  TDecodeSt FDecodeSt = TDecodeSt::rlData;
  std::uint8_t FCount = 0;
  std::uint8_t FLastB = 0;
  bool FClosed = false;  // Finish has written the closing triplet (BufLeng <= 3)
};

}  // namespace ZYL_dstruct
