#!/usr/bin/env bash
# Installs the Debian packages the build needs, only those that are missing.
# Usage: scripts/install-deps.sh [native|win32|fuzz|bench|clang|package]...
set -euo pipefail

want=(cmake ninja-build g++ make pkg-config googletest libgtest-dev libgmock-dev libpng-dev x11-common libxml2-utils)
for kind in "$@"; do
  case "$kind" in
    native) want+=(xvfb libgtk-3-0 python3 python3-html5lib libfreetype-dev libfontconfig-dev fonts-dejavu-core poppler-utils) ;;
    bench) want+=(libbenchmark-dev zlib1g-dev libssl-dev) ;;
    fuzz) want+=(clang libclang-rt-14-dev) ;;
    clang) want+=(clang libclang-rt-14-dev) ;;
    package) want+=(dpkg-dev fakeroot lintian) ;;
    win32) want+=(g++-mingw-w64-i686-posix wine32:i386 wine) ;;
    *) echo "install-deps: unknown kind '$kind'" >&2; exit 2 ;;
  esac
done

missing=()
for p in "${want[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -ne 0 ]; then
  echo "install-deps: missing packages: ${missing[*]} (run as root to install them)" >&2
  exit 1
fi
for p in "${missing[@]}"; do
  if [[ "$p" == *:i386 ]] && ! dpkg --print-foreign-architectures | grep -qx i386; then
    dpkg --add-architecture i386
  fi
done
export DEBIAN_FRONTEND=noninteractive
apt_opts=(-o DPkg::Lock::Timeout=900)
apt-get "${apt_opts[@]}" update -qq
apt-get "${apt_opts[@]}" install -y -qq --no-install-recommends "${missing[@]}"
