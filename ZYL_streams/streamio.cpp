// Library: zyl / Package: ZYL_streams / Module: streamio
#include "ZYL_streams/streamio.h"

#include <cstring>
#include <exception>

#include "ZYL_streams/detail/linereader.h"

namespace ZYL_streams {
namespace {

// The x87 extended value occupies the first 10 bytes of a long double on
// every x86 target; only its padding (6 or 2 bytes) differs.
constexpr std::int32_t kExtendedBytes = 10;
static_assert(sizeof(Extended) >= kExtendedBytes);

template <class T>
void write_binary(TStream& Stream, const T& Value, std::int32_t Count = sizeof(T)) {
  unsigned char bytes[sizeof(T)];
  std::memcpy(bytes, &Value, sizeof(T));
  Stream.WriteBuffer(bytes, Count);
}

// Zero overlaid with the bytes that could be read; Error tells whether all
// Count bytes came.
template <class T>
T read_binary(TStream& Stream, bool& Error, std::int32_t Count = sizeof(T)) {
  unsigned char bytes[sizeof(T)] = {};
  try {
    Stream.ReadBuffer(bytes, Count);
    Error = false;
  } catch (const std::exception&) {
    Error = true;
  }
  T value;
  std::memcpy(&value, bytes, sizeof(T));
  return value;
}

}  // namespace

void WriteStringStream(TStream& Stream, const String& Text) {
  constexpr std::size_t kBlock = 4096;
  std::uint8_t block[kBlock];
  std::size_t n = 0;
  for (const zyl::Char c : Text) {
    block[n++] = static_cast<std::uint8_t>(c);
    if (n == kBlock) {
      Stream.WriteBuffer(block, static_cast<std::int32_t>(kBlock));
      n = 0;
    }
  }
  Stream.WriteBuffer(block, static_cast<std::int32_t>(n));
}

void WriteLnStream(TStream& Stream, const String& Text) {
  WriteStringStream(Stream, Text);
  Stream.WriteBuffer("\r\n", 2);
}

void WriteExtendedToStream(TStream& Stream, Extended Value) { write_binary(Stream, Value, kExtendedBytes); }
void WriteLongintToStream(TStream& Stream, std::int32_t Value) { write_binary(Stream, Value); }
void WriteSingleToStream(TStream& Stream, float Value) { write_binary(Stream, Value); }
void WriteDoubleToStream(TStream& Stream, double Value) { write_binary(Stream, Value); }

String ReadLnStream(TStream& Stream, bool& Eos, std::int32_t EOLMode) {
  return detail::read_line_text(Stream, EOLMode, Eos);
}

Extended ReadExtendedFromStream(TStream& Stream, bool& Error) {
  return read_binary<Extended>(Stream, Error, kExtendedBytes);
}
double ReadDoubleFromStream(TStream& Stream, bool& Error) { return read_binary<double>(Stream, Error); }
std::int32_t ReadLongintFromStream(TStream& Stream, bool& Error) { return read_binary<std::int32_t>(Stream, Error); }
float ReadSingleFromStream(TStream& Stream, bool& Error) { return read_binary<float>(Stream, Error); }

}  // namespace ZYL_streams
