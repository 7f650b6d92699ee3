// Library: zyl / Package: ZYL_filesys / Module: ascheader
#include "ZYL_filesys/ascheader.h"

#include <array>

#include "ZYL_streams/streamio.h"
#include "ZYL_zylbase/detail/numberscan.h"
#include "platform/bytereader.h"
#include "platform/casemap.h"
#include "platform/exceptions.h"
#include "platform/textfile.h"

namespace ZYL_filesys {
namespace {

constexpr std::int32_t kHeaderRead = 0;
constexpr std::int32_t kBadFirstCount = -1;
constexpr std::int32_t kBadSecondCount = -2;
constexpr std::int32_t kBadFlag = -3;

std::u16string_view trim_blanks(std::u16string_view S) {
  const std::size_t first = S.find_first_not_of(u' ');
  if (first == std::u16string_view::npos) return {};
  return S.substr(first, S.find_last_not_of(u' ') - first + 1);
}

// Reads the flags of line 4; kHeaderRead or kBadFlag.
std::int32_t parse_flags(const String& Line, bool& Flag1, bool& Flag2, bool& Flag3, bool& Flag4) {
  Flag1 = Flag2 = Flag3 = Flag4 = false;
  String text = Line;
  for (zyl::Char& c : text)
    if (c == u'\t') c = u' ';
  text = zyl::UpperCase(text);
  std::u16string_view rest = trim_blanks(text);
  const std::array<bool*, 3> required{&Flag1, &Flag2, &Flag3};
  for (bool* flag : required) {
    if (rest.starts_with(u"TRUE")) {
      *flag = true;
      rest.remove_prefix(4);
    } else if (rest.starts_with(u"FALSE")) {
      *flag = false;
      rest.remove_prefix(5);
    } else {
      return kBadFlag;
    }
    rest = trim_blanks(rest);
  }
  Flag4 = rest.starts_with(u"TRUE");
  return kHeaderRead;
}

// A count read from a text file; 0 when it is unreadable.
std::int32_t read_text_count(zyl::TextFile& F) {
  try {
    return F.ReadInteger();
  } catch (const zyl::EInOutError& e) {
    if (e.ErrorCode() != zyl::kIOInvalidNumericFormat) throw;
    return 0;
  }
}

// A byte source that remembers the last byte it handed out.
class TrackingSource {
 public:
  explicit TrackingSource(zyl::detail::ByteReader& Reader) : FReader(Reader) {}
  bool next(std::uint8_t& b) {
    if (!FReader.next(b)) {
      FEnded = true;
      return false;
    }
    FLast = b;
    return true;
  }
  bool line_done() const { return FEnded || FLast == '\n'; }

 private:
  zyl::detail::ByteReader& FReader;
  std::uint8_t FLast = 0;
  bool FEnded = false;
};

// Reads a count and skips the rest of its line, unless the byte that ended
// the number was already the line's LF (or the stream ended).
std::int32_t read_stream_count(zyl::TStream& Stream) {
  std::int32_t value = 0;
  bool line_done = false;
  {
    zyl::detail::ByteReader reader(Stream);
    TrackingSource source(reader);
    value = zyl::detail::scan_decimal(source);
    line_done = source.line_done();
  }
  if (!line_done) {
    bool eos = false;
    (void)ZYL_streams::ReadLnStream(Stream, eos, 0);
  }
  return value;
}

}  // namespace

std::int32_t ReadHeaderOfASC(const String& FileName, String& Line1, std::int32_t& Count1, std::int32_t& Count2,
                             bool& Flag1, bool& Flag2, bool& Flag3, bool& Flag4) {
  zyl::TextFile f;
  f.Assign(FileName);
  f.Reset();
  Line1 = f.ReadLn();
  Count1 = read_text_count(f);
  (void)f.ReadLn();  // the rest of the count's line
  if (Count1 <= 0) return kBadFirstCount;
  Count2 = read_text_count(f);
  (void)f.ReadLn();
  if (Count2 <= 0) return kBadSecondCount;
  const String flags = f.ReadLn();
  f.CloseFile();
  return parse_flags(flags, Flag1, Flag2, Flag3, Flag4);
}

std::int32_t ReadHeaderOfASC(zyl::TStream& Stream, String& Line1, std::int32_t& Count1, std::int32_t& Count2,
                             bool& Flag1, bool& Flag2, bool& Flag3, bool& Flag4) {
  bool eos = false;
  Line1 = ZYL_streams::ReadLnStream(Stream, eos, 0);
  Count1 = read_stream_count(Stream);
  if (Count1 <= 0) return kBadFirstCount;
  Count2 = read_stream_count(Stream);
  if (Count2 <= 0) return kBadSecondCount;
  return parse_flags(ZYL_streams::ReadLnStream(Stream, eos, 0), Flag1, Flag2, Flag3, Flag4);
}

}  // namespace ZYL_filesys
