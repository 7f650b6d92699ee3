// Checksums, digests and text encodings: every function on a 256 MB buffer
// (and a sweep of small sizes), each accelerated variant on its own, and in
// the same run the peers a user would otherwise call: zlib's crc32(),
// OpenSSL's SHA1() and EVP_EncodeBlock/EVP_DecodeBlock.
//
//   make bench && build/bench/bench/zyl_bench_checksums
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

#include "ZYL_dstruct/ascii85.h"
#include "ZYL_dstruct/base64.h"
#include "ZYL_dstruct/crc16.h"
#include "ZYL_dstruct/crc32.h"
#include "ZYL_dstruct/detail/crc16_impl.h"
#include "ZYL_dstruct/detail/crc32_impl.h"
#include "ZYL_dstruct/detail/sha1_impl.h"
#include "ZYL_dstruct/detail/x86/cpu_features.h"
#include "ZYL_dstruct/detail/x86/crc16_pclmul.h"
#include "ZYL_dstruct/detail/x86/crc32_pclmul.h"
#include "ZYL_dstruct/detail/x86/sha1_shani.h"
#include "ZYL_dstruct/sha1.h"
#include "platform/memorystream.h"

#ifdef ZYL_BENCH_HAVE_ZLIB
#include <zlib.h>
#endif
#ifdef ZYL_BENCH_HAVE_OPENSSL
#include <openssl/evp.h>
#include <openssl/sha.h>
#endif

namespace {

using namespace ZYL_dstruct;
using Bytes = std::vector<std::uint8_t>;

constexpr std::int64_t kBig = 256 << 20;

const Bytes& random_data() {
  static const Bytes data = [] {
    Bytes d(static_cast<std::size_t>(kBig));
    std::mt19937_64 rng(42);
    for (std::size_t i = 0; i < d.size(); i += 8) {
      const std::uint64_t x = rng();
      for (int k = 0; k < 8; ++k) d[i + static_cast<std::size_t>(k)] = static_cast<std::uint8_t>(x >> (8 * k));
    }
    return d;
  }();
  return data;
}

std::span<const std::uint8_t> input(const benchmark::State& state) {
  return std::span(random_data()).first(static_cast<std::size_t>(state.range(0)));
}

void set_bytes(benchmark::State& state) {
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * state.range(0));
}

// A memory stream holding the first n bytes of `data`.
zyl::TMemoryStream memory_stream(std::span<const std::uint8_t> data) {
  zyl::TMemoryStream m;
  m.SetSize(static_cast<std::int64_t>(data.size()));
  std::copy(data.begin(), data.end(), m.Memory());
  return m;
}

void sizes(benchmark::internal::Benchmark* b) { b->Arg(1)->Arg(64)->Arg(1024)->Arg(16384)->Arg(kBig); }

using StreamEncoder = void (*)(zyl::TStream&, zyl::TStream&, bool);
using StreamDecoder = std::int32_t (*)(zyl::TStream&, zyl::TStream&);

// Encodes the input over and over into one memory stream, which a first
// untimed run has sized; returns the encoded text.
zyl::TMemoryStream encode_runs(benchmark::State& state, StreamEncoder encode) {
  zyl::TMemoryStream src = memory_stream(input(state));
  zyl::TMemoryStream dst;
  encode(src, dst, true);
  for (auto _ : state) {
    src.SetPosition(0);
    dst.SetPosition(0);
    encode(src, dst, true);
  }
  set_bytes(state);
  return dst;
}

// Decodes the encoded input over and over into one memory stream, which a
// first untimed run has sized, and checks that the input came back.
void decode_runs(benchmark::State& state, StreamEncoder encode, StreamDecoder decode) {
  zyl::TMemoryStream plain = memory_stream(input(state));
  zyl::TMemoryStream src, dst;
  encode(plain, src, true);
  src.SetPosition(0);
  (void)decode(src, dst);
  for (auto _ : state) {
    src.SetPosition(0);
    dst.SetPosition(0);
    if (decode(src, dst) != 0) throw std::runtime_error("decode failed");
  }
  set_bytes(state);
  if (dst.Position() != state.range(0) || !std::equal(input(state).begin(), input(state).end(), dst.Memory()))
    throw std::runtime_error("round trip differs");
}

// ---- CRC-32 --------------------------------------------------------------

void BM_CRC32ofBuffer(benchmark::State& state) {
  const auto in = input(state);
  std::int32_t crc = 0;
  for (auto _ : state) benchmark::DoNotOptimize(crc = CRC32ofBuffer(in, static_cast<std::int32_t>(in.size())));
  if (in.size() == 9 && crc == 0) throw std::runtime_error("unreachable");
  set_bytes(state);
}
BENCHMARK(BM_CRC32ofBuffer)->Apply(sizes);

