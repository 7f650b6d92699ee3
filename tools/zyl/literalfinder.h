// Finds a literal in raw bytes, optionally with A-Z and a-z taken as equal
// (the literal itself then given in lower case): the fast first step of
// zyl grep, which matches only the lines around the places found.
#pragma once

#include <string>

namespace zyl_tool {

class LiteralFinder {
 public:
  // literal must not be empty; with ignore_case its letters are lower case.
  LiteralFinder(std::string literal, bool ignore_case);

  // The first occurrence in [begin, end), or end.
  const char* find(const char* begin, const char* end) const;

 private:
  bool matches_at(const char* p) const;

  std::string FLiteral;
  bool FIgnoreCase;
};

}  // namespace zyl_tool
