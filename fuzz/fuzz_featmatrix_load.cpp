// The feature matrix's file reader over arbitrary text: no crash, memory
// that follows the input (at most 64 bytes per input byte plus a constant,
// however large the counts it declares), a result of 0, -1 or -2, and a
// matrix whose properties and values agree with its counts afterwards. What
// loaded is saved and loaded again, which must give the same bytes.
#include <sanitizer/allocator_interface.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "ZYL_dstruct/featmatrix.h"
#include "platform/textfile.h"
#include "scratch_file.h"

namespace {

std::string read_all(const std::string& name) {
  std::string s;
  if (std::FILE* f = std::fopen(name.c_str(), "rb")) {
    char buf[4096];
    for (std::size_t n; (n = std::fread(buf, 1, sizeof buf, f)) > 0;) s.append(buf, n);
    std::fclose(f);
  }
  return s;
}

void save(const ZYL_dstruct::TFeatureMatrix& m, const std::string& name) {
  zyl::TextFile t;
  t.Assign(zyl::from_utf8(name));
  t.Rewrite();
  m.SaveToOpenFile(t);
  t.CloseFile();
}

// Bytes allocated and not freed while counting, and their peak. Blocks
// freed while counting that were allocated before only lower the count.
bool counting = false;
std::int64_t live = 0, peak = 0;

void on_malloc(const volatile void*, std::size_t size) {
  if (!counting) return;
  live += static_cast<std::int64_t>(size);
  peak = std::max(peak, live);
}

void on_free(const volatile void* p) {
  if (counting) live -= static_cast<std::int64_t>(__sanitizer_get_allocated_size(const_cast<const void*>(p)));
}

const int hooks_installed = __sanitizer_install_malloc_and_free_hooks(on_malloc, on_free);

// Reading buffers (the text file's 64 KiB among them) and the empty
// containers: what any input may cost besides its contents.
constexpr std::int64_t kConstantBytes = std::int64_t{1} << 20;
constexpr std::int64_t kBytesPerInputByte = 64;
// Saving writes six lines per declared feature: the round trip is checked
// for matrices up to this many features (the reader itself runs in full).
constexpr std::int32_t kRoundTripFeatures = 4096;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
  const std::string in = scratch_file("featmatrix.in"), out = scratch_file("featmatrix.out"),
                    again = scratch_file("featmatrix.again");
  std::FILE* f = std::fopen(in.c_str(), "wb");
  if (f == nullptr) return 0;
  std::fwrite(Data, 1, Size, f);
  std::fclose(f);

  ZYL_dstruct::TFeatureMatrix m(nullptr);
  zyl::TextFile t;
  t.Assign(zyl::from_utf8(in));
  t.Reset();
  live = peak = 0;
  counting = hooks_installed != 0;
  const std::int32_t r = m.LoadFromOpenFile(t);
  counting = false;
  t.CloseFile();
  if (r != 0 && r != -1 && r != -2) std::abort();
  if (peak > kConstantBytes + kBytesPerInputByte * static_cast<std::int64_t>(Size)) {
    std::fprintf(stderr, "loading %zu bytes took %lld bytes of memory\n", Size, static_cast<long long>(peak));
    std::abort();
  }
  // Features at both ends have properties and values at the last object.
  const int nf = m.NFeatures();
  for (int fix : {1, 2, nf / 2, nf - 1, nf}) {
    if (fix < 1 || fix > nf) continue;
    if (m.GetFeatProps(fix) == nullptr) std::abort();
    m.GetFeatProps(fix)->SetFeatKind(ZYL_dstruct::TFeatKind::fkString);
    (void)m.GetFeatValStr(fix, m.NObjects());
  }
  if (nf > kRoundTripFeatures) return 0;
  // Written through an open text file: the same bytes Save writes, without
  // its flush to disk, which would cost more than everything else here.
  save(m, out);
  ZYL_dstruct::TFeatureMatrix back(nullptr);
  if (back.Load(zyl::from_utf8(out)) != 0) std::abort();
  save(back, again);
  if (read_all(out) != read_all(again)) std::abort();
  return 0;
}
