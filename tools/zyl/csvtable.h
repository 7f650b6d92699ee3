// CSV and TSV text to and from a TStringArray, for the table command.
//
// Records are lines (LF or CR LF); a field may be quoted with double quotes,
// inside which delimiters, line ends and doubled quotes ("") are text. Each
// record becomes one row, its fields columns 1..n (column 0 stays empty);
// the array has as many columns as the longest record. Cells hold the bytes
// as they stand (a UTF-8 file stays UTF-8).
//
// Example:
//   "id;name\r\n7;\"Smith; J.\"\r\n" with ';'  ⇒ 2 rows: (id, name), (7, Smith; J.)
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "zyl.h"

namespace zyl_tool {

struct CsvShape {
  std::int32_t records = 0;  // rows read (0 for empty text)
  bool crlf = false;          // the first line ended with CR LF
};

// The delimiter of the text's first line by the library's CSV-delimiter
// detection; "," when none of the candidates occurs.
char detect_csv_delimiter(std::string_view text);

// Reads text into a (replacing its contents). Raises std::runtime_error
// "line N: cell longer than 255 bytes" or "line N: quoted field not closed"
// naming the line where the offending field starts.
CsvShape read_csv(std::string_view text, char delim, zyl::TStringArray& a);

// The rows 1..records as seen, columns 1..NrOfColumns, fields quoted where
// they hold the delimiter, a quote or a line end, handed to Sink in pieces
// of about 64 KiB (whole rows).
void write_csv(const zyl::TStringArray& a, std::int32_t records, char delim, bool crlf,
               const std::function<void(std::string_view)>& Sink);

}  // namespace zyl_tool
