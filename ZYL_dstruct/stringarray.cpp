// Library: zyl / Package: ZYL_dstruct / Module: stringarray
//
// Cells, the page pool, dimensions, attributes, searching and the row and
// column operations. Sorting is in stringarray_sort.cpp, the XML form in
// stringarray_xml.cpp.
#include "ZYL_dstruct/stringarray.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>
#include <new>
#include <numeric>
#include <stdexcept>

#include "ZYL_zylbase/errors.h"
#include "platform/casemap.h"
#include "platform/decimal.h"
#include "platform/numtext.h"

namespace ZYL_dstruct {
namespace {

constexpr std::int32_t kPageSize = 32768;
// A reference keeps the page number in 16 bits.
constexpr std::int32_t kMaxPages = 65535;
constexpr std::size_t kMaxText = 255;

[[noreturn]] void raise(const char16_t* Text) { throw ZYL_zylbase::EZYLDStructError(Text); }

std::uint8_t lower_byte(std::uint8_t b) noexcept { return b >= 'A' && b <= 'Z' ? static_cast<std::uint8_t>(b + 32) : b; }

std::string_view trim_blanks(std::string_view s) noexcept {
  while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
  while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
  return s;
}

bool all_blanks(std::string_view s) noexcept { return trim_blanks(s).empty(); }

}  // namespace

TStringArray::TStringArray(zyl::TComponent* AOwner) : zyl::TComponent(AOwner) {
  try {
    FRAllocated = FAllocRowsBy;
    FPoiArray.assign(2, std::vector<std::uint32_t>(static_cast<std::size_t>(FRAllocated), 0));
    FSortIx.resize(static_cast<std::size_t>(FRAllocated));
    FRowAttrib.assign(static_cast<std::size_t>(FRAllocated), 0);
    FColAttrib.assign(1, 0);
    FSortPending = true;
    reset_sort_index();
    reset_pool();
  } catch (const std::bad_alloc&) {
    raise(u"Class TStringArray: failed to initialize (out of memory)");
  }
}

void TStringArray::Assign(const zyl::TPersistent* Source) {
  const auto* src = dynamic_cast<const TStringArray*>(Source);
  if (src == nullptr) {
    zyl::TComponent::Assign(Source);
    return;
  }
  if (src == this) return;
  std::vector<std::unique_ptr<TStringPool>> pages;
  pages.reserve(src->FStgPool.size());
  for (const auto& p : src->FStgPool) pages.push_back(std::make_unique<TStringPool>(*p));
  FPoiArray = src->FPoiArray;
  FSortIx = src->FSortIx;
  FSortPending = src->FSortPending;
  FRowAttrib = src->FRowAttrib;
  FColAttrib = src->FColAttrib;
  FFirstFree = src->FFirstFree;
  FStgPool = std::move(pages);
  FNCol = src->FNCol;
  FNRow = src->FNRow;
  FAllocRowsBy = src->FAllocRowsBy;
  FRAllocated = src->FRAllocated;
  FNumPoolAddr = src->FNumPoolAddr;
  FFitFrom = src->FFitFrom;
  OnChange = src->OnChange;
  OnBeforeSortExchange = src->OnBeforeSortExchange;
  OnPercentDone = src->OnPercentDone;
}

void TStringArray::AssignTo(zyl::TPersistent* Dest) const {
  if (auto* d = dynamic_cast<TStringArray*>(Dest)) {
    d->Assign(this);
    return;
  }
  zyl::TComponent::AssignTo(Dest);
}

void TStringArray::swap_contents(TStringArray& Other) noexcept {
  std::swap(FNCol, Other.FNCol);
  std::swap(FNRow, Other.FNRow);
  std::swap(FAllocRowsBy, Other.FAllocRowsBy);
  std::swap(FRAllocated, Other.FRAllocated);
  std::swap(FNumPoolAddr, Other.FNumPoolAddr);
  FFirstFree.swap(Other.FFirstFree);
  FPoiArray.swap(Other.FPoiArray);
  FSortIx.swap(Other.FSortIx);
  std::swap(FSortPending, Other.FSortPending);
  FStgPool.swap(Other.FStgPool);
  FRowAttrib.swap(Other.FRowAttrib);
  FColAttrib.swap(Other.FColAttrib);
  std::swap(FFitFrom, Other.FFitFrom);
}

void TStringArray::Changed() {
  if (OnChange) OnChange(this);
}

void TStringArray::BeforeSortExchange(const String& InString, String& OutString) {
  OutString = InString;
  if (OnBeforeSortExchange) OnBeforeSortExchange(this, InString, OutString);
}

// -- The pool -------------------------------------------------------------------

void TStringArray::reset_pool() {
  FStgPool.resize(1);
  if (!FStgPool[0]) FStgPool[0] = std::make_unique<TStringPool>();
  FFirstFree.assign(1, 1);
  FNumPoolAddr = 1;
  FFitFrom.fill(0);
}

std::string_view TStringArray::cell_text(std::int32_t c, std::int32_t storage_row) const noexcept {
  const std::uint32_t ref = FPoiArray[static_cast<std::size_t>(c)][static_cast<std::size_t>(storage_row) - 1];
  if (ref == 0) return {};
  const std::uint8_t* slot = FStgPool[(ref >> 16) - 1]->data() + ((ref & 0xFFFF) - 1);
  return {reinterpret_cast<const char*>(slot + 1), slot[0]};
}

void TStringArray::store_text(std::int32_t c, std::int32_t storage_row, std::string_view s) {
  std::uint32_t& ref = FPoiArray[static_cast<std::size_t>(c)][static_cast<std::size_t>(storage_row) - 1];
  const auto n = static_cast<std::int32_t>(s.size());
  if (ref != 0) {
    std::uint8_t* slot = FStgPool[(ref >> 16) - 1]->data() + ((ref & 0xFFFF) - 1);
    if (slot[0] >= n) {
      slot[0] = static_cast<std::uint8_t>(n);
      if (!s.empty()) std::memmove(slot + 1, s.data(), s.size());  // s may be this very slot
      return;
    }
  }
  // First fit from page 1: FFitFrom skips the pages known to be too full.
  std::int32_t p = FFitFrom[static_cast<std::size_t>(n)];
  while (p < FNumPoolAddr && !(n < kPageSize - FFirstFree[static_cast<std::size_t>(p)])) ++p;
  if (p == FNumPoolAddr) {
    if (FNumPoolAddr == kMaxPages) raise(u"Class TStringArray: string pool full (65535 pages)");
    FStgPool.push_back(std::make_unique<TStringPool>());
    FFirstFree.push_back(1);
    ++FNumPoolAddr;
  }
  FFitFrom[static_cast<std::size_t>(n)] = p;
  const std::int32_t q = FFirstFree[static_cast<std::size_t>(p)];
  std::uint8_t* slot = FStgPool[static_cast<std::size_t>(p)]->data() + (q - 1);
  slot[0] = static_cast<std::uint8_t>(n);
  if (!s.empty()) std::memcpy(slot + 1, s.data(), s.size());
  ref = (static_cast<std::uint32_t>(p + 1) << 16) | static_cast<std::uint32_t>(q);
  FFirstFree[static_cast<std::size_t>(p)] = q + n + 1;
}

void TStringArray::GarbageCollection() {
  // All pages are rebuilt in one pass over the cells; each page receives its
  // slots in the order of the cells (column by column, row by row).
  std::vector<std::unique_ptr<TStringPool>> fresh(FStgPool.size());
  for (auto& page : fresh) page = std::make_unique<TStringPool>();
  std::vector<std::int32_t> next(FStgPool.size(), 1);
  for (std::int32_t c = 0; c <= FNCol; ++c) {
    auto& refs = FPoiArray[static_cast<std::size_t>(c)];
    for (std::int32_t r = 0; r < FNRow; ++r) {
      std::uint32_t& ref = refs[static_cast<std::size_t>(r)];
      if (ref == 0) continue;
      const std::size_t page = (ref >> 16) - 1;
      const std::uint8_t* slot = FStgPool[page]->data() + ((ref & 0xFFFF) - 1);
      const std::int32_t at = next[page];
      std::memcpy(fresh[page]->data() + (at - 1), slot, static_cast<std::size_t>(slot[0]) + 1);
      ref = (static_cast<std::uint32_t>(page + 1) << 16) | static_cast<std::uint32_t>(at);
      next[page] = at + slot[0] + 1;
    }
  }
  FStgPool.swap(fresh);
  FFirstFree = std::move(next);
  FFitFrom.fill(0);
}

std::int32_t TStringArray::first_free(std::int32_t Page) const noexcept {
  if (Page < 1 || Page > FNumPoolAddr) return 0;
  return FFirstFree[static_cast<std::size_t>(Page) - 1];
}

std::uint32_t TStringArray::cell_reference(std::int32_t c, std::int32_t r) const noexcept {
  if (!in_range(c, r)) return 0;
  return FPoiArray[static_cast<std::size_t>(c)][static_cast<std::size_t>(storage_of(r)) - 1];
}

// -- Cells ------------------------------------------------------------------------

AnsiString TStringArray::GetString(std::int32_t c, std::int32_t r) const {
  if (!in_range(c, r)) return AnsiString();
  return AnsiString(cell_text(c, storage_of(r)));
}

void TStringArray::SetString(std::int32_t c, std::int32_t r, const AnsiString& s) {
  if (!in_range(c, r)) return;
  if (s.size() > kMaxText) raise(u"Class TStringArray: text longer than 255 characters");
  store_text(c, storage_of(r), s);
  Changed();
}

Extended TStringArray::GetAsNumber(std::int32_t c, std::int32_t r) const {
  const AnsiString cell = GetString(c, r);
  const std::string_view t = trim_blanks(cell);
  if (t.empty()) return 0;
  String text = zyl::from_latin1(t);
  std::replace(text.begin(), text.end(), u',', u'.');
  if (const auto v = zyl::detail::parse_decimal(text)) return *v;
  throw ZYL_zylbase::EZYLDStructError(u"Class TStringArray: invalid numeric string: [" + zyl::IntToStr(c) + u"," +
                                      zyl::IntToStr(r) + u"]: " + zyl::from_latin1(cell));
}

std::int32_t TStringArray::GetAsInteger(std::int32_t c, std::int32_t r) const {
  constexpr Extended kLimit = 2147483647.0L;
  const Extended v = GetAsNumber(c, r);
  if (v < -kLimit) return -2147483647;
  if (v > kLimit) return 2147483647;
  return static_cast<std::int32_t>(std::nearbyintl(v));  // ties to even
}

void TStringArray::Clear() {
  for (auto& col : FPoiArray) std::fill(col.begin(), col.end(), 0u);
  reset_sort_index();
  std::fill(FRowAttrib.begin(), FRowAttrib.end(), 0);
  std::fill(FColAttrib.begin(), FColAttrib.end(), 0);
  reset_pool();
}

void TStringArray::Fill(const AnsiString& s) {
  if (s.empty()) {
    Clear();
    return;
  }
  for (std::int32_t c = 0; c <= FNCol; ++c)
    for (std::int32_t r = 1; r <= FNRow; ++r) SetString(c, r, s);
}

bool TStringArray::ColumnEmpty(std::int32_t ACol) const {
  if (ACol < 0 || ACol > FNCol) return true;
  for (std::int32_t r = 1; r <= FNRow; ++r)
    if (!all_blanks(cell_text(ACol, storage_of(r)))) return false;
  return true;
}

bool TStringArray::RowEmpty(std::int32_t ARow) const {
  if (ARow < 1 || ARow > FNRow) return true;
  for (std::int32_t c = 1; c <= FNCol; ++c)
    if (!all_blanks(cell_text(c, storage_of(ARow)))) return false;
  return true;
}

// -- Dimensions -------------------------------------------------------------------

// Every allocated entry is reset, so rows added later start as identity too.
void TStringArray::reset_sort_index() {
  if (!FSortPending) return;
  for (std::size_t i = 0; i < FSortIx.size(); ++i) FSortIx[i] = static_cast<std::int32_t>(i + 1);
  FSortPending = false;
}

void TStringArray::grow_rows(std::size_t Rows) {
  // Each table is complete on its own at every step, so a failure part way
  // leaves tables longer than FRAllocated, which nothing reads.
  for (auto& col : FPoiArray) col.resize(Rows, 0);
  FRowAttrib.resize(Rows, 0);
  const std::size_t old = FSortIx.size();
  FSortIx.resize(Rows);
  std::iota(FSortIx.begin() + static_cast<std::ptrdiff_t>(old), FSortIx.end(), static_cast<std::int32_t>(old + 1));
}

void TStringArray::reallocate(std::int32_t Nc, std::size_t Rows) {
  const auto keep_rows = static_cast<std::size_t>(std::min<std::int64_t>(FNRow, static_cast<std::int64_t>(Rows)));
  std::vector<std::vector<std::uint32_t>> poi(static_cast<std::size_t>(Nc) + 1);
  for (std::size_t c = 0; c < poi.size(); ++c) {
    poi[c].assign(Rows, 0);
    if (c < FPoiArray.size()) std::copy_n(FPoiArray[c].begin(), keep_rows, poi[c].begin());
  }
  std::vector<std::uint8_t> row_attrib(Rows, 0);
  std::copy_n(FRowAttrib.begin(), keep_rows, row_attrib.begin());
  std::vector<std::uint8_t> col_attrib(static_cast<std::size_t>(Nc), 0);
  std::copy_n(FColAttrib.begin(), std::min<std::size_t>(FColAttrib.size(), col_attrib.size()), col_attrib.begin());
  std::vector<std::int32_t> sort_ix(Rows);
  FPoiArray.swap(poi);
  FRowAttrib.swap(row_attrib);
  FColAttrib.swap(col_attrib);
  FSortIx.swap(sort_ix);
  FSortPending = true;  // the fresh index is not filled yet
}

bool TStringArray::Resize(std::int32_t Nc, std::int32_t Nr) {
  if (Nc == FNCol && Nr == FNRow) return true;
  if (Nc <= 0 || Nr <= 0) return false;
  const auto lo = static_cast<std::size_t>(std::min(FNRow, Nr));
  if (Nc != FNCol || Nr > FRAllocated) {
    const std::int64_t gran = std::max(FAllocRowsBy, 1);
    const std::int64_t alloc =
        std::min<std::int64_t>(gran * ((Nr - 1) / gran + 1), std::numeric_limits<std::int32_t>::max());
    try {
      if (Nc == FNCol) grow_rows(static_cast<std::size_t>(alloc));
      else reallocate(Nc, static_cast<std::size_t>(alloc));
    } catch (const std::bad_alloc&) {
      return false;
    } catch (const std::length_error&) {
      return false;
    }
    FRAllocated = static_cast<std::int32_t>(alloc);
  }
  // The storage rows that leave or join read as empty, attribute 0.
  const auto hi = static_cast<std::size_t>(std::min(std::max(FNRow, Nr), FRAllocated));
  for (auto& col : FPoiArray)
    std::fill(col.begin() + static_cast<std::ptrdiff_t>(lo), col.begin() + static_cast<std::ptrdiff_t>(hi), 0u);
  std::fill(FRowAttrib.begin() + static_cast<std::ptrdiff_t>(lo), FRowAttrib.begin() + static_cast<std::ptrdiff_t>(hi), 0);
  FNCol = Nc;
  FNRow = Nr;
  reset_sort_index();
  Changed();
  return true;
}

std::int32_t TStringArray::AddRow() {
  if (FNRow < std::numeric_limits<std::int32_t>::max()) SetNrRows(FNRow + 1);
  return FNRow;
}

// -- Attributes and sort index ----------------------------------------------------

std::uint8_t TStringArray::GetRowAttrib(std::int32_t r) const {
  if (r < 1 || r > FNRow) return 0;
  return FRowAttrib[static_cast<std::size_t>(storage_of(r)) - 1];
}

void TStringArray::SetRowAttrib(std::int32_t r, std::uint8_t b) {
  if (r < 1 || r > FNRow) return;
  FRowAttrib[static_cast<std::size_t>(storage_of(r)) - 1] = b;
  Changed();
}

std::uint8_t TStringArray::GetColAttrib(std::int32_t c) const {
  if (c < 1 || c > FNCol) return 0;
  return FColAttrib[static_cast<std::size_t>(c) - 1];
}

void TStringArray::SetColAttrib(std::int32_t c, std::uint8_t b) {
  if (c < 1 || c > FNCol) return;
  FColAttrib[static_cast<std::size_t>(c) - 1] = b;
  Changed();
}

std::int32_t TStringArray::GetSortOrder(std::int32_t ix) const {
  if (ix < 1 || ix > FNRow) return -1;
  return storage_of(ix);
}

void TStringArray::SetSortOrder(std::int32_t ix, std::int32_t position) {
  if (ix < 1 || ix > FNRow || position < 1 || position > FNRow) return;
  FSortIx[static_cast<std::size_t>(ix) - 1] = position;
  if (position != ix) FSortPending = true;
}

void TStringArray::UnSort() {
  reset_sort_index();
  Changed();
}

void TStringArray::CommitSorting() {
  const auto rows = static_cast<std::size_t>(FNRow);
  // SetSortOrder does not keep the index a permutation: a storage row shown
  // twice would leave two cells sharing one slot, so the second gets a copy.
  std::vector<bool> taken(rows, false);
  std::vector<std::size_t> repeated;
  for (std::size_t i = 0; i < rows; ++i) {
    const auto s = static_cast<std::size_t>(FSortIx[i]) - 1;
    if (taken[s]) repeated.push_back(i);
    taken[s] = true;
  }
  for (auto& col : FPoiArray) {
    const std::vector<std::uint32_t> old(col.begin(), col.begin() + static_cast<std::ptrdiff_t>(rows));
    for (std::size_t i = 0; i < rows; ++i) col[i] = old[static_cast<std::size_t>(FSortIx[i]) - 1];
  }
  const std::vector<std::uint8_t> old_attrib(FRowAttrib.begin(), FRowAttrib.begin() + static_cast<std::ptrdiff_t>(rows));
  for (std::size_t i = 0; i < rows; ++i) FRowAttrib[i] = old_attrib[static_cast<std::size_t>(FSortIx[i]) - 1];
  reset_sort_index();
  for (std::size_t i : repeated) {
    for (std::int32_t c = 0; c <= FNCol; ++c) {
      const AnsiString text(cell_text(c, static_cast<std::int32_t>(i + 1)));
      FPoiArray[static_cast<std::size_t>(c)][i] = 0;
      if (!text.empty()) store_text(c, static_cast<std::int32_t>(i + 1), text);
    }
  }
}

void TStringArray::commit_pending_sort() {
  if (!FSortPending) return;
  for (std::int32_t i = 0; i < FNRow; ++i)
    if (FSortIx[static_cast<std::size_t>(i)] != i + 1) {
      CommitSorting();
      return;
    }
}

// -- Searching ----------------------------------------------------------------------

bool TStringArray::find_cell(const String& FindStr, bool MatchCase, bool Exact, std::int32_t ColLow,
                             std::int32_t ColHigh, std::int32_t RowLow, std::int32_t RowHigh, std::int32_t& Col,
                             std::int32_t& Row) const {
  if (!Exact && FindStr.empty()) return false;
  // Cells hold Latin-1 bytes: a character beyond it matches nothing.
  if (std::any_of(FindStr.begin(), FindStr.end(), [](zyl::Char ch) { return ch > 0xFF; })) return false;
  AnsiString wanted = zyl::to_latin1(FindStr);
  if (!MatchCase)
    for (char& ch : wanted) ch = static_cast<char>(lower_byte(static_cast<std::uint8_t>(ch)));
  if (ColLow == -1 || ColHigh == -1) {
    ColLow = 0;
    ColHigh = FNCol;
  }
  if (RowLow == -1 && RowHigh == -1) {
    RowLow = 1;
    RowHigh = FNRow;
  }
  ColLow = std::clamp(ColLow, 0, FNCol);
  ColHigh = std::clamp(ColHigh, 0, FNCol);
  RowLow = std::clamp(RowLow, 1, FNRow);
  RowHigh = std::clamp(RowHigh, 1, FNRow);
  if (ColLow > ColHigh) std::swap(ColLow, ColHigh);
  if (RowLow > RowHigh) std::swap(RowLow, RowHigh);
  AnsiString folded;
  for (std::int32_t r = RowLow; r <= RowHigh; ++r) {
    for (std::int32_t c = ColLow; c <= ColHigh; ++c) {
      std::string_view text = cell_text(c, storage_of(r));
      if (!MatchCase) {
        folded.assign(text);
        for (char& ch : folded) ch = static_cast<char>(lower_byte(static_cast<std::uint8_t>(ch)));
        text = folded;
      }
      if (Exact ? text == wanted : text.find(wanted) != std::string_view::npos) {
        Col = c;
        Row = r;
        return true;
      }
    }
  }
  return false;
}

bool TStringArray::FindCell(const String& FindStr, bool MatchCase, std::int32_t ColLow, std::int32_t ColHigh,
                            std::int32_t RowLow, std::int32_t RowHigh, std::int32_t& Col, std::int32_t& Row) const {
  return find_cell(FindStr, MatchCase, false, ColLow, ColHigh, RowLow, RowHigh, Col, Row);
}

bool TStringArray::FindCellExact(const String& FindStr, bool MatchCase, std::int32_t ColLow, std::int32_t ColHigh,
                                 std::int32_t RowLow, std::int32_t RowHigh, std::int32_t& Col,
                                 std::int32_t& Row) const {
  return find_cell(FindStr, MatchCase, true, ColLow, ColHigh, RowLow, RowHigh, Col, Row);
}

bool TStringArray::FindCellInSortedColumn(const String& FindStr, bool MatchCase, std::int32_t ColIx,
                                          std::int32_t RowLow, std::int32_t RowHigh, bool ColIsAscending,
                                          std::int32_t& row) const {
  ColIx = std::clamp(ColIx, 0, FNCol);
  const String wanted = MatchCase ? FindStr : zyl::LowerCase(FindStr);
  // The cell's text as compared: widened to UTF-16, A-Z folded unless MatchCase.
  auto key = [&](std::int32_t r) {
    String k = zyl::from_latin1(cell_text(ColIx, storage_of(r)));
    return MatchCase ? k : zyl::LowerCase(k);
  };
  if (RowLow == -1 && RowHigh == -1) {
    RowLow = 1;
    RowHigh = FNRow;
  }
  std::int32_t low = std::clamp(RowLow, 1, FNRow);
  std::int32_t high = std::clamp(RowHigh, 1, FNRow);
  if (low > high) std::swap(low, high);
  row = low + (high - low) / 2;
  bool found = false;
  while (!found && low < high) {
    const std::int32_t mid = low + (high - low) / 2;
    row = mid;
    const String cell = key(mid);
    if (cell == wanted) found = true;
    else if ((wanted < cell) == ColIsAscending) high = mid;
    else low = mid + 1;
  }
  if (!found) {
    row = low;
    found = key(low) == wanted;
  }
  if (found)
    while (row > 1 && key(row - 1) == wanted) --row;
  return found;
}

// -- Rows and columns ---------------------------------------------------------------

void TStringArray::InsertRow(std::int32_t r) {
  if (r < 1 || r > FNRow || FNRow == std::numeric_limits<std::int32_t>::max()) return;
  commit_pending_sort();
  if (!Resize(FNCol, FNRow + 1)) return;
  for (std::int32_t row = FNRow; row > r; --row) CopyRow(row - 1, row);
  for (std::int32_t c = 0; c <= FNCol; ++c) SetString(c, r, AnsiString());
  SetRowAttrib(r, 0);
}

void TStringArray::RemoveRow(std::int32_t r) {
  if (r < 1 || r > FNRow) return;
  if (FNRow == 1) {
    for (std::int32_t c = 0; c <= FNCol; ++c) SetString(c, 1, AnsiString());
    SetRowAttrib(1, 0);
    return;
  }
  commit_pending_sort();
  for (std::int32_t row = r; row < FNRow; ++row) CopyRow(row + 1, row);
  Resize(FNCol, FNRow - 1);
}

void TStringArray::CopyRow(std::int32_t Source, std::int32_t Target) {
  if (Source < 1 || Source > FNRow || Target < 1 || Target > FNRow) return;
  const std::int32_t from = storage_of(Source);
  const std::int32_t to = storage_of(Target);
  for (std::int32_t c = 0; c <= FNCol; ++c) {
    // Pool pages never move, so the source text can be read while the
    // target is written.
    store_text(c, to, cell_text(c, from));
    Changed();
  }
  SetRowAttrib(Target, FRowAttrib[static_cast<std::size_t>(from) - 1]);
}

void TStringArray::InsertColumn(std::int32_t c) {
  if (c < 1 || c > FNCol || FNCol == std::numeric_limits<std::int32_t>::max()) return;
  commit_pending_sort();
  if (!Resize(FNCol + 1, FNRow)) return;
  for (std::int32_t col = FNCol; col > c; --col) {
    for (std::int32_t r = 1; r <= FNRow; ++r) {
      store_text(col, storage_of(r), cell_text(col - 1, storage_of(r)));
      Changed();
    }
    SetColAttrib(col, GetColAttrib(col - 1));
  }
  for (std::int32_t r = 1; r <= FNRow; ++r) SetString(c, r, AnsiString());
  SetColAttrib(c, 0);
}

void TStringArray::RemoveColumn(std::int32_t c) {
  if (c < 1 || c > FNCol) return;
  if (FNCol == 1) {
    for (std::int32_t r = 1; r <= FNRow; ++r) SetString(1, r, AnsiString());
    SetColAttrib(1, 0);
    return;
  }
  commit_pending_sort();
  for (std::int32_t col = c; col < FNCol; ++col) {
    for (std::int32_t r = 1; r <= FNRow; ++r) {
      store_text(col, storage_of(r), cell_text(col + 1, storage_of(r)));
      Changed();
    }
    SetColAttrib(col, GetColAttrib(col + 1));
  }
  Resize(FNCol - 1, FNRow);
}

}  // namespace ZYL_dstruct
