// Library: zyl / Package: ZYL_dstruct / Module: stringarray
//
// TStringArray: a two-dimensional table of short byte texts (at most 255
// Latin-1 characters per cell), for holding and sorting tabular text such as
// imported CSV data.
//
// Cells are addressed as (column, row): columns 0..NrOfColumns, where column
// 0 is a row-label column, and rows 1..NrOfRows. Rows are always seen through
// a sort index (view position -> storage row): Sort permutes only the index,
// CommitSorting makes the order physical, UnSort returns to storage order.
//
// Cell texts live in a pool of 32768-byte pages; a cell holds a 32-bit
// reference (page << 16) | offset to a slot made of a length byte and the
// characters. A text no longer than the slot it replaces is written in
// place; a longer one takes a new slot at the first page with room, and the
// old slot stays as garbage until GarbageCollection compacts the pages.
//
// Out-of-range coordinates are not errors: getters return "", 0 or -1 and
// setters do nothing. OnChange fires after every effective write (once per
// cell or attribute, also inside row and column operations) and once after
// each effective Resize and Sort.
//
// Example:
//   TStringArray a(nullptr);
//   a.Resize(2, 3);
//   a.SetString(1, 1, "b"); a.SetString(1, 2, "A"); a.SetString(1, 3, "c");
//   a.Sort(1, 0, true);
//   a.GetString(1, 1)    // == "A"
//   a.GetSortOrder(1)    // == 2 (storage row shown first)
//   a.UnSort();          // a.GetString(1, 1) == "b" again
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string_view>
#include <vector>

#include "ZYL_zylbase/callbacks.h"
#include "platform/component.h"
#include "platform/events.h"
#include "platform/textfile.h"

namespace ZYL_dstruct {

using zyl::AnsiString;
using zyl::Extended;
using zyl::String;

// The key hook of Sort: OutString arrives holding InString and may be
// replaced by the handler.
using TBeforeSortExchgEvent =
    std::function<void(zyl::TObject* Sender, const String& InString, String& OutString)>;

// One page of the string pool.
using TStringPool = std::array<std::uint8_t, 32768>;

class ZYL_API TStringArray : public zyl::TComponent {
 public:
  // 1 column, 1 row, granularity 10 with 10 rows allocated, every cell empty,
  // sort index identity, attributes 0, one pool page. Raises EZYLDStructError
  // "Class TStringArray: failed to initialize (out of memory)" when it
  // cannot allocate.
  explicit TStringArray(zyl::TComponent* AOwner);

  // From another TStringArray: dimensions, granularity, allocation, every
  // pool page, all references, the sort index, both attribute arrays and
  // the three event handlers. No OnChange. Other sources: as TPersistent.
  void Assign(const zyl::TPersistent* Source) override;
  void AssignTo(zyl::TPersistent* Dest) const override;

  // -- Dimensions ----------------------------------------------------------

  std::int32_t NrOfColumns() const noexcept { return FNCol; }
  std::int32_t NrOfRows() const noexcept { return FNRow; }
  // Resize(Nc, NrOfRows()) / Resize(NrOfColumns(), Nr).
  void SetNrCols(std::int32_t Nc) { Resize(Nc, FNRow); }
  void SetNrRows(std::int32_t Nr) { Resize(FNCol, Nr); }
  // Rows are allocated in blocks of this many (default 10; below 1 counts as
  // 1). Takes effect at the next reallocation.
  std::int32_t AllocRowsBy() const noexcept { return FAllocRowsBy; }
  void SetAllocRowsBy(std::int32_t value) { FAllocRowsBy = value; }
  // The number of pool pages (>= 1).
  std::int32_t NumBuffers() const noexcept { return FNumPoolAddr; }

  // The pool layout, for diagnostics: the rows allocated, the 1-based offset
  // of the first free byte of page Page (1..NumBuffers(); 0 otherwise) and
  // the reference held by cell (c, r) (0 when empty or out of range).
  std::int32_t allocated_rows() const noexcept { return FRAllocated; }
  std::int32_t first_free(std::int32_t Page) const noexcept;
  std::uint32_t cell_reference(std::int32_t c, std::int32_t r) const noexcept;

