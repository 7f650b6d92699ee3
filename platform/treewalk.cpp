// Library: zyl / Package: platform / Module: treewalk (the part common to both backends)
#include "platform/treewalk.h"

namespace zyl::platform::detail {
namespace {

WalkHook& walk_hook() {
  static WalkHook hook;
  return hook;
}

}  // namespace

void set_walk_hook(WalkHook Hook) { walk_hook() = std::move(Hook); }

void run_walk_hook(const String& Path) {
  if (const WalkHook& hook = walk_hook()) hook(Path);
}

}  // namespace zyl::platform::detail
