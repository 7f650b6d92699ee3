// Library: zyl / Package: platform / Module: securerandom (POSIX backend)
#include "platform/securerandom.h"

#include <sys/random.h>

#include <cerrno>
#include <cstring>

#include "platform/exceptions.h"
#include "platform/hoststring.h"

namespace zyl::platform {

void fill_secure_random(void* Buffer, std::size_t Count) {
  auto* out = static_cast<unsigned char*>(Buffer);
  while (Count > 0) {
    // getrandom returns at most 32 MiB per call and may be interrupted.
    const ssize_t n = ::getrandom(out, Count, 0);
    if (n < 0) {
      if (errno == EINTR) continue;
      const int error = errno;
      throw EInOutError(u"No secure random source: " + from_utf8(std::strerror(error)), error);
    }
    out += n;
    Count -= static_cast<std::size_t>(n);
  }
}

}  // namespace zyl::platform
