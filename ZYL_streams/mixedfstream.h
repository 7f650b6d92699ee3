// Library: zyl / Package: ZYL_streams / Module: mixedfstream
//
// TMixedFStream: a file stream that mixes text lines, binary numbers and
// free-format numbers. It is a TFileStream (same open modes, buffering and
// errors) with the text and number operations of streamio.h and
// streamscan.h as methods. Text is one byte per character (the low 8 bits of
// each UTF-16 code unit); binary numbers are little-endian; lines written end
// with CR LF.
//
// Example:
//   {
//     TMixedFStream f(u"mix.dat", zyl::fmCreate);
//     f.WriteLn(u"header");
//     f.WriteInteger(7);
//     f.Write(u" 2,5e1;");
//   }
//   TMixedFStream g(u"mix.dat", zyl::fmOpenRead);
//   bool err;
//   g.ReadLn(2)              // == u"header" (the LF after CR is left)
//   g.ReadByte(err)          // == 10, the LF
//   g.ReadInteger(err)       // == 7
//   g.ReadFPNum(true, 3)     // == 25.0, ";" consumed
//   g.Eos()                  // == true
#pragma once

#include <cstdint>

#include "platform/filestream.h"

namespace ZYL_streams {

using zyl::Extended;
using zyl::String;

class ZYL_API TMixedFStream : public zyl::TFileStream {
 public:
  // Opens AFileName as TFileStream does; raises EFOpenError/EFCreateError
  // unchanged when it cannot.
  TMixedFStream(const String& AFileName, std::uint16_t Mode);

  using zyl::TFileStream::Read;
  using zyl::TFileStream::Write;

  // True when the position is at or beyond the size.
  bool Eos();

  // As WriteStringStream / WriteLnStream (4096-byte block, CR LF).
  void Write(const String& AString);
  void WriteLn(const String& AString);
  // 8, 4 and 1 bytes with WriteBuffer.
  void WriteDouble(double aNum);
  void WriteInteger(std::int32_t aNum);
  void WriteByte(std::uint8_t aNum);

  // Reads one line in line-end mode EOLMode (see streamio.h), keeping only
  // bytes of code 32 and above and tabs: line ends and other control bytes
  // never reach the result. At the end of the stream returns what was read.
  //   bytes a TAB b 0x01 c CR LF, mode 0:  u"a\tbc"
  //   bytes a b CR LF c d, mode 4:         u"ab", then u"cd"
  String ReadLn(std::int32_t EOLMode);

  // Read 10, 8, 1 and 4 bytes; never raise. Error is true when fewer bytes
  // were left; the result is then zero overlaid with the bytes read.
  Extended ReadExtended(bool& error);
  double ReadDouble(bool& error);
  std::uint8_t ReadByte(bool& error);
  std::int32_t ReadInteger(bool& error);

  // As ScanStreamDecimal and ScanStreamFPNum (streamscan.h).
  std::int32_t ReadDecimal();
  double ReadFPNum(bool AllowExp, std::int32_t DecPChar);
};

}  // namespace ZYL_streams
