// Library: zyl / Package: ZYL_dstruct / Module: stringarray (sorting)
//
// The comb sort of the sort index. The order of comparisons and exchanges
// is fixed (gap g := trunc(g / 1.3), passes until a gap-1 pass exchanges
// nothing), so the result for rows with equal keys and the progress values
// are the same whatever the keys cost to compare.
//
// Without an OnBeforeSortExchange handler a key cannot change during the
// sort, so each key is prepared once: lower-cased into one buffer, with its
// first fifteen bytes and its length as two big-endian integers kept beside
// the sort index in view order. Most comparisons then decide on integers
// that lie next to the index entries being compared. With a handler, every comparison asks
// it for both keys, as the hook promises.
#include <algorithm>
#include <cmath>
#include <cstring>

#include "ZYL_dstruct/stringarray.h"
#include "platform/casemap.h"

namespace ZYL_dstruct {
namespace {

// The next gap: trunc(g / 1.3) in extended precision, 0 becoming 1.
std::int32_t next_gap(std::int32_t g) {
  const auto n = static_cast<std::int32_t>(std::trunc(static_cast<long double>(g) / 1.3L));
  return n < 1 ? 1 : n;
}

// The first fifteen bytes of a key and its length (up to 16) as two
// big-endian integers, the key zero-padded: ordered as the keys are. Keys
// with equal prefixes are equal unless both are longer than fifteen bytes.
struct KeyPrefix {
  std::uint64_t hi, lo;
  // <0, 0, >0 as the key sorts before, with, after the other one, as far as
  // the prefixes tell (see decides).
  int compare(const KeyPrefix& o) const noexcept {
    if (hi != o.hi) return hi < o.hi ? -1 : 1;
    if (lo != o.lo) return lo < o.lo ? -1 : 1;
    return 0;
  }
  // False when the prefixes are equal and both keys are longer than fifteen
  // bytes: only the whole keys can tell then. (Equal first fifteen bytes
  // and a shorter key: the shorter one comes first, as its length says.)
  bool decides(const KeyPrefix& o) const noexcept { return hi != o.hi || lo != o.lo || (lo & 0xFF) < 16; }
};

// The lower-cased keys of one column by storage row.
class PreparedKeys {
 public:
  template <class CellText>
  PreparedKeys(std::int32_t Rows, CellText text) : FStart(static_cast<std::size_t>(Rows) + 1, 0) {
    for (std::int32_t r = 1; r <= Rows; ++r) {
      const std::string_view t = text(r);
      for (char ch : t) FBytes.push_back(ch >= 'A' && ch <= 'Z' ? static_cast<char>(ch + 32) : ch);
      FStart[static_cast<std::size_t>(r)] = static_cast<std::uint32_t>(FBytes.size());
    }
  }
  std::string_view key(std::int32_t storage_row) const noexcept {
    const std::uint32_t a = FStart[static_cast<std::size_t>(storage_row) - 1];
    const std::uint32_t b = FStart[static_cast<std::size_t>(storage_row)];
    return {FBytes.data() + a, b - a};
  }
  // The prefix of a storage row's key.
  KeyPrefix prefix(std::int32_t storage_row) const noexcept {
    const std::string_view k = key(storage_row);
    auto byte = [&k](std::size_t i) -> std::uint64_t { return i < k.size() ? static_cast<std::uint8_t>(k[i]) : 0u; };
    std::uint64_t hi = 0, lo = 0;
    for (std::size_t i = 0; i < 8; ++i) hi = (hi << 8) | byte(i);
    for (std::size_t i = 8; i < 15; ++i) lo = (lo << 8) | byte(i);
    lo = (lo << 8) | std::min<std::size_t>(k.size(), 16);
    return {hi, lo};
  }

