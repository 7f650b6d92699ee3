// The digest commands and their checking mode (-c), whose output and status
// follow the coreutils checkers, the listing-line reader on its own, and
// the hmac command.
#include <gtest/gtest.h>

#include "support/tempdir.h"
#include "tools/tool_support.h"
#include "zyl/checklist.h"

namespace zyl::test {
namespace {

TEST(DigestTool, ListsEveryDigestOfStandardInput) {
  struct Case {
    const char* cmd;
    const char* hex;
  };
  const Case cases[] = {
      {"sha1", "A9993E364706816ABA3E25717850C26C9CD0D89D"},
      {"sha224", "23097D223405D8228642A477BDA255B32AADBCE4BDA0B3F7E36C9DA7"},
      {"sha256", "BA7816BF8F01CFEA414140DE5DAE2223B00361A396177A9CB410FF61F20015AD"},
      {"sha384", "CB00753F45A35E8BB5A03D699AC65007272C32AB0EDED1631A8B605A43FF5BED8086072BA1E7CC2358BAECA134C825A7"},
      {"sha512",
       "DDAF35A193617ABACC417349AE20413112E6FA4E89A97EA20A9EEEE64B55D39A2192992A274FC1A836BA3C23A3FEEBBD454D4423643CE80E2"
       "A9AC94FA54CA49F"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.cmd);
    const ToolResult r = run_tool(c.cmd, "abc");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, std::string(c.hex) + "  -\n");
  }
}

class DigestCheck : public TempDirTest {
 protected:
  void SetUp() override {
    write_file_bytes(tmp.path() / "a.txt", "abc");
    write_file_bytes(tmp.path() / "b.txt", "");
  }
  std::string a() const { return to_utf8(tmp.file("a.txt")); }
  std::string b() const { return to_utf8(tmp.file("b.txt")); }
  ToolResult check(const std::string& cmd, const std::string& list) {
    write_file_bytes(tmp.path() / "list", list);
    return run_tool(cmd + " -c " + quoted(tmp.file("list")));
  }
};

TEST_F(DigestCheck, OwnListingChecksOutForEveryDigest) {
  for (const char* cmd : {"sha1", "sha224", "sha256", "sha384", "sha512"}) {
    SCOPED_TRACE(cmd);
    const ToolResult listing = run_tool(std::string(cmd) + " " + quoted(tmp.file("a.txt")) + " " + quoted(tmp.file("b.txt")));
    ASSERT_EQ(listing.status, 0) << listing.err;
    const ToolResult r = check(cmd, listing.out);
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, a() + ": OK\n" + b() + ": OK\n");
    EXPECT_EQ(r.err, "");
  }
}

