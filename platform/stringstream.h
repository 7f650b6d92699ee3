// Library: zyl / Package: platform / Module: stringstream
//
// TStringStream: a memory stream holding the UTF-8 bytes of a String.
//
// Example:
//   zyl::TStringStream s(u"Größe");
//   s.Size()          // == 7
//   s.DataString()    // == u"Größe"
#pragma once

#include "platform/memorystream.h"

namespace zyl {

class ZYL_API TStringStream : public TMemoryStream {
 public:
  TStringStream() = default;
  explicit TStringStream(const String& AString);
  // The stream's bytes decoded as UTF-8 (invalid bytes read as Latin-1).
  String DataString() const;
};

}  // namespace zyl
