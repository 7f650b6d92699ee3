// Library: zyl / Package: ZYL_cpuid / Module: machineid
#include "ZYL_cpuid/machineid.h"

#include <cstdio>
#include <string>

#include "ZYL_cpuid/cpuinfo.h"
#include "ZYL_dstruct/crc32.h"
#include "ZYL_filesys/sysinfo.h"

namespace ZYL_cpuid {
namespace {

constexpr std::size_t kBodyDigits = 12;

// CRC-32 of a text taken as 8-bit characters.
std::uint32_t crc_of(const String& Text) {
  std::string bytes(Text.size(), '\0');
  for (std::size_t i = 0; i < Text.size(); ++i) bytes[i] = static_cast<char>(Text[i] & 0xFF);
  const auto* data = reinterpret_cast<const std::uint8_t*>(bytes.data());
  return static_cast<std::uint32_t>(
      ZYL_dstruct::CRC32ofBuffer({data, bytes.size()}, static_cast<std::int32_t>(bytes.size())));
}

// The low Digits hexadecimal digits of Value, upper case, most significant first.
String low_hex(std::uint32_t Value, int Digits) {
  char text[9];
  std::snprintf(text, sizeof text, "%08X", Value);
  return zyl::from_ascii(text + (8 - Digits));
}

String decimal(long long Value) { return zyl::from_ascii(std::to_string(Value)); }

String description(bool WithAdapter) {
  String text;
  if (WithAdapter) {
    String address;
    if (ZYL_filesys::GetMacAddress(1, address) != 0) ZYL_filesys::GetMacAddress(2, address);
    text += address;
  }
  text += CPU_VendorString() + decimal(CPU_Count()) + CPU_MarketName() + decimal(CPU_BrandID()) +
          decimal(static_cast<std::int32_t>(CPU_Signature())) + decimal(static_cast<std::int32_t>(CPU_FeatureSet()));
  return text;
}

}  // namespace

namespace detail {

String identifier_from(const String& Description, const String& Serial) {
  const std::uint32_t a = crc_of(Description);
  const std::uint32_t s = crc_of(Serial);
  const String body = Serial.empty() ? low_hex(a, 8) + low_hex(s, 4) : low_hex(a, 4) + low_hex(s, 8);
  const String check = low_hex(crc_of(body), 4);
  return body.substr(0, 4) + u'-' + body.substr(4, 4) + u'-' + body.substr(8, 4) + u'-' + check;
}

}  // namespace detail

String GenerateCPUID() { return detail::identifier_from(description(false), CPU_SerialNumber()); }

String GenerateCPUIDEx() { return detail::identifier_from(description(true), CPU_SerialNumber()); }

bool CheckGeneratedCPUID(const String& S) {
  String digits;
  for (const char16_t c : S) {
    if (c >= u'0' && c <= u'9') digits += c;
    else if (c >= u'a' && c <= u'f') digits += static_cast<char16_t>(c - 32);
    else if (c >= u'A' && c <= u'F') digits += c;
  }
  if (digits.size() != kBodyDigits + 4) return false;
  return low_hex(crc_of(digits.substr(0, kBodyDigits)), 4) == digits.substr(kBodyDigits);
}

}  // namespace ZYL_cpuid
