#!/usr/bin/env bash
# Installs the Debian packages the build and the suite need, only those missing,
# so a second run costs one dpkg query per package.
set -euo pipefail
packages=(g++ cmake make qtbase5-dev qt5-style-plugins libqt5printsupport5 libexpat1-dev
          libgtest-dev libbenchmark-dev xvfb xauth clang libclang-rt-14-dev x11-apps imagemagick xdotool)
missing=()
for p in "${packages[@]}"; do
  dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo_cmd=()
  [ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
