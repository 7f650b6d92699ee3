// Library: zyl / Package: ZYL_streams / Module: streamio
//
// Typed input and output on any stream the caller owns: text as one byte per
// character, lines with five line-end modes, and binary numbers in the
// processor's little-endian in-memory form (no header, tag or length).
//
//   kind      bytes  encoding
//   longint   4      two's complement
//   single    4      IEEE 754 binary32
//   double    8      IEEE 754 binary64
//   extended  10     x87 80-bit extended (64-bit mantissa with explicit
//                    integer bit, then 16-bit sign and exponent)
//   text      1 per character: the low 8 bits of each UTF-16 code unit
//
// Line-end modes (EOLMode): a line ends when the byte just read is
//   0 LF    1 CR    2 CR or LF    3 CR after LF    4 LF after CR
// and never for any other value (reading then runs to the end of the
// stream). "After" refers to the previous byte read by the same call (0 for
// the first).
//
// Each function starts at the stream's position and leaves it behind the last
// byte written or read, so text, line, number and binary operations can
// follow each other on one stream. Byte scanning reads the buffers of file
// and memory streams directly, never a system call per byte.
//
// Example:
//   zyl::TMemoryStream m;
//   WriteLnStream(m, u"ab");          // bytes a b CR LF
//   WriteDoubleToStream(m, 2.5);      // 8 more bytes
//   m.SetPosition(0);
//   bool eos, err;
//   ReadLnStream(m, eos, 0)           // == u"ab", eos == false
//   ReadDoubleFromStream(m, err)      // == 2.5, err == false
#pragma once

#include <cstdint>

#include "platform/stream.h"

namespace ZYL_streams {

using zyl::Extended;
using zyl::String;
using zyl::TStream;

// Writes the low byte of each character through a 4096-byte block: one
// WriteBuffer per full block, then one for the remainder (0 bytes for an
// empty text). Raises EWriteError when the stream cannot take the bytes.
//   WriteStringStream(s, u"A\u0141")   // bytes 0x41 0x41
ZYL_API void WriteStringStream(TStream& Stream, const String& Text);
// WriteStringStream, then CR LF.
ZYL_API void WriteLnStream(TStream& Stream, const String& Text);

// Write 10, 4, 4 and 8 bytes; raise EWriteError when the stream cannot take
// them. The extended layout is the same 10 bytes on every target.
ZYL_API void WriteExtendedToStream(TStream& Stream, Extended Value);
ZYL_API void WriteLongintToStream(TStream& Stream, std::int32_t Value);
ZYL_API void WriteSingleToStream(TStream& Stream, float Value);
ZYL_API void WriteDoubleToStream(TStream& Stream, double Value);

// Reads one line in line-end mode EOLMode, keeping every byte (control
// characters included). When the line ended by the mode, up to two trailing
// CR/LF characters (in either order) are removed. When the stream ends first,
// Eos becomes true and the text gathered is returned as it is, a trailing CR
// or LF included. Never raises for the stream's contents.
//   bytes a b CR LF, mode 0:  u"ab", Eos false
//   bytes a b CR LF c, mode 2: u"ab" (the LF stays: the next line is u"")
//   bytes a b CR, mode 0:      u"ab\r", Eos true
ZYL_API String ReadLnStream(TStream& Stream, bool& Eos, std::int32_t EOLMode);

// Read 10, 8, 4 and 4 bytes. Never raise: when fewer bytes are left (or the
// stream fails), Error becomes true and the result is zero overlaid with the
// bytes that could be read; otherwise Error becomes false.
ZYL_API Extended ReadExtendedFromStream(TStream& Stream, bool& Error);
ZYL_API double ReadDoubleFromStream(TStream& Stream, bool& Error);
ZYL_API std::int32_t ReadLongintFromStream(TStream& Stream, bool& Error);
ZYL_API float ReadSingleFromStream(TStream& Stream, bool& Error);

}  // namespace ZYL_streams
