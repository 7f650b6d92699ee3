// Library: zyl / Package: platform / Module: console
//
// What a command-line program needs to know about its console: whether an
// output goes to a terminal (so progress may be drawn there), and a way to
// hear Ctrl-C.
//
// Backends: platform/posix/console.cpp and platform/win32/console.cpp.
#pragma once

#include <cstdio>

#include "platform/api.h"

namespace zyl::platform {

// True when Stream is connected to a terminal (a console window on Windows).
[[nodiscard]] ZYL_API bool is_terminal(std::FILE* Stream);

// Calls Handler when the user presses Ctrl-C, instead of ending the program.
// Handler runs in a signal handler (POSIX) or on another thread (Windows):
// it may only set atomic flags. A null Handler restores the default.
ZYL_API void on_interrupt(void (*Handler)());

}  // namespace zyl::platform