  // Changes the dimensions. The current dimensions: true, nothing happens.
  // Nc or Nr below 1: false, nothing changes. Otherwise cells, row and column
  // attributes inside the new bounds are kept (by storage row), added ones
  // are empty / 0, the sort index becomes identity, OnChange fires, true.
  // Rows are reallocated (to Nr rounded up to a multiple of AllocRowsBy)
  // when the column count changes or Nr exceeds the rows allocated; false,
  // with nothing changed, when that allocation fails.
  //   Resize(0, 5) == false;  growing 10 -> 11 rows by 10 allocates 20
  bool Resize(std::int32_t Nc, std::int32_t Nr);
  // SetNrRows(NrOfRows() + 1); returns the new row count.
  std::int32_t AddRow();

  // -- Cells ----------------------------------------------------------------

  // The text at column c (0..NrOfColumns), view row r (1..NrOfRows); "" out
  // of range.
  AnsiString GetString(std::int32_t c, std::int32_t r) const;
  AnsiString Elem(std::int32_t c, std::int32_t r) const { return GetString(c, r); }
  // Stores s (Latin-1 bytes) at (c, r) and fires OnChange; ignored out of
  // range. A text longer than 255 bytes raises EZYLDStructError
  // "Class TStringArray: text longer than 255 characters" and stores nothing:
  // cells never cut a text short.
  void SetString(std::int32_t c, std::int32_t r, const AnsiString& s);

  // The cell text without blanks at both ends and with every "," read as
  // ".", as a decimal number; an empty (or all-blank) cell is 0. Raises
  // EZYLDStructError "Class TStringArray: invalid numeric string: [c,r]: text"
  // for anything that is not one whole number.
  //   " 3,5 " ⇒ 3.5;   "abc" at (2, 3) raises "...: [2,3]: abc"
  Extended GetAsNumber(std::int32_t c, std::int32_t r) const;
  Extended AsNumber(std::int32_t c, std::int32_t r) const { return GetAsNumber(c, r); }
  // GetAsNumber limited to +-2147483647 and rounded half to even.
  //   "2.5" ⇒ 2, "3.5" ⇒ 4, "1e12" ⇒ 2147483647
  std::int32_t GetAsInteger(std::int32_t c, std::int32_t r) const;
  std::int32_t AsInteger(std::int32_t c, std::int32_t r) const { return GetAsInteger(c, r); }

  // Empties every cell (columns 0..NrOfColumns), resets the sort index and
  // all attributes, returns the pool to one empty page. Dimensions stay; no
  // OnChange.
  void Clear();
  // "": Clear. Otherwise SetString(c, r, s) on every cell.
  void Fill(const AnsiString& s);
  // True when every cell of the column (of the row, columns 1..NrOfColumns)
  // is empty or only blanks (code 32). Out of range: true.
  bool ColumnEmpty(std::int32_t ACol) const;
  bool RowEmpty(std::int32_t ARow) const;

  // -- Attributes and sort index --------------------------------------------

  // The attribute byte of the storage row shown at view row r; 0 / ignored
  // out of range. The setter fires OnChange.
  std::uint8_t GetRowAttrib(std::int32_t r) const;
  std::uint8_t RowAttrib(std::int32_t r) const { return GetRowAttrib(r); }
  void SetRowAttrib(std::int32_t r, std::uint8_t b);
  // The attribute byte of data column c (1..NrOfColumns); 0 / ignored
  // otherwise. The setter fires OnChange.
  std::uint8_t GetColAttrib(std::int32_t c) const;
  std::uint8_t ColAttrib(std::int32_t c) const { return GetColAttrib(c); }
  void SetColAttrib(std::int32_t c, std::uint8_t b);
  // The storage row shown at view position ix; -1 out of range.
  std::int32_t GetSortOrder(std::int32_t ix) const;
  std::int32_t SortOrder(std::int32_t ix) const { return GetSortOrder(ix); }
  // Shows storage row position at view position ix, when both are in
  // 1..NrOfRows. The caller keeps the index a permutation.
  void SetSortOrder(std::int32_t ix, std::int32_t position);

  // -- Searching --------------------------------------------------------------

