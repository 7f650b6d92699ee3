#!/usr/bin/env bash
# Checks the ready-made packages the way a user meets them:
# - the Debian package passes lintian without errors and, unpacked into a
#   temporary root (never installed), lets the examples build with
#   find_package(zyl) and run, and answers to pkg-config;
# - the Windows zip, unpacked, lets the examples be cross-built against it and
#   run under Wine.
# Usage: scripts/test-packages.sh DEB_DIR ZIP_DIR WINE_PREFIX
set -euo pipefail

deb_dir=$(realpath "$1")
zip_dir=$(realpath "$2")
wine_prefix=$(realpath -m "$3")
src=$(cd "$(dirname "$0")/.." && pwd)
# Examples that need a display are built but not run.
needs_display=(save_dialog)

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

only_file() {
  local files=("$1"/$2)
  if [ ${#files[@]} -ne 1 ] || [ ! -f "${files[0]}" ]; then
    echo "test-packages: expected exactly one $2 in $1" >&2
    exit 1
  fi
  printf '%s' "${files[0]}"
}

runnable_examples() {
  local dir=$1 ext=$2 exe name
  for exe in "$dir"/*"$ext"; do
    [ -f "$exe" ] && [ -x "$exe" ] || continue
    name=$(basename "$exe" "$ext")
    [[ " ${needs_display[*]} " == *" $name "* ]] && continue
    printf '%s\n' "$exe"
  done
}

# The Debian package --------------------------------------------------------
deb=$(only_file "$deb_dir" '*.deb')
echo "== lintian $(basename "$deb")"
lintian --fail-on error "$deb"

root="$work/deb-root"
dpkg-deb -x "$deb" "$root"
libdir=$(dirname "$(find "$root/usr/lib" -name 'libzyl.so.*' -type f | head -n 1)")
export LD_LIBRARY_PATH="$libdir"
"$root/usr/bin/zyl" --version
PKG_CONFIG_PATH=$(dirname "$(find "$root" -name zyl.pc)") pkg-config --exists --print-errors zyl
cmake -S "$src/examples" -B "$work/examples-deb" -G Ninja -DCMAKE_PREFIX_PATH="$root/usr" >/dev/null
cmake --build "$work/examples-deb"
while read -r exe; do
  echo "== $(basename "$exe")"
  "$exe"
done < <(runnable_examples "$work/examples-deb" "")
unset LD_LIBRARY_PATH

# The Windows zip ----------------------------------------------------------
zip=$(only_file "$zip_dir" '*.zip')
mkdir "$work/zip-root"
(cd "$work/zip-root" && cmake -E tar xf "$zip")
dll=$(find "$work/zip-root" -name zyl.dll)
[ -n "$dll" ] || { echo "test-packages: no zyl.dll in $(basename "$zip")" >&2; exit 1; }
win_root=$(dirname "$(dirname "$dll")")
cmake -S "$src/examples" -B "$work/examples-win32" -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="$src/cmake/toolchain-mingw-i686.cmake" \
  -Dzyl_DIR="$win_root/lib/cmake/zyl" >/dev/null
cmake --build "$work/examples-win32"
# Windows finds the DLLs beside the program, as the package's users place them.
cp "$win_root"/bin/*.dll "$work/examples-win32/"
while read -r exe; do
  echo "== $(basename "$exe") (Wine)"
  "$src/scripts/wine-run.sh" "$wine_prefix" "$exe"
done < <(runnable_examples "$work/examples-win32" ".exe")
echo "packages: Debian package and Windows zip work as installed"
