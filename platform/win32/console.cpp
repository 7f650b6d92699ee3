// Library: zyl / Package: platform / Module: console (Win32 backend)
#include "platform/console.h"

#include <io.h>

#include <atomic>

#include "platform/win32/win.h"

namespace zyl::platform {
namespace {

std::atomic<void (*)()> interrupt_handler{nullptr};

BOOL WINAPI on_ctrl(DWORD Event) {
  void (*handler)() = interrupt_handler.load();
  if (handler == nullptr || (Event != CTRL_C_EVENT && Event != CTRL_BREAK_EVENT)) return FALSE;
  handler();
  return TRUE;
}

}  // namespace

bool is_terminal(std::FILE* Stream) { return Stream != nullptr && ::_isatty(::_fileno(Stream)) != 0; }

void on_interrupt(void (*Handler)()) {
  const bool had = interrupt_handler.exchange(Handler) != nullptr;
  if (Handler != nullptr && !had) ::SetConsoleCtrlHandler(on_ctrl, TRUE);
  if (Handler == nullptr && had) ::SetConsoleCtrlHandler(on_ctrl, FALSE);
}

}  // namespace zyl::platform
