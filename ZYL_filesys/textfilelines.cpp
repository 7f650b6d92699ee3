// Library: zyl / Package: ZYL_filesys / Module: textfilelines
#include "ZYL_filesys/textfilelines.h"

#include <algorithm>
#include <cstring>
#include <deque>
#include <limits>
#include <new>
#include <stdexcept>

#include "ZYL_filesys/detail/textblocks.h"
#include "platform/exceptions.h"
#include "platform/filesearch.h"
#include "platform/savefile.h"

namespace ZYL_filesys {
namespace {

constexpr std::int64_t kFeedbackEvery = 1000;
constexpr std::size_t kTailBlock = 64 * 1024;

std::int32_t saturated(std::int64_t Count) {
  return static_cast<std::int32_t>(std::min<std::int64_t>(Count, std::numeric_limits<std::int32_t>::max()));
}

// Calls Feedback for every multiple of 1000 in (Before, After].
void report_thousands(TFeedbackProc Feedback, std::int64_t Before, std::int64_t After) {
  if (Feedback == nullptr) return;
  for (std::int64_t k = Before / kFeedbackEvery + 1; k * kFeedbackEvery <= After; ++k)
    Feedback(nullptr, static_cast<double>(k * kFeedbackEvery), 0.0);
}

// N slots, or EOutOfMemory when N strings cannot be held.
TStrArray empty_lines(std::int32_t N) {
  try {
    return TStrArray(static_cast<std::size_t>(N));
  } catch (const std::bad_alloc&) {
  } catch (const std::length_error&) {
  }
  throw zyl::EOutOfMemory(u"Out of memory: cannot hold " + zyl::from_ascii(std::to_string(N)) + u" lines");
}

// Lines of a file counted from its bytes: its LFs, plus a last line without LF.
struct LineCounter {
  std::int64_t Lines = 0;
  char Last = '\n';  // the last byte seen; LF for an empty file

  void add(const char* P, std::size_t N) {
    if (N == 0) return;
    Lines += static_cast<std::int64_t>(detail::count_lf(P, N));
    Last = P[N - 1];
  }
  std::int64_t total() const { return Lines + (Last != '\n' ? 1 : 0); }
};

// The offset at which the last Wanted lines of the file begin, the file
// holding Lines lines and ending at Size: found by reading backwards from
// the end in blocks and counting LFs.
std::int64_t tail_start(detail::InputFile& File, std::int64_t Size, std::int64_t Lines, std::int64_t Wanted) {
  if (Wanted >= Lines) return 0;
  const std::string last = File.read_at(Size - 1, 1);
  // The LF that ends the last line does not start another line.
  std::int64_t end = last == "\n" ? Size - 1 : Size;
  std::int64_t seen = 0;
  while (end > 0) {
    const std::int64_t from = std::max<std::int64_t>(0, end - static_cast<std::int64_t>(kTailBlock));
    const std::string block = File.read_at(from, static_cast<std::size_t>(end - from));
    for (std::size_t i = block.size(); i > 0; --i)
      if (block[i - 1] == '\n' && ++seen == Wanted) return from + static_cast<std::int64_t>(i);
    end = from;
  }
  return 0;
}

// Copies bytes with an LF written after every CR that is not followed by one;
// the byte after such a CR is copied without being examined again. Works
// across blocks; appends to Out.
class CRLFRepair {
 public:
  explicit CRLFRepair(std::string& Out) : FOut(Out) {}

  void feed(const char* P, std::size_t N) {
    const char* const end = P + N;
    if (FAfterCR && P < end) {
      if (*P != '\n') put("\n", 1);
      put(P++, 1);
      FAfterCR = false;
    }
    while (P < end) {
      const auto* cr = static_cast<const char*>(std::memchr(P, '\r', static_cast<std::size_t>(end - P)));
      if (cr == nullptr) {
        put(P, static_cast<std::size_t>(end - P));
        return;
      }
      put(P, static_cast<std::size_t>(cr - P) + 1);
      P = cr + 1;
      if (P == end) {
        FAfterCR = true;  // the next block decides
        return;
      }
      if (*P != '\n') put("\n", 1);
      put(P++, 1);
    }
  }
  // The end of the input: a CR at the very end gets its LF.
  void finish() {
    if (FAfterCR) put("\n", 1);
    FAfterCR = false;
  }

 private:
  void put(const char* P, std::size_t N) { FOut.append(P, N); }

