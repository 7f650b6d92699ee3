// Finds the first byte that belongs to a class of bytes (a table of 256
// flags): the first step of zyl grep for expressions without a literal,
// which must still match some member of a set in every line they match.
#pragma once

#include <array>

namespace zyl_tool {

class ByteClassFinder {
 public:
  explicit ByteClassFinder(const std::array<bool, 256>& members) : FMembers(members) {}

  // The first member in [begin, end), or end.
  const char* find(const char* begin, const char* end) const {
    for (const char* p = begin; p < end; ++p)
      if (FMembers[static_cast<unsigned char>(*p)]) return p;
    return end;
  }

 private:
  std::array<bool, 256> FMembers;
};

}  // namespace zyl_tool
