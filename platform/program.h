// Library: zyl / Package: platform / Module: program
//
// What a command-line program needs from the OS beyond files: its arguments
// as UTF-8, byte-exact standard streams, and C stdio files opened by UTF-8
// name. On POSIX these are what the C library gives; on Windows the C
// library's arguments and names use the ANSI code page, which cannot hold
// every name, and its standard streams translate line ends.
//
// Example:
//   int main(int argc, char** argv) {
//     zyl::platform::set_binary_stdio();
//     const auto args = zyl::platform::program_arguments(argc, argv);  // args[0]: the program
//   }
//
// Backends: platform/posix/program.cpp and platform/win32/program.cpp.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include "platform/api.h"

namespace zyl::platform {

// The program's arguments, program name first, as UTF-8. argc/argv are the
// ones main received (Windows rebuilds them from the wide command line).
ZYL_API std::vector<std::string> program_arguments(int argc, char** argv);

// Puts standard input and output into binary mode: bytes pass unchanged
// (no CR LF translation, no end at Ctrl-Z). Does nothing on POSIX.
ZYL_API void set_binary_stdio();

// Opens a file named in UTF-8 for binary reading; null with errno set when
// it cannot. The caller closes it with std::fclose.
ZYL_API std::FILE* open_binary_read(const std::string& Utf8Name);

}  // namespace zyl::platform
