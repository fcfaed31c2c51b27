#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing Framewright need.
# Does nothing (and says so in one line) when everything is already there.
set -euo pipefail

packages=(
  build-essential cmake make pkg-config git
  zlib1g-dev libfreetype-dev libgtest-dev googletest libbenchmark-dev
  clang libclang-rt-14-dev clang-format
  mingw-w64 g++-mingw-w64-x86-64 libz-mingw-w64-dev
  wine wine64 xvfb x11-utils xdotool xclip imagemagick
  python3 python3-fonttools python3-shapely python3-pil fonts-dejavu-core fp-utils
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  echo "install-deps: all ${#packages[@]} packages are already installed."
  exit 0
fi

echo "install-deps: installing ${missing[*]}"
sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then sudo_cmd=(sudo); fi
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq "${missing[@]}" >/dev/null
echo "install-deps: done."
