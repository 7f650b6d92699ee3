// Library: zyl / Package: platform / Module: console (POSIX backend)
#include "platform/console.h"

#include <signal.h>
#include <unistd.h>

#include <atomic>

namespace zyl::platform {
namespace {

std::atomic<void (*)()> interrupt_handler{nullptr};

extern "C" void on_sigint(int) {
  if (void (*handler)() = interrupt_handler.load()) handler();
}

}  // namespace

bool is_terminal(std::FILE* Stream) { return Stream != nullptr && ::isatty(::fileno(Stream)) == 1; }

void on_interrupt(void (*Handler)()) {
  interrupt_handler.store(Handler);
  struct sigaction action{};
  action.sa_handler = Handler != nullptr ? on_sigint : SIG_DFL;
  sigemptyset(&action.sa_mask);
  ::sigaction(SIGINT, &action, nullptr);
}

}  // namespace zyl::platform