  // The first cell (rows low to high, within a row columns low to high) whose
  // text contains FindStr (FindCell; an empty FindStr never matches) or equals
  // it (FindCellExact); MatchCase false folds A-Z. Column bounds -1: all
  // columns 0..NrOfColumns; both row bounds -1: all rows. Bounds are clamped
  // and ordered. Found: Col, Row receive the cell, true. Otherwise false and
  // Col, Row stay untouched.
  bool FindCell(const String& FindStr, bool MatchCase, std::int32_t ColLow, std::int32_t ColHigh,
                std::int32_t RowLow, std::int32_t RowHigh, std::int32_t& Col, std::int32_t& Row) const;
  bool FindCellExact(const String& FindStr, bool MatchCase, std::int32_t ColLow, std::int32_t ColHigh,
                     std::int32_t RowLow, std::int32_t RowHigh, std::int32_t& Col, std::int32_t& Row) const;
  // Binary search for a whole text in column ColIx, sorted ascending or
  // descending (ordinal order of the texts, A-Z folded unless MatchCase).
  // Both row bounds -1: all rows. Found: true, row is the first of equal
  // entries. Not found: false, row holds the last position probed.
  bool FindCellInSortedColumn(const String& FindStr, bool MatchCase, std::int32_t ColIx, std::int32_t RowLow,
                              std::int32_t RowHigh, bool ColIsAscending, std::int32_t& row) const;

  // -- Rows and columns -------------------------------------------------------

  // Inserts an empty row (attribute 0) before view row r (1..NrOfRows;
  // otherwise ignored). A pending sort is committed first, so the other rows
  // keep the order in which they are seen.
  void InsertRow(std::int32_t r);
  // Removes view row r (1..NrOfRows); the last remaining row is emptied
  // instead. A pending sort is committed first.
  void RemoveRow(std::int32_t r);
  // Copies the cells (columns 0..NrOfColumns) and the attribute of view row
  // Source to view row Target; ignored unless both are in range.
  void CopyRow(std::int32_t Source, std::int32_t Target);
  // Inserts an empty data column (attribute 0) before column c
  // (1..NrOfColumns; otherwise ignored). Column 0 never moves. As with rows,
  // a pending sort is committed first.
  void InsertColumn(std::int32_t c);
  // Removes data column c (1..NrOfColumns); the last remaining data column
  // is emptied instead. A pending sort is committed first.
  void RemoveColumn(std::int32_t c);

  // -- Sorting ----------------------------------------------------------------

  // Comb sort of the sort index by column Col (then column ColSec when
  // ColSec >= 1 and the keys of Col are equal), keys compared with A-Z
  // folded, by character code. Each key passes through BeforeSortExchange.
  // OnPercentDone fires with 0 first, after every pass, and with 100 last.
  // Not stable.
  void Sort(std::int32_t Col, std::int32_t ColSec, bool Ascending);
  // Sort index := identity; fires OnChange.
  void UnSort();
  // Makes the order seen the storage order; the sort index becomes
  // identity. Texts are not moved in the pool. No OnChange.
  void CommitSorting();
  // Compacts every pool page (pages are neither merged nor released).
  void GarbageCollection();

  // -- XML form ---------------------------------------------------------------
  //
  //   <?xml version="1.0" encoding="UTF-8"?>          (with a header only)
  //   <strarray dataid="ID" numcols="2" numrows="2" allocrowsby="10">
  //   <col attrib="0"/>                               (one per data column)
  //   <col attrib="7"/>
  //   <row attrib="0"><cell>label</cell><cell>a &amp; b</cell><cell/></row>
  //   <row attrib="3"><cell/><cell hex="1">0141</cell><cell>x</cell></row>
  //   </strarray>
  //
  // Rows come in the order seen, each with its NrOfColumns + 1 cells
  // (column 0 first). A cell with a character XML cannot carry is written in
  // hex form (two digits per byte). Lines end with CR LF; bytes above 127
  // are written as UTF-8. To keep several arrays in one file, write their
  // blocks inside one root element, e.g. <dummy> ... </dummy>: the reader
  // skips everything but the block it looks for.

