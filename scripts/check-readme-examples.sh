#!/usr/bin/env bash
# Checks that every example program the README shows in full, introduced by
# its link [`examples/NAME.cpp`](examples/NAME.cpp), is the file itself.
set -euo pipefail
cd "$(dirname "$0")/.."
python3 - <<'PY'
import re, sys
readme = open("README.md", encoding="utf-8").read()
shown = re.findall(r"\(examples/([\w.]+\.cpp)\):\n\n```cpp\n(.*?)```\n", readme, re.S)
if not shown:
    sys.exit("README: no example programs found")
bad = [name for name, code in shown if open("examples/" + name, encoding="utf-8").read() != code]
for name in bad:
    print(f"README: the copy of examples/{name} differs from the file", file=sys.stderr)
sys.exit(1 if bad else 0)
PY
echo "README: ${0##*/}: the example programs shown match examples/"
