#include "csvtable.h"

#include <algorithm>
#include <stdexcept>

namespace zyl_tool {

char detect_csv_delimiter(std::string_view text) {
  const std::string_view first = text.substr(0, text.find('\n'));
  const int ix = zyl::DetectCSVDelimiter(zyl::from_latin1(first));
  return ix == 0 ? ',' : static_cast<char>(zyl::CSVDELIMITERS[static_cast<std::size_t>(ix)]);
}

namespace {

// Reads one field starting at pos into field (replacing its contents); pos
// ends at the delimiter, line end or end of text that follows it. line
// counts the line ends passed.
void read_field(std::string_view text, std::size_t& pos, char delim, int& line, std::string& field) {
  field.clear();
  const int start_line = line;
  if (pos < text.size() && text[pos] == '"') {
    ++pos;
    for (;;) {
      if (pos >= text.size()) throw std::runtime_error("line " + std::to_string(start_line) + ": quoted field not closed");
      const char c = text[pos++];
      if (c == '"') {
        if (pos < text.size() && text[pos] == '"') {
          field.push_back('"');
          ++pos;
          continue;
        }
        break;
      }
      if (c == '\n') ++line;
      field.push_back(c);
    }
  }
  // Unquoted text, or anything after a closing quote, runs to the field's end;
  // a CR there belongs to a CR LF line end (one inside quotes is text).
  const std::size_t unquoted = field.size();
  const std::size_t from = pos;
  while (pos < text.size() && text[pos] != delim && text[pos] != '\n') ++pos;
  field.append(text.substr(from, pos - from));
  if (field.size() > unquoted && field.back() == '\r' && (pos >= text.size() || text[pos] == '\n')) field.pop_back();
  if (field.size() > 255) throw std::runtime_error("line " + std::to_string(start_line) + ": cell longer than 255 bytes");
}

}  // namespace

CsvShape read_csv(std::string_view text, char delim, zyl::TStringArray& a) {
  CsvShape shape;
  const std::size_t first_end = text.find('\n');
  shape.crlf = first_end != std::string_view::npos && first_end > 0 && text[first_end - 1] == '\r';
  a.Clear();
  a.SetAllocRowsBy(1024);
  std::size_t pos = 0;
  int line = 1;
  std::int32_t rows = 0;
  std::string field;
  while (pos < text.size()) {
    const std::int32_t row = rows + 1;
    if (row > a.NrOfRows() && !a.Resize(a.NrOfColumns(), row)) throw std::runtime_error("out of memory");
    // Many rows: grow the allocation geometrically.
    if (row == a.allocated_rows()) a.SetAllocRowsBy(row);
    std::int32_t col = 1;
    for (;;) {
      read_field(text, pos, delim, line, field);
      if (col > a.NrOfColumns() && !a.Resize(col, a.NrOfRows())) throw std::runtime_error("out of memory");
      a.SetString(col, row, field);
      if (pos >= text.size() || text[pos] == '\n') break;
      ++pos;  // the delimiter
      ++col;
    }
    rows = row;
    if (pos < text.size()) {
      ++pos;  // the line end
      ++line;
    }
  }
  shape.records = rows;
  return shape;
}

void write_csv(const zyl::TStringArray& a, std::int32_t records, char delim, bool crlf,
               const std::function<void(std::string_view)>& Sink) {
  constexpr std::size_t kPiece = 1 << 16;
  std::string out;
  out.reserve(kPiece + 4096);
  auto plain = [delim](const std::string& field) {
    return std::none_of(field.begin(), field.end(),
                        [delim](char ch) { return ch == delim || ch == '"' || ch == '\r' || ch == '\n'; });
  };
  for (std::int32_t r = 1; r <= records; ++r) {
    for (std::int32_t c = 1; c <= a.NrOfColumns(); ++c) {
      if (c > 1) out.push_back(delim);
      const std::string field = a.GetString(c, r);
      if (plain(field)) {
        out += field;
        continue;
      }
      out.push_back('"');
      for (char ch : field) {
        if (ch == '"') out.push_back('"');
        out.push_back(ch);
      }
      out.push_back('"');
    }
    out += crlf ? "\r\n" : "\n";
    if (out.size() >= kPiece) {
      Sink(out);
      out.clear();
    }
  }
  if (!out.empty()) Sink(out);
}

}  // namespace zyl_tool