TEST_F(DigestCheck, OutcomesAndSummaries) {
  const std::string abc = "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad";
  const std::string empty = "E3B0C44298FC1C149AFBF4C8996FB92427AE41E4649B934CA495991B7852B855";
  const std::string missing = to_utf8(tmp.file("missing"));
  struct Case {
    const char* label;
    std::string list, out;
    std::vector<std::string> err;  // each on its own line of standard error, in order
    int status;
  };
  const Case cases[] = {
      {"lower and upper case digits, binary marker, CR LF, comments and empty lines",
       "# made by hand\r\n" + abc + " *" + a() + "\r\n\n" + empty + "  " + b() + "\n", a() + ": OK\n" + b() + ": OK\n", {}, 0},
      {"tagged lines", "SHA256 (" + a() + ") = " + abc + "\n", a() + ": OK\n", {}, 0},
      {"a mismatch", empty + "  " + a() + "\n" + empty + "  " + b() + "\n", a() + ": FAILED\n" + b() + ": OK\n",
       {"zyl sha256: WARNING: 1 computed checksum did NOT match"}, 1},
      {"two mismatches", empty + "  " + a() + "\n" + empty + "  " + a() + "\n", a() + ": FAILED\n" + a() + ": FAILED\n",
       {"zyl sha256: WARNING: 2 computed checksums did NOT match"}, 1},
      {"an unreadable file", abc + "  " + missing + "\n" + abc + "  " + a() + "\n",
       missing + ": FAILED open or read\n" + a() + ": OK\n",
       {"zyl sha256: cannot open " + missing, "zyl sha256: WARNING: 1 listed file could not be read"}, 1},
      {"malformed lines beside good ones are reported, status unchanged",
       abc + " " + a() + "\n" + abc.substr(1) + "  " + a() + "\n" + abc + "  " + a() + "\nSHA1 (" + a() + ") = " + abc + "\n",
       a() + ": OK\n",
       {"zyl sha256: " + to_utf8(tmp.file("list")) + ": 1: improperly formatted SHA256 checksum line",
        "zyl sha256: " + to_utf8(tmp.file("list")) + ": 2: improperly formatted SHA256 checksum line",
        "zyl sha256: " + to_utf8(tmp.file("list")) + ": 4: improperly formatted SHA256 checksum line",
        "zyl sha256: WARNING: 3 lines are improperly formatted"},
       0},
      {"no well-formed line at all", "hello\n", "",
       {"zyl sha256: " + to_utf8(tmp.file("list")) + ": 1: improperly formatted SHA256 checksum line",
        "zyl sha256: " + to_utf8(tmp.file("list")) + ": no properly formatted checksum lines found"},
       1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    const ToolResult r = check("sha256", c.list);
    EXPECT_EQ(r.status, c.status);
    EXPECT_EQ(r.out, c.out);
    std::size_t at = 0;
    for (const std::string& e : c.err) {
      at = r.err.find(e, at);
      ASSERT_NE(at, std::string::npos) << "missing: " << e << "\nin:\n" << r.err;
    }
    if (c.err.empty()) {
      EXPECT_EQ(r.err, "");
    }
  }
  const ToolResult quiet = run_tool("sha256 -c --quiet " + quoted(tmp.file("list")));
  EXPECT_EQ(quiet.out, "") << "--quiet drops the OK lines";
  EXPECT_EQ(run_tool("sha256 --quiet").status, 2) << "--quiet without -c";
  EXPECT_EQ(run_tool("sha256 -c " + quoted(tmp.file("nolist"))).status, 1);
}

TEST(ChecklistReader, ParsesAndFormatsListingLines) {
  using zyl_tool::parse_check_line;
  const std::string h = "0123456789abcdefABCDEF0123456789abcdefABCDEF0123456789abcdefABCD";
  struct Case {
    std::string line;
    bool ok;
    std::string name;
  };
  const Case cases[] = {
      {h + "  name", true, "name"},
      {h + " *name with  spaces ", true, "name with  spaces "},
      {h + "  name\r", true, "name"},
      {"\\" + h + "  a\\\\b\\nc", true, "a\\b\nc"},
      {"\\" + h + "  a\\r", true, "a\r"},
      {"SHA256 (x) = y) = " + h, true, "x) = y"},
      {"\\SHA256 (a\\nb) = " + h, true, "a\nb"},
      {h + " name", false, ""},
      {h + "  ", false, ""},
      {h.substr(1) + "   name", false, ""},
      {"g" + h.substr(1) + "  name", false, ""},
      {h + "0  name", false, ""},
      {"\\" + h + "  a\\tb", false, ""},
      {"\\" + h + "  a\\", false, ""},
      {"SHA256 () = " + h, false, ""},
      {"SHA256 (x) = " + h.substr(2), false, ""},
      {"SHA1 (x) = " + h, false, ""},
      {"", false, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.line);
    const auto e = parse_check_line(c.line, "SHA256", 64);
    ASSERT_EQ(e.has_value(), c.ok);
    if (c.ok) {
      EXPECT_EQ(e->name, c.name);
    }
  }
  for (const bool backslash_paths : {false, true}) {
    for (const std::string name : {"plain", "back\\slash", "line\nbreak", " lead", "cr\r", "C:\\dir\\x\ny"}) {
      const std::string line = zyl_tool::format_check_line(h, name, backslash_paths);
      const auto e = parse_check_line(line, "SHA256", 64);
      ASSERT_TRUE(e.has_value()) << name;
      EXPECT_EQ(e->name, name);
      EXPECT_EQ(e->hex, h);
    }
  }
  EXPECT_EQ(zyl_tool::format_check_line("AB", "C:\\d\\f", true), "AB  C:\\d\\f") << "Windows paths as they are";
  EXPECT_EQ(zyl_tool::format_check_line("AB", "d\\f", false), "\\AB  d\\\\f");
  EXPECT_EQ(zyl_tool::display_name("a\\b"), "a\\b");
  EXPECT_EQ(zyl_tool::display_name("a\nb"), "\\a\\nb");
}

class HmacTool : public TempDirTest {};

TEST_F(HmacTool, KeyedDigestsOfFilesAndStandardInput) {
  write_file_bytes(tmp.path() / "key", "Jefe");
  write_file_bytes(tmp.path() / "msg", "what do ya want for nothing?");
  const std::string key = " --key-file " + quoted(tmp.file("key"));
  const ToolResult r = run_tool("hmac" + key + " " + quoted(tmp.file("msg")));
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "5BDCC146BF60754E6A042426089575C75A003F089D2739839DEC58B964EC3843  " + to_utf8(tmp.file("msg")) + "\n");
  EXPECT_EQ(run_tool("hmac --algo sha512" + key, "what do ya want for nothing?").out,
            "164B7A7BFCF819E2E395FBE73B56E0A387BD64222E831FD610270CD7EA2505549758BF75C05A994A6D034F65F8F0E6FDCAEAB1A34D4A6B4B"
            "636E070A38BCE737  -\n");
  EXPECT_EQ(run_tool("hmac --algo sha1" + key, "what do ya want for nothing?").out,
            "EFFCDF6AE5EB2FA2D27416D5F184DF9C259A7C79  -\n");
  EXPECT_EQ(run_tool("hmac").status, 2) << "no key";
  EXPECT_EQ(run_tool("hmac --algo md4" + key).status, 2) << "unknown digest";
  EXPECT_EQ(run_tool("hmac --key-file -").status, 2) << "key and data both on standard input";
  EXPECT_NE(run_tool("hmac --key-file " + quoted(tmp.file("nokey"))).status, 0);
}

}  // namespace
}  // namespace zyl::test
