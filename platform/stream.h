// Library: zyl / Package: platform / Module: stream
//
// TStream: the abstract byte stream of the host framework. Positions and sizes
// are 64-bit; a single Read or Write moves at most 2^31-1 bytes.
//
//   Read/Write         move up to Count bytes, return how many moved
//   ReadBuffer         raises EReadError  "Stream read error"  if fewer moved
//   WriteBuffer        raises EWriteError "Stream write error" if fewer moved
//   Seek               returns the new position
//   Position/Size      read through Seek; SetSize truncates or extends
//
// Example:
//   zyl::TMemoryStream m;
//   m.WriteBuffer("abc", 3);
//   m.SetPosition(1);
//   char c; m.ReadBuffer(&c, 1);   // c == 'b', m.Position() == 2
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

#include "platform/object.h"

namespace zyl {

namespace detail {
class BlockWriter;
class ByteReader;

// The position a seek by Offset from Base asks for, saturated to
// 0..INT64_MAX instead of overflowing.
[[nodiscard]] ZYL_API std::int64_t seek_target(std::int64_t Base, std::int64_t Offset) noexcept;
}

enum class TSeekOrigin : std::uint8_t { soBeginning, soCurrent, soEnd };

class ZYL_API TStream : public TObject {
 public:
  virtual std::int32_t Read(void* Buffer, std::int32_t Count) = 0;
  virtual std::int32_t Write(const void* Buffer, std::int32_t Count) = 0;
  virtual std::int64_t Seek(std::int64_t Offset, TSeekOrigin Origin) = 0;

  std::int64_t Position() { return Seek(0, TSeekOrigin::soCurrent); }
  void SetPosition(std::int64_t Pos) { Seek(Pos, TSeekOrigin::soBeginning); }
  virtual std::int64_t Size();
  virtual void SetSize(std::int64_t NewSize);

  void ReadBuffer(void* Buffer, std::int32_t Count);
  void WriteBuffer(const void* Buffer, std::int32_t Count);

  // Copies Count bytes from Source's current position (Count = 0: all of
  // Source, from its beginning). Returns the number of bytes copied; raises
  // EReadError/EWriteError when fewer can be moved, and EStreamError for a
  // negative Count.
  std::int64_t CopyFrom(TStream& Source, std::int64_t Count);

 protected:
  // The fast path of byte scanners (detail::ByteReader), so that reading a
  // byte at a time is not a virtual call per byte. read_window returns the
  // bytes readable at the current position straight from memory, filling an
  // empty read buffer first if the stream has one; an empty window means the
  // end of the stream or a stream without one (the default), and scanners
  // then fall back to Read. advance_window(n) moves the position forward by
  // n bytes, at most the size of the last window. A stream whose Read does
  // more than copy bytes must offer no window.
  virtual std::span<const std::uint8_t> read_window() { return {}; }
  virtual void advance_window(std::size_t /*n*/) noexcept {}

  // The fast path of block writers (detail::BlockWriter), so that output can
  // be produced in the stream's own memory instead of being copied there.
  // write_window(n) returns memory for at least the n bytes at the current
  // position (more where the stream already holds more bytes there), or an
  // empty span where the stream has none to offer (the default) or cannot
  // provide that much; writers then use Write. commit_window(k), after
  // a write_window(n) with k <= n and no other call in between, keeps the
  // first k of those bytes as if Write had written them: the position moves
  // k forward and the size becomes at least the new position.
  virtual std::span<std::uint8_t> write_window(std::size_t /*n*/) { return {}; }
  virtual void commit_window(std::size_t /*k*/) noexcept {}

 private:
  friend class detail::BlockWriter;
  friend class detail::ByteReader;
};

}  // namespace zyl
