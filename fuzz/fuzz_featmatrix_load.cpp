// The feature matrix's file reader over arbitrary text: no crash, no
// allocation beyond the documented limits, a result of 0, -1 or -2, and a
// matrix whose properties and values agree with its counts afterwards. What
// loaded is saved and loaded again, which must give the same bytes.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "ZYL_dstruct/featmatrix.h"
#include "platform/textfile.h"

namespace {

std::string scratch(const char* what) {
  return "/tmp/zyl-fuzz-featmatrix-" + std::to_string(::getpid()) + what;
}

std::string read_all(const std::string& name) {
  std::string s;
  if (std::FILE* f = std::fopen(name.c_str(), "rb")) {
    char buf[4096];
    for (std::size_t n; (n = std::fread(buf, 1, sizeof buf, f)) > 0;) s.append(buf, n);
    std::fclose(f);
  }
  return s;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
  const std::string in = scratch(".in"), out = scratch(".out"), again = scratch(".again");
  std::FILE* f = std::fopen(in.c_str(), "wb");
  if (f == nullptr) return 0;
  std::fwrite(Data, 1, Size, f);
  std::fclose(f);

  ZYL_dstruct::TFeatureMatrix m(nullptr);
  zyl::TextFile t;
  t.Assign(zyl::from_utf8(in));
  t.Reset();
  const std::int32_t r = m.LoadFromOpenFile(t);
  t.CloseFile();
  if (r != 0 && r != -1 && r != -2) std::abort();
  // Every feature has properties and a full column of values.
  for (int fix = 1; fix <= m.NFeatures(); ++fix) {
    if (m.GetFeatProps(fix) == nullptr) std::abort();
    m.GetFeatProps(fix)->SetFeatKind(ZYL_dstruct::TFeatKind::fkString);
    (void)m.GetFeatValStr(fix, m.NObjects());
  }
  if (static_cast<std::int64_t>(m.NFeatures()) * m.NObjects() > (std::int64_t{1} << 24)) std::abort();
  m.Save(zyl::from_utf8(out));
  ZYL_dstruct::TFeatureMatrix back(nullptr);
  if (back.Load(zyl::from_utf8(out)) != 0) std::abort();
  back.Save(zyl::from_utf8(again));
  if (read_all(out) != read_all(again)) std::abort();
  return 0;
}