void BM_crc32_variant(benchmark::State& state, detail::crc32_fn fn, std::uint32_t needs) {
  if (!detail::has_cpu_features(needs)) return state.SkipWithError("not supported by this CPU");
  const auto in = input(state);
  const std::uint32_t want = detail::crc32_slice16(~0u, in.data(), in.size());
  std::uint32_t crc = 0;
  for (auto _ : state) benchmark::DoNotOptimize(crc = fn(~0u, in.data(), in.size()));
  if (crc != want) throw std::runtime_error("crc32 variant disagrees");
  set_bytes(state);
}
BENCHMARK_CAPTURE(BM_crc32_variant, slice16, &detail::crc32_slice16, 0)->Arg(16384)->Arg(kBig);
#if ZYL_ARCH_X86
BENCHMARK_CAPTURE(BM_crc32_variant, pclmul, &detail::crc32_pclmul, detail::kCpuPclmul | detail::kCpuSse41)
    ->Arg(16384)
    ->Arg(kBig);
BENCHMARK_CAPTURE(BM_crc32_variant, vpclmul, &detail::crc32_vpclmul,
                  detail::kCpuVpclmul | detail::kCpuAvx2 | detail::kCpuPclmul | detail::kCpuSse41)
    ->Arg(16384)
    ->Arg(kBig);
#endif

#ifdef ZYL_BENCH_HAVE_ZLIB
void BM_zlib_crc32(benchmark::State& state) {
  const auto in = input(state);
  uLong crc = 0;
  for (auto _ : state) benchmark::DoNotOptimize(crc = crc32(0, in.data(), static_cast<uInt>(in.size())));
  if (static_cast<std::int32_t>(crc) != CRC32ofBuffer(in, static_cast<std::int32_t>(in.size())))
    throw std::runtime_error("zlib disagrees");
  set_bytes(state);
}
BENCHMARK(BM_zlib_crc32)->Apply(sizes);
#endif

// ---- CRC-16 --------------------------------------------------------------

void BM_CRC16ofBuffer(benchmark::State& state, TCRC16Mode mode) {
  const auto in = input(state);
  std::uint16_t crc = 0;
  for (auto _ : state) benchmark::DoNotOptimize(crc = CRC16ofBuffer(in, static_cast<std::int32_t>(in.size()), mode));
  if (crc != detail::crc16_slice1(mode == TCRC16Mode::crcCCITT ? 0xFFFF : 0, in.data(), in.size()))
    throw std::runtime_error("crc16 disagrees");
  set_bytes(state);
}
BENCHMARK_CAPTURE(BM_CRC16ofBuffer, xmodem, TCRC16Mode::crcZModem)->Apply(sizes);
BENCHMARK_CAPTURE(BM_CRC16ofBuffer, ccitt, TCRC16Mode::crcCCITT)->Apply(sizes);

void BM_crc16_variant(benchmark::State& state, detail::crc16_fn fn, std::uint32_t needs) {
  if (!detail::has_cpu_features(needs)) return state.SkipWithError("not supported by this CPU");
  const auto in = input(state);
  const std::uint16_t want = detail::crc16_slice16(0xFFFF, in.data(), in.size());
  std::uint16_t crc = 0;
  for (auto _ : state) benchmark::DoNotOptimize(crc = fn(0xFFFF, in.data(), in.size()));
  if (crc != want) throw std::runtime_error("crc16 variant disagrees");
  set_bytes(state);
}
BENCHMARK_CAPTURE(BM_crc16_variant, slice16, &detail::crc16_slice16, 0)->Arg(16384)->Arg(kBig);
#if ZYL_ARCH_X86
BENCHMARK_CAPTURE(BM_crc16_variant, pclmul, &detail::crc16_pclmul,
                  detail::kCpuPclmul | detail::kCpuSsse3 | detail::kCpuSse41)
    ->Arg(16384)
    ->Arg(kBig);
BENCHMARK_CAPTURE(BM_crc16_variant, vpclmul, &detail::crc16_vpclmul,
                  detail::kCpuVpclmul | detail::kCpuAvx2 | detail::kCpuPclmul | detail::kCpuSsse3 | detail::kCpuSse41)
    ->Arg(16384)
    ->Arg(kBig);
#endif

// ---- SHA-1 ---------------------------------------------------------------

void BM_SHA1FromStream(benchmark::State& state) {
  zyl::TMemoryStream m = memory_stream(input(state));
  TSHACode d{};
  for (auto _ : state) {
    m.SetPosition(0);
    benchmark::DoNotOptimize(d = SHA1FromStream(m));
  }
  set_bytes(state);
#ifdef ZYL_BENCH_HAVE_OPENSSL
  TSHACode peer{};
  SHA1(input(state).data(), input(state).size(), peer.data());
  if (peer != d) throw std::runtime_error("OpenSSL disagrees");
#endif
}
BENCHMARK(BM_SHA1FromStream)->Apply(sizes);

