#!/usr/bin/env bash
# Installs the Debian packages the program needs to build, run and be tested, when missing.
set -euo pipefail

packages=(
    build-essential cmake clang-format
    qt6-base-dev qt6-serialport-dev libqt6serialport6 libjpeg-dev libx11-dev libgtest-dev
    xvfb xauth xdotool imagemagick x11-utils fonts-dejavu-core fonts-liberation
    dpkg-dev desktop-file-utils file clang libclang-rt-14-dev
)

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$package")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=()
[ "$(id -u)" -ne 0 ] && sudo=(sudo)
echo "Installing: ${missing[*]}"
"${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq
"${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
    "${missing[@]}"
