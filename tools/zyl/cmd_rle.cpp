// zyl rle [-d] [FILE]: run-length encode (or decode) a file or standard input.
#include <algorithm>
#include <cstdio>
#include <vector>

#include "command.h"
#include "io.h"
#include "streaminput.h"
#include "zyl.h"

namespace zyl_tool {
namespace {

constexpr std::int32_t kBlock = 256;

void encode(zyl::TStream& in) {
  zyl::TRLEncoder rle(nullptr);
  rle.SetBufLeng(kBlock);
  std::uint8_t chunk[kBlock];
  std::uint8_t block[kBlock];
  for (std::size_t n; (n = read_some(in, chunk, sizeof chunk)) > 0;) {
    if (rle.Encode(chunk, static_cast<std::int32_t>(n))) {
      // Hand out every full block that is waiting.
      while (rle.WaitingBytes() >= kBlock) {
        rle.GetResult(block);
        write_stdout(block, kBlock);
      }
    }
  }
  for (std::int32_t n = kBlock; n == kBlock;) {
    n = rle.Finish(block);
    write_stdout(block, static_cast<std::size_t>(n));
  }
}

void decode(zyl::TStream& in) {
  zyl::TRLEncoder rle(nullptr);
  rle.SetBufLeng(kBlock);
  std::vector<std::uint8_t> chunk(65536);
  std::uint8_t block[kBlock];
  for (std::size_t n; (n = read_some(in, chunk.data(), chunk.size())) > 0;) {
    for (std::size_t i = 0; i < n; ++i) {
      if (rle.Decode(chunk[i])) {
        while (rle.WaitingBytes() >= kBlock) {
          rle.GetResult(block);
          write_stdout(block, kBlock);
        }
      }
    }
  }
  for (std::int32_t n; (n = rle.Flush(block)) > 0;) write_stdout(block, static_cast<std::size_t>(n));
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
