#!/usr/bin/env bash
# Installs every Debian package Travonix needs to build, run and test.
# Safe to run repeatedly; does nothing when everything is already present.
set -euo pipefail

packages=(
  cmake g++ make pkg-config
  # libFuzzer: clang, and its runtime (only a recommendation of clang's)
  clang libclang-rt-dev
  qtbase5-dev qtwebengine5-dev
  # the window's translations: Qt Linguist's tools, and Qt's own texts
  qttools5-dev qttools5-dev-tools qttranslations5-l10n
  # an ISO built from Microsoft's installation files, and its tests
  libarchive-dev libwim-dev wimtools genisoimage gcab xorriso p7zip-full
  libcurl4-openssl-dev libcjson-dev libssl-dev
  python3 nginx-light openssl aria2 mingw-w64 g++-mingw-w64-x86-64-posix wine64
  xdg-utils xvfb x11-utils dbus clang-format clang-tidy
  icoutils librsvg2-bin help2man desktop-file-utils appstream
  dpkg-dev file lintian debootstrap
)

missing=()
for pkg in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed" || missing+=("$pkg")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo_cmd=()
[ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -q
"${sudo_cmd[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