  std::string& FOut;
  bool FAfterCR = false;
};

// Opens the file for appending, or creates it when it does not exist. A file
// that exists but cannot be appended to is never created anew (that would
// empty it): its error is raised.
void open_for_appending(zyl::TextFile& F, const String& FileName) {
  F.Assign(FileName);
  try {
    F.Append();
  } catch (const zyl::EInOutError&) {
    String stored;
    if (zyl::platform::stored_entry_name(FileName, stored)) throw;
    F.Rewrite();
  }
}

}  // namespace

void EnsureCRLFInFile(const String& InFile, const String& OutFile) {
  // Converted block by block straight into the save, so neither the input
  // nor the output is ever held whole. The input is closed before the save
  // puts its result in place, which may be under the input's own name.
  zyl::platform::save_file_by_blocks(OutFile, [&InFile](const zyl::platform::SaveSink& Sink) {
    detail::InputFile file(InFile);
    std::vector<char> block(detail::LineChunks::kBlockSize);
    std::string out;
    CRLFRepair repair(out);
    for (std::size_t n; (n = file.read(block.data(), block.size())) > 0;) {
      out.clear();
      repair.feed(block.data(), n);
      Sink(out);
    }
    out.clear();
    repair.finish();
    Sink(out);
  });
}

void AppendToTextFile(const String& FileName, const String& Line) {
  zyl::TextFile f;
  open_for_appending(f, FileName);
  f.WriteLn(Line);
  f.CloseFile();
}

void AppendToTextFile(const String& FileName, const zyl::TStrings& Lines) {
  zyl::TextFile f;
  open_for_appending(f, FileName);
  for (int i = 0; i < Lines.Count(); ++i) f.WriteLn(Lines[i]);
  f.CloseFile();
}

TStrArray ReadLastNLinesOfTextFile(zyl::TextFile& F, std::int32_t N, std::int32_t& LineCount) {
  LineCount = 0;
  F.Reset();
  TStrArray ring;  // grows to N slots at most; line k goes to slot k mod N
  std::int64_t lines = 0;
  while (!F.Eof()) {
    String line = F.ReadLn();
    if (N > 0) {
      const auto slot = static_cast<std::size_t>(lines % N);
      if (slot == ring.size()) {
        ring.push_back(std::move(line));
      } else {
        ring[slot] = std::move(line);
      }
    }
    ++lines;
  }
  F.Reset();
  LineCount = saturated(lines);
  if (N <= 0) return TStrArray();
  TStrArray result = empty_lines(N);
  const std::int64_t kept = std::min<std::int64_t>(lines, N);
  // The oldest line kept sits in the slot after the last one written.
  for (std::int64_t i = 0; i < kept; ++i)
    result[static_cast<std::size_t>(N - kept + i)] =
        std::move(ring[static_cast<std::size_t>((lines - kept + i) % N)]);
  return result;
}

// The last N lines of a file read once from start to end, for files whose
// reported size says nothing of what they hold (/proc/version and the like
// report 0), so they can be neither measured nor read from the end.
TStrArray last_lines_of_stream(detail::InputFile& File, std::int32_t N, std::int32_t& LineCount) {
  std::deque<std::string> kept;  // the last N lines read, line ends included
  std::string line;
  std::int64_t lines = 0;
  const auto keep = [&] {
    ++lines;
    if (N <= 0) return;
    if (kept.size() == static_cast<std::size_t>(N)) kept.pop_front();
    kept.push_back(std::move(line));
    line.clear();
  };
  std::vector<char> block(detail::LineChunks::kBlockSize);
  for (std::size_t n; (n = File.read(block.data(), block.size())) > 0;) {
    std::string_view rest(block.data(), n);
    for (std::size_t lf; (lf = rest.find('\n')) != std::string_view::npos; rest.remove_prefix(lf + 1)) {
      line.append(rest.substr(0, lf + 1));
      keep();
    }
    line.append(rest);
  }
  if (!line.empty()) keep();
  LineCount = saturated(lines);
  if (N <= 0) return TStrArray();
  TStrArray result = empty_lines(N);
  std::size_t slot = static_cast<std::size_t>(N) - kept.size();
  for (const std::string& l : kept) result[slot++] = zyl::from_utf8(detail::strip_line_end(l));
  return result;
}

TStrArray ReadLastNLinesOfTextFile(const String& FileName, std::int32_t N, std::int32_t& LineCount) {
  LineCount = 0;
  detail::InputFile file(FileName);
  if (file.size() == 0) return last_lines_of_stream(file, N, LineCount);
  LineCounter counter;
  std::vector<char> block(detail::LineChunks::kBlockSize);
  for (std::size_t n; (n = file.read(block.data(), block.size())) > 0;) counter.add(block.data(), n);
  const std::int64_t size = file.size();
  const std::int64_t lines = counter.total();
  LineCount = saturated(lines);
  if (N <= 0) return TStrArray();
  TStrArray result = empty_lines(N);
  const std::int64_t kept = std::min<std::int64_t>(lines, N);
  if (kept == 0) return result;
  const std::int64_t start = tail_start(file, size, lines, kept);
  const std::string tail = file.read_at(start, static_cast<std::size_t>(size - start));
  std::size_t slot = static_cast<std::size_t>(N - kept);
  std::string_view rest(tail);
  while (!rest.empty() && slot < result.size()) {
    const std::size_t lf = rest.find('\n');
    const std::size_t len = lf == std::string_view::npos ? rest.size() : lf + 1;
    result[slot++] = zyl::from_utf8(detail::strip_line_end(rest.substr(0, len)));
    rest.remove_prefix(len);
  }
  return result;
}

std::int32_t CountLinesInTextFile(zyl::TextFile& F, TFeedbackProc Feedback) {
  F.Reset();
  std::int64_t lines = 0;
  while (!F.Eof()) {
    (void)F.ReadLn();
    ++lines;
    if (Feedback != nullptr && lines % kFeedbackEvery == 0) Feedback(nullptr, static_cast<double>(lines), 0.0);
  }
  F.Reset();
  return saturated(lines);
}

std::int32_t CountLinesInTextFile(const String& FileName, TFeedbackProc Feedback) {
  detail::InputFile file(FileName);
  LineCounter counter;
  std::vector<char> block(detail::LineChunks::kBlockSize);
  std::int64_t reported = 0;
  for (std::size_t n; (n = file.read(block.data(), block.size())) > 0;) {
    counter.add(block.data(), n);
    // Lines completed so far; the one still open is reported once it ends.
    report_thousands(Feedback, reported, counter.Lines);
    reported = counter.Lines;
  }
  report_thousands(Feedback, reported, counter.total());
  return saturated(counter.total());
}

String ReadNextWordInTextFile(zyl::TextFile& F) {
  String word;
  Char c = 0;
  do {
    if (F.Eof()) return word;
    c = F.ReadChar();
  } while (c <= 32);
  word.push_back(c);
  while (!F.Eof()) {
    c = F.ReadChar();
    if (c <= 32) break;
    word.push_back(c);
  }
  return word;
}

}  // namespace ZYL_filesys
