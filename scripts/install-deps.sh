#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing need.
# Idempotent and quiet when everything is already there.
set -euo pipefail

packages=(
  cmake ninja-build g++ make pkg-config
  libgtest-dev libgmock-dev libbenchmark-dev googletest
  qt6-base-dev qt6-translations-l10n libgl-dev
  xvfb xdotool xclip x11-utils xauth
  # A desktop clipboard manager for the end-to-end test (its own session bus): about 9 MB
  # to download, 53 MB installed, with what it needs.
  mate-settings-daemon dbus-daemon
  fonts-ipafont-gothic
  imagemagick python3
  time
  # The native Windows build and the Wine that runs its tests.
  g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 mingw-w64-x86-64-dev
  wine wine64 fonts-wine zip
  # Clang and its libFuzzer runtime for the fuzz targets.
  clang libclang-rt-dev
  # The formatting check of make test.
  clang-format
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q '^install ok installed$'; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo_cmd=()
[ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
export DEBIAN_FRONTEND=noninteractive
# Two builds set up at once (two checkouts, or make -j) wait for each other's apt run instead
# of failing on its lock.
apt_wait=(-o DPkg::Lock::Timeout=900)
"${sudo_cmd[@]}" apt-get "${apt_wait[@]}" update -qq </dev/null
"${sudo_cmd[@]}" apt-get "${apt_wait[@]}" install -y -qq --no-install-recommends "${missing[@]}" </dev/null >/dev/null
