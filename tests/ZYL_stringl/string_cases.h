// Tables of string results: each row a label, the string a call returned and
// the string it should have returned. Compared as UTF-8 so that a failure
// prints readable text.
#pragma once

#include <initializer_list>

#include <gtest/gtest.h>

#include "platform/hoststring.h"

namespace ZYL_stringl::test {

struct Case {
  const char* label;
  zyl::String got;
  zyl::String want;
};

inline void check(const Case* begin, const Case* end) {
  for (const Case* c = begin; c != end; ++c) {
    SCOPED_TRACE(c->label);
    EXPECT_EQ(zyl::to_utf8(c->got), zyl::to_utf8(c->want));
  }
}

inline void check(std::initializer_list<Case> cases) { check(cases.begin(), cases.end()); }

}  // namespace ZYL_stringl::test
