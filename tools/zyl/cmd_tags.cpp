// zyl tags [--tags a,b,c] [FILE]: lists the elements of a markup file, one
// per line: index in the tag list, name, attributes and the first 60 bytes
// of the contents (completed to a whole UTF-8 character).
//
// Elements are read as ReadNextTagInStream reads them (see
// ZYL_zylbase/detail/tagreader.h), but as a stream: the attributes go to the
// output as they are read, and of the contents only the part shown and the
// few bytes needed to recognise the closing tag are kept, so memory stays
// bounded whatever the size of a tag or element. Bytes are written back as
// they were read (UTF-8 stays UTF-8); line ends and tabs are shown as \r, \n
// and \t.
#include <cstdint>
#include <memory>
#include <stdexcept>

#include "command.h"
#include "io.h"
#include "platform/bytereader.h"
#include "streaminput.h"
#include "zyl.h"
#include "ZYL_zylbase/detail/tagreader.h"

namespace zyl_tool {
namespace {

constexpr std::size_t kShownContents = 60;
// Names are kept whole (the index and the closing tag need them); a longer
// one is refused rather than held without bound.
constexpr std::size_t kMaxName = 1 << 20;

std::vector<zyl::String> split_tags(const std::string& list) {
  std::vector<zyl::String> tags;
  std::size_t start = 0;
  for (;;) {
    const std::size_t comma = list.find(',', start);
    const std::string one = list.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
    if (one.empty()) throw UsageError("--tags needs a comma-separated list of names");
    tags.push_back(zyl::LowerCase(zyl::from_utf8(one)));
    if (comma == std::string::npos) return tags;
    start = comma + 1;
  }
}

void append_shown(std::string& out, char c) {
  if (c == '\n') out += "\\n";
  else if (c == '\r') out += "\\r";
  else if (c == '\t') out += "\\t";
  else out += c;
}

std::string shown(std::string_view bytes) {
  std::string out;
  for (const char c : bytes) append_shown(out, c);
  return out;
}

char ascii_lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; }

// The listing, written in pieces of about 64 KiB.
class Listing {
 public:
  void add(std::string_view s) {
    FOut += s;
    if (FOut.size() >= (1u << 16)) flush();
  }
  void add_shown(char c) {
    append_shown(FOut, c);
    if (FOut.size() >= (1u << 16)) flush();
  }
  void flush() {
    write_stdout(FOut);
    FOut.clear();
  }

 private:
  std::string FOut;
};

class TagLister {
 public:
  TagLister(zyl::TStream& in, const std::vector<zyl::String>& tags, Listing& out)
      : FReader(in), FTags(tags), FOut(out) {}

  // Lists the next element; false when the input holds no more "<".
  bool next_element();

 private:
  bool skip_to_tag();
  void read_attributes();
  void put_attribute_byte(char c);
  void start_line();
  void read_contents();

