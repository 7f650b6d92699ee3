// Library: zyl / Package: platform / Module: securerandom (Win32 backend)
#include "platform/securerandom.h"

#include <algorithm>

#include "platform/exceptions.h"
#include "platform/win32/win.h"

// RtlGenRandom, exported by advapi32 as SystemFunction036 (documented under
// its exported name; every Windows since XP and Wine have it).
extern "C" __declspec(dllimport) BOOLEAN WINAPI SystemFunction036(PVOID Buffer, ULONG Length);

namespace zyl::platform {

void fill_secure_random(void* Buffer, std::size_t Count) {
  auto* out = static_cast<unsigned char*>(Buffer);
  while (Count > 0) {
    const auto n = static_cast<ULONG>(std::min<std::size_t>(Count, 1u << 20));
    if (!SystemFunction036(out, n)) {
      const DWORD error = ::GetLastError();
      throw EInOutError(u"No secure random source", static_cast<int>(error != 0 ? error : ERROR_GEN_FAILURE));
    }
    out += n;
    Count -= n;
  }
}

}  // namespace zyl::platform
