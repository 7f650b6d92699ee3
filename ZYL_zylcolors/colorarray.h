// Library: zyl / Package: ZYL_zylcolors / Module: colorarray
//
// TColorArray: an ordered palette of Size() colours (a colour gradient, 1000
// by default) for mapping numbers to colours. Positions are 1-based.
//
// It fills itself by interpolating between key colours (optionally in
// discrete bands), re-samples itself on a logarithmic scale, mirrors,
// inverts and swaps channels, finds the entry nearest to a colour, keeps one
// backup copy of its colours, and reads and writes this text format:
//
//   1 3          first and last position, decimal, one blank between
//   000000FF     one line per position: the whole TColor as 8 upper-case
//   0000FF00       hexadecimal digits (red, then green, here)
//   00FF0000
//
// Every line ends with CR LF, the last one too; files are byte-identical on
// every platform. Reading accepts LF or CR LF, and colour lines with blanks
// around them, a leading "$" and digits of either case.
//
// OnChange fires after each change: once at the end of bulk operations, and
// for each position stored by SetColorElem (reading a file stores through it).
// Assign, Backup and the file writers never fire it.
//
// Errors: EZYLColArrayError "Component "<Name>": not enough memory on heap"
// when the constructor cannot allocate, "...: not enough memory" when Resize
// cannot. Everything else reports through its result.
//
// Example:
//   TColorArray arr(nullptr);                // 1000 rainbow colours
//   arr.Resize(3);
//   arr.FillByInterpolation(0, std::array<TColor, 2>{0x0000FF, 0xFF0000});
//   arr.GetColorElem(1)                      // == 0x5400AA (AA0054 red first)
//   double d;
//   arr.ColorToIndex(0xFF0000, d)            // == 3, d == 0
//   arr.StoreOnFile(1, 3, u"red-blue.txt")   // true
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "platform/component.h"
#include "platform/events.h"
#include "platform/textfile.h"

namespace ZYL_zylcolors {

using zyl::TColor;

class ZYL_API TColorArray : public zyl::TComponent {
 public:
  // 1000 colours interpolated from ColorArray_Rainbow, backed up. Raises
  // EZYLColArrayError "...: not enough memory on heap" if it cannot allocate.
  explicit TColorArray(zyl::TComponent* AOwner);
  ~TColorArray() override;

  // From another TColorArray: its size, colours and backup colours (not its
  // handler, name or owner); fires no OnChange. Other sources follow the
  // TPersistent protocol (EConvertError).
  void Assign(const zyl::TPersistent* Source) override;
  void AssignTo(zyl::TPersistent* Dest) const override;

  // True when Other has the same size and the same colours (whole 32-bit
  // values); false for nullptr.
  [[nodiscard]] bool IsEqual(const TColorArray* OtherColorArray) const;

  std::int32_t Size() const noexcept { return FNColors; }
  // Resize(n) when n > 0 and n differs from Size(); otherwise nothing.
  void SetSize(std::int32_t n);

  // The colour at position ix, clamped to 1..Size() (0 reads position 1).
  [[nodiscard]] TColor GetColorElem(std::int32_t ix) const noexcept;
  // Stores Value at position ix and fires OnChange; positions outside
  // 1..Size() are ignored (no OnChange).
  void SetColorElem(std::int32_t ix, TColor Value);

  // Sets the size of the colours and the backup to NewSize: the first
  // min(NewSize, Size()) colours stay, new positions are black (0); fires
  // OnChange. True; true without any change when NewSize == Size(); false
  // (nothing changed) when NewSize < 1. Raises EZYLColArrayError
  // "...: not enough memory" when it cannot allocate (nothing changed).
  bool Resize(std::int32_t NewSize);

  // Sets every position to Color.
  void Fill(TColor Color);

  // Interpolates all positions from the key colours, first to last. With
  // DiscreteLevels > 0 the gradient is quantised into that many bands (at
  // most DiscreteLevels + 1 distinct colours). One key colour fills every
  // position with it; no key colours change nothing (and fire nothing).
  //   3 positions from {0x0000FF, 0xFF0000}  ->  0x5400AA, 0xA90055, 0xFF0000
  void FillByInterpolation(std::int32_t DiscreteLevels, std::span<const TColor> Colors);