  zyl::detail::ByteReader FReader;
  const std::vector<zyl::String>& FTags;
  Listing& FOut;
  std::string FName;  // as read (case kept until the index is taken)
  bool FTerminated = false;
  bool FEmptyElement = false;
  bool FLineStarted = false;
  // Attribute bytes not yet written: trailing blanks may be trimmed and a
  // final "/" (or "?" of an instruction) may belong to the tag's end.
  std::size_t FPendingBlanks = 0;
  char FPendingEnd = 0;
  bool FAttributesBegun = false;
};

bool TagLister::skip_to_tag() {
  std::uint8_t b;
  do {
    if (!FReader.next(b)) return false;
  } while (b != '<');
  return true;
}

void TagLister::start_line() {
  if (FLineStarted) return;
  FLineStarted = true;
  std::string name = FName;
  for (char& c : name) c = ascii_lower(c);
  // The tag list holds UTF-8 names decoded; so is the name for the lookup.
  const std::int32_t index = zyl::detail::tag_index(zyl::from_utf8(name), FTags);
  FOut.add(std::to_string(index) + "\t" + shown(name) + "\t");
}

void TagLister::put_attribute_byte(char c) {
  if (c == ' ') {
    if (FPendingEnd != 0) {
      // The "/" or "?" was not the last byte after all.
      start_line();
      for (; FPendingBlanks > 0; --FPendingBlanks) FOut.add(" ");
      FOut.add_shown(FPendingEnd);
      FPendingEnd = 0;
    }
    if (FAttributesBegun) ++FPendingBlanks;  // leading blanks are trimmed
    return;
  }
  start_line();
  if (FPendingEnd != 0) {
    for (; FPendingBlanks > 0; --FPendingBlanks) FOut.add(" ");
    FOut.add_shown(FPendingEnd);
    FPendingEnd = 0;
  }
  const bool may_end = c == '/' || (c == '?' && !FName.empty() && FName.front() == '?');
  if (may_end) {
    FPendingEnd = c;
    FAttributesBegun = true;
    return;
  }
  for (; FPendingBlanks > 0; --FPendingBlanks) FOut.add(" ");
  FOut.add_shown(c);
  FAttributesBegun = true;
}

void TagLister::read_attributes() {
  std::uint8_t b;
  while (FReader.next(b)) {
    if (b == '>') {
      FTerminated = true;
      // A final "/" (or the "?" of "<?name ...?>") makes the element empty.
      if (FPendingEnd != 0) {
        FEmptyElement = true;
        FPendingEnd = 0;
      }
      return;
    }
    put_attribute_byte(static_cast<char>(b));
  }
  // The input ended inside the tag: everything read is attribute text.
  if (FPendingEnd != 0) {
    start_line();
    for (; FPendingBlanks > 0; --FPendingBlanks) FOut.add(" ");
    FOut.add_shown(FPendingEnd);
    FPendingEnd = 0;
  }
}

void TagLister::read_contents() {
  std::string closing = "</";
  for (const char c : FName) closing += ascii_lower(c);
  closing += '>';
  std::string head;   // the first bytes, as many as may be shown
  std::string tail;   // the last bytes, enough to hold the closing tag
  std::uint64_t total = 0;
  bool closed = false;
  std::uint8_t b;
  while (!closed && FReader.next(b)) {
    const char c = static_cast<char>(b);
    ++total;
    if (head.size() < kShownContents + 3 + closing.size()) head += c;
    tail += ascii_lower(c);
    if (tail.size() > 2 * closing.size() + 64) tail.erase(0, tail.size() - closing.size());
    // Each ">" is tested as it arrives, so the first closing tag is always
    // at the end of what has been read.
    closed = c == '>' && tail.size() >= closing.size() &&
             tail.compare(tail.size() - closing.size(), closing.size(), closing) == 0;
  }
  const std::uint64_t length = closed ? total - closing.size() : total;
  std::size_t n = static_cast<std::size_t>(std::min<std::uint64_t>(length, kShownContents));
  // Complete a UTF-8 character cut at the limit (continuation bytes follow).
  while (n < length && n < head.size() && (static_cast<unsigned char>(head[n]) & 0xC0) == 0x80) ++n;
  FOut.add(shown(std::string_view(head).substr(0, n)));
}

bool TagLister::next_element() {
  for (;;) {
    if (!skip_to_tag()) return false;
    FName.clear();
    FTerminated = FEmptyElement = FLineStarted = FAttributesBegun = false;
    FPendingBlanks = 0;
    FPendingEnd = 0;
    std::uint8_t b;
    bool blank = false;
    while (FReader.next(b)) {
      if (b == '>') {
        FTerminated = true;
        break;
      }
      if (b == ' ') {
        blank = true;
        break;
      }
      if (FName.size() >= kMaxName) throw std::runtime_error("a tag name longer than 1 MiB");
      FName += static_cast<char>(b);
    }
    if (!FName.empty() && FName.front() == '!') {
      // A comment or declaration: skipped up to its ">".
      while (!FTerminated && FReader.next(b)) FTerminated = b == '>';
      continue;
    }
    if (FTerminated) {
      const bool instruction = FName.size() >= 2 && FName.front() == '?' && FName.back() == '?';
      if (instruction || (!FName.empty() && FName.back() == '/')) {
        FEmptyElement = true;
        FName.pop_back();
      }
    } else if (blank) {
      read_attributes();
    }
    // The input ended inside a tag that has nothing to show: no element.
    if (!FTerminated && FName.empty() && !FLineStarted) return false;
    start_line();
    FOut.add("\t");
    if (FTerminated && !FEmptyElement && !FName.empty() && FName.front() != '/') read_contents();
    FOut.add("\n");
    return true;
  }
}

int run_tags(Args& args) {
  std::string list;
  std::vector<zyl::String> tags;
  if (args.option("--tags", list)) tags = split_tags(list);
  const auto input = open_input_stream(args.positional());
  Listing out;
  TagLister lister(*input, tags, out);
  while (lister.next_element()) {
  }
  out.flush();
  return 0;
}

const CommandRegistration reg{{"tags", "[--tags a,b,c] [FILE]",
                               "list the elements of a markup FILE: index, name, attributes, contents", run_tags}};

}  // namespace
}  // namespace zyl_tool
