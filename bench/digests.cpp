// SHA-256 and SHA-512 (with HMAC-SHA-256): the public functions on sizes
// from 1 byte to 256 MiB, each block-compression variant on its own, and
// in the same run OpenSSL's EVP_Digest of the same algorithm. For
// OpenSSL's figures without its CPU extensions, run with
// OPENSSL_ia32cap=0:0; for ours, compare with the *_variant/portable rows.
// For OpenSSL's figures without the SHA extensions only (its AVX2 code,
// beside the *_variant/avx2 rows), run with OPENSSL_ia32cap=:~0x20000000.
//
//   make bench && build/bench/bench/zyl_bench_digests --benchmark_filter='/(16384|268435456)$'
#include <benchmark/benchmark.h>

#include <random>
#include <stdexcept>
#include <vector>

#include "ZYL_dstruct/detail/sha2_impl.h"
#include "ZYL_dstruct/detail/x86/cpu_features.h"
#include "ZYL_dstruct/detail/x86/sha256_avx2.h"
#include "ZYL_dstruct/detail/x86/sha256_shani.h"
#include "ZYL_dstruct/detail/x86/sha512_avx2.h"
#include "ZYL_dstruct/hmac.h"
#include "ZYL_dstruct/sha2.h"
#include "platform/memorystream.h"

#ifdef ZYL_BENCH_HAVE_OPENSSL
#include <openssl/evp.h>
#include <openssl/hmac.h>
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

void sizes(benchmark::internal::Benchmark* b) { b->Arg(1)->Arg(64)->Arg(1024)->Arg(16384)->Arg(kBig); }

// The 256 MiB case takes one iteration of a fraction of a second; asking
// for one keeps the whole program within about a minute.
void big_and_small(benchmark::internal::Benchmark* b) { b->Arg(16384)->Arg(kBig)->MinTime(0.2); }

#ifdef ZYL_BENCH_HAVE_OPENSSL
Bytes openssl_digest(const EVP_MD* md, std::span<const std::uint8_t> in) {
  Bytes d(static_cast<std::size_t>(EVP_MD_get_size(md)));
  unsigned int len = 0;
  if (EVP_Digest(in.data(), in.size(), d.data(), &len, md, nullptr) != 1) throw std::runtime_error("EVP_Digest failed");
  return d;
}
#endif

// The public stream function over a memory stream, checked against OpenSSL.
template <class Code>
void stream_runs(benchmark::State& state, Code (*from_stream)(zyl::TStream&), const char* openssl_name) {
  zyl::TMemoryStream m;
  m.SetSize(state.range(0));
  std::copy(input(state).begin(), input(state).end(), m.Memory());
  Code d{};
  for (auto _ : state) {
    m.SetPosition(0);
    benchmark::DoNotOptimize(d = from_stream(m));
  }
  set_bytes(state);
#ifdef ZYL_BENCH_HAVE_OPENSSL
  if (openssl_digest(EVP_get_digestbyname(openssl_name), input(state)) != Bytes(d.begin(), d.end()))
    throw std::runtime_error("OpenSSL disagrees");
#else
  (void)openssl_name;
#endif
}

void BM_SHA256FromStream(benchmark::State& state) { stream_runs(state, &SHA256FromStream, "SHA256"); }
BENCHMARK(BM_SHA256FromStream)->Apply(sizes);

void BM_SHA512FromStream(benchmark::State& state) { stream_runs(state, &SHA512FromStream, "SHA512"); }
BENCHMARK(BM_SHA512FromStream)->Apply(sizes);

template <class Word>
void variant_runs(benchmark::State& state, void (*fn)(Word*, const std::uint8_t*, std::size_t) noexcept,
                  void (*portable)(Word*, const std::uint8_t*, std::size_t) noexcept, std::uint32_t needs) {
  if (!detail::has_cpu_features(needs)) return state.SkipWithError("not supported by this CPU");
  const auto in = input(state);
  const std::size_t blocks = in.size() / (16 * sizeof(Word));
  Word h[8] = {1, 2, 3, 4, 5, 6, 7, 8};
  for (auto _ : state) {
    fn(h, in.data(), blocks);
    benchmark::DoNotOptimize(h);
  }
  set_bytes(state);
  Word a[8] = {1, 2, 3, 4, 5, 6, 7, 8}, b[8] = {1, 2, 3, 4, 5, 6, 7, 8};
  fn(a, in.data(), std::min<std::size_t>(blocks, 64));
  portable(b, in.data(), std::min<std::size_t>(blocks, 64));
  if (!std::equal(a, a + 8, b)) throw std::runtime_error("variant disagrees with the portable code");
}

