// The open text file's readers over arbitrary bytes: lines, characters,
// integers and the tag reader, each stopping at the end of the file.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "ZYL_streams/ZYL_streams.h"
#include "platform/exceptions.h"
#include "platform/textfile.h"
#include "scratch_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
  if (Size == 0) return 0;
  const std::string name = scratch_file("textfile.txt");
  std::FILE* f = std::fopen(name.c_str(), "wb");
  if (f == nullptr) return 0;
  std::fwrite(Data + 1, 1, Size - 1, f);
  std::fclose(f);

  zyl::TextFile t, u;  // u reads the same lines into one reused string
  t.Assign(zyl::from_utf8(name));
  t.Reset();
  u.Assign(zyl::from_utf8(name));
  u.Reset();
  zyl::String reused;
  std::size_t steps = 0;
  const std::vector<zyl::String> tags{u"a", u"b"};
  zyl::String attr, cont;
  while (!t.Eof()) {
    // Every read consumes a byte or the second half of a surrogate pair.
    if (++steps > 2 * Size + 2) std::abort();
    switch (Data[0] % 4) {
      case 0:
        u.ReadLn(reused);
        if (t.ReadLn() != reused) std::abort();
        break;
      case 1: t.ReadChar(); break;
      case 2:
        try {
          t.ReadInteger();
        } catch (const zyl::EInOutError&) {
          t.ReadChar();  // skip the offending character
        }
        break;
      default: ZYL_streams::ReadNextTagInTextFile(t, tags, attr, cont); break;
    }
  }
  t.CloseFile();
  u.CloseFile();
  return 0;
}