  // Re-samples the colours so that the low end is stretched logarithmically:
  // position i takes the colour at round(ln(i) * Gamma * N / ln(N) +
  // (1 - Gamma) * (i - 1)) + 1. Gamma is clamped to [0, 1] (NaN counts as 0);
  // 0 leaves the colours as they are. An array of one colour stays unchanged
  // (OnChange still fires).
  void LogTransform(double Gamma);

  // The position (1-based) of the colour nearest to cl by RGBColorDistance,
  // the lowest on ties; distance receives that distance. Only distances
  // below 1 count: if none is, the result is 1 with distance 1.
  [[nodiscard]] std::int32_t ColorToIndex(TColor cl, double& distance) const;

  // Copies positions SourceElemLo..SourceElemHi of the source (each clamped
  // to 1..source size, exchanged if in the wrong order) to DestElem,
  // DestElem + 1, ...; destination positions outside 1..Size() are skipped.
  // The source may be this array: the range is read before anything is
  // written. Fires OnChange; a nullptr source does nothing.
  void CopyFrom(const TColorArray* ColArraySource, std::int32_t SourceElemLo, std::int32_t SourceElemHi,
                std::int32_t DestElem);

  // Reverses the order of the colours.
  void MirrorColors();
  // Replaces each colour by InvertColor of it.
  void InvertColors();
  // Exchanges red and blue of each colour (ReverseRGBColor).
  void ReverseRGB();

  // Copies the colours into the backup (no OnChange).
  void Backup();
  // Copies the backup back into the colours.
  void Restore();

  // Reads the text format at f's current line: the header, then one line per
  // position from first to last, each stored with SetColorElem (positions
  // outside 1..Size() are read but not stored; positions after the end of
  // the file store black, as empty lines do). With AdjustSize the array is
  // first resized to last. False, nothing read or changed, when the header
  // is missing or malformed, or when AdjustSize asks for more than
  // kMaxColorArrayFileSize colours; false, no colour read, when last >
  // Size(). Otherwise true. OnChange fires once at the end unless the header
  // was rejected. An I/O error ends the reading of lines there.
  bool ReadFromOpenTextFile(zyl::TextFile& f, bool AdjustSize);

  // Writes positions FirstElem..LastElem (exchanged if in the wrong order,
  // clamped to 1..Size()) in the text format at f's current line and flushes
  // f. False when a line could not be written or flushed (f then holds
  // a partial listing), true otherwise.
  //   FirstElem 10, LastElem 5  -> header "5 10", positions 5..10
  //   FirstElem 0, LastElem 99999 -> header "1 <Size()>"
  bool WriteToOpenTextFile(zyl::TextFile& f, std::int32_t FirstElem, std::int32_t LastElem) const;

  // Opens FileName, reads it as ReadFromOpenTextFile does and closes it.
  // False, nothing raised, when the file cannot be opened or read.
  bool LoadFromFile(const zyl::String& FileName, bool AdjustSize);

  // Saves positions FirstElem..LastElem to FileName (created or replaced) in
  // the format WriteToOpenTextFile writes. The file is written whole or not
  // at all: on failure the result is false and an existing file stays as
  // it was.
  bool StoreOnFile(std::int32_t FirstElem, std::int32_t LastElem, const zyl::String& FileName) const;

  // The largest size ReadFromOpenTextFile resizes to (16,777,216 colours):
  // a damaged header must not make the reader claim gigabytes.
  static constexpr std::int32_t kMaxColorArrayFileSize = 1 << 24;

  zyl::TNotifyEvent OnChange;

 protected:
  // Calls OnChange with this array as Sender when it is assigned.
  void Changed();

 private:
  // Sets both arrays to n entries (keeping the first colours) or raises
  // EZYLColArrayError Component "<Name>": <Tail>.
  void set_length(std::int32_t n, const char16_t* Tail);
  // The header and colour lines of positions FirstElem..LastElem.
  std::vector<zyl::String> file_lines(std::int32_t FirstElem, std::int32_t LastElem) const;

  std::int32_t FNColors = 0;
  std::vector<TColor> FColArray;
  std::vector<TColor> FColArrayBak;
};

}  // namespace ZYL_zylcolors
