// Checks that a file is well-formed XML with xmllint (Debian's
// libxml2-utils), where the test can run it. Where it cannot (the Windows
// build under Wine), the check is reported as skipped in the output and the
// byte-exact file tests stand in for it: the files are the same bytes.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include <gtest/gtest.h>

namespace zyl::test {

inline bool xmllint_available() {
  static const bool available = std::system("xmllint --version >/dev/null 2>&1") == 0;
  return available;
}

inline ::testing::AssertionResult WellFormedXML(const std::filesystem::path& p) {
  if (!xmllint_available()) {
    std::printf("  (xmllint not available: %s not checked)\n", p.filename().string().c_str());
    return ::testing::AssertionSuccess();
  }
  const std::string cmd = "xmllint --noout '" + p.string() + "' 2>&1";
  if (std::system(cmd.c_str()) == 0) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << p.string() << " is not well-formed XML (xmllint's report above)";
}

}  // namespace zyl::test
