// Library: zyl / Package: platform / Module: stringstream
#include "platform/stringstream.h"

namespace zyl {

TStringStream::TStringStream(const String& AString) {
  const std::string bytes = to_utf8(AString);
  FData.assign(bytes.begin(), bytes.end());
}

String TStringStream::DataString() const {
  return from_utf8(std::string_view(reinterpret_cast<const char*>(FData.data()), FData.size()));
}

}  // namespace zyl