void BM_sha1_variant(benchmark::State& state, detail::sha1_blocks_fn fn, std::uint32_t needs) {
  if (!detail::has_cpu_features(needs)) return state.SkipWithError("not supported by this CPU");
  const auto in = input(state);
  std::uint32_t h[5] = {1, 2, 3, 4, 5};
  for (auto _ : state) {
    fn(h, in.data(), in.size() / 64);
    benchmark::DoNotOptimize(h);
  }
  set_bytes(state);
}
BENCHMARK_CAPTURE(BM_sha1_variant, portable, &detail::sha1_blocks_portable, 0)->Arg(16384)->Arg(kBig);
#if ZYL_ARCH_X86
BENCHMARK_CAPTURE(BM_sha1_variant, shani, &detail::sha1_blocks_shani,
                  detail::kCpuSha | detail::kCpuSsse3 | detail::kCpuSse41)
    ->Arg(16384)
    ->Arg(kBig);
#endif

#ifdef ZYL_BENCH_HAVE_OPENSSL
void BM_OpenSSL_SHA1(benchmark::State& state) {
  const auto in = input(state);
  unsigned char d[20];
  for (auto _ : state) {
    SHA1(in.data(), in.size(), d);
    benchmark::DoNotOptimize(d);
  }
  set_bytes(state);
}
BENCHMARK(BM_OpenSSL_SHA1)->Apply(sizes);
#endif

// ---- Files (cached) ------------------------------------------------------

// The 256 MB buffer as a file, written once and read once so it is cached.
const std::filesystem::path& big_file() {
  static const struct File {
    std::filesystem::path path = std::filesystem::temp_directory_path() / "zyl_bench_checksums.bin";
    File() {
      std::ofstream(path, std::ios::binary)
          .write(reinterpret_cast<const char*>(random_data().data()), static_cast<std::streamsize>(kBig));
      (void)CalcCRC32ofFile(zyl::from_utf8(path.string()));
    }
    ~File() {
      std::error_code ec;
      std::filesystem::remove(path, ec);
    }
  } file;
  return file.path;
}

void BM_CalcCRC32ofFile(benchmark::State& state) {
  const zyl::String name = zyl::from_utf8(big_file().string());
  std::int32_t crc = 0;
  for (auto _ : state) benchmark::DoNotOptimize(crc = CalcCRC32ofFile(name));
  if (crc != CRC32ofBuffer(random_data(), static_cast<std::int32_t>(kBig))) throw std::runtime_error("file CRC differs");
  set_bytes(state);
}
BENCHMARK(BM_CalcCRC32ofFile)->Arg(kBig);

void BM_SHA1FromFile(benchmark::State& state) {
  const zyl::String name = zyl::from_utf8(big_file().string());
  TSHACode d{};
  for (auto _ : state) benchmark::DoNotOptimize(d = SHA1FromFile(name));
  zyl::TMemoryStream m = memory_stream(random_data());
  if (d != SHA1FromStream(m)) throw std::runtime_error("file digest differs");
  set_bytes(state);
}
BENCHMARK(BM_SHA1FromFile)->Arg(kBig);

// ---- Base64 --------------------------------------------------------------

void BM_EncodeBase64(benchmark::State& state) {
  zyl::TMemoryStream dst = encode_runs(state, &EncodeBase64);
  const auto n = static_cast<std::int64_t>(input(state).size());
  if (dst.Position() != (n + 44) / 45 * 2 + (n + 2) / 3 * 4) throw std::runtime_error("unexpected output size");
}
BENCHMARK(BM_EncodeBase64)->Apply(sizes);

void BM_DecodeBase64(benchmark::State& state) { decode_runs(state, &EncodeBase64, &DecodeBase64); }
BENCHMARK(BM_DecodeBase64)->Apply(sizes);

#ifdef ZYL_BENCH_HAVE_OPENSSL
void BM_OpenSSL_EncodeBlock(benchmark::State& state) {
  const auto in = input(state);
  std::vector<unsigned char> out((in.size() + 2) / 3 * 4 + 1);
  for (auto _ : state) benchmark::DoNotOptimize(EVP_EncodeBlock(out.data(), in.data(), static_cast<int>(in.size())));
  set_bytes(state);
}
BENCHMARK(BM_OpenSSL_EncodeBlock)->Apply(sizes);

void BM_OpenSSL_DecodeBlock(benchmark::State& state) {
  const auto in = input(state);
  std::vector<unsigned char> text((in.size() + 2) / 3 * 4 + 1);
  const int len = EVP_EncodeBlock(text.data(), in.data(), static_cast<int>(in.size()));
  std::vector<unsigned char> out(text.size());
  for (auto _ : state) benchmark::DoNotOptimize(EVP_DecodeBlock(out.data(), text.data(), len));
  set_bytes(state);
}
BENCHMARK(BM_OpenSSL_DecodeBlock)->Apply(sizes);
#endif

// ---- ASCII85 -------------------------------------------------------------

void BM_EncodeASCII85(benchmark::State& state) { encode_runs(state, &EncodeASCII85); }
BENCHMARK(BM_EncodeASCII85)->Apply(sizes);

void BM_DecodeASCII85(benchmark::State& state) { decode_runs(state, &EncodeASCII85, &DecodeASCII85); }
BENCHMARK(BM_DecodeASCII85)->Apply(sizes);

}  // namespace

BENCHMARK_MAIN();
