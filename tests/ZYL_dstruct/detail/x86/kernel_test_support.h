// What the tests of the accelerated kernels share: a table row naming one
// variant of a kernel and the CPU features it needs, and a fixture that
// gives every test a random generator (its seed is for the failure trace)
// and turns every CPU feature back on afterwards.
#pragma once

#include <cstdint>
#include <random>

#include <gtest/gtest.h>

#include "ZYL_dstruct/detail/x86/cpu_features.h"

namespace ZYL_dstruct::detail {

template <class Fn>
struct variant {
  const char* name;
  Fn fn;
  std::uint32_t needs;
};

class KernelTest : public ::testing::Test {
 protected:
  void TearDown() override { disable_cpu_features(0); }
  const std::uint32_t seed = std::random_device{}();
  std::mt19937 rng{seed};
};

}  // namespace ZYL_dstruct::detail
