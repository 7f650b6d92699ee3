#include "ZYL_filesys/ascheader.h"

#include <string>

#include <gtest/gtest.h>

#include "ZYL_streams/streamio.h"
#include "platform/exceptions.h"
#include "platform/memorystream.h"
#include "support/tempdir.h"

namespace ZYL_filesys {
namespace {

using zyl::String;

struct Header {
  std::int32_t status = 99;
  String line1 = u"unset";
  std::int32_t c1 = 77, c2 = 77;
  bool f1 = true, f2 = true, f3 = true, f4 = true;
  bool operator==(const Header&) const = default;
};

std::ostream& operator<<(std::ostream& os, const Header& h) {
  return os << "status " << h.status << " line1 \"" << zyl::to_utf8(h.line1) << "\" counts " << h.c1 << " " << h.c2
            << " flags " << h.f1 << h.f2 << h.f3 << h.f4;
}

class AscHeaderTest : public zyl::test::TempDirTest {
 protected:
  Header from_file(const std::string& bytes) {
    zyl::test::write_file_bytes(tmp.path() / "h.asc", bytes);
    Header h;
    h.status = ReadHeaderOfASC(tmp.file("h.asc"), h.line1, h.c1, h.c2, h.f1, h.f2, h.f3, h.f4);
    return h;
  }
  static Header from_stream(const std::string& bytes, zyl::TMemoryStream& m) {
    m.WriteBuffer(bytes.data(), static_cast<std::int64_t>(bytes.size()));
    m.SetPosition(0);
    Header h;
    h.status = ReadHeaderOfASC(m, h.line1, h.c1, h.c2, h.f1, h.f2, h.f3, h.f4);
    return h;
  }
};

TEST_F(AscHeaderTest, StatusesAndOutputsOfBothForms) {
  const struct {
    const char* label;
    std::string bytes;
    Header expected;
  } cases[] = {
      {"tabs and mixed case", "Run 7\r\n120\r\n3\r\nTRUE\tfalse\ttrue\r\n", {0, u"Run 7", 120, 3, true, false, true, false}},
      {"fourth flag", "t\r\n1\r\n2\r\nfalse false false TRUE\r\n", {0, u"t", 1, 2, false, false, false, true}},
      {"blanks before counts and text after them", "t\r\n  5 rows\r\n 6 cols\r\n true true true\r\n",
       {0, u"t", 5, 6, true, true, true, false}},
      {"only two flags", "t\r\n1\r\n2\r\nTRUE FALSE\r\n", {-3, u"t", 1, 2, true, false, false, false}},
      {"bad first flag", "t\r\n1\r\n2\r\nyes\r\n", {-3, u"t", 1, 2, false, false, false, false}},
      {"first count zero: line 3 not read", "t\r\n0\r\n5\r\n", {-1, u"t", 0, 77, true, true, true, true}},
      {"first count negative", "t\r\n-4\r\n5\r\n", {-1, u"t", -4, 77, true, true, true, true}},
      {"second count zero", "t\r\n3\r\n0\r\nTRUE TRUE TRUE\r\n", {-2, u"t", 3, 0, true, true, true, true}},
      {"file ends after line 1", "only a title", {-1, u"only a title", 0, 77, true, true, true, true}},
      {"flags glued together", "t\r\n1\r\n2\r\nTRUEFALSETRUE\r\n", {0, u"t", 1, 2, true, false, true, false}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(from_file(c.bytes), c.expected) << "file form: " << c.label;
    zyl::TMemoryStream m;
    EXPECT_EQ(from_stream(c.bytes, m), c.expected) << "stream form: " << c.label;
  }
}

TEST_F(AscHeaderTest, FormsDifferWhereTheirNumberReadersDo) {
  // The text-file integer must be followed by a blank or the line end.
  const std::string glued = "t\r\n12rows\r\n3\r\nTRUE TRUE TRUE\r\n";
  EXPECT_EQ(from_file(glued).status, -1);
  zyl::TMemoryStream m;
  const Header h = from_stream(glued, m);
  EXPECT_EQ(h.status, 0) << "the stream reader stops at the first non-digit";
  EXPECT_EQ(h.c1, 12);
}

TEST_F(AscHeaderTest, StreamFormLeavesTheDataReadableWithLfLineEnds) {
  for (const std::string eol : {"\n", "\r\n"}) {
    const std::string bytes = "t" + eol + "2" + eol + "3" + eol + "TRUE FALSE TRUE" + eol + "1 2 3" + eol + "4 5 6" + eol;
    zyl::TMemoryStream m;
    const Header h = from_stream(bytes, m);
    EXPECT_EQ(h, (Header{0, u"t", 2, 3, true, false, true, false}));
    bool eos = false;
    EXPECT_EQ(ZYL_streams::ReadLnStream(m, eos, 0), u"1 2 3") << "line end " << (eol.size() == 1 ? "LF" : "CR LF");
    EXPECT_EQ(from_file(bytes), h);
  }
}

TEST_F(AscHeaderTest, MissingFileRaises) {
  Header h;
  EXPECT_THROW(ReadHeaderOfASC(tmp.file("none.asc"), h.line1, h.c1, h.c2, h.f1, h.f2, h.f3, h.f4), zyl::EInOutError);
}

}  // namespace
}  // namespace ZYL_filesys
