// Library: zyl / Package: ZYL_dstruct / Module: stringarray (XML form)
//
// Writing and reading the <strarray> block (layout in stringarray.h).
//
// Every row carries all of its cells, so the memory a reader allocates is
// bounded by the text it has read: a block claiming two billion rows or
// columns is refused once the elements present disagree with it, and the
// array grows only as rows arrive. The block is read into a scratch array
// that replaces the caller's only when it proved complete and consistent.
#include <algorithm>
#include <functional>
#include <limits>

#include "ZYL_dstruct/detail/xmltext.h"
#include "ZYL_dstruct/stringarray.h"
#include "ZYL_zylbase/detail/tagreader.h"
#include "ZYL_zylbase/detail/textfilesource.h"
#include "platform/numtext.h"
#include "platform/savefile.h"

namespace ZYL_dstruct {
namespace {

using zyl::detail::kXMLLineEnd;

constexpr std::u16string_view kBlockTag = u"strarray";
constexpr std::u16string_view kBlockEnd = u"/strarray";
// Written text is handed on in pieces of about this many characters.
constexpr std::size_t kChunk = 1 << 15;

// -- Writing ----------------------------------------------------------------------

void append_attrib_element(String& out, std::u16string_view name, std::uint8_t attrib, bool empty_element) {
  out += u"<";
  out += name;
  out += u" attrib=\"";
  out += zyl::IntToStr(attrib);
  out += empty_element ? u"\"/>" : u"\">";
}

void append_cell(String& out, std::string_view text) {
  if (text.empty()) {
    out += u"<cell/>";
    return;
  }
  const String wide = zyl::from_latin1(text);
  if (zyl::detail::xml_can_carry(wide)) {
    out += u"<cell>";
    zyl::detail::append_xml_escaped(out, wide);
  } else {
    out += u"<cell hex=\"1\">";
    zyl::detail::append_hex_units(out, wide, 2);
  }
  out += u"</cell>";
}

void write_block(const TStringArray& a, bool CreateHeader, const String& DataID,
                 const std::function<void(std::u16string_view)>& sink) {
  String out;
  if (CreateHeader) {
    out += zyl::detail::kXMLHeader;
    out += kXMLLineEnd;
  }
  out += u"<strarray";
  zyl::detail::append_text_attribute(out, u"dataid", DataID);
  out += u" numcols=\"" + zyl::IntToStr(a.NrOfColumns()) + u"\" numrows=\"" + zyl::IntToStr(a.NrOfRows()) +
         u"\" allocrowsby=\"" + zyl::IntToStr(a.AllocRowsBy()) + u"\">";
  out += kXMLLineEnd;
  for (std::int32_t c = 1; c <= a.NrOfColumns(); ++c) {
    append_attrib_element(out, u"col", a.GetColAttrib(c), true);
    out += kXMLLineEnd;
  }
  for (std::int32_t r = 1; r <= a.NrOfRows(); ++r) {
    append_attrib_element(out, u"row", a.GetRowAttrib(r), false);
    for (std::int32_t c = 0; c <= a.NrOfColumns(); ++c) append_cell(out, a.GetString(c, r));
    out += u"</row>";
    out += kXMLLineEnd;
    if (out.size() >= kChunk) {
      sink(out);
      out.clear();
    }
  }
  out += u"</strarray>";
  out += kXMLLineEnd;
  sink(out);
}

// -- Reading ----------------------------------------------------------------------

// The next tag: false at the end of the input or for a tag cut off by it.
template <class Source>
bool next_tag(Source& src, zyl::detail::TagElement& e) {
  String text;
  if (!zyl::detail::read_tag_text(src, text)) return false;
  e = zyl::detail::split_tag_text(text);
  return e.terminated;
}

std::optional<std::int64_t> integer_attribute(std::u16string_view attributes, std::u16string_view name) {
  return zyl::detail::parse_xml_integer(zyl::detail::scan_attribute(attributes, name));
}

std::optional<std::uint8_t> attrib_of(const zyl::detail::TagElement& e) {
  const auto v = integer_attribute(e.attributes, u"attrib");
  if (!v || *v < 0 || *v > 255) return std::nullopt;
  return static_cast<std::uint8_t>(*v);
}

// The text of a <cell> element whose tag has been read; nothing when it is
// cut off or does not hold a Latin-1 text of at most 255 characters.
template <class Source>
std::optional<AnsiString> read_cell(Source& src, const zyl::detail::TagElement& e) {
  if (e.empty_element) return AnsiString();
  String contents;
  if (!zyl::detail::read_contents(src, u"cell", contents, zyl::detail::ContentsTail::Keep)) return std::nullopt;
  const bool hex = !zyl::detail::scan_attribute(e.attributes, u"hex").empty();
  std::optional<String> text = hex ? zyl::detail::parse_hex_units(contents, 2)
                                   : std::optional<String>(zyl::detail::xml_unescape(contents));
  if (!text || text->size() > 255) return std::nullopt;
  if (std::any_of(text->begin(), text->end(), [](zyl::Char ch) { return ch > 0xFF; })) return std::nullopt;
  return zyl::to_latin1(*text);
}

// Reads the body of a block whose opening tag had the attributes given,
// into the fresh array a. False for anything truncated or inconsistent.
template <class Source>
bool read_body(Source& src, std::u16string_view attributes, TStringArray& a) {
  constexpr std::int64_t kMax = std::numeric_limits<std::int32_t>::max();
  const auto cols = integer_attribute(attributes, u"numcols");
  const auto rows = integer_attribute(attributes, u"numrows");
  if (!cols || !rows || *cols < 1 || *cols > kMax || *rows < 1 || *rows > kMax) return false;
  const auto gran = integer_attribute(attributes, u"allocrowsby");
  std::vector<std::uint8_t> col_attribs;
  std::int32_t row = 0;  // rows read
  zyl::detail::TagElement e;
  for (;;) {
    if (!next_tag(src, e)) return false;
    if (e.name == u"col") {
      const auto attrib = attrib_of(e);
      if (row > 0 || !attrib || static_cast<std::int64_t>(col_attribs.size()) >= *cols) return false;
      col_attribs.push_back(*attrib);
    } else if (e.name == u"row") {
      const auto attrib = attrib_of(e);
      if (!attrib || static_cast<std::int64_t>(col_attribs.size()) != *cols || row == *rows) return false;
      if (!a.Resize(static_cast<std::int32_t>(*cols), row + 1)) return false;
      ++row;
      a.SetRowAttrib(row, *attrib);
      std::int32_t col = 0;  // cells read in this row
      for (;;) {
        if (!next_tag(src, e)) return false;
        if (e.name == u"/row") break;
        if (e.name != u"cell" || col > *cols) return false;
        const auto text = read_cell(src, e);
        if (!text) return false;
        a.SetString(col++, row, *text);
      }
      if (col != *cols + 1) return false;
    } else if (e.name == kBlockEnd) {
      if (row != *rows) return false;
      for (std::size_t c = 0; c < col_attribs.size(); ++c)
        a.SetColAttrib(static_cast<std::int32_t>(c) + 1, col_attribs[c]);
      a.SetAllocRowsBy(gran && *gran >= 1 && *gran <= kMax ? static_cast<std::int32_t>(*gran) : 10);
      return true;
    }
    // Other tags are not part of the form and are passed over.
  }
}

// Finds the block named DataID and reads it into a. False when there is no
// such block or it cannot be read.
template <class Source>
bool read_block(Source& src, const String& DataID, TStringArray& a) {
  zyl::detail::TagElement e;
  for (;;) {
    String text;
    if (!zyl::detail::read_tag_text(src, text)) return false;
    e = zyl::detail::split_tag_text(text);
    if (e.name != kBlockTag || e.empty_element) continue;
    if (zyl::detail::read_text_attribute(e.attributes, u"dataid") == DataID) return read_body(src, e.attributes, a);
    // Another block: its cells hold no "<", so its tags can simply be passed.
    while (zyl::detail::read_tag_text(src, text))
      if (zyl::detail::split_tag_text(text).name == kBlockEnd) break;
  }
}

}  // namespace

void TStringArray::WriteToOpenXMLFile(zyl::TextFile& F, bool CreateHeader, const String& DataID) const {
  write_block(*this, CreateHeader, DataID, [&F](std::u16string_view piece) { F.Write(piece); });
}

void TStringArray::SaveAsXMLFile(const String& FName, const String& DataID) const {
  std::string bytes;
  write_block(*this, true, DataID, [&bytes](std::u16string_view piece) { bytes += zyl::to_utf8(piece); });
  zyl::platform::save_file(FName, bytes);
}

bool TStringArray::ReadFromOpenXMLFile(zyl::TextFile& F, const String& DataID) {
  F.Eof();  // raises unless the file is open for reading
  zyl::detail::TextFileSource src(F);
  TStringArray fresh(nullptr);
  if (!read_block(src, DataID, fresh)) return false;
  swap_contents(fresh);
  Changed();
  return true;
}

bool TStringArray::LoadFromXMLFile(const String& FName, const String& DataID) {
  zyl::TextFile f;
  f.Assign(FName);
  f.Reset();
  const bool ok = ReadFromOpenXMLFile(f, DataID);
  f.CloseFile();
  return ok;
}

}  // namespace ZYL_dstruct
