// Library: zyl / Package: ZYL_dstruct / Module: rlencoder
#include "ZYL_dstruct/rlencoder.h"

#include <algorithm>
#include <cstring>
#include <new>
#include <stdexcept>

#include "ZYL_zylbase/errors.h"

namespace ZYL_dstruct {
namespace {

[[noreturn]] void raise_no_memory(const zyl::String& name) {
  throw ZYL_zylbase::EZYLDStructError(ZYL_zylbase::ComponentMessage(name, u"not enough memory on heap"));
}

// Input is encoded in slices so the buffer need only grow by a bounded amount
// (3 output bytes per input byte at worst) before each slice.
constexpr std::int32_t kSlice = 4096;

}  // namespace

TRLEncoder::TRLEncoder(zyl::TComponent* AOwner) : zyl::TComponent(AOwner) {
  try {
    FBuffer.assign(4 * static_cast<std::size_t>(FBufLeng), 0);
  } catch (const std::bad_alloc&) {
    raise_no_memory(Name());
  }
}

void TRLEncoder::SetBufLeng(std::int32_t n) {
  if (n < 1 || n == FBufLeng) return;
  try {
    const std::size_t size = std::max(4 * static_cast<std::size_t>(n), static_cast<std::size_t>(FBufPoi));
    FBuffer.resize(size);
    std::fill(FBuffer.begin() + FBufPoi, FBuffer.end(), 0);
  } catch (const std::bad_alloc&) {
    raise_no_memory(Name());
  } catch (const std::length_error&) {
    raise_no_memory(Name());
  }
  FBufLeng = n;
}

void TRLEncoder::Reset() noexcept {
  FBufPoi = 0;
  FCount = 0;
  FLastB = 0;
  FDecodeSt = TDecodeSt::rlData;
  FClosed = false;
}

void TRLEncoder::reserve(std::size_t extra) {
  const std::size_t need = static_cast<std::size_t>(FBufPoi) + extra;
  if (need <= FBuffer.size()) return;
  try {
    FBuffer.resize(std::max(need, FBuffer.size() * 2));
  } catch (const std::bad_alloc&) {
    raise_no_memory(Name());
  }
}

// Writes the pending run (FCount bytes FLastB) in its encoded form.
void TRLEncoder::emit_run() {
  std::uint8_t* out = FBuffer.data() + FBufPoi;
  if (FCount <= 2 && FLastB != FLeadInByte) {
    out[0] = FLastB;
    out[1] = FLastB;
    FBufPoi += FCount;
  } else {
    out[0] = FLeadInByte;
    out[1] = FCount;
    out[2] = FLastB;
    FBufPoi += 3;
  }
}

bool TRLEncoder::Encode(std::span<const std::uint8_t> InBuf, std::int32_t NumBytes) {
  const std::size_t total = std::min(static_cast<std::size_t>(std::max(NumBytes, 0)), InBuf.size());
  const std::uint8_t* in = InBuf.data();
  FClosed = false;
  std::size_t i = 0;
  while (i < total) {
    const std::size_t slice_end = std::min(total, i + kSlice);
    // Each input byte completes at most one run of up to 3 encoded bytes.
    reserve(3 * (slice_end - i) + 3);
    while (i < slice_end) {
      if (FCount == 1 && FLastB != FLeadInByte && in[i] != FLastB) {
        // A single byte followed by a different one is written as itself:
        // the common case of data without runs, taken without the general
        // run bookkeeping. Stops at a repeat or at the lead-in byte.
        std::uint8_t* out = FBuffer.data() + FBufPoi;
        std::uint8_t last = FLastB;
        for (; i < slice_end && in[i] != last && last != FLeadInByte; ++i) {
          *out++ = last;
          last = in[i];
        }
        FBufPoi = static_cast<std::int32_t>(out - FBuffer.data());
        FLastB = last;
        continue;
      }
      const std::uint8_t b = in[i];
      if (FCount == 0) {
        FCount = 1;
        FLastB = b;
        ++i;
      } else if (b == FLastB) {
        // Extend the run as far as the input and the 255 limit allow.
        std::size_t j = i;
        const std::size_t limit = std::min(slice_end, i + (255 - FCount));
        while (j < limit && in[j] == b) ++j;
        FCount = static_cast<std::uint8_t>(FCount + (j - i));
        i = j;
        if (FCount == 255) {
          emit_run();
          FCount = 0;
        }
      } else {
        emit_run();
        FCount = 1;
        FLastB = b;
        ++i;
      }
    }
  }
  return FBufPoi >= FBufLeng;
}

bool TRLEncoder::decode_slow(std::uint8_t InByte) {
  switch (FDecodeSt) {
    case TDecodeSt::rlData:
      if (InByte == FLeadInByte) {
        FDecodeSt = TDecodeSt::rlLeadin;
      } else {
        reserve(1);
        FBuffer[static_cast<std::size_t>(FBufPoi++)] = InByte;
      }
      break;
    case TDecodeSt::rlLeadin:
      FCount = InByte;
      FDecodeSt = TDecodeSt::rlCnt;
      break;
    case TDecodeSt::rlCnt:
      reserve(FCount);
      std::memset(FBuffer.data() + FBufPoi, InByte, FCount);
      FBufPoi += FCount;
      FCount = 0;
      FDecodeSt = TDecodeSt::rlData;
      break;
  }
  return FBufPoi >= FBufLeng;
}

void TRLEncoder::check_out_buffer(std::span<std::uint8_t> OutBuf) const {
  if (OutBuf.size() < static_cast<std::size_t>(FBufLeng))
    throw ZYL_zylbase::EZYLDStructError(ZYL_zylbase::ComponentMessage(Name(), u"output buffer smaller than BufLeng"));
}

// Moves the first n waiting bytes to OutBuf and the rest to the front.
std::int32_t TRLEncoder::take(std::span<std::uint8_t> OutBuf, std::int32_t n) {
  std::memcpy(OutBuf.data(), FBuffer.data(), static_cast<std::size_t>(n));
  std::memmove(FBuffer.data(), FBuffer.data() + n, static_cast<std::size_t>(FBufPoi - n));
  FBufPoi -= n;
  return n;
}

void TRLEncoder::GetResult(std::span<std::uint8_t> OutBuf) {
  check_out_buffer(OutBuf);
  if (FBufPoi >= FBufLeng) take(OutBuf, FBufLeng);
}

std::int32_t TRLEncoder::Finish(std::span<std::uint8_t> OutBuf) {
  check_out_buffer(OutBuf);
  // Each Finish appends its triplet; for block lengths up to 3 (no longer than
  // the triplet itself) only the first does, so the Finish loop still ends.
  if (FBufLeng >= 4 || !FClosed) {
    reserve(3);
    std::uint8_t* out = FBuffer.data() + FBufPoi;
    out[0] = FLeadInByte;
    out[1] = FCount;
    out[2] = FLastB;
    FBufPoi += 3;
    FCount = 0;
    FClosed = true;
  }
  return take(OutBuf, std::min(FBufPoi, FBufLeng));
}

std::int32_t TRLEncoder::Flush(std::span<std::uint8_t> OutBuf) {
  check_out_buffer(OutBuf);
  return take(OutBuf, std::min(FBufPoi, FBufLeng));
}

}  // namespace ZYL_dstruct
