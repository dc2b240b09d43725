#!/usr/bin/env bash
# Installs the Debian packages that the build, the tests, the benchmarks and the fuzz targets need.
# Only what is missing is installed; runs apt-get as root or through sudo.
set -euo pipefail
packages=(
  cmake ninja-build g++ pkg-config clang-format
  libasound2-dev libcairo2-dev libfreetype-dev libpng-dev zlib1g-dev libx11-dev fonts-dejavu-core xfonts-base
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  clang libclang-rt-14-dev
  xvfb xauth libxtst-dev
  ardour
  desktop-file-utils dpkg-dev
  qemu-system-x86 linux-image-amd64 busybox-static cpio
)
missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi
echo "setup: installing ${missing[*]}"
sudo=""
if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
