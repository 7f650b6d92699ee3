// Library: zyl / Package: ZYL_dstruct / Module: fifo
//
// TFifo: a fixed-capacity ring buffer of bytes.
//
// A ring of Size() slots holds at most Size() - 1 bytes (255 by default):
// it is empty when the write and read positions meet and full when one more
// byte would make them meet. Besides PutByte/GetByte it can force a byte in
// (dropping the oldest), push a byte back at the output end and peek at any
// queued byte. Full and empty are reported by the Boolean results, never by
// exceptions.
//
// Example:
//   TFifo f(nullptr);
//   f.PutByte(1); f.PutByte(2);
//   std::uint8_t b;
//   f.SenseByte(1, b);   // true, b == 2 (nothing removed)
//   f.GetByte(b);        // true, b == 1
//   f.CountBytes()       // == 1
#pragma once

#include <cstdint>
#include <vector>

#include "platform/component.h"

namespace ZYL_dstruct {

class ZYL_API TFifo : public zyl::TComponent {
 public:
  // Size 256, storage zero-filled, both positions 0. Raises EZYLDStructError
  // "Component \"<Name>\": FIFO structure too large" if it cannot allocate.
  explicit TFifo(zyl::TComponent* AOwner);

  std::int32_t Size() const noexcept { return FLength; }
  // Ignored unless length > 0 and differs from Size(). The queued bytes are
  // kept in order. When they are not wrapped around the end of the ring and
  // fit below the new size, the positions stay as they are; otherwise the
  // bytes are moved to the start of the ring. Shrinking below the number of
  // queued bytes keeps the oldest Size() - 1 of them. Raises
  // EZYLDStructError "...: FIFO structure too large" if it cannot allocate.
  void SetSize(std::int32_t length);

  // Appends InByte; false (nothing stored) when the FIFO is full.
  bool PutByte(std::uint8_t InByte);
  // Appends InByte, first dropping the oldest byte when the FIFO is full.
  // Returns true exactly when a byte was dropped.
  bool ForceByte(std::uint8_t InByte);
  // Pushes InByte back at the output end, so GetByte returns it next. True
  // when stored; false (nothing changed) when the FIFO is full, since storing
  // it would make the ring look empty and lose every queued byte.
  bool LoadBack(std::uint8_t InByte);
  // Removes the oldest byte into OutByte; false (OutByte untouched) if empty.
  bool GetByte(std::uint8_t& OutByte);
  // Peeks at the byte ix places after the oldest (0 = the next GetByte);
  // false (OutByte untouched) unless 0 <= ix < CountBytes().
  bool SenseByte(std::int32_t ix, std::uint8_t& OutByte) const;
  // Empties the FIFO (positions to 0; content bytes are not erased).
  void Clear() noexcept;
  std::int32_t CountBytes() const noexcept;

 private:
  std::int32_t advance(std::int32_t pos) const noexcept { return pos + 1 == FLength ? 0 : pos + 1; }
  bool full() const noexcept;
  void allocate(std::vector<std::uint8_t>& storage, std::int32_t length) const;

  std::int32_t FInPoi = 0;
  std::int32_t FOutPoi = 0;
  std::int32_t FLength = 0;
  std::vector<std::uint8_t> FData;
};

}  // namespace ZYL_dstruct
