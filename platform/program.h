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
#include "platform/hoststring.h"

namespace zyl::platform {

// The program's arguments, program name first, as UTF-8. argc/argv are the
// ones main received (Windows rebuilds them from the wide command line).
ZYL_API std::vector<std::string> program_arguments(int argc, char** argv);

// A file name given as an argument, as the String that names exactly that
// file: on POSIX the argument's bytes reach the file system unchanged, also
// where they are not UTF-8 ("n\xE9.txt" stays that name, see
// platform/posix/osname.h); on Windows the argument is the UTF-8 form of the
// wide argument and becomes that wide name again.
[[nodiscard]] ZYL_API String argument_file_name(const std::string& Argument);

// The inverse: the bytes a program prints for a file name, so that the
// printed name, given back as an argument, names the same file (POSIX: the
// name's own bytes; Windows: its UTF-8).
//   file_name_text(argument_file_name("n\xE9.txt")) == "n\xE9.txt"
[[nodiscard]] ZYL_API std::string file_name_text(const String& Name);

// The files a FILE argument names. Windows shells hand wildcards to the
// program, so there "*" and "?" in the argument's last part are expanded to
// the matching files (not directories) in name order, each with the
// argument's directory part; an argument that matches nothing, or holds no
// wildcard, is kept as given. POSIX shells expand wildcards themselves: the
// argument is kept as given.
//   "logs\\*.txt"  ->  {"logs\\a.txt", "logs\\b.txt"}     (Windows)
[[nodiscard]] ZYL_API std::vector<std::string> expand_file_argument(const std::string& Argument);

// Puts standard input and output into binary mode: bytes pass unchanged
// (no CR LF translation, no end at Ctrl-Z). Does nothing on POSIX.
ZYL_API void set_binary_stdio();

// Opens a file named in UTF-8 for binary reading; null with errno set when
// it cannot. The caller closes it with std::fclose.
ZYL_API std::FILE* open_binary_read(const std::string& Utf8Name);

}  // namespace zyl::platform