void BM_sha256_variant(benchmark::State& state, detail::sha256_blocks_fn fn, std::uint32_t needs) {
  variant_runs(state, fn, &detail::sha256_blocks_portable, needs);
}
BENCHMARK_CAPTURE(BM_sha256_variant, portable, &detail::sha256_blocks_portable, 0)->Apply(big_and_small);
#if ZYL_ARCH_X86
BENCHMARK_CAPTURE(BM_sha256_variant, shani, &detail::sha256_blocks_shani,
                  detail::kCpuSha | detail::kCpuSsse3 | detail::kCpuSse41)
    ->Apply(big_and_small);
BENCHMARK_CAPTURE(BM_sha256_variant, avx2, &detail::sha256_blocks_avx2, detail::kCpuAvx2 | detail::kCpuBmi2)
    ->Apply(big_and_small);
#endif

void BM_sha512_variant(benchmark::State& state, detail::sha512_blocks_fn fn, std::uint32_t needs) {
  variant_runs(state, fn, &detail::sha512_blocks_portable, needs);
}
BENCHMARK_CAPTURE(BM_sha512_variant, portable, &detail::sha512_blocks_portable, 0)->Apply(big_and_small);
#if ZYL_ARCH_X86
BENCHMARK_CAPTURE(BM_sha512_variant, avx2, &detail::sha512_blocks_avx2, detail::kCpuAvx2 | detail::kCpuBmi2)
    ->Apply(big_and_small);
#endif

void BM_HMAC_SHA256(benchmark::State& state) {
  const Bytes key(32, 0x4B);
  const auto in = input(state);
  std::vector<std::uint8_t> d;
  for (auto _ : state) benchmark::DoNotOptimize(d = HMACFromBuffer(TDigestKind::dkSHA256, key, in));
  set_bytes(state);
#ifdef ZYL_BENCH_HAVE_OPENSSL
  unsigned char peer[32];
  unsigned int len = 0;
  HMAC(EVP_sha256(), key.data(), static_cast<int>(key.size()), in.data(), in.size(), peer, &len);
  if (Bytes(peer, peer + 32) != d) throw std::runtime_error("OpenSSL HMAC disagrees");
#endif
}
BENCHMARK(BM_HMAC_SHA256)->Arg(64)->Arg(16384);

#ifdef ZYL_BENCH_HAVE_OPENSSL
void BM_OpenSSL_EVP_Digest(benchmark::State& state, const char* name) {
  const EVP_MD* md = EVP_get_digestbyname(name);
  const auto in = input(state);
  Bytes d;
  for (auto _ : state) benchmark::DoNotOptimize(d = openssl_digest(md, in));
  set_bytes(state);
}
BENCHMARK_CAPTURE(BM_OpenSSL_EVP_Digest, sha256, "SHA256")->Apply(sizes);
BENCHMARK_CAPTURE(BM_OpenSSL_EVP_Digest, sha512, "SHA512")->Apply(sizes);

void BM_OpenSSL_HMAC_SHA256(benchmark::State& state) {
  const Bytes key(32, 0x4B);
  const auto in = input(state);
  unsigned char d[32];
  unsigned int len = 0;
  for (auto _ : state) {
    HMAC(EVP_sha256(), key.data(), static_cast<int>(key.size()), in.data(), in.size(), d, &len);
    benchmark::DoNotOptimize(d);
  }
  set_bytes(state);
}
BENCHMARK(BM_OpenSSL_HMAC_SHA256)->Arg(64)->Arg(16384);
#endif

}  // namespace

BENCHMARK_MAIN();
