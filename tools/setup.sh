#!/bin/bash
# Installs what building, running and testing need on a Debian 12 machine,
# only the packages that are missing.
set -euo pipefail
packages=(
  build-essential cmake ninja-build pkg-config
  qtbase5-dev qtbase5-dev-tools libqt5svg5-dev
  clang libclang-rt-14-dev libbenchmark-dev
  xvfb xauth xdotool x11-apps imagemagick fonts-dejavu-core
  iproute2 util-linux procps python3
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  SUDO=""
  [ "$(id -u)" = 0 ] || SUDO=sudo
  echo "setup: installing ${missing[*]}"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
