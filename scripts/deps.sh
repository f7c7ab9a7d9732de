#!/usr/bin/env bash
# Makes sure the Debian packages the build and tests need are installed. As root it installs the
# missing ones (one apt-get update, one apt-get install); otherwise it prints the command and stops.
set -eu
packages=(
  cmake make g++ pkg-config zlib1g-dev libgtest-dev googletest libbenchmark-dev
  clang libclang-rt-14-dev
  gcc-mingw-w64-x86-64-posix g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 libz-mingw-w64-dev
  wine64 xvfb fonts-wine xauth
)
missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  [ "$status" = "install ok installed" ] || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
if [ "$(id -u)" -ne 0 ]; then
  echo "Missing packages. Install them with:" >&2
  echo "  sudo apt-get update && sudo apt-get install -y ${missing[*]}" >&2
  exit 1
fi
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends "${missing[@]}"
