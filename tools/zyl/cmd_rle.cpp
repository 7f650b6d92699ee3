// zyl rle [-d] [FILE]: run-length encode (or decode) a file or standard input.
#include <algorithm>
#include <cstdio>
#include <span>
#include <vector>

#include "command.h"
#include "io.h"
#include "streaminput.h"
#include "zyl.h"

namespace zyl_tool {
namespace {

constexpr std::int32_t kBlock = 256;
// Input is read, and output written, in pieces of this size.
constexpr std::size_t kIoSize = 1 << 16;

// Collects the encoder's blocks and writes them in large pieces.
class BlockOutput {
 public:
  BlockOutput() : FBuffer(kIoSize + kBlock) {}
  // Room for one block.
  std::span<std::uint8_t> next_block() {
    if (FFill + kBlock > FBuffer.size()) flush();
    return std::span(FBuffer).subspan(FFill, kBlock);
  }
  void commit(std::size_t n) { FFill += n; }
  void flush() {
    write_stdout(FBuffer.data(), FFill);
    FFill = 0;
  }

 private:
  std::vector<std::uint8_t> FBuffer;
  std::size_t FFill = 0;
};

// Moves every full block that is waiting in rle to out.
void take_blocks(zyl::TRLEncoder& rle, BlockOutput& out) {
  while (rle.WaitingBytes() >= kBlock) {
    rle.GetResult(out.next_block());
    out.commit(kBlock);
  }
}

void encode(zyl::TStream& in) {
  zyl::TRLEncoder rle(nullptr);
  rle.SetBufLeng(kBlock);
  std::vector<std::uint8_t> chunk(kIoSize);
  BlockOutput out;
  for (std::size_t n; (n = read_some(in, chunk.data(), chunk.size())) > 0;) {
    // Fed a block at a time, so that few encoded bytes wait in the encoder
    // (each block taken moves the rest of them forward).
    for (std::size_t i = 0; i < n; i += kBlock) {
      const auto k = static_cast<std::int32_t>(std::min<std::size_t>(kBlock, n - i));
      if (rle.Encode(std::span(chunk).subspan(i), k)) take_blocks(rle, out);
    }
  }
  for (std::int32_t n = kBlock; n == kBlock;) {
    n = rle.Finish(out.next_block());
    out.commit(static_cast<std::size_t>(n));
  }
  out.flush();
}

void decode(zyl::TStream& in) {
  zyl::TRLEncoder rle(nullptr);
  rle.SetBufLeng(kBlock);
  std::vector<std::uint8_t> chunk(kIoSize);
  BlockOutput out;
  for (std::size_t n; (n = read_some(in, chunk.data(), chunk.size())) > 0;) {
    for (std::size_t i = 0; i < n; ++i)
      if (rle.Decode(chunk[i])) take_blocks(rle, out);
  }
  for (std::int32_t n; (n = rle.Flush(out.next_block())) > 0;) out.commit(static_cast<std::size_t>(n));
  out.flush();
}

int run_rle(Args& args) {
  const bool decoding = args.flag("-d");
  const auto in = open_input_stream(args.positional());
  decoding ? decode(*in) : encode(*in);
  return 0;
}

void demo_rle() {
  const std::uint8_t sample[] = {1, 2, 2, 3, 3, 3, 165, 7, 7, 7, 7, 7, 7, 7, 7, 9};
  zyl::TRLEncoder rle(nullptr);
  rle.Encode(sample, sizeof sample);
  std::uint8_t out[256];
  const std::int32_t n = rle.Finish(out);
  std::printf("run-length encoding of %zu bytes:", sizeof sample);
  for (std::uint8_t b : sample) std::printf(" %u", b);
  std::printf("\n  encoded to %d bytes:", n);
  for (std::int32_t i = 0; i < n; ++i) std::printf(" %u", out[i]);
  rle.Reset();
  for (std::int32_t i = 0; i < n; ++i) rle.Decode(out[i]);
  std::uint8_t back[256];
  const std::int32_t m = rle.Flush(back);
  std::printf("\n  decoded back to %d bytes, %s\n", m,
              m == static_cast<std::int32_t>(sizeof sample) && std::equal(back, back + m, sample) ? "identical"
                                                                                                  : "DIFFERENT");

  zyl::TFifo fifo(nullptr);
  for (std::uint8_t b : {10, 20, 30}) fifo.PutByte(b);
  std::uint8_t first = 0, peek = 0;
  fifo.GetByte(first);
  fifo.SenseByte(1, peek);
  std::printf("byte FIFO: put 10 20 30, got %u, peeked %u at index 1, %d left\n", first, peek, fifo.CountBytes());
}

const CommandRegistration reg{{"rle", "[-d] [FILE]", "run-length encode (or with -d decode) FILE or standard input", run_rle}};
const DemoRegistration demo{{50, "Data structures: byte FIFO and run-length encoder", demo_rle}};

}  // namespace
}  // namespace zyl_tool
