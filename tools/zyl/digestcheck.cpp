#include "digestcheck.h"

#include <exception>
#include <string_view>

#include "checklist.h"
#include "command.h"
#include "io.h"

namespace zyl_tool {
namespace {

constexpr DigestAlgorithm kAlgorithms[] = {
    {zyl::TDigestKind::dkSHA1, "sha1", "SHA1", 40},
    {zyl::TDigestKind::dkSHA224, "sha224", "SHA224", 56},
    {zyl::TDigestKind::dkSHA256, "sha256", "SHA256", 64},
    {zyl::TDigestKind::dkSHA384, "sha384", "SHA384", 96},
    {zyl::TDigestKind::dkSHA512, "sha512", "SHA512", 128},
    {zyl::TDigestKind::dkSHA512_256, "sha512-256", "SHA512/256", 64},
};

std::string count_text(std::size_t n, const char* one, const char* many) {
  return std::to_string(n) + " " + (n == 1 ? one : many);
}

struct check_counts {
  std::size_t proper = 0, malformed = 0, unreadable = 0, mismatched = 0;
};

// Checks one listed file and prints its line; counts the outcome.
void check_entry(const DigestAlgorithm& algo, const CheckEntry& e, bool quiet, check_counts& n) {
  std::string hex;
  try {
    hex = digest_hex(algo, e.name);
  } catch (const std::exception& ex) {
    report_error(ex.what());
    write_stdout(display_name(e.name) + ": FAILED open or read\n");
    ++n.unreadable;
    return;
  }
  if (!same_hex(hex, e.hex)) {
    write_stdout(display_name(e.name) + ": FAILED\n");
    ++n.mismatched;
  } else if (!quiet) {
    write_stdout(display_name(e.name) + ": OK\n");
  }
}

// Checks the lines of one listing; returns its exit status.
int check_list(const DigestAlgorithm& algo, const std::string& list, bool quiet) {
  const std::string shown = list == "-" ? "standard input" : list;
  std::string text;
  try {
    text = read_all(list);
  } catch (const std::exception& ex) {
    report_error(ex.what());
    return 1;
  }
  check_counts n;
  std::size_t line_no = 0;
  for (std::size_t at = 0; at < text.size();) {
    const std::size_t end = std::min(text.find('\n', at), text.size());
    const std::string_view line(text.data() + at, end - at);
    at = end + 1;
    ++line_no;
    if (line.empty() || line == "\r" || line.front() == '#') continue;
    const auto entry = parse_check_line(line, algo.tag, algo.hex_len);
    if (!entry) {
      report_error(shown + ": " + std::to_string(line_no) + ": improperly formatted " + algo.tag + " checksum line");
      ++n.malformed;
      continue;
    }
    ++n.proper;
    check_entry(algo, *entry, quiet, n);
  }
  if (n.proper == 0) {
    report_error(shown + ": no properly formatted checksum lines found");
    return 1;
  }
  if (n.malformed > 0) report_error("WARNING: " + count_text(n.malformed, "line is", "lines are") + " improperly formatted");
  if (n.unreadable > 0)
    report_error("WARNING: " + count_text(n.unreadable, "listed file", "listed files") + " could not be read");
  if (n.mismatched > 0)
    report_error("WARNING: " + count_text(n.mismatched, "computed checksum", "computed checksums") + " did NOT match");
  return n.unreadable + n.mismatched > 0 ? 1 : 0;
}

}  // namespace

const DigestAlgorithm& digest_algorithm(zyl::TDigestKind kind) {
  for (const DigestAlgorithm& a : kAlgorithms)
    if (a.kind == kind) return a;
  throw std::logic_error("unknown digest kind");
}

const DigestAlgorithm& digest_algorithm_named(const std::string& option) {
  for (const DigestAlgorithm& a : kAlgorithms)
    if (option == a.option) return a;
  throw UsageError("unknown digest '" + option + "' (sha1, sha224, sha256, sha384, sha512, sha512-256)");
}

std::string digest_hex(const DigestAlgorithm& algo, const std::string& name) {
  zyl::TDigestHasher h(algo.kind);
  h.AddStream(*open_input(name));
  return zyl::to_utf8(zyl::DigestToHex(h.Finish()));
}

int check_lists(const DigestAlgorithm& algo, const std::vector<std::string>& lists, bool quiet) {
  const std::vector<std::string> names = lists.empty() ? std::vector<std::string>{"-"} : expand_files(lists);
  int status = 0;
  for (const std::string& list : names) status |= check_list(algo, list, quiet);
  return status;
}

}  // namespace zyl_tool
