// Library: zyl / Package: ZYL_streams / Module: mixedfstream
#include "ZYL_streams/mixedfstream.h"

#include "ZYL_streams/detail/linereader.h"
#include "ZYL_streams/streamio.h"
#include "ZYL_streams/streamscan.h"

namespace ZYL_streams {

TMixedFStream::TMixedFStream(const String& AFileName, std::uint16_t Mode) : zyl::TFileStream(AFileName, Mode) {}

bool TMixedFStream::Eos() {
  // Bytes waiting in the read buffer settle it without asking the OS for the size.
  if (!read_window().empty()) return false;
  return Position() >= Size();
}

void TMixedFStream::Write(const String& AString) { WriteStringStream(*this, AString); }
void TMixedFStream::WriteLn(const String& AString) { WriteLnStream(*this, AString); }
void TMixedFStream::WriteDouble(double aNum) { WriteBuffer(&aNum, sizeof aNum); }
void TMixedFStream::WriteInteger(std::int32_t aNum) { WriteBuffer(&aNum, sizeof aNum); }
void TMixedFStream::WriteByte(std::uint8_t aNum) { WriteBuffer(&aNum, sizeof aNum); }

String TMixedFStream::ReadLn(std::int32_t EOLMode) { return detail::read_line_printable(*this, EOLMode); }

Extended TMixedFStream::ReadExtended(bool& error) { return ReadExtendedFromStream(*this, error); }
double TMixedFStream::ReadDouble(bool& error) { return ReadDoubleFromStream(*this, error); }
std::int32_t TMixedFStream::ReadInteger(bool& error) { return ReadLongintFromStream(*this, error); }

std::uint8_t TMixedFStream::ReadByte(bool& error) {
  std::uint8_t b = 0;
  error = Read(&b, 1) != 1;
  return error ? 0 : b;
}

std::int32_t TMixedFStream::ReadDecimal() { return ScanStreamDecimal(*this); }
double TMixedFStream::ReadFPNum(bool AllowExp, std::int32_t DecPChar) {
  return ScanStreamFPNum(*this, AllowExp, DecPChar);
}

}  // namespace ZYL_streams
