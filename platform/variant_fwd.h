// Library: zyl / Package: platform / Module: variant_fwd
//
// Forward declaration of the host framework's tagged value, for headers that
// name it without using it (platform/variant.h defines it).
#pragma once

namespace zyl {
class Variant;
}