  // Reads the first block whose dataid is DataID (compared exactly) from the
  // file's current position. True when a complete, consistent block was
  // read: the array then holds exactly its dimensions, cells and attributes
  // (sort index identity, granularity from the block) and OnChange fires
  // once. False, with the array unchanged, when no such block exists or it is
  // truncated or inconsistent (counts that disagree with the rows, columns
  // and cells present, texts over 255 bytes or beyond Latin-1). Memory grows
  // only with what the file holds, never with the counts it claims.
  bool ReadFromOpenXMLFile(zyl::TextFile& F, const String& DataID);
  // Opens FName, reads as above and closes it. A missing file raises
  // EInOutError.
  bool LoadFromXMLFile(const String& FName, const String& DataID);
  // Writes the block at the file's position, after the XML header line when
  // CreateHeader is true.
  void WriteToOpenXMLFile(zyl::TextFile& F, bool CreateHeader, const String& DataID) const;
  // Writes header and block as the whole file FName; an existing file is
  // replaced only once the new one is complete.
  void SaveAsXMLFile(const String& FName, const String& DataID) const;

  // -- Events -------------------------------------------------------------------

  zyl::TNotifyEvent OnChange;
  ZYL_zylbase::TOnPercentDoneEvent OnPercentDone;
  TBeforeSortExchgEvent OnBeforeSortExchange;

 protected:
  // OutString := InString, then OnBeforeSortExchange (when assigned) may
  // replace it.
  void BeforeSortExchange(const String& InString, String& OutString);
  // Fires OnChange(this) when assigned.
  void Changed();

 private:
  // The text of a cell by storage row (1-based); valid until the next write.
  std::string_view cell_text(std::int32_t c, std::int32_t storage_row) const noexcept;
  // Stores s in the cell of column c, storage row storage_row.
  void store_text(std::int32_t c, std::int32_t storage_row, std::string_view s);
  // The storage row shown at view row r (r in range).
  std::int32_t storage_of(std::int32_t r) const noexcept { return FSortIx[static_cast<std::size_t>(r) - 1]; }
  bool in_range(std::int32_t c, std::int32_t r) const noexcept {
    return c >= 0 && c <= FNCol && r >= 1 && r <= FNRow;
  }
  void reset_sort_index();
  // Grows every per-row table in place to Rows entries (amortised: the
  // vectors keep spare capacity), new entries empty / 0 / identity.
  void grow_rows(std::size_t Rows);
  // Rebuilds the tables for Nc columns and Rows allocated rows, keeping what
  // fits.
  void reallocate(std::int32_t Nc, std::size_t Rows);
  void reset_pool();
  void commit_pending_sort();
  bool find_cell(const String& FindStr, bool MatchCase, bool Exact, std::int32_t ColLow, std::int32_t ColHigh,
                 std::int32_t RowLow, std::int32_t RowHigh, std::int32_t& Col, std::int32_t& Row) const;
  void sort_prepared(std::int32_t Col, std::int32_t ColSec, bool Ascending, std::int64_t Estimate);
  void sort_with_hook(std::int32_t Col, std::int32_t ColSec, bool Ascending, std::int64_t Estimate);
  void report_pass(std::int64_t Comparisons, std::int64_t Estimate);
  // Swaps everything but the component identity and the event handlers.
  void swap_contents(TStringArray& Other) noexcept;

  std::int32_t FNCol = 1;
  std::int32_t FNRow = 1;
  std::int32_t FAllocRowsBy = 10;
  std::int32_t FRAllocated = 0;
  std::int32_t FNumPoolAddr = 0;
  std::vector<std::int32_t> FFirstFree;
  std::vector<std::vector<std::uint32_t>> FPoiArray;
  std::vector<std::int32_t> FSortIx;
  // False while FSortIx holds the identity over every entry (allocated rows
  // included): resetting it then costs nothing, so growing row by row stays
  // amortised constant time. Set by Sort and SetSortOrder.
  bool FSortPending = false;
  std::vector<std::unique_ptr<TStringPool>> FStgPool;
  std::vector<std::uint8_t> FRowAttrib;
  std::vector<std::uint8_t> FColAttrib;
  // For each text length n, the 0-based page from which the search for a
  // page with room for n characters starts: every page before it has none.
  // Pages only fill up between compactions, so these only move forward and
  // the first-fit search stays cheap however many pages there are.
  std::array<std::int32_t, 256> FFitFrom{};
};

}  // namespace ZYL_dstruct
