#!/usr/bin/env bash
# Runs a Windows program under Wine in a private 32-bit prefix, without a
# display. The prefix is created on first use (several runs may start at
# once, so creation is serialised by a lock).
# Usage: scripts/wine-run.sh PREFIX_DIR PROGRAM.exe [ARGS...]
set -euo pipefail

prefix=$(realpath -m "$1")
shift

export WINEPREFIX="$prefix" WINEARCH=win32 WINEDEBUG=-all
# No desktop integration, no downloads of optional runtimes.
export WINEDLLOVERRIDES="mscoree=;mshtml=;winemenubuilder.exe="
unset DISPLAY WAYLAND_DISPLAY

# Windows programs see the Linux file system as drive Z:.
to_windows_path() { printf 'Z:%s' "${1//\//\\}"; }
if [[ "${ZYL_TEST_DATA:-}" == /* ]]; then
  ZYL_TEST_DATA=$(to_windows_path "$ZYL_TEST_DATA")
  export ZYL_TEST_DATA
fi

mkdir -p "$(dirname "$prefix")"
# Wine's server outlives the program that started it: nothing it starts may
# inherit the lock (fd 9) or the caller's output.
(
  flock 9
  if [ ! -f "$prefix/system.reg" ]; then
    wineboot --init </dev/null >/dev/null 2>&1 9>&- || true
    wineserver --wait 9>&- || true
  fi
  # Drive S: for tests that act on a volume's root: a directory of the
  # prefix marked as a sandbox, so nothing else is reachable through it.
  if [ -d "$prefix/dosdevices" ]; then
    mkdir -p "$prefix/sandbox-drive"
    touch "$prefix/sandbox-drive/.zyl-sandbox"
    [ -L "$prefix/dosdevices/s:" ] || ln -s "$prefix/sandbox-drive" "$prefix/dosdevices/s:"
  fi
) 9>"$prefix.lock"
export ZYL_SANDBOX_DRIVE=S:
# A program that starts just as the previous one's server is shutting down
# is refused before it runs ("cannot connect to it"); it is started again.
errors=$(mktemp)
trap 'rm -f "$errors"' EXIT
for attempt in 1 2 3 4 5; do
  status=0
  wine "$@" 2>"$errors" || status=$?
  if [ "$status" -ne 0 ] && grep -q "server seems to be running, but I cannot connect" "$errors"; then
    sleep 1
    continue
  fi
  cat "$errors" >&2
  exit "$status"
done
cat "$errors" >&2
exit "$status"
