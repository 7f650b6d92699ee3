// Runs a Python script with Debian's python3 (where python3-html5lib is
// installed) for checks against an independent implementation.
#pragma once

#include <optional>
#include <string>

namespace zyl::test {

// Runs Script with the bytes Input bound to the Python name INPUT; the
// script's standard output, or nullopt when python3 cannot be started from
// this program (the Windows build under Wine may not reach it). A script
// that starts but fails gives its output followed by "\nEXIT <status>\n" and
// its standard error.
std::optional<std::string> run_python(const std::string& Script, const std::string& Input);

}  // namespace zyl::test