 private:
  std::string FBytes;
  std::vector<std::uint32_t> FStart;
};

int compare_bytes(std::string_view a, std::string_view b) noexcept {
  const int c = std::memcmp(a.data(), b.data(), std::min(a.size(), b.size()));
  if (c != 0) return c;
  return a.size() < b.size() ? -1 : a.size() > b.size() ? 1 : 0;
}

}  // namespace

void TStringArray::report_pass(std::int64_t Comparisons, std::int64_t Estimate) {
  if (!OnPercentDone) return;
  const long double percent = 100.0L * static_cast<long double>(Comparisons) / static_cast<long double>(Estimate);
  OnPercentDone(this, static_cast<std::int32_t>(std::nearbyintl(percent)));  // ties to even
}

void TStringArray::Sort(std::int32_t Col, std::int32_t ColSec, bool Ascending) {
  if (OnPercentDone) OnPercentDone(this, 0);
  std::int64_t estimate = 0;
  std::int32_t g = FNRow;
  do {
    g = next_gap(g);
    estimate += FNRow - g;
  } while (g != 1);
  estimate += FNRow;
  if (FNRow > 1) {
    FSortPending = true;
    if (OnBeforeSortExchange) sort_with_hook(Col, ColSec, Ascending, estimate);
    else sort_prepared(Col, ColSec, Ascending, estimate);
    Changed();
  }
  if (OnPercentDone) OnPercentDone(this, 100);
}

void TStringArray::sort_prepared(std::int32_t Col, std::int32_t ColSec, bool Ascending, std::int64_t Estimate) {
  const bool valid_col = Col >= 0 && Col <= FNCol;
  // A secondary column beyond the array has only empty keys: it never decides.
  const bool valid_sec = ColSec >= 1 && ColSec <= FNCol;
  auto text_of = [this](std::int32_t c) {
    return [this, c](std::int32_t r) { return cell_text(c, r); };
  };
  auto empty_text = [](std::int32_t) { return std::string_view(); };
  const PreparedKeys primary = valid_col ? PreparedKeys(FNRow, text_of(Col)) : PreparedKeys(FNRow, empty_text);
  const PreparedKeys secondary =
      valid_sec ? PreparedKeys(FNRow, text_of(ColSec)) : PreparedKeys(0, empty_text);

  const auto n = static_cast<std::size_t>(FNRow);
  std::vector<KeyPrefix> prefix(n);  // in view order, exchanged with the index
  for (std::size_t i = 0; i < n; ++i) prefix[i] = primary.prefix(FSortIx[i]);

  // <0, 0, >0 as the row at view index a sorts before, with, after the one at b.
  auto compare = [&](std::size_t a, std::size_t b) {
    int c = prefix[a].compare(prefix[b]);
    if (c == 0 && !prefix[a].decides(prefix[b])) c = compare_bytes(primary.key(FSortIx[a]), primary.key(FSortIx[b]));
    if (c == 0 && valid_sec) c = compare_bytes(secondary.key(FSortIx[a]), secondary.key(FSortIx[b]));
    return c;
  };

  std::int64_t comparisons = 0;
  std::int32_t g = FNRow;
  bool swapped;
  do {
    g = next_gap(g);
    swapped = false;
    const auto gap = static_cast<std::size_t>(g);
    for (std::size_t i = 0; i + gap < n; ++i) {
      const int c = compare(i, i + gap);
      if (Ascending ? c > 0 : c < 0) {
        std::swap(FSortIx[i], FSortIx[i + gap]);
        std::swap(prefix[i], prefix[i + gap]);
        swapped = true;
      }
    }
    comparisons += static_cast<std::int64_t>(n - gap);
    report_pass(comparisons, Estimate);
  } while (g != 1 || swapped);
}

void TStringArray::sort_with_hook(std::int32_t Col, std::int32_t ColSec, bool Ascending, std::int64_t Estimate) {
  // The key of a cell as compared: handed to the hook, then A-Z folded.
  auto key = [this](std::int32_t c, std::int32_t storage_row) {
    const bool valid = c >= 0 && c <= FNCol;
    String out;
    BeforeSortExchange(valid ? zyl::from_latin1(cell_text(c, storage_row)) : String(), out);
    return zyl::LowerCase(out);
  };
  const auto n = static_cast<std::size_t>(FNRow);
  std::int64_t comparisons = 0;
  std::int32_t g = FNRow;
  bool swapped;
  do {
    g = next_gap(g);
    swapped = false;
    const auto gap = static_cast<std::size_t>(g);
    for (std::size_t i = 0; i + gap < n; ++i) {
      const String a = key(Col, FSortIx[i]);
      const String b = key(Col, FSortIx[i + gap]);
      int c = a.compare(b);
      if (c == 0 && ColSec >= 1) {
        const String sa = key(ColSec, FSortIx[i]);
        const String sb = key(ColSec, FSortIx[i + gap]);
        c = sa.compare(sb);
      }
      if (Ascending ? c > 0 : c < 0) {
        std::swap(FSortIx[i], FSortIx[i + gap]);
        swapped = true;
      }
    }
    comparisons += static_cast<std::int64_t>(n - gap);
    report_pass(comparisons, Estimate);
  } while (g != 1 || swapped);
}

}  // namespace ZYL_dstruct
